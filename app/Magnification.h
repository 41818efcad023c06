#pragma once

#include <QString>

// Engineering prefixes for the automatic magnification.
namespace Magnification {

// Chooses the prefix letter and the factor for the largest magnitude `v`: the
// exponent of v written with 15 significant digits picks a band of three
// exponents (four for "T"); the factor is 1 divided by the double nearest to
// 10^k. Outside the bands, the factor is 1 and the prefix empty.
void ComputeScalePrefix(double& factor, QString& prefix, double v);

// The status bar text of an automatic scan.
QString StatusText(double xmag, const QString& xtani, double ymag, const QString& ytani);

} // namespace Magnification
