#pragma once

#include "chart/axes/CustomTextShape.h"

class TChartContext;

// A text shape the chart places itself unless given a position of its own.
class TCustomShapePosition : public TCustomTextShape {
public:
    explicit TCustomShapePosition(TChartContext* AChart);
    ~TCustomShapePosition() override;

    // On: the shape stays where Left and Top put it and takes no space.
    bool CustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(bool Value);
    int Left() const { return FShapeBounds.Left; }
    int Top() const { return FShapeBounds.Top; }
    // Moves the shape, keeping its size, and makes its position custom.
    void SetLeft(int Value);
    void SetTop(int Value);

protected:
    bool FCustomPosition = false;
};
