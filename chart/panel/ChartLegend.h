#pragma once

#include "chart/panel/CustomChartLegend.h"

// The legend a chart owns (Legend()).
class TChartLegend : public TCustomChartLegend {
public:
    explicit TChartLegend(TCustomChart* AChart) : TCustomChartLegend(AChart) {}
};
