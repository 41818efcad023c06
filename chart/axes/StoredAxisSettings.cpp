#include "chart/axes/StoredAxisSettings.h"

#include "chart/axes/ChartContext.h"

void ApplyStoredAxisSettings(TChartContext& /*Chart*/)
{
    // The stored design keeps every axis property at its default (automatic
    // ranges, "#,##0.###" labels, the grey grid); the window, the headless
    // command and the tests still call this so that a stored axis setting has
    // one place to go.
}
