#include "AxisTestChart.h"
#include "chart/axes/ChartAxisTitle.h"

#include <gtest/gtest.h>

namespace {

const TRect Plot{100, 50, 600, 450};

std::vector<TAxisTestCanvas::TLine> Grid(const TAxisTestCanvas& C, bool Horizontal, TColor Color = clSilver)
{
    std::vector<TAxisTestCanvas::TLine> Result;
    for (const auto& L : C.Lines)
        if (L.Horizontal == Horizontal && L.Color == Color)
            Result.push_back(L);
    return Result;
}

std::vector<TAxisTestCanvas::TText> TextsNamed(const TAxisTestCanvas& C, const QString& Text)
{
    std::vector<TAxisTestCanvas::TText> Result;
    for (const auto& T : C.Texts)
        if (T.Text == Text)
            Result.push_back(T);
    return Result;
}

struct TDataChart : TAxisChart {
    TDataChart() { AddFunction(11, [](int x) { return x * 10.0; }); }
};

} // namespace

TEST(AxisTitle, BottomTitleTakesOneTextHeightOutsideTheLabels)
{
    TDataChart C;
    C.Layout(Plot);
    const int Plain = C.Chart.ChartRect().Bottom;

    TChartAxisTitle* T = C.Bottom()->Title();
    T->SetCaption(QStringLiteral("Time"));
    T->Font()->SetSize(20);
    C.LayoutAndDraw(Plot);
    const int TitleHeight = C.TextHeight(*T->Font());
    const int LabelsHeight = C.TextHeight(*C.Bottom()->LabelsFont());
    EXPECT_EQ(C.Chart.ChartRect().Bottom, Plain - TitleHeight);
    EXPECT_EQ(C.Bottom()->PosTitle(), Plot.Bottom - TitleHeight);
    EXPECT_EQ(C.Bottom()->PosLabels(), Plot.Bottom - TitleHeight - LabelsHeight);

    // Centred under the middle of the axis, its top at the title band.
    const auto Out = TextsNamed(*C.Canvas, QStringLiteral("Time"));
    ASSERT_EQ(Out.size(), 1u);
    EXPECT_FALSE(Out[0].Rotated);
    EXPECT_EQ(Out[0].Align, ta_Center);
    EXPECT_EQ(Out[0].FontSize, 20);
    const int W = C.TextWidth(*T->Font(), QStringLiteral("Time"));
    EXPECT_EQ(Out[0].X, (2 * (C.Bottom()->ICenterPos - W / 2) + W) / 2);
    EXPECT_EQ(Out[0].Y, C.Bottom()->PosTitle());

    // At the start of the axis instead.
    T->SetPosition(tpStart);
    C.LayoutAndDraw(Plot);
    EXPECT_EQ(TextsNamed(*C.Canvas, QStringLiteral("Time"))[0].X, C.Bottom()->IStartPos + W / 2);
}

TEST(AxisTitle, TwoLineTitleTakesOneLineOfBand)
{
    TDataChart C;
    C.Layout(Plot);
    const int Plain = C.Chart.ChartRect().Bottom;
    TChartAxisTitle* T = C.Bottom()->Title();
    T->SetText(QStringLiteral("Time\rseconds"));
    EXPECT_EQ(T->Caption(), "Time");
    C.LayoutAndDraw(Plot);
    const int Line = C.TextHeight(*T->Font());
    EXPECT_EQ(C.Chart.ChartRect().Bottom, Plain - Line);
    // Both lines are drawn, one under the other.
    const auto First = TextsNamed(*C.Canvas, QStringLiteral("Time"));
    const auto Second = TextsNamed(*C.Canvas, QStringLiteral("seconds"));
    ASSERT_EQ(First.size(), 1u);
    ASSERT_EQ(Second.size(), 1u);
    EXPECT_EQ(Second[0].Y, First[0].Y + Line);
    EXPECT_EQ(Second[0].X, First[0].X);
}

TEST(AxisTitle, EmptyCaptionOrHiddenTitleTakesNoBand)
{
    TDataChart C;
    C.Layout(Plot);
    const TRect Plain = C.Chart.ChartRect();

    C.Bottom()->Title()->SetText(QStringLiteral("\rsecond line"));
    C.Left()->Title()->SetCaption(QString());
    C.LayoutAndDraw(Plot);
    EXPECT_EQ(C.Chart.ChartRect(), Plain);
    EXPECT_TRUE(TextsNamed(*C.Canvas, QStringLiteral("second line")).empty());

    C.Left()->Title()->SetCaption(QStringLiteral("Y"));
    C.Left()->Title()->SetVisible(false);
    C.Layout(Plot);
    EXPECT_EQ(C.Chart.ChartRect(), Plain);

    // A fixed title size replaces the measure.
    C.Left()->Title()->SetVisible(true);
    C.Left()->SetTitleSize(30);
    C.Layout(Plot);
    EXPECT_EQ(C.Chart.ChartRect().Left, Plain.Left + 30);
}

TEST(AxisTitle, LeftTitleReadsUpwardsOutsideItsBand)
{
    TDataChart C;
    C.Layout(Plot);
    const int Plain = C.Chart.ChartRect().Left;
    TChartAxisTitle* T = C.Left()->Title();
    T->SetCaption(QStringLiteral("Height"));
    EXPECT_EQ(T->Angle(), 90);
    C.LayoutAndDraw(Plot);

    const int H = C.TextHeight(*T->Font());
    const int W = C.TextWidth(*T->Font(), QStringLiteral("Height"));
    EXPECT_EQ(C.Chart.ChartRect().Left, Plain + H);
    EXPECT_EQ(C.Left()->PosTitle(), Plot.Left + H);

    // The box sits h + 3 (the unpainted shadow) left of the band's inner
    // edge, centred on the axis; the text turns about the box centre.
    const int h = H / 2;
    const int BoxLeft = C.Left()->PosTitle() - h - 3 - int(std::nearbyint(W * 0.5));
    const int BoxTop = C.Left()->ICenterPos - h;
    const auto Out = TextsNamed(*C.Canvas, QStringLiteral("Height"));
    ASSERT_EQ(Out.size(), 1u);
    EXPECT_TRUE(Out[0].Rotated);
    EXPECT_EQ(Out[0].Degrees, 90);
    EXPECT_TRUE(Out[0].UseCenter);
    EXPECT_EQ(Out[0].X, (2 * BoxLeft + W) / 2);
    EXPECT_EQ(Out[0].Y, BoxTop);
    EXPECT_EQ(Out[0].Center, (TPoint{(2 * BoxLeft + W) / 2, (2 * BoxTop + H) / 2}));

    // A larger title font widens the band by its text height.
    T->Font()->SetSize(16);
    C.Layout(Plot);
    EXPECT_EQ(C.Chart.ChartRect().Left, Plain + C.TextHeight(*T->Font()));
}

TEST(AxisGrid, LinesAtTheTicksInsideTheAxisOnly)
{
    // Labels exactly at both ends of the left axis: drawn with their ticks,
    // but without grid lines there.
    TAxisChart C;
    C.AddSeries({{0, 0}, {1, 10}});
    C.Left()->SetMinMax(0, 10);
    C.Left()->SetIncrement(2);
    C.LayoutAndDraw(Plot);
    const TRect R = C.Chart.ChartRect();
    const TChartAxis* A = C.Left();
    ASSERT_EQ(A->Tick.size(), 6u);
    EXPECT_EQ(A->Tick.front(), A->IStartPos);
    EXPECT_EQ(A->Tick.back(), A->IEndPos);
    EXPECT_EQ(TextsNamed(*C.Canvas, QStringLiteral("10")).size(), 1u);

    const auto Lines = Grid(*C.Canvas, true);
    ASSERT_EQ(Lines.size(), 4u);
    for (size_t i = 0; i < Lines.size(); ++i) {
        EXPECT_EQ(Lines[i].At, A->Tick[i + 1]);
        EXPECT_EQ(Lines[i].A0, R.Left + 1);
        EXPECT_EQ(Lines[i].A1, R.Right);
        EXPECT_EQ(Lines[i].Width, 1);
    }
    // The bottom axis' grid lines run down from below the top edge.
    for (const auto& L : Grid(*C.Canvas, false)) {
        EXPECT_EQ(L.A0, R.Top + 1);
        EXPECT_EQ(L.A1, R.Bottom);
        EXPECT_GT(L.At, C.Bottom()->IStartPos);
        EXPECT_LT(L.At, C.Bottom()->IEndPos);
    }
}

TEST(AxisGrid, EveryCentredDefaultColourAndHidden)
{
    TAxisChart C;
    C.AddSeries({{0, 0}, {1, 10}});
    C.Left()->SetMinMax(0, 10);
    C.Left()->SetIncrement(2);
    TAxisGridPen* G = C.Left()->Grid();

    // Every second line: of ticks 0, 2 and 4, the first is at the axis end.
    G->SetDrawEvery(2);
    C.LayoutAndDraw(Plot);
    auto Lines = Grid(*C.Canvas, true);
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_EQ(Lines[0].At, C.Left()->Tick[2]);
    EXPECT_EQ(Lines[1].At, C.Left()->Tick[4]);

    // Centred between the ticks.
    G->SetDrawEvery(0);
    G->SetCentered(true);
    C.LayoutAndDraw(Plot);
    Lines = Grid(*C.Canvas, true);
    const auto& T = C.Left()->Tick;
    ASSERT_EQ(Lines.size(), 5u);
    for (size_t i = 1; i < T.size(); ++i)
        EXPECT_EQ(Lines[i - 1].At, int(std::nearbyint((T[i] + T[i - 1]) * 0.5)));

    // The automatic colour draws dark grey.
    G->SetCentered(false);
    G->SetColor(clDefault);
    C.LayoutAndDraw(Plot);
    auto Rows = [&C] {
        int n = 0;
        for (const auto& L : C.Canvas->HorizLines())
            n += L.A0 == C.Chart.ChartRect().Left + 1;
        return n;
    };
    EXPECT_EQ(Grid(*C.Canvas, true).size(), 0u);
    EXPECT_EQ(Rows(), 4);
    for (const auto& L : C.Canvas->HorizLines()) {
        if (L.A0 == C.Chart.ChartRect().Left + 1) {
            EXPECT_EQ(L.Color, 0x808080u);
        }
    }

    G->SetVisible(false);
    C.LayoutAndDraw(Plot);
    EXPECT_EQ(Rows(), 0);
}
