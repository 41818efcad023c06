#pragma once

#include "core/Color.h"

#include <QString>

// The font attributes the settings file stores. Settings cannot see the chart's
// font class, so callers copy to and from this value.
struct TIniFont {
    // Style bits.
    enum { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

    QString Name = QStringLiteral("Arial");
    int Size = 8; // points
    int Style = 0;
    TColor Color = clBlack;
    int Charset = 1; // the default character set
    int Pitch = 0;   // default pitch

    friend bool operator==(const TIniFont&, const TIniFont&) = default;
};
