#pragma once

#include "chart/panel/ChartWall.h"

// The floor wall, drawn only in 3D.
class TChartBottomWall : public TChartWall {
public:
    explicit TChartBottomWall(TChartContext* AChart) : TChartWall(AChart, clWhite) {}
};
