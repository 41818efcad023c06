#pragma once

#include <cstdint>

// The working range of one axis and the mapping between its values and the
// pixels along it. Horizontal axes grow to the right from IStartPos; vertical
// ones grow upwards from IEndPos, so larger values sit higher on the screen.
//
// Pure arithmetic: it knows neither the chart nor a canvas, so the owner
// places it (Place) and sets the limits.
class TAxisScale {
public:
    explicit TAxisScale(bool AHorizontal) : FHorizontal(AHorizontal) {}

    bool Horizontal() const { return FHorizontal; }

    // IRange, IRangeZero and IAxisSizeRange from the limits and the length.
    void RecalcRange();
    // The axis runs along Length pixels starting at Base, from StartPercent to
    // EndPercent of them.
    void Place(int Base, int Length, double StartPercent, double EndPercent);
    // Widens the range so that the current one fits the axis shortened by
    // AtStart pixels at IStartPos and AtEnd at IEndPos; the axis keeps its
    // length. An empty range stays empty.
    void PadRange(int AtStart, int AtEnd);

    // Value to pixel. Both round half to even and agree except for products
    // within a rounding error of a half pixel.
    int CalcPosDefault(double Value) const;
    // Rounds the product in extended precision; used once per data point.
    // Out of line on purpose: inlined into the axis' binding switch, GCC
    // moves the common path off the fall-through and frames get slower.
    int CalcPosFast(double Value) const;
    // CalcPosFast of Count values at once, the same results: a loop without
    // branches for all but the few near a half pixel.
    void CalcPosFastMany(const double* Values, int Count, int* Out) const;
    // Pixel to value; 0 on an axis shorter than a pixel.
    double InternalCalcPosPoint(int Value) const;

    double IMinimum = 0;
    double IMaximum = 0;
    double IRange = 0;
    bool IRangeZero = true;
    // Pixels per value unit; 0 when the range is empty.
    double IAxisSizeRange = 0;
    int IStartPos = 0;
    int IEndPos = 0;
    int IAxisSize = 0;
    int ICenterPos = 0;

protected:
    bool FHorizontal;
};
