#pragma once

#include "chart/canvas/ChartPen.h"

// The pen of an axis' grid lines, with where and how often they are drawn.
class TAxisGridPen : public TChartPen {
public:
    TAxisGridPen() { FColor = clSilver; }
    explicit TAxisGridPen(std::function<void()> OnChange) : TChartPen(std::move(OnChange))
    {
        FColor = clSilver;
    }

    // Lines between the ticks instead of at them.
    bool Centered() const { return FCentered; }
    void SetCentered(bool Value) { Set(FCentered, Value); }
    // Ticks for the grid even where no label is made.
    bool DrawAlways() const { return FDrawAlways; }
    void SetDrawAlways(bool Value) { Set(FDrawAlways, Value); }
    // Every n-th line; below 1 counts as 1.
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int Value) { Set(FDrawEvery, Value); }
    // Depth position, only meaningful in 3D.
    double ZPosition() const { return FZ; }
    void SetZPosition(double Value) { Set(FZ, Value); }

private:
    bool FCentered = false;
    bool FDrawAlways = false;
    int FDrawEvery = 1;
    double FZ = 0;
};
