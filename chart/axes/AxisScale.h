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

    // IRange, IRangeZero, IAxisSizeRange and ILimitScale from the limits and
    // the length.
    void RecalcRange();
    // The same-value test with the absolute part scaled by ILimitScale.
    bool SameValue(double A, double B) const;
    // The absolute part of the axis' same-value test (1e-12 at ILimitScale 1).
    double Tolerance() const;
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
    // 1, or, for a range of at most 1e-12 between limits below magnitude 1,
    // the larger magnitude of the limits. The axis' absolute tolerances (the
    // empty range, the same-value test, the smallest step) shrink with it, so
    // that limits such as 2e-14 and 2.4e-13 stay apart instead of falling
    // within one fixed 1e-12.
    double ILimitScale = 1;
    int IStartPos = 0;
    int IEndPos = 0;
    int IAxisSize = 0;
    int ICenterPos = 0;

protected:
    bool FHorizontal;
};
