#pragma once

#include "chart/panel/CustomChart.h"

// The chart the program places in its window.
class TChart : public TCustomChart {
public:
    TChart() = default;
};
