#include "chart/CustomSeries.h"
#include "chart/canvas/ChangeNotifier.h"

#include "chart/SeriesPointer.h"

TCustomSeries::TCustomSeries(TCustomAxisPanel* AOwner)
    : TCustomLineSeries(AOwner), FPointer(std::make_unique<TSeriesPointer>(this))
{
    FBrush->SetColor(clDefault);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetDrawLine(bool Value)
{
    if (Change(FDrawLine, Value))
        Repaint();
}

void TCustomSeries::SetDrawArea(bool Value)
{
    if (Change(FDrawArea, Value))
        Repaint();
}

void TCustomSeries::SetDrawStyle(TCustomSeriesDrawStyle Value)
{
    if (Change(FDrawStyle, Value))
        Repaint();
}

void TCustomSeries::SetColorEachLine(bool Value)
{
    if (Change(FColorEachLine, Value))
        Repaint();
}

void TCustomSeries::SetInflateMargins(bool Value)
{
    if (Change(FInflateMargins, Value))
        Repaint();
}

void TCustomSeries::SetPointerBehind(bool Value)
{
    if (Change(FPointerBehind, Value))
        Repaint();
}

void TCustomSeries::SetStairs(bool Value)
{
    if (Change(FStairs, Value))
        Repaint();
}

void TCustomSeries::SetInvertedStairs(bool Value)
{
    if (Change(FInvertedStairs, Value))
        Repaint();
}

void TCustomSeries::SetSmoothed(bool Value)
{
    if (Change(FSmoothed, Value))
        Repaint();
}
