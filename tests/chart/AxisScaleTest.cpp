#include "chart/axes/AxisScale.h"
#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// A scale on Length pixels from Base, with the range [Min, Max].
TAxisScale MakeScale(bool Horizontal, int Base, int Length, double Min, double Max)
{
    TAxisScale S(Horizontal);
    S.IMinimum = Min;
    S.IMaximum = Max;
    S.Place(Base, Length, 0, 100);
    return S;
}

} // namespace

TEST(AxisScale, PlaceRoundsHalfToEvenAndCentresTowardZero)
{
    struct Row {
        int Base, Length;
        double Start, End;
        int StartPos, EndPos, Center;
    };
    const Row Rows[] = {
        {100, 500, 0, 100, 100, 600, 350},
        {0, 250, 1, 3, 2, 8, 5},    // 2.5 -> 2, 7.5 -> 8
        {-7, 4, 0, 100, -7, -3, -5},
        {-3, 3, 0, 100, -3, 0, -1}, // -1.5 truncates to -1
        {10, 200, 25, 75, 60, 160, 110},
    };
    for (const Row& r : Rows) {
        TAxisScale S(true);
        S.IMaximum = 10;
        S.Place(r.Base, r.Length, r.Start, r.End);
        SCOPED_TRACE(testing::Message() << r.Base << " " << r.Length << " " << r.Start << " " << r.End);
        EXPECT_EQ(S.IStartPos, r.StartPos);
        EXPECT_EQ(S.IEndPos, r.EndPos);
        EXPECT_EQ(S.IAxisSize, r.EndPos - r.StartPos);
        EXPECT_EQ(S.ICenterPos, r.Center);
        EXPECT_DOUBLE_EQ(S.IAxisSizeRange, S.IAxisSize / 10.0);
    }
}

TEST(AxisScale, BothBindingsMapEdgesAndBeyondWithoutClamping)
{
    // Horizontal 100 .. 600 and vertical 50 .. 450, both for 0 .. 10: the
    // vertical axis grows upwards.
    struct Row {
        bool Horizontal;
        double Value;
        int Pixel;
    };
    const Row Rows[] = {
        {true, 0, 100},  {true, 10, 600},  {true, 5, 350},  {true, -1, 50},  {true, 11, 650},
        {true, 0.1, 105}, {true, 0.25, 112}, {true, 0.75, 138}, // halves to even
        {false, 0, 450}, {false, 10, 50},  {false, 5, 250}, {false, -1, 490}, {false, 11, 10},
        {false, 0.0625, 448}, {false, 0.1875, 442},
    };
    for (const Row& r : Rows) {
        const TAxisScale S = r.Horizontal ? MakeScale(true, 100, 500, 0, 10) : MakeScale(false, 50, 400, 0, 10);
        SCOPED_TRACE(testing::Message() << (r.Horizontal ? "horizontal " : "vertical ") << r.Value);
        EXPECT_EQ(S.CalcPosDefault(r.Value), r.Pixel);
        EXPECT_EQ(S.CalcPosFast(r.Value), r.Pixel);
    }
}

TEST(AxisScale, HugeAndNonFiniteValuesStayNearTheSurface)
{
    const TAxisScale S = MakeScale(true, 100, 500, 0, 10);
    const double Inf = std::numeric_limits<double>::infinity();
    for (const double v : {1e300, -1e300, Inf, -Inf}) {
        const int Expected = v > 0 ? 100 + Numbers::PixelLimit : 100 - Numbers::PixelLimit;
        EXPECT_EQ(S.CalcPosDefault(v), Expected) << v;
        EXPECT_EQ(S.CalcPosFast(v), Expected) << v;
    }
    // Not a number lands somewhere, without overflow.
    EXPECT_EQ(S.CalcPosFast(std::nan("")), 100);
}

TEST(AxisScale, FastBindingRoundsTheUnroundedProduct)
{
    // 1 pixel for 0 .. 10: 5 * 0.1 is exactly 0.5 as a double (even: 0) but a
    // little more in extended precision (1).
    if constexpr (std::numeric_limits<long double>::digits <= std::numeric_limits<double>::digits)
        GTEST_SKIP() << "no extended precision";
    const TAxisScale H = MakeScale(true, 100, 1, 0, 10);
    EXPECT_EQ(H.CalcPosDefault(5), 100);
    EXPECT_EQ(H.CalcPosFast(5), 101);
    const TAxisScale V = MakeScale(false, 100, 1, 0, 10);
    EXPECT_EQ(V.CalcPosDefault(5), 101);
    EXPECT_EQ(V.CalcPosFast(5), 100);
}

TEST(AxisScale, EmptyRangeMapsEverythingToTheCentre)
{
    struct Row {
        double Min, Max;
        bool Zero;
    };
    const Row Rows[] = {{5, 5, true}, {0, 0, true}, {1, 1 + 1e-13, true}, {1, 1 + 1e-11, false}, {2, 1, false}};
    for (const Row& r : Rows) {
        for (const bool Horizontal : {true, false}) {
            const TAxisScale S = MakeScale(Horizontal, 100, 501, r.Min, r.Max);
            SCOPED_TRACE(testing::Message() << r.Min << " .. " << r.Max << (Horizontal ? " horizontal" : " vertical"));
            EXPECT_EQ(S.IRangeZero, r.Zero);
            if (!r.Zero)
                continue;
            EXPECT_EQ(S.IAxisSizeRange, 0);
            for (const double v : {r.Min, r.Min - 1e6, r.Max + 1e6}) {
                EXPECT_EQ(S.CalcPosDefault(v), 350);
                EXPECT_EQ(S.CalcPosFast(v), 350);
            }
        }
    }
}

TEST(AxisScale, PixelToValue)
{
    const TAxisScale H = MakeScale(true, 100, 500, -2, 8);
    EXPECT_EQ(H.InternalCalcPosPoint(100), -2);
    EXPECT_EQ(H.InternalCalcPosPoint(600), 8);
    EXPECT_DOUBLE_EQ(H.InternalCalcPosPoint(350), 3);
    EXPECT_DOUBLE_EQ(H.InternalCalcPosPoint(50), -3);

    const TAxisScale V = MakeScale(false, 50, 400, -2, 8);
    EXPECT_EQ(V.InternalCalcPosPoint(50), 8);
    EXPECT_EQ(V.InternalCalcPosPoint(450), -2);
    EXPECT_DOUBLE_EQ(V.InternalCalcPosPoint(90), 7);

    // Shorter than a pixel: no scale to go by.
    EXPECT_EQ(MakeScale(true, 100, 0, -2, 8).InternalCalcPosPoint(100), 0);
    EXPECT_EQ(MakeScale(false, 100, -5, -2, 8).InternalCalcPosPoint(90), 0);
}

TEST(AxisScale, PaddingPutsTheOldEndsTheMarginsInside)
{
    struct Row {
        bool Horizontal;
        int AtStart, AtEnd;
        double Min, Max; // expected
    };
    // 0 .. 10 on 500 pixels.
    const Row Rows[] = {
        {true, 10, 15, -10 * 10 / 475.0, 10 + 15 * 10 / 475.0},
        {true, 0, 20, 0, 10 + 20 * 10 / 480.0},
        // Vertical: the start (top) pads the maximum, the end the minimum.
        {false, 4, 20, -20 * 10 / 476.0, 10 + 4 * 10 / 476.0},
        {false, 0, 0, 0, 10},
    };
    for (const Row& r : Rows) {
        TAxisScale S = MakeScale(r.Horizontal, 100, 500, 0, 10);
        S.PadRange(r.AtStart, r.AtEnd);
        SCOPED_TRACE(testing::Message() << (r.Horizontal ? "horizontal " : "vertical ") << r.AtStart << " " << r.AtEnd);
        EXPECT_DOUBLE_EQ(S.IMinimum, r.Min);
        EXPECT_DOUBLE_EQ(S.IMaximum, r.Max);
        EXPECT_DOUBLE_EQ(S.IRange, r.Max - r.Min);
        // The axis keeps its length; the old limits now lie inside it.
        EXPECT_EQ(S.IStartPos, 100);
        EXPECT_EQ(S.IEndPos, 600);
        EXPECT_EQ(S.IAxisSize, 500);
        EXPECT_EQ(S.ICenterPos, 350);
        const int Low = r.Horizontal ? 100 + r.AtStart : 600 - r.AtEnd;
        const int High = r.Horizontal ? 600 - r.AtEnd : 100 + r.AtStart;
        EXPECT_EQ(S.CalcPosDefault(0), Low);
        EXPECT_EQ(S.CalcPosDefault(10), High);
        EXPECT_EQ(S.CalcPosFast(0), Low);
        EXPECT_EQ(S.CalcPosFast(10), High);
    }
}

TEST(AxisScale, PaddingKeepsEmptyRangesAndNoMarginsKeepsTheLimits)
{
    TAxisScale Empty = MakeScale(false, 50, 400, 5, 5);
    Empty.PadRange(4, 4);
    EXPECT_EQ(Empty.IMinimum, 5);
    EXPECT_EQ(Empty.IMaximum, 5);
    EXPECT_TRUE(Empty.IRangeZero);

    // No margins map the range onto itself: the limits come back bit for bit
    // here only because the arithmetic is done in extended precision.
    for (const bool Horizontal : {true, false}) {
        TAxisScale S = MakeScale(Horizontal, 0, 400, 0.1, 0.3);
        S.PadRange(0, 0);
        EXPECT_EQ(S.IMinimum, 0.1);
        EXPECT_EQ(S.IMaximum, 0.3);
    }
}

// Mapping many values at once gives what mapping them one by one gives:
// halves, the extended-precision case, huge and non-finite values, an empty
// range, and random values on both bindings.
TEST(AxisScale, ManyAtOnceMatchOneByOne)
{
    std::vector<double> Values = {0, 10, 5, -1, 11, 0.1, 0.25, 0.75, 0.0625, 0.1875, 1e300, -1e300, std::nan(""),
                                  std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    uint64_t Seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        Seed = Seed * 6364136223846793005ull + 1442695040888963407ull;
        Values.push_back(double(Seed >> 11) / double(1ull << 53) * 14 - 2);
    }
    const TAxisScale Scales[] = {MakeScale(true, 100, 500, 0, 10), MakeScale(false, 50, 400, 0, 10),
                                 MakeScale(true, 100, 1, 0, 10), MakeScale(false, 100, 1, 0, 10),
                                 MakeScale(false, 100, 501, 5, 5), MakeScale(true, -20, 783, -0.3, 7.7)};
    for (const TAxisScale& S : Scales) {
        std::vector<int> Many(Values.size());
        S.CalcPosFastMany(Values.data(), int(Values.size()), Many.data());
        for (size_t i = 0; i < Values.size(); ++i)
            ASSERT_EQ(Many[i], S.CalcPosFast(Values[i])) << Values[i];
    }
}
