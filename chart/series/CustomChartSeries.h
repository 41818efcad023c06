#pragma once

#include "chart/series/CustomChartElement.h"

#include <QString>

#include <memory>

// The legend settings of one series, created on first use.
class TSeriesLegend {
public:
    explicit TSeriesLegend(TSeriesChart* AChart) : FParentChart(AChart) {}

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    TSeriesChart* ParentChart() const { return FParentChart; }
    void SetParentChart(TSeriesChart* Value) { FParentChart = Value; }

private:
    void Repaint();

    TSeriesChart* FParentChart;
    bool FVisible = true;
    QString FText;
};

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
