#pragma once

#include "chart/series/ChartSelected.h"
#include "chart/panel/CustomShapePosition.h"
#include "chart/panel/LegendSymbol.h"
#include "chart/canvas/ChartHiddenPen.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/Point.h"
#include "chart/canvas/Rect.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class TChartSeries;
class TCustomChart;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
// Only the series style is built: every style lists the series.
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
// Grid layout of a horizontal legend.
enum TLegendHorizJustify { ljAutomatic, ljYes, ljNo };

// One line of the legend: the series it stands for and its text, split at
// code 6 into up to three columns.
struct TLegendItem {
    TChartSeries* Series = nullptr;
    QString Text;
    std::array<QString, 3> Columns;
    // A column was cut to fit (Text keeps it whole).
    bool Elided = false;
};

// The series legend: a framed box beside (laLeft, laRight) or above and below
// (laTop, laBottom) the plot area with one item per listed series, a symbol
// the series draws and its title. The chart lays it out in the layout phase of
// a frame, which also takes its space from ChartRect, and draws it last.
class TCustomChartLegend : public TCustomShapePosition {
public:
    explicit TCustomChartLegend(TCustomChart* AChart);
    ~TCustomChartLegend() override;

    // ------------------------------------------------------------ settings
    TLegendAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TLegendAlignment Value);
    bool Vertical() const { return FAlignment == laLeft || FAlignment == laRight; }
    TLegendStyle LegendStyle() const { return FLegendStyle; }
    void SetLegendStyle(TLegendStyle Value);
    // The frame is the shape's pen.
    TChartPen* Frame() { return &FPen; }
    // Percent: the top offset of a vertical legend, the side gap of a
    // horizontal one.
    int TopPos() const { return FTopPos; }
    void SetTopPos(int Value);
    // Gap to the plot area; 0 = 3 % of the chart width (vertical) or 4 % of
    // its height (horizontal).
    int HorizMargin() const { return FHorizMargin; }
    void SetHorizMargin(int Value);
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int Value);
    int TextSymbolGap() const { return FTextSymbolGap; }
    void SetTextSymbolGap(int Value);
    int VertSpacing() const { return FVertSpacing; }
    void SetVertSpacing(int Value);
    bool ResizeChart() const { return FResizeChart; }
    void SetResizeChart(bool Value);
    // 0: no limit for vertical legends, 10 rows for horizontal ones.
    int MaxNumRows() const { return FMaxNumRows; }
    void SetMaxNumRows(int Value);
    TLegendHorizJustify HorizJustify() const { return FHorizJustify; }
    void SetHorizJustify(TLegendHorizJustify Value);
    bool Inverted() const { return FInverted; }
    void SetInverted(bool Value);
    // Lists inactive series too; the boxes themselves are not drawn.
    bool CheckBoxes() const { return FCheckBoxes; }
    void SetCheckBoxes(bool Value);
    // Drawn before the series instead of last.
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool Value);
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool Value);
    // Their width counts in the item height of a vertical legend.
    TChartHiddenPen* DividingLines() { return &FDividingLines; }
    // The first listed series shown.
    int FirstValue() const { return FFirstValue; }
    void SetFirstValue(int Value);
    TLegendSymbol* Symbol() { return &FSymbol; }
    const TLegendSymbol* Symbol() const { return &FSymbol; }
    // Hover state, made on first use.
    TChartSelected* Selected();
    bool HasSelected() const { return FSelected != nullptr; }

    // -------------------------------------------------------------- frames
    // Visible, and some series to list.
    bool ShouldDraw() const;
    // Forgets the last layout; the chart calls it at the start of a frame.
    void ResetLayout();
    // Lays the legend out on the chart rectangle and takes its space.
    void CalcRect();
    // Draws the laid-out legend (nothing when no item is shown).
    void DrawLegend();
    // The index of the item at a point of the chart (FirstValue counts), -1
    // for none.
    int Clicked(int X, int Y) const;
    // The text of the Index-th listed series.
    QString FormattedLegend(int Index) const;
    // The item index of a series (FirstValue counts), -1 when not listed.
    int SeriesItemIndex(const TChartSeries* ASeries) const;

    // ------------------------------------------- working values of a layout
    // Items listed, from FirstValue on.
    int TotalItems() const { return ITotalItems; }
    // Items laid out and drawn, from FirstValue on; 0 when not shown.
    int ShownItems() const { return IShownItems; }
    int LastValue() const { return ILastValue; }
    // Item k (0 = the FirstValue-th listed series); its series pointer holds
    // until the series list changes.
    const TLegendItem& Item(int k) const { return FItems[size_t(k)]; }
    int ItemHeight() const { return IItemHeight; }
    int ItemsTopMargin() const { return IItemsTopMargin; }
    int ColorWidth() const { return IColorWidth; }
    int MaxWidth() const { return IMaxWidth; }
    int SpaceWidth() const { return ISpaceWidth; }
    int ColumnWidth(int Column) const { return IColumnWidths[size_t(Column)]; }
    int NumCols() const { return INumCols; }
    int NumRows() const { return INumRows; }
    // A horizontal legend in the grid layout.
    bool Justified() const { return IJustify; }
    int XLegendColor() const { return IXLegendColor; }
    int XLegendText() const { return IXLegendText; }
    // The frame width F.
    int FrameWidth() const;
    // Where shown item k sits: its symbol rectangle and the top-left of its
    // first text column.
    TRect SymbolRect(int k) const;
    TPoint TextPosition(int k) const;

protected:
    void DrawContents() override;

private:
    void BuildItems();
    // Cuts texts wider than a third of the chart with "…"; the font is on
    // the surface.
    void ElideItems();
    void CalcItemHeight();
    void CalcWidths(int Count);
    int ItemWidth(int k) const;
    bool CalcVertical(const TRect& CR, int F);
    bool CalcHorizontal(const TRect& CR, int F);
    // Rows of items, margins, frame and the symbol shadow.
    int LegendHeight(int Rows, int F) const;
    void SetTextPositions(int F);
    void TakeSpace();
    // The item at layout position p, and the position of item p: items run
    // backwards when Inverted.
    int ItemAt(int p) const;
    // The top of the texts in a row.
    int ItemTop(int Row) const;
    bool IsHovered(int k) const;

    TCustomChart* FChart;
    TLegendAlignment FAlignment = laRight;
    TLegendStyle FLegendStyle = lsAuto;
    int FTopPos = 10;
    int FHorizMargin = 0;
    int FVertMargin = 0;
    int FTextSymbolGap = 2;
    int FVertSpacing = 0;
    bool FResizeChart = true;
    int FMaxNumRows = 0;
    TLegendHorizJustify FHorizJustify = ljAutomatic;
    bool FInverted = false;
    bool FCheckBoxes = false;
    bool FDrawBehind = false;
    bool FFontSeriesColor = false;
    TChartHiddenPen FDividingLines;
    int FFirstValue = 0;
    TLegendSymbol FSymbol;
    std::unique_ptr<TChartSelected> FSelected;

    std::vector<TLegendItem> FItems;
    int ITotalItems = 0;
    int IShownItems = 0;
    int ILastValue = -1;
    int IItemHeight = 0;
    int IItemsTopMargin = 0;
    int IColorWidth = 0;
    int IMaxWidth = 0;
    int ISpaceWidth = 0;
    std::array<int, 3> IColumnWidths{};
    int INumCols = 0;
    int INumRows = 0;
    bool IJustify = false;
    int IXLegendColor = 0;
    int IXLegendText = 0;
    // Per layout position: x offset from the first item (single row and grid).
    std::vector<int> IItemOffsets;
};
