#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <string_view>

// The rounding rules, the same-value test, number parsing and the number
// patterns. Nothing else in the program rounds with a bare cast.
namespace Numbers {

// Round half to even, as the chart engine's pixel and label arithmetic expects.
int64_t Round(double value);
// Round to an int for pixels and sizes: half to even, saturated at
// ±PixelLimit so that a huge or infinite value neither wraps nor overflows the
// arithmetic that follows (NaN gives 0).
inline constexpr int PixelLimit = 1'000'000'000;
int RoundInt(double value);
// Toward zero.
int64_t Trunc(double value);
double Int(double value);
// Integer division toward zero (what C++ does; named so the rule is visible).
inline int IntDiv(int a, int b) { return a / b; }

// |a - b| <= max(1e-12 * min(|a|, |b|), 1e-12)
bool SameValue(double a, double b);
// The same test with another absolute part: |a - b| <= max(1e-12 * min(|a|, |b|), floor).
bool SameValue(double a, double b, double floor);
// |x| <= 1e-12
bool IsZero(double x);

// The separators of the user's regional settings (QLocale::system()).
struct TSeparators {
    QString Decimal = QStringLiteral(".");
    QString Group = QStringLiteral(",");
};
const TSeparators& RegionalSeparators();

// A cell is a number when all of it matches: spaces (U+0020), an optional sign,
// a mantissa of digits with an optional decimal separator (not empty; a lone
// separator reads as 0), an optional exponent whose digits may be missing, then
// spaces. The value is the double nearest to the text; magnitudes beyond the
// largest double are not numbers.
//
// The UTF-8 form is the fast path of the data import; `decimal` is the
// separator in UTF-8.
bool TryParseNumber(std::string_view utf8, std::string_view decimal, double& value);
// The same reading, telling a text of the number syntax whose magnitude is
// beyond the largest double from one that is no number at all.
enum TNumberReading { nrNumber, nrNotNumber, nrBeyondDouble };
TNumberReading ReadNumber(std::string_view utf8, std::string_view decimal, double& value);
bool TryParseNumber(std::string_view utf8, double& value);
bool TryParseNumber(QStringView text, double& value);
bool TryParseNumber(QStringView text, const QString& decimal, double& value);

// Number patterns such as "#,##0" and "#,##0.###": "0" a required digit, "#"
// an optional one, "," in the integer part groups by three, "." the decimal
// separator. The shortest round-trip decimal form of the value is rounded,
// halves away from zero; a negative value that rounds to zero prints "0".
QString FormatNumber(double value, QStringView pattern);
QString FormatNumber(double value, QStringView pattern, const TSeparators& separators);
// The pattern with `decimals` optional decimals in place of its own (its
// required decimals stay required).
QString FormatNumber(double value, QStringView pattern, int decimals);
QString FormatNumber(double value, QStringView pattern, int decimals, const TSeparators& separators);
// FormatNumber with `decimals` (the pattern's own when negative), except that
// a text of more than `maxDigits` digits becomes the exponent form of its
// digits, rounded to `significant` of them (maxDigits when 0 or more), without
// grouping: "1E300", "-1.25E-20".
QString FormatNumberShort(double value, QStringView pattern, int decimals, int maxDigits, int significant = 0);
// The most decimals the pattern shows.
int PatternDecimals(QStringView pattern);

// The shortest text that reads back as the same double, locale-independent
// ("1.5", "1e+20", "-0"). Used by the machine-readable outputs.
QString RoundTrip(double value);

} // namespace Numbers
