// The mouse on the benchmark data (1,000,000 rows × 4 series, imported as
// the window imports it) in the window's chart view at 781 × 590: one step
// of the rubber band (the band moves, the chart is not drawn), one step of
// a pan and one wheel step as gesture frames (as the view draws them while
// the mouse moves), each ending in the view's repaint, beside a full exact
// frame of the same chart. Run by hand: ./build/bench/gesture_bench

#include "CsvMaker.h"
#include "app/DataImport.h"
#include "app/window/ChartView.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartMouse.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/SeriesPointer.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TScene {
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    std::unique_ptr<TChartView> View;

    explicit TScene(bool Markers)
    {
        TDataImport Import;
        Import.SetDataBytes(MakeBenchCsv(1000000));
        Import.BuildChart(*Chart);
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            static_cast<TCustomSeries*>(Chart->GetSeries(i))->Pointer()->SetVisible(Markers);
        View = std::make_unique<TChartView>(Chart.get());
        View->resize(781, 590);
        View->show();
        // Painting needs the window exposed.
        for (int i = 0; i < 100 && !View->windowHandle()->isExposed(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        View->repaint();
        if (Chart->FrameCount() == 0)
            qFatal("the chart view did not paint");
    }
};

TScene& Scene(bool Markers)
{
    static TScene WithMarkers(true);
    static TScene Without(false);
    return Markers ? WithMarkers : Without;
}

void BM_FullFrame(benchmark::State& state)
{
    TScene& S = Scene(state.range(0) != 0);
    for (auto _ : state) {
        S.Chart->Invalidate();
        S.View->repaint();
    }
}
BENCHMARK(BM_FullFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RubberBandStep(benchmark::State& state)
{
    TScene& S = Scene(state.range(0) != 0);
    TChartMouse& Mouse = *S.Chart->Mouse();
    Mouse.MouseDown(mbLeft, 100, 100);
    int Step = 0;
    for (auto _ : state) {
        ++Step;
        Mouse.MouseMove(200 + Step % 300, 150 + Step % 200);
        S.View->repaint();
    }
    Mouse.MouseUp(mbLeft, 101, 101);
    S.View->repaint();
}
BENCHMARK(BM_RubberBandStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PanStep(benchmark::State& state)
{
    TScene& S = Scene(state.range(0) != 0);
    TChartMouse& Mouse = *S.Chart->Mouse();
    Mouse.MouseDown(mbRight, 300, 300);
    // As the view does while the mouse moves.
    S.Chart->SetQuickFrames(true);
    int Step = 0;
    for (auto _ : state) {
        ++Step;
        // Back and forth, so the view stays on the data.
        Mouse.MouseMove(300 + (Step % 2 ? 8 : 0), 300 + (Step % 2 ? 3 : 0));
        S.View->repaint();
    }
    Mouse.MouseUp(mbRight, 300, 300);
    S.Chart->SetQuickFrames(false);
    S.Chart->UndoZoom();
    S.View->repaint();
}
BENCHMARK(BM_PanStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WheelStep(benchmark::State& state)
{
    TScene& S = Scene(state.range(0) != 0);
    TChartMouse& Mouse = *S.Chart->Mouse();
    S.Chart->SetQuickFrames(true);
    int Step = 0;
    for (auto _ : state) {
        Mouse.MouseWheel(++Step % 2 ? 1 : -1);
        S.View->repaint();
    }
    S.Chart->SetQuickFrames(false);
    S.Chart->UndoZoom();
    S.View->repaint();
}
BENCHMARK(BM_WheelStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
