#pragma once

#include "chart/canvas/ChartPen.h"

// The pen of an axis' ticks and minor ticks: grey, one pixel wide.
class TTicks : public TChartPen {
public:
    TTicks() { FColor = 0x808080; }
    explicit TTicks(std::function<void()> OnChange) : TChartPen(std::move(OnChange)) { FColor = 0x808080; }
};
