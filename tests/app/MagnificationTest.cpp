#include "app/Magnification.h"

#include <gtest/gtest.h>

#include <utility>

using Magnification::ComputeScalePrefix;

namespace {
struct TPrefix {
    double Factor;
    QString Letter;
};
TPrefix For(double v)
{
    TPrefix p{-1, QStringLiteral("?")};
    ComputeScalePrefix(p.Factor, p.Letter, v);
    return p;
}
} // namespace

TEST(ScalePrefix, BandsAndTheirEdges)
{
    EXPECT_EQ(For(2500).Letter, "K");
    EXPECT_EQ(For(2500).Factor, 0.001);
    EXPECT_EQ(For(0.0042).Letter, "m");
    EXPECT_EQ(For(0.0042).Factor, 1000);
    EXPECT_EQ(For(1e15).Letter, "T");
    EXPECT_EQ(For(1e15).Factor, 1e-12);
    EXPECT_EQ(For(1e16).Letter, "P");
    EXPECT_EQ(For(1e16).Factor, 1e-15);
    EXPECT_EQ(For(5e-13).Letter, "f");
    EXPECT_EQ(For(5e-13).Factor, 1 / 1e-15);
    EXPECT_EQ(For(1e-12).Letter, "p");
    EXPECT_EQ(For(1e-12).Factor, 1e12);
    EXPECT_EQ(For(0).Letter, "");
    EXPECT_EQ(For(0).Factor, 1);
    EXPECT_EQ(For(-1e20).Factor, 1);
    EXPECT_EQ(For(999).Letter, "");
    EXPECT_EQ(For(1000).Letter, "K");
    EXPECT_EQ(For(5e-7).Letter, "n");
    EXPECT_EQ(For(2e9).Letter, "G");
    EXPECT_EQ(For(3e6).Factor, 1e-6);
}

TEST(ScalePrefix, FemtoAttoPetaAndExaExtendTheTable)
{
    EXPECT_DOUBLE_EQ(For(2.4e-13).Factor * 2.4e-13, 240);
    const std::pair<double, const char*> Edges[] = {
        {1e-15, "f"}, {9.99e-16, "a"}, {1e-18, "a"}, {9.99e-19, ""},
        // T keeps its four exponents, so P starts at 1e16.
        {9.99e15, "T"}, {3e16, "P"}, {9.99e17, "P"}, {1e18, "E"}, {9.99e21, "E"}, {1e22, ""},
        // The scan's start value, left when no cell is a number.
        {-1e20, ""}};
    for (const auto& [v, Letter] : Edges)
        EXPECT_EQ(For(v).Letter, Letter) << v;
    EXPECT_DOUBLE_EQ(For(3e16).Factor * 3e16, 30);
    EXPECT_EQ(For(1e18).Factor, 1e-18);
}

TEST(ScalePrefix, FifteenDigitsDecideTheExponent)
{
    // Rounded to 15 significant digits this is 1000: exponent 3.
    EXPECT_EQ(For(999.9999999999999).Letter, "K");
    EXPECT_EQ(For(999.99999999999).Letter, "");
}

TEST(ScalePrefix, NanoFactorIsJustBelowAThousandMillion)
{
    EXPECT_EQ(For(5e-9).Letter, "n");
    EXPECT_EQ(For(5e-9).Factor, 999999999.9999999);
    EXPECT_NE(For(5e-9).Factor, 1e9);
}

TEST(StatusText, TenPiecesWithIdeographicSpaces)
{
    EXPECT_EQ(Magnification::StatusText(0.001, "K", 1000, "m"),
              QString::fromUtf8("自動倍率　X軸= 0.001　単位 [ K ]   Y軸= 1,000　単位 [ m ]"));
    // A factor below 1 shows the decimals it needs, never "0".
    EXPECT_EQ(Magnification::StatusText(1e-6, "M", 1e-12, "T"),
              QString::fromUtf8("自動倍率　X軸= 0.000001　単位 [ M ]   Y軸= 0.000000000001　単位 [ T ]"));
    EXPECT_EQ(Magnification::StatusText(1, "", 1, ""),
              QString::fromUtf8("自動倍率　X軸= 1　単位 [  ]   Y軸= 1　単位 [  ]"));
    EXPECT_EQ(Magnification::StatusText(1e12, "p", 999999999.9999999, "n"),
              QString::fromUtf8("自動倍率　X軸= 1,000,000,000,000　単位 [ p ]   Y軸= 1,000,000,000　単位 [ n ]"));
}
