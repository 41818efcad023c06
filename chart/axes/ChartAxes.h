#pragma once

#include <vector>

class TChartAxis;
class TChartContext;

// The chart's axis list in its fixed order (bottom, top, left, right, depth,
// depth-top) and the axis steps of a frame: layout before the walls, drawing
// after them, and the label hover test of the mouse.
class TChartAxes {
public:
    TChartAxes(TChartContext* AChart, std::vector<TChartAxis*> AItems);
    TChartAxes(const TChartAxes&) = delete;
    TChartAxes& operator=(const TChartAxes&) = delete;

    const std::vector<TChartAxis*>& Items() const { return FItems; }

    // The value-to-pixel binding: the fast one while a line series draws.
    bool FastCalc() const { return IFastCalc; }
    void SetFastCalc(bool Value) { IFastCalc = Value; }

    // The chart's hover highlighting; off disables the label hover test.
    bool HoverVisible() const { return FHoverVisible; }
    void SetHoverVisible(bool Value) { FHoverVisible = Value; }

    // The data limit of the series bound to Axis: the active ones, or all of
    // them when none of the active ones is bound to it; 0 without any.
    double AxisDataLimit(const TChartAxis* Axis, bool IsMin, bool IsX) const;
    bool NoActiveSeriesOnAxis(const TChartAxis* Axis) const;
    // Whether Axis takes part in the frame.
    bool IsAxisShown(const TChartAxis* Axis) const;

    // Ranges, bands and ChartRect of the frame, the marker padding, then
    // the labels and ticks of every shown axis; nothing is drawn.
    void CalcLayout();
    // Every shown axis in list order, as laid out.
    void Draw();
    // Sets the hover index of every shown axis from the mouse position; true
    // when one of them changed (the chart then repaints).
    bool CheckLabelHover(int X, int Y);
    // The mouse left the chart.
    void ClearLabelHover();

private:
    TChartContext* FChart;
    std::vector<TChartAxis*> FItems;
    bool IFastCalc = false;
    bool FHoverVisible = true;
};
