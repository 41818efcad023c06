#pragma once

#include "chart/canvas/Point.h"
#include "chart/canvas/PointFloat.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <vector>

class QPainterPath;

// The canvas's pixel geometry in the painter's terms.

// The box from (L, T) to (R, B), right and bottom exclusive.
inline QRectF BoxOf(int L, int T, int R, int B) { return QRectF(L, T, R - L, B - T); }

// Box with its corners rounded by ellipses of CornerWidth × CornerHeight, each
// made even, at least 1 and at most the box's extent.
QPainterPath RoundedPath(const QRectF& Box, int CornerWidth, int CornerHeight);

// Points as a painter polygon, each moved by Offset along both axes.
template <class TPointList>
QPolygonF PolygonOf(const TPointList& Points, qreal Offset)
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(Points.size()));
    for (const auto& p : Points)
        polygon.append(QPointF(qreal(p.X) + Offset, qreal(p.Y) + Offset));
    return polygon;
}

std::vector<TPointFloat> FloatPoints(const std::vector<TPoint>& Points);
