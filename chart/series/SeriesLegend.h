#pragma once

#include <QString>

class TSeriesChart;

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
