#include "chart/axes/AxisLabelsFormat.h"

TAxisLabelsFormat::TAxisLabelsFormat(TCustomChartPanel* AChart) : TCustomTextShape(AChart)
{
    FTextAlign = taCenter;
    FTransparent = true;
}

TAxisLabelsFormat::~TAxisLabelsFormat() = default;
