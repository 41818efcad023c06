// A full 781 × 590 frame of one series of N points (a noisy sine), with and
// without circle markers, beside plain QPainter loops over the same pixel
// positions: drawLine per segment and antialiased drawEllipse per marker.
// Then the import's benchmark data (1,000,000 rows × 4 series, loaded as a
// file load does): exact frames against gesture frames (still, after a pan
// step, zoomed to a tenth of X), with the share of pixels a gesture frame
// has equal to the exact one as counters.
// Run by hand: ./build/bench/frame_bench
// PLOTVANE_SHOTS=dir also saves each exact and gesture picture there.

#include "app/DataImport.h"
#include "bench/CsvMaker.h"
#include "chart/axes/ChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/SeriesPointer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <map>
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

// ---------------------------------------------------------------- bench data

// The chart a file load of the benchmark CSV builds, markers on or off.
TChart& BenchChart(bool Markers)
{
    static std::map<bool, std::unique_ptr<TChart>> Charts;
    std::unique_ptr<TChart>& chart = Charts[Markers];
    if (!chart) {
        chart = CreatePlotvaneChart();
        chart->SetSize(Width, Height);
        TDataImport import;
        import.SetDataBytes(MakeBenchCsv(1000000));
        import.BuildChart(*chart);
        for (int i = 0; i < chart->SeriesCount(); ++i)
            if (auto* series = dynamic_cast<TCustomSeries*>(chart->GetSeries(i)))
                series->Pointer()->SetVisible(Markers);
    }
    return *chart;
}

QImage Frame(TChart& Chart, bool Quick)
{
    Chart.SetQuickFrames(Quick);
    QImage image(Width, Height, QImage::Format_RGB32);
    Chart.Draw(&image, TRect{0, 0, Width, Height});
    return image;
}

double EqualShare(const QImage& A, const QImage& B)
{
    long long equal = 0;
    for (int y = 0; y < A.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(A.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(B.constScanLine(y));
        for (int x = 0; x < A.width(); ++x)
            equal += a[x] == b[x];
    }
    return 100.0 * double(equal) / double(A.width() * A.height());
}

// Zoomed: the bottom axis shows the middle tenth of its automatic range.
void Zoom(TChart& Chart, bool Tenth)
{
    TChartAxis* axis = Chart.BottomAxis();
    axis->SetAutomatic(true);
    if (!Tenth)
        return;
    Frame(Chart, false);
    const double min = axis->Minimum();
    const double max = axis->Maximum();
    axis->SetMinMax(min + 0.45 * (max - min), min + 0.55 * (max - min));
}

// The share of equal pixels, saving both pictures when asked to.
double CompareFrames(TChart& Chart, const char* Name)
{
    const QImage exact = Frame(Chart, false);
    const QImage quick = Frame(Chart, true);
    Chart.SetQuickFrames(false);
    if (const char* dir = std::getenv("PLOTVANE_SHOTS")) {
        exact.save(QString::fromLocal8Bit(dir) + "/" + Name + "-exact.png");
        quick.save(QString::fromLocal8Bit(dir) + "/" + Name + "-quick.png");
    }
    return EqualShare(exact, quick);
}

// Args: markers; gesture frame (else exact); zoomed to a tenth.
void BM_BenchData(benchmark::State& state)
{
    const bool markers = state.range(0) != 0;
    const bool gesture = state.range(1) != 0;
    const bool tenth = state.range(2) != 0;
    TChart& chart = BenchChart(markers);
    Zoom(chart, tenth);
    const std::string name = std::string(markers ? "markers" : "lines") + (tenth ? "-tenth" : "-all");
    const double share = CompareFrames(chart, name.c_str());
    chart.SetQuickFrames(gesture);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        chart.Invalidate();
        chart.Draw(&image, TRect{0, 0, Width, Height});
    }
    chart.SetQuickFrames(false);
    state.counters["equal_pct"] = share;
}

// A pan gesture: every frame moves the limits by 1 % of the range.
void BM_BenchDataPan(benchmark::State& state)
{
    const bool markers = state.range(0) != 0;
    TChart& chart = BenchChart(markers);
    Zoom(chart, false);
    QImage image = Frame(chart, false);
    TChartAxis* axis = chart.BottomAxis();
    const double min = axis->Minimum();
    const double max = axis->Maximum();
    const double step = (max - min) / 100;
    chart.SetQuickFrames(true);
    int k = 0;
    for (auto _ : state) {
        ++k;
        axis->SetMinMax(min + (k % 20) * step, max + (k % 20) * step);
        chart.Draw(&image, TRect{0, 0, Width, Height});
    }
    // The share at the last position.
    state.counters["equal_pct"] = CompareFrames(chart, markers ? "markers-pan" : "lines-pan");
    axis->SetAutomatic(true);
}

} // namespace

BENCHMARK(BM_BenchData)
    ->ArgNames({"markers", "gesture", "tenth"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_BenchDataPan)->ArgNames({"markers"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
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
