#include "chart/ChartAxis.h"

#include "chart/ChartAxisTitle.h"
#include "chart/CustomAxisPanel.h"

TChartAxis::TChartAxis(TCustomAxisPanel* AChart, bool AHorizontal, bool AOtherSide)
    : FParentChart(AChart), FHorizontal(AHorizontal), FOtherSide(AOtherSide)
{
}

TChartAxis::~TChartAxis() = default;

void TChartAxis::SetAutomatic(bool Value)
{
    const bool Changed = FAutomatic != Value || FAutomaticMinimum != Value
        || FAutomaticMaximum != Value;
    FAutomatic = Value;
    FAutomaticMinimum = Value;
    FAutomaticMaximum = Value;
    if (Changed)
        Repaint();
}

void TChartAxis::SetAutomaticMinimum(bool Value)
{
    SetAutoMinMax(FAutomaticMinimum, FAutomaticMaximum, Value);
}

void TChartAxis::SetAutomaticMaximum(bool Value)
{
    SetAutoMinMax(FAutomaticMaximum, FAutomaticMinimum, Value);
}

void TChartAxis::SetAutoMinMax(bool& Side, bool OtherSide, bool Value)
{
    const bool Changed = Side != Value;
    Side = Value;
    // The axis is automatic exactly while both of its sides are.
    if (!Value)
        FAutomatic = false;
    else if (OtherSide)
        FAutomatic = true;
    if (Changed)
        Repaint();
}

TChartAxisTitle* TChartAxis::Title()
{
    if (!FTitle) {
        const int Angle = FHorizontal ? 0 : (FOtherSide ? 270 : 90);
        FTitle = std::make_unique<TChartAxisTitle>(this, Angle);
    }
    return FTitle.get();
}

void TChartAxis::Repaint()
{
    if (FParentChart)
        FParentChart->Invalidate();
}
