#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/canvas/ChartCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

// Whole frames of data the label format alone cannot tell apart, or whose
// limits lie far below 1e-12: every label must still read differently from
// its neighbours, and the series must still span the plot.
namespace {

class TReadingChart : public TChart {
protected:
    void CalcAxesLayout() override { LayoutAxes(); }
    void DrawAxes() override { DrawAllAxes(); }
};

struct TReadingFrame {
    TReadingChart Chart;
    TLineSeries* Series = nullptr;
    QImage Image{781, 590, QImage::Format_ARGB32_Premultiplied};

    // 200 points (i, f(i)).
    explicit TReadingFrame(const std::function<double(int)>& f, bool AlongX = false)
    {
        ConfigurePlotvaneChart(Chart);
        Series = new TLineSeries(&Chart);
        Chart.AddSeries(Series);
        for (int i = 0; i < 200; ++i)
            AlongX ? Series->AddXY(f(i), i) : Series->AddXY(i, f(i));
        Image.fill(Qt::magenta);
        Chart.Draw(&Image, {0, 0, Image.width(), Image.height()});
    }
    int TextWidth(const TChartFont& Font, const QString& Text)
    {
        Chart.Canvas()->AssignFont(Font);
        return Chart.Canvas()->TextWidth(Text);
    }
    // Pixels of the series' blue line in row Y between X0 and X1 (the rest
    // of the frame is grey, black or white).
    int SeriesInk(int Y, int X0, int X1) const
    {
        int n = 0;
        for (int x = X0; x <= X1; ++x)
            n += qBlue(Image.pixel(x, Y)) - qRed(Image.pixel(x, Y)) > 30;
        return n;
    }
};

void ExpectNeighboursDiffer(const TChartAxis* Axis)
{
    const std::vector<TAxisItem>& Items = Axis->Items();
    ASSERT_GE(Items.size(), 3u);
    for (size_t i = 1; i < Items.size(); ++i)
        EXPECT_NE(Items[i - 1].FText, Items[i].FText) << "labels " << i - 1 << " and " << i;
    // Each label reads its value to within half a step (no separators below 1000).
    for (const TAxisItem& Item : Items)
        EXPECT_NEAR(Item.FText.toDouble(), Item.FValue, Axis->LabelIncrement() / 2) << Item.FText.toStdString();
}

} // namespace

TEST(AxisReading, RepeatedLabelsGetTheDecimalsTheyNeedAndTheBandFollows)
{
    // A 2.5 V reference varying by ±120 µV, and a 3 GHz oscillator drifting
    // by a few hundred Hz after its magnification by 1e-9: the plain format
    // writes every label of the one as "2.5" and of the other as "3".
    const std::function<double(int)> Data[] = {
        [](int i) { return 2.5 + 120e-6 * std::sin(i / 15.0); },
        [](int i) { return 3.0 + 300e-9 * std::sin(i / 20.0) + 50e-9 * std::cos(i / 7.0); },
    };
    for (const auto& f : Data) {
        TReadingFrame F(f);
        const TChartAxis* L = F.Chart.LeftAxis();
        ExpectNeighboursDiffer(L);

        // The labels band, and so the plot's left edge, follows the longest label.
        const TChartFont& Font = *L->LabelsFont();
        int Widest = 0;
        for (const TAxisItem& Item : L->Items())
            Widest = std::max(Widest, F.TextWidth(Font, Item.FText));
        EXPECT_GT(Widest, F.TextWidth(Font, QStringLiteral("2.5")) * 2);
        const TRect Before = F.Chart.LastLayout().ChartRectAfterTitlesAndLegend;
        EXPECT_EQ(F.Chart.LastLayout().ChartRectFinal.Left,
                  Before.Left + Widest + F.TextWidth(Font, QStringLiteral(" ")) + 7);
    }
}

TEST(AxisReading, LongerLabelsAlongTheBottomAxisDoNotOverlap)
{
    TReadingFrame F([](int i) { return 3.0 + 3e-9 * (i - 100); }, true);
    const TChartAxis* B = F.Chart.BottomAxis();
    ExpectNeighboursDiffer(B);
    const std::vector<TAxisItem>& Items = B->Items();
    for (size_t i = 1; i < Items.size(); ++i) {
        const int Half = (F.TextWidth(*B->LabelsFont(), Items[i - 1].FText)
                          + F.TextWidth(*B->LabelsFont(), Items[i].FText))
            / 2;
        EXPECT_GE(std::abs(Items[i - 1].FLabelPos - Items[i].FLabelPos), Half) << "labels " << i - 1 << " and " << i;
    }
}

TEST(AxisReading, TinyLimitsThatDifferAreNotFlattened)
{
    // Off-state currents 2e-14 .. 2.4e-13 A, and values below every prefix.
    const std::pair<double, double> Ranges[] = {{2e-14, 2.4e-13}, {1e-20, 5e-20}};
    for (const auto& [Low, High] : Ranges) {
        SCOPED_TRACE(testing::Message() << Low << " .. " << High);
        TReadingFrame F([Low = Low, High = High](int i) { return Low + (High - Low) * i / 199; });
        const TChartAxis* L = F.Chart.LeftAxis();
        EXPECT_FALSE(L->IRangeZero);
        ExpectNeighboursDiffer(L);

        // The line climbs from the bottom of the plot to its top: ink near
        // the bottom-left and top-right corners, none at the middle's left.
        const TRect R = F.Chart.LastLayout().ChartRectFinal;
        const int First = L->CalcYPosValue(Low);
        const int Last = L->CalcYPosValue(High);
        EXPECT_GT(First, R.Bottom - 10);
        EXPECT_LT(Last, R.Top + 10);
        EXPECT_GT(F.SeriesInk(First - 3, R.Left, R.Left + 15), 0);
        EXPECT_GT(F.SeriesInk(Last + 3, R.Right - 15, R.Right - 1), 0);
        EXPECT_EQ(F.SeriesInk((R.Top + R.Bottom) / 2, R.Left, R.Left + 10), 0);
    }
}

TEST(AxisReading, LimitsFurtherApartThanTheLargestDoubleStillMakeAnAxis)
{
    // 1e308 - (-1e308) is no double: the range must not become infinite.
    TReadingFrame F([](int i) { return (i % 2 ? 1e308 : -1e308) * ((i - 100) / 100.0); });
    const TChartAxis* L = F.Chart.LeftAxis();
    EXPECT_TRUE(std::isfinite(L->IRange)) << L->IMinimum << " .. " << L->IMaximum;
    EXPECT_GT(L->IRange, 1e307);
    EXPECT_FALSE(L->IRangeZero);
    ExpectNeighboursDiffer(L);
    bool Zero = false;
    for (const TAxisItem& Item : L->Items()) {
        EXPECT_FALSE(Item.FText.contains(QStringLiteral("INF"))) << Item.FText.toStdString();
        EXPECT_LE(Item.FText.size(), 8) << Item.FText.toStdString();
        Zero = Zero || Item.FText == u"0";
    }
    // Not what adding up the steps leaves of it (6E291).
    EXPECT_TRUE(Zero);
    // Zero sits in the middle and larger values higher, not all on the bottom edge.
    const TRect R = F.Chart.LastLayout().ChartRectFinal;
    EXPECT_NEAR(L->CalcYPosValue(0), (R.Top + R.Bottom) / 2, 3);
    EXPECT_LT(L->CalcYPosValue(1e307), L->CalcYPosValue(0));
    EXPECT_GT(L->CalcYPosValue(-1e307), L->CalcYPosValue(0));
}

TEST(AxisReading, LabelsOfManyDigitsTakeTheExponentForm)
{
    // 1e300 with 1e-300: written out, the labels have 300 digits.
    TReadingFrame F([](int i) { return i == 0 ? 1e-300 : 1e300 * i / 199; });
    const TChartAxis* L = F.Chart.LeftAxis();
    ExpectNeighboursDiffer(L);
    bool Exponent = false;
    for (const TAxisItem& Item : L->Items()) {
        EXPECT_LE(Item.FText.size(), 10) << Item.FText.toStdString();
        Exponent = Exponent || Item.FText.contains(u'E');
    }
    EXPECT_TRUE(Exponent);
    // The plot keeps about the width it has for small numbers.
    const TReadingFrame Plain([](int i) { return i; });
    const TRect R = F.Chart.LastLayout().ChartRectFinal;
    const TRect P = Plain.Chart.LastLayout().ChartRectFinal;
    EXPECT_GT(R.Right - R.Left, P.Right - P.Left - 60);
}
