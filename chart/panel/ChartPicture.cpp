#include "chart/panel/ChartPicture.h"

#include "chart/panel/PictureError.h"
#include "chart/canvas/Graphic.h"
#include "chart/canvas/ImageGraphic.h"
#include "chart/canvas/MetafileGraphic.h"
#include "chart/canvas/SvgGraphic.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <stdexcept>

namespace {

// An SVG document larger than this is no picture anyone chose for a wall.
constexpr qint64 MaxSvgBytes = 64 * 1024 * 1024;

std::unique_ptr<TGraphic> ReadRaster(const QString& FileName, TGraphic::TKind Kind)
{
    QImageReader Reader(FileName);
    QImage Image = Reader.read();
    if (Image.isNull())
        throw EPictureError(Reader.errorString());
    return std::make_unique<TImageGraphic>(std::move(Image), Kind);
}

std::unique_ptr<TGraphic> ReadSvg(const QString& FileName)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw EPictureError(File.errorString());
    if (File.size() > MaxSvgBytes)
        throw EPictureError(QStringLiteral("SVG ファイルが大きすぎます (%1 バイト)").arg(File.size()));
    const QByteArray Bytes = File.read(MaxSvgBytes + 1);
    try {
        return TSvgGraphic::FromBytes(Bytes);
    } catch (const std::runtime_error& e) {
        throw EPictureError(QString::fromUtf8(e.what()));
    }
}

std::unique_ptr<TGraphic> ReadMetafile(const QString& FileName)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw EPictureError(File.errorString());
    if (File.size() > TMetafileGraphic::MaxBytes)
        throw EPictureError(QStringLiteral("メタファイル %1 が大きすぎます (%2 バイト)").arg(FileName).arg(File.size()));
    QByteArray Bytes = File.read(TMetafileGraphic::MaxBytes + 1);
    try {
        return TMetafileGraphic::FromBytes(std::move(Bytes));
    } catch (const std::runtime_error& e) {
        throw EPictureError(QStringLiteral("メタファイル %1 を読み込めません: %2").arg(FileName, QString::fromUtf8(e.what())));
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
    const QString Ext = QFileInfo(FileName).suffix().toLower();
    if (Ext == QLatin1String("bmp"))
        return ReadRaster(FileName, TGraphic::gkBitmap);
    if (Ext == QLatin1String("ico"))
        return ReadRaster(FileName, TGraphic::gkIcon);
    // The picture dialog offers GIF, JPEG, WebP and WBMP besides the
    // published formats: they load like PNG.
    static const char* const OtherRaster[] = {"png", "tif", "tiff", "gif", "jpg", "jpeg", "webp", "wbmp"};
    for (const char* Known : OtherRaster)
        if (Ext == QLatin1String(Known))
            return ReadRaster(FileName, TGraphic::gkOther);
    if (Ext == QLatin1String("svg"))
        return ReadSvg(FileName);
    if (Ext == QLatin1String("emf") || Ext == QLatin1String("wmf"))
        return ReadMetafile(FileName);
    throw EPictureError(QStringLiteral("画像のファイル拡張子 (.%1) が不明です").arg(Ext));
}

void TChartPicture::LoadFromFile(const QString& FileName)
{
    SetGraphic(LoadGraphic(FileName));
}
