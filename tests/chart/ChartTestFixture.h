#pragma once

#include "RecordingCanvas.h"
#include "chart/panel/Chart.h"
#include "chart/panel/PlotvaneChart.h"

#include <memory>

// The program's chart on a recording surface.
struct TRecordedChart {
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    TRecordingCanvas* Canvas = nullptr;

    TRecordedChart()
    {
        auto Recording = std::make_unique<TRecordingCanvas>();
        Canvas = Recording.get();
        Chart->SetCanvas(std::move(Recording));
        // The panel, title and wall numbers are looked at without the axes'
        // bands; the axis tests cover those.
        Chart->SetAxisVisible(false);
    }
    TChart* operator->() const { return Chart.get(); }
    void Frame(int Width = 781, int Height = 590) { Chart->Draw(nullptr, {0, 0, Width, Height}); }
    const TFrameLayout& Layout() const { return Chart->LastLayout(); }
};
