#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/canvas/ChartCanvas.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

// Whole frames on the antialiased surface with the axes at their places in
// the frame, checked against the surface's own text metrics and by pixels.
namespace {

class TAxisFrameChart : public TChart {
protected:
    void CalcAxesLayout() override { LayoutAxes(); }
    void DrawAxes() override { DrawAllAxes(); }
};

struct TAxisFrame {
    TAxisFrameChart Chart;
    QImage Image{781, 590, QImage::Format_ARGB32_Premultiplied};

    TAxisFrame()
    {
        ConfigurePlotvaneChart(Chart);
        Image.fill(Qt::magenta);
    }
    void Frame() { Chart.Draw(&Image, {0, 0, Image.width(), Image.height()}); }
    QRgb At(int x, int y) const { return Image.pixel(x, y) | 0xFF000000u; }
    int TextWidth(const TChartFont& Font, const QString& Text)
    {
        Chart.Canvas()->AssignFont(Font);
        return Chart.Canvas()->TextWidth(Text);
    }
    int TextHeight(const TChartFont& Font)
    {
        Chart.Canvas()->AssignFont(Font);
        return Chart.Canvas()->TextHeight(QStringLiteral("W"));
    }
};

QStringList Texts(const TChartAxis* Axis)
{
    QStringList Result;
    for (const TAxisItem& Item : Axis->Items())
        Result << Item.FText;
    return Result;
}

} // namespace

TEST(AxisFrame, BandsFollowTheSurfaceMetrics)
{
    TAxisFrame F;
    auto* S = new TLineSeries(&F.Chart);
    F.Chart.AddSeries(S);
    for (int x = 0; x <= 10; ++x)
        S->AddXY(x, x * x * 12.5);
    F.Chart.BottomAxis()->Title()->SetCaption(QStringLiteral("時間"));
    F.Frame();

    const TRect Before = F.Chart.LastLayout().ChartRectAfterTitlesAndLegend;
    const TRect R = F.Chart.LastLayout().ChartRectFinal;
    TChartAxis* B = F.Chart.BottomAxis();
    TChartAxis* L = F.Chart.LeftAxis();

    // Eleven points 0 .. 10 with room for more labels: whole steps.
    EXPECT_EQ(B->LabelIncrement(), 1);
    EXPECT_EQ(Texts(B), QStringList({"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
    ASSERT_FALSE(L->Items().empty());
    EXPECT_EQ(L->Items().front().FText, "1,250");

    const TChartFont& Font = *L->LabelsFont();
    int Widest = 0;
    for (const TAxisItem& Item : L->Items())
        Widest = std::max(Widest, F.TextWidth(Font, Item.FText));
    EXPECT_EQ(R.Left, Before.Left + Widest + F.TextWidth(Font, QStringLiteral(" ")) + 7);
    EXPECT_EQ(R.Bottom, Before.Bottom - F.TextHeight(*B->Title()->Font()) - F.TextHeight(Font) - 7);
    EXPECT_EQ(R.Top, Before.Top);
    EXPECT_EQ(R.Right, Before.Right);
}

TEST(AxisFrame, LinesTicksGridAndLabelsOnThePicture)
{
    TAxisFrame F;
    auto* S = new TLineSeries(&F.Chart);
    F.Chart.AddSeries(S);
    S->AddXY(0, 0);
    S->AddXY(1, 10);
    F.Chart.LeftAxis()->SetMinMax(0, 10);
    F.Chart.LeftAxis()->SetIncrement(2);
    F.Frame();
    const TRect R = F.Chart.LastLayout().ChartRectFinal;
    const TChartAxis* L = F.Chart.LeftAxis();
    ASSERT_EQ(L->Tick.size(), 6u);
    const int MidX = (R.Left + R.Right) / 2;
    const int Y = L->Tick[2]; // an inner label, value 6

    const QRgb Black = qRgb(0, 0, 0);
    const QRgb TickGrey = qRgb(128, 128, 128);
    const QRgb GridGrey = qRgb(192, 192, 192);
    // Axis lines two pixels wide just outside the plot area.
    EXPECT_EQ(F.At(R.Left - 1, Y + 3), Black);
    EXPECT_EQ(F.At(R.Left - 2, Y + 3), Black);
    EXPECT_EQ(F.At(MidX + 3, R.Bottom), Black);
    EXPECT_EQ(F.At(MidX + 3, R.Bottom + 1), Black);
    // A tick and its grid line.
    EXPECT_EQ(F.At(R.Left - 4, Y), TickGrey);
    EXPECT_EQ(F.At(R.Left + 20, Y), GridGrey);
    EXPECT_EQ(F.At(R.Right - 1, Y), GridGrey);
    EXPECT_NE(F.At(R.Left + 20, Y + 2), GridGrey);

    // The label "6" is drawn in dark pixels left of the labels band edge.
    int Dark = 0;
    const int h = F.TextHeight(*L->LabelsFont());
    for (int y = Y - h / 2; y < Y + h / 2; ++y)
        for (int x = L->PosLabels() - 15; x <= L->PosLabels(); ++x)
            Dark += qGray(F.At(x, y)) < 100;
    EXPECT_GT(Dark, 5);
}
