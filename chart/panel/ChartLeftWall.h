#pragma once

#include "chart/panel/ChartWall.h"

// The left side wall, drawn only in 3D.
class TChartLeftWall : public TChartWall {
public:
    explicit TChartLeftWall(TChartContext* AChart) : TChartWall(AChart, 0x80FFFF) {}
};
