#pragma once

#include "chart/panel/ChartWall.h"

// The right side wall, drawn only in 3D.
class TChartRightWall : public TChartWall {
public:
    explicit TChartRightWall(TChartContext* AChart) : TChartWall(AChart, 0x80FFFF) {}
};
