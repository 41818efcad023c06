#include "chart/CustomChartPanel.h"

TCustomChartPanel::TCustomChartPanel() = default;

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::Invalidate()
{
    if (!FAutoRepaint)
        return;
    FDirty = true;
    ++FInvalidateCount;
    if (FOnRepaintRequest)
        FOnRepaintRequest();
}

void TCustomChartPanel::SetColor(TColor Value)
{
    if (FColor != Value) {
        FColor = Value;
        Invalidate();
    }
}
