#pragma once

#include "core/Color.h"

#include <QString>

class TChart;

// What the chart tab's handlers do to the chart, without the dialogs: the
// window calls these after a dialog is confirmed, and the headless command
// calls them for its flags, so both change the same properties the same way.
namespace ChartCommands {

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
// Makes the wall transparent, then loads the picture (throws EPictureError;
// the previous picture stays then).
void SetWallPicture(TChart& Chart, const QString& FileName);
void SetShadow(TChart& Chart, bool Visible);
void SetBorder(TChart& Chart, bool Visible);

} // namespace ChartCommands
