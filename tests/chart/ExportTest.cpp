#include "chart/canvas/ChartCanvas.h"
#include "chart/panel/MetafileGraphic.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartExport.h"
#include "chart/panel/ExportError.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"
#include "formats/MetafileRecords.h"
#include "EmfRecords.h"
#include "core/Numbers.h"

#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The chart's picture leaving the program: off-screen frames that leave the
// screen alone, BMP files equal to a frame, the other formats by extension,
// and files that are written whole or not at all.
namespace {

constexpr int W = 781;
constexpr int H = 590;
const TRect Full{0, 0, W, H};

struct TExportChart {
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    QImage Screen{W, H, QImage::Format_ARGB32_Premultiplied};

    TExportChart()
    {
        Chart->SetSize(W, H);
        auto* Series = new TLineSeries(Chart.get());
        Chart->AddSeries(Series);
        Series->SetTitle(QStringLiteral("電圧"));
        for (int i = 0; i < 50; ++i)
            Series->AddXY(i, (i * 37) % 11);
        Chart->Title()->SetText({QStringLiteral("タイトル")});
    }
    TChart* operator->() const { return Chart.get(); }
    void Paint() { Chart->Paint(&Screen, Full); }
    // A frame drawn the way the screen draws it, into a picture of its own.
    QImage FreshFrame()
    {
        QImage Image(W, H, QImage::Format_ARGB32_Premultiplied);
        Chart->Draw(&Image, Full);
        return Image.convertToFormat(QImage::Format_RGB32);
    }
};

uint32_t Le32(const QByteArray& b, int at)
{
    uint32_t v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}

TEST(ChartExport, OffscreenFrameLeavesTheScreenAndRestoresItsFlagsOnEveryPath)
{
    TExportChart C;
    C.Paint();
    const int Frames = C->FrameCount();
    const QImage OnScreen = C.Screen.copy();
    QImage Target(W, H, QImage::Format_ARGB32_Premultiplied);
    C->DrawOffscreen(&Target, Full, roMetafile);
    EXPECT_EQ(C->FrameCount(), Frames);
    EXPECT_FALSE(C->Dirty());
    EXPECT_TRUE(C->Canvas()->BufferedDisplay());
    EXPECT_EQ(C->Canvas()->RenderContext().Output, roScreen);
    EXPECT_TRUE(C->AutoRepaint());
    // The screen buffer is still the picture: a paint copies it, draws nothing.
    C.Paint();
    EXPECT_EQ(C->FrameCount(), Frames);
    EXPECT_EQ(C.Screen, OnScreen);

    // A frame that throws halfway lets go of the export's device and of
    // every flag; the screen then repaints as before.
    C->OnAfterDraw = [](TCustomAxisPanel*) { throw std::runtime_error("draw failed"); };
    {
        QImage Doomed(W, H, QImage::Format_ARGB32_Premultiplied);
        EXPECT_THROW(C->DrawOffscreen(&Doomed, Full, roMetafile), std::runtime_error);
        EXPECT_FALSE(Doomed.paintingActive());
    }
    EXPECT_TRUE(C->Canvas()->BufferedDisplay());
    EXPECT_EQ(C->Canvas()->RenderContext().Output, roScreen);
    EXPECT_TRUE(C->AutoRepaint());
    // The same for a screen frame: the caller's device is free again.
    {
        QImage Doomed(W, H, QImage::Format_ARGB32_Premultiplied);
        EXPECT_THROW(C->Draw(&Doomed, Full), std::runtime_error);
        EXPECT_FALSE(Doomed.paintingActive());
        EXPECT_TRUE(C->Dirty());
    }
    C->OnAfterDraw = nullptr;
    C.Paint();
    EXPECT_EQ(C.Screen.convertToFormat(QImage::Format_RGB32), OnScreen.convertToFormat(QImage::Format_RGB32));
}

TEST(ChartExport, BitmapIsTheScreenWhenUpToDateAndAFreshFrameOtherwise)
{
    TExportChart C;
    C.Paint();
    const int Frames = C->FrameCount();
    // Up to date: exactly the screen's pixels, nothing drawn.
    EXPECT_EQ(C->CreateChartBitmap(clDefault, Full).convertToFormat(QImage::Format_RGB32),
              C.Screen.convertToFormat(QImage::Format_RGB32));
    // A change not yet painted: drawn afresh, and the screen still owes its repaint.
    C->Title()->SetText({QStringLiteral("新しい題")});
    const QImage Pending = C->CreateChartBitmap(clDefault, Full).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(C->Dirty());
    EXPECT_EQ(C->FrameCount(), Frames);
    EXPECT_EQ(Pending, C.FreshFrame());
    // Another background than the panel colour is always drawn afresh.
    EXPECT_EQ(C->CreateChartBitmap(clWhite, Full).convertToFormat(QImage::Format_RGB32), C.FreshFrame());
}

TEST(ChartExport, BmpFileHoldsThe32BitFrameAtTheChartSize)
{
    TExportChart C;
    C.Paint();
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("chart.bmp"));
    C->SaveToBitmapFile(Path);
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QByteArray Bytes = File.readAll();
    ASSERT_GE(Bytes.size(), 54);
    EXPECT_EQ(Bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(Le32(Bytes, 2), uint32_t(Bytes.size()));
    EXPECT_EQ(Le32(Bytes, 18), uint32_t(W));
    EXPECT_EQ(Le32(Bytes, 22), uint32_t(H));
    EXPECT_EQ(Bytes[28], 32);
    EXPECT_EQ(Le32(Bytes, 30), 0u); // BI_RGB
    EXPECT_EQ(Bytes.size(), 54 + W * H * 4);
    const QImage Read = QImage::fromData(Bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Read, C.FreshFrame());
}

TEST(ChartExport, FormatsByExtensionInAnyCase)
{
    struct TCase {
        const char* Name;
        std::optional<TExportFormat> Format;
    } Cases[] = {
        {"a.bmp", efBmp},         {"a.PNG", efPng},    {"dir.x/a.Emf", efEmf}, {"a.svg", efSvg},
        {"a.pdf", efPdf},         {"a.jpg", {}},       {"a", {}},              {"a.bmp.txt", {}},
        {"a.tar.pdf", efPdf},
    };
    for (const TCase& c : Cases)
        EXPECT_EQ(TChartExport::FormatOfFile(QString::fromUtf8(c.Name)), c.Format) << c.Name;
}

TEST(ChartExport, VectorFormatsKeepTheTextAndPngIsTheFrame)
{
    TExportChart C;
    const QByteArray Svg = TChartExport::Encode(*C.Chart, efSvg);
    EXPECT_TRUE(Svg.contains("<svg"));
    EXPECT_TRUE(Svg.contains(QStringLiteral("タイトル").toUtf8()));
    EXPECT_FALSE(Svg.contains("<image")) << "a vector picture draws its lines, not a bitmap of them";
    const QByteArray Pdf = TChartExport::Encode(*C.Chart, efPdf);
    EXPECT_TRUE(Pdf.startsWith("%PDF-"));
    EXPECT_TRUE(Pdf.contains("/ToUnicode")) << "the text must stay searchable";
    const QImage Png = QImage::fromData(TChartExport::Encode(*C.Chart, efPng), "PNG");
    EXPECT_FALSE(Png.hasAlphaChannel());
    EXPECT_EQ(Png.convertToFormat(QImage::Format_RGB32), C.FreshFrame());
}

TEST(ChartExport, MetafileIsAWholeRecordingWithTheSeriesClippedAndTheTitleAsText)
{
    TExportChart C;
    C.Paint();
    const int Frames = C->FrameCount();
    const QByteArray Emf = C->CreateChartMetafile(C->GetRectangle());
    EXPECT_EQ(C->FrameCount(), Frames);
    EXPECT_EQ(C->Canvas()->RenderContext().Output, roScreen);

    const TEmfRecords Records(Emf);
    ASSERT_FALSE(Records.Malformed());
    ASSERT_FALSE(Records.Records().empty());
    const TEmfRecord Header = Records.Records().front();
    EXPECT_EQ(Header.Type, 1u);
    EXPECT_EQ(Records.U32(Header, 40), 0x464D4520u);
    EXPECT_EQ(Records.U32(Header, 48), uint32_t(Emf.size()));
    EXPECT_EQ(Records.U32(Header, 52), uint32_t(Records.Records().size()));
    EXPECT_EQ(Records.End(), Emf.size());
    EXPECT_EQ(Records.Records().back().Type, 14u);
    // Bounds are the chart's pixels (inclusive); the reference device is a
    // 96 dpi screen wherever the file is made, and the frame follows from it.
    EXPECT_EQ(Records.I32(Header, 16), W - 1);
    EXPECT_EQ(Records.I32(Header, 20), H - 1);
    EXPECT_EQ(Records.I32(Header, 72), 9600);
    EXPECT_EQ(Records.I32(Header, 80), 2540);
    EXPECT_EQ(Records.I32(Header, 32), Numbers::RoundInt((W - 1) * 2540.0 * 100 / 9600));
    // The series go between a saved clip to the plot area and its restore.
    const TRect Plot = C->LastLayout().ChartRectFinal;
    bool Clipped = false;
    for (const TEmfRecord& r : Records.OfType(EMR_INTERSECTCLIPRECT)) // INTERSECTCLIPRECT
        Clipped |= Records.I32(r, 8) <= Plot.Left + 1 && Records.I32(r, 16) >= Plot.Right - 1;
    EXPECT_TRUE(Clipped);
    EXPECT_GE(Records.Count(EMR_SAVEDC), 1); // SAVEDC
    EXPECT_GE(Records.Count(EMR_RESTOREDC), 1); // RESTOREDC
    // The title is text, not pixels.
    bool Title = false;
    for (const TEmfRecord& r : Records.OfType(EMR_EXTTEXTOUTW)) // EXTTEXTOUTW
        Title |= Records.Utf16(r, Records.U32(r, 48), Records.U32(r, 44)) == QStringLiteral("タイトル");
    EXPECT_TRUE(Title);
    EXPECT_EQ(Records.Count(EMR_STRETCHDIBITS), 0) << "no bitmaps in a chart without a picture";

    // The program's own player reads it back at the chart's size and draws
    // the picture: the plot area's frame lands where the frame has it.
    const std::unique_ptr<TMetafileGraphic> Played = TMetafileGraphic::FromBytes(Emf);
    ASSERT_TRUE(Played);
    EXPECT_EQ(Played->Size(), QSize(W, H));
    QImage Back(W, H, QImage::Format_RGB32);
    Back.fill(Qt::white);
    {
        QPainter Painter(&Back);
        Played->Draw(Painter, QRectF(0, 0, W, H), true);
    }
    EXPECT_LT(qGray(Back.pixel(Plot.Left, (Plot.Top + Plot.Bottom) / 2)), 96) << "the plot area's left frame line";

    // The metafile copy carries the EMF under every name and the SVG.
    const std::unique_ptr<QMimeData> Data = TChartExport::MetafileMimeData(*C.Chart);
    for (const char* Name : {"image/x-emf", "application/x-emf",
                             "application/x-openoffice-emf;windows_formatname=\"Image EMF\""})
        EXPECT_EQ(Data->data(QString::fromUtf8(Name)).left(4), Emf.left(4)) << Name;
    EXPECT_TRUE(Data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

TEST(ChartExport, MetafileDrawsEachRunOfPointsOnOnePixelOnce)
{
    // Ten thousand points on a few hundred pixel columns, in flat steps:
    // long runs of points share a pixel.
    TExportChart C;
    auto* Dense = static_cast<TLineSeries*>(C->GetSeries(0));
    Dense->Clear();
    Dense->Pointer()->SetVisible(true);
    Dense->Pointer()->SetStyle(psCircle);
    for (int i = 0; i < 10000; ++i)
        Dense->AddXY(i, i / 1000);
    const QByteArray Emf = C->CreateChartMetafile(C->GetRectangle());
    int Runs = 0;
    for (int i = 0; i < Dense->Count(); ++i)
        Runs += i == 0 || Dense->CalcXPos(i) != Dense->CalcXPos(i - 1) || Dense->CalcYPos(i) != Dense->CalcYPos(i - 1);
    // One ELLIPSE record a circle marker; one of them is the legend's symbol.
    const int Markers = TEmfRecords(Emf).Count(EMR_ELLIPSE) - 1;
    EXPECT_GE(Markers, Runs) << "every pixel the series passes keeps its marker";
    EXPECT_LE(Markers, Runs + 1);
    EXPECT_LT(Runs, 2000);
    // The screen is drawn in full as ever.
    QImage Frame(W, H, QImage::Format_ARGB32_Premultiplied);
    C->Draw(&Frame, Full);
    EXPECT_EQ(C->CreateChartBitmap(clWhite, Full).convertToFormat(QImage::Format_RGB32),
              Frame.convertToFormat(QImage::Format_RGB32));
}

// A metafile pen carries no dash phase; a dashed series without markers
// goes out as the same few polylines as a solid one, along which the reader
// runs one pattern.
TEST(ChartExport, MetafileKeepsADashedSeriesInWholePolylines)
{
    TExportChart C;
    auto* Dense = static_cast<TLineSeries*>(C->GetSeries(0));
    Dense->Clear();
    for (int i = 0; i < 10000; ++i)
        Dense->AddXY(i, std::sin(i * 0.002));
    auto Polylines = [&](TPenStyle Style) {
        Dense->LinePen()->SetStyle(Style);
        const TEmfRecords Records(C->CreateChartMetafile(C->GetRectangle()));
        return std::make_pair(Records.Count(EMR_POLYLINE16) + Records.Count(EMR_POLYPOLYLINE), Records.Count(EMR_EXTCREATEPEN)); // POLYLINE16, POLYLINE; EXTCREATEPEN
    };
    const auto Solid = Polylines(psSolid);
    const auto Dashed = Polylines(psDash);
    EXPECT_EQ(Dashed.first, Solid.first);
    EXPECT_EQ(Dashed.second, Solid.second);
}

TEST(ChartExport, FailedWritesNameThePathAndKeepTheOldFile)
{
    TExportChart C;
    QTemporaryDir Dir;
    const QString Old = Dir.filePath(QStringLiteral("old.png"));
    {
        QFile f(Old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    // Unknown extension: refused before anything is drawn or written.
    const QString Jpg = Dir.filePath(QStringLiteral("chart.jpg"));
    const int Frames = C->FrameCount();
    EXPECT_THROW(TChartExport::SaveToFile(*C.Chart, Jpg), EExportError);
    EXPECT_FALSE(QFile::exists(Jpg));
    EXPECT_EQ(C->FrameCount(), Frames);
    // A folder that does not exist.
    const QString Missing = Dir.filePath(QStringLiteral("no/such/chart.png"));
    try {
        TChartExport::SaveToFile(*C.Chart, Missing);
        ADD_FAILURE() << "no error";
    } catch (const EExportError& e) {
        EXPECT_EQ(e.Path(), Missing);
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(Missing));
    }
    // A target that cannot be replaced (a folder of that name) stays; so does a good file beside it.
    const QString Folder = Dir.filePath(QStringLiteral("taken.png"));
    ASSERT_TRUE(QDir().mkdir(Folder));
    EXPECT_THROW(TChartExport::SaveToFile(*C.Chart, Folder), EExportError);
    QFile f(Old);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));
    EXPECT_TRUE(C->AutoRepaint());
    EXPECT_TRUE(C->Canvas()->BufferedDisplay());
}

// An output path is a name for a regular file: a FIFO, a device or a folder
// there is refused and left as it is; a symbolic link to a file is written
// through and stays a link.
TEST(ChartExport, SpecialOutputPathsAreRefusedAndLinksWrittenThrough)
{
    QTemporaryDir Dir;
    const QByteArray Fifo = Dir.filePath(QStringLiteral("pipe.png")).toLocal8Bit();
    ASSERT_EQ(mkfifo(Fifo.constData(), 0600), 0);
    const QString FifoLink = Dir.filePath(QStringLiteral("fifo-link.png"));
    ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(Fifo), FifoLink));
    const QString Folder = Dir.filePath(QStringLiteral("folder.png"));
    ASSERT_TRUE(QDir().mkdir(Folder));
    QStringList Paths{QString::fromLocal8Bit(Fifo), FifoLink, Folder};
    // A link to a real device only where a failing check could not replace
    // the device: never as root.
    const QString NullLink = Dir.filePath(QStringLiteral("null.png"));
    if (geteuid() != 0 && QFile::link(QStringLiteral("/dev/null"), NullLink))
        Paths.append(NullLink);
    for (const QString& Path : Paths) {
        try {
            TChartExport::WriteFile(Path, "chart");
            ADD_FAILURE() << "wrote " << Path.toStdString();
        } catch (const EExportError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(Path)) << e.what();
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("通常のファイルではありません"))) << e.what();
        }
    }
    struct stat Info {};
    ASSERT_EQ(stat(Fifo.constData(), &Info), 0);
    EXPECT_TRUE(S_ISFIFO(Info.st_mode));
    EXPECT_EQ(QFileInfo(FifoLink).symLinkTarget(), QString::fromLocal8Bit(Fifo));
    EXPECT_TRUE(QFileInfo(Folder).isDir());

    const QString Target = Dir.filePath(QStringLiteral("target.png"));
    const QString Link = Dir.filePath(QStringLiteral("link.png"));
    {
        QFile f(Target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    ASSERT_TRUE(QFile::link(Target, Link));
    TChartExport::WriteFile(Link, "new");
    EXPECT_TRUE(QFileInfo(Link).isSymLink());
    QFile f(Target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("new"));
}

// A write that fails part way says why, in the system's words.
TEST(ChartExport, AFailedWriteGivesTheSystemsReason)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("big.png"));
    const QByteArray Bytes(1 << 20, 'x');
    QString Message;
    {
        // Files beyond 64 KB fail with EFBIG rather than raising SIGXFSZ.
        const auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit Old{};
        getrlimit(RLIMIT_FSIZE, &Old);
        rlimit Lowered = Old;
        Lowered.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_FSIZE, &Lowered);
        try {
            TChartExport::WriteFile(Path, Bytes);
        } catch (const EExportError& e) {
            Message = QString::fromUtf8(e.what());
        }
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }
    EXPECT_TRUE(Message.contains(Path)) << Message.toStdString();
    EXPECT_TRUE(Message.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << Message.toStdString();
    EXPECT_FALSE(QFile::exists(Path));
}

TEST(ChartExport, BitmapCopyCarriesPngAndTheImage)
{
    TExportChart C;
    C.Paint();
    const std::unique_ptr<QMimeData> Data = TChartExport::BitmapMimeData(*C.Chart);
    ASSERT_TRUE(Data->hasImage());
    ASSERT_TRUE(Data->hasFormat(QStringLiteral("image/png")));
    const QImage Png = QImage::fromData(Data->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(Png.convertToFormat(QImage::Format_RGB32), C.Screen.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(qvariant_cast<QImage>(Data->imageData()).size(), QSize(W, H));
}

} // namespace
