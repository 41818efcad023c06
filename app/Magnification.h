#pragma once

#include <QString>

// Engineering prefixes for the automatic magnification.
namespace Magnification {

// Chooses the prefix letter and the factor for the largest magnitude `v`: the
// exponent of v written with 15 significant digits picks a band of three
// exponents from a (1e-18) to G (1e9), then T (1e12) with four, P (1e15) with
// two and E (1e18) with four; the factor is 1 divided by the double nearest to
// 10^k. Outside the bands (below 1e-18, from 1e22, and any negative v, such
// as the scan's start value -1e20), the factor is 1 and the prefix empty.
void ComputeScalePrefix(double& factor, QString& prefix, double v);

// The status bar text of an automatic scan.
QString StatusText(double xmag, const QString& xtani, double ymag, const QString& ytani);

} // namespace Magnification
