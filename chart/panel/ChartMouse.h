#pragma once

#include "chart/canvas/Rect.h"
#include "chart/panel/ChartZoom.h"

class TChartAxis;
class TCustomChart;

enum TChartClickedPartStyle { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect, cpSubTitle, cpSubFoot, cpAxisTitle };

// What lies under a point of the chart.
struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    TChartAxis* AAxis = nullptr;
};

// The chart's reaction to the mouse, as the host hands it the events in
// the chart's pixels: the rubber-band zoom with the zoom button, panning with
// the scroll button, the wheel, and the hover highlighting of series, axis
// labels and legend items while no gesture runs.
class TChartMouse {
public:
    explicit TChartMouse(TCustomChart& Chart) : FChart(Chart) {}

    // The part under (X, Y): an axis, an axis title, the legend, a title, the
    // plot area (while a series is active), or nothing, in that order.
    TChartClickedPart CalcClickedPart(int X, int Y);

    void MouseDown(TMouseButton Button, int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp(TMouseButton Button, int X, int Y);
    // Whole wheel steps, positive away from the user.
    void MouseWheel(int Steps);
    // The mouse left the chart: nothing is hovered any more.
    void MouseLeave();

    bool GestureActive() const;
    bool Panning() const;
    // The rubber band while a zoom drag runs: its corners, unordered.
    bool BandVisible() const;
    TRect Band() const;

private:
    void TrackHover(int X, int Y);

    TCustomChart& FChart;
};
