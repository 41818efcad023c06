#include "core/Numbers.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace Numbers {

namespace {

int64_t ClampToInt64(double v)
{
    if (std::isnan(v))
        return 0;
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (v >= limit)
        return std::numeric_limits<int64_t>::max();
    if (v < -limit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

int64_t Round(double value)
{
    // nearbyint under the default rounding mode rounds halves to even.
    return ClampToInt64(std::nearbyint(value));
}

int RoundInt(double value)
{
    return int(std::clamp<int64_t>(Round(value), -PixelLimit, PixelLimit));
}

int64_t Trunc(double value) { return ClampToInt64(std::trunc(value)); }

double Int(double value) { return std::trunc(value); }

bool SameValue(double a, double b) { return SameValue(a, b, 1e-12); }

bool SameValue(double a, double b, double floor)
{
    const double tolerance = std::max(1e-12 * std::min(std::fabs(a), std::fabs(b)), floor);
    return std::fabs(a - b) <= tolerance;
}

bool IsZero(double x) { return std::fabs(x) <= 1e-12; }

const TSeparators& RegionalSeparators()
{
    static const TSeparators separators = [] {
        const QLocale locale = QLocale::system();
        TSeparators s;
        s.Decimal = locale.decimalPoint();
        s.Group = locale.groupSeparator();
        if (s.Decimal.isEmpty())
            s.Decimal = QStringLiteral(".");
        return s;
    }();
    return separators;
}

TNumberReading ReadNumber(std::string_view text, std::string_view decimal, double& value)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* intBegin = p;
    while (p < end && IsDigit(*p))
        ++p;
    const char* intEnd = p;
    const char* fracBegin = p;
    const char* fracEnd = p;
    bool hasSeparator = false;
    const bool atSeparator = decimal.size() == 1
        ? p < end && *p == decimal[0]
        : !decimal.empty() && size_t(end - p) >= decimal.size() && std::memcmp(p, decimal.data(), decimal.size()) == 0;
    if (atSeparator) {
        hasSeparator = true;
        p += decimal.size();
        fracBegin = p;
        while (p < end && IsDigit(*p))
            ++p;
        fracEnd = p;
    }
    if (intBegin == intEnd && !hasSeparator)
        return nrNotNumber;
    bool expNegative = false;
    const char* expBegin = nullptr;
    const char* expEnd = nullptr;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) {
            expNegative = *p == '-';
            ++p;
        }
        expBegin = p;
        while (p < end && IsDigit(*p))
            ++p;
        expEnd = p;
    }
    const char* const numberEnd = p;
    while (p < end && *p == ' ')
        ++p;
    if (p != end)
        return nrNotNumber;

    (void)numberEnd;
    // Most data cells have few digits and a small exponent: a mantissa below
    // 2^53 times or divided by an exact power of ten up to 10^22 is then
    // correctly rounded by one IEEE operation. Everything else goes through
    // from_chars below.
    {
        uint64_t mantissa = 0;
        int digits = 0;
        bool fits = true;
        auto take = [&](const char* b, const char* e) {
            for (; b < e; ++b) {
                if (digits == 0 && *b == '0')
                    continue;
                if (++digits > 19) {
                    fits = false;
                    return;
                }
                mantissa = mantissa * 10 + uint64_t(*b - '0');
            }
        };
        take(intBegin, intEnd);
        take(fracBegin, fracEnd);
        long exponent = 0;
        for (const char* e = expBegin; fits && e && e < expEnd; ++e) {
            exponent = exponent * 10 + (*e - '0');
            if (exponent > 100000)
                fits = false;
        }
        if (expNegative)
            exponent = -exponent;
        exponent -= long(fracEnd - fracBegin);
        if (fits && mantissa <= (uint64_t(1) << 53) && exponent >= -22 && exponent <= 22) {
            static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
            double result = double(mantissa);
            if (exponent >= 0)
                result *= Powers[exponent];
            else
                result /= Powers[-exponent];
            value = negative ? -result : result;
            return nrNumber;
        }
    }

    // Normalise into "-iii.fffe-xxx" for from_chars; leading zeros of the
    // integer part and of the exponent are dropped so the buffer stays short.
    while (intBegin < intEnd && *intBegin == '0')
        ++intBegin;
    if (expBegin) {
        while (expBegin < expEnd && *expBegin == '0')
            ++expBegin;
    }
    const size_t intLen = size_t(intEnd - intBegin);
    const size_t fracLen = size_t(fracEnd - fracBegin);
    const size_t expLen = expBegin ? size_t(expEnd - expBegin) : 0;
    if (intLen == 0 && std::all_of(fracBegin, fracEnd, [](char c) { return c == '0'; })) {
        value = negative ? -0.0 : 0.0;
        return nrNumber;
    }

    char stackBuffer[128];
    std::string heapBuffer;
    const size_t needed = intLen + fracLen + expLen + 8;
    char* buffer = stackBuffer;
    if (needed > sizeof stackBuffer) {
        heapBuffer.resize(needed);
        buffer = heapBuffer.data();
    }
    char* w = buffer;
    if (negative)
        *w++ = '-';
    if (intLen == 0)
        *w++ = '0';
    std::memcpy(w, intBegin, intLen);
    w += intLen;
    if (fracLen) {
        *w++ = '.';
        std::memcpy(w, fracBegin, fracLen);
        w += fracLen;
    }
    if (expLen) {
        *w++ = 'e';
        if (expNegative)
            *w++ = '-';
        std::memcpy(w, expBegin, expLen);
        w += expLen;
    }

    double result = 0;
    const auto [ptr, ec] = std::from_chars(buffer, w, result);
    if (ec == std::errc()) {
        if (ptr != w)
            return nrNotNumber;
        value = result;
        return nrNumber;
    }
    if (ec != std::errc::result_out_of_range)
        return nrNotNumber;

    // Out of range is either beyond the largest double (not a number) or
    // below the smallest subnormal (the nearest double is zero). Decide by the
    // decimal exponent of the first significant digit.
    long long exponent = 0;
    for (const char* e = expBegin; e && e < expEnd; ++e) {
        exponent = exponent * 10 + (*e - '0');
        if (exponent > 1000000000LL)
            break;
    }
    if (expNegative)
        exponent = -exponent;
    long long magnitude;
    if (intLen > 0) {
        magnitude = exponent + static_cast<long long>(intLen) - 1;
    } else {
        const char* firstNonZero = fracBegin;
        while (firstNonZero < fracEnd && *firstNonZero == '0')
            ++firstNonZero;
        magnitude = exponent - static_cast<long long>(firstNonZero - fracBegin) - 1;
    }
    if (magnitude < 0) {
        value = negative ? -0.0 : 0.0;
        return nrNumber;
    }
    return nrBeyondDouble;
}

bool TryParseNumber(std::string_view text, std::string_view decimal, double& value)
{
    return ReadNumber(text, decimal, value) == nrNumber;
}

bool TryParseNumber(std::string_view utf8, double& value)
{
    static const std::string decimal = RegionalSeparators().Decimal.toStdString();
    return TryParseNumber(utf8, decimal, value);
}

bool TryParseNumber(QStringView text, const QString& decimal, double& value)
{
    const QByteArray bytes = text.toUtf8();
    const QByteArray sep = decimal.toUtf8();
    return TryParseNumber(std::string_view(bytes.constData(), size_t(bytes.size())),
                          std::string_view(sep.constData(), size_t(sep.size())), value);
}

bool TryParseNumber(QStringView text, double& value)
{
    return TryParseNumber(text, RegionalSeparators().Decimal, value);
}

namespace {

struct TPattern {
    int MinInt = 1;
    bool Grouping = false;
    int MinDec = 0;
    int MaxDec = 0;
    // More digits than this give the exponent form; 0: no limit.
    int MaxDigits = 0;
    // The most significant digits of the exponent form.
    int Significant = 0;
};

// The digits of intPart.fracPart as d.dddE±x, without the zeros that only
// place them; at most `maxDigits` significant digits (a label 9.500000000000002
// times 10^299 is 9.5E299), rounded halves away from zero as the patterns do.
QString ExponentForm(bool negative, const std::string& intPart, const std::string& fracPart, int maxDigits,
                     const TSeparators& separators)
{
    const std::string all = intPart + fracPart;
    const size_t first = all.find_first_not_of('0');
    long exponent = long(intPart.size()) - 1 - long(first);
    std::string digits = all.substr(first);
    if (digits.size() > size_t(maxDigits)) {
        const bool roundUp = digits[size_t(maxDigits)] >= '5';
        digits.resize(size_t(maxDigits));
        if (roundUp) {
            int i = maxDigits - 1;
            while (i >= 0 && digits[size_t(i)] == '9')
                digits[size_t(i--)] = '0';
            if (i >= 0) {
                ++digits[size_t(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    const size_t last = digits.find_last_not_of('0');
    QString out;
    if (negative)
        out += u'-';
    out += QChar(digits[0]);
    if (last > 0) {
        out += separators.Decimal;
        out += QLatin1StringView(digits.data() + 1, qsizetype(last));
    }
    out += u'E';
    out += QString::number(exponent);
    return out;
}

TPattern ParsePattern(QStringView pattern)
{
    TPattern p;
    p.MinInt = 0;
    bool inFraction = false;
    for (QChar c : pattern) {
        if (c == u'.') {
            inFraction = true;
        } else if (c == u',') {
            if (!inFraction)
                p.Grouping = true;
        } else if (c == u'0') {
            if (inFraction) {
                ++p.MinDec;
                ++p.MaxDec;
            } else {
                ++p.MinInt;
            }
        } else if (c == u'#') {
            if (inFraction)
                ++p.MaxDec;
        }
    }
    return p;
}

QString FormatPattern(double value, const TPattern& pat, const TSeparators& separators)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // Shortest round-trip digits: "d.ddddde±x".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string_view sci(buf, size_t(res.ptr - buf));
    const size_t ePos = sci.find('e');
    std::string digits;
    for (size_t i = 0; i < ePos; ++i) {
        if (sci[i] != '.')
            digits.push_back(sci[i]);
    }
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);
    // The value is 0.digits × 10^(exponent + 1): `point` digits stand before the
    // decimal point (negative or beyond the digits means padding zeros).
    int point = exponent + 1;

    // Keep point + MaxDec digits; round the rest away, halves away from zero.
    const long keep = long(point) + pat.MaxDec;
    if (keep < long(digits.size())) {
        bool roundUp = false;
        if (keep >= 0)
            roundUp = digits[size_t(keep)] >= '5';
        digits.resize(size_t(std::max<long>(keep, 0)));
        if (roundUp) {
            int i = int(digits.size()) - 1;
            while (i >= 0 && digits[size_t(i)] == '9') {
                digits[size_t(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[size_t(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    }

    std::string intPart;
    std::string fracPart;
    for (int i = 0; i < point; ++i)
        intPart.push_back(i < int(digits.size()) ? digits[size_t(i)] : '0');
    for (int i = 0; i < pat.MaxDec; ++i) {
        const int index = point + i;
        fracPart.push_back(index >= 0 && index < int(digits.size()) ? digits[size_t(index)] : '0');
    }
    // Optional trailing zeros go.
    while (int(fracPart.size()) > pat.MinDec && !fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();
    const size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
    while (int(intPart.size()) < pat.MinInt)
        intPart.insert(intPart.begin(), '0');

    const bool isZero = intPart.find_first_not_of('0') == std::string::npos
        && fracPart.find_first_not_of('0') == std::string::npos;

    if (pat.MaxDigits > 0 && !isZero && int(intPart.size() + fracPart.size()) > pat.MaxDigits)
        return ExponentForm(value < 0, intPart, fracPart, pat.Significant, separators);

    QString out;
    out.reserve(int(intPart.size() + fracPart.size()) + 8);
    if (value < 0 && !isZero)
        out += u'-';
    const int n = int(intPart.size());
    for (int i = 0; i < n; ++i) {
        if (pat.Grouping && i > 0 && (n - i) % 3 == 0)
            out += separators.Group;
        out += QChar(intPart[size_t(i)]);
    }
    if (!fracPart.empty()) {
        out += separators.Decimal;
        out += QLatin1StringView(fracPart.data(), qsizetype(fracPart.size()));
    }
    return out;
}

} // namespace

QString FormatNumber(double value, QStringView pattern, const TSeparators& separators)
{
    return FormatPattern(value, ParsePattern(pattern), separators);
}

QString FormatNumber(double value, QStringView pattern, int decimals, const TSeparators& separators)
{
    TPattern pat = ParsePattern(pattern);
    pat.MaxDec = std::max(pat.MinDec, decimals);
    return FormatPattern(value, pat, separators);
}

QString FormatNumber(double value, QStringView pattern, int decimals)
{
    return FormatNumber(value, pattern, decimals, RegionalSeparators());
}

int PatternDecimals(QStringView pattern) { return ParsePattern(pattern).MaxDec; }

QString FormatNumberShort(double value, QStringView pattern, int decimals, int maxDigits, int significant)
{
    TPattern pat = ParsePattern(pattern);
    if (decimals >= 0)
        pat.MaxDec = std::max(pat.MinDec, decimals);
    pat.MaxDigits = maxDigits;
    pat.Significant = std::clamp(significant > 0 ? significant : maxDigits, 1, std::max(1, maxDigits));
    return FormatPattern(value, pat, RegionalSeparators());
}

QString FormatNumber(double value, QStringView pattern)
{
    return FormatNumber(value, pattern, RegionalSeparators());
}

QString RoundTrip(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, res.ptr - buf);
}

} // namespace Numbers
