#pragma once

#include "chart/axes/ChartContext.h"
#include "chart/canvas/ChartCanvas.h"

// The settings of an off-screen frame for the life of one export: drawing
// goes straight to the export's device (buffered display off), changes made
// while drawing ask for no repaint, and a metafile gets solid shadows and
// fonts sized for its resolution. Everything comes back as it was on every
// path out, exceptions included, so the screen buffer stays what it was.
class TOffscreenFrame {
public:
    TOffscreenFrame(TChartContext& Chart, bool Metafiling)
        : FChart(Chart),
          FCanvas(*Chart.Canvas()),
          FBuffered(FCanvas.BufferedDisplay()),
          FAutoRepaint(Chart.AutoRepaint()),
          FMetafiling(FCanvas.Metafiling())
    {
        FCanvas.SetBufferedDisplay(false);
        FChart.SetAutoRepaint(false);
        FCanvas.SetMetafiling(Metafiling);
    }
    ~TOffscreenFrame()
    {
        FCanvas.SetMetafiling(FMetafiling);
        FChart.SetAutoRepaint(FAutoRepaint);
        FCanvas.SetBufferedDisplay(FBuffered);
    }
    TOffscreenFrame(const TOffscreenFrame&) = delete;
    TOffscreenFrame& operator=(const TOffscreenFrame&) = delete;

private:
    TChartContext& FChart;
    TChartCanvas& FCanvas;
    bool FBuffered;
    bool FAutoRepaint;
    bool FMetafiling;
};
