#pragma once

#include "chart/axes/ChartContext.h"

// The one repaint-off guard: changes made meanwhile (a frame being laid out
// and drawn, an export, a design being loaded, an axis' own helper objects)
// ask for no repaint. Switches the chart's automatic repaint off for its
// lifetime and puts it back as it was on every path out.
class TQuietChart {
public:
    explicit TQuietChart(TChartContext* Chart) : FChart(Chart), FOld(Chart && Chart->AutoRepaint())
    {
        if (FChart)
            FChart->SetAutoRepaint(false);
    }
    ~TQuietChart()
    {
        if (FChart)
            FChart->SetAutoRepaint(FOld);
    }
    TQuietChart(const TQuietChart&) = delete;
    TQuietChart& operator=(const TQuietChart&) = delete;

private:
    TChartContext* FChart;
    bool FOld;
};
