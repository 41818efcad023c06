#include "chart/series/CustomChartSeries.h"

#include "core/ChangeNotifier.h"
#include "chart/series/SeriesChart.h"

TCustomChartSeries::TCustomChartSeries(TSeriesChart* AOwner) : TCustomChartElement(AOwner) {}

TCustomChartSeries::~TCustomChartSeries() = default;

void TCustomChartSeries::SetActive(bool Value)
{
    if (!Change(FActive, Value))
        return;
    Repaint();
    if (FParent)
        FParent->BroadcastSeriesEvent(this, seChangeActive);
}

void TCustomChartSeries::SetTitle(const QString& Value)
{
    if (!Change(FTitle, Value))
        return;
    Repaint();
    if (FParent)
        FParent->BroadcastSeriesEvent(this, seChangeTitle);
}

TSeriesLegend* TCustomChartSeries::Legend()
{
    if (!FLegend)
        FLegend = std::make_unique<TSeriesLegend>(FParent);
    return FLegend.get();
}

void TCustomChartSeries::SetShowInLegend(bool Value)
{
    if (Value != ShowInLegend())
        Legend()->SetVisible(Value);
}

void TCustomChartSeries::SetLegendTitle(const QString& Value)
{
    if (Value != LegendTitle())
        Legend()->SetText(Value);
}
