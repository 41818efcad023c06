#include "settings/IniErrors.h"
#include "settings/IniValues.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace IniValues;

namespace {

int IntOr(QStringView text, int fallback)
{
    int value = 0;
    return TryTextToInt(text, value) ? value : fallback;
}

} // namespace

TEST(IniValues, IntegerTextAcceptsDecimalAndHexForms)
{
    EXPECT_EQ(IntOr(u"0x10", -99), 16);
    EXPECT_EQ(IntOr(u"0X10", -99), 16);
    EXPECT_EQ(IntOr(u"$10", -99), 16);
    EXPECT_EQ(IntOr(u"x1f", -99), 31);
    EXPECT_EQ(IntOr(u"  -12", -99), -12);
    EXPECT_EQ(IntOr(u"+7", -99), 7);
    EXPECT_EQ(IntOr(u"-2147483648", -99), INT32_MIN);
    EXPECT_EQ(IntOr(u"2147483647", -99), INT32_MAX);
    EXPECT_EQ(IntOr(u"$FFFFFFFF", -99), -1);
    EXPECT_EQ(IntOr(u"$000000000010", -99), 16);
}

TEST(IniValues, IntegerTextRejectsEverythingElse)
{
    for (const char16_t* text : {u"", u" ", u"1.5", u"yes", u"$", u"0x", u"-", u"12 ", u"1e3",
                                 u"2147483648", u"-2147483649", u"$100000000", u"0x1G", u"\t5"})
        EXPECT_EQ(IntOr(text, -99), -99) << QString::fromUtf16(text).toStdString();
}

TEST(IniValues, HexText)
{
    EXPECT_EQ(HexText(uint32_t(-1)), "0xFFFFFFFF");
    EXPECT_EQ(HexText(0x1F), "0x0000001F");
    EXPECT_EQ(HexText(0xFF00000F), "0xFF00000F");
    int value = 0;
    EXPECT_FALSE(TryHexDigitsToInt(u"123456789", value));
    EXPECT_FALSE(TryHexDigitsToInt(u"", value));
    ASSERT_TRUE(TryHexDigitsToInt(u"80000000", value));
    EXPECT_EQ(value, INT32_MIN);
}

TEST(IniValues, FloatTextUsesFifteenDigitsGeneralFormat)
{
    EXPECT_EQ(FloatToText(1.5), "1.5");
    EXPECT_EQ(FloatToText(-2.25), "-2.25");
    EXPECT_EQ(FloatToText(0.1), "0.1");
    EXPECT_EQ(FloatToText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FloatToText(100), "100");
    EXPECT_EQ(FloatToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToText(1e15), "1E+15");
    EXPECT_EQ(FloatToText(0.00001), "0.00001");
    EXPECT_EQ(FloatToText(1.5e-7), "1.5E-7");
    EXPECT_EQ(FloatToText(-1e300), "-1E+300");
    EXPECT_EQ(FloatToText(0.0), "0");

    for (double v : {1.5, 1.0 / 3.0, 1e15, 1.5e-7, -1e300, 2.5e-310}) {
        double back = 0;
        ASSERT_TRUE(TryTextToFloat(FloatToText(v), back)) << v;
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
    }
    double back = 0;
    ASSERT_TRUE(TryTextToFloat(FloatToText(NAN), back));
    EXPECT_TRUE(std::isnan(back));
    ASSERT_TRUE(TryTextToFloat(FloatToText(-INFINITY), back));
    EXPECT_EQ(back, -INFINITY);
    EXPECT_FALSE(TryTextToFloat(u"", back));
    EXPECT_FALSE(TryTextToFloat(u"abc", back));
}

TEST(IniValues, DateTimeRoundTripsThroughRegionalText)
{
    // 2023-03-15 12:30:45
    const double noonish = 45000 + (12 * 3600 + 30 * 60 + 45) / 86400.0;
    double back = 0;
    ASSERT_TRUE(TryTextToDateTime(DateTimeToText(noonish), back));
    EXPECT_NEAR(back, noonish, 1e-9);

    // Midnight leaves the time out; the date alone reads back.
    const QString midnight = DateTimeToText(45000);
    EXPECT_EQ(midnight, DateToText(45000));
    ASSERT_TRUE(TryTextToDateTime(midnight, back));
    EXPECT_EQ(back, 45000);

    ASSERT_TRUE(TryTextToDate(DateToText(noonish), back));
    EXPECT_EQ(back, 45000);
    ASSERT_TRUE(TryTextToTime(TimeToText(noonish), back));
    EXPECT_NEAR(back, noonish - 45000, 1e-9);

    // Before the epoch the fraction still counts forward: -1.25 is 1899-12-29 06:00.
    ASSERT_TRUE(TryTextToDateTime(DateTimeToText(-1.25), back));
    EXPECT_NEAR(back, -1.25, 1e-9);

    EXPECT_FALSE(TryTextToDate(u"not a date", back));
    EXPECT_FALSE(TryTextToTime(u"", back));
    EXPECT_THROW(DateToText(1e12), EConvertError);
    EXPECT_THROW(DateTimeToText(NAN), EConvertError);
}

TEST(IniValues, RegionalFormatsKeepTheCenturyAndDropTheZone)
{
    EXPECT_TRUE(ShortDateFormat().contains("yyyy"));
    EXPECT_FALSE(LongTimeFormat().contains(u't'));
}

TEST(IniValues, BinaryHex)
{
    EXPECT_EQ(BytesToHex(QByteArray("\x00\xAB\x1F", 3)), "00AB1F");
    EXPECT_EQ(HexToBytes(u"00ab1F"), QByteArray("\x00\xAB\x1F", 3));
    // Decoding stops at the first pair that is not hexadecimal, and at an odd tail.
    EXPECT_EQ(HexToBytes(u"41ZZ42"), QByteArray("A"));
    EXPECT_EQ(HexToBytes(u"414"), QByteArray("A"));
}
