#include "chart/axes/AxisLabelsFormat.h"

TAxisLabelsFormat::TAxisLabelsFormat(TChartContext* AChart) : TCustomTextShape(AChart)
{
    FTextAlign = taCenter;
    FTransparent = true;
}

TAxisLabelsFormat::~TAxisLabelsFormat() = default;
