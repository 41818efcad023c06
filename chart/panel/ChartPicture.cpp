#include "chart/panel/ChartPicture.h"

#include "chart/panel/PictureError.h"
#include "chart/canvas/Graphic.h"
#include "chart/canvas/ImageGraphic.h"
#include "chart/panel/MetafileGraphic.h"
#include "chart/canvas/SvgGraphic.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <stdexcept>

namespace {

// The window shows a picture error by itself, so each names the file.
EPictureError Unreadable(const QString& FileName, const QString& Reason)
{
    return EPictureError(QStringLiteral("画像ファイル \"%1\" を読み込めません: %2").arg(FileName, Reason));
}

EPictureError NotAPicture(const QString& FileName, const QString& Reason)
{
    return EPictureError(QStringLiteral("画像ファイル \"%1\" は画像ではありません: %2").arg(FileName, Reason));
}

// What the decoders would report vaguely ("Unable to read image data") or
// not at all (a FIFO blocks the reader) is sorted out before they start.
void CheckReadable(const QString& FileName)
{
    const QFileInfo Info(FileName);
    if (Info.isDir())
        throw EPictureError(QStringLiteral("画像ファイル \"%1\" はフォルダーです").arg(FileName));
    if (!Info.exists())
        throw Unreadable(FileName, QStringLiteral("ファイルがありません"));
    if (!Info.isFile())
        throw Unreadable(FileName, QStringLiteral("通常のファイルではありません"));
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw Unreadable(FileName, File.errorString());
}

std::unique_ptr<TGraphic> ReadRaster(const QString& FileName, TGraphic::TKind Kind)
{
    QImageReader Reader(FileName);
    QImage Image = Reader.read();
    if (Image.isNull())
        throw NotAPicture(FileName, Reader.errorString());
    return std::make_unique<TImageGraphic>(std::move(Image), Kind);
}

std::unique_ptr<TGraphic> ReadSvg(const QString& FileName)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw Unreadable(FileName, File.errorString());
    if (File.size() > TSvgGraphic::MaxBytes)
        throw EPictureError(QStringLiteral("SVG ファイルが大きすぎます (%1 バイト)").arg(File.size()));
    // Read as much as the file holds: a buffer of the limit would be taken
    // for every picture.
    const QByteArray Bytes = File.read(std::min<qint64>(File.size(), TSvgGraphic::MaxBytes) + 1);
    try {
        return TSvgGraphic::FromBytes(Bytes);
    } catch (const TSvgGraphic::EOutsideReference& e) {
        throw EPictureError(QStringLiteral("画像ファイル \"%1\" は外部のファイルを参照しているため使えません "
                                           "(埋め込めるのは data: URL の画像だけです): %2")
                                .arg(FileName, QString::fromUtf8(e.what())));
    } catch (const std::runtime_error& e) {
        throw NotAPicture(FileName, QString::fromUtf8(e.what()));
    }
}

std::unique_ptr<TGraphic> ReadMetafile(const QString& FileName)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw Unreadable(FileName, File.errorString());
    if (File.size() > TMetafileGraphic::MaxBytes)
        throw EPictureError(QStringLiteral("メタファイル %1 が大きすぎます (%2 バイト)").arg(FileName).arg(File.size()));
    QByteArray Bytes = File.read(std::min<qint64>(File.size(), TMetafileGraphic::MaxBytes) + 1);
    try {
        return TMetafileGraphic::FromBytes(std::move(Bytes));
    } catch (const std::runtime_error& e) {
        throw NotAPicture(FileName, QString::fromUtf8(e.what()));
    }
}

} // namespace

TChartPicture::TChartPicture(std::function<void()> OnChange) : FOnChange(std::move(OnChange)) {}

TChartPicture::~TChartPicture() = default;

void TChartPicture::SetGraphic(std::unique_ptr<TGraphic> Value)
{
    if (!Value && !FGraphic)
        return;
    FGraphic = std::move(Value);
    if (FOnChange)
        FOnChange();
}

bool TChartPicture::Valid() const
{
    return FGraphic && !FGraphic->IsEmpty();
}

std::unique_ptr<TGraphic> TChartPicture::LoadGraphic(const QString& FileName)
{
    enum TReader { rdBitmap, rdIcon, rdRaster, rdSvg, rdMetafile };
    // The picture dialog offers GIF, JPEG, WebP and WBMP besides the
    // published formats: they load like PNG.
    static const struct {
        const char* Ext;
        TReader Reader;
    } Readers[] = {{"bmp", rdBitmap}, {"ico", rdIcon},    {"png", rdRaster},  {"tif", rdRaster},
                   {"tiff", rdRaster}, {"gif", rdRaster}, {"jpg", rdRaster},  {"jpeg", rdRaster},
                   {"webp", rdRaster}, {"wbmp", rdRaster}, {"svg", rdSvg},     {"emf", rdMetafile},
                   {"wmf", rdMetafile}};
    const QString Ext = QFileInfo(FileName).suffix().toLower();
    for (const auto& Known : Readers) {
        if (Ext != QLatin1String(Known.Ext))
            continue;
        CheckReadable(FileName);
        switch (Known.Reader) {
        case rdBitmap:
            return ReadRaster(FileName, TGraphic::gkBitmap);
        case rdIcon:
            return ReadRaster(FileName, TGraphic::gkIcon);
        case rdRaster:
            return ReadRaster(FileName, TGraphic::gkOther);
        case rdSvg:
            return ReadSvg(FileName);
        case rdMetafile:
            return ReadMetafile(FileName);
        }
    }
    throw EPictureError(QStringLiteral("画像のファイル拡張子 (.%1) が不明です").arg(Ext));
}

void TChartPicture::LoadFromFile(const QString& FileName)
{
    SetGraphic(LoadGraphic(FileName));
}
