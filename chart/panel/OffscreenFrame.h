#pragma once

#include "chart/axes/ChartContext.h"
#include "chart/axes/QuietChart.h"
#include "chart/canvas/ChartCanvas.h"

// The settings of an off-screen frame for the life of one export: drawing
// goes straight to the export's device (buffered display off) and changes
// made while drawing ask for no repaint. Everything comes back as it was on
// every path out, exceptions included, so the screen buffer stays what it was.
class TOffscreenFrame {
public:
    explicit TOffscreenFrame(TChartContext& Chart)
        : FQuiet(&Chart), FCanvas(*Chart.Canvas()), FBuffered(FCanvas.BufferedDisplay())
    {
        FCanvas.SetBufferedDisplay(false);
    }
    ~TOffscreenFrame() { FCanvas.SetBufferedDisplay(FBuffered); }
    TOffscreenFrame(const TOffscreenFrame&) = delete;
    TOffscreenFrame& operator=(const TOffscreenFrame&) = delete;

private:
    TQuietChart FQuiet;
    TChartCanvas& FCanvas;
    bool FBuffered;
};
