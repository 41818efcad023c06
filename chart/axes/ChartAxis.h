#pragma once

#include "chart/axes/AxisGridPen.h"
#include "chart/axes/AxisItem.h"
#include "chart/axes/AxisScale.h"
#include "chart/axes/AxisStepper.h"
#include "chart/axes/ChartAxisPen.h"
#include "chart/axes/Ticks.h"
#include "chart/canvas/ChartHiddenPen.h"
#include "chart/canvas/Rect.h"
#include "core/ChangeNotifier.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class TAxisLabelsFormat;
class TChartAxisTitle;
class TChartFont;
class TChartContext;
class TCustomTextShape;

enum TAxisLabelStyle : int { talAuto, talNone, talValue, talMark, talText, talPointValue };
enum TAxisLabelAlign { alDefault, alOpposite, alCenter };
enum TAxisLabelsPosition { lpAtTick, lpBeforeTick, lpAfterTick, lpCenter };

// How far SetMinMax pulls equal limits apart.
inline constexpr double EqualLimitsGap = 1e-10;

// One axis of the chart: its range (automatic from the series or manual), the
// mapping between values and pixels along its side of the chart rectangle, the
// label step, the bands it takes from the chart rectangle and its drawing
// (line, ticks, grid, labels, title).
//
// The range and the value-pixel mapping are a TAxisScale, the label step and
// the label values a TAxisStepper (both pure arithmetic; the axis feeds them
// the chart's data and text metrics), the bands and the painting a
// TAxisPainter. The I-fields are the working state of the current frame;
// they are rebuilt on every draw and are public so that the frame's layout
// can be reported.
class TChartAxis : private TAxisScale {
public:
    TChartAxis(TChartContext* AChart, bool AHorizontal, bool AOtherSide);
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;
    virtual ~TChartAxis();

    TChartContext* ParentChart() const { return FParentChart; }
    bool Horizontal() const { return FHorizontal; }
    bool OtherSide() const { return FOtherSide; }
    bool IsDepthAxis() const { return FIsDepthAxis; }

    // ------------------------------------------------------------- range
    bool Automatic() const { return FAutomatic; }
    // Also switches both sides to the same state.
    void SetAutomatic(bool Value);
    bool AutomaticMinimum() const { return FAutomaticMinimum; }
    void SetAutomaticMinimum(bool Value);
    bool AutomaticMaximum() const { return FAutomaticMaximum; }
    void SetAutomaticMaximum(bool Value);
    double Minimum() const { return FMinimumValue; }
    // Throws AxisException when above the stored maximum.
    void SetMinimum(double Value);
    double Maximum() const { return FMaximumValue; }
    // Throws AxisException when below the stored minimum.
    void SetMaximum(double Value);
    // The wanted label step; 0 lets the axis choose.
    double Increment() const { return FDesiredIncrement; }
    // Throws AxisException when negative or not a number.
    void SetIncrement(double Value);
    // Both limits at once, in either order, without the order checks; the
    // axis becomes manual. Equal limits are pulled apart by EqualLimitsGap.
    void SetMinMax(double AMin, double AMax);
    // Moves both limits by Offset and makes the axis manual. With CheckLimits
    // a move that would leave the data behind is refused.
    void Scroll(double Offset, bool CheckLimits);
    // Puts back limits saved before a zoom or a scroll, as they were: no
    // order check (a restored maximum may lie below the present minimum).
    void RestoreScale(bool AAutomatic, bool AAutomaticMinimum, bool AAutomaticMaximum, double AMinimum,
                      double AMaximum);

    int MinimumOffset() const { return FMinimumOffset; }
    void SetMinimumOffset(int Value) { if (Change(FMinimumOffset, Value)) Repaint(); }
    int MaximumOffset() const { return FMaximumOffset; }
    void SetMaximumOffset(int Value) { if (Change(FMaximumOffset, Value)) Repaint(); }
    bool MinimumRound() const { return FMinimumRound; }
    void SetMinimumRound(bool Value) { if (Change(FMinimumRound, Value)) Repaint(); }
    bool MaximumRound() const { return FMaximumRound; }
    void SetMaximumRound(bool Value) { if (Change(FMaximumRound, Value)) Repaint(); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { if (Change(FVisible, Value)) Repaint(); }
    // Start and end of the axis in percent of the chart rectangle's side.
    double StartPosition() const { return FStartPosition; }
    void SetStartPosition(double Value) { if (Change(FStartPosition, Value)) Repaint(); }
    double EndPosition() const { return FEndPosition; }
    void SetEndPosition(double Value) { if (Change(FEndPosition, Value)) Repaint(); }

    // ------------------------------------------------------------ labels
    TCustomTextShape* LabelsFormat() const;
    TChartFont* LabelsFont() const;
    bool Labels() const;
    void SetLabels(bool Value);
    TAxisLabelAlign LabelsAlign() const { return FLabelsAlign; }
    void SetLabelsAlign(TAxisLabelAlign Value) { if (Change(FLabelsAlign, Value)) Repaint(); }
    bool LabelsAlternate() const { return FLabelsAlternate; }
    void SetLabelsAlternate(bool Value) { if (Change(FLabelsAlternate, Value)) Repaint(); }
    int LabelsAngle() const { return FLabelsAngle; }
    void SetLabelsAngle(int Value) { if (Change(FLabelsAngle, Value)) Repaint(); }
    bool LabelsGridIgnoresLabelSize() const { return FLabelsGridIgnoresSize; }
    void SetLabelsGridIgnoresLabelSize(bool Value) { if (Change(FLabelsGridIgnoresSize, Value)) Repaint(); }
    bool LabelsOnAxis() const { return FLabelsOnAxis; }
    void SetLabelsOnAxis(bool Value) { if (Change(FLabelsOnAxis, Value)) Repaint(); }
    // Extra gap between labels in percent of the label size.
    int LabelsSeparation() const { return FLabelsSeparation; }
    // Throws AxisException when negative.
    void SetLabelsSeparation(int Value);
    // Fixed labels band thickness; 0 measures.
    int LabelsSize() const { return FLabelsSize; }
    void SetLabelsSize(int Value) { if (Change(FLabelsSize, Value)) Repaint(); }
    TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
    void SetLabelStyle(TAxisLabelStyle Value) { if (Change(FLabelStyle, Value)) Repaint(); }
    bool LabelsMultiLine() const { return FLabelsMultiLine; }
    void SetLabelsMultiLine(bool Value) { if (Change(FLabelsMultiLine, Value)) Repaint(); }
    bool RoundFirstLabel() const { return FRoundFirstLabel; }
    void SetRoundFirstLabel(bool Value) { if (Change(FRoundFirstLabel, Value)) Repaint(); }
    TAxisLabelsPosition LabelsPosition() const { return FLabelsPosition; }
    void SetLabelsPosition(TAxisLabelsPosition Value) { if (Change(FLabelsPosition, Value)) Repaint(); }
    const QString& AxisValuesFormat() const { return FAxisValuesFormat; }
    void SetAxisValuesFormat(const QString& Value) { if (Change(FAxisValuesFormat, Value)) Repaint(); }

    // ------------------------------------------------- line, ticks, grid
    TChartAxisPen* Axis() { return &FAxis; }
    TTicks* Ticks() { return &FTicks; }
    TTicks* MinorTicks() { return &FMinorTicks; }
    TTicks* TicksInner() { return &FTicksInner; }
    TAxisGridPen* Grid() { return &FGrid; }
    TChartHiddenPen* MinorGrid() { return &FMinorGrid; }
    int TickLength() const { return FTickLength; }
    void SetTickLength(int Value) { if (Change(FTickLength, Value)) Repaint(); }
    int MinorTickLength() const { return FMinorTickLength; }
    void SetMinorTickLength(int Value) { if (Change(FMinorTickLength, Value)) Repaint(); }
    int MinorTickCount() const { return FMinorTickCount; }
    void SetMinorTickCount(int Value) { if (Change(FMinorTickCount, Value)) Repaint(); }
    int TickInnerLength() const { return FTickInnerLength; }
    void SetTickInnerLength(int Value) { if (Change(FTickInnerLength, Value)) Repaint(); }
    bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool Value) { if (Change(FTickOnLabelsOnly, Value)) Repaint(); }
    bool GridCentered() const { return FGrid.Centered(); }
    void SetGridCentered(bool Value) { FGrid.SetCentered(Value); }

    // ------------------------------------------------------------- title
    // Created on first access; until then the axis has no title.
    TChartAxisTitle* Title();
    bool HasTitle() const { return FTitle != nullptr; }
    // Fixed title band thickness; 0 measures.
    int TitleSize() const { return FTitleSize; }
    void SetTitleSize(int Value) { if (Change(FTitleSize, Value)) Repaint(); }

    // --------------------------------------------------------- operations
    // The range of this frame from the data or the stored limits.
    void AdjustMaxMin();
    // The data limits into AMin and AMax, each only where that side is automatic.
    void CalcMinMax(double& AMin, double& AMax);
    using TAxisScale::RecalcRange;
    void RoundLimits();
    // Start, end, size and centre along the current chart rectangle.
    void PlaceOnChartRect();
    // Widens the range so that the old one fits the axis shortened by the
    // rectangle's margins (pixels).
    void AdjustMaxMinRect(const TRect& Rect);
    // Widens automatic limits by the pixel margins the series ask for.
    void PadRangeForSeries();

    // Value to pixel (the binding the chart's axis list selects) and back.
    int CalcPosValue(double Value) const;
    int CalcXPosValue(double Value) const;
    int CalcYPosValue(double Value) const;
    // CalcPosValue of Count values at once.
    void CalcPosValues(const double* Values, int Count, int* Out) const;
    using TAxisScale::InternalCalcPosPoint;

    // Label steps. The labels font must be on the canvas. CalcIncrement also
    // settles ILabelDecimals and ILabelStep for the labels of that step.
    double CalcIncrement();
    double CalcXYIncrement(int MaxLabelSize);
    double StepForLabelCount(int Count);
    // The smallest 1, 2 or 5 times a power of ten strictly above X.
    static double NextNiceStep(double X);
    bool FewPointsOnAxis(int Count) const;
    int LabelWidth(double Value);
    int LabelHeight(double Value);
    // A label of more digits than this is written in the exponent form.
    static constexpr int MaxLabelDigits = 15;
    QString LabelValue(double Value) const;
    TAxisLabelStyle CalcLabelStyle() const;
    // The widest value label plus a space (labels font on the canvas).
    int MaxLabelsWidth();

    // Takes the axis' bands (title, labels, ticks) off its side of Rect and
    // sets the title and labels positions.
    void ReserveAxisSpace(TRect& Rect, bool InflateChartRectangle);
    // The axis line's position (with CalcPosAxis), the title's place, the
    // labels with their boxes and the ticks of the current range; nothing is
    // drawn. The labels font must be on the canvas for measuring.
    void LayoutLabels(bool CalcPosAxis);
    // The laid-out axis: title, line, ticks, grid, minor ticks, labels.
    void DrawLaidOut();
    // LayoutLabels, then DrawLaidOut.
    void Draw(bool CalcPosAxis);
    // Labels and ticks of the current range and lengths.
    void BuildLabelItems();
    void DrawAxisLabel(int X, int Y, int Angle, const QString& St, TCustomTextShape* Format);
    void DrawAxisTitle(int X, int Y);
    void DrawGridLines(int Count);

    // Label hover: the index of the label under the mouse (-1: none).
    int HoverIndex() const { return FHoverIndex; }
    void SetHoverIndex(int Value);
    // The label under (X, Y), or -1. The labels font must be on the canvas.
    int LabelAtPoint(int X, int Y);
    // Whether (X, Y) lies on the axis as the last frame drew it: its line,
    // ticks and labels band along its length.
    bool LineOrLabelsAt(int X, int Y);
    // Whether (X, Y) lies on the axis title as last drawn (a visible title
    // with a caption).
    bool TitleAt(int X, int Y);
    // The bold copy of the labels shape the hovered label is drawn with;
    // made on first use.
    TCustomTextShape* LabelsHover();

    // --------------------------------------------------- frame results
    // Whether the chart shows this axis in the current frame.
    bool Shown() const { return FShown; }
    void SetShown(bool Value) { FShown = Value; }
    int PosAxis() const { return FPosAxis; }
    int PosLabels() const { return FPosLabels; }
    int PosTitle() const { return FPosTitle; }
    // Whether the laid-out axis shows its title, and where.
    bool TitleShown() const { return ITitleShown; }
    TRect TitleBounds() const;
    // The step the labels of the last draw were made with.
    double LabelIncrement() const { return FLabelIncrement; }
    const std::vector<TAxisItem>& Items() const { return FItems; }

    void Repaint();

    using TAxisScale::IMinimum;
    using TAxisScale::IMaximum;
    using TAxisScale::IRange;
    using TAxisScale::IRangeZero;
    using TAxisScale::IAxisSizeRange;
    using TAxisScale::IStartPos;
    using TAxisScale::IEndPos;
    using TAxisScale::IAxisSize;
    using TAxisScale::ICenterPos;
    int IGapSize = 0;
    bool ITitleShown = false;
    bool IAxisDateTime = false;
    int IHeightFactor = 1;
    int IExtraSpace = 0;
    int IWallSize = 0;
    // The decimals the labels of the current step show in place of the
    // format's own: the fewest that give neighbouring labels different texts
    // where the format alone would repeat a text; -1 keeps the format.
    int ILabelDecimals = -1;
    // The step CalcIncrement settled on, 0 while it samples labels.
    double ILabelStep = 0;
    bool IDrawAll = false;
    // Pixel positions of the ticks of the last draw, largest value first.
    std::vector<int> Tick;

protected:
    bool FIsDepthAxis = false;
    bool FVisible = true;

private:
    // Bands, drawing and the label hit test.
    friend class TAxisPainter;

    void SetAutoMinMax(bool& Side, bool OtherSide, bool Value);
    double DataLimit(bool IsMin) const;
    TAxisStepper Stepper() const;
    double SampledIncrement();
    int DistinctLabelDecimals(double Step) const;
    int InternalLabelSize(double Value, bool IsWidth);
    void AddValueLabel(double Value);
    void AddAxisItem(int Pos, const QString& Text, double Value);

    TChartContext* FParentChart;
    bool FOtherSide;

    bool FAutomatic = true;
    bool FAutomaticMaximum = true;
    bool FAutomaticMinimum = true;
    double FDesiredIncrement = 0;
    double FMaximumValue = 0;
    double FMinimumValue = 0;
    int FMaximumOffset = 0;
    int FMinimumOffset = 0;
    bool FMaximumRound = false;
    bool FMinimumRound = false;
    double FStartPosition = 0;
    double FEndPosition = 100;

    TAxisLabelAlign FLabelsAlign = alDefault;
    bool FLabelsAlternate = false;
    int FLabelsAngle = 0;
    bool FLabelsGridIgnoresSize = false;
    bool FLabelsOnAxis = true;
    int FLabelsSeparation = 10;
    int FLabelsSize = 0;
    TAxisLabelStyle FLabelStyle = talAuto;
    bool FLabelsMultiLine = false;
    bool FRoundFirstLabel = true;
    TAxisLabelsPosition FLabelsPosition = lpAtTick;
    QString FAxisValuesFormat = QStringLiteral("#,##0.###");

    TChartAxisPen FAxis;
    TTicks FTicks;
    TTicks FMinorTicks;
    TTicks FTicksInner;
    TAxisGridPen FGrid;
    TChartHiddenPen FMinorGrid;
    int FTickLength = 4;
    int FMinorTickLength = 2;
    int FMinorTickCount = 3;
    int FTickInnerLength = 0;
    bool FTickOnLabelsOnly = true;
    int FTitleSize = 0;

    std::unique_ptr<TAxisLabelsFormat> FLabelsFormat;
    std::unique_ptr<TAxisLabelsFormat> FLabelsHover;
    std::unique_ptr<TChartAxisTitle> FTitle;
    std::vector<TAxisItem> FItems;
    bool FAutoItems = true;
    int FHoverIndex = -1;

    bool FShown = false;
    int FPosAxis = 0;
    int FPosLabels = 0;
    int FPosTitle = 0;
    int FLabelsBand = 0;
    double FLabelIncrement = 0;
};

