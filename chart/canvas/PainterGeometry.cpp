#include "chart/canvas/PainterGeometry.h"

#include <QPainterPath>

#include <algorithm>

namespace {

// The corner ellipse of a rounded rectangle: even, at least 1, at most the
// rectangle's extent.
qreal CornerSize(int Size, qreal Extent)
{
    int even = Size & ~1;
    if (even < 1)
        even = 1;
    return std::min<qreal>(even, std::max<qreal>(Extent, 0));
}

} // namespace

QPainterPath RoundedPath(const QRectF& Box, int CornerWidth, int CornerHeight)
{
    QPainterPath path;
    path.addRoundedRect(Box, CornerSize(CornerWidth, Box.width()) / 2, CornerSize(CornerHeight, Box.height()) / 2,
                        Qt::AbsoluteSize);
    return path;
}

std::vector<TPointFloat> FloatPoints(const std::vector<TPoint>& Points)
{
    std::vector<TPointFloat> result;
    result.reserve(Points.size());
    for (const TPoint& p : Points)
        result.push_back({float(p.X), float(p.Y)});
    return result;
}
