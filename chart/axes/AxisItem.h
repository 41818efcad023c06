#pragma once

#include "chart/canvas/Rect.h"

#include <QString>

// One value label of an axis as the last layout made it.
struct TAxisItem {
    QString FText;
    double FValue = 0;
    int FLabelPos = 0; // pixel along the axis
    TRect FBox;        // where it is drawn; empty when it is not
};
