#include "AxisTestChart.h"
#include "chart/axes/AxisException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const TRect Plot{100, 50, 600, 450}; // 500 wide, 400 high

// The message of the AxisException F throws; empty when it throws none.
template <class F>
QString AxisError(F f)
{
    try {
        f();
    } catch (const AxisException& e) {
        return e.Message();
    }
    return {};
}

} // namespace

TEST(AxisRange, DataLimitsComeFromTheActiveSeriesOrAllWhenNoneIsActive)
{
    TAxisChart C;
    TLineSeries* A = C.AddSeries({{1, 5}, {3, -2}});
    TLineSeries* B = C.AddSeries({{-4, 7}, {2, 1}});
    EXPECT_EQ(C.Chart.MinXValue(C.Bottom()), -4);
    EXPECT_EQ(C.Chart.MaxXValue(C.Bottom()), 3);
    EXPECT_EQ(C.Chart.MinYValue(C.Left()), -2);
    EXPECT_EQ(C.Chart.MaxYValue(C.Left()), 7);
    // No series is bound to the top axis.
    EXPECT_EQ(C.Chart.MaxXValue(C.Chart.TopAxis()), 0);

    B->SetActive(false);
    EXPECT_EQ(C.Chart.MinXValue(C.Bottom()), 1);
    EXPECT_EQ(C.Chart.MaxYValue(C.Left()), 5);

    // Every series hidden: the range still comes from all of them.
    A->SetActive(false);
    EXPECT_EQ(C.Chart.MinXValue(C.Bottom()), -4);
    EXPECT_EQ(C.Chart.MaxYValue(C.Left()), 7);

    // A series without points takes no part.
    A->SetActive(true);
    A->Clear();
    EXPECT_EQ(C.Chart.MinXValue(C.Bottom()), 0);
    EXPECT_EQ(C.Chart.MaxXValue(C.Bottom()), 0);
}

TEST(AxisRange, EmptyChartMapsEverythingToTheMiddle)
{
    TAxisChart C;
    C.SetChartRect(Plot);
    for (TChartAxis* Axis : C.Chart.Axes()) {
        Axis->AdjustMaxMin();
        Axis->PlaceOnChartRect();
        EXPECT_EQ(Axis->IMinimum, 0);
        EXPECT_EQ(Axis->IMaximum, 0);
        EXPECT_TRUE(Axis->IRangeZero);
        EXPECT_EQ(Axis->IAxisSizeRange, 0);
    }
    EXPECT_EQ(C.Bottom()->CalcPosValue(123), 350);
    EXPECT_EQ(C.Left()->CalcPosValue(-5), 250);
    // The step of an empty range is 1, or the wanted increment.
    EXPECT_EQ(C.Left()->StepForLabelCount(10), 1);
    C.Left()->SetIncrement(0.25);
    EXPECT_EQ(C.Left()->StepForLabelCount(10), 0.25);
}

TEST(AxisRange, AutomaticLimitsAreStoredAndKeptWhenTheAxisTurnsManual)
{
    TAxisChart C;
    C.AddSeries({{2, 10}, {6, 30}});
    C.Place(C.Bottom(), Plot);
    EXPECT_EQ(C.Bottom()->Minimum(), 2);
    EXPECT_EQ(C.Bottom()->Maximum(), 6);

    C.Bottom()->SetAutomatic(false);
    C.AddSeries({{-10, 0}, {50, 0}});
    C.Place(C.Bottom(), Plot);
    EXPECT_EQ(C.Bottom()->IMinimum, 2);
    EXPECT_EQ(C.Bottom()->IMaximum, 6);

    // One side automatic again follows the data on that side only.
    C.Bottom()->SetAutomaticMaximum(true);
    C.Place(C.Bottom(), Plot);
    EXPECT_EQ(C.Bottom()->IMinimum, 2);
    EXPECT_EQ(C.Bottom()->IMaximum, 50);
}

TEST(AxisRange, PositionsAlongTheChartRectangle)
{
    TAxisChart C;
    C.Bottom()->SetMinMax(0, 8);
    C.Left()->SetMinMax(0, 8);
    C.Place(C.Bottom(), Plot);
    C.Place(C.Left(), Plot);
    EXPECT_EQ(C.Bottom()->IStartPos, 100);
    EXPECT_EQ(C.Bottom()->IEndPos, 600);
    EXPECT_EQ(C.Bottom()->ICenterPos, 350);
    EXPECT_EQ(C.Left()->IStartPos, 50);
    EXPECT_EQ(C.Left()->IEndPos, 450);

    // 62.5 pixels a unit: halves round to even.
    EXPECT_EQ(C.Bottom()->CalcXPosValue(1), 162);
    EXPECT_EQ(C.Bottom()->CalcXPosValue(3), 288);
    // Outside the range: outside the axis, not clamped to it.
    EXPECT_EQ(C.Bottom()->CalcXPosValue(-2), -25);
    // Larger values are higher up on a vertical axis.
    EXPECT_EQ(C.Left()->CalcYPosValue(3), 300);
    EXPECT_EQ(C.Left()->CalcYPosValue(8), 50);

    // The fast binding gives the same pixels away from half-pixel ties.
    C.Chart.AxesList()->SetFastCalc(true);
    EXPECT_EQ(C.Bottom()->CalcXPosValue(3), 288);
    EXPECT_EQ(C.Left()->CalcYPosValue(3), 300);
    C.Chart.AxesList()->SetFastCalc(false);

    // Far-away values keep their side instead of wrapping around.
    EXPECT_GT(C.Bottom()->CalcXPosValue(1e300), 600);
    EXPECT_LT(C.Bottom()->CalcXPosValue(-1e300), 100);

    // And back.
    EXPECT_DOUBLE_EQ(C.Left()->InternalCalcPosPoint(300), 3);
    EXPECT_DOUBLE_EQ(C.Bottom()->InternalCalcPosPoint(162), 62 * 8 / 500.0);

    // Start and end in percent of the side.
    C.Bottom()->SetStartPosition(10);
    C.Bottom()->SetEndPosition(90);
    C.Bottom()->PlaceOnChartRect();
    EXPECT_EQ(C.Bottom()->IStartPos, 150);
    EXPECT_EQ(C.Bottom()->IEndPos, 550);
    EXPECT_EQ(C.Bottom()->IAxisSize, 400);
}

TEST(AxisRange, MarginRectangleWidensTheRangeSoThatTheDataEndsLieInside)
{
    TAxisChart C;
    C.Bottom()->SetMinMax(0, 10);
    C.Left()->SetMinMax(0, 10);
    C.Place(C.Bottom(), Plot);
    C.Place(C.Left(), Plot);

    C.Bottom()->AdjustMaxMinRect({10, 0, 15, 0});
    EXPECT_DOUBLE_EQ(C.Bottom()->IMinimum, -10 * 10 / 475.0);
    EXPECT_DOUBLE_EQ(C.Bottom()->IMaximum, 10 + 15 * 10 / 475.0);
    EXPECT_EQ(C.Bottom()->IStartPos, 100); // the full length is back
    EXPECT_EQ(C.Bottom()->CalcXPosValue(0), 110);
    EXPECT_EQ(C.Bottom()->CalcXPosValue(10), 585);

    // Top pads the maximum, Bottom the minimum.
    C.Left()->AdjustMaxMinRect({0, 4, 0, 20});
    EXPECT_DOUBLE_EQ(C.Left()->IMaximum, 10 + 4 * 10 / 376.0);
    EXPECT_DOUBLE_EQ(C.Left()->IMinimum, -20 * 10 / 376.0);
    EXPECT_EQ(C.Left()->CalcYPosValue(10), 54);
    EXPECT_EQ(C.Left()->CalcYPosValue(0), 430);

    // Offsets pad like series margins; no margins map the range onto itself.
    C.Bottom()->SetMinMax(0, 10);
    C.Bottom()->SetMinimumOffset(25);
    C.Place(C.Bottom(), Plot);
    C.Bottom()->PadRangeForSeries();
    EXPECT_DOUBLE_EQ(C.Bottom()->IMinimum, -25 * 10 / 475.0);
    EXPECT_DOUBLE_EQ(C.Bottom()->IMaximum, 10);
    // Exactly, whatever the length (431 * 0.6 / 431 is not 0.6 in doubles).
    C.Left()->SetMinMax(-0.3, 0.3);
    for (const int Length : {400, 431}) {
        C.Place(C.Left(), {100, 50, 600, 50 + Length});
        C.Left()->PadRangeForSeries();
        EXPECT_EQ(C.Left()->IMinimum, -0.3) << Length;
        EXPECT_EQ(C.Left()->IMaximum, 0.3) << Length;
    }

    // An empty range cannot be padded.
    C.Left()->SetMinMax(5, 5);
    C.Place(C.Left(), Plot);
    C.Left()->IMinimum = C.Left()->IMaximum = 5;
    C.Left()->RecalcRange();
    C.Left()->AdjustMaxMinRect({0, 4, 0, 4});
    EXPECT_EQ(C.Left()->IMinimum, 5);
    EXPECT_EQ(C.Left()->IMaximum, 5);
}

TEST(AxisRange, RefusedSettingsKeepTheStoredValue)
{
    TAxisChart C;
    TChartAxis* A = C.Left();
    A->SetAutomatic(false);
    A->SetMaximum(100);
    const int Before = C.Chart.InvalidateCount();

    EXPECT_EQ(AxisError([&] { A->SetMinimum(200); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(A->Minimum(), 0);
    EXPECT_EQ(AxisError([&] { A->SetMaximum(-5); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(A->Maximum(), 100);
    A->SetIncrement(5);
    EXPECT_EQ(AxisError([&] { A->SetIncrement(-1); }), "Axis increment must be >= 0");
    EXPECT_EQ(AxisError([&] { A->SetIncrement(std::nan("")); }), "Axis increment must be >= 0");
    EXPECT_EQ(A->Increment(), 5);
    EXPECT_EQ(AxisError([&] { A->SetLabelsSeparation(-1); }), "Labels Separation % must be greater than 0");
    EXPECT_EQ(A->LabelsSeparation(), 10);
    EXPECT_EQ(AxisError([&] { A->SetMinimum(std::nan("")); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(A->Minimum(), 0);
    EXPECT_EQ(C.Chart.InvalidateCount(), Before + 1); // the increment only

    // Moving the range up past its maximum: the maximum first.
    A->SetMaximum(300);
    A->SetMinimum(200);
    EXPECT_EQ(A->Minimum(), 200);
    A->SetLabelsSeparation(0);
    A->SetIncrement(0);
    EXPECT_EQ(A->Increment(), 0);
    // Limits and increment leave the automatic flags alone.
    A->SetAutomatic(true);
    A->SetMinimum(250);
    EXPECT_TRUE(A->Automatic());
}

TEST(AxisRange, SetMinMaxMakesTheAxisManualAndSeparatesEqualLimits)
{
    TAxisChart C;
    TChartAxis* A = C.Bottom();
    A->SetMinMax(10, 2);
    EXPECT_FALSE(A->Automatic());
    EXPECT_FALSE(A->AutomaticMinimum());
    EXPECT_FALSE(A->AutomaticMaximum());
    EXPECT_EQ(A->Minimum(), 2);
    EXPECT_EQ(A->Maximum(), 10);

    A->SetMinMax(5, 5);
    EXPECT_EQ(A->Minimum(), 5 - EqualLimitsGap);
    EXPECT_EQ(A->Maximum(), 5 + EqualLimitsGap);
    // Equal within the same-value tolerance counts as equal.
    A->SetMinMax(1e6, 1e6 + 1e-7);
    EXPECT_EQ(A->Minimum(), 1e6 - EqualLimitsGap);
    EXPECT_EQ(A->Maximum(), 1e6 + 1e-7 + EqualLimitsGap);
    // Tiny limits that differ stay apart.
    A->SetMinMax(0, 1e-13);
    EXPECT_EQ(A->Minimum(), 0);
    EXPECT_EQ(A->Maximum(), 1e-13);
    A->SetMinMax(1e-13, 1e-13);
    EXPECT_EQ(A->Minimum(), 1e-13 - EqualLimitsGap);
    A->SetMinMax(0, 1e-11);
    EXPECT_EQ(A->Minimum(), 0);
}

TEST(AxisRange, ScrollMovesBothLimitsUnlessTheDataWouldBeLeftBehind)
{
    TAxisChart C;
    C.AddFunction(11, [](int x) { return x; }); // X and Y 0 .. 10
    TChartAxis* A = C.Bottom();
    A->SetMinMax(2, 8);
    A->Scroll(1, true);
    EXPECT_EQ(A->Minimum(), 3);
    EXPECT_EQ(A->Maximum(), 9);
    A->Scroll(1, true); // 9 >= 10 - 1: refused
    EXPECT_EQ(A->Maximum(), 9);
    A->Scroll(-1, true);
    EXPECT_EQ(A->Minimum(), 2);
    A->SetMinMax(0.5, 6);
    A->Scroll(-1, true); // 0.5 <= 0 + 1: refused
    EXPECT_EQ(A->Minimum(), 0.5);
    A->Scroll(0, true);
    EXPECT_EQ(A->Minimum(), 0.5);

    C.Left()->SetAutomatic(true);
    C.Left()->Scroll(5, false);
    EXPECT_FALSE(C.Left()->Automatic());
    EXPECT_FALSE(C.Left()->AutomaticMaximum());
    EXPECT_EQ(C.Left()->Minimum(), 5);
    EXPECT_EQ(C.Left()->Maximum(), 5);
}

TEST(AxisStep, NextNiceStepIsTheNextOneTwoOrFiveTimesAPowerOfTen)
{
    EXPECT_EQ(TChartAxis::NextNiceStep(1), 2);
    EXPECT_EQ(TChartAxis::NextNiceStep(2), 5);
    EXPECT_EQ(TChartAxis::NextNiceStep(5), 10);
    EXPECT_EQ(TChartAxis::NextNiceStep(7.3), 10);
    EXPECT_EQ(TChartAxis::NextNiceStep(10), 20);
    EXPECT_EQ(TChartAxis::NextNiceStep(333.3), 500);
    EXPECT_EQ(TChartAxis::NextNiceStep(0.3), 0.5);
    EXPECT_EQ(TChartAxis::NextNiceStep(0.4167), 0.5);
    EXPECT_EQ(TChartAxis::NextNiceStep(0.05), 0.1);
    EXPECT_DOUBLE_EQ(TChartAxis::NextNiceStep(0.001), 0.002);
    EXPECT_EQ(TChartAxis::NextNiceStep(std::numeric_limits<double>::infinity()), 1);
    // Nothing to grow from: no endless descent.
    EXPECT_EQ(TChartAxis::NextNiceStep(0), 1);
    EXPECT_EQ(TChartAxis::NextNiceStep(std::nan("")), 1);
}

TEST(AxisStep, StepForLabelCount)
{
    TAxisChart C;
    TChartAxis* A = C.Left();
    A->SetMinMax(0, 100);
    C.Place(A, Plot);
    EXPECT_EQ(A->StepForLabelCount(0), SmallestAxisStep);
    // 100 / 11 gives 11 labels, one too many: the next nice step.
    EXPECT_EQ(A->StepForLabelCount(10), 10);
    EXPECT_EQ(A->StepForLabelCount(4), 50);
    EXPECT_EQ(A->StepForLabelCount(1), 100);

    // A wanted step large enough is used as it is; a crowding one doubles.
    A->SetIncrement(3);
    EXPECT_EQ(A->StepForLabelCount(40), 3);
    EXPECT_EQ(A->StepForLabelCount(20), 6);

    // 0.001 on 0 .. 1000 with room for 36 labels: 0.001 * 2^15, not 50.
    A->SetMinMax(0, 1000);
    A->SetIncrement(0.001);
    C.Place(A, Plot);
    EXPECT_DOUBLE_EQ(A->StepForLabelCount(36), 32.768);

    // A wanted step too small for the quotient grows by nice steps until
    // the quotient fits, then doubles until the labels do.
    A->SetIncrement(1e-300);
    A->SetMinMax(0, 1e300);
    C.Place(A, Plot);
    const double Step = A->StepForLabelCount(10);
    EXPECT_LE(std::nearbyint(1e300 / Step), 10);
    EXPECT_GE(std::nearbyint(1e300 / Step), 5);
}

TEST(AxisStep, FewPointsKeepWholeNumberStepsOnTheBottomAxis)
{
    // X = 0 .. 10, 11 points, room for 20 labels.
    TAxisChart C;
    C.AddFunction(11, [](int x) { return x * 0.5; });
    C.Place(C.Bottom(), Plot);
    C.Place(C.Left(), Plot);
    EXPECT_TRUE(C.Bottom()->FewPointsOnAxis(20));
    EXPECT_FALSE(C.Bottom()->FewPointsOnAxis(10));
    EXPECT_EQ(C.Bottom()->StepForLabelCount(20), 1);
    // The vertical axis never asks: 5 / 21 gives one label too many, then 0.5.
    EXPECT_FALSE(C.Left()->FewPointsOnAxis(20));
    EXPECT_EQ(C.Left()->StepForLabelCount(20), 0.5);

    // More points than labels: half steps are fine.
    TAxisChart Many;
    Many.AddFunction(101, [](int x) { return x; });
    Many.Bottom()->SetMinMax(0, 10);
    Many.Place(Many.Bottom(), Plot);
    EXPECT_FALSE(Many.Bottom()->FewPointsOnAxis(20));
    EXPECT_EQ(Many.Bottom()->StepForLabelCount(20), 0.5);

    // A range below 1.1 does not ask either.
    TAxisChart Short;
    Short.AddSeries({{0, 0}, {0.5, 1}, {1, 2}});
    Short.Place(Short.Bottom(), Plot);
    EXPECT_DOUBLE_EQ(Short.Bottom()->StepForLabelCount(20), 0.05);
}

TEST(AxisStep, CalcIncrementMeasuresSampleLabels)
{
    // Bottom axis 0 .. 10 on 500 pixels, 101 points. The samples are 0, 10
    // and the middle 5 halved to 2.5; "2.5" is the widest (3 characters).
    TAxisChart C;
    C.AddFunction(101, [](int x) { return x; });
    C.Bottom()->SetMinMax(0, 10);
    C.Place(C.Bottom(), Plot);
    C.Chart.PrepareFont3D(*C.Bottom()->LabelsFont());
    const int Widest = C.Canvas->TextWidth(QStringLiteral("2.5"));
    EXPECT_EQ(C.Bottom()->LabelWidth(2.5), Widest);
    // Room: 500 / (width + 10 %) labels; the step for that count.
    const int Count = int(std::nearbyint(500.0 / (Widest + std::nearbyint(Widest * 0.1))));
    EXPECT_EQ(C.Bottom()->CalcIncrement(), C.Bottom()->StepForLabelCount(Count));
    EXPECT_EQ(C.Bottom()->CalcIncrement(), 0.5); // 23 labels with the test metrics

    // A vertical axis counts one text height per label.
    C.Left()->SetMinMax(0, 10);
    C.Place(C.Left(), Plot);
    EXPECT_EQ(C.Left()->LabelHeight(12345.5), C.Canvas->TextHeight(QStringLiteral("W")));

    // Labels counted as one pixel each.
    C.Bottom()->SetLabelsGridIgnoresLabelSize(true);
    EXPECT_EQ(C.Bottom()->LabelWidth(2.5), 1);
}

// The series' vertical limits are kept between frames: every change of the
// values, and every point becoming null, is seen.
TEST(AxisRange, SeriesYLimitsFollowEveryChange)
{
    TAxisChart C;
    TLineSeries* S = C.AddSeries({{1, 5}, {2, -2}, {3, 4}});
    EXPECT_EQ(S->MinYValue(), -2);
    EXPECT_EQ(S->MaxYValue(), 5);
    S->AddXY(4, 9);
    EXPECT_EQ(S->MaxYValue(), 9);
    S->Delete(1);
    EXPECT_EQ(S->MinYValue(), 4);
    S->AddXYArrays({0.5}, {-7});
    EXPECT_EQ(S->MinYValue(), -7);
    S->SetNull(0);
    EXPECT_EQ(S->MinYValue(), 4);
    S->SetTreatNulls(tnIgnore);
    EXPECT_EQ(S->MinYValue(), -7);
    S->Clear();
    S->AddXY(1, 3);
    EXPECT_EQ(S->MinYValue(), 3);
    EXPECT_EQ(S->MaxYValue(), 3);
}
