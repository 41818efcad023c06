#pragma once

#include "chart/axes/ChartAxis.h"

// The depth axes keep their places in the axis list; they only take part in
// 3D, which this chart never draws, so they start hidden.
class TChartDepthAxis : public TChartAxis {
public:
    TChartDepthAxis(TChartContext* AChart, bool AOtherSide) : TChartAxis(AChart, false, AOtherSide)
    {
        FIsDepthAxis = true;
        FVisible = false;
    }
};
