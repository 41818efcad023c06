#pragma once

#include "chart/series/ChartValueList.h"
#include "chart/series/CustomChartSeries.h"
#include "chart/canvas/Rect.h"
#include "core/Color.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TChartAxis;
class TChartCanvas;

enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

class TChartSeries;
// Returns false to veto the point being added (its values are staged in the
// TempValue of each value list).
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries* Sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries* Sender, int ValueIndex)>;

// A series of points (X, Y) kept sorted by X, with its colour, point colours
// and labels, axis binding and data limits.
class TChartSeries : public TCustomChartSeries {
public:
    explicit TChartSeries(TSeriesChart* AOwner);
    // Detaches from the chart first, then releases what the series owns.
    ~TChartSeries() override;

    void SetParentChart(TSeriesChart* Value) override;
    int SeriesIndex() const;

    // Points
    virtual int AddXY(double AXValue, double AYValue, const QString& ALabel = QString(),
                      TColor AColor = clDefault);
    // Appends many points at once with the same resulting order as AddXY one
    // by one, and one repaint instead of one per point.
    void AddXYArrays(std::vector<double> X, std::vector<double> Y);
    // A point without an X of its own is placed at X = its position.
    virtual int Add(double AValue, const QString& ALabel = QString(), TColor AColor = clDefault);
    virtual int AddNull(const QString& ALabel = QString());
    virtual int AddNullXY(double X, double Y, const QString& ALabel = QString());
    int Count() const { return FX->Count(); }
    TChartValueList* XValues() const { return FX; }
    TChartValueList* YValues() const { return FY; }
    TChartValueList* MandatoryValueList() const { return FY; }
    TChartValueList* NotMandatoryValueList() const { return FX; }
    const std::vector<std::unique_ptr<TChartValueList>>& ValuesList() const { return FValuesList; }
    bool YMandatory() const { return FYMandatory; }
    virtual double GetxValue(int ValueIndex) const;
    virtual double GetyValue(int ValueIndex) const;
    virtual void Clear();
    virtual void Delete(int ValueIndex);
    virtual void Delete(int Start, int Quantity);
    void BeginUpdate() { ++IUpdating; }
    void EndUpdate();
    int Updating() const { return IUpdating; }

    // Labels: empty until some point gets a non-empty one.
    QString Label(int ValueIndex) const;
    bool HasLabels() const { return !FLabels.isEmpty(); }

    // Colours
    TColor SeriesColor() const { return FColor == clDefault ? ISeriesColor : FColor; }
    virtual void SetSeriesColor(TColor Value);
    TColor Color() const { return SeriesColor(); }
    void SetColor(TColor Value) { SetSeriesColor(Value); }
    // True while the series follows the chart's palette.
    bool HasAutoColor() const { return FColor == clDefault; }
    void AssignAutoColor(TColor Value);
    bool ColorEachPoint() const { return FColorEachPoint; }
    void SetColorEachPoint(bool Value);
    bool HasPointColors() const { return FColors.has_value(); }
    virtual TColor GetValueColor(int ValueIndex) const;
    bool IsNull(int ValueIndex) const { return GetValueColor(ValueIndex) == clNone; }
    void SetNull(int ValueIndex, bool Null = true);

    double DefaultNullValue() const { return FDefaultNull; }
    void SetDefaultNullValue(double Value) { FDefaultNull = Value; }
    TTreatNullsStyle TreatNulls() const { return FTreatNulls; }
    void SetTreatNulls(TTreatNullsStyle Value);

    // Data limits (the axes' automatic range)
    virtual double MinXValue();
    virtual double MaxXValue();
    virtual double MinYValue();
    virtual double MaxYValue();
    // Pixels the series asks of its axes beyond its data limits.
    virtual void PixelMarginsHoriz(int& Left, int& Right) const;
    virtual void PixelMarginsVert(int& Top, int& Bottom) const;

    // Axis binding
    THorizAxis HorizAxis() const { return FHorizAxis; }
    void SetHorizAxis(THorizAxis Value);
    TVertAxis VertAxis() const { return FVertAxis; }
    void SetVertAxis(TVertAxis Value);
    TChartAxis* GetHorizAxis() const { return FGetHorizAxis; }
    TChartAxis* GetVertAxis() const { return FGetVertAxis; }
    virtual bool AssociatedToAxis(const TChartAxis* Axis) const;
    // Drawn against axes (clipped to the plot area).
    virtual bool UseAxis() const { return true; }

    // Runs before the frame's layout, once per frame.
    virtual void PrepareForDrawing() {}

    // The symbol of the series' legend item, drawn on Canvas inside Rect
    // (right and bottom exclusive). The legend has set a clear brush and its
    // own font; the symbol sets the pen and brush it needs. The chart's
    // LegendColor and LegendPen say what to draw with. Here: a box in the
    // series colour (nothing for clNone).
    virtual void DrawLegend(TChartCanvas& Canvas, const TRect& Rect);
    // The point or segment under the mouse since the last mouse check, -1 for
    // none; the legend highlights the item of a hovered series.
    virtual int HoverIndex() const { return -1; }

    // Drawing: the visible index range of this frame, then the points.
    virtual void CalcFirstLastVisibleIndex() {}
    virtual void PaintValues() {}
    // The index of the point (or segment start) under (X, Y), or -1.
    virtual int Clicked(int X, int Y)
    {
        (void)X;
        (void)Y;
        return -1;
    }
    // Pixel position of point ValueIndex through the bound axes.
    int CalcXPos(int ValueIndex) const;
    int CalcYPos(int ValueIndex) const;

    int FirstValueIndex() const { return FFirstVisibleIndex; }
    int LastValueIndex() const { return FLastVisibleIndex; }
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int Value) { FZOrder = Value; }
    const QString& ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const QString& Value);
    const QString& PercentFormat() const { return FPercentFormat; }
    void SetPercentFormat(const QString& Value);

    bool CalcVisiblePoints = true;
    bool DrawBetweenPoints = false;
    bool AllowSinglePoint = true;

    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnAfterAdd OnAfterAdd;

protected:
    friend class TCustomAxisPanel; // attaches and detaches series
    friend class TChartValueList;  // reports changes of its values

    // Runs when the series joins a chart, before it enters the series list.
    virtual void Added();
    // Runs when the chart drops the series from its list.
    virtual void Removed();
    void ResolveAxes();
    virtual void NotifyValueAdded(int ValueIndex);
    // A value list of this series changed.
    virtual void ValuesModified(TChartValueList*) {}
    void RefreshSeries();

    TColor FColor = clDefault;
    bool FColorEachPoint = false;
    TChartAxis* FGetHorizAxis = nullptr;
    TChartAxis* FGetVertAxis = nullptr;
    QStringList FLabels;
    QString FPercentFormat;
    QString FValueFormat;
    TTreatNullsStyle FTreatNulls = tnDontPaint;
    std::vector<std::unique_ptr<TChartValueList>> FValuesList;
    TChartValueList* FX;
    TChartValueList* FY;
    double FDefaultNull = 0;
    THorizAxis FHorizAxis = aBottomAxis;
    int FZOrder = -1;
    TVertAxis FVertAxis = aLeftAxis;
    TColor ISeriesColor = clDefault;
    // Absent until some point gets a colour other than clDefault.
    std::optional<std::vector<TColor>> FColors;
    int FFirstVisibleIndex = -1;
    int FLastVisibleIndex = -1;
    int IUpdating = 0;
    bool FYMandatory = true;

private:
    bool CanAppendArraysDirectly() const;
    bool AllPointsPainted() const;
    // The smallest or largest Y of the painted points (0 without any).
    template <class TReplaces>
    double PaintedYLimit(TReplaces Replaces) const;
    struct TYLimits {
        bool Valid = false;
        uint64_t Version = 0;
        double Min = 0;
        double Max = 0;
    };
    TYLimits IYLimits;
    const TYLimits& YLimits();
};
