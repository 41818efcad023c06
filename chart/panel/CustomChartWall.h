#pragma once

#include "chart/axes/CustomShape.h"

class TChartContext;

// A wall of the chart: a framed, optionally filled rectangle behind the plot.
class TCustomChartWall : public TCustomShape {
public:
    TCustomChartWall(TChartContext* AChart, TColor AColor);
    ~TCustomChartWall() override;

    // 3D thickness; no effect in 2D.
    int Size() const { return FSize; }
    void SetSize(int Value);

protected:
    int FSize = 0;
};
