#include "AxisTestChart.h"
#include "chart/axes/ChartAxisTitle.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

const TRect Plot{100, 50, 600, 450};

QStringList Texts(const TChartAxis* Axis)
{
    QStringList Result;
    for (const TAxisItem& Item : Axis->Items())
        Result << Item.FText;
    return Result;
}

std::vector<int> Positions(const TChartAxis* Axis)
{
    std::vector<int> Result;
    for (const TAxisItem& Item : Axis->Items())
        Result.push_back(Item.FLabelPos);
    return Result;
}

// A chart whose left axis shows Min .. Max with the given increment.
struct TManualLeft : TAxisChart {
    TManualLeft(double Min, double Max, double Increment)
    {
        AddSeries({{0, Min}, {1, Max}});
        Left()->SetAutomatic(false);
        Left()->SetMinMax(Min, Max);
        Left()->SetIncrement(Increment);
        LayoutAndDraw(Plot);
    }
};

const TAxisTestCanvas::TText* FindText(const TAxisTestCanvas& C, const QString& Text)
{
    for (const auto& T : C.Texts)
        if (T.Text == Text)
            return &T;
    return nullptr;
}

std::vector<TAxisTestCanvas::TLine> LinesOf(const std::vector<TAxisTestCanvas::TLine>& Lines, TColor Color)
{
    std::vector<TAxisTestCanvas::TLine> Result;
    for (const auto& L : Lines)
        if (L.Color == Color)
            Result.push_back(L);
    return Result;
}

} // namespace

TEST(AxisLabels, WalkFromTheTopValueDown)
{
    {
        TManualLeft C(0, 1, 0.1);
        EXPECT_EQ(C.Left()->LabelIncrement(), 0.1);
        EXPECT_EQ(Texts(C.Left()), QStringList({"1", "0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3", "0.2",
                                                "0.1", "0"}));
        // Ten subtractions leave a little above 0; it is kept and reads 0.
        const double Last = C.Left()->Items().back().FValue;
        EXPECT_GT(Last, 0);
        EXPECT_LT(Last, 1e-15);
        EXPECT_EQ(C.Left()->Items().back().FLabelPos, C.Left()->IEndPos);
        EXPECT_EQ(C.Left()->Items().front().FLabelPos, C.Left()->IStartPos);
    }
    {
        // 0.3 / 0.1 truncates to 2; the last subtraction lands just below -0.3.
        TManualLeft C(-0.3, 0.3, 0.1);
        EXPECT_EQ(Texts(C.Left()), QStringList({"0.2", "0.1", "0", "-0.1", "-0.2"}));
    }
    {
        TManualLeft C(0, 10, 2);
        EXPECT_EQ(Texts(C.Left()), QStringList({"10", "8", "6", "4", "2", "0"}));
        // Each label has its tick, at its value's position.
        EXPECT_EQ(C.Left()->Tick, Positions(C.Left()));
        EXPECT_EQ(C.Left()->Tick[1], C.Left()->CalcYPosValue(8));
    }
    {
        // Without rounding the first label starts at the maximum itself.
        // Digits are grouped by three.
        TAxisChart C;
        C.AddSeries({{0, -1500}, {1, 1234.5}});
        C.Left()->SetRoundFirstLabel(false);
        C.Left()->SetMinMax(-1500, 1234.5);
        C.Left()->SetIncrement(2734.5);
        C.LayoutAndDraw(Plot);
        EXPECT_EQ(Texts(C.Left()), QStringList({"1,234.5", "-1,500"}));
    }
}

TEST(AxisLabels, AllValuesEqualGiveOneLabelTickAndGridLineAtTheMiddle)
{
    TAxisChart C;
    C.AddFunction(5, [](int) { return 5.0; });
    C.LayoutAndDraw(Plot);
    TChartAxis* A = C.Left();
    EXPECT_TRUE(A->IRangeZero);
    EXPECT_EQ(A->LabelIncrement(), 1);
    EXPECT_EQ(Texts(A), QStringList({"5"}));
    EXPECT_EQ(A->Tick, std::vector<int>{A->ICenterPos});
    EXPECT_EQ(A->Items()[0].FLabelPos, A->ICenterPos);

    // The left axis' horizontal lines: one tick, one grid line, no minor ticks.
    const auto Horiz = C.Canvas->HorizLines();
    const auto Ticks = LinesOf(Horiz, 0x808080);
    ASSERT_EQ(Ticks.size(), 1u);
    EXPECT_EQ(Ticks[0].At, A->ICenterPos);
    const auto Grid = LinesOf(Horiz, clSilver);
    ASSERT_EQ(Grid.size(), 1u);
    EXPECT_EQ(Grid[0].At, A->ICenterPos);
    // Every point sits at the middle.
    EXPECT_EQ(A->CalcYPosValue(5), A->ICenterPos);
}

TEST(AxisLabels, EmptyChartDrawsFourAxisLinesAndReservesTheFixedBands)
{
    TAxisChart C;
    C.LayoutAndDraw(Plot);
    const int Text = C.TextHeight(*C.Bottom()->LabelsFont());
    // Bottom and top: a text height of labels and the 7-pixel tick band;
    // left and right: no labels width, only the tick band.
    EXPECT_EQ(C.Chart.ChartRect(), (TRect{107, 50 + Text + 7, 593, 450 - Text - 7}));
    const TRect R = C.Chart.ChartRect();

    EXPECT_TRUE(C.Canvas->Texts.empty());
    ASSERT_EQ(C.Canvas->Lines.size(), 4u);
    for (const auto& L : C.Canvas->Lines) {
        EXPECT_EQ(L.Color, clBlack);
        EXPECT_EQ(L.Width, 2);
    }
    const auto H = C.Canvas->HorizLines();
    const auto V = C.Canvas->VertLines();
    ASSERT_EQ(H.size(), 2u);
    ASSERT_EQ(V.size(), 2u);
    EXPECT_EQ(H[0].At, R.Bottom + 1); // bottom, in list order
    EXPECT_EQ(H[1].At, R.Top);        // top
    EXPECT_EQ(V[0].At, R.Left - 1);   // left
    EXPECT_EQ(V[1].At, R.Right + 1);  // right
    EXPECT_EQ(H[0].A0, R.Left);
    EXPECT_EQ(H[0].A1, R.Right);
    EXPECT_EQ(V[0].A0, R.Top);
    EXPECT_EQ(V[0].A1, R.Bottom);
    for (const TChartAxis* Axis : C.Chart.Axes())
        EXPECT_TRUE(Axis->Tick.empty());
}

TEST(AxisLabels, OnlyTheAxesOfTheSeriesAreShown)
{
    TAxisChart C;
    TLineSeries* S = C.AddFunction(3, [](int x) { return x; });
    C.Layout(Plot);
    EXPECT_TRUE(C.Bottom()->Shown());
    EXPECT_TRUE(C.Left()->Shown());
    EXPECT_FALSE(C.Chart.TopAxis()->Shown());
    EXPECT_FALSE(C.Chart.RightAxis()->Shown());
    EXPECT_FALSE(C.Chart.DepthAxis()->Shown());
    EXPECT_EQ(C.Chart.Axes().size(), 6u);

    // Every series hidden: the four side axes again, without labels.
    S->SetActive(false);
    C.LayoutAndDraw(Plot);
    EXPECT_TRUE(C.Chart.TopAxis()->Shown());
    EXPECT_TRUE(C.Chart.RightAxis()->Shown());
    EXPECT_TRUE(C.Canvas->Texts.empty());

    C.Chart.SetAxisVisible(false);
    C.Layout(Plot);
    EXPECT_FALSE(C.Bottom()->Shown());
    EXPECT_EQ(C.Chart.ChartRect(), Plot);
}

TEST(AxisLabels, LeftBandGrowsWithTheWidestLabelButTheBottomBandDoesNot)
{
    TAxisChart Small;
    Small.AddFunction(11, [](int x) { return 2.0 * x; });
    Small.Layout(Plot);

    TAxisChart Large;
    Large.AddFunction(11, [](int x) { return x * 1000.0; });
    Large.Bottom()->SetMinMax(0, 10000);
    Large.Layout(Plot);

    const TChartFont& Font = *Large.Left()->LabelsFont();
    const int Text = Large.TextHeight(Font);
    const int Widest = Large.TextWidth(Font, QStringLiteral("10,000"));
    const int Space = Large.TextWidth(Font, QStringLiteral(" "));
    EXPECT_EQ(Large.Chart.ChartRect().Left, Plot.Left + Widest + Space + 7);
    EXPECT_EQ(Large.Left()->PosLabels(), Plot.Left + Widest + Space);
    EXPECT_EQ(Small.Chart.ChartRect().Left, Plot.Left + Large.TextWidth(Font, QStringLiteral("20")) + Space + 7);

    EXPECT_EQ(Large.Chart.ChartRect().Bottom, Plot.Bottom - Text - 7);
    EXPECT_EQ(Small.Chart.ChartRect().Bottom, Plot.Bottom - Text - 7);
    EXPECT_EQ(Large.Bottom()->PosLabels(), Plot.Bottom - Text);

    // A larger labels font: wider and taller bands.
    Large.Left()->LabelsFont()->SetSize(12);
    Large.Bottom()->LabelsFont()->SetSize(12);
    Large.Layout(Plot);
    EXPECT_EQ(Large.Chart.ChartRect().Left,
              Plot.Left + Large.TextWidth(Font, QStringLiteral("10,000")) + Large.TextWidth(Font, QStringLiteral(" ")) + 7);
    EXPECT_EQ(Large.Chart.ChartRect().Bottom, Plot.Bottom - Large.TextHeight(Font) - 7);

    // A fixed labels size replaces the measure.
    Large.Left()->SetLabelsSize(40);
    Large.Layout(Plot);
    EXPECT_EQ(Large.Chart.ChartRect().Left, Plot.Left + 40 + 7);
}

TEST(AxisLabels, LineTicksAndLabelsArePlacedAroundTheChartRectangle)
{
    TAxisChart C;
    C.AddFunction(11, [](int x) { return x * 10.0; });
    C.LayoutAndDraw(Plot);
    const TRect R = C.Chart.ChartRect();
    TChartAxis* B = C.Bottom();
    TChartAxis* L = C.Left();
    EXPECT_EQ(B->PosAxis(), R.Bottom);
    EXPECT_EQ(L->PosAxis(), R.Left);
    EXPECT_EQ(B->PosLabels(), R.Bottom + 7);
    EXPECT_EQ(L->PosLabels(), R.Left - 7);
    EXPECT_EQ(B->IStartPos, R.Left);
    EXPECT_EQ(B->IEndPos, R.Right);
    EXPECT_EQ(L->IStartPos, R.Top);
    EXPECT_EQ(L->IEndPos, R.Bottom);
    ASSERT_FALSE(B->Items().empty());
    ASSERT_FALSE(L->Items().empty());

    // Axis lines (width 2) just outside the rectangle.
    const auto Axis = LinesOf(C.Canvas->Lines, clBlack);
    ASSERT_EQ(Axis.size(), 2u);
    EXPECT_TRUE(Axis[0].Horizontal);
    EXPECT_EQ(Axis[0].At, R.Bottom + 1);
    EXPECT_FALSE(Axis[1].Horizontal);
    EXPECT_EQ(Axis[1].At, R.Left - 1);

    // Ticks from the axis line outward, one per label.
    const auto Ticks = LinesOf(C.Canvas->Lines, 0x808080);
    std::vector<int> BottomTicks;
    std::vector<int> LeftTicks;
    for (const auto& T : Ticks) {
        if (T.Horizontal && T.A0 - T.A1 == 4) {
            EXPECT_EQ(T.A0, R.Left - 2);
            LeftTicks.push_back(T.At);
        } else if (!T.Horizontal && T.A1 - T.A0 == 4) {
            EXPECT_EQ(T.A0, R.Bottom + 2);
            BottomTicks.push_back(T.At);
        }
    }
    EXPECT_EQ(BottomTicks, B->Tick);
    EXPECT_EQ(LeftTicks, L->Tick);

    // A bottom label is centred on its tick with its top at the labels band;
    // a left label ends at the band and is centred on its tick vertically.
    const TChartFont& Font = *B->LabelsFont();
    const int a = C.TextHeight(Font);
    const TAxisItem& BI = B->Items()[1];
    const auto* BT = FindText(*C.Canvas, BI.FText);
    ASSERT_NE(BT, nullptr);
    const int BW = C.TextWidth(Font, BI.FText);
    const int BLeft = BI.FLabelPos - BW / 2;
    EXPECT_EQ(BT->Align, ta_Center);
    EXPECT_EQ(BT->X, (2 * BLeft + BW) / 2);
    EXPECT_EQ(BT->Y, B->PosLabels());

    const TAxisItem& LI = L->Items()[1];
    const auto* LT = FindText(*C.Canvas, LI.FText);
    ASSERT_NE(LT, nullptr);
    const int LW = C.TextWidth(Font, LI.FText);
    EXPECT_EQ(LT->X, (2 * L->PosLabels() - LW) / 2);
    EXPECT_EQ(LT->Y, LI.FLabelPos - a / 2);
}

TEST(AxisLabels, MinorTicksDivideTheTickDistances)
{
    TManualLeft C(0, 10, 2);
    const TChartAxis* A = C.Left();
    ASSERT_EQ(A->Tick.size(), 6u);
    std::vector<int> Expected;
    for (size_t i = 1; i < A->Tick.size(); ++i) {
        const int d = A->Tick[i] - A->Tick[i - 1];
        for (int j = 1; j <= 3; ++j)
            Expected.push_back(A->Tick[i] - int(std::nearbyint(d * 0.25 * j)));
    }
    // The extensions beyond the first and last tick fall outside the axis.
    std::vector<int> Minor;
    for (const auto& T : C.Canvas->HorizLines())
        if (T.Color == 0x808080 && T.A0 - T.A1 == 2) {
            EXPECT_EQ(T.A0, A->PosAxis() - 2);
            Minor.push_back(T.At);
        }
    EXPECT_EQ(Minor, Expected);

    // A bottom axis whose first tick is inside gets the extension too.
    TAxisChart D;
    D.AddFunction(3, [](int x) { return x; });
    D.Bottom()->SetMinMax(-0.9, 2.9);
    D.Bottom()->SetIncrement(1);
    D.LayoutAndDraw(Plot);
    const TChartAxis* B = D.Bottom();
    ASSERT_EQ(B->Tick.size(), 3u);
    int Beyond = 0;
    for (const auto& T : D.Canvas->VertLines())
        if (T.Color == 0x808080 && T.A1 - T.A0 == 2 && (T.At > B->Tick[0] || T.At < B->Tick[2]))
            ++Beyond;
    EXPECT_EQ(Beyond, 6);
}

TEST(AxisLabels, AnAxisTooShortForOneLabelDrawsOnlyItsLine)
{
    TAxisChart C;
    C.AddFunction(11, [](int x) { return x; });
    C.Place(C.Left(), {100, 50, 600, 56});
    C.Canvas->Clear();
    C.Left()->Draw(true);
    EXPECT_EQ(C.Left()->LabelIncrement(), SmallestAxisStep);
    EXPECT_TRUE(C.Left()->Items().empty());
    EXPECT_TRUE(C.Left()->Tick.empty());
    EXPECT_TRUE(C.Canvas->Texts.empty());
    ASSERT_EQ(C.Canvas->Lines.size(), 1u);
    EXPECT_EQ(C.Canvas->Lines[0].At, 99);
}

TEST(AxisLabels, HoverTestFindsTheLabelUnderTheMouse)
{
    TAxisChart C;
    C.AddFunction(11, [](int x) { return x; });
    C.LayoutAndDraw(Plot);
    TChartAxis* B = C.Bottom();
    TChartAxis* L = C.Left();
    const TChartFont& Font = *B->LabelsFont();
    const int h = C.TextHeight(Font);
    const TAxisItem& Item = B->Items()[2];
    const int w = C.TextWidth(Font, Item.FText);

    const int Before = C.Chart.InvalidateCount();
    EXPECT_TRUE(C.Chart.CheckAxisLabelHover(Item.FLabelPos, B->PosLabels() + h));
    EXPECT_EQ(B->HoverIndex(), 2);
    EXPECT_EQ(L->HoverIndex(), -1);
    EXPECT_FALSE(C.Chart.CheckAxisLabelHover(Item.FLabelPos - w / 2, B->PosLabels()));
    EXPECT_EQ(C.Chart.InvalidateCount(), Before + 1);
    // Just below the band: nothing.
    EXPECT_TRUE(C.Chart.CheckAxisLabelHover(Item.FLabelPos, B->PosLabels() + h + 1));
    EXPECT_EQ(B->HoverIndex(), -1);

    // Left labels: right edge at the band, centred on the tick.
    const TAxisItem& LItem = L->Items()[1];
    const int lw = C.TextWidth(Font, LItem.FText);
    EXPECT_TRUE(C.Chart.CheckAxisLabelHover(L->PosLabels() - lw, LItem.FLabelPos - h / 2));
    EXPECT_EQ(L->HoverIndex(), 1);
    EXPECT_TRUE(C.Chart.CheckAxisLabelHover(L->PosLabels() - lw - 1, LItem.FLabelPos));
    EXPECT_EQ(L->HoverIndex(), -1);

    // The hovered label is drawn bold, the others not.
    C.Chart.CheckAxisLabelHover(L->PosLabels() - 1, LItem.FLabelPos);
    C.Canvas->Clear();
    C.Chart.DrawAllAxes();
    for (const auto& T : C.Canvas->Texts) {
        if (T.X < B->IStartPos) {
            EXPECT_EQ((T.FontStyle & fsBold) != 0, T.Text == LItem.FText) << T.Text.toStdString();
        }
    }

    C.Chart.ClearAxisLabelHover();
    EXPECT_EQ(L->HoverIndex(), -1);
    // Without the chart's hover highlighting nothing is tracked.
    C.Chart.AxesList()->SetHoverVisible(false);
    EXPECT_FALSE(C.Chart.CheckAxisLabelHover(Item.FLabelPos, B->PosLabels()));
    EXPECT_EQ(B->HoverIndex(), -1);
}
