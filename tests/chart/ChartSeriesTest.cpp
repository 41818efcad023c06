#include "chart/panel/Chart.h"
#include "chart/axes/ChartException.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ChartSeries, AddXYSortsByXAndReturnsTheIndex)
{
    TChart Chart;
    auto* Series = new TLineSeries(&Chart);
    EXPECT_EQ(Series->AddXY(3, 30), 0);
    EXPECT_EQ(Series->AddXY(1, 10), 0);
    EXPECT_EQ(Series->AddXY(2, 20), 1);
    EXPECT_EQ(Series->XValues()->Value(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Series->YValues()->Value(), (std::vector<double>{10, 20, 30}));

    // Equal X: the later point goes right after the earlier one.
    EXPECT_EQ(Series->AddXY(2, 21), 2);
    EXPECT_EQ(Series->GetyValue(1), 20);
    EXPECT_EQ(Series->GetyValue(2), 21);
    EXPECT_EQ(Series->Count(), 4);
    EXPECT_THROW(Series->GetxValue(4), std::out_of_range);
    EXPECT_THROW(Series->GetyValue(-1), std::out_of_range);
}

TEST(ChartSeries, ColoursAndLabelsFollowTheirPoints)
{
    TLineSeries Series(nullptr);
    Series.AddXY(1, 1);
    EXPECT_FALSE(Series.HasPointColors());
    EXPECT_FALSE(Series.HasLabels());

    Series.AddXY(0, 5, "first", clRed);
    ASSERT_TRUE(Series.HasPointColors());
    EXPECT_EQ(Series.GetValueColor(0), clRed);
    EXPECT_EQ(Series.Label(0), "first");
    EXPECT_EQ(Series.Label(1), "");

    Series.AddNullXY(0.5, 9);
    EXPECT_TRUE(Series.IsNull(1));
    EXPECT_FALSE(Series.IsNull(0));
    EXPECT_EQ(Series.Label(2), "");
    Series.SetNull(1, false);
    EXPECT_FALSE(Series.IsNull(1));
    Series.SetNull(2);
    EXPECT_TRUE(Series.IsNull(2));
    EXPECT_THROW(Series.SetNull(3), std::out_of_range);

    Series.Delete(0);
    EXPECT_EQ(Series.Count(), 2);
    EXPECT_EQ(Series.GetxValue(0), 0.5);
    EXPECT_EQ(Series.Label(0), "");
    EXPECT_TRUE(Series.IsNull(1));

    Series.Clear();
    EXPECT_EQ(Series.Count(), 0);
    EXPECT_FALSE(Series.HasPointColors());
    EXPECT_FALSE(Series.HasLabels());
    EXPECT_EQ(Series.FirstValueIndex(), -1);
}

TEST(ChartSeries, AddNullUsesThePositionAndTheDefaultNullValue)
{
    TLineSeries Series(nullptr);
    Series.SetDefaultNullValue(7);
    Series.AddXY(-1, 1);
    EXPECT_EQ(Series.AddNull(), 1);
    EXPECT_EQ(Series.GetxValue(1), 1);
    EXPECT_EQ(Series.GetyValue(1), 7);
    EXPECT_TRUE(Series.IsNull(1));
}

TEST(ChartSeries, DeleteOutOfBoundsThrowsTheChartError)
{
    TLineSeries Series(nullptr);
    Series.AddXY(1, 1);
    Series.AddXY(2, 2);
    try {
        Series.Delete(2);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Series Delete: ValueIndex 2 out of bounds (0 to 1).");
    }
    EXPECT_THROW(Series.Delete(-1), ChartException);
    EXPECT_THROW(Series.Delete(1, 2), ChartException);
    EXPECT_EQ(Series.Count(), 2);
}

TEST(ChartSeries, DataLimits)
{
    TLineSeries Series(nullptr);
    EXPECT_EQ(Series.MinXValue(), 0);
    EXPECT_EQ(Series.MaxXValue(), 0);
    EXPECT_EQ(Series.MinYValue(), 0);
    EXPECT_EQ(Series.MaxYValue(), 0);

    // Null points count for X but not for Y.
    Series.AddNullXY(-4, 100);
    Series.AddNullXY(6, -100);
    EXPECT_EQ(Series.MinXValue(), -4);
    EXPECT_EQ(Series.MaxXValue(), 6);
    EXPECT_EQ(Series.MinYValue(), 0);
    EXPECT_EQ(Series.MaxYValue(), 0);

    Series.AddXY(1, 3);
    Series.AddXY(2, -2);
    EXPECT_EQ(Series.MinYValue(), -2);
    EXPECT_EQ(Series.MaxYValue(), 3);

    Series.SetTreatNulls(tnIgnore);
    EXPECT_EQ(Series.MinYValue(), -100);
    EXPECT_EQ(Series.MaxYValue(), 100);
}

TEST(ChartSeries, ConstructionDefaults)
{
    TLineSeries Series(nullptr);
    EXPECT_TRUE(Series.Active());
    EXPECT_EQ(Series.SeriesColor(), clDefault);
    EXPECT_EQ(Series.XValues()->Name(), "X");
    EXPECT_EQ(Series.XValues()->Order(), loAscending);
    EXPECT_EQ(Series.YValues()->Order(), loNone);
    EXPECT_EQ(Series.HorizAxis(), aBottomAxis);
    EXPECT_EQ(Series.VertAxis(), aLeftAxis);
    EXPECT_EQ(Series.ValueFormat(), "#,##0.###");
    EXPECT_FALSE(Series.AllowSinglePoint);
    EXPECT_TRUE(Series.DrawBetweenPoints);
    EXPECT_TRUE(Series.DrawLine());
    EXPECT_FALSE(Series.Smoothed());
    EXPECT_EQ(Series.LinePen(), Series.Pen());
    EXPECT_TRUE(Series.Pen()->Visible());
    EXPECT_EQ(Series.Pen()->Width(), 1);
    EXPECT_EQ(Series.Brush()->Color(), clDefault);
    EXPECT_FALSE(Series.Pointer()->Visible());
    EXPECT_EQ(Series.Pointer()->Style(), psRectangle);
    EXPECT_EQ(Series.Pointer()->Size(), 4);
    EXPECT_EQ(Series.Pointer()->Brush()->Color(), clDefault);
    int Left = -1, Right = -1;
    Series.PixelMarginsHoriz(Left, Right);
    EXPECT_EQ(Left + Right, 0);
}

TEST(ChartSeries, OnBeforeAddVetoesAndOnAfterAddSeesTheIndex)
{
    TLineSeries Series(nullptr);
    std::vector<int> Added;
    Series.OnBeforeAdd = [](TChartSeries* s) { return s->XValues()->TempValue() >= 0; };
    Series.OnAfterAdd = [&](TChartSeries*, int i) { Added.push_back(i); };
    EXPECT_EQ(Series.AddXY(-1, 0), -1);
    EXPECT_EQ(Series.AddXY(5, 0), 0);
    EXPECT_EQ(Series.AddXY(2, 0), 0);
    EXPECT_EQ(Series.Count(), 2);
    EXPECT_EQ(Added, (std::vector<int>{0, 0}));
}

TEST(ChartSeries, UpdatesRepaintOnceAtTheEnd)
{
    TChart Chart;
    auto* Series = new TLineSeries(&Chart);
    Chart.AddSeries(Series);
    std::vector<TChartSeriesEvent> Events;
    Chart.AddSeriesEventListener([&](const TSeriesEventInfo& i) { Events.push_back(i.Event); });

    int Before = Chart.InvalidateCount();
    Series->AddXY(1, 1);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);

    Before = Chart.InvalidateCount();
    Series->BeginUpdate();
    Series->BeginUpdate();
    for (int t = 0; t < 10; ++t)
        Series->AddXY(t, t);
    Series->EndUpdate();
    EXPECT_EQ(Chart.InvalidateCount(), Before);
    Series->EndUpdate();
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);
    EXPECT_EQ(Events, (std::vector<TChartSeriesEvent>{seDataChanged}));

    // An inactive series does not repaint for new points.
    Series->SetActive(false);
    Before = Chart.InvalidateCount();
    Series->AddXY(1, 1);
    EXPECT_EQ(Chart.InvalidateCount(), Before);
}

TEST(SeriesPointer, SizesNeverBelowOneAndChangesRepaint)
{
    TChart Chart;
    auto* Series = Chart.AddSeries(new TLineSeries(&Chart));
    auto* Pointer = static_cast<TLineSeries*>(Series)->Pointer();

    int Before = Chart.InvalidateCount();
    Pointer->SetVisible(true);
    Pointer->SetSize(2);
    Pointer->SetStyle(psCircle);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 4); // two half-sizes
    EXPECT_EQ(Pointer->HorizSize(), 2);
    EXPECT_EQ(Pointer->VertSize(), 2);

    Before = Chart.InvalidateCount();
    Pointer->SetStyle(psCircle);
    EXPECT_EQ(Chart.InvalidateCount(), Before);

    Pointer->SetSize(0);
    EXPECT_EQ(Pointer->HorizSize(), 1);
    EXPECT_EQ(Pointer->VertSize(), 1);
    Pointer->SetHorizSize(6);
    EXPECT_EQ(Pointer->Size(), 6);
    Pointer->SetVertSize(-3);
    EXPECT_EQ(Pointer->VertSize(), 1);

    Before = Chart.InvalidateCount();
    Pointer->Pen()->SetVisible(false);
    Pointer->Brush()->SetColor(clRed);
    EXPECT_EQ(Pointer->Color(), clRed);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 2);
}

} // namespace
