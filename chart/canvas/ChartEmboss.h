#pragma once

#include "chart/canvas/ChartShadow.h"

#include <functional>
#include <utility>

// A shadow drawn on the opposite side of its shape, off unless asked for.
class TChartEmboss : public TChartShadow {
public:
    TChartEmboss() { Init(); }
    explicit TChartEmboss(std::function<void()> OnChange) : TChartShadow(std::move(OnChange)) { Init(); }

private:
    void Init()
    {
        FVisible = false;
        FDirection = sdLeftTop;
    }
};
