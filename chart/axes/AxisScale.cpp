#include "chart/axes/AxisScale.h"

#include <utility>

void TAxisScale::RecalcRange()
{
    IRange = IMaximum - IMinimum;
    IRangeZero = std::fabs(IRange) <= 1e-12;
    IAxisSizeRange = IRangeZero ? 0 : IAxisSize / IRange;
}

void TAxisScale::Place(int Base, int Length, double StartPercent, double EndPercent)
{
    IStartPos = Base + RoundPixel(Length * 0.01 * StartPercent);
    IEndPos = Base + RoundPixel(Length * 0.01 * EndPercent);
    IAxisSize = IEndPos - IStartPos;
    ICenterPos = (IStartPos + IEndPos) / 2;
    RecalcRange();
}

void TAxisScale::PadRange(int AtStart, int AtEnd)
{
    // The values at the old ends of the shortened axis become the limits.
    const int OldStart = IStartPos;
    const int OldEnd = IEndPos;
    IStartPos += AtStart;
    IEndPos -= AtEnd;
    IAxisSize = IEndPos - IStartPos;
    const double Low = InternalCalcPosPoint(OldStart);
    const double High = InternalCalcPosPoint(OldEnd);
    IStartPos = OldStart;
    IEndPos = OldEnd;
    IAxisSize = IEndPos - IStartPos;
    IMaximum = High;
    IMinimum = Low;
    // Always the case on a vertical axis, whose pixels grow downwards.
    if (IMaximum < IMinimum)
        std::swap(IMaximum, IMinimum);
    RecalcRange();
}

double TAxisScale::InternalCalcPosPoint(int Value) const
{
    if (IAxisSize < 1)
        return 0;
    // In extended precision the product is exact, so an axis mapped onto
    // itself gets its limits back unchanged (a manual limit on a multiple of
    // the step keeps its label).
    const long double a = static_cast<long double>(Value - IStartPos) * IRange / IAxisSize;
    return double(FHorizontal ? IMinimum + a : IMaximum - a);
}
