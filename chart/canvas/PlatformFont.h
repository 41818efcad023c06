#pragma once

#include "chart/canvas/TextHint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <optional>

class QPaintDevice;

// The painter's font for a chart font, its metrics on the device it was built
// for, and the side padding of measured text (a sixth of the em); rebuilt only
// when what it was built from changes.
class TPlatformFont {
public:
    // Builds the font for these settings unless it was built for them already;
    // true when it was (re)built. Size is in points, Style a TFontStyleBit set.
    bool Update(const QString& Name, double Size, int Style, TTextHint Hint, int Dpi, QPaintDevice* Device);

    // Valid after the first Update.
    const QFont& Font() const { return FFont; }
    const QFontMetricsF& Metrics() const { return *FMetrics; }
    double Padding() const { return FPadding; }

private:
    bool FValid = false;
    QString FName;
    double FSize = 0;
    int FStyle = 0;
    TTextHint FHint = thAntiAlias;
    int FDpi = 0;
    QFont FFont;
    std::optional<QFontMetricsF> FMetrics;
    double FPadding = 0;
};
