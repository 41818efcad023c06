#pragma once

#include "chart/series/CustomChartElement.h"
#include "chart/series/SeriesLegend.h"

#include <QString>

#include <memory>

// A chart element with a title and legend settings.
class TCustomChartSeries : public TCustomChartElement {
public:
    explicit TCustomChartSeries(TSeriesChart* AOwner);
    ~TCustomChartSeries() override;

    void SetActive(bool Value) override;

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value);

    TSeriesLegend* Legend();
    bool HasLegend() const { return FLegend != nullptr; }
    bool ShowInLegend() const { return FLegend ? FLegend->Visible() : true; }
    void SetShowInLegend(bool Value);
    QString LegendTitle() const { return FLegend ? FLegend->Text() : QString(); }
    void SetLegendTitle(const QString& Value);

protected:
    std::unique_ptr<TSeriesLegend> FLegend;
    QString FTitle;
};
