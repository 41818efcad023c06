#pragma once

#include <QString>

// One value label of an axis as the last draw made it.
struct TAxisItem {
    QString FText;
    double FValue = 0;
    int FLabelPos = 0; // pixel along the axis
};
