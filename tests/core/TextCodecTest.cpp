#include "core/TextCodec.h"

#include <gtest/gtest.h>

using namespace TextCodec;

TEST(Utf8, StrictDecodingRejectsEveryMalformedSequence)
{
    QString text;
    EXPECT_TRUE(DecodeUtf8Strict(QByteArray("\xEF\xBB\xBFX,\xE6\x97\xA5"), text));
    EXPECT_EQ(text, QString::fromUtf8("X,日"));
    for (const char* bad : {"\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xF5\x80\x80\x80", "abc\xE6\x97", "\xFF"}) {
        EXPECT_FALSE(DecodeUtf8Strict(QByteArray(bad), text)) << bad;
    }
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 plain ascii beyond eight bytes"));
}

TEST(Bom, DetectsTheThreeMarks)
{
    int length = -1;
    EXPECT_EQ(DetectByBom(QByteArray("\xEF\xBB\xBF" "a"), length), teUtf8);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(DetectByBom(QByteArray("\xFF\xFE" "a", 3), length), teUtf16LE);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(DetectByBom(QByteArray("\xFE\xFF", 2), length), teUtf16BE);
    EXPECT_EQ(DetectByBom(QByteArray("ab"), length), teAnsi);
    EXPECT_EQ(length, 0);
}

TEST(Utf16, RoundTripsBothByteOrders)
{
    const QString text = QString::fromUtf8("時間,電圧\r\n1,2");
    for (TEncoding e : {teUtf16LE, teUtf16BE, teUtf8}) {
        const QByteArray bytes = Encode(text, e, true);
        int bom = 0;
        EXPECT_EQ(DetectByBom(bytes, bom), e);
        EXPECT_EQ(Decode(bytes, e, bom), text);
    }
    // An odd trailing byte is dropped, not turned into garbage.
    QByteArray odd = Encode(u"ab", teUtf16LE, false);
    odd.append('\x01');
    EXPECT_EQ(Decode(odd, teUtf16LE), "ab");
}

TEST(CodePage, Cp932AndCp1252ConvertThroughIconv)
{
    QString text;
    // "時間" in Shift-JIS.
    ASSERT_TRUE(FromCodePage("CP932", "\x8E\x9E\x8A\xD4", text));
    EXPECT_EQ(text, QString::fromUtf8("時間"));
    ASSERT_TRUE(FromCodePage("CP1252", "caf\xE9 \x80", text));
    EXPECT_EQ(text, QString::fromUtf8("café €"));
    // A cut-off double-byte sequence keeps what came before it.
    ASSERT_TRUE(FromCodePage("CP932", "ab\x8E", text));
    EXPECT_TRUE(text.startsWith("ab"));
}

TEST(CodePage, Cp1252UndefinedBytesAreTheirC1Controls)
{
    // Under C.UTF-8 the legacy code page is CP1252.
    const QByteArray gaps("\x81\x8D\x8F\x90\x9D");
    const QString controls = QStringView(u"\u0081\u008D\u008F\u0090\u009D").toString();
    EXPECT_EQ(Decode(gaps, teAnsi), controls);
    bool lossless = false;
    EXPECT_EQ(Encode(controls, teAnsi, false, &lossless), gaps);
    EXPECT_TRUE(lossless);
    // Other C1 controls have no CP1252 byte: 0x80 is the euro sign.
    EXPECT_EQ(Encode(u"\u0080", teAnsi, false, &lossless), "?");
    EXPECT_FALSE(lossless);
    // Code pages other than CP1252 keep the replacement character.
    QString text;
    ASSERT_TRUE(FromCodePage("CP932", "a\xA0", text));
    EXPECT_EQ(text, QStringView(u"a\uFFFD"));
}

TEST(CodePage, AnsiEncodingReportsLoss)
{
    bool lossless = true;
    const QByteArray bytes = Encode(QString::fromUtf8("é日"), teAnsi, false, &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(bytes, QByteArray("\xE9?"));
    Encode(u"plain", teAnsi, false, &lossless);
    EXPECT_TRUE(lossless);
}

TEST(Lines, SplitsAtEveryBreakWithoutATrailingEmptyLine)
{
    EXPECT_EQ(SplitLines(u"a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines(u"a\n"), QStringList({"a"}));
    EXPECT_EQ(SplitLines(u"a\n\n"), QStringList({"a", ""}));
    EXPECT_EQ(SplitLines(u"\r\n\r\n"), QStringList({"", ""}));
    EXPECT_EQ(SplitLines(u"\n\r"), QStringList({"", ""}));
    EXPECT_TRUE(SplitLines(u"").isEmpty());
    EXPECT_EQ(SplitLines(u"   "), QStringList({"   "}));
}

// Run under LANG=ja_JP.UTF-8.
TEST(LocaleJaCodec, TheLegacyCodePageIsCp932)
{
    EXPECT_EQ(AnsiCodePage(), "CP932");
    EXPECT_EQ(Decode(QByteArray("\x8E\x9E\x8A\xD4"), teAnsi), QString::fromUtf8("時間"));
}
