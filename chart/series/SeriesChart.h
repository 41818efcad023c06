#pragma once

#include "chart/axes/ChartContext.h"
#include "chart/series/ChartSeriesEvent.h"
#include "core/Color.h"

class TChartSeries;
class TChartSeriesList;
class TCustomChartElement;
class TCustomChartSeries;

// The chart as its series see it: the axis context plus the series list,
// the palette, the axes a series binds to and the series notifications.
// The chart implements it; the series never include the chart.
class TSeriesChart : public TChartContext {
public:
    virtual const TChartSeriesList* SeriesList() const = 0;
    virtual void RemoveSeries(TChartSeries* ASeries) = 0;
    virtual void BroadcastSeriesEvent(TCustomChartSeries* ASeries, TChartSeriesEvent AEvent) = 0;

    virtual TColor GetDefaultColor(int Index) const = 0;
    virtual TColor GetFreeSeriesColor(bool CheckBackground, const TChartSeries* Series) const = 0;

    virtual TChartAxis* BottomAxis() const = 0;
    virtual TChartAxis* TopAxis() const = 0;
    virtual TChartAxis* LeftAxis() const = 0;
    virtual TChartAxis* RightAxis() const = 0;

    // The chart's hover highlighting; off, no series tracks the mouse.
    virtual bool HoverVisible() const { return true; }
    // The frame in progress is a gesture frame: dense series may draw their
    // lines and markers per pixel column instead of point by point.
    virtual bool QuickFrame() const { return false; }

protected:
    friend class TCustomChartElement; // joins and leaves its owner's components
    friend class TChartSeries;        // joins a chart through SetParentChart
    virtual void InsertComponent(TCustomChartElement* AComponent) = 0;
    virtual void RemoveComponent(TCustomChartElement* AComponent) = 0;
    virtual void AttachSeries(TChartSeries* ASeries) = 0;
};
