#pragma once

#include "chart/series/ChartSelected.h"
#include "chart/series/CustomLineSeries.h"
#include "chart/series/SeriesPointer.h"

#include <functional>
#include <memory>
#include <vector>

class TChartPen;
class TColumnExtremes;
class TColumnLumps;
class TSmoothingFunction;


class TCustomSeries;
// Chooses the marker style of one point.
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TCustomSeries* Sender, int ValueIndex)>;

// A line series with markers: the pointer and the line and area switches.
class TCustomSeries : public TCustomLineSeries {
public:
    explicit TCustomSeries(TSeriesChart* AOwner);
    ~TCustomSeries() override;

    TSeriesPointer* Pointer() const { return FPointer.get(); }

    bool DrawLine() const { return FDrawLine; }
    void SetDrawLine(bool Value);
    bool DrawArea() const { return FDrawArea; }
    void SetDrawArea(bool Value);
    bool ColorEachLine() const { return FColorEachLine; }
    void SetColorEachLine(bool Value);
    bool ClickableLine() const { return FClickableLine; }
    void SetClickableLine(bool Value) { FClickableLine = Value; }
    int ClickTolerance() const { return FClickTolerance; }
    void SetClickTolerance(int Value) { FClickTolerance = Value; }
    bool InflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool Value);
    bool PointerBehind() const { return FPointerBehind; }
    void SetPointerBehind(bool Value);

    // Smoothed: from the next frame on the series' points are samples of a
    // smooth curve through its data points, which wait in a hidden copy;
    // switched off, the data points come back at the next frame.
    bool Smoothed() const { return FSmoothed; }
    virtual void SetSmoothed(bool Value);
    // The hidden copy of the data points while smoothed, else null. It is in
    // no chart and no legend.
    TCustomSeries* SmoothSeries() const { return FSmoothSeries.get(); }
    // The function computing the samples while smoothed (owned by the chart).
    TSmoothingFunction* SmoothFunction() const { return FSmoothFunction; }

    // Sets up or undoes the smoothing.
    void PrepareForDrawing() override;
    void Clear() override;

    // Draws the marker of point ValueIndex at (px, py), ColorValue being the
    // point's colour, on the chart's canvas (the line drawing calls it after
    // the segments that meet at the point).
    void PaintPointer(int px, int py, TColor ColorValue, int ValueIndex, int Times = 1);
    TOnGetPointerStyle OnGetPointerStyle;

    // Line drawing: the visible range (widened by the markers that reach into
    // the plot), then segment by segment with every marker over both
    // segments that meet at its point.
    void CalcFirstLastVisibleIndex() override;
    void PaintValues() override;
    // The last drawing of the values took the gesture frames' fast path.
    bool DrewQuick() const { return IDrewQuick; }
    void PixelMarginsHoriz(int& Left, int& Right) const override;
    void PixelMarginsVert(int& Top, int& Bottom) const override;
    // The legend symbol: a line in the series colour with the marker fitted
    // into the box.
    void DrawLegend(TChartCanvas& Canvas, const TRect& Rect) override;

    // Hover: the marker or segment under the mouse, drawn with the hover pen.
    int Clicked(int X, int Y) override;
    void CheckMouse(int X, int Y);
    // Created on first use (the first mouse movement over the chart).
    TChartSelected* Selected();
    bool HasSelected() const { return FSelected != nullptr; }
    int HoverIndex() const override;

protected:
    // The pen a marker under the mouse is drawn with, or null when point
    // ValueIndex is not the one under the mouse.
    virtual const TChartPen* PointerHoverPen(int ValueIndex) const;
    // New points, or points gone: the column extremes are stale.
    void ValuesModified(TChartValueList* List) override;

    bool FClickableLine = true;
    int FClickTolerance = 0;
    bool FColorEachLine = true;
    bool FDrawArea = false;
    bool FDrawLine = false;
    bool FInflateMargins = true;
    std::unique_ptr<TSeriesPointer> FPointer;
    bool FPointerBehind = false;
    bool FSmoothed = false;
    TSmoothingFunction* FSmoothFunction = nullptr;
    std::unique_ptr<TCustomSeries> FSmoothSeries;
    // Cleared (by someone other than the smoothing) since the smoothing was
    // set up: the points are new data and the hidden copy is stale.
    bool FDirty = false;

private:
    void PaintValue(int ValueIndex);
    void PaintValueAt(int ValueIndex, int X, int Y, TColor Color);
    void PaintMergingRepeats();
    // A gesture frame of a dense series: per pixel column, the join from the
    // previous column and the span from its lowest to its highest point; with
    // markers, each run of points on one pixel as one marker drawn over
    // itself.
    bool CanPaintQuick();
    void PaintQuick();
    void PaintQuickMarkers(int First, int End);
    void DrawEntrySegment(int ValueIndex, int X, int Y, TColor Color);
    void PaintSegment(int ValueIndex, int X, int Y, TColor Color, bool DrawPreviousPointer);
    void PrepareLinePen(TColor Color);
    // Pulls a pixel beyond ±32767 back along segment ValueIndex.
    void ClampToDeviceRange(int& P, int& Q, int ValueIndex) const;
    double YOnSegmentAt(int ValueIndex, double XValue) const;
    bool PointerReaches(int ValueIndex, const TRect& R) const;

    // Drawing state of one pass.
    int OldX = 0;
    int OldY = 0;
    TColor OldColor = clDefault;
    TRect IClientRect;
    bool IDense = false; // many more visible points than pixel columns
    double IDashLength = 0; // the line's length drawn so far in this frame
    bool ISkipRepeats = false; // a vector picture: points repeating a pixel are left out
    bool ISkipTranslucentRepeats = false; // also in translucent colours (the output drops alpha)
    bool IDrewQuick = false;
    std::unique_ptr<TChartSelected> FSelected;
    // Built on the first gesture frame after a data change.
    std::unique_ptr<TColumnExtremes> IExtremes;
    std::unique_ptr<TColumnLumps> ILumps;
    std::vector<int> IColumnRows;

    void SetUpSmoothing();
    void UndoSmoothing();
    void FreeSmoothFunction();
    // Replaces this series' points by Source's (values, colours, labels) in
    // Source's order.
    void CopyPoints(const TCustomSeries& Source);
};
