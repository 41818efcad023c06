#pragma once

#include "chart/canvas/Rect.h"

#include <QString>
#include <QStringList>

#include <vector>

// One drawn legend item: its text and its symbol rectangle (empty without a
// symbol).
struct TFrameLegendItem {
    QString Text;
    TRect Symbol;
};

// The rectangles the last frame computed, for scripts and tests.
struct TFrameLayout {
    TRect Bounds;                       // the drawing rectangle
    TRect ChartRectInitial;             // after margins, frame, shadow and emboss
    TRect ChartRectAfterTitlesAndLegend;
    TRect ChartRectFinal;               // after the axes took their space
    bool TitleDrawn = false;
    TRect TitleBounds;                  // ShapeBounds of the title
    QStringList TitleLines;             // the lines as drawn
    bool LegendDrawn = false;
    TRect LegendBounds;                 // ShapeBounds of the legend
    std::vector<TFrameLegendItem> LegendItems; // in list order
};
