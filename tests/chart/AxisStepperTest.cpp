#include "chart/axes/AxisScale.h"
#include "chart/axes/AxisStepper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const double Inf = std::numeric_limits<double>::infinity();

TAxisScale MakeScale(double Min, double Max, int Length = 500)
{
    TAxisScale S(true);
    S.IMinimum = Min;
    S.IMaximum = Max;
    S.Place(0, Length, 0, 100);
    return S;
}

TAxisStepSettings WithIncrement(double Increment, bool RoundFirst = true)
{
    TAxisStepSettings Settings;
    Settings.Increment = Increment;
    Settings.RoundFirstLabel = RoundFirst;
    return Settings;
}

void ExpectValues(const std::vector<double>& Actual, const std::vector<double>& Expected)
{
    ASSERT_EQ(Actual.size(), Expected.size()) << testing::PrintToString(Actual);
    for (size_t i = 0; i < Actual.size(); ++i)
        EXPECT_NEAR(Actual[i], Expected[i], 1e-12 * std::max(1.0, std::fabs(Expected[i]))) << "label " << i;
}

} // namespace

TEST(AxisStepper, NextNiceStepAtTheOneTwoFiveBoundaries)
{
    const std::pair<double, double> Rows[] = {
        {1, 2},          {1.999, 2},       {2, 5},       {4.999, 5},   {5, 10},        {9.999, 10},
        {10, 20},        {0.1, 0.2},       {0.2, 0.5},   {0.5, 1},     {0.99, 1},      {0.19999999999999998, 0.2},
        {1.5e-12, 2e-12}, {3e-300, 5e-300}, {1e300, 2e300}, {7e307, 1e308},
    };
    for (const auto& [x, Next] : Rows) {
        const double r = TAxisStepper::NextNiceStep(x);
        EXPECT_GT(r, x) << x;
        EXPECT_NEAR(r, Next, Next * 1e-12) << x;
    }
    // Beyond the largest double there is no next step; nothing to grow from
    // gives 1 rather than an endless descent.
    EXPECT_EQ(TAxisStepper::NextNiceStep(1e308), Inf);
    for (const double x : {0.0, -3.0, -Inf, Inf, std::nan("")})
        EXPECT_EQ(TAxisStepper::NextNiceStep(x), 1) << x;
}

TEST(AxisStepper, StepForLabelCount)
{
    struct Row {
        double Min, Max, Increment;
        bool FewPoints;
        int Count;
        double Step;
    };
    const Row Rows[] = {
        {0, 100, 0, false, 0, SmallestAxisStep},
        {0, 100, 0, false, 10, 10}, // 100 / 11 makes 11 labels: the next nice step
        {0, 100, 0, false, 4, 50},
        {0, 100, 0, false, 1000, 0.1},
        {-7, 3, 0, false, 10, 1},
        // Empty range: 1, or the wanted step.
        {5, 5, 0, false, 10, 1},
        {5, 5, 0.5, false, 10, 0.5},
        // A wanted step that crowds the labels doubles, never becomes "nice".
        {0, 10, 0.3, false, 10, 1.2},
        {0, 10, 0.3, false, 40, 0.3},
        // Few points keep whole steps, but only from a range of 1.1 up.
        {0, 10, 0, true, 20, 1},
        {0, 10, 0, false, 20, 0.5},
        {0, 1, 0, true, 20, 0.05},
        {0, 1.1, 0, true, 20, 1},
        // A range of at most 1e-12 between tiny limits scales the smallest
        // step down with them; above it the step is at least SmallestAxisStep.
        // A step that overflows gives the range.
        {0, 1e-15, 0, false, 5, 2e-16},
        {0, 2e-12, 0, false, 5, SmallestAxisStep},
        {0, 1e-11, 0, false, 5, 2e-12},
        {0, 1.7e308, 0, false, 1, 1.7e308},
    };
    for (const Row& r : Rows) {
        const TAxisScale S = MakeScale(r.Min, r.Max);
        int Asked = 0;
        const TAxisStepper Stepper(S, WithIncrement(r.Increment), [&](int) {
            ++Asked;
            return r.FewPoints;
        });
        SCOPED_TRACE(testing::Message() << r.Min << " .. " << r.Max << " increment " << r.Increment << " count "
                                        << r.Count);
        EXPECT_NEAR(Stepper.StepForLabelCount(r.Count), r.Step, r.Step * 1e-12);
        // Only an automatic step on a range of 1.1 or more asks for the points.
        const bool MayAsk = r.Count >= 1 && r.Increment == 0 && r.Max - r.Min >= 1.1;
        if (!MayAsk) {
            EXPECT_EQ(Asked, 0);
        }
    }
    // Without a way to count points no series has few of them.
    const TAxisScale S = MakeScale(0, 10);
    EXPECT_EQ(TAxisStepper(S, {}).StepForLabelCount(20), 0.5);
}

TEST(AxisStepper, LabelSizeAndSeparationGiveTheLabelCount)
{
    struct Row {
        int Length, LabelSize, Separation, Count;
    };
    const Row Rows[] = {
        {500, 30, 10, 15}, // 33 pixels a label
        {500, 30, 0, 17},  // 16.67
        {90, 20, 0, 4},    // 4.5, half to even
        {110, 20, 0, 6},   // 5.5
        {100, 40, 25, 2},
        {500, 0, 10, 1},   // nothing measured
        {0, 30, 10, 1},    // no axis
        {500, 5000, 10, 0},
    };
    for (const Row& r : Rows) {
        const TAxisScale S = MakeScale(0, 1000, r.Length);
        TAxisStepSettings Settings;
        Settings.LabelsSeparation = r.Separation;
        const TAxisStepper Stepper(S, Settings);
        SCOPED_TRACE(testing::Message() << r.Length << " " << r.LabelSize << " " << r.Separation);
        EXPECT_EQ(Stepper.CalcXYIncrement(r.LabelSize), Stepper.StepForLabelCount(r.Count));
    }
}

TEST(AxisStepper, CalcIncrementMeasuresFiveSamplesAtMost)
{
    struct Row {
        double Min, Max, Increment;
        bool RoundFirst;
        std::vector<double> Samples; // sorted
    };
    const Row Rows[] = {
        // The middle is halved until it has decimals.
        {0, 100, 0, true, {0, 12.5, 100}},
        {0, 101, 0, true, {0, 50.5, 101}},
        // With a wanted step the ends are the step times the rounded limits
        // (1.4 -> 1, 7.6 -> 7), and one step inside them is measured too.
        {1.4, 7.6, 2, true, {0.5, 2, 4, 12, 14}},
        {1.4, 7.6, 2, false, {1.4, 3.4, 4.5, 5.6, 7.6}},
        // A middle beyond the doubles is measured as 0.
        {1e308, 1.5e308, 0, true, {0, 1e308, 1.5e308}},
    };
    for (const Row& r : Rows) {
        const TAxisScale S = MakeScale(r.Min, r.Max);
        const TAxisStepper Stepper(S, WithIncrement(r.Increment, r.RoundFirst));
        std::vector<double> Samples;
        const double Step = Stepper.CalcIncrement([&](double v) {
            Samples.push_back(v);
            return v == r.Max || v == r.Samples.back() ? 80 : 10;
        });
        std::sort(Samples.begin(), Samples.end());
        SCOPED_TRACE(testing::Message() << r.Min << " .. " << r.Max << " increment " << r.Increment);
        ExpectValues(Samples, r.Samples);
        // The widest sample decides.
        EXPECT_EQ(Step, Stepper.CalcXYIncrement(80));
    }

    // Alternating rows halve the step.
    const TAxisScale S = MakeScale(0, 100);
    TAxisStepSettings Alternate;
    Alternate.LabelsAlternate = true;
    const auto Size = [](double) { return 20; };
    EXPECT_EQ(TAxisStepper(S, Alternate).CalcIncrement(Size), TAxisStepper(S, {}).CalcIncrement(Size) * 0.5);
}

TEST(AxisStepper, LabelValuesWalkDownFromTheTop)
{
    struct Row {
        double Min, Max, Step;
        bool RoundFirst;
        std::vector<double> Values;
    };
    const Row Rows[] = {
        {0, 10, 2, true, {10, 8, 6, 4, 2, 0}},
        {0.5, 9.5, 2, true, {8, 6, 4, 2}},
        {0.5, 3.5, 1, false, {3.5, 2.5, 1.5, 0.5}},
        // The last value is 1.4e-16 after ten subtractions, and kept.
        {0, 1, 0.1, true, {1, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0}},
        // 0.3 / 0.1 truncates to 2; the walk ends at -0.30000000000000004,
        // below a negative minimum, where no tolerance applies.
        {-0.3, 0.3, 0.1, true, {0.2, 0.1, 0, -0.1, -0.2}},
        // The last value is 0.009999999999999997, a little below a positive
        // minimum, and kept.
        {0.01, 0.04, 0.01, true, {0.04, 0.03, 0.02, 0.01}},
        // The first multiple of the step below a negative maximum.
        {-9, -1.5, 2, true, {-2, -4, -6, -8}},
        // One label for an empty range, and for a step negligible against
        // the values.
        {5, 5, 1, true, {5}},
        {1e16, 1e16 + 5e4, 1e3, true, {1e16 + 5e4}},
        // No labels for too many of them, a step that is not positive or an
        // inverted range.
        {0, 1, 5e-5, true, {}},
        {0, 1, SmallestAxisStep, true, {}},
        {0, 1, 0, true, {}},
        {0, 1, -0.1, true, {}},
        {1, 0, 0.1, true, {}},
    };
    for (const Row& r : Rows) {
        const TAxisScale S = MakeScale(r.Min, r.Max);
        SCOPED_TRACE(testing::Message() << r.Min << " .. " << r.Max << " step " << r.Step);
        ExpectValues(TAxisStepper(S, WithIncrement(0, r.RoundFirst)).LabelValues(r.Step), r.Values);
    }
}

TEST(AxisStepper, WidestLabelMeasuresTheLabelsOfTheRange)
{
    struct Row {
        double Min, Max, Step;
        bool RoundFirst;
        std::vector<double> Measured;
    };
    const Row Rows[] = {
        {0, 10, 2, true, {10, 8, 6, 4, 2, 0}},
        {0.5, 9.5, 2, false, {9.5, 7.5, 5.5, 3.5, 1.5}},
        // Without a step only the ends.
        {0.5, 9.5, 0, true, {9.5, 0.5}},
        // The top value is measured even when the range is empty.
        {5, 5, 1, true, {5}},
    };
    for (const Row& r : Rows) {
        const TAxisScale S = MakeScale(r.Min, r.Max);
        std::vector<double> Measured;
        const int Widest = TAxisStepper(S, WithIncrement(0, r.RoundFirst)).WidestLabel(r.Step, [&](double v) {
            Measured.push_back(v);
            return int(std::lround(v * 10)) + 1;
        });
        SCOPED_TRACE(testing::Message() << r.Min << " .. " << r.Max << " step " << r.Step);
        std::sort(Measured.begin(), Measured.end(), std::greater<>());
        ExpectValues(Measured, r.Measured);
        EXPECT_EQ(Widest, int(std::lround(r.Measured.front() * 10)) + 1);
    }

    // At most 5000 labels are measured.
    const TAxisScale S = MakeScale(0, 1e6);
    int Count = 0;
    TAxisStepper(S, {}).WidestLabel(1, [&](double) { return ++Count; });
    EXPECT_EQ(Count, 5000);
}
