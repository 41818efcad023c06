#pragma once

#include "core/Color.h"

#include <vector>

// The numbered colour palettes (1 to 21) a chart can take its automatic
// series colours from.
class TColorPalettes {
public:
    static constexpr int Count = 21;

    // A copy of palette Index; empty for a number outside 1 to 21.
    static void GetPalette(int Index, std::vector<TColor>& Palette);
    static std::vector<TColor> GetPalette(int Index);
    // The colours a chart without a palette uses.
    static TColor BuiltInColor(int Index);
};
