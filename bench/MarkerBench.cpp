// A million circle markers (size 2, the program's default) on a 781 × 590
// frame, drawn through the series pointer with and without stamps, beside the
// reference loop of antialiased QPainter::drawEllipse on the same points.
// Run by hand: ./build/bench/marker_bench

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SeriesPointer.h"
#include "chart/canvas/AntialiasCanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 781;
constexpr int kHeight = 590;
constexpr TRect kPlot{40, 20, 740, 560};
constexpr TColor kColor = 0x00C08040;

// A noisy sine across the plot, in pixels.
const std::vector<TPoint>& Points()
{
    static const std::vector<TPoint> points = [] {
        const int n = 1000000;
        std::vector<TPoint> p(size_t(n), TPoint{});
        std::mt19937 random(5);
        std::normal_distribution<double> noise(0, 20);
        for (int i = 0; i < n; ++i) {
            const double t = double(i) / n;
            p[size_t(i)] = {kPlot.Left + int(t * kPlot.Width()),
                            int(290 + 200 * std::sin(t * 12) + noise(random))};
        }
        return p;
    }();
    return points;
}

void BM_ReferenceDrawEllipse(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(kPlot.Left, kPlot.Top, kPlot.Width(), kPlot.Height());
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(0x40, 0x80, 0xC0));
        for (const TPoint& p : Points())
            painter.drawEllipse(QRectF(p.X - 2, p.Y - 2, 4, 4));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(Points().size()));
}
BENCHMARK(BM_ReferenceDrawEllipse)->Unit(benchmark::kMillisecond)->UseRealTime();

// PaintPointer for every point, as the line drawing calls it.
void PaintPointers(benchmark::State& state, bool Stamping)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    auto owned = std::make_unique<TAntialiasCanvas>();
    TAntialiasCanvas* canvas = owned.get();
    canvas->SetStamping(Stamping);
    chart->SetCanvas(std::move(owned));
    auto* series = new TLineSeries(chart.get());
    chart->AddSeries(series);
    series->SetSeriesColor(kColor);
    series->Pointer()->SetVisible(true);
    series->Pointer()->SetStyle(psCircle);
    series->Pointer()->SetSize(2);
    for (auto _ : state) {
        canvas->InitWindow(nullptr, {0, 0, kWidth, kHeight}, false, clWhite);
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect({0, 0, kWidth, kHeight});
        canvas->ClipRectangle(kPlot);
        int i = 0;
        for (const TPoint& p : Points())
            series->PaintPointer(p.X, p.Y, kColor, i++);
        canvas->UnClipRectangle();
        canvas->ShowImage(nullptr, {0, 0, kWidth, kHeight});
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(Points().size()));
    state.counters["stamped"] = double(canvas->StampedCount()) / double(state.iterations());
}

void BM_PaintPointerStamped(benchmark::State& state) { PaintPointers(state, true); }
BENCHMARK(BM_PaintPointerStamped)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PaintPointerDirect(benchmark::State& state) { PaintPointers(state, false); }
BENCHMARK(BM_PaintPointerDirect)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
