#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/panel/ChartLegend.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SeriesPointer.h"
#include "chart/canvas/AntialiasCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

// Line series drawn into real frames of the program's chart: the pixels of
// the plot area, the canvas calls the series makes, and the numbers the
// engine exposes after a frame.
namespace {

constexpr TColor kBlue = RGBColor(0, 0, 255);
constexpr TColor kGreen = RGBColor(0, 200, 0);
constexpr TColor kHoverColor = 0x800000FF; // red, half transparent

bool Bluish(QRgb Pixel) { return qBlue(Pixel) > 150 && qRed(Pixel) < 110 && qGreen(Pixel) < 110; }
bool Greenish(QRgb Pixel) { return qGreen(Pixel) > 150 && qRed(Pixel) < 80 && qBlue(Pixel) < 80; }
bool Reddish(QRgb Pixel) { return qRed(Pixel) > 200 && qGreen(Pixel) < 180 && qBlue(Pixel) < 180 && qRed(Pixel) - qBlue(Pixel) > 60; }
bool Dark(QRgb Pixel) { return qRed(Pixel) < 90 && qGreen(Pixel) < 90 && qBlue(Pixel) < 90; }

// The antialiased surface, noting the segments and markers a series draws
// while tracing is on.
class TTraceCanvas : public TAntialiasCanvas {
public:
    struct TOp {
        bool IsLine;
        int X0, Y0, X1, Y1; // a marker: its centre in (X0, Y0)
        TColor PenColor;
        int PenWidth;
        TPenStyle PenStyle;
    };
    bool Tracing = false;
    std::vector<TOp> Ops;

    void Line(int X0, int Y0, int X1, int Y1) override
    {
        if (Tracing)
            Ops.push_back({true, X0, Y0, X1, Y1, Pen()->Color(), Pen()->Width(), Pen()->Style()});
        TAntialiasCanvas::Line(X0, Y0, X1, Y1);
    }
    // Markers are stamps of shape 'P'; the short segments of dense series
    // are stamps too, which these frames never have.
    void DrawStamp(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint) override
    {
        const bool Marker = Tracing && (Shape >> 56) == 'P';
        if (Marker)
            Ops.push_back({false, X, Y, X, Y, Pen()->Color(), Pen()->Width(), Pen()->Style()});
        const bool Old = Tracing;
        Tracing = false;
        TAntialiasCanvas::DrawStamp(X, Y, Shape, Reach, Paint);
        Tracing = Old;
    }
    std::vector<TOp> Lines() const { return Filter(true); }
    std::vector<TOp> Markers() const { return Filter(false); }

private:
    std::vector<TOp> Filter(bool IsLine) const
    {
        std::vector<TOp> Result;
        for (const TOp& Op : Ops)
            if (Op.IsLine == IsLine)
                Result.push_back(Op);
        return Result;
    }
};

// The program's chart, tracing while it draws series values.
class TTracedChart : public TChart {
public:
    TTraceCanvas* Trace = nullptr;

protected:
    void DrawSeriesValues(TChartSeries* Series) override
    {
        Trace->Tracing = true;
        TChart::DrawSeriesValues(Series);
        Trace->Tracing = false;
    }
};

class LineSeriesDrawTest : public testing::Test {
protected:
    std::unique_ptr<TTracedChart> Chart = std::make_unique<TTracedChart>();
    QImage Image{781, 590, QImage::Format_ARGB32_Premultiplied};
    TTraceCanvas* Trace = nullptr;
    TLineSeries* Series = nullptr;

    void SetUp() override
    {
        ConfigurePlotvaneChart(*Chart);
        auto Canvas = std::make_unique<TTraceCanvas>();
        Trace = Canvas.get();
        Chart->Trace = Trace;
        Chart->SetCanvas(std::move(Canvas));
        // Grid lines would cross the probed pixels.
        for (TChartAxis* Axis : Chart->Axes())
            Axis->Grid()->SetVisible(false);
        Series = AddSeries(kBlue, QStringLiteral("A"));
    }
    TLineSeries* AddSeries(TColor Color, const QString& Title)
    {
        auto* S = new TLineSeries(Chart.get());
        S->SetTitle(Title);
        S->SetSeriesColor(Color);
        Chart->AddSeries(S);
        return S;
    }
    // The program's markers are circles of size 2.
    static void Markers(TLineSeries* S, int Size = 2, TSeriesPointerStyle Style = psCircle)
    {
        S->Pointer()->SetVisible(true);
        S->Pointer()->SetStyle(Style);
        S->Pointer()->SetSize(Size);
    }
    static void Add(TLineSeries* S, const std::vector<std::pair<double, double>>& Points)
    {
        for (const auto& [x, y] : Points)
            S->AddXY(x, y);
    }
    void Range(TChartAxis* Axis, double Min, double Max)
    {
        Axis->SetAutomatic(false);
        Axis->SetMinMax(Min, Max);
    }
    void Ranges(double XMin, double XMax, double YMin, double YMax)
    {
        Range(Chart->BottomAxis(), XMin, XMax);
        Range(Chart->LeftAxis(), YMin, YMax);
    }
    void Frame()
    {
        Trace->Ops.clear();
        Image.fill(Qt::white);
        Chart->Draw(&Image, {0, 0, Image.width(), Image.height()});
    }
    TRect Plot() const { return Chart->LastLayout().ChartRectFinal; }
    int Px(double X) const { return Chart->BottomAxis()->CalcXPosValue(X); }
    int Py(double Y) const { return Chart->LeftAxis()->CalcYPosValue(Y); }
    QRgb At(int x, int y) const { return Image.pixel(x, y); }
    int CountIn(const TRect& R, bool (*Test)(QRgb)) const
    {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                n += Test(At(x, y));
        return n;
    }
    // Rows of column X holding the series colour, as their middle (-1: none).
    int BlueRowsMiddle(int X, int Top, int Bottom) const
    {
        int First = -1;
        int Last = -1;
        for (int y = Top; y < Bottom; ++y)
            if (Bluish(At(X, y))) {
                if (First < 0)
                    First = y;
                Last = y;
            }
        return First < 0 ? -1 : (First + Last) / 2;
    }
};

struct TMargins {
    int Left, Right, Top, Bottom;
    bool operator==(const TMargins&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TMargins& M)
{
    return Out << "{" << M.Left << ", " << M.Right << ", " << M.Top << ", " << M.Bottom << "}";
}

TMargins MarginsOf(const TLineSeries& S)
{
    TMargins M{};
    S.PixelMarginsHoriz(M.Left, M.Right);
    S.PixelMarginsVert(M.Top, M.Bottom);
    return M;
}

TEST_F(LineSeriesDrawTest, PixelMarginsFromMarkerAndLineWidth)
{
    EXPECT_EQ(MarginsOf(*Series), (TMargins{0, 0, 0, 0})); // width 1, no marker
    Series->LinePen()->SetWidth(5);
    EXPECT_EQ(MarginsOf(*Series), (TMargins{3, 3, 3, 3}));

    Markers(Series);
    const struct {
        int Width;
        TMargins Expected;
    } Cases[] = {
        {1, {3, 3, 2, 2}}, // the marker's pen adds one more pixel sideways only
        {2, {3, 3, 2, 2}}, // round(1) + 1
        {3, {3, 3, 3, 3}}, // round(1.5) + 1
        {5, {3, 3, 3, 3}}, // round(2.5) = 2, half to even
        {7, {5, 5, 5, 5}}, // round(3.5) = 4
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Width);
        Series->LinePen()->SetWidth(Case.Width);
        EXPECT_EQ(MarginsOf(*Series), Case.Expected);
    }

    Series->LinePen()->SetWidth(1);
    Series->Pointer()->Pen()->SetWidth(3);
    EXPECT_EQ(MarginsOf(*Series), (TMargins{4, 4, 3, 3}));
    Series->Pointer()->Pen()->SetVisible(false);
    EXPECT_EQ(MarginsOf(*Series), (TMargins{3, 3, 3, 3}));
    Series->Pointer()->SetInflateMargins(false);
    EXPECT_EQ(MarginsOf(*Series), (TMargins{0, 0, 0, 0}));
}

TEST_F(LineSeriesDrawTest, AutomaticAxesLeaveRoomForTheMarkers)
{
    Add(Series, {{0, 0}, {1, 3}, {2, 1}, {3, 4}});
    Frame();
    EXPECT_EQ(Px(0), Plot().Left);
    EXPECT_EQ(Px(3), Plot().Right);
    Markers(Series);
    Frame();
    EXPECT_EQ(Px(0), Plot().Left + 3);
    EXPECT_EQ(Px(3), Plot().Right - 3);
    EXPECT_EQ(Py(4), Plot().Top + 2);
    EXPECT_EQ(Py(0), Plot().Bottom - 2);
}

TEST_F(LineSeriesDrawTest, OnePointInsideThePlotDrawsOnlyItsMarker)
{
    Ranges(0, 10, 0, 10);
    Markers(Series);
    Series->LinePen()->SetWidth(5);
    Add(Series, {{5, 5}});
    Frame();
    EXPECT_EQ(Series->FirstValueIndex(), 0);
    EXPECT_EQ(Series->LastValueIndex(), 0);
    EXPECT_TRUE(Trace->Lines().empty());
    ASSERT_EQ(Trace->Markers().size(), 1u);
    EXPECT_EQ(Trace->Markers()[0].X0, Px(5));
    EXPECT_EQ(Trace->Markers()[0].Y0, Py(5));

    const int x = Px(5);
    const int y = Py(5);
    EXPECT_TRUE(Bluish(At(x, y)));
    const TRect Inner{Plot().Left + 1, Plot().Top + 1, Plot().Right - 1, Plot().Bottom - 1};
    EXPECT_EQ(CountIn(Inner, Bluish), CountIn({x - 3, y - 3, x + 4, y + 4}, Bluish));
}

TEST_F(LineSeriesDrawTest, VisibleRangeReachesOnePastEachEdge)
{
    Markers(Series);
    std::vector<std::pair<double, double>> Points;
    for (int i = 0; i <= 21; ++i)
        Points.push_back({i, i % 3});
    Points.push_back({21, 2}); // same X as the point leaving the plot
    Points.push_back({22, 1});
    Add(Series, Points);

    Ranges(9.5, 20.5, 0, 3);
    Frame();
    EXPECT_EQ(Series->FirstValueIndex(), 10);
    EXPECT_EQ(Series->LastValueIndex(), 22);

    // Everything left of the plot: nothing is visited, nothing drawn.
    Ranges(100, 200, 0, 3);
    Frame();
    EXPECT_EQ(Series->FirstValueIndex(), -1);
    EXPECT_EQ(Series->LastValueIndex(), -1);
    EXPECT_TRUE(Trace->Ops.empty());
    EXPECT_EQ(CountIn(Plot(), Bluish), 0);

    // A point just left of the plot whose marker reaches in is visited.
    Series->Clear();
    Add(Series, {{0, 1}, {9.99, 1}, {12, 2}, {15, 1}});
    Ranges(10, 20, 0, 3);
    Frame();
    ASSERT_LT(Px(9.99), Plot().Left + 1);
    EXPECT_EQ(Series->FirstValueIndex(), 1);
}

TEST_F(LineSeriesDrawTest, EntrySegmentStartsAtTheLeftEdgeAtTheInterpolatedHeight)
{
    // Both lines run through (10, 5), where the plot begins; the second comes
    // from far beyond the device range.
    for (double From : {0.0, -1e7}) {
        SCOPED_TRACE(From);
        Series->Clear();
        Add(Series, {{From, From / 2}, {15, 7.5}, {18, 3}});
        Ranges(10, 20, 0, 10);
        Frame();
        EXPECT_EQ(Series->FirstValueIndex(), 1);
        const auto Lines = Trace->Lines();
        ASSERT_EQ(Lines.size(), 2u);
        EXPECT_EQ(Lines[0].X0, Plot().Left);
        EXPECT_EQ(Lines[0].Y0, Py(5));
        EXPECT_EQ(Lines[0].X1, Px(15));
        EXPECT_EQ(Lines[0].Y1, Py(7.5));
        // The predecessor outside has no marker (markers are off, but the
        // visible points would not draw it either).
        EXPECT_NEAR(BlueRowsMiddle(Plot().Left + 1, Plot().Top, Plot().Bottom), Py(5), 1);
    }
}

TEST_F(LineSeriesDrawTest, TwoPointsAtOnePixelDrawNoSegmentButBothMarkers)
{
    Ranges(0, 10, 0, 10);
    Markers(Series);
    Add(Series, {{2, 2}, {2.001, 2.001}, {8, 8}});
    Frame();
    ASSERT_EQ(Px(2), Px(2.001));
    ASSERT_EQ(Py(2), Py(2.001));
    const auto Lines = Trace->Lines();
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_EQ(Lines[0].X0, Px(2));
    EXPECT_EQ(Lines[0].X1, Px(8));
    const auto Markers = Trace->Markers();
    ASSERT_EQ(Markers.size(), 3u);
    EXPECT_EQ(Markers[0].X0, Px(2));
    EXPECT_EQ(Markers[1].X0, Px(2));
    EXPECT_EQ(Markers[2].X0, Px(8));
}

TEST_F(LineSeriesDrawTest, EveryMarkerLiesOverBothSegmentsMeetingAtIt)
{
    Ranges(0, 10, 0, 10);
    Markers(Series, 4);
    Series->Pointer()->SetColor(kGreen); // a fill the line does not have
    Series->LinePen()->SetWidth(7);
    const std::vector<std::pair<double, double>> Points{{1, 2}, {3, 8}, {5, 3}, {7, 7}, {9, 1}};
    Add(Series, Points);
    Frame();

    // segment 0-1, marker 0, segment 1-2, marker 1, ..., marker 3, marker 4
    const auto& Ops = Trace->Ops;
    ASSERT_EQ(Ops.size(), 9u);
    const int Expected[][2] = {{0, 1}, {0, 0}, {1, 2}, {1, 1}, {2, 3}, {2, 2}, {3, 4}, {3, 3}, {4, 4}};
    for (size_t k = 0; k < Ops.size(); ++k) {
        SCOPED_TRACE(k);
        const auto& [From, To] = Points[size_t(Expected[k][0])];
        EXPECT_EQ(Ops[k].IsLine, Expected[k][0] != Expected[k][1]);
        EXPECT_EQ(Ops[k].X0, Px(From));
        EXPECT_EQ(Ops[k].Y0, Py(To));
        if (Ops[k].IsLine) {
            EXPECT_EQ(Ops[k].PenColor, kBlue);
            EXPECT_EQ(Ops[k].PenWidth, 7);
        }
    }
    for (const auto& [x, y] : Points) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(Greenish(At(Px(x), Py(y))));
        EXPECT_TRUE(Greenish(At(Px(x) + 1, Py(y) - 1)));
    }
}

TEST_F(LineSeriesDrawTest, NullPointBreaksTheLine)
{
    Ranges(0, 10, 0, 10);
    Markers(Series);
    Add(Series, {{1, 1}, {2, 2}});
    Series->AddNullXY(3, 3);
    Add(Series, {{4, 4}, {5, 5}});
    Frame();
    const auto Lines = Trace->Lines();
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_EQ(Lines[0].X0, Px(1));
    EXPECT_EQ(Lines[0].X1, Px(2));
    EXPECT_EQ(Lines[1].X0, Px(4));
    EXPECT_EQ(Lines[1].X1, Px(5));
    std::vector<int> MarkerX;
    for (const auto& Op : Trace->Markers())
        MarkerX.push_back(Op.X0);
    EXPECT_EQ(MarkerX, (std::vector<int>{Px(1), Px(2), Px(4), Px(5)}));
}

TEST_F(LineSeriesDrawTest, FarPointIsPulledBackAlongItsSegment)
{
    Ranges(0, 10, 0, 10);
    Add(Series, {{5, 5}, {1e5, 6}});
    Frame();
    const auto Lines = Trace->Lines();
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_EQ(Lines[0].X0, Px(5));
    EXPECT_EQ(Lines[0].X1, 32767);
    const double v = Chart->BottomAxis()->InternalCalcPosPoint(32767);
    EXPECT_EQ(Lines[0].Y1, Py(5 + (v - 5) / (1e5 - 5)));
    EXPECT_NEAR(BlueRowsMiddle(Plot().Right - 2, Plot().Top, Plot().Bottom), Py(5), 1);
}

TEST_F(LineSeriesDrawTest, ClickedFindsMarkersThenSegments)
{
    EXPECT_EQ(Series->Clicked(10, 10), -1); // no frame yet: nothing visible
    Ranges(0, 10, 0, 10);
    Markers(Series);
    Add(Series, {{1, 1}, {3, 8}, {6, 2}, {9, 9}});
    Frame();

    EXPECT_EQ(Series->Clicked(Px(3), Py(8)), 1);
    EXPECT_EQ(Series->Clicked(Px(3) + 1, Py(8) - 1), 1);
    EXPECT_EQ(Series->Clicked(Px(9) - 1, Py(9) + 1), 3);
    // Between the markers of points 1 and 2: the segment that starts at 1.
    EXPECT_EQ(Series->Clicked((Px(3) + Px(6)) / 2, (Py(8) + Py(2)) / 2), 1);
    EXPECT_EQ(Series->Clicked((Px(6) + Px(9)) / 2, (Py(2) + Py(9)) / 2), 2);
    EXPECT_EQ(Series->Clicked(Px(5), Py(9)), -1);
    EXPECT_EQ(Series->Clicked(Px(3) + 10, Py(8)), -1);

    // Without markers a point counts only at its own pixel.
    Series->Pointer()->SetVisible(false);
    EXPECT_EQ(Series->Clicked(Px(3), Py(8)), 1);
    Series->SetClickableLine(false);
    EXPECT_EQ(Series->Clicked((Px(3) + Px(6)) / 2, (Py(8) + Py(2)) / 2), -1);
}

// The hit test looks only near the mouse when X is ascending; it must find
// what walking every point finds, dense data with steep segments included.
TEST_F(LineSeriesDrawTest, ClickedNearTheMouseFindsWhatTheFullWalkFinds)
{
    Ranges(0, 10, -10, 10);
    Markers(Series);
    std::vector<std::pair<double, double>> Points;
    for (int i = 0; i <= 2000; ++i)
        Points.emplace_back(i / 200.0, 9 * std::sin(i * 0.37) * std::cos(i * 0.011));
    Points.emplace_back(10, 10); // a run of equal X
    Points.emplace_back(10, -10);
    Add(Series, Points);
    Frame();
    const TRect P = Plot();
    std::vector<int> Pruned;
    for (int Y = P.Top; Y <= P.Bottom; Y += 7)
        for (int X = P.Left - 5; X <= P.Right + 5; X += 3)
            Pruned.push_back(Series->Clicked(X, Y));
    Series->XValues()->SetOrder(loNone);
    size_t k = 0;
    int Hits = 0;
    for (int Y = P.Top; Y <= P.Bottom; Y += 7)
        for (int X = P.Left - 5; X <= P.Right + 5; X += 3) {
            const int Full = Series->Clicked(X, Y);
            ASSERT_EQ(Pruned[k++], Full) << X << "," << Y;
            Hits += Full >= 0 ? 1 : 0;
        }
    EXPECT_GT(Hits, 100);
}

TEST_F(LineSeriesDrawTest, HoveredMarkerAndSegmentTakeTheHoverPen)
{
    Ranges(0, 10, 0, 10);
    Markers(Series);
    Add(Series, {{1, 1}, {3, 8}, {6, 2}, {9, 9}});
    Frame();

    // No Selected yet: the series does not take part.
    Series->CheckMouse(Px(3), Py(8));
    EXPECT_EQ(Series->HoverIndex(), -1);
    Series->Selected();
    Series->CheckMouse(Px(3), Py(8));
    EXPECT_EQ(Series->HoverIndex(), 1);

    Frame();
    int HoverOps = 0;
    for (const auto& Op : Trace->Ops) {
        const bool Hovered = Op.X0 == Px(3) && Op.Y0 == Py(8); // marker 1 and segment 1-2
        EXPECT_EQ(Op.PenColor == kHoverColor && Op.PenWidth == 3, Hovered) << Op.IsLine << " " << Op.X0;
        HoverOps += Hovered;
    }
    EXPECT_EQ(HoverOps, 2);
    EXPECT_GT(CountIn({Px(3) - 4, Py(8) - 4, Px(3) + 5, Py(8) + 5}, Reddish), 4);
    EXPECT_GT(CountIn({(Px(3) + Px(6)) / 2 - 3, (Py(8) + Py(2)) / 2 - 3, (Px(3) + Px(6)) / 2 + 4,
                       (Py(8) + Py(2)) / 2 + 4},
                      Reddish),
              2);

    // Moving away restores the frame.
    Series->CheckMouse(Px(5), Py(9));
    EXPECT_EQ(Series->HoverIndex(), -1);
    Frame();
    EXPECT_EQ(CountIn(Plot(), Reddish), 0);

    // The chart's hover switch turns it all off.
    Chart->Hover()->SetVisible(false);
    Series->CheckMouse(Px(3), Py(8));
    EXPECT_EQ(Series->HoverIndex(), -1);
}

// What the chart's mouse tracking does on a move: every active series, from
// the last to the first, then the legend's highlight.
void TrackMouse(TChart& Chart, int X, int Y)
{
    for (int t = Chart.SeriesCount() - 1; t >= 0; --t)
        if (auto* S = dynamic_cast<TCustomSeries*>(Chart.GetSeries(t)); S && S->Active()) {
            S->Selected();
            S->CheckMouse(X, Y);
        }
    Chart.CheckLegendHover(X, Y);
}

TEST_F(LineSeriesDrawTest, HiddenEarlierSeriesDoesNotTakeTheHit)
{
    Ranges(0, 10, 0, 10);
    TLineSeries* Second = AddSeries(kGreen, QStringLiteral("B"));
    for (TLineSeries* S : {Series, Second}) {
        Markers(S);
        Add(S, {{1, 1}, {3, 8}, {6, 2}});
    }
    Frame();
    TrackMouse(*Chart, Px(3), Py(8));
    EXPECT_EQ(Series->HoverIndex(), 1);
    EXPECT_EQ(Second->HoverIndex(), 1);
    EXPECT_EQ(Chart->Legend()->Selected()->HoverIndex(), 1); // the last series' item

    Series->SetActive(false);
    Frame();
    TrackMouse(*Chart, Px(6), Py(2));
    EXPECT_EQ(Second->HoverIndex(), 2);
    EXPECT_EQ(Chart->Legend()->Selected()->HoverIndex(), 0); // one place higher

    // A hover index the hidden series kept does not count either.
    TrackMouse(*Chart, Px(5), Py(9));
    EXPECT_EQ(Second->HoverIndex(), -1);
    EXPECT_EQ(Series->HoverIndex(), 1);
    EXPECT_EQ(Chart->Legend()->Selected()->HoverIndex(), -1);
}

TEST_F(LineSeriesDrawTest, LegendSymbolIsALineWithTheMarkerInItsMiddle)
{
    Markers(Series);
    Add(Series, {{1, 1}, {3, 8}});
    Frame();
    ASSERT_EQ(Chart->LastLayout().LegendItems.size(), 1u);
    const TRect R = Chart->LastLayout().LegendItems[0].Symbol;
    ASSERT_GT(R.Right - R.Left, 8);
    const int Mid = (R.Top + R.Bottom) / 2;
    const int px = (R.Left + R.Right) / 2;
    EXPECT_TRUE(Bluish(At(R.Left + 1, Mid)));
    EXPECT_TRUE(Bluish(At(R.Right - 2, Mid)));
    EXPECT_TRUE(Bluish(At(px, Mid))); // the marker's fill
    EXPECT_TRUE(Dark(At(px, Mid - 2))); // its outline, above the line
    EXPECT_FALSE(Dark(At(R.Left + 1, Mid - 2)));

    // Without the marker only the line.
    Series->Pointer()->SetVisible(false);
    Frame();
    EXPECT_TRUE(Bluish(At(px, Mid)));
    EXPECT_FALSE(Dark(At(px, Mid - 2)));

    // A thick line is at most half the box high; a huge marker fits the box.
    Series->LinePen()->SetWidth(40);
    Markers(Series, 100);
    Frame();
    const TRect S = Chart->LastLayout().LegendItems[0].Symbol;
    int Rows = 0;
    for (int y = S.Top - 5; y < S.Bottom + 5; ++y)
        Rows += Bluish(At(S.Left + 1, y));
    EXPECT_GT(Rows, 1);
    EXPECT_LE(Rows, (S.Bottom - S.Top) / 2 + 1);
    EXPECT_EQ(CountIn({S.Left - 30, S.Top - 30, S.Left - 2, S.Bottom + 30}, Bluish), 0);
    EXPECT_EQ(CountIn({S.Left - 2, S.Bottom + 3, S.Right + 2, S.Bottom + 30}, Bluish), 0);
}

TEST_F(LineSeriesDrawTest, DashStylesReachSegmentsAndLegendLine)
{
    Ranges(0, 10, 0, 10);
    Add(Series, {{0, 5}, {10, 5}});
    for (TPenStyle Style : {psSolid, psDash, psDot, psDashDot, psDashDotDot}) {
        SCOPED_TRACE(Style);
        Series->LinePen()->SetStyle(Style);
        Frame();
        ASSERT_EQ(Trace->Lines().size(), 1u);
        EXPECT_EQ(Trace->Lines()[0].PenStyle, Style);
        int Gaps = 0;
        for (int x = Px(1); x < Px(9); ++x)
            Gaps += !Bluish(At(x, Py(5)));
        const TRect R = Chart->LastLayout().LegendItems[0].Symbol;
        int LegendGaps = 0;
        for (int x = R.Left + 1; x < R.Right - 1; ++x)
            LegendGaps += !Bluish(At(x, (R.Top + R.Bottom) / 2));
        if (Style == psSolid) {
            EXPECT_EQ(Gaps, 0);
            EXPECT_EQ(LegendGaps, 0);
        } else {
            EXPECT_GT(Gaps, 20);
            EXPECT_GT(LegendGaps, 0);
        }
    }
}

// Far more points than pixel columns: every segment is a pixel or so long.
// One pattern runs along the whole line, so it shows the pen's gaps as a line
// of two points does; started afresh at each segment it would be solid.
TEST_F(LineSeriesDrawTest, DashedLineOnDenseDataKeepsItsGaps)
{
    Ranges(0, 10, 0, 10);
    std::vector<double> X(20000);
    std::vector<double> Y(20000, 5.0);
    for (size_t i = 0; i < X.size(); ++i)
        X[i] = 10.0 * double(i) / double(X.size() - 1);
    Series->AddXYArrays(std::move(X), std::move(Y));
    for (TPenStyle Style : {psDash, psDot, psDashDot}) {
        for (int Width : {1, 3}) {
            SCOPED_TRACE(testing::Message() << "style " << Style << ", width " << Width);
            Series->LinePen()->SetStyle(Style);
            Series->LinePen()->SetWidth(Width);
            Frame();
            int Line = 0;
            int Gaps = 0;
            for (int x = Px(1); x < Px(9); ++x) {
                Line += Bluish(At(x, Py(5)));
                Gaps += !Bluish(At(x, Py(5)));
            }
            // A dash takes 3 of every 4 widths, a dot 1 of 2, a dash and
            // a dot 4 of 6.
            EXPECT_GT(Gaps, (Line + Gaps) / 5);
            EXPECT_GT(Line, (Line + Gaps) / 3);
        }
    }
}

// A wide pen's first dash would fill the symbol box; the symbol shows at
// least one whole period of the pattern.
TEST_F(LineSeriesDrawTest, WideDashedLegendSymbolShowsItsGaps)
{
    Ranges(0, 10, 0, 10);
    Add(Series, {{0, 5}, {10, 5}});
    for (TPenStyle Style : {psDash, psDashDot, psDashDotDot}) {
        SCOPED_TRACE(Style);
        Series->LinePen()->SetStyle(Style);
        Series->LinePen()->SetWidth(5);
        Frame();
        const TRect R = Chart->LastLayout().LegendItems[0].Symbol;
        int Line = 0;
        int Gaps = 0;
        for (int x = R.Left + 1; x < R.Right - 1; ++x) {
            Line += Bluish(At(x, (R.Top + R.Bottom) / 2));
            Gaps += !Bluish(At(x, (R.Top + R.Bottom) / 2));
        }
        EXPECT_GT(Line, 0);
        EXPECT_GT(Gaps, 0);
    }
    // A solid pen keeps its width there (at most half the box).
    Series->LinePen()->SetStyle(psSolid);
    Frame();
    const TRect R = Chart->LastLayout().LegendItems[0].Symbol;
    int Rows = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        Rows += Bluish(At((R.Left + R.Right) / 2, y));
    EXPECT_GE(Rows, std::min(5, (R.Bottom - R.Top) / 2));
    EXPECT_GT(Rows, (R.Right - R.Left) / DashPeriod(psDash));
}

} // namespace
