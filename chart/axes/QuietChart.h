#pragma once

#include "chart/axes/ChartContext.h"

// Changes to the axis' own helper objects that must not ask for a repaint:
// switches the chart's automatic repaint off for its lifetime.
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
