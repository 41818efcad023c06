#pragma once

#include "chart/canvas/ChartPen.h"

#include <functional>
#include <utility>

// A pen that starts hidden (frames and outlines that are off unless asked for).
class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() { FVisible = false; }
    explicit TChartHiddenPen(std::function<void()> OnChange) : TChartPen(std::move(OnChange))
    {
        FVisible = false;
    }
};
