#pragma once

#include "chart/series/ChartSeries.h"

// A series drawn with a line; its line pen is the element's Pen.
class TCustomLineSeries : public TChartSeries {
public:
    explicit TCustomLineSeries(TSeriesChart* AOwner) : TChartSeries(AOwner) {}

    TChartPen* LinePen() const { return Pen(); }
    void SetLinePen(const TChartPen& Value) { SetPen(Value); }
};
