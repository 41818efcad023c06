#include "chart/panel/ChartExport.h"

#include "chart/panel/CustomChartPanel.h"
#include "chart/panel/ExportError.h"
#include "core/Numbers.h"
#include "core/WriteFailure.h"
#include "formats/BmpWriter.h"
#include "formats/EmfPaintDevice.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <stdexcept>

namespace {

// The resolution the chart is drawn at on screen; vector pictures keep it so
// that one pixel of the chart is one unit of theirs.
constexpr int ScreenDpi = 96;

QByteArray EncodePng(const QImage& Image)
{
    QByteArray Bytes;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    // Opaque: no alpha channel for a picture that has none.
    if (!Image.convertToFormat(QImage::Format_RGB32).save(&Buffer, "PNG"))
        throw std::runtime_error("The chart could not be encoded as PNG");
    return Bytes;
}

QByteArray EncodeSvg(TCustomChartPanel& Chart)
{
    const TRect R = Chart.GetRectangle();
    QByteArray Bytes;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    QSvgGenerator Svg;
    Svg.setOutputDevice(&Buffer);
    Svg.setSize(QSize(R.Width(), R.Height()));
    Svg.setViewBox(QRect(0, 0, R.Width(), R.Height()));
    Svg.setResolution(ScreenDpi);
    Svg.setTitle(QStringLiteral("Plotvane chart"));
    Chart.DrawOffscreen(&Svg, R, roVectorExport, ScreenDpi);
    // The generator gives the size in millimetres rounded to a few digits,
    // which readers turn into one pixel too many; a pixel is the unit here.
    static const QRegularExpression Size(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QString Head = QString::fromUtf8(Bytes.left(512));
    const QRegularExpressionMatch Match = Size.match(Head);
    if (Match.hasMatch()) {
        const QByteArray Exact = QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(R.Width()).arg(R.Height()).toUtf8();
        Bytes.replace(Match.capturedStart(), Match.capturedLength(), Exact);
    }
    return Bytes;
}

QByteArray EncodePdf(TCustomChartPanel& Chart)
{
    const TRect R = Chart.GetRectangle();
    QByteArray Bytes;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    QPdfWriter Pdf(&Buffer);
    Pdf.setCreator(QStringLiteral("Plotvane"));
    Pdf.setResolution(ScreenDpi);
    // One page the chart's size: pixels at the screen's resolution in points.
    const QSizeF Points(R.Width() * 72.0 / ScreenDpi, R.Height() * 72.0 / ScreenDpi);
    Pdf.setPageLayout(QPageLayout(QPageSize(Points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    Chart.DrawOffscreen(&Pdf, R, roVectorExport, ScreenDpi);
    return Bytes;
}


} // namespace

std::optional<TExportFormat> TChartExport::FormatOfFile(const QString& FileName)
{
    const QString Suffix = QFileInfo(FileName).suffix().toLower();
    if (Suffix == u"bmp")
        return efBmp;
    if (Suffix == u"png")
        return efPng;
    if (Suffix == u"emf")
        return efEmf;
    if (Suffix == u"svg")
        return efSvg;
    if (Suffix == u"pdf")
        return efPdf;
    return std::nullopt;
}

QString TChartExport::KnownExtensions()
{
    return QStringLiteral(".bmp, .png, .emf, .svg, .pdf");
}

QByteArray TChartExport::Encode(TCustomChartPanel& Chart, TExportFormat Format)
{
    switch (Format) {
    case efBmp:
        return TBmpWriter::Encode(Chart.CreateChartBitmap(clWhite, Chart.GetRectangle()));
    case efPng:
        return EncodePng(Chart.CreateChartBitmap(clWhite, Chart.GetRectangle()));
    case efEmf:
        return Chart.CreateChartMetafile(Chart.GetRectangle());
    case efSvg:
        return EncodeSvg(Chart);
    case efPdf:
        return EncodePdf(Chart);
    }
    throw std::logic_error("Unknown export format");
}

void TChartExport::SaveToFile(TCustomChartPanel& Chart, const QString& FileName)
{
    const std::optional<TExportFormat> Format = FormatOfFile(FileName);
    if (!Format)
        throw EExportError(FileName, QStringLiteral("拡張子は %1 のいずれかにしてください").arg(KnownExtensions()));
    WriteFile(FileName, Encode(Chart, *Format));
}

void TChartExport::WriteFile(const QString& FileName, const QByteArray& Bytes)
{
    // The new file is renamed over the name: a FIFO, a device or a folder
    // there would be replaced (or the write would block), so only a regular
    // file, or a link to one, is a target. A link is written through.
    const QFileInfo Existing(FileName);
    if (Existing.exists() && !Existing.isFile())
        throw EExportError(FileName, QStringLiteral("通常のファイルではありません (%1)")
                                         .arg(Existing.isDir() ? QStringLiteral("フォルダー") : QStringLiteral("特殊なファイル")));
    if (const std::optional<QString> Why = WriteWholeFile(FileName, Bytes, false))
        throw EExportError(FileName, Why->isEmpty() ? QStringLiteral("書き込みに失敗しました") : *Why);
}

std::unique_ptr<QMimeData> TChartExport::BitmapMimeData(TCustomChartPanel& Chart)
{
    const QImage Image = Chart.CreateChartBitmap(clDefault, Chart.GetRectangle()).convertToFormat(QImage::Format_RGB32);
    auto Data = std::make_unique<QMimeData>();
    Data->setImageData(Image);
    Data->setData(QStringLiteral("image/png"), EncodePng(Image));
    return Data;
}

std::unique_ptr<QMimeData> TChartExport::MetafileMimeData(TCustomChartPanel& Chart)
{
    const QByteArray Emf = Chart.CreateChartMetafile(Chart.GetRectangle());
    auto Data = std::make_unique<QMimeData>();
    Data->setData(QStringLiteral("image/x-emf"), Emf);
    Data->setData(QStringLiteral("application/x-emf"), Emf);
    Data->setData(QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\""), Emf);
    Data->setData(QStringLiteral("image/svg+xml"), EncodeSvg(Chart));
    return Data;
}

// The chart's own export members: here, with the file formats, so that the
// chart base class knows no writer.

QByteArray TCustomChartPanel::CreateChartMetafile(const TRect& R, double ReferenceDpi)
{
    // The reference device is a screen at the reference resolution, the same
    // wherever the file is made: a metre square of it, so that its size in
    // whole millimetres (as the header keeps it) is exact: 9,600 pixels in
    // 2,540 mm at 96 dpi.
    const int Width = std::max(1, R.Width());
    const int Height = std::max(1, R.Height());
    const double Dpi = ReferenceDpi > 0 && ReferenceDpi <= 10000 ? ReferenceDpi : 96;
    const int ReferencePixels = Numbers::RoundInt(Dpi * 100);
    TEmfPaintDevice Metafile(QSize(Width, Height), QSizeF(2540, 2540), QSize(ReferencePixels, ReferencePixels),
                             QStringLiteral("Plotvane chart"));
    DrawOffscreen(&Metafile, {0, 0, Width, Height}, roMetafile, Dpi);
    return Metafile.Bytes();
}

void TCustomChartPanel::SaveToMetafileEnh(const QString& FileName)
{
    TChartExport::WriteFile(FileName, CreateChartMetafile(GetRectangle()));
}

void TCustomChartPanel::SaveToBitmapFile(const QString& FileName)
{
    TChartExport::WriteFile(FileName, TBmpWriter::Encode(CreateChartBitmap(clWhite, GetRectangle())));
}
