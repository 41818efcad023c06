#pragma once

// What shows a chart (a window, a test). The chart asks it for a repaint after
// a change; the host later calls the chart's Paint once for any number of
// requests made before it.
class TChartHost {
public:
    virtual ~TChartHost() = default;
    virtual void RequestRepaint() = 0;
};
