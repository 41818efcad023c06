// A full 781 × 590 frame of one series of N points (a noisy sine), with and
// without circle markers, beside plain QPainter loops over the same pixel
// positions: drawLine per segment and antialiased drawEllipse per marker.
// Run by hand: ./build/bench/frame_bench

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SeriesPointer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Width = 781;
constexpr int Height = 590;

struct TData {
    std::vector<double> X;
    std::vector<double> Y;
};

TData NoisySine(int n)
{
    TData d;
    d.X.resize(size_t(n));
    d.Y.resize(size_t(n));
    std::mt19937 random(12345);
    std::normal_distribution<double> noise(0.0, 0.05);
    for (int i = 0; i < n; ++i) {
        d.X[size_t(i)] = i;
        d.Y[size_t(i)] = std::sin(i * 20.0 * M_PI / n) + noise(random);
    }
    return d;
}

std::unique_ptr<TChart> MakeChart(int n, bool markers)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    auto* series = new TLineSeries(chart.get());
    series->Pointer()->SetVisible(markers);
    series->Pointer()->SetSize(2);
    series->Pointer()->SetStyle(psCircle);
    chart->AddSeries(series);
    TData d = NoisySine(n);
    series->AddXYArrays(std::move(d.X), std::move(d.Y));
    return chart;
}

void BM_Frame(benchmark::State& state)
{
    const int n = int(state.range(0));
    const bool markers = state.range(1) != 0;
    std::unique_ptr<TChart> chart = MakeChart(n, markers);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state)
        chart->Draw(&image, TRect{0, 0, Width, Height});
    state.SetItemsProcessed(state.iterations() * n);
}

// The pixel positions the chart would use, mapped onto the same plot box.
std::vector<QPointF> Positions(int n)
{
    const TData d = NoisySine(n);
    std::vector<QPointF> p(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        p[size_t(i)] = QPointF(std::round(73 + d.X[size_t(i)] * 560.0 / n), std::round(300 - d.Y[size_t(i)] * 240));
    return p;
}

void BM_ReferenceDrawLine(benchmark::State& state)
{
    const int n = int(state.range(0));
    const std::vector<QPointF> p = Positions(n);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(68, 102, 163), 1));
        for (size_t i = 1; i < p.size(); ++i)
            painter.drawLine(p[i - 1], p[i]);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_ReferenceDrawEllipse(benchmark::State& state)
{
    const int n = int(state.range(0));
    const std::vector<QPointF> p = Positions(n);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(68, 102, 163));
        for (const QPointF& q : p)
            painter.drawEllipse(QRectF(q.x() - 2, q.y() - 2, 5, 5));
    }
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_Frame)
    ->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ReferenceDrawLine)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReferenceDrawEllipse)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
