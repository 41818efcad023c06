#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "core/Color.h"

#include <cstdint>

// Everything a stamped figure's pixels depend on: the caller's figure code and
// reach, and the surface state it is drawn with.
struct TStampKey {
    uint64_t Shape = 0;
    int Reach = 0;
    bool PenVisible = false;
    TColor PenColor = 0;
    int PenWidth = 0;
    TPenStyle PenStyle = psSolid;
    TPenEndStyle PenEnd = esRound;
    TPenJoinStyle PenJoin = jsRound;
    TColor BrushColor = 0;
    TBrushStyle BrushStyle = bsSolid;
    TColor BrushBack = 0;
    int Transparency = 255;
    bool AntiAlias = true;
    double DashPhase = 0; // within the pattern's period

    friend bool operator==(const TStampKey&, const TStampKey&) = default;
};
