#pragma once

#include <QList>
#include <QPen>

class TChartPen;

// The painter's pen for Pen in the colour Argb (0xAARRGGBB): its width (0:
// Qt's one-pixel cosmetic pen), caps, joins and dash pattern.
QPen PlatformPen(const TChartPen& Pen, unsigned Argb);
// Its dash pattern, dashes and gaps in pen widths (empty for a solid pen).
QList<qreal> PlatformDashPattern(const TChartPen& Pen);
