#pragma once

#include "chart/canvas/Rect.h"

#include <QStringList>

// The rectangles the last frame computed, for scripts and tests.
struct TFrameLayout {
    TRect Bounds;                       // the drawing rectangle
    TRect ChartRectInitial;             // after margins, frame, shadow and emboss
    TRect ChartRectAfterTitlesAndLegend;
    TRect ChartRectFinal;               // after the axes took their space
    bool TitleDrawn = false;
    TRect TitleBounds;                  // ShapeBounds of the title
    QStringList TitleLines;             // the lines as drawn
};
