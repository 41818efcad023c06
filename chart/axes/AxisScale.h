#pragma once

#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
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

    // Pixels far outside any surface; keeps the position arithmetic of values
    // far outside the range from overflowing.
    static constexpr int64_t PixelLimit = 1'000'000'000;
    // Round half to even, clamped to +-PixelLimit.
    static int RoundPixel(double Value)
    {
        return int(std::clamp<int64_t>(Numbers::Round(Value), -PixelLimit, PixelLimit));
    }

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
    int CalcPosDefault(double Value) const
    {
        if (IRangeZero)
            return ICenterPos;
        const double d = (Value - IMinimum) * IAxisSizeRange;
        const int Offset = RoundPixel(d);
        return FHorizontal ? IStartPos + Offset : IEndPos - Offset;
    }
    // Rounds the product in extended precision; used once per data point.
    int CalcPosFast(double Value) const
    {
        if (IRangeZero)
            return ICenterPos;
        // The product is rounded without being stored as a double first. The
        // double product rounds the same way unless it lies within a rounding
        // error of a half pixel, so only those few go the slow extended way.
        const double Quick = (Value - IMinimum) * IAxisSizeRange;
        if (Quick > -1e9 && Quick < 1e9) {
            // Integer conversions instead of floor(): this runs once per point.
            int64_t Floor = int64_t(Quick);
            if (double(Floor) > Quick)
                --Floor;
            const double Fraction = Quick - double(Floor);
            if (Fraction < 0.5 - 1e-6 || Fraction > 0.5 + 1e-6) {
                const int Offset = int(Fraction < 0.5 ? Floor : Floor + 1);
                return FHorizontal ? IStartPos + Offset : IEndPos - Offset;
            }
        }
        const long double d = static_cast<long double>(Value - IMinimum) * IAxisSizeRange;
        const long double r = std::nearbyintl(std::clamp<long double>(d, -PixelLimit, PixelLimit));
        const int Offset = std::isnan(r) ? 0 : int(r);
        return FHorizontal ? IStartPos + Offset : IEndPos - Offset;
    }
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
