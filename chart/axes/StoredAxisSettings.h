#pragma once

class TChartContext;

// The axis settings of the program's stored chart design.
void ApplyStoredAxisSettings(TChartContext& Chart);
