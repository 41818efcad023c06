#pragma once

#include "chart/axes/ChartAxes.h"
#include "chart/series/ChartSeriesEvent.h"
#include "chart/series/ChartSeriesList.h"
#include "core/InsertionOrder.h"
#include "chart/panel/ChartPanning.h"
#include "chart/panel/ChartZoom.h"
#include "chart/panel/CustomChartPanel.h"
#include "core/Color.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TChartAxis;
class TChartSeries;
class TCustomChartElement;
class TCustomAxisPanel;

using TChartDrawEvent = std::function<void(TCustomAxisPanel* Sender)>;

// The chart layer that holds the series and the axes: the series list, the
// components the chart owns, the colour palette, the series notifications and
// the frame's drawing order.
class TCustomAxisPanel : public TCustomChartPanel {
public:
    TCustomAxisPanel();
    ~TCustomAxisPanel() override;

    // Series list
    TChartSeries* AddSeries(TChartSeries* ASeries);
    void RemoveSeries(TChartSeries* ASeries) override;
    void RemoveSeries(int SeriesIndex);
    // Frees every series the filter accepts (every series without one).
    void FreeAllSeries(const std::function<bool(const TChartSeries*)>& Filter = {});
    int SeriesCount() const { return FSeriesList.Count(); }
    // Throws std::out_of_range for an index outside 0 .. SeriesCount() - 1.
    TChartSeries* GetSeries(int Index) const { return FSeriesList.Items(Index); }
    const TChartSeriesList* SeriesList() const override { return &FSeriesList; }
    int CountActiveSeries() const;
    // The text the legend shows for the SeriesIndex-th series listed there.
    QString SeriesTitleLegend(int SeriesIndex, bool OnlyActive = false) const;
    // The legend text of the series at ListIndex of the series list.
    QString LegendTextOf(int ListIndex) const;

    // Colours
    std::vector<TColor>& ColorPalette() { return FColorPalette; }
    const std::vector<TColor>& ColorPalette() const { return FColorPalette; }
    TColor GetDefaultColor(int Index) const override;
    TColor GetFreeSeriesColor(bool CheckBackground, const TChartSeries* Series) const override;
    virtual bool IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                                   const TChartSeries* ASeries) const;

    // Axes
    TChartAxis* BottomAxis() const override { return FBottomAxis.get(); }
    TChartAxis* TopAxis() const override { return FTopAxis.get(); }
    TChartAxis* LeftAxis() const override { return FLeftAxis.get(); }
    TChartAxis* RightAxis() const override { return FRightAxis.get(); }
    TChartAxis* DepthAxis() const { return FDepthAxis.get(); }
    TChartAxis* DepthTopAxis() const { return FDepthTopAxis.get(); }
    // In list order: bottom, top, left, right, depth, depth-top.
    const std::vector<TChartAxis*>& Axes() const { return AxesList()->Items(); }
    // The data limits of the series bound to an axis.
    double MinXValue(const TChartAxis* Axis) const { return AxesList()->AxisDataLimit(Axis, true, true); }
    double MaxXValue(const TChartAxis* Axis) const { return AxesList()->AxisDataLimit(Axis, false, true); }
    double MinYValue(const TChartAxis* Axis) const { return AxesList()->AxisDataLimit(Axis, true, false); }
    double MaxYValue(const TChartAxis* Axis) const { return AxesList()->AxisDataLimit(Axis, false, false); }
    bool IsAxisShown(const TChartAxis* Axis) const { return AxesList()->IsAxisShown(Axis); }
    // The axis steps of a frame: ranges, bands, the final ChartRect and the
    // labels and ticks (layout), then every shown axis drawn from them.
    void LayoutAxes() { AxesList()->CalcLayout(); }
    void DrawAllAxes() { AxesList()->Draw(); }
    // What the axes ask of the series bound to them.
    double SeriesDataLimit(const TChartAxis* Axis, bool IsMin, bool IsX) const override;
    bool NoActiveSeriesOnAxis(const TChartAxis* Axis) const override;
    bool SeriesShowAxis(const TChartAxis* Axis) const override;
    void SeriesPixelMargins(const TChartAxis* Axis, int& Low, int& High) const override;
    bool SeriesFewPoints(const TChartAxis* Axis, int Count) const override;
    TAxisLabelStyle SeriesLabelStyle(const TChartAxis* Axis) const override;
    // Mouse tracking of the axis labels; true when a hover index changed.
    bool CheckAxisLabelHover(int X, int Y) { return AxesList()->CheckLabelHover(X, Y); }
    // The mouse left the chart: no label is hovered.
    void ClearAxisLabelHover() { AxesList()->ClearLabelHover(); }

    // ------------------------------------------------ zoom and scroll
    TChartZoom* Zoom() { return &FZoom; }
    const TChartZoom* Zoom() const { return &FZoom; }
    TChartPanning* Panning() { return &FPanning; }
    TPanningMode AllowPanning() const { return FAllowPanning; }
    void SetAllowPanning(TPanningMode Value) { FAllowPanning = Value; }
    TMouseButton ScrollMouseButton() const { return FScrollMouseButton; }
    void SetScrollMouseButton(TMouseButton Value) { FScrollMouseButton = Value; }
    // Every horizontal axis to the values at Rect's left and right pixels,
    // every vertical one to those at its bottom and top, as a drag zooms
    // (the scales are saved first).
    void ZoomRect(const TRect& Rect);
    // Back to the scales saved before the first zoom or scroll since the
    // last undo; nothing when none are saved.
    void UndoZoom();
    bool Zoomed() const { return FZoomed; }
    // Whether saved scales wait for UndoZoom.
    bool ScalesSaved() const { return FRestorePending; }
    // The data under pixel (FromX, FromY) moves to (ToX, ToY), in the
    // directions AllowPanning allows.
    void PanBy(int FromX, int FromY, int ToX, int ToY);
    // Every vertical axis by 3 % of its range a step; up (positive) raises
    // the limits, so the data moves down.
    void WheelScroll(int Steps);
    // The pen colour of the rubber band drawn in not-XOR mode: the inverse of
    // the back colour XOR the zoom pen's colour.
    TColor ZoomBandColor() const;

    // Notifications
    int AddSeriesEventListener(TSeriesEventListener Listener);
    void RemoveSeriesEventListener(int Id);
    void BroadcastSeriesEvent(TCustomChartSeries* ASeries, TChartSeriesEvent AEvent) override;
    TSeriesNotifyEvent OnAddSeries;
    TSeriesNotifyEvent OnRemoveSeries;

    // Owned components (series created with this chart as owner).
    int ComponentCount() const { return int(FComponents.size()); }

    // Drawing settings
    bool AxisBehind() const { return FAxisBehind; }
    void SetAxisBehind(bool Value);
    bool AxisVisible() const override { return FAxisVisible; }
    void SetAxisVisible(bool Value);
    bool ClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool Value);
    bool View3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool Value);

    // Drawing events, at their places in the frame.
    TChartDrawEvent OnBeforeDrawChart;
    TChartDrawEvent OnBeforeDrawAxes;
    TChartDrawEvent OnBeforeDrawSeries;
    TChartDrawEvent OnAfterDraw;

protected:
    // The layout of series, titles, legend, axes and walls, in the frame's
    // order; nothing is drawn.
    void CalcLayout() override;
    // Titles and legend take their space from ChartRect.
    virtual void CalcTitlesAndLegendLayout();
    // Axis ranges, the space the axes take from ChartRect, their labels.
    virtual void CalcAxesLayout() { LayoutAxes(); }
    virtual void CalcWallsLayout() {}
    // The frame in its fixed order; later parts overdraw earlier ones.
    void InternalDraw(const TRect& UserRect) override;
    // Titles and the legend behind the series (BeforeSeries), or the legend
    // and custom-placed titles after them.
    virtual void DrawTitlesAndLegend(bool BeforeSeries);
    virtual void DrawWalls() {}
    virtual void DrawAxes() { DrawAllAxes(); }
    // Every active series with points, in list order, clipped to the plot area.
    virtual void DrawSeries();
    virtual void DrawSeriesValues(TChartSeries* Series);
    virtual void DrawZoomRectangle() {}
    // What the rubber band is drawn over: the panel colour here.
    virtual TColor ZoomBackColor() const { return Color(); }

    // Frees the owned components and lets go of any other series still in
    // the list. The most derived chart calls it first thing in its
    // destructor so that everything it owns is still there meanwhile.
    void DestroyContents();

    void InsertComponent(TCustomChartElement* AComponent) override;
    void RemoveComponent(TCustomChartElement* AComponent) override;
    void AttachSeries(TChartSeries* ASeries) override;

private:
    void RecordAxesLayout();
    // The scales of every axis but the depth axes, once until restored.
    void SaveScales();

    struct TSavedScale {
        TChartAxis* Axis;
        bool Automatic;
        bool AutomaticMinimum;
        bool AutomaticMaximum;
        double Minimum;
        double Maximum;
    };
    TChartZoom FZoom;
    TChartPanning FPanning;
    TPanningMode FAllowPanning = pmBoth;
    TMouseButton FScrollMouseButton = mbRight;
    std::vector<TSavedScale> FSavedScales;
    bool FRestorePending = false;
    bool FZoomed = false;

    std::vector<std::unique_ptr<TCustomChartElement>> FComponents;
    TInsertionOrder<const TCustomChartElement*> FComponentOrder;
    TChartSeriesList FSeriesList;
    std::vector<TColor> FColorPalette;
    std::unique_ptr<TChartAxis> FBottomAxis;
    std::unique_ptr<TChartAxis> FTopAxis;
    std::unique_ptr<TChartAxis> FLeftAxis;
    std::unique_ptr<TChartAxis> FRightAxis;
    std::unique_ptr<TChartAxis> FDepthAxis;
    std::unique_ptr<TChartAxis> FDepthTopAxis;
    std::unique_ptr<TChartAxes> FAxes;
    std::vector<std::pair<int, TSeriesEventListener>> FSeriesListeners;
    int FNextListenerId = 1;
    bool FAxisBehind = true;
    bool FAxisVisible = true;
    bool FClipPoints = true;
    bool FView3DWalls = true;
};
