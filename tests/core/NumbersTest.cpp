#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace Numbers;

TEST(Rounding, HalvesGoToEvenAndTruncGoesTowardZero)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Int(-7.75), -7.0);
    EXPECT_EQ(IntDiv(-7, 2), -3);
    EXPECT_EQ(Round(1e300), INT64_MAX);
    EXPECT_EQ(Round(std::nan("")), 0);
}

TEST(Rounding, RoundIntRoundsHalvesToEvenAndSaturatesInsteadOfWrapping)
{
    EXPECT_EQ(RoundInt(2.5), 2);
    EXPECT_EQ(RoundInt(-3.5), -4);
    // Past the int range a bare cast wraps or is undefined; here it stops at
    // the pixel limit, leaving room to add two such values.
    EXPECT_EQ(RoundInt(3e9), PixelLimit);
    EXPECT_EQ(RoundInt(-1e300), -PixelLimit);
    EXPECT_EQ(RoundInt(std::numeric_limits<double>::infinity()), PixelLimit);
    EXPECT_EQ(RoundInt(std::nan("")), 0);
    EXPECT_EQ(RoundInt(PixelLimit - 0.5), PixelLimit);
}

TEST(Rounding, SameValueAndZeroTests)
{
    EXPECT_TRUE(SameValue(1.0, 1.0 + 1e-13));
    EXPECT_FALSE(SameValue(1.0, 1.0 + 1e-11));
    // Relative for large values.
    EXPECT_TRUE(SameValue(1e6, 1e6 + 1e-7));
    EXPECT_FALSE(SameValue(1e6, 1e6 + 1e-5));
    EXPECT_TRUE(IsZero(1e-12));
    EXPECT_FALSE(IsZero(1.1e-12));
    // Another absolute part tells tiny values apart; the relative one stays.
    EXPECT_TRUE(SameValue(2e-14, 2.4e-13));
    EXPECT_FALSE(SameValue(2e-14, 2.4e-13, 1e-25));
    EXPECT_TRUE(SameValue(1e6, 1e6 + 1e-7, 1e-25));
}

namespace {
bool Parses(const char* text, double& v) { return TryParseNumber(std::string_view(text), ".", v); }
bool IsNumber(const char* text)
{
    double v;
    return Parses(text, v);
}
double Value(const char* text)
{
    double v = -12345;
    EXPECT_TRUE(Parses(text, v)) << text;
    return v;
}
} // namespace

TEST(NumberSyntax, AcceptsTheCellForms)
{
    EXPECT_EQ(Value(" 12 "), 12);
    EXPECT_EQ(Value("+.5"), 0.5);
    EXPECT_EQ(Value("5."), 5);
    EXPECT_EQ(Value("."), 0);
    EXPECT_EQ(Value("1E"), 1);
    EXPECT_EQ(Value("1e+"), 1);
    EXPECT_EQ(Value("1e3"), 1000);
    EXPECT_EQ(Value("-2.5E-1"), -0.25);
    EXPECT_EQ(Value("000123"), 123);
    EXPECT_EQ(Value("0.1"), 0.1);
    EXPECT_EQ(Value("1.7976931348623157e308"), DBL_MAX);
    EXPECT_EQ(Value("1e-400"), 0.0);
    EXPECT_EQ(Value("4.9e-324"), 4.9e-324);
    EXPECT_TRUE(std::signbit(Value("-0")));
}

TEST(NumberSyntax, RejectsEverythingElse)
{
    for (const char* text : {"", " ", "-", "+", "1E400", "-1e400", "1 000", "1,000", "\t1", "1\t", "nan", "inf",
                             "0x10", "1e5.5", "e5", "1..2", "$5", "5%", "12a", "++1", "1e--2", "\xC2\xA0" "1"})
        EXPECT_FALSE(IsNumber(text)) << '"' << text << '"';
}

TEST(NumberSyntax, LongMantissaStillReadsTheNearestDouble)
{
    std::string digits = "0." + std::string(300, '0') + "1";
    EXPECT_EQ(Value(digits.c_str()), 1e-301);
    std::string big = "1" + std::string(400, '0');
    EXPECT_FALSE(IsNumber(big.c_str()));
    EXPECT_EQ(Value("0.000000000000000000000000000000000000001e39"), 1.0);
}

TEST(NumberSyntax, UsesTheGivenDecimalSeparator)
{
    double v = 0;
    EXPECT_TRUE(TryParseNumber(std::string_view("1,5"), ",", v));
    EXPECT_EQ(v, 1.5);
    EXPECT_FALSE(TryParseNumber(std::string_view("1.5"), ",", v));
    EXPECT_TRUE(TryParseNumber(QStringView(u"-3,25e1"), QStringLiteral(","), v));
    EXPECT_EQ(v, -32.5);
}

TEST(NumberPatterns, RoundsTheShortestFormHalvesAwayFromZero)
{
    const TSeparators sep;
    EXPECT_EQ(FormatNumber(2.5, u"#,##0", sep), "3");
    EXPECT_EQ(FormatNumber(-2.5, u"#,##0", sep), "-3");
    EXPECT_EQ(FormatNumber(0.4, u"#,##0", sep), "0");
    EXPECT_EQ(FormatNumber(-0.4, u"#,##0", sep), "0");
    EXPECT_EQ(FormatNumber(1e12, u"#,##0", sep), "1,000,000,000,000");
    EXPECT_EQ(FormatNumber(999999999.9999999, u"#,##0", sep), "1,000,000,000");
    EXPECT_EQ(FormatNumber(0.0045, u"#,##0.###", sep), "0.005");
    EXPECT_EQ(FormatNumber(0.30000000000000004, u"#,##0.###", sep), "0.3");
    EXPECT_EQ(FormatNumber(1234.5, u"#,##0.###", sep), "1,234.5");
    EXPECT_EQ(FormatNumber(-0.0004, u"#,##0.###", sep), "0");
    EXPECT_EQ(FormatNumber(0.0006, u"#,##0.###", sep), "0.001");
    EXPECT_EQ(FormatNumber(9.9996, u"#,##0.###", sep), "10");
    EXPECT_EQ(FormatNumber(100, u"#,##0.###", sep), "100");
    EXPECT_EQ(FormatNumber(123456, u"0.00", sep), "123456.00");
}

TEST(NumberPatterns, MoreDecimalsInPlaceOfThePatternsOwn)
{
    const TSeparators sep;
    EXPECT_EQ(PatternDecimals(u"#,##0.###"), 3);
    EXPECT_EQ(FormatNumber(2.5001200000000003, u"#,##0.###", 5, sep), "2.50012");
    EXPECT_EQ(FormatNumber(1234.000015, u"#,##0.###", 5, sep), "1,234.00002");
    // Required decimals stay.
    EXPECT_EQ(FormatNumber(1.5, u"0.00", 1, sep), "1.50");
}

TEST(NumberPatterns, UsesTheGivenSeparators)
{
    TSeparators german;
    german.Decimal = QStringLiteral(",");
    german.Group = QStringLiteral(".");
    EXPECT_EQ(FormatNumber(1234567.125, u"#,##0.###", german), "1.234.567,125");
    EXPECT_EQ(FormatNumber(1000, u"#,##0", german), "1.000");
}

TEST(NumberPatterns, RoundTripIsShortestAndLocaleFree)
{
    EXPECT_EQ(RoundTrip(1.5), "1.5");
    EXPECT_EQ(RoundTrip(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(RoundTrip(1e20), "1e+20");
}

// Run under LANG=de_DE.UTF-8.
TEST(LocaleDeNumbers, RegionalSeparatorsComeFromTheLocale)
{
    EXPECT_EQ(RegionalSeparators().Decimal, ",");
    EXPECT_EQ(RegionalSeparators().Group, ".");
    double v = 0;
    EXPECT_TRUE(TryParseNumber(std::string_view("1,5"), v));
    EXPECT_EQ(v, 1.5);
    EXPECT_EQ(FormatNumber(1e12, u"#,##0"), "1.000.000.000.000");
}

TEST(NumberSyntax, FastAndCarefulPathsAgree)
{
    // The in-place path and the normalising path must read the same value.
    for (const char* text : {"5.", ".5", "-0.5", "1e5", "1E+5", "-12.75e-3", "00012.5", "123456789012345678901234567890",
                             "2.2250738585072014e-308", "0.1e-320"}) {
        double a = 0, b = 0;
        ASSERT_TRUE(TryParseNumber(std::string_view(text), ".", a)) << text;
        ASSERT_TRUE(TryParseNumber(std::string_view(std::string(text) + " "), ".", b)) << text;
        EXPECT_EQ(a, b) << text;
    }
}

TEST(NumberPatterns, ShortFormKeepsTheDigitsWithoutThePlacingZeros)
{
    // Up to the limit the pattern's text; beyond it the same digits with an exponent.
    EXPECT_EQ(FormatNumberShort(123456789012345, u"#,##0.###", -1, 15), FormatNumber(123456789012345, u"#,##0.###"));
    EXPECT_EQ(FormatNumberShort(1e300, u"#,##0.###", -1, 15), "1E300");
    EXPECT_EQ(FormatNumberShort(-2.5e20, u"#,##0.###", -1, 15), "-2.5E20");
    EXPECT_EQ(FormatNumberShort(1.25e-17, u"#,##0.###", 19, 15), "1.25E-17");
    EXPECT_EQ(FormatNumberShort(1e-300, u"#,##0.###", -1, 15), "0");
    // The pattern's rounding comes first (3 decimals), then at most 15 digits.
    EXPECT_EQ(FormatNumberShort(1234567890123.4567, u"#,##0.###", -1, 15), "1.23456789012346E12");
    EXPECT_EQ(FormatNumberShort(9.500000000000002e299, u"#,##0.###", -1, 15), "9.5E299");
    EXPECT_EQ(FormatNumberShort(-9.999999999999999e20, u"#,##0.###", -1, 15), "-1E21");
    EXPECT_EQ(FormatNumberShort(5.00000000000001e298, u"#,##0.###", -1, 15, 2), "5E298");
    EXPECT_EQ(FormatNumberShort(7.46e20, u"#,##0.###", -1, 15, 2), "7.5E20");
}
