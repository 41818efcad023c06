#include "tests/chart/BenchShapedChart.h"

#include "chart/panel/ChartLegend.h"

#include <gtest/gtest.h>

namespace {

// The bench-shaped chart with the drawing variants a band could get wrong:
// a dashed series, a wide one, a smoothed one, and the legend.
std::unique_ptr<TChart> VariedChart(bool Markers)
{
    std::unique_ptr<TChart> chart = BenchShapedChart(200000, Markers);
    chart->GetSeries(0)->SetTitle("sine");
    auto* dashed = dynamic_cast<TLineSeries*>(chart->GetSeries(1));
    dashed->LinePen()->SetStyle(psDash);
    auto* wide = dynamic_cast<TLineSeries*>(chart->GetSeries(3));
    wide->LinePen()->SetWidth(3);
    auto* smoothed = new TLineSeries(chart.get());
    smoothed->Pointer()->SetVisible(Markers);
    chart->AddSeries(smoothed);
    for (int i = 0; i < 4000; ++i)
        smoothed->AddXY(i * 0.25, std::sin(i * 0.05) * 0.5);
    smoothed->SetSmoothed(true);
    return chart;
}

} // namespace

// An exact frame drawn in bands of rows on several threads has the pixels of
// the one-thread frame, on the screen buffer and in an export. Only series
// with markers are banded (bare segments cost more to keep than to draw).
TEST(FrameBands, SamePixelsAsOneThread)
{
    for (bool markers : {false, true}) {
        std::unique_ptr<TChart> chart = VariedChart(markers);
        TAntialiasCanvas* canvas = Surface(*chart);
        ASSERT_NE(canvas, nullptr);
        canvas->SetBandCount(1);
        const QImage single = ScreenFrame(*chart);
        const QImage singleExport = chart->CreateChartBitmap(clWhite, {0, 0, 781, 590});
        EXPECT_EQ(canvas->BandedCount(), 0);
        // More bands than cores: the edges between them are what is tested.
        for (int bands : {2, 5}) {
            canvas->SetBandCount(bands);
            const long long before = canvas->BandedCount();
            EXPECT_TRUE(ScreenFrame(*chart) == single) << "markers " << markers << " bands " << bands;
            EXPECT_TRUE(chart->CreateChartBitmap(clWhite, {0, 0, 781, 590}) == singleExport)
                << "markers " << markers << " bands " << bands;
            if (markers)
                EXPECT_GT(canvas->BandedCount(), before);
            else
                EXPECT_EQ(canvas->BandedCount(), before);
        }
    }
}

// A metafile is drawn on one thread.
TEST(FrameBands, MetafilesAreNotBanded)
{
    std::unique_ptr<TChart> chart = BenchShapedChart(30000, false);
    TAntialiasCanvas* canvas = Surface(*chart);
    canvas->SetBandCount(4);
    chart->CreateChartMetafile({0, 0, 400, 300});
    EXPECT_EQ(canvas->BandedCount(), 0);
}
