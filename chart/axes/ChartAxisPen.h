#pragma once

#include "chart/canvas/ChartPen.h"

// The pen of the axis line: black, two pixels wide, flat ends.
class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() { Init(); }
    explicit TChartAxisPen(std::function<void()> OnChange) : TChartPen(std::move(OnChange)) { Init(); }

private:
    void Init()
    {
        FWidth = 2;
        FEndStyle = esFlat;
    }
};
