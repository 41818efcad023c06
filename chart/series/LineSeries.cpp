#include "chart/series/LineSeries.h"

#include "chart/series/SeriesPointer.h"

TLineSeries::TLineSeries(TSeriesChart* AOwner) : TCustomSeries(AOwner)
{
    FDrawLine = true;
    AllowSinglePoint = false;
    FPointer->SetVisible(false);
    FPointer->SetDefaultVisible(false);
    DrawBetweenPoints = true;
}
