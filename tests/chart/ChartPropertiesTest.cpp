#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/ChartWall.h"
#include "chart/canvas/ChartHiddenPen.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartProperties, SettersInvalidateOnlyOnChange)
{
    TChart Chart;
    int Requests = 0;
    Chart.SetOnRepaintRequest([&] { ++Requests; });
    EXPECT_EQ(Chart.Color(), clBtnFace);
    EXPECT_EQ(Chart.BackWall()->Color(), clSilver);

    Chart.ClearDirty();
    Chart.SetColor(clWhite);
    Chart.SetColor(clWhite);
    Chart.BackWall()->SetColor(clRed);
    EXPECT_TRUE(Chart.Dirty());
    EXPECT_EQ(Chart.InvalidateCount(), 2);
    EXPECT_EQ(Requests, 2);

    Chart.SetAutoRepaint(false);
    Chart.SetColor(clBlack);
    EXPECT_EQ(Chart.InvalidateCount(), 2);
    EXPECT_EQ(Chart.Color(), clBlack);
}

TEST(ChartProperties, AxisAutomaticFlags)
{
    TChart Chart;
    TChartAxis* Axis = Chart.LeftAxis();
    EXPECT_TRUE(Axis->Automatic());
    EXPECT_FALSE(Axis->Horizontal());
    EXPECT_TRUE(Chart.BottomAxis()->Horizontal());
    EXPECT_TRUE(Chart.RightAxis()->OtherSide());

    Axis->SetAutomaticMinimum(false);
    EXPECT_FALSE(Axis->Automatic());
    EXPECT_TRUE(Axis->AutomaticMaximum());
    Axis->SetAutomaticMinimum(true);
    EXPECT_TRUE(Axis->Automatic());

    Axis->SetAutomatic(false);
    EXPECT_FALSE(Axis->AutomaticMinimum());
    EXPECT_FALSE(Axis->AutomaticMaximum());
    const int Before = Chart.InvalidateCount();
    Axis->SetAutomatic(true);
    Axis->SetAutomatic(true);
    EXPECT_TRUE(Axis->AutomaticMinimum());
    EXPECT_TRUE(Axis->AutomaticMaximum());
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);
}

TEST(ChartProperties, AxisTitleCreatedOnFirstAccess)
{
    TChart Chart;
    EXPECT_FALSE(Chart.BottomAxis()->HasTitle());
    EXPECT_EQ(Chart.BottomAxis()->Title()->Angle(), 0);
    EXPECT_EQ(Chart.LeftAxis()->Title()->Angle(), 90);
    EXPECT_EQ(Chart.RightAxis()->Title()->Angle(), 270);

    TChartAxisTitle* Title = Chart.BottomAxis()->Title();
    const int Before = Chart.InvalidateCount();
    Title->SetCaption("Time");
    EXPECT_EQ(Title->Caption(), "Time");
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);
    Title->SetText("first\rsecond");
    EXPECT_EQ(Title->Caption(), "first");
    Title->SetText("\rsecond");
    EXPECT_EQ(Title->Caption(), "");
}

TEST(ChartProperties, SeriesColourBelongsToTheUserOnceSet)
{
    TChart Chart;
    auto* Series = Chart.AddSeries(new TLineSeries(&Chart));
    const TColor Auto = Series->SeriesColor();

    // Setting the automatic colour itself does not take the series off the palette.
    int Before = Chart.InvalidateCount();
    Series->SetSeriesColor(Auto);
    EXPECT_TRUE(Series->HasAutoColor());
    EXPECT_EQ(Chart.InvalidateCount(), Before);

    Series->SetSeriesColor(clRed);
    EXPECT_FALSE(Series->HasAutoColor());
    EXPECT_EQ(Series->GetValueColor(0), clRed);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);

    // Each point its own palette colour.
    Series->SetColorEachPoint(true);
    EXPECT_EQ(Series->GetValueColor(1), Chart.GetDefaultColor(1));

    // Pen changes reach the chart.
    Before = Chart.InvalidateCount();
    Series->Pen()->SetWidth(3);
    Series->Pen()->SetWidth(3);
    Series->Pen()->SetStyle(psDash);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 2);
    TChartPen Other;
    Series->SetPen(Other);
    EXPECT_EQ(Series->Pen()->Width(), 1);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 3);
    EXPECT_FALSE(TChartHiddenPen().Visible());
}

} // namespace
