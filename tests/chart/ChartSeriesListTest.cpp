#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/panel/ChartWall.h"
#include "chart/series/ColorPalettes.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<TColor> Palette13 = {0xA36644, 0x359CF3, 0x144CF1, 0xA8974E,
                                       0x6B402B, 0x637B1D, 0x0E08B3, 0x5DC0F2,
                                       0x9EB75D, 0x707070, 0x8DEAF3, 0xB4B4B4};

std::vector<TColor> AddSeriesColours(TChart& Chart, int Count)
{
    std::vector<TColor> Colours;
    for (int t = 0; t < Count; ++t)
        Colours.push_back(Chart.AddSeries(new TLineSeries(&Chart))->SeriesColor());
    return Colours;
}

TEST(ChartSeriesList, AutomaticColoursFollowPalette13)
{
    TChart Chart;
    EXPECT_EQ(Chart.ColorPaletteIndex(), 13);
    EXPECT_EQ(Chart.ColorPalette(), Palette13);
    const std::vector<TColor> Colours = AddSeriesColours(Chart, 14);
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(Colours[size_t(k)], Palette13[size_t(k % 12)]) << "series " << k;
    EXPECT_EQ(Colours[0], 0xA36644u);
    EXPECT_EQ(Colours[11], 0xB4B4B4u);
    EXPECT_EQ(Colours[12], 0xA36644u);
    EXPECT_EQ(Colours[13], 0x359CF3u);
    // Automatic colours do not count as chosen by the user.
    EXPECT_TRUE(Chart.GetSeries(0)->HasAutoColor());
}

TEST(ChartSeriesList, ABackgroundColourIsSkipped)
{
    TChart Chart;
    Chart.BackWall()->SetColor(Palette13[2]);
    const std::vector<TColor> Colours = AddSeriesColours(Chart, 11);
    const std::vector<int> Expected = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 10};
    for (size_t k = 0; k < Expected.size(); ++k)
        EXPECT_EQ(Colours[k], Palette13[size_t(Expected[k])]) << "series " << k;

    TChart Panel;
    Panel.SetColor(Palette13[0]);
    EXPECT_EQ(AddSeriesColours(Panel, 1)[0], Palette13[1]);
}

TEST(ChartSeriesList, PaletteReloadKeepsUserColours)
{
    TChart Chart;
    AddSeriesColours(Chart, 3);
    Chart.GetSeries(1)->SetSeriesColor(clRed);
    EXPECT_FALSE(Chart.GetSeries(1)->HasAutoColor());

    const int Before = Chart.InvalidateCount();
    Chart.SetColorPaletteIndex(16);
    const std::vector<TColor> P16 = TColorPalettes::GetPalette(16);
    ASSERT_EQ(P16.size(), 4u);
    EXPECT_EQ(Chart.ColorPaletteIndex(), 16);
    EXPECT_EQ(Chart.GetSeries(0)->SeriesColor(), P16[0]);
    EXPECT_EQ(Chart.GetSeries(1)->SeriesColor(), clRed);
    EXPECT_EQ(Chart.GetSeries(2)->SeriesColor(), P16[1]);
    EXPECT_GT(Chart.InvalidateCount(), Before);

    // Out of range: an empty palette; series then take the built-in colours.
    Chart.SetColorPaletteIndex(0);
    EXPECT_TRUE(Chart.ColorPalette().empty());
    EXPECT_EQ(Chart.GetSeries(1)->SeriesColor(), clRed);
    EXPECT_EQ(Chart.GetDefaultColor(5), TColorPalettes::BuiltInColor(5));
}

TEST(ColorPalettes, CountsAndDistinctColours)
{
    const std::vector<size_t> Counts = {22, 11, 14, 8, 12, 9, 14, 25, 13, 16, 15,
                                        15, 12, 8, 8, 4, 10, 12, 15, 12, 12};
    for (int i = 1; i <= 21; ++i) {
        const std::vector<TColor> P = TColorPalettes::GetPalette(i);
        EXPECT_EQ(P.size(), Counts[size_t(i - 1)]) << "palette " << i;
        for (size_t a = 0; a < P.size(); ++a)
            for (size_t b = a + 1; b < P.size(); ++b)
                EXPECT_NE(P[a], P[b]) << "palette " << i;
    }
    EXPECT_EQ(TColorPalettes::GetPalette(13), Palette13);
    EXPECT_TRUE(TColorPalettes::GetPalette(22).empty());
    EXPECT_TRUE(TColorPalettes::GetPalette(-1).empty());
}

TEST(ChartSeriesList, SeriesTitleLegend)
{
    TChart Chart;
    std::vector<TChartSeries*> s;
    for (int t = 0; t < 4; ++t)
        s.push_back(Chart.AddSeries(new TLineSeries(&Chart)));
    s[0]->SetTitle(QString("a\r\nb\n\rc") + QChar(6) + "d\re");
    s[1]->SetTitle(" \t");
    s[1]->SetName("Named");
    s[3]->SetTitle("Kept");
    s[3]->SetLegendTitle("Legend");

    EXPECT_EQ(Chart.SeriesTitleLegend(0), "a b  c d e");
    EXPECT_EQ(Chart.SeriesTitleLegend(1), "Named");
    EXPECT_EQ(Chart.SeriesTitleLegend(2), "Series3");
    EXPECT_EQ(Chart.SeriesTitleLegend(3), "Legend");
    EXPECT_EQ(Chart.SeriesTitleLegend(4), "");

    // Positions count only the series listed; the fallback name keeps the
    // series' own position.
    s[0]->SetShowInLegend(false);
    s[1]->SetActive(false);
    EXPECT_EQ(Chart.SeriesTitleLegend(1), "Series3");
    EXPECT_EQ(Chart.SeriesTitleLegend(0, true), "Series3");
}

TEST(ChartSeriesList, AddRemoveAndNotifications)
{
    TChart Chart;
    std::vector<std::pair<TChartSeriesEvent, TCustomChartSeries*>> Events;
    const int Id = Chart.AddSeriesEventListener(
        [&](const TSeriesEventInfo& i) { Events.emplace_back(i.Event, i.Series); });
    std::vector<TCustomChartSeries*> Added, Removed;
    Chart.OnAddSeries = [&](TCustomChartSeries* s) { Added.push_back(s); };
    Chart.OnRemoveSeries = [&](TCustomChartSeries* s) { Removed.push_back(s); };

    auto* A = new TLineSeries(&Chart);
    EXPECT_EQ(A->ParentChart(), nullptr);
    EXPECT_EQ(Chart.AddSeries(A), A);
    Chart.AddSeries(A); // already there
    EXPECT_EQ(Chart.SeriesCount(), 1);
    EXPECT_EQ(A->ParentChart(), &Chart);
    EXPECT_EQ(A->GetHorizAxis(), Chart.BottomAxis());
    EXPECT_EQ(A->GetVertAxis(), Chart.LeftAxis());
    EXPECT_TRUE(A->AssociatedToAxis(Chart.BottomAxis()));
    EXPECT_TRUE(A->AssociatedToAxis(Chart.LeftAxis()));
    EXPECT_FALSE(A->AssociatedToAxis(Chart.TopAxis()));
    A->SetVertAxis(aBothVertAxis);
    EXPECT_TRUE(A->AssociatedToAxis(Chart.RightAxis()));

    A->SetTitle("T");
    A->SetTitle("T");
    A->SetActive(false);
    Chart.RemoveSeries(-1);
    Chart.RemoveSeries(5);
    const int Before = Chart.InvalidateCount();
    Chart.RemoveSeries(A);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);
    EXPECT_EQ(Chart.SeriesCount(), 0);
    EXPECT_EQ(A->ParentChart(), nullptr);
    EXPECT_EQ(A->GetHorizAxis(), nullptr);

    using E = std::pair<TChartSeriesEvent, TCustomChartSeries*>;
    EXPECT_EQ(Events, (std::vector<E>{{seChangeColor, A}, {seAdd, A}, {seChangeTitle, A},
                                      {seChangeActive, A}, {seRemove, A}, {seAfterRemove, A}}));
    EXPECT_EQ(Added, std::vector<TCustomChartSeries*>{A});
    EXPECT_EQ(Removed, std::vector<TCustomChartSeries*>{A});

    // Reattaching keeps the automatic colour unless the palette decides again.
    Chart.RemoveSeriesEventListener(Id);
    A->SetParentChart(&Chart);
    EXPECT_EQ(Chart.GetSeries(0), A);
    EXPECT_THROW(Chart.GetSeries(1), std::out_of_range);
    EXPECT_THROW(Chart.GetSeries(-1), std::out_of_range);
    EXPECT_THROW(Chart.SeriesList()->Items(1), std::out_of_range);
    EXPECT_EQ(Events.size(), 6u);
}

TEST(ChartSeriesList, MovingASeriesBetweenCharts)
{
    TChart First, Second;
    auto* Series = First.AddSeries(new TLineSeries(&First));
    Second.AddSeries(Series);
    EXPECT_EQ(First.SeriesCount(), 0);
    EXPECT_EQ(Second.SeriesCount(), 1);
    EXPECT_EQ(Series->GetHorizAxis(), Second.BottomAxis());
    // Still owned by the first chart, which frees it when it goes.
    EXPECT_EQ(Series->Owner(), &First);
}

TEST(ChartSeriesList, FreeingLastFirstInvalidatesOncePerSeries)
{
    TChart Chart;
    for (int t = 0; t < 5; ++t)
        Chart.AddSeries(new TLineSeries(&Chart))->AddXY(t, t);
    EXPECT_EQ(Chart.ComponentCount(), 5);
    const int Before = Chart.InvalidateCount();
    for (int t = Chart.SeriesCount() - 1; t >= 0; --t)
        delete Chart.GetSeries(t);
    EXPECT_EQ(Chart.SeriesCount(), 0);
    EXPECT_EQ(Chart.ComponentCount(), 0);
    EXPECT_EQ(Chart.InvalidateCount(), Before + 5);
}

TEST(ChartSeriesList, FreeAllSeries)
{
    TChart Chart;
    for (int t = 0; t < 4; ++t)
        Chart.AddSeries(new TLineSeries(&Chart))->SetTitle(QString::number(t));
    Chart.FreeAllSeries([](const TChartSeries* s) { return s->Title().toInt() % 2 == 0; });
    ASSERT_EQ(Chart.SeriesCount(), 2);
    EXPECT_EQ(Chart.GetSeries(0)->Title(), "1");
    EXPECT_EQ(Chart.GetSeries(1)->Title(), "3");
    Chart.FreeAllSeries();
    EXPECT_EQ(Chart.SeriesCount(), 0);
    EXPECT_EQ(Chart.ComponentCount(), 0);
}

TEST(ChartSeriesList, DestroyingAChartFreesWhatItOwnsAndReleasesTheRest)
{
    auto* Unowned = new TLineSeries(nullptr);
    TLineSeries* OwnedElsewhere;
    auto Keeper = std::make_unique<TChart>();
    {
        TChart Chart;
        Chart.AddSeries(new TLineSeries(&Chart))->AddXY(1, 2);
        Chart.AddSeries(Unowned);
        OwnedElsewhere = new TLineSeries(Keeper.get());
        Chart.AddSeries(OwnedElsewhere);
        auto* Detached = new TLineSeries(&Chart); // owned, never added
        (void)Detached;
        EXPECT_EQ(Chart.ComponentCount(), 2);
    }
    EXPECT_EQ(Unowned->ParentChart(), nullptr);
    EXPECT_EQ(OwnedElsewhere->ParentChart(), nullptr);
    Unowned->AddXY(1, 1);
    delete Unowned;
    EXPECT_EQ(Keeper->ComponentCount(), 1);
    OwnedElsewhere->Free();
    EXPECT_EQ(Keeper->ComponentCount(), 0);
}

} // namespace
