#pragma once

#include "chart/panel/ChartWall.h"

// The wall behind the plot area, the only one drawn in 2D: transparent, so
// only its frame (and a picture) shows until it gets a colour.
class TChartBackWall : public TChartWall {
public:
    explicit TChartBackWall(TChartContext* AChart) : TChartWall(AChart, clSilver) { FTransparent = true; }
};

// The side and floor walls, drawn only in 3D.
class TChartLeftWall : public TChartWall {
public:
    explicit TChartLeftWall(TChartContext* AChart) : TChartWall(AChart, 0x80FFFF) {}
};

class TChartBottomWall : public TChartWall {
public:
    explicit TChartBottomWall(TChartContext* AChart) : TChartWall(AChart, clWhite) {}
};

class TChartRightWall : public TChartWall {
public:
    explicit TChartRightWall(TChartContext* AChart) : TChartWall(AChart, 0x80FFFF) {}
};
