#include "ChartTestFixture.h"
#include "EmfBuilder.h"
#include "WmfBuilder.h"
#include "chart/panel/BackImage.h"
#include "chart/panel/PictureError.h"
#include "chart/canvas/ImageGraphic.h"
#include "chart/canvas/SvgGraphic.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::unique_ptr<TGraphic> SolidPicture(QColor Color, int Size = 8)
{
    QImage Image(Size, Size, QImage::Format_ARGB32);
    Image.fill(Color);
    return std::make_unique<TImageGraphic>(Image);
}

TEST(ChartWall, BackWallFramesThePlotArea)
{
    TRecordedChart Chart;
    Chart.Frame();
    const TRect CR = Chart.Layout().ChartRectFinal;
    const auto Rects = Chart.Canvas->Of("Rectangle");
    ASSERT_EQ(Rects.size(), 2u); // panel, wall
    const auto& Wall = Rects[1];
    EXPECT_EQ(Wall.R, TRect({CR.Left, CR.Top, CR.Right + 1, CR.Bottom + 1}));
    EXPECT_EQ(Wall.BrushStyle, bsClear);
    EXPECT_EQ(Wall.PenColor, clBlack);
    EXPECT_EQ(Wall.PenWidth, 1);
    EXPECT_EQ(Wall.PenStyle, psSolid);
    // The stored wall shadow and emboss stay invisible.
    EXPECT_EQ(Chart.Canvas->Of("ShadowRect").size(), 0u);

    // A wall colour fills the plot area.
    Chart->BackWall()->SetColor(0x336699);
    Chart->BackWall()->SetTransparent(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("Rectangle")[1].BrushStyle, bsSolid);
    EXPECT_EQ(Chart.Canvas->Of("Rectangle")[1].BrushColor, 0x336699u);

    // Blended as a whole, and with its shadow when that is shown.
    Chart->BackWall()->SetTransparency(50);
    Chart->BackWall()->Shadow()->SetVisible(true);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("Rectangle")[1].Alpha, 128);
    const auto Shadows = Chart.Canvas->Of("ShadowRect");
    ASSERT_EQ(Shadows.size(), 1u);
    EXPECT_EQ(Shadows[0].R.Left, CR.Left + 14);
    EXPECT_EQ(Shadows[0].Alpha, 77); // 40 % inside the wall's 50 %
    EXPECT_EQ(Chart.Canvas->Transparency(), 255);
}

TEST(ChartWall, PartialHeightAndHiddenWall)
{
    TRecordedChart Chart;
    Chart->BackWall()->SetStartPosition(10);
    Chart->BackWall()->SetEndPosition(90);
    Chart.Frame();
    const TRect CR = Chart.Layout().ChartRectFinal;
    const int Plot = CR.Height();
    const TRect Wall = Chart.Canvas->Of("Rectangle")[1].R;
    EXPECT_EQ(Wall.Top, CR.Top + int(std::lround(Plot * 0.1)));
    EXPECT_EQ(Wall.Bottom, CR.Bottom - int(std::lround(Plot * 0.1)));
    EXPECT_EQ(Wall.Right, CR.Right + 1);

    Chart->BackWall()->SetVisible(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("Rectangle").size(), 1u);
    Chart->BackWall()->SetVisible(true);
    Chart->SetView3DWalls(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("Rectangle").size(), 1u);
}

TEST(ChartWall, PictureStretchedOverChartRect)
{
    TRecordedChart Chart;
    TBackImage* Picture = Chart->BackWall()->Picture();
    EXPECT_FALSE(Picture->Valid());
    Picture->SetGraphic(SolidPicture(Qt::red));
    Chart.Frame();
    const TRect CR = Chart.Layout().ChartRectFinal;
    auto Draws = Chart.Canvas->Of("StretchDraw");
    ASSERT_EQ(Draws.size(), 1u);
    EXPECT_EQ(Draws[0].R, CR);
    EXPECT_EQ(Draws[0].Extra, int(sqHigh));
    const int Wall = Chart.Canvas->IndexOf("Rectangle", Chart.Canvas->IndexOf("Rectangle") + 1);
    EXPECT_GT(Chart.Canvas->IndexOf("StretchDraw"), Wall);

    Picture->SetDrawQuality(sqLow);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("StretchDraw")[0].Extra, int(sqLow));
    EXPECT_EQ(Chart.Canvas->StretchQuality(), sqHigh);

    // Clearing it (as choosing a wall colour does) repaints and draws nothing.
    const int Before = Chart->InvalidateCount();
    Picture->Clear();
    EXPECT_EQ(Chart->InvalidateCount(), Before + 1);
    Picture->SetGraphic(std::make_unique<TImageGraphic>(QImage()));
    EXPECT_FALSE(Picture->Valid());
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("StretchDraw").size(), 0u);
}

class PictureLoading : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TChart Chart;
    TBackImage* Picture = Chart.BackWall()->Picture();

    QString Path(const QString& Name) const { return Dir.filePath(Name); }
    QString Write(const QString& Name, const QByteArray& Bytes) const
    {
        QFile File(Path(Name));
        EXPECT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(Bytes);
        return Path(Name);
    }
    QString SaveImage(const QString& Name, const char* Format) const
    {
        SCOPED_TRACE(Name.toStdString());
        QImage Image(6, 4, QImage::Format_RGB32);
        Image.fill(Qt::blue);
        EXPECT_TRUE(Image.save(Path(Name), Format));
        return Path(Name);
    }
    // Loads a picture that must fail, and returns the message.
    QString Fails(const QString& FileName)
    {
        const TGraphic* Before = Picture->Graphic();
        try {
            Picture->LoadFromFile(FileName);
        } catch (const EPictureError& e) {
            EXPECT_EQ(Picture->Graphic(), Before) << "the previous picture stays";
            return e.Message();
        }
        ADD_FAILURE() << "loaded " << FileName.toStdString();
        return {};
    }
};

TEST_F(PictureLoading, PublishedAndOfferedFormatsLoad)
{
    Picture->LoadFromFile(SaveImage("a.png", "PNG"));
    ASSERT_TRUE(Picture->Valid());
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(6, 4));
    EXPECT_EQ(Picture->Graphic()->Kind(), TGraphic::gkOther);

    Picture->LoadFromFile(SaveImage("b.BMP", "BMP"));
    EXPECT_EQ(Picture->Graphic()->Kind(), TGraphic::gkBitmap);
    Picture->LoadFromFile(SaveImage("c.jpg", "JPEG"));
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(6, 4));
    if (QImageReader::supportedImageFormats().contains("tiff")) {
        Picture->LoadFromFile(SaveImage("d.tif", "TIFF"));
        EXPECT_TRUE(Picture->Valid());
    }

    // A red 2 × 2 GIF.
    const QByteArray Gif = QByteArray::fromHex("47494638396102000200800000000000ff00002c00000000020002000002034c9814003b");
    Picture->LoadFromFile(Write("e.gif", Gif));
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(2, 2));
    if (QImageReader::supportedImageFormats().contains("webp")) {
        Picture->LoadFromFile(SaveImage("g.webp", "WEBP"));
        EXPECT_TRUE(Picture->Valid());
    }

    Picture->LoadFromFile(Write("f.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='20'>"
                                         "<rect width='30' height='20' fill='red'/></svg>"));
    ASSERT_TRUE(Picture->Valid());
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(30, 20));
}

TEST_F(PictureLoading, MetafilesLoadAndDraw)
{
    using namespace MetafileBytes;
    Picture->LoadFromFile(Write("a.EMF", TEmfBuilder().Brush(1, qRgb(255, 0, 0)).Select(1).Rect(0, 0, 40, 20).Build(40, 20)));
    ASSERT_TRUE(Picture->Valid());
    EXPECT_EQ(Picture->Graphic()->Kind(), TGraphic::gkMetafile);
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(40, 20));

    TWmfBuilder Wmf;
    Wmf.Brush(qRgb(255, 0, 0)).Select(0).Rect(0, 0, 1440, 1440);
    Picture->LoadFromFile(Write("b.wmf", Wmf.Build(true, 0, 0, 1440, 1440)));
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(96, 96));
    QImage Image(10, 10, QImage::Format_RGB32);
    Image.fill(Qt::white);
    QPainter Painter(&Image);
    Picture->Graphic()->Draw(Painter, QRectF(0, 0, 10, 10), true);
    Painter.end();
    EXPECT_EQ(Image.pixel(5, 5), qRgb(255, 0, 0));
}

TEST_F(PictureLoading, FailuresKeepThePreviousPicture)
{
    Picture->LoadFromFile(SaveImage("keep.png", "PNG"));
    ASSERT_TRUE(Picture->Valid());

    // Unknown extensions fail before the file is even looked at.
    EXPECT_EQ(Fails(Path("missing.foo")), QStringLiteral("画像のファイル拡張子 (.foo) が不明です"));
    EXPECT_EQ(Fails(Write("x.FOO", "data")), QStringLiteral("画像のファイル拡張子 (.foo) が不明です"));
    EXPECT_EQ(Fails(Write("noext", "data")), QStringLiteral("画像のファイル拡張子 (.) が不明です"));

    // Damaged files raise the decoder's message.
    const QString Damaged = Write("bad.png", "\x89PNG\r\n\x1a\nthis is no png");
    QImageReader Reader(Damaged);
    (void)Reader.read();
    EXPECT_TRUE(Fails(Damaged).contains(Reader.errorString()));
    EXPECT_FALSE(Fails(Write("bad.svg", "<svg")).isEmpty());
    EXPECT_FALSE(Fails(Path("absent.png")).isEmpty());

    // Damaged metafiles name the file and the reason.
    const QString BadEmf = Write("m.emf", "data");
    EXPECT_TRUE(Fails(BadEmf).contains(BadEmf));
    const QString CutEmf = Write("cut.emf", MetafileBytes::TEmfBuilder().Rect(0, 0, 5, 5).Build().chopped(6));
    const QString Message = Fails(CutEmf);
    EXPECT_TRUE(Message.contains(CutEmf) && Message.contains(QStringLiteral("EMF"))) << Message.toStdString();
    EXPECT_TRUE(Fails(Write("m.wmf", QByteArray(40, '\x01'))).contains(QStringLiteral("m.wmf")));
    EXPECT_EQ(Picture->Graphic()->Size(), QSize(6, 4));
}

// Each failure names the file and says what is wrong with it.
TEST_F(PictureLoading, FailuresNameTheFileAndTheTrouble)
{
    const QString Folder = Path(QStringLiteral("folder.png"));
    ASSERT_TRUE(QDir().mkdir(Folder));
    const QString Absent = Path(QStringLiteral("absent.svg"));
    const QString Locked = SaveImage(QStringLiteral("locked.png"), "PNG");
    QFile::setPermissions(Locked, QFileDevice::WriteOwner);
    const bool CanStillRead = QFile(Locked).open(QIODevice::ReadOnly); // as root
    const QString Text = Write(QStringLiteral("text.png"), "x,y\\n1,2\\n");
    const QString TextSvg = Write(QStringLiteral("text.svg"), "x,y\\n1,2\\n");
    const QString Emf = Write(QStringLiteral("text.emf"), "x,y\\n1,2\\n");

    const struct {
        QString File;
        QString Says;
    } Cases[] = {
        {Folder, QStringLiteral("フォルダーです")},
        {Absent, QStringLiteral("読み込めません")},
        {Locked, QStringLiteral("読み込めません")},
        {Text, QStringLiteral("画像ではありません")},
        {TextSvg, QStringLiteral("画像ではありません")},
        {Emf, QStringLiteral("画像ではありません")},
    };
    for (const auto& Case : Cases) {
        if (Case.File == Locked && CanStillRead)
            continue;
        const QString Message = Fails(Case.File);
        EXPECT_TRUE(Message.contains(Case.File) && Message.contains(Case.Says)) << Message.toStdString();
    }
}

} // namespace
