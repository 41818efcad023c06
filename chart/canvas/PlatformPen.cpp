#include "chart/canvas/PlatformPen.h"

#include "chart/canvas/ChartPen.h"

#include <QColor>
#include <QList>

#include <algorithm>

namespace {

// Qt drops zero-length dashes; dots keep this much length so their caps draw.
constexpr qreal kMinDash = 1e-3;

} // namespace

QList<qreal> PlatformDashPattern(const TChartPen& Pen)
{
    const int width = std::max(0, Pen.Width());
    // Dash patterns in units of the pen width (Qt's own unit for them).
    QList<qreal> pattern;
    switch (Pen.Style()) {
    case psDash: pattern = {3, 1}; break;
    case psDot: pattern = {1, 1}; break;
    case psDashDot: pattern = {3, 1, 1, 1}; break;
    case psDashDotDot: pattern = {3, 1, 1, 1, 1, 1}; break;
    case psSolid:
    case psClear: break;
    }
    // Qt puts round and square caps on every dash of a wide pen, outside its
    // length, which would close the gaps. Each dash gives up one width to its
    // two caps and the gap takes it, so dashes and gaps keep their lengths
    // with the caps included, and the first dash starts where a solid line's
    // cap would. Pens up to one pixel wide are dashed pixel by pixel already.
    if (!pattern.isEmpty() && width > 1 && Pen.EndStyle() != esFlat) {
        for (qsizetype i = 0; i < pattern.size(); i += 2) {
            const qreal dash = std::max(pattern[i] - 1, kMinDash);
            pattern[i + 1] += pattern[i] - dash;
            pattern[i] = dash;
        }
    }
    return pattern;
}

QPen PlatformPen(const TChartPen& Pen, unsigned Argb)
{
    const int width = std::max(0, Pen.Width());
    QPen pen(QColor::fromRgba(Argb));
    pen.setWidthF(width); // 0: Qt's one-pixel cosmetic pen

    Qt::PenCapStyle cap = Qt::RoundCap;
    switch (Pen.EndStyle()) {
    case esRound: cap = Qt::RoundCap; break;
    case esSquare: cap = Qt::SquareCap; break;
    case esFlat: cap = Qt::FlatCap; break;
    }
    pen.setCapStyle(cap);
    switch (Pen.JoinStyle()) {
    case jsRound: pen.setJoinStyle(Qt::RoundJoin); break;
    case jsBevel: pen.setJoinStyle(Qt::BevelJoin); break;
    case jsMitter: pen.setJoinStyle(Qt::MiterJoin); break;
    }
    const QList<qreal> pattern = PlatformDashPattern(Pen);
    if (!pattern.isEmpty())
        pen.setDashPattern(pattern);
    return pen;
}
