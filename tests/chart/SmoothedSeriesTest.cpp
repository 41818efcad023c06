#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SmoothingFunction.h"
#include "chart/canvas/AntialiasCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

// A line series of the program's chart.
class SmoothedSeriesTest : public testing::Test {
protected:
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    TLineSeries* Series = nullptr;

    void SetUp() override
    {
        Chart->SetCanvas(std::make_unique<TAntialiasCanvas>());
        Series = new TLineSeries(Chart.get());
        Chart->AddSeries(Series);
    }
    void Add(const std::vector<std::pair<double, double>>& Points)
    {
        for (const auto& [x, y] : Points)
            Series->AddXY(x, y);
    }
    // What the chart does before each frame.
    void Prepare() { Series->PrepareForDrawing(); }
    void Smooth(bool On)
    {
        Series->SetSmoothed(On);
        Prepare();
    }
    std::vector<double> X() const { return Series->XValues()->Value(); }
    std::vector<double> Y() const { return Series->YValues()->Value(); }
};

TEST_F(SmoothedSeriesTest, ThreePointsGive25SamplesThroughTheMiddlePoint)
{
    Add({{0, 0}, {1, 1}, {2, 0}});
    Smooth(true);
    ASSERT_EQ(Series->Count(), 25);
    EXPECT_EQ(X().front(), 0);
    EXPECT_EQ(Y().front(), 0);
    EXPECT_NEAR(X()[12], 1, 1e-12);
    EXPECT_NEAR(Y()[12], 1, 1e-12);
    EXPECT_NEAR(X().back(), 2, 1e-12);
    EXPECT_NEAR(Y().back(), 0, 1e-12);
    // The peak is the middle point.
    const std::vector<double> Ys = Y();
    EXPECT_EQ(std::max_element(Ys.begin(), Ys.end()) - Ys.begin(), 12);
    const std::vector<double> Xs = X();
    EXPECT_TRUE(std::is_sorted(Xs.begin(), Xs.end()));
}

TEST_F(SmoothedSeriesTest, EightSamplesPerPointUpTo601)
{
    for (const auto& [Points, Samples] : std::vector<std::pair<int, int>>{
             {2, 17}, {10, 81}, {74, 593}, {75, 601}, {100, 601}, {5000, 601}}) {
        SCOPED_TRACE(Points);
        Series->Clear();
        for (int i = 0; i < Points; ++i)
            Series->AddXY(i, (i * 37) % 11);
        Smooth(true);
        EXPECT_EQ(Series->Count(), Samples);
        Smooth(false);
        EXPECT_EQ(Series->Count(), Points);
    }
}

TEST_F(SmoothedSeriesTest, TwoPointsGiveAStraightEvenlySampledLine)
{
    Add({{0, 1}, {4, 9}});
    Smooth(true);
    ASSERT_EQ(Series->Count(), 17);
    for (int a = 0; a <= 16; ++a) {
        EXPECT_NEAR(X()[size_t(a)], a * 0.25, 1e-12);
        EXPECT_NEAR(Y()[size_t(a)], 1 + a * 0.5, 1e-12);
    }
}

TEST_F(SmoothedSeriesTest, OnePointStaysItselfAndNoPointsStayNone)
{
    Smooth(true);
    EXPECT_EQ(Series->Count(), 0);
    Smooth(false);
    Add({{3, 7}});
    Smooth(true);
    ASSERT_EQ(Series->Count(), 1);
    EXPECT_EQ(X()[0], 3);
    EXPECT_EQ(Y()[0], 7);
    Smooth(false);
    EXPECT_EQ(Series->Count(), 1);
}

TEST_F(SmoothedSeriesTest, SwitchingOffRestoresTheDataPointsExactly)
{
    for (int Count : {10, 600, 601, 700}) {
        SCOPED_TRACE(Count);
        Series->Clear();
        std::mt19937 Random{unsigned(Count)};
        std::uniform_real_distribution<double> Value(-5, 5);
        for (int i = 0; i < Count; ++i)
            Series->AddXY(double(Random() % unsigned(Count / 2 + 1)), Value(Random)); // repeated X too
        const std::vector<double> X0 = X(), Y0 = Y();
        Smooth(true);
        EXPECT_EQ(Series->Count(), std::min(8 * Count + 1, 601));
        Smooth(false);
        EXPECT_EQ(X(), X0);
        EXPECT_EQ(Y(), Y0);
        EXPECT_EQ(Series->SmoothSeries(), nullptr);
        EXPECT_EQ(Series->SmoothFunction(), nullptr);
    }
}

TEST_F(SmoothedSeriesTest, PointColoursAndLabelsComeBackToo)
{
    Series->AddXY(0, 1, QStringLiteral("a"));
    Series->AddXY(1, 3, QString(), clRed);
    Series->AddXY(2, 2);
    Series->SetNull(2);
    Smooth(true);
    Smooth(false);
    ASSERT_EQ(Series->Count(), 3);
    EXPECT_EQ(Series->Label(0), QStringLiteral("a"));
    EXPECT_EQ(Series->GetValueColor(1), clRed);
    EXPECT_TRUE(Series->IsNull(2));
    EXPECT_EQ(Y(), (std::vector<double>{1, 3, 2}));
}

TEST_F(SmoothedSeriesTest, LimitsAreThoseOfTheCurve)
{
    Add({{0, 0}, {1, 0}, {2, 10}, {3, 0}, {4, 0}});
    Smooth(true);
    const std::vector<double> Ys = Y();
    EXPECT_EQ(Series->MinYValue(), *std::min_element(Ys.begin(), Ys.end()));
    EXPECT_EQ(Series->MaxYValue(), *std::max_element(Ys.begin(), Ys.end()));
    EXPECT_LT(Series->MinYValue(), 0); // the curve swings below the points
    EXPECT_EQ(Series->MinXValue(), 0);
    EXPECT_NEAR(Series->MaxXValue(), 4, 1e-12);
}

TEST_F(SmoothedSeriesTest, HiddenCopyIsInternalAndInNoChart)
{
    Add({{0, 0}, {1, 1}, {2, 0}});
    const int Components = Chart->ComponentCount();
    Smooth(true);
    const TCustomSeries* Copy = Series->SmoothSeries();
    ASSERT_NE(Copy, nullptr);
    EXPECT_TRUE(Copy->IInternalUse);
    EXPECT_FALSE(Copy->ShowInLegend());
    EXPECT_EQ(Copy->ParentChart(), nullptr);
    EXPECT_EQ(Copy->Count(), 3);
    EXPECT_EQ(Chart->SeriesCount(), 1);
    // The function is the chart's.
    ASSERT_NE(Series->SmoothFunction(), nullptr);
    EXPECT_EQ(Series->SmoothFunction()->Owner(), Chart.get());
    EXPECT_EQ(Series->SmoothFunction()->ParentSeries(), Series);
    EXPECT_EQ(Chart->ComponentCount(), Components + 1);
    Smooth(false);
    EXPECT_EQ(Chart->ComponentCount(), Components);
}

TEST_F(SmoothedSeriesTest, FreeingTheSeriesOrTheChartFreesTheFunctionOnce)
{
    Add({{0, 0}, {1, 1}, {2, 0}});
    Smooth(true);
    const int Components = Chart->ComponentCount();
    delete Series;
    EXPECT_EQ(Chart->ComponentCount(), Components - 2);

    // A series kept outside the chart outlives it.
    TLineSeries Outside(nullptr);
    Chart->AddSeries(&Outside);
    Outside.AddXY(0, 0);
    Outside.AddXY(1, 1);
    Outside.SetSmoothed(true);
    Outside.PrepareForDrawing();
    ASSERT_NE(Outside.SmoothFunction(), nullptr);
    Chart.reset();
    EXPECT_EQ(Outside.SmoothFunction(), nullptr);
    Outside.SetSmoothed(false);
    Outside.PrepareForDrawing();
    EXPECT_EQ(Outside.Count(), 2);
}

TEST_F(SmoothedSeriesTest, SwitchWaitsForAFrameOfTheActiveSeries)
{
    Add({{0, 0}, {1, 1}, {2, 0}});
    const int Invalidations = Chart->InvalidateCount();
    Series->SetSmoothed(true);
    EXPECT_GT(Chart->InvalidateCount(), Invalidations);
    EXPECT_EQ(Series->Count(), 3);
    Series->SetActive(false);
    Chart->Draw(nullptr, {0, 0, 300, 200});
    EXPECT_EQ(Series->Count(), 3);
    Series->SetActive(true);
    Chart->Draw(nullptr, {0, 0, 300, 200});
    EXPECT_EQ(Series->Count(), 25);
    // On and on again: the curve is computed once per switch-on.
    Series->AddXY(5, 5);
    Chart->Draw(nullptr, {0, 0, 300, 200});
    EXPECT_EQ(Series->Count(), 26);
}

TEST_F(SmoothedSeriesTest, NewDataWhileSmoothedIsKept)
{
    Add({{0, 0}, {1, 1}, {2, 0}});
    Smooth(true);
    Series->Clear();
    Add({{0, 5}, {1, 6}});
    Smooth(false);
    EXPECT_EQ(Y(), (std::vector<double>{5, 6}));
    Series->Clear();
    Add({{0, 0}, {1, 1}, {2, 0}});
    Smooth(true);
    Series->Clear();
    Add({{0, 5}, {1, 6}});
    Prepare(); // still smoothed: the new data is smoothed in turn
    EXPECT_EQ(Series->Count(), 17);
    Smooth(false);
    EXPECT_EQ(Y(), (std::vector<double>{5, 6}));
}

TEST_F(SmoothedSeriesTest, FunctionSettingsRecalculate)
{
    Add({{0, 0}, {1, 1}, {2, 0}});
    Smooth(true);
    TSmoothingFunction* Function = Series->SmoothFunction();
    ASSERT_NE(Function, nullptr);
    EXPECT_TRUE(Function->Interpolate());
    EXPECT_EQ(Function->Factor(), 8);
    Function->SetFactor(2);
    EXPECT_EQ(Series->Count(), 7);
    Function->SetFactor(0);
    EXPECT_EQ(Function->Factor(), 1);
    EXPECT_EQ(Series->Count(), 4);
    Function->SetInterpolate(false);
    EXPECT_LT(Series->MaxYValue(), 1);
    // Recalculating is no new data: switching off still restores.
    Smooth(false);
    EXPECT_EQ(Y(), (std::vector<double>{0, 1, 0}));
}

} // namespace
