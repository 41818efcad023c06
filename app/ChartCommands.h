#pragma once

#include "core/Color.h"

#include <QString>

class TChart;
class TCustomSeries;

// What the chart tab's handlers do to the chart, without the dialogs: the
// window calls these after a dialog is confirmed, and the headless command
// calls them for its flags, so both change the same properties the same way.
namespace ChartCommands {

// The items of the window's radio groups, which the headless flags number the
// same way: item i of a group stands for entry i of its table in
// ChartCommands.cpp, the only place those tables are written.
inline constexpr int TitleAlignmentItems = 3;
inline constexpr int LegendPositionItems = 4;
inline constexpr int SeriesStyleItems = 5;
inline constexpr int MarkerStyleItems = 4;

struct TFontChoice {
    QString Name;
    int Size = 0;
    TColor Color = clBlack;
    int Style = 0; // fsBold | fsItalic | ...
};

// The title's lines are cleared, then the text is added as the only line.
void SetTitleText(TChart& Chart, const QString& Text);
// Name, size, colour and style, in this order.
void SetTitleFont(TChart& Chart, const TFontChoice& Font);
// 0 left, 1 centre, 2 right; anything else changes nothing.
void SetTitleAlignment(TChart& Chart, int Item);
void SetPanelColor(TChart& Chart, TColor Color);
// Removes the picture, sets the colour, makes the wall opaque.
void SetWallColor(TChart& Chart, TColor Color);
// Loads the picture, then makes the wall transparent. Throws EPictureError;
// the wall then stays as it was, picture and colour.
void SetWallPicture(TChart& Chart, const QString& FileName);
void SetShadow(TChart& Chart, bool Visible);
void SetBorder(TChart& Chart, bool Visible);

// The scale tab's AutoSize box: left axis, then bottom axis, automatic or
// manual; nothing is rebuilt.
void SetAutoSize(TChart& Chart, bool Checked);
enum TAxisBox { abXMax, abXMin, abXInc, abYMax, abYMin, abYInc };
// One of the six range boxes: the text read as a number (regional syntax);
// not a number changes nothing and returns false. A refused value throws
// AxisException and the axis keeps its old value.
bool ApplyAxisBox(TChart& Chart, TAxisBox Box, const QString& Text);
void SetXAxisTitle(TChart& Chart, const QString& Text);
void SetYAxisTitle(TChart& Chart, const QString& Text);
// Left axis title font, then bottom axis title font; label fonts stay.
void SetAxisTitleFont(TChart& Chart, const TFontChoice& Font);

// The legend tab: 0 left, 1 right, 2 top, 3 bottom; anything else changes
// nothing.
void SetLegendPosition(TChart& Chart, int Item);

// The series at Index, nothing for an index that is not one (no selection).
TCustomSeries* SeriesAt(TChart& Chart, int Index);

// The line tab, on series `Index` (nothing happens for an index that is not a
// series, as when no series is selected).
void SetSeriesTitle(TChart& Chart, int Index, const QString& Title);
void SetSeriesColor(TChart& Chart, int Index, TColor Color);
// The integer boxes: 1 to 100.
void SetSeriesWidth(TChart& Chart, int Index, int Width);
// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
void SetSeriesStyle(TChart& Chart, int Index, int Item);
void SetSeriesVisible(TChart& Chart, int Index, bool Visible);
void SetSeriesSmoothed(TChart& Chart, int Index, bool Smoothed);
void SetMarkerVisible(TChart& Chart, int Index, bool Visible);
void SetMarkerSize(TChart& Chart, int Index, int Size);
// 0 rectangle, 1 circle, 2 triangle, 3 diamond.
void SetMarkerStyle(TChart& Chart, int Index, int Item);

// The items that show a series' line style and marker style, -1 for a style
// no item stands for.
int SeriesStyleItem(const TCustomSeries& Series);
int MarkerStyleItem(const TCustomSeries& Series);

} // namespace ChartCommands
