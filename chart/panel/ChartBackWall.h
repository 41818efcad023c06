#pragma once

#include "chart/panel/ChartWall.h"

// The wall behind the plot area, the only one drawn in 2D: transparent, so
// only its frame (and a picture) shows until it gets a colour.
class TChartBackWall : public TChartWall {
public:
    explicit TChartBackWall(TChartContext* AChart) : TChartWall(AChart, clSilver) { FTransparent = true; }
};
