#pragma once

#include "core/Color.h"

class TCustomChartPanel;

// A wall of the chart; for now the colour of the back wall behind the plot,
// which the automatic series colours avoid.
class TChartWall {
public:
    explicit TChartWall(TCustomChartPanel* AChart, TColor AColor = clSilver)
        : FParentChart(AChart), FColor(AColor)
    {
    }
    TChartWall(const TChartWall&) = delete;
    TChartWall& operator=(const TChartWall&) = delete;

    TCustomChartPanel* ParentChart() const { return FParentChart; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

private:
    TCustomChartPanel* FParentChart;
    TColor FColor;
};
