#include "InkProbe.h"

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SeriesPointer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor kBlue = RGBColor(0, 0, 255);
constexpr QRgb kBlueArgb = 0xFF0000FFu;
constexpr QRgb kBlackArgb = 0xFF000000u;

// One marker of a fresh pointer at (20, 20) of a 40 × 40 frame.
class PointerDrawTest : public testing::Test {
protected:
    TSeriesPointer Pointer{nullptr};
    TBufferedFrame Frame;

    QImage Marker(TSeriesPointerStyle Style, int Size, int px = 20, int py = 20)
    {
        Pointer.SetSize(Size);
        Frame.Begin(40, 40);
        Pointer.PrepareCanvas(&Frame.Canvas, kBlue);
        Pointer.DrawPointer(&Frame.Canvas, false, px, py, Pointer.HorizSize(), Pointer.VertSize(), kBlue, Style);
        return Frame.End();
    }
};

TEST(SeriesPointerSettings, SizeIsTheLargerHalfSizeAndNeverBelowOne)
{
    TSeriesPointer Pointer(nullptr);
    EXPECT_EQ(Pointer.Size(), 4);
    Pointer.SetSize(0);
    EXPECT_EQ(Pointer.HorizSize(), 1);
    EXPECT_EQ(Pointer.VertSize(), 1);
    Pointer.SetHorizSize(-7);
    EXPECT_EQ(Pointer.HorizSize(), 1);
    Pointer.SetHorizSize(3);
    Pointer.SetVertSize(5);
    EXPECT_EQ(Pointer.Size(), 5);
}

TEST_F(PointerDrawTest, RectangleCoversTwiceItsSizePlusOne)
{
    for (int Size : {1, 2}) {
        SCOPED_TRACE(Size);
        Pointer.Pen()->SetVisible(false);
        QImage Image = Marker(psRectangle, Size);
        const QRect Box(20 - Size, 20 - Size, 2 * Size + 1, 2 * Size + 1);
        EXPECT_EQ(InkBox(Image), Box);
        for (int y = Box.top(); y <= Box.bottom(); ++y)
            for (int x = Box.left(); x <= Box.right(); ++x)
                EXPECT_EQ(Image.pixel(x, y), kBlueArgb) << x << "," << y;

        // The outline runs on the box's edges: its left and top pixels, and
        // just past its right and bottom ones.
        Pointer.Pen()->SetVisible(true);
        Image = Marker(psRectangle, Size);
        EXPECT_EQ(InkBox(Image), Box.adjusted(0, 0, 1, 1));
        EXPECT_EQ(Image.pixel(Box.left(), 20), kBlackArgb);
        EXPECT_EQ(Image.pixel(Box.right() + 1, 20), kBlackArgb);
        EXPECT_EQ(Image.pixel(20, Box.top()), kBlackArgb);
        EXPECT_EQ(Image.pixel(20, Box.bottom() + 1), kBlackArgb);
        EXPECT_EQ(Image.pixel(20, 20), kBlueArgb);
    }
}

TEST_F(PointerDrawTest, CircleIsInscribedInABoxOfTwiceItsSize)
{
    for (int Size : {1, 2, 5}) {
        SCOPED_TRACE(Size);
        // The fill is the ellipse in the box (L, T, R, B); the one-pixel
        // outline runs through the pixels of that box's edges.
        Pointer.Pen()->SetVisible(false);
        EXPECT_EQ(InkBox(Marker(psCircle, Size)), QRect(20 - Size, 20 - Size, 2 * Size, 2 * Size));
        Pointer.Pen()->SetVisible(true);
        const QImage Image = Marker(psCircle, Size);
        EXPECT_EQ(InkBox(Image), QRect(20 - Size, 20 - Size, 2 * Size + 1, 2 * Size + 1));
        EXPECT_LT(qRed(Image.pixel(20 - Size, 20)), 64); // outline at the left edge's middle
    }
}

TEST_F(PointerDrawTest, TrianglePointsUp)
{
    for (int Size : {1, 2, 6}) {
        SCOPED_TRACE(Size);
        const QImage Image = Marker(psTriangle, Size);
        const QRect Box(20 - Size, 20 - Size, 2 * Size + 1, 2 * Size + 1);
        EXPECT_EQ(InkBox(Image), Box);
        // The base is the bottom row, the apex the top one.
        EXPECT_EQ(InkInRow(Image, Box.bottom()), Box.width());
        EXPECT_LE(InkInRow(Image, Box.top()), 2);
        EXPECT_LT(qRed(Image.pixel(Box.left(), Box.bottom())), 128);
        if (Size > 1) {
            EXPECT_EQ(Image.pixel(Box.left(), Box.top()), 0xFFFFFFFFu);
        }
    }
}

TEST_F(PointerDrawTest, DiamondTouchesTheMiddleOfEachSide)
{
    for (int Size : {1, 2, 6}) {
        SCOPED_TRACE(Size);
        const QImage Image = Marker(psDiamond, Size);
        const QRect Box(20 - Size, 20 - Size, 2 * Size + 1, 2 * Size + 1);
        EXPECT_EQ(InkBox(Image), Box);
        EXPECT_LT(qRed(Image.pixel(Box.left(), 20)), 128);
        EXPECT_LT(qRed(Image.pixel(Box.right(), 20)), 192);
        EXPECT_LT(qRed(Image.pixel(20, Box.top())), 128);
        if (Size > 1) {
            EXPECT_EQ(Image.pixel(Box.left(), Box.top()), 0xFFFFFFFFu);
            EXPECT_EQ(Image.pixel(Box.right(), Box.bottom()), 0xFFFFFFFFu);
        }
    }
}

TEST_F(PointerDrawTest, EveryStyleStaysNearItsPointAndNothingDrawsNothing)
{
    for (int Style = psRectangle; Style <= psArrow; ++Style) {
        for (int Size : {1, 3, 9}) {
            SCOPED_TRACE(testing::Message() << Style << " " << Size);
            const QRect Ink = InkBox(Marker(TSeriesPointerStyle(Style), Size));
            if (Style == psNothing) {
                EXPECT_TRUE(Ink.isNull());
                continue;
            }
            EXPECT_FALSE(Ink.isNull());
            EXPECT_TRUE(QRect(20 - Size - 2, 20 - Size - 2, 2 * Size + 5, 2 * Size + 5).contains(Ink));
        }
    }
}

TEST_F(PointerDrawTest, TransparencyLetsTheGroundThrough)
{
    Pointer.Pen()->SetVisible(false);
    Pointer.SetTransparency(50);
    const QImage Image = Marker(psRectangle, 3);
    // Blue at alpha 128 over white.
    EXPECT_NEAR(qRed(Image.pixel(20, 20)), 127, 1);
    EXPECT_EQ(qBlue(Image.pixel(20, 20)), 255);
    Frame.Begin(10, 10);
    EXPECT_EQ(Frame.Canvas.Transparency(), 255);
}

// The pointer of a line series on the program's chart, drawn through the
// series as the line drawing does.
class PaintPointerTest : public testing::Test {
protected:
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    TAntialiasCanvas* Canvas = nullptr;
    TLineSeries* Series = nullptr;

    void SetUp() override
    {
        auto Owned = std::make_unique<TAntialiasCanvas>();
        Canvas = Owned.get();
        Chart->SetCanvas(std::move(Owned));
        Series = new TLineSeries(Chart.get());
        Chart->AddSeries(Series);
        Series->SetSeriesColor(kBlue);
        Series->Pointer()->SetVisible(true);
        Series->Pointer()->SetStyle(psRectangle);
        Series->Pointer()->SetSize(3);
    }
    QImage Paint(int ValueIndex = 0)
    {
        Canvas->InitWindow(nullptr, {0, 0, 40, 40}, false, clWhite);
        Canvas->Pen()->SetVisible(false);
        Canvas->Brush()->SetColor(clWhite);
        Canvas->FillRect({0, 0, 40, 40});
        Series->PaintPointer(20, 20, Series->SeriesColor(), ValueIndex);
        Canvas->ShowImage(nullptr, {0, 0, 40, 40});
        return Canvas->Buffer().copy();
    }
};

TEST_F(PaintPointerTest, MarkerTakesThePointColourWithABlackOutline)
{
    const QImage Image = Paint();
    EXPECT_EQ(Image.pixel(20, 20), kBlueArgb);
    EXPECT_EQ(Image.pixel(17, 20), kBlackArgb);
}

TEST_F(PaintPointerTest, OwnBrushColourAndHiddenPen)
{
    Series->Pointer()->SetColor(clRed);
    EXPECT_EQ(Paint().pixel(20, 20), 0xFFFF0000u);
    Series->Pointer()->SetColor(clDefault);
    Series->Pointer()->Pen()->SetVisible(false);
    const QImage Image = Paint();
    EXPECT_EQ(InkBox(Image), QRect(17, 17, 7, 7));
    EXPECT_EQ(Image.pixel(17, 17), kBlueArgb);
}

TEST_F(PaintPointerTest, StyleHandlerAndVisibilityDecideWhatIsDrawn)
{
    Series->OnGetPointerStyle = [](TCustomSeries*, int ValueIndex) {
        return ValueIndex == 1 ? psNothing : psRectangle;
    };
    EXPECT_FALSE(InkBox(Paint(0)).isNull());
    EXPECT_TRUE(InkBox(Paint(1)).isNull());
    Series->Pointer()->SetVisible(false);
    EXPECT_TRUE(InkBox(Paint(0)).isNull());
}

// A series whose point 1 is under the mouse.
class HoveredSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    TChartPen Hover;

protected:
    const TChartPen* PointerHoverPen(int ValueIndex) const override
    {
        return ValueIndex == 1 ? &Hover : nullptr;
    }
};

TEST_F(PaintPointerTest, MarkerUnderTheMouseTakesTheHoverPen)
{
    auto* Hovered = new HoveredSeries(Chart.get());
    Chart->AddSeries(Hovered);
    Hovered->Hover.SetColor(clRed);
    Hovered->Hover.SetWidth(3);
    Hovered->SetSeriesColor(kBlue);
    Hovered->Pointer()->SetVisible(true);
    Hovered->Pointer()->SetStyle(psRectangle);
    Hovered->Pointer()->SetSize(3);
    Series = Hovered;
    EXPECT_EQ(Paint(0).pixel(17, 20), kBlackArgb);
    const QImage Image = Paint(1);
    EXPECT_EQ(Image.pixel(17, 20), 0xFFFF0000u);
    // Width 3 around the box (17, 17)-(24, 24).
    EXPECT_EQ(InkBox(Image), QRect(16, 16, 10, 10));
}

} // namespace
