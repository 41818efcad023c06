#include "chart/series/CustomChartElement.h"

#include "core/ChangeNotifier.h"
#include "chart/series/SeriesChart.h"

TCustomChartElement::TCustomChartElement(TSeriesChart* AOwner)
    : FBrush(std::make_unique<TChartBrush>([this] { Repaint(); })),
      FPen(std::make_unique<TChartPen>([this] { Repaint(); })),
      FOwner(AOwner)
{
    // Registered last: should a later constructor step throw, the destructor
    // below takes the element out of the owner's list again.
    if (FOwner)
        FOwner->InsertComponent(this);
}

TCustomChartElement::~TCustomChartElement()
{
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TCustomChartElement::SetActive(bool Value)
{
    if (Change(FActive, Value))
        Repaint();
}

void TCustomChartElement::Repaint()
{
    if (FParent)
        FParent->Invalidate();
}
