#include "chart/axes/AxisScale.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Below this the pixels per value unit would overflow a double.
constexpr double SmallestLimitScale = 1e-280;
// A quarter of the largest double either side of the middle.
constexpr double WidestHalfRange = std::numeric_limits<double>::max() / 4;

} // namespace

void TAxisScale::RecalcRange()
{
    IRange = IMaximum - IMinimum;
    if (std::isinf(IRange) && std::isfinite(IMinimum) && std::isfinite(IMaximum)) {
        // Limits such as -1e308 and 1e308 are further apart than any double:
        // the axis shows the widest range around their middle that every
        // step, label and pixel computation can still take, with room left
        // for the markers' padding. Values beyond it lie off the plot.
        const double Middle = IMinimum * 0.5 + IMaximum * 0.5;
        IMinimum = Middle - WidestHalfRange;
        IMaximum = Middle + WidestHalfRange;
        IRange = IMaximum - IMinimum;
    }
    // Only a range the fixed tolerance would flatten scales it down; every
    // wider range keeps the tests it always had. Comparisons, not min/max,
    // so that a NaN limit leaves the scale at 1.
    const double Magnitude = std::max(std::fabs(IMinimum), std::fabs(IMaximum));
    if (std::fabs(IRange) <= 1e-12 && Magnitude < 1)
        ILimitScale = Magnitude > SmallestLimitScale ? Magnitude : SmallestLimitScale;
    else
        ILimitScale = 1;
    IRangeZero = std::fabs(IRange) <= Tolerance();
    IAxisSizeRange = IRangeZero ? 0 : IAxisSize / IRange;
}

double TAxisScale::Tolerance() const
{
    return 1e-12 * ILimitScale;
}

bool TAxisScale::SameValue(double A, double B) const
{
    return Numbers::SameValue(A, B, Tolerance());
}

void TAxisScale::Place(int Base, int Length, double StartPercent, double EndPercent)
{
    IStartPos = Base + Numbers::RoundInt(Length * 0.01 * StartPercent);
    IEndPos = Base + Numbers::RoundInt(Length * 0.01 * EndPercent);
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

int TAxisScale::CalcPosDefault(double Value) const
{
    if (IRangeZero)
        return ICenterPos;
    const double d = (Value - IMinimum) * IAxisSizeRange;
    const int Offset = Numbers::RoundInt(d);
    return FHorizontal ? IStartPos + Offset : IEndPos - Offset;
}

int TAxisScale::CalcPosFast(double Value) const
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
    const long double r = std::nearbyintl(std::clamp<long double>(d, -Numbers::PixelLimit, Numbers::PixelLimit));
    const int Offset = std::isnan(r) ? 0 : int(r);
    return FHorizontal ? IStartPos + Offset : IEndPos - Offset;
}

void TAxisScale::CalcPosFastMany(const double* Values, int Count, int* Out) const
{
    if (IRangeZero) {
        std::fill(Out, Out + Count, ICenterPos);
        return;
    }
    int i = 0;
#if defined(__SSE2__)
    // Two at a time. Adding and taking away 1.5 * 2^52 rounds to the nearest
    // integer, which is the floor or the ceiling CalcPosFast picks wherever
    // the product is clear of a half pixel; the rest take CalcPosFast itself.
    constexpr double Magic = 6755399441055744.0;
    const int Base = FHorizontal ? IStartPos : IEndPos;
    const int Sign = FHorizontal ? 1 : -1;
    const __m128d Min = _mm_set1_pd(IMinimum);
    const __m128d Scale = _mm_set1_pd(IAxisSizeRange);
    const __m128d Shift = _mm_set1_pd(Magic);
    const __m128d Abs = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFll));
    const __m128d Far = _mm_set1_pd(1e9);
    const __m128d Half = _mm_set1_pd(0.5 - 1e-6);
    const __m128i BaseV = _mm_set1_epi32(Base);
    for (; i + 2 <= Count; i += 2) {
        const __m128d Quick = _mm_mul_pd(_mm_sub_pd(_mm_loadu_pd(Values + i), Min), Scale);
        const __m128d Near = _mm_sub_pd(_mm_add_pd(Quick, Shift), Shift);
        const __m128d Clear = _mm_and_pd(_mm_cmplt_pd(_mm_and_pd(Quick, Abs), Far),
                                         _mm_cmplt_pd(_mm_and_pd(_mm_sub_pd(Quick, Near), Abs), Half));
        // Unclear lanes convert 0 here and are redone below.
        __m128i Offset = _mm_cvttpd_epi32(_mm_and_pd(Near, Clear));
        if (Sign < 0)
            Offset = _mm_sub_epi32(_mm_setzero_si128(), Offset);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(Out + i), _mm_add_epi32(BaseV, Offset));
        const int Mask = _mm_movemask_pd(Clear);
        if (Mask != 3) {
            if (!(Mask & 1))
                Out[i] = CalcPosFast(Values[i]);
            if (!(Mask & 2))
                Out[i + 1] = CalcPosFast(Values[i + 1]);
        }
    }
#endif
    for (; i < Count; ++i)
        Out[i] = CalcPosFast(Values[i]);
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
