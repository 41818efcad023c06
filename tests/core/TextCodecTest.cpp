#include "core/TextCodec.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>
#include <string_view>

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

namespace {

// The CP932 bytes of a UTF-8 text, as a Japanese Windows program writes them.
QByteArray Cp932(const char* utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    EXPECT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), size_t(-1)) << utf8;
    iconv_close(cd);
    return QByteArray(out.data(), qsizetype(out.size() - outLeft));
}

} // namespace

TEST(Unmarked, Utf16IsToldByItsZeroBytes)
{
    const QString japanese = QString::fromUtf8("時間,電圧\r\n0,1.5\r\n1,2.5\r\n");
    for (TEncoding e : {teUtf16LE, teUtf16BE}) {
        TEncoding found = teAnsi;
        QByteArray bytes = Encode(japanese, e, false);
        EXPECT_TRUE(DetectUtf16(std::string_view(bytes.constData(), size_t(bytes.size())), found));
        EXPECT_EQ(found, e);
        EXPECT_EQ(DecodeUnmarked(bytes), japanese);
        // All ASCII: valid UTF-8 as well, still UTF-16; an odd last byte is dropped.
        bytes = Encode(u"X,Y\n1,2\n", e, false) + '\n';
        ASSERT_TRUE(IsValidUtf8(std::string_view(bytes.constData(), size_t(bytes.size()))));
        EXPECT_TRUE(DetectUtf16(std::string_view(bytes.constData(), size_t(bytes.size())), found));
        EXPECT_EQ(DecodeUnmarked(bytes), "X,Y\n1,2\n");
    }
    TEncoding found = teAnsi;
    // A stray NUL, UTF-32, an unpaired surrogate and a U+0000 are no UTF-16 text.
    for (std::string_view bad : {std::string_view("1,2\0\n", 5), std::string_view("1\0\0\0,\0\0\0" "2\0\0\0", 12),
                                 std::string_view("1\0,\0\0\xD8" "2\0", 8), std::string_view("1\0,\0\0\0" "2\0", 8),
                                 std::string_view("1,2\n")})
        EXPECT_FALSE(DetectUtf16(bad, found)) << bad.size();
}

// Under C.UTF-8 the legacy code page is CP1252: Japanese CP932 text is told
// from it, and Western text keeps reading as CP1252.
TEST(Unmarked, JapaneseIsToldFromAccentedLatin)
{
    for (const char* text : {"時間,電圧(V),電流[mA],温度(℃)\r\n0,1.5,2,25\r\n", "X軸,Y軸,時間\r\n1,2,3\r\n",
                             "測定データ\tサンプル1\r\n1\t2\r\n", "t,秒\n1,2\n", "ｼﾞｶﾝ,電圧V\n1,2\n"}) {
        const QByteArray bytes = Cp932(text);
        EXPECT_TRUE(LooksLikeCp932(std::string_view(bytes.constData(), size_t(bytes.size())))) << text;
        EXPECT_EQ(DecodeUnmarked(bytes), QString::fromUtf8(text));
    }
    for (const char* word : {"Température", "Größe", "Ångström", "Çà", "µs", "°C", "naïve", "Général", "Télécom",
                             "informação", "Operator’s note", "“Quoted” text", "élan", "Énergie", "Straße", "résumé",
                             "Müller", "déjà vu", "Precisión", "Ökonomie", "Tâche", "Übung"}) {
        const QString text = QString::fromUtf8("X,%1\r\n%1\r\n1,2\t%1\r\n").arg(QString::fromUtf8(word));
        bool lossless = false;
        const QByteArray bytes = Encode(text, teAnsi, false, &lossless);
        ASSERT_TRUE(lossless) << word;
        EXPECT_FALSE(LooksLikeCp932(std::string_view(bytes.constData(), size_t(bytes.size())))) << word;
        EXPECT_EQ(DecodeUnmarked(bytes), text) << word;
    }
    // Bytes CP932 leaves undefined (EF 76) or to the user (F0..F9) are no Japanese text.
    EXPECT_FALSE(LooksLikeCp932("\xF0\x40\xF0\x41"));
    EXPECT_EQ(DecodeUnmarked(QByteArray("\xEF\x76\xEF\x76")), QString::fromUtf8("ïvïv"));
}

// Run under LANG=ja_JP.UTF-8.
TEST(LocaleJaCodec, TheLegacyCodePageIsCp932)
{
    EXPECT_EQ(AnsiCodePage(), "CP932");
    EXPECT_EQ(Decode(QByteArray("\x8E\x9E\x8A\xD4"), teAnsi), QString::fromUtf8("時間"));
    // Bytes without a mark: UTF-16 is still told; the rest is CP932 already.
    EXPECT_EQ(DecodeUnmarked(Encode(u"X,Y", teUtf16BE, false)), "X,Y");
    EXPECT_EQ(DecodeUnmarked(QByteArray("\x8E\x9E,\xB5")), QString::fromUtf8("時,ｵ"));
}
