#pragma once

#include "chart/panel/ChartHost.h"

#include <QString>
#include <QWidget>

class QTimer;
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

    // How long the mouse rests before the exact frame replaces a gesture frame.
    static const int SettleMilliseconds = 150;

    // The factors the data was multiplied by, so a tooltip shows the data's
    // own numbers.
    void SetMagnification(double XFactor, double YFactor);
    // The tooltip for the point of a series under (X, Y), empty when the
    // mouse rests on none.
    QString PointToolTip(int X, int Y) const;
    // The whole name of the legend item under (X, Y) when the legend shows
    // it cut, in lines of at most 80 characters; empty otherwise.
    QString LegendToolTip(int X, int Y) const;

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    void PaintBand();
    // A frame asked for by a pan, a wheel step or the hover is a gesture
    // frame; once the mouse rests for a moment the exact one follows.
    void QuickUntilRest();
    void Settle();

    TChart* FChart;
    QString FPaintError;
    double FXFactor = 1;
    double FYFactor = 1;
    // Wheel angle not yet a whole step (high-resolution wheels, touchpads).
    int FWheelRest = 0;
    QTimer* FSettle;
};
