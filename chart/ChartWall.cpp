#include "chart/ChartWall.h"

#include "chart/CustomChartPanel.h"

void TChartWall::SetColor(TColor Value)
{
    if (FColor != Value) {
        FColor = Value;
        if (FParentChart)
            FParentChart->Invalidate();
    }
}
