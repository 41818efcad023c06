#include "core/TextCodec.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace TextCodec {

TEncoding DetectByBom(const QByteArray& bytes, int& bomLength)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        bomLength = 3;
        return teUtf8;
    }
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        bomLength = 2;
        return teUtf16LE;
    }
    if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        bomLength = 2;
        return teUtf16BE;
    }
    bomLength = 0;
    return teAnsi;
}

bool IsValidUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        // ASCII runs dominate data files: check 32 bytes at a time.
        while (end - p >= 32) {
            uint64_t chunk[4];
            std::memcpy(chunk, p, 32);
            if ((chunk[0] | chunk[1] | chunk[2] | chunk[3]) & 0x8080808080808080ULL)
                break;
            p += 32;
        }
        while (end - p >= 8) {
            uint64_t chunk;
            std::memcpy(&chunk, p, 8);
            if (chunk & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p >= end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if ((length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)))
            || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        p += length;
    }
    return true;
}

bool DecodeUtf8Strict(const QByteArray& bytes, QString& text)
{
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        skip = 3;
    const std::string_view view(bytes.constData() + skip, size_t(bytes.size() - skip));
    if (!IsValidUtf8(view))
        return false;
    text = QString::fromUtf8(view.data(), qsizetype(view.size()));
    return true;
}

QByteArray AnsiCodePage()
{
    const QLocale locale = QLocale::system();
    switch (locale.language()) {
    case QLocale::Japanese:
        return "CP932";
    case QLocale::Korean:
        return "CP949";
    case QLocale::Chinese: {
        const auto territory = locale.territory();
        if (locale.script() == QLocale::TraditionalChineseScript || territory == QLocale::Taiwan
            || territory == QLocale::HongKong || territory == QLocale::Macao)
            return "CP950";
        return "CP936";
    }
    default:
        return "CP1252";
    }
}

namespace {

// glibc leaves five CP1252 bytes undefined; Windows maps them to the C1
// controls of the same number, and so do we, so that such bytes survive a
// load and a save.
bool IsCp1252(const QByteArray& codePage)
{
    return codePage.compare("CP1252", Qt::CaseInsensitive) == 0
        || codePage.compare("WINDOWS-1252", Qt::CaseInsensitive) == 0;
}

bool IsCp1252Gap(char16_t c)
{
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// RAII around an iconv descriptor.
class TIconv {
public:
    TIconv(const char* to, const char* from) : FHandle(iconv_open(to, from)) {}
    ~TIconv()
    {
        if (Valid())
            iconv_close(FHandle);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    bool Valid() const { return FHandle != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return FHandle; }

private:
    iconv_t FHandle;
};

} // namespace

bool FromCodePage(const QByteArray& codePage, std::string_view bytes, QString& text)
{
    TIconv cd("UTF-16LE", codePage.constData());
    if (!cd.Valid())
        return false;
    const bool cp1252 = IsCp1252(codePage);
    std::vector<char16_t> out(bytes.size() + 16);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    size_t written = 0;
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(out.data() + written);
        size_t outLeft = (out.size() - written) * sizeof(char16_t);
        const size_t rc = iconv(cd.Handle(), &in, &inLeft, &outPtr, &outLeft);
        written = size_t(reinterpret_cast<char16_t*>(outPtr) - out.data());
        if (rc != size_t(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2 + 16);
        } else {
            // A byte the code page does not define, or a cut-off sequence:
            // show a replacement and go on rather than lose the rest.
            if (written + 1 > out.size())
                out.resize(out.size() * 2 + 16);
            const auto byte = static_cast<unsigned char>(*in);
            out[written++] = cp1252 && IsCp1252Gap(byte) ? char16_t(byte) : u'\uFFFD';
            ++in;
            --inLeft;
            iconv(cd.Handle(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    text = QString(reinterpret_cast<const QChar*>(out.data()), qsizetype(written));
    return true;
}

QString Decode(const QByteArray& bytes, TEncoding encoding, int skip)
{
    const qsizetype offset = std::min<qsizetype>(skip, bytes.size());
    const QByteArrayView view(bytes.constData() + offset, bytes.size() - offset);
    switch (encoding) {
    case teUtf8:
        return QString::fromUtf8(view);
    case teUtf16LE:
    case teUtf16BE: {
        QStringDecoder decoder(encoding == teUtf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        return decoder.decode(view.first(view.size() & ~qsizetype(1)));
    }
    case teAnsi:
        break;
    }
    QString text;
    if (!FromCodePage(AnsiCodePage(), std::string_view(view.data(), size_t(view.size())), text))
        text = QString::fromLatin1(view);
    return text;
}

QByteArray Encode(QStringView text, TEncoding encoding, bool withBom, bool* lossless)
{
    if (lossless)
        *lossless = true;
    QByteArray out;
    switch (encoding) {
    case teUtf8:
        if (withBom)
            out = "\xEF\xBB\xBF";
        out += text.toUtf8();
        return out;
    case teUtf16LE:
    case teUtf16BE: {
        QStringEncoder encoder(encoding == teUtf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        if (withBom)
            out = encoding == teUtf16LE ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
        out += QByteArray(encoder.encode(text));
        return out;
    }
    case teAnsi:
        break;
    }
    const QByteArray codePage = AnsiCodePage();
    const bool cp1252 = IsCp1252(codePage);
    TIconv cd(codePage.constData(), "UTF-16LE");
    if (!cd.Valid()) {
        if (lossless)
            *lossless = false;
        return text.toLatin1();
    }
    const auto* units = reinterpret_cast<const char16_t*>(text.utf16());
    size_t index = 0;
    const size_t count = size_t(text.size());
    std::vector<char> buffer(count * 2 + 16);
    size_t written = 0;
    while (index < count) {
        char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units + index));
        size_t inLeft = (count - index) * sizeof(char16_t);
        char* outPtr = buffer.data() + written;
        size_t outLeft = buffer.size() - written;
        const size_t rc = iconv(cd.Handle(), &in, &inLeft, &outPtr, &outLeft);
        written = size_t(outPtr - buffer.data());
        index = count - inLeft / sizeof(char16_t);
        if (rc != size_t(-1))
            break;
        if (errno == E2BIG) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (written + 1 > buffer.size())
            buffer.resize(buffer.size() * 2);
        if (cp1252 && IsCp1252Gap(units[index])) {
            buffer[written++] = char(units[index]);
            ++index;
            iconv(cd.Handle(), nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        // No representation: a question mark, as the platform would write.
        if (lossless)
            *lossless = false;
        buffer[written++] = '?';
        const bool pair = index + 1 < count && QChar::isHighSurrogate(units[index])
            && QChar::isLowSurrogate(units[index + 1]);
        index += pair ? 2 : 1;
        iconv(cd.Handle(), nullptr, nullptr, nullptr, nullptr);
    }
    out.append(buffer.data(), qsizetype(written));
    return out;
}

bool DetectUtf16(std::string_view bytes, TEncoding& encoding)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t pairs = bytes.size() / 2;
    // ASCII in UTF-16 puts a zero byte at the very start already: a bounded
    // look spares every other text a count of its bytes.
    if (pairs == 0 || !std::memchr(b, 0, std::min<size_t>(bytes.size(), 65536)))
        return false;
    size_t little = 0;
    size_t big = 0;
    for (size_t i = 0; i < pairs; ++i) {
        const unsigned char first = b[2 * i];
        const unsigned char second = b[2 * i + 1];
        little += second == 0 && first != 0 ? 1 : 0;
        big += first == 0 && second != 0 ? 1 : 0;
    }
    TEncoding found;
    if (little * 2 > pairs)
        found = teUtf16LE;
    else if (big * 2 > pairs)
        found = teUtf16BE;
    else
        return false;
    bool lowDue = false;
    for (size_t i = 0; i < pairs; ++i) {
        const unsigned first = b[2 * i];
        const unsigned second = b[2 * i + 1];
        const unsigned unit = found == teUtf16LE ? first | (second << 8) : (first << 8) | second;
        if (unit == 0)
            return false;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low != lowDue)
            return false;
        lowDue = unit >= 0xD800 && unit <= 0xDBFF;
    }
    if (lowDue)
        return false;
    encoding = found;
    return true;
}

namespace {

bool IsCp932Lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsCp932Trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// What a double-byte character touches when it stands inside a Latin word:
// an ASCII letter, or a single high byte (an accented capital in CP1252).
bool IsWordByte(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xA1 && c <= 0xDF);
}

// Symbols and CJK punctuation, full-width forms and hiragana, katakana, the
// special symbols (circled numbers, units) and the first-level kanji.
bool IsCommonJapanese(unsigned lead, unsigned trail)
{
    const unsigned code = (lead << 8) | trail;
    return lead == 0x81 || lead == 0x82 || (lead == 0x83 && trail <= 0x96) || lead == 0x87
        || (code >= 0x889F && code <= 0x9872);
}

} // namespace

bool LooksLikeCp932(std::string_view bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    size_t total = 0; // double-byte characters
    size_t common = 0; // of them common Japanese
    size_t japanese = 0; // common ones in runs or apart from letters
    size_t latin = 0; // ones that sit as accented letters would
    size_t i = 0;
    while (i < n) {
        if (b[i] < 0x80 || (b[i] >= 0xA1 && b[i] <= 0xDF)) {
            ++i; // ASCII or a half-width katakana
            continue;
        }
        const bool letterBefore = i > 0 && IsWordByte(b[i - 1]);
        size_t run = 0;
        size_t runCommon = 0;
        while (i < n && b[i] >= 0x80 && !(b[i] >= 0xA1 && b[i] <= 0xDF)) {
            // 0x80, 0xA0 and 0xFD..0xFF are no lead; F0..F9 is the user-defined area.
            if (!IsCp932Lead(b[i]) || (b[i] >= 0xF0 && b[i] <= 0xF9) || i + 1 >= n || !IsCp932Trail(b[i + 1]))
                return false;
            ++run;
            runCommon += IsCommonJapanese(b[i], b[i + 1]) ? 1 : 0;
            i += 2;
        }
        const bool letterAfter = i < n && IsWordByte(b[i]);
        total += run;
        common += runCommon;
        if (run >= 2 || (!letterBefore && !letterAfter))
            japanese += runCommon;
        if ((run == 1 && (letterBefore || letterAfter)) || (letterBefore && letterAfter))
            latin += run;
    }
    return japanese > 0 && japanese >= latin && common * 2 >= total;
}

QString DecodeUnmarked(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    TEncoding utf16;
    if (DetectUtf16(view, utf16))
        return Decode(bytes, utf16);
    // A double-byte legacy page reads its own users' files; only under a
    // single-byte one is Japanese text plainly something else.
    if (IsCp1252(AnsiCodePage()) && LooksLikeCp932(view)) {
        QString text;
        // iconv tells the pairs CP932 leaves undefined.
        if (FromCodePage("CP932", view, text) && !text.contains(QChar::ReplacementCharacter))
            return text;
    }
    return Decode(bytes, teAnsi);
}

QStringList SplitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.sliced(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.append(text.sliced(start).toString());
    return lines;
}

} // namespace TextCodec
