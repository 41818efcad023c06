#include "CanvasTestSupport.h"

#include "chart/canvas/ChartShadow.h"

#include <vector>

namespace {

// Lengths of the runs of inked (> 127) and clear pixels along row Y, from the
// first inked pixel to the last.
std::vector<int> Runs(const QImage& Image, int Y, int X0, int X1)
{
    std::vector<int> runs;
    bool started = false;
    bool inked = false;
    for (int x = X0; x <= X1; ++x) {
        const bool now = Ink(Image, x, Y) > 127;
        if (!started) {
            if (!now)
                continue;
            started = true;
            inked = true;
            runs.push_back(0);
        } else if (now != inked) {
            inked = now;
            runs.push_back(0);
        }
        ++runs.back();
    }
    return runs;
}

using DrawingTest = CanvasTest;

TEST_F(DrawingTest, OddWidthStrokesCoverWholePixelsAtTheirCoordinate)
{
    Begin();
    Canvas.DoVertLine(10, 5, 40);   // width 1
    Canvas.DoHorizLine(30, 90, 60); // width 1
    Canvas.Pen()->SetWidth(3);
    Canvas.Line(50, 5, 50, 40);
    const QImage& image = End();
    for (int y = 8; y <= 37; ++y) {
        EXPECT_EQ(Ink(image, 9, y), 0) << y;
        EXPECT_EQ(Ink(image, 10, y), 255) << y;
        EXPECT_EQ(Ink(image, 11, y), 0) << y;
        EXPECT_EQ(Ink(image, 48, y), 0) << y;
        EXPECT_EQ(Ink(image, 49, y), 255) << y;
        EXPECT_EQ(Ink(image, 51, y), 255) << y;
        EXPECT_EQ(Ink(image, 52, y), 0) << y;
    }
    for (int x = 32; x <= 88; ++x) {
        EXPECT_EQ(Ink(image, x, 59), 0) << x;
        EXPECT_EQ(Ink(image, x, 60), 255) << x;
        EXPECT_EQ(Ink(image, x, 61), 0) << x;
    }
}

TEST_F(DrawingTest, EvenWidthStrokeCoversTheColumnBeforeAndAt)
{
    Begin();
    Canvas.Pen()->SetWidth(2);
    Canvas.DoVertLine(10, 5, 40);
    Canvas.Pen()->SetWidth(4);
    Canvas.DoVertLine(30, 5, 40);
    const QImage& image = End();
    EXPECT_EQ(Ink(image, 8, 20), 0);
    EXPECT_EQ(Ink(image, 9, 20), 255);
    EXPECT_EQ(Ink(image, 10, 20), 255);
    EXPECT_EQ(Ink(image, 11, 20), 0);
    EXPECT_EQ(Ink(image, 27, 20), 0);
    for (int x = 28; x <= 31; ++x)
        EXPECT_EQ(Ink(image, x, 20), 255) << x;
    EXPECT_EQ(Ink(image, 32, 20), 0);
}

TEST_F(DrawingTest, WidthZeroPenIsNeverSmoothed)
{
    Begin();
    ASSERT_TRUE(Canvas.AntiAlias());
    Canvas.Pen()->SetWidth(0);
    Canvas.Line(5, 5, 100, 37); // a slope that smoothing would blend
    Canvas.DoHorizLine(5, 100, 60);
    const QImage& image = End();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int ink = Ink(image, x, y);
            EXPECT_TRUE(ink == 0 || ink == 255) << x << "," << y << ": " << ink;
            inked += ink == 255;
        }
    EXPECT_GT(inked, 95 + 90);
    for (int x = 6; x < 100; ++x) {
        EXPECT_EQ(Ink(image, x, 60), 255);
        EXPECT_EQ(Ink(image, x, 59) + Ink(image, x, 61), 0);
    }
}

TEST_F(DrawingTest, WideLinesAreSmoothedUnlessAntialiasingIsOff)
{
    auto greys = [&](bool anti) {
        Canvas.SetAntiAlias(anti);
        Begin();
        Canvas.Line(5, 5, 100, 37);
        const QImage& image = End();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += Ink(image, x, y) > 0 && Ink(image, x, y) < 255;
        return count;
    };
    EXPECT_GT(greys(true), 20);
    EXPECT_EQ(greys(false), 0);
}

TEST_F(DrawingTest, DashesOfAWidthThreePenAreNineOnThreeOff)
{
    // Round and square caps: whole pixels, the first dash starting where a
    // solid line's cap starts (one pixel before x = 10).
    for (TPenEndStyle cap : {esRound, esSquare}) {
        Begin(120, 40);
        Canvas.Pen()->SetWidth(3);
        Canvas.Pen()->SetStyle(psDash);
        Canvas.Pen()->SetEndStyle(cap);
        Canvas.DoHorizLine(10, 119, 20);
        const QImage& image = End();
        EXPECT_EQ(Ink(image, 8, 20), 0) << cap;
        EXPECT_GT(Ink(image, 9, 20), 127) << cap;
        const std::vector<int> runs = Runs(image, 20, 0, 110);
        ASSERT_GE(runs.size(), 7u) << cap;
        for (size_t i = 0; i + 1 < runs.size(); ++i)
            EXPECT_EQ(runs[i], i % 2 == 0 ? 9 : 3) << "run " << i << ", cap " << cap;
    }
    // Flat caps put the dashes half a pixel off the grid (the line runs through
    // pixel centres); any 12 pixels still hold 9 pixels of dash.
    Begin(120, 40);
    Canvas.Pen()->SetWidth(3);
    Canvas.Pen()->SetStyle(psDash);
    Canvas.Pen()->SetEndStyle(esFlat);
    Canvas.DoHorizLine(10, 119, 20);
    const QImage& image = End();
    for (int start : {10, 17, 30}) {
        int ink = 0;
        bool gap = false;
        for (int x = start; x < start + 12; ++x) {
            ink += Ink(image, x, 20);
            gap = gap || Ink(image, x, 20) == 0;
        }
        EXPECT_NEAR(ink, 9 * 255, 4) << start;
        EXPECT_TRUE(gap) << start;
    }
}

// A line drawn in short pieces, each starting at the phase where the one
// before ended, has the dashes of the line drawn at once; without the phase
// every piece starts with a dash again.
TEST_F(DrawingTest, TheDashPhaseCarriesThePatternAcrossPieces)
{
    for (int width : {1, 3}) {
        Begin(120, 40);
        Canvas.Pen()->SetWidth(width);
        Canvas.Pen()->SetStyle(psDash);
        Canvas.DoHorizLine(10, 106, 10);
        for (int x = 10; x < 106; x += 2) {
            Canvas.SetDashPhase(x - 10);
            Canvas.Line(x, 30, x + 2, 30);
        }
        Canvas.SetDashPhase(0);
        const QImage& image = End();
        const std::vector<int> whole = Runs(image, 10, 0, 100);
        ASSERT_GE(whole.size(), 5u) << width;
        EXPECT_EQ(Runs(image, 30, 0, 100), whole) << width;
    }
}

TEST_F(DrawingTest, DotAndDashDotPatternsScaleWithTheWidth)
{
    Begin(120, 40);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetStyle(psDot);
    Canvas.DoHorizLine(10, 119, 10);
    Canvas.Pen()->SetWidth(2);
    Canvas.Pen()->SetStyle(psDashDotDot);
    Canvas.DoHorizLine(10, 119, 30);
    const QImage& image = End();
    EXPECT_GT(Ink(image, 10, 10), 127);
    const std::vector<int> dots = Runs(image, 10, 0, 60);
    ASSERT_GE(dots.size(), 20u);
    for (size_t i = 0; i + 1 < dots.size(); ++i)
        EXPECT_EQ(dots[i], 1) << i;
    EXPECT_GT(Ink(image, 9, 30), 127);
    const std::vector<int> dashDotDot = Runs(image, 30, 0, 100);
    const std::vector<int> expected = {6, 2, 2, 2, 2, 2, 6, 2, 2, 2, 2, 2, 6};
    ASSERT_GE(dashDotDot.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(dashDotDot[i], expected[i]) << i;
}

TEST_F(DrawingTest, RectangleFillAndOutlineFollowThePenWidth)
{
    Begin();
    // Width 1: the fill covers (10,10)-(49,29); the outline lies on columns
    // 10 and 50 and rows 10 and 30.
    Canvas.Brush()->SetColor(clRed);
    Canvas.Rectangle(10, 10, 50, 30);
    const QImage& thin = End();
    EXPECT_EQ(thin.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(thin.pixel(49, 29), qRgb(255, 0, 0));
    for (int y = 10; y <= 30; ++y) {
        EXPECT_EQ(thin.pixel(10, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(thin.pixel(50, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(thin.pixel(51, y), qRgb(255, 255, 255)) << y;
    }
    EXPECT_EQ(thin.pixel(30, 10), qRgb(0, 0, 0));
    EXPECT_EQ(thin.pixel(30, 30), qRgb(0, 0, 0));
    EXPECT_EQ(thin.pixel(30, 31), qRgb(255, 255, 255));

    // Width 4, half-transparent pen: the fill stops at (12,12)-(48,28), so the
    // pen's inner half shows white, not red, through it.
    Begin();
    Canvas.Pen()->SetWidth(4);
    Canvas.Pen()->SetColor(0x80000000); // black, transparency 128
    Canvas.Brush()->SetColor(clRed);
    Canvas.Rectangle(50, 30, 10, 10); // corners in any order
    const QImage& wide = End();
    EXPECT_EQ(wide.pixel(12, 20), qRgb(255, 0, 0));
    EXPECT_EQ(wide.pixel(47, 27), qRgb(255, 0, 0));
    for (int x : {8, 11, 48, 51}) {
        const QRgb p = wide.pixel(x, 20);
        EXPECT_EQ(qRed(p), qGreen(p)) << x; // grey: no red under the pen
        EXPECT_NEAR(qRed(p), 128, 2) << x;
    }
    EXPECT_EQ(wide.pixel(7, 20), qRgb(255, 255, 255));
    EXPECT_EQ(wide.pixel(52, 20), qRgb(255, 255, 255));
    EXPECT_EQ(wide.pixel(30, 7), qRgb(255, 255, 255));
    EXPECT_NEAR(qRed(wide.pixel(30, 8)), 128, 2);
    EXPECT_NEAR(qRed(wide.pixel(30, 31)), 128, 2);
}

TEST_F(DrawingTest, FillRectCoversExactlyItsPixelsAndAClearBrushNothing)
{
    Begin(40, 40);
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect({10, 10, 20, 20});
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.FillRect({0, 0, 40, 40});
    const QImage& image = End();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            EXPECT_EQ(image.pixel(x, y), inside ? qRgb(255, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
        }
}

TEST_F(DrawingTest, PolygonsFillByTheAlternateRule)
{
    Begin(100, 100);
    Canvas.Pen()->SetVisible(false);
    Canvas.Brush()->SetColor(clRed);
    // A five-pointed star drawn in one stroke: its inner pentagon is crossed twice.
    Canvas.Polygon({{50, 5}, {79, 95}, {2, 39}, {98, 39}, {21, 95}});
    const QImage& image = End();
    EXPECT_EQ(image.pixel(50, 55), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(12, 42), qRgb(255, 0, 0));
}

TEST_F(DrawingTest, RoundRectWithoutAntialiasingPullsInRightAndBottom)
{
    Canvas.SetAntiAlias(false);
    Begin(60, 60);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.RoundRect(10, 10, 40, 40, 6, 6);
    const QImage& image = End();
    EXPECT_EQ(InkBounds(image), QRect(QPoint(10, 10), QPoint(39, 39)));
    // Rounded: the corner pixel itself stays clear.
    EXPECT_EQ(Ink(image, 10, 10), 0);
    EXPECT_EQ(Ink(image, 10, 25), 255);
}

TEST_F(DrawingTest, ClipRectangleKeepsOneExtraRowAboveAndBelowAndStacks)
{
    Begin(100, 60);
    Canvas.Brush()->SetColor(clRed);
    Canvas.ClipRectangle({0, 10, 100, 50});
    Canvas.ClipRectangle({20, 0, 40, 60}); // nested: the intersection
    Canvas.UnClipRectangle();              // back to the outer clip
    Canvas.FillRect({0, 0, 100, 60});
    const QImage& image = End();
    for (int y = 0; y < 60; ++y) {
        const bool visible = y >= 9 && y <= 50;
        EXPECT_EQ(image.pixel(5, y), visible ? qRgb(255, 0, 0) : qRgb(255, 255, 255)) << y;
    }

    Begin(100, 60);
    Canvas.Brush()->SetColor(clRed);
    Canvas.ClipRectangle({0, 10, 100, 50});
    Canvas.UnClipRectangle();
    Canvas.UnClipRectangle(); // with an empty stack: no clipping at all
    Canvas.FillRect({0, 0, 100, 60});
    EXPECT_EQ(End().pixel(5, 0), qRgb(255, 0, 0));

    Begin(100, 60);
    Canvas.Brush()->SetColor(clRed);
    Canvas.ClipRectangle({50, 50, 10, 10}); // inside out: nothing is visible
    Canvas.FillRect({0, 0, 100, 60});
    Canvas.UnClipRectangle();
    EXPECT_TRUE(InkBounds(End(), 0).isNull());
}

TEST_F(DrawingTest, ClipPolygonCanExcludeItsInside)
{
    Begin(60, 60);
    Canvas.Brush()->SetColor(clRed);
    Canvas.ClipPolygon({{10, 10}, {50, 10}, {50, 50}, {10, 50}}, true);
    Canvas.FillRect({0, 0, 60, 60});
    Canvas.UnClipRectangle();
    const QImage& image = End();
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));
}

TEST_F(DrawingTest, PenChangesAndBlendingReachTheNextStroke)
{
    Begin(60, 40);
    Canvas.Pen()->SetColor(clRed);
    Canvas.DoVertLine(10, 0, 39);
    Canvas.Pen()->SetColor(RGBColor(0, 0, 255));
    Canvas.DoVertLine(20, 0, 39);
    Canvas.BeginBlending({}, 50);
    Canvas.DoVertLine(30, 0, 39);
    Canvas.EndBlending();
    Canvas.DoVertLine(40, 0, 39);
    Canvas.Pen()->SetStyle(psClear);
    Canvas.DoVertLine(50, 0, 39);
    const QImage& image = End();
    EXPECT_EQ(image.pixel(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_NEAR(qRed(image.pixel(30, 20)), 127, 2); // blue at alpha 128 over white
    EXPECT_EQ(qBlue(image.pixel(30, 20)), 255);
    EXPECT_EQ(image.pixel(40, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(50, 20), qRgb(255, 255, 255));
}

TEST_F(DrawingTest, SoftShadowRisesFromTheOutlineInward)
{
    Begin(200, 100);
    TChartShadow shadow;
    shadow.SetColor(clBlack);
    // A 200 px wide shape: full colour from 10 px inside the outline on.
    Canvas.ShadowRect({0, 0, 200, 100}, shadow, 0);
    const QImage& image = End();
    const int y = 50;
    int previous = -1;
    for (int x = 0; x <= 10; ++x) {
        EXPECT_GE(Ink(image, x, y), previous) << x;
        previous = Ink(image, x, y);
    }
    EXPECT_LE(Ink(image, 0, y), 20);
    EXPECT_GT(Ink(image, 5, y), 30);
    EXPECT_LT(Ink(image, 5, y), 200);
    EXPECT_GE(Ink(image, 10, y), 250);
    EXPECT_EQ(Ink(image, 100, y), 255);
    EXPECT_EQ(Ink(image, 180, y), 255);
    EXPECT_LE(Ink(image, 199, y), 20);
    EXPECT_LE(Ink(image, 100, 0), 40); // 5 px reach vertically: the edge row is faint
}

TEST_F(DrawingTest, ShadowIsSolidWhenNotSmoothAndOpaqueOutsidePixels)
{
    TChartShadow shadow;
    shadow.SetColor(clBlack);
    shadow.SetSmooth(false);
    Begin(100, 60);
    Canvas.BeginBlending({}, 50);
    Canvas.ShadowRect({10, 10, 90, 50}, shadow, 0);
    Canvas.EndBlending();
    const QImage& solid = End();
    EXPECT_NEAR(Ink(solid, 12, 30), 128, 1);
    EXPECT_NEAR(Ink(solid, 50, 30), 128, 1);
    EXPECT_EQ(Ink(solid, 9, 30), 0);
    EXPECT_LT(Ink(solid, 10, 10), 100); // the 4 x 4 rounded corner

    shadow.SetSmooth(true);
    for (const TRenderOutput Output : {roMetafile, roVectorExport}) {
        Canvas.SetRenderContext(TRenderContext::For(Output, ClassicSystemPalette()));
        Begin(100, 60);
        Canvas.BeginBlending({}, 50);
        Canvas.ShadowRect({10, 10, 90, 50}, shadow, 0);
        Canvas.EndBlending();
        const QImage& vector = End();
        EXPECT_EQ(Ink(vector, 10, 30), 255);
        EXPECT_EQ(Ink(vector, 50, 30), 255);
    }
    // A raster export keeps the soft shadow of the screen.
    Canvas.SetRenderContext(TRenderContext::For(roRasterExport, ClassicSystemPalette()));
    Begin(100, 60);
    Canvas.BeginBlending({}, 50);
    Canvas.ShadowRect({10, 10, 90, 50}, shadow, 0);
    Canvas.EndBlending();
    EXPECT_LT(Ink(End(), 50, 30), 200);
    Canvas.SetRenderContext({});
}

TEST_F(DrawingTest, ShadowPolygonFadesTowardItsOutline)
{
    Begin(120, 120);
    TChartShadow shadow;
    shadow.SetColor(clBlack);
    Canvas.ShadowPolygon({{60, 0}, {120, 60}, {60, 120}, {0, 60}}, shadow);
    const QImage& image = End();
    EXPECT_EQ(Ink(image, 60, 60), 255);
    EXPECT_LT(Ink(image, 3, 60), 64);
    EXPECT_GT(Ink(image, 10, 60), Ink(image, 3, 60));
}

TEST_F(DrawingTest, DrawingOutsideAFrameIsHarmless)
{
    Canvas.Line(0, 0, 10, 10);
    Canvas.Rectangle(0, 0, 10, 10);
    Canvas.TextOut(0, 0, QStringLiteral("x"));
    Canvas.ClipRectangle({0, 0, 5, 5});
    Canvas.UnClipRectangle();
    EXPECT_GT(Canvas.TextWidth(QStringLiteral("x")), 0);
    EXPECT_TRUE(Canvas.Buffer().isNull());
}

} // namespace
