#pragma once

#include "chart/canvas/Rect.h"

#include <QString>
#include <QStringList>

#include <vector>

class TChartAxis;
class TChartTitle;

// One legend item as laid out: its text and its symbol rectangle (empty
// without a symbol).
struct TFrameLegendItem {
    QString Text;
    TRect Symbol;
};

// One value label of an axis: its text, value, place along the axis and the
// box it is drawn in.
struct TFrameAxisLabel {
    QString Text;
    double Value = 0;
    int Pos = 0;
    TRect Box;
};

// One shown axis as laid out.
struct TFrameAxis {
    const TChartAxis* Axis = nullptr;
    double Minimum = 0;
    double Maximum = 0;
    double Increment = 0;
    int StartPos = 0;
    int EndPos = 0;
    int PosAxis = 0;
    int PosLabels = 0;
    int PosTitle = 0;
    bool TitleShown = false;
    TRect TitleBounds;
    std::vector<TFrameAxisLabel> Labels;
    std::vector<int> Ticks;
};

// A title, subtitle, foot or subfoot as laid out.
struct TFrameTitle {
    const TChartTitle* Title = nullptr;
    TRect Bounds;
    QStringList Lines;
};

// What the layout phase of a frame computed, before anything is drawn: the
// drawing pass paints from it, and scripts and tests read it.
struct TFrameLayout {
    TRect Bounds;                       // the drawing rectangle
    TRect ChartRectInitial;             // after margins, frame, shadow and emboss
    TRect ChartRectAfterTitlesAndLegend;
    TRect ChartRectFinal;               // after the axes took their space: the plot rectangle
    bool TitleDrawn = false;
    TRect TitleBounds;                  // ShapeBounds of the title
    QStringList TitleLines;             // the lines as drawn
    std::vector<TFrameTitle> Titles;    // every title shown, in drawing order
    bool LegendDrawn = false;
    TRect LegendBounds;                 // ShapeBounds of the legend
    std::vector<TFrameLegendItem> LegendItems; // in list order
    std::vector<TFrameAxis> Axes;       // the shown axes in list order
    bool BackWallDrawn = false;
    TRect BackWall;                     // the back wall's rectangle
    TRect BackImage;                    // what its picture is drawn over
};
