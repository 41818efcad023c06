#include "chart/series/SeriesLegend.h"

#include "chart/series/SeriesChart.h"
#include "core/ChangeNotifier.h"

void TSeriesLegend::SetVisible(bool Value)
{
    if (Change(FVisible, Value))
        Repaint();
}

void TSeriesLegend::SetText(const QString& Value)
{
    if (Change(FText, Value))
        Repaint();
}

void TSeriesLegend::Repaint()
{
    if (FParentChart)
        FParentChart->Invalidate();
}
