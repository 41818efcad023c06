#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SeriesPointer.h"
#include "chart/canvas/AntialiasCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

QImage DenseFrame(bool Stamping, int Width, TPenStyle Style, bool Markers)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    auto* series = new TLineSeries(chart.get());
    series->Pointer()->SetVisible(Markers);
    series->LinePen()->SetWidth(Width);
    series->LinePen()->SetStyle(Style);
    chart->AddSeries(series);
    std::vector<double> x(20000);
    std::vector<double> y(20000);
    for (size_t i = 0; i < x.size(); ++i) {
        x[i] = double(i);
        y[i] = std::sin(double(i) * 0.003) + 0.3 * std::sin(double(i) * 0.7);
    }
    series->AddXYArrays(std::move(x), std::move(y));
    auto* canvas = dynamic_cast<TAntialiasCanvas*>(chart->Canvas());
    EXPECT_NE(canvas, nullptr);
    if (canvas)
        canvas->SetStamping(Stamping);
    QImage image(781, 590, QImage::Format_ARGB32_Premultiplied);
    // Twice: stamps are made during the first frame and replayed in the second.
    chart->Draw(&image, {0, 0, 781, 590});
    chart->Invalidate();
    chart->Draw(&image, {0, 0, 781, 590});
    // Even-width segments are always drawn directly.
    if (canvas && Stamping && (Width % 2 == 1 || Markers)) {
        EXPECT_GT(canvas->StampedCount(), 0);
    }
    return image;
}

} // namespace

// A dense series replays its short segments from stamps; the picture must be
// the one drawing every segment directly gives, pixel for pixel.
TEST(DenseSeriesStamps, SamePixelsAsDirectDrawing)
{
    for (int width : {1, 2, 3, 5}) {
        for (TPenStyle style : {psSolid, psDash}) {
            for (bool markers : {false, true}) {
                const QImage direct = DenseFrame(false, width, style, markers);
                const QImage stamped = DenseFrame(true, width, style, markers);
                EXPECT_TRUE(direct == stamped) << "width " << width << " style " << style << " markers " << markers;
            }
        }
    }
}
