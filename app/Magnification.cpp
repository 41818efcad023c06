#include "app/Magnification.h"

#include "core/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace Magnification {

namespace {

int Exponent15(double v)
{
    // "d.dddddddddddddde±x": the mantissa is rounded to 15 significant digits
    // first, so 999.9999999999999 has the exponent 3.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string_view text(buf, size_t(res.ptr - buf));
    const size_t e = text.find('e');
    if (e == std::string_view::npos)
        return 0; // inf or nan: outside every band
    return std::atoi(std::string(text.substr(e + 1)).c_str());
}

struct TBand {
    int Low;
    int High;
    const char* Prefix;
    double Power; // the double nearest to 10^k
};

// Three exponents a band from the power up. "T" keeps the four it had as the
// top band, so "P" starts one later; "E", the new top band, has four.
constexpr TBand Bands[] = {
    {-18, -16, "a", 1e-18}, {-15, -13, "f", 1e-15}, {-12, -10, "p", 1e-12}, {-9, -7, "n", 1e-9},
    {-6, -4, "u", 1e-6},    {-3, -1, "m", 1e-3},    {0, 2, "", 1e0},         {3, 5, "K", 1e3},
    {6, 8, "M", 1e6},       {9, 11, "G", 1e9},      {12, 15, "T", 1e12},     {16, 17, "P", 1e15},
    {18, 21, "E", 1e18},
};

} // namespace

void ComputeScalePrefix(double& factor, QString& prefix, double v)
{
    const int e = Exponent15(v);
    // A magnitude is never negative: below 0 is the scan's start value -1e20,
    // left when no cell was a number, which falls outside every band.
    for (const TBand& band : Bands) {
        if (v >= 0 && e >= band.Low && e <= band.High) {
            factor = 1.0 / band.Power;
            prefix = QString::fromLatin1(band.Prefix);
            return;
        }
    }
    factor = 1.0;
    prefix.clear();
}

namespace {

// A factor below 1 keeps the decimals it needs: "0.001", not "0".
QString FactorText(double factor)
{
    return Numbers::FormatNumber(factor, std::fabs(factor) < 1 ? u"#,##0.##################" : u"#,##0");
}

} // namespace

QString StatusText(double xmag, const QString& xtani, double ymag, const QString& ytani)
{
    return QStringLiteral("自動倍率　X軸= ") + FactorText(xmag) + QStringLiteral("　単位 [ ") + xtani
        + QStringLiteral(" ]") + QStringLiteral("   Y軸= ") + FactorText(ymag) + QStringLiteral("　単位 [ ") + ytani
        + QStringLiteral(" ]");
}

} // namespace Magnification
