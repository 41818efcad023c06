#pragma once

#include "chart/panel/ChartHost.h"

#include <QWidget>

class TChart;

// The thin widget that shows a chart: it gives the chart its size, calls its
// Paint from the widget's paint and turns the chart's repaint requests into
// widget updates. The chart stays the window's.
class TChartView : public QWidget, public TChartHost {
public:
    explicit TChartView(TChart* Chart, QWidget* Parent = nullptr);
    ~TChartView() override;

    TChart* Chart() const { return FChart; }
    void RequestRepaint() override;
    // The failure of the last paint, empty when it drew.
    const QString& PaintError() const { return FPaintError; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    TChart* FChart;
    QString FPaintError;
};
