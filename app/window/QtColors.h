#pragma once

#include "app/SystemPalette.h"
#include "core/Color.h"

#include <QColor>

// Colours between the dialogs (QColor) and the chart (TColor 0x00BBGGRR).
inline TColor ToTColor(const QColor& Color)
{
    return TColor(Color.red()) | (TColor(Color.green()) << 8) | (TColor(Color.blue()) << 16);
}

// A system colour shows as the running palette's colour for it.
inline QColor ToQColor(TColor Color)
{
    const TColor C = TRenderContext::For(roScreen, ApplicationSystemPalette()).ResolveColor(Color);
    return QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF));
}
