#include "chart/panel/Chart.h"
#include "chart/panel/ChartHost.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/panel/BackImage.h"
#include "chart/canvas/ImageGraphic.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

// Real frames on the antialiased surface, checked by probing pixels.
namespace {

QRgb Rgb(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

struct TRenderedChart {
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    QImage Image{781, 590, QImage::Format_ARGB32_Premultiplied};

    TRenderedChart()
    {
        Image.fill(Qt::magenta);
        // Panel and wall pixels without the axes drawn over them.
        Chart->SetAxisVisible(false);
    }
    TChart* operator->() const { return Chart.get(); }
    void Frame() { Chart->Draw(&Image, {0, 0, Image.width(), Image.height()}); }
    QRgb At(int x, int y) const { return (Image.pixel(x, y) & 0xFFFFFFu) | 0xFF000000u; }
    const TRect& CR() const { return Chart->LastLayout().ChartRectFinal; }
};

TEST(ChartFrame, DefaultWallFrameOnPanelColour)
{
    TRenderedChart C;
    C.Frame();
    const QRgb Panel = Rgb(C->ResolveColor(clBtnFace));
    const QRgb Black = qRgb(0, 0, 0);
    const TRect R = C.CR();
    const int MidY = (R.Top + R.Bottom) / 2;
    const int MidX = (R.Left + R.Right) / 2;
    EXPECT_EQ(C.At(R.Left, MidY), Black);
    EXPECT_EQ(C.At(R.Right + 1, MidY), Black);
    EXPECT_EQ(C.At(MidX, R.Top), Black);
    EXPECT_EQ(C.At(MidX, R.Bottom + 1), Black);
    EXPECT_EQ(C.At(R.Left - 1, MidY), Panel);
    EXPECT_EQ(C.At(R.Left + 1, MidY), Panel);
    EXPECT_EQ(C.At(R.Right, MidY), Panel);
    EXPECT_EQ(C.At(R.Right + 2, MidY), Panel);
    EXPECT_EQ(C.At(0, 0), Panel);
    EXPECT_EQ(C.At(780, 589), Panel);

    // The title: dark pixels inside its bounds.
    const TRect T = C->LastLayout().TitleBounds;
    ASSERT_TRUE(C->LastLayout().TitleDrawn);
    int Dark = 0;
    for (int y = T.Top; y < T.Bottom; ++y)
        for (int x = T.Left; x < T.Right; ++x)
            Dark += qGray(C.At(x, y)) < 100;
    EXPECT_GT(Dark, 10);
}

TEST(ChartFrame, OpaqueWallAndPicture)
{
    TRenderedChart C;
    C->BackWall()->SetColor(0x20A040);
    C->BackWall()->SetTransparent(false);
    C.Frame();
    const TRect R = C.CR();
    const int MidY = (R.Top + R.Bottom) / 2;
    EXPECT_EQ(C.At(R.Left + 1, MidY), Rgb(0x20A040));
    EXPECT_EQ(C.At(R.Right, MidY), Rgb(0x20A040));
    EXPECT_EQ(C.At(R.Left, MidY), qRgb(0, 0, 0));
    EXPECT_EQ(C.At(R.Right + 1, MidY), qRgb(0, 0, 0));

    // The picture covers exactly ChartRect, frame's left and top edges included.
    QImage Red(5, 3, QImage::Format_RGB32);
    Red.fill(Qt::red);
    C->BackWall()->Picture()->SetGraphic(std::make_unique<TImageGraphic>(Red, TGraphic::gkBitmap));
    C.Frame();
    const QRgb RedPx = qRgb(255, 0, 0);
    EXPECT_EQ(C.At(R.Left, MidY), RedPx);
    EXPECT_EQ(C.At(R.Right - 1, MidY), RedPx);
    EXPECT_EQ(C.At((R.Left + R.Right) / 2, R.Top), RedPx);
    EXPECT_EQ(C.At((R.Left + R.Right) / 2, R.Bottom - 1), RedPx);
    EXPECT_EQ(C.At(R.Right, MidY), Rgb(0x20A040));
    EXPECT_EQ(C.At((R.Left + R.Right) / 2, R.Bottom), Rgb(0x20A040));
    EXPECT_EQ(C.At(R.Right + 1, MidY), qRgb(0, 0, 0));
}

TEST(ChartFrame, BorderAndShadow)
{
    TRenderedChart C;
    C->Border()->SetVisible(true);
    C.Frame();
    const QRgb Black = qRgb(0, 0, 0);
    EXPECT_EQ(C.At(0, 300), Black);
    EXPECT_EQ(C.At(780, 300), Black);
    EXPECT_EQ(C.At(400, 0), Black);
    EXPECT_EQ(C.At(400, 589), Black);
    EXPECT_EQ(C.At(1, 300), Rgb(C->ResolveColor(clBtnFace)));

    // A soft shadow right and below a smaller panel, on the window's colour.
    C->Border()->SetVisible(false);
    C->SetColor(0xFFFFFF);
    C->Shadow()->SetVisible(true);
    C.Frame();
    const QRgb Face = Rgb(C->ResolveColor(clBtnFace));
    EXPECT_EQ(C.At(300, 300), qRgb(255, 255, 255));
    EXPECT_EQ(C.At(775, 5), Face);   // above the shadow
    EXPECT_EQ(C.At(5, 585), Face);   // left of it
    int Darkest = 255; // in the band, fading towards its outer edge
    for (int x = 767; x < 780; ++x)
        Darkest = std::min(Darkest, qGray(C.At(x, 300)));
    EXPECT_LT(Darkest, qGray(Face));
    EXPECT_EQ(C.At(780, 300), Face);
    EXPECT_EQ(C.CR(), TRect({23, 23 + C->Canvas()->TextHeight(QStringLiteral("W")) + 5, 744, 553}));
}

TEST(ChartFrame, PaintCopiesAnUnchangedFrame)
{
    struct THost : TChartHost {
        int Requests = 0;
        void RequestRepaint() override { ++Requests; }
    } Host;
    TRenderedChart C;
    C->SetHost(&Host);
    const TRect Client{0, 0, 781, 590};
    C->Paint(&C.Image, Client);
    const QImage First = C.Image.copy();
    C.Image.fill(Qt::magenta);
    C->Paint(&C.Image, Client);
    EXPECT_EQ(C->FrameCount(), 1);
    EXPECT_EQ(C.Image, First);

    C->SetColor(0x0000FF);
    C->SetColor(0x00FF00);
    EXPECT_EQ(Host.Requests, 1);
    C->Paint(&C.Image, Client);
    EXPECT_EQ(C->FrameCount(), 2);
    EXPECT_EQ(C.At(5, 5), qRgb(0, 255, 0));
}

} // namespace
