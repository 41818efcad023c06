#pragma once

#include "chart/canvas/Rect.h"
#include "chart/canvas/RenderContext.h"

#include <QString>

class TChartAxes;
class TChartAxis;
class TChartCanvas;
class TChartFont;
enum TAxisLabelStyle : int;

// Extent of a text of several lines (lines separated by code 13).
struct TMultiLineTextSize {
    int Width = 0;
    int Height = 0;
    int NumLines = 0;
};

// The chart as the axes and the text shapes see it: the surface and text
// measuring, repaint requests, the plot rectangle of the frame being drawn,
// and what the series bound to an axis ask of it. The chart itself sits
// above the axes and the series; this is how they reach it without knowing
// it. The plot rectangle is plain state here so that reading it costs
// nothing on the drawing paths.
class TChartContext {
public:
    TChartContext() = default;
    TChartContext(const TChartContext&) = delete;
    TChartContext& operator=(const TChartContext&) = delete;
    virtual ~TChartContext() = default;

    // ------------------------------------------------ surface and text
    // The drawing surface, made on first use.
    virtual TChartCanvas* Canvas() = 0;
    void PrepareFont3D(const TChartFont& Font);
    // With the font on the surface: widest line, lines × height of "W".
    TMultiLineTextSize MultiLineTextSize(const QString& Text);
    int MultiLineTextWidth(const QString& Text) { return MultiLineTextSize(Text).Width; }
    // With the font on the surface: Line as it is when it is at most
    // MaxWidth wide, else its longest start that fits with "…" after it
    // (just "…" when nothing does).
    QString ElidedLine(const QString& Line, int MaxWidth);

    // --------------------------------------------------- render context
    // Where the frame being drawn goes (the screen between frames), with the
    // desktop colours the system colours stand for.
    const TRenderContext& RenderContext() const { return IRenderContext; }
    TColor ResolveColor(TColor Color) const { return IRenderContext.ResolveColor(Color); }
    // clNone becomes black, then system colours resolve.
    TColor ResolvePanelColor(TColor Color) const { return IRenderContext.ResolvePanelColor(Color); }

    // ------------------------------------------------------- repainting
    // Marks the picture stale and asks for a repaint unless AutoRepaint is off.
    virtual void Invalidate() = 0;
    bool AutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }

    // ------------------------------------------------------------ layout
    // The control's width as its host shows it.
    virtual int Width() const = 0;
    virtual bool View3D() const = 0;
    // The plot area; layout steps of a frame shrink it.
    const TRect& ChartRect() const { return FChartRect; }
    void SetChartRect(const TRect& Value) { FChartRect = Value; }
    const TRect& ChartBounds() const { return FChartBounds; }
    int ChartWidth() const { return FChartWidth; }
    int ChartHeight() const { return FChartHeight; }
    int ChartXCenter() const { return FChartXCenter; }
    int ChartYCenter() const { return FChartYCenter; }
    // Keeps ChartRect inside the bounds and at least one pixel wide and high,
    // then derives width, height and centre.
    void ReCalcWidthHeight();

    // -------------------------------------------------------------- axes
    TChartAxes* AxesList() const { return FAxesList; }
    virtual bool AxisVisible() const = 0;

    // ------------------------------------ the series bound to an axis
    // The data limit of the series bound to Axis in the asked direction: the
    // active ones, or all of them when none of the active ones is bound to
    // it; 0 without any.
    virtual double SeriesDataLimit(const TChartAxis* Axis, bool IsMin, bool IsX) const = 0;
    virtual bool NoActiveSeriesOnAxis(const TChartAxis* Axis) const = 0;
    // Whether the active series let Axis show: some of them uses it, or
    // none is active.
    virtual bool SeriesShowAxis(const TChartAxis* Axis) const = 0;
    // The largest pixel margins the active series on Axis ask beyond their
    // data: Low at the minimum's end, High at the maximum's; 0 without any.
    virtual void SeriesPixelMargins(const TChartAxis* Axis, int& Low, int& High) const = 0;
    // Whether an active series on horizontal Axis has at most Count points.
    virtual bool SeriesFewPoints(const TChartAxis* Axis, int Count) const = 0;
    // The label style the series on Axis call for: text when one of them has
    // point labels along it, values when any is active there, else none.
    virtual TAxisLabelStyle SeriesLabelStyle(const TChartAxis* Axis) const = 0;

protected:
    void SetAxesList(TChartAxes* Value) { FAxesList = Value; }

    bool FAutoRepaint = true;
    TRenderContext IRenderContext;
    TRect FChartBounds;
    TRect FChartRect;
    int FChartWidth = 0;
    int FChartHeight = 0;
    int FChartXCenter = 0;
    int FChartYCenter = 0;

private:
    TChartAxes* FAxesList = nullptr;
};
