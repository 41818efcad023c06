#include "formats/MetafileContext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

// Text output of both formats: the selected font at the mapped size and
// escapement, aligned and advanced as the record says.

void TMetafileContext::TextOut(QPointF Reference, const QString& Text, const std::vector<double>& Dx,
                               quint32 Options, const QRectF* Box)
{
    if (!IMapValid || IPathOpen)
        return;
    ApplyClip();
    if ((Options & 2) && Box) { // ETO_OPAQUE
        FPainter.setTransform(FOuter);
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(IState.BkColor);
        FPainter.drawPath(MapPath(RectPath(Box->normalized())));
    }
    if (Text.isEmpty())
        return;
    const TObject& f = IState.Font;
    const bool updateCp = IState.TextAlign & 1;
    const QPointF ref = updateCp ? IState.Current : Reference;
    const double escapement = (f.Escapement % 3600) / 10.0 * M_PI / 180;
    const QPointF u(std::cos(escapement), -std::sin(escapement));
    const QPointF v(std::sin(escapement), std::cos(escapement));
    const QPointF origin = Map(ref);
    const QPointF U = IMap.map(ref + u) - IMap.map(ref);
    const QPointF V = IMap.map(ref + v) - IMap.map(ref);
    const double sx = std::hypot(U.x(), U.y());
    const double sy = std::hypot(V.x(), V.y());
    if (!std::isfinite(sx) || !std::isfinite(sy) || sx <= 0 || sy <= 0)
        return;
    double em;
    if (f.Height < 0)
        em = -double(f.Height) * sy;
    else if (f.Height > 0)
        em = f.Height * 0.8 * sy; // a cell height: less the usual internal leading
    else
        em = 12 * FPicturePixel; // the default font's size on the device
    if (!std::isfinite(em) || em < 0.5)
        return;
    em = std::min(em, MaxFontPixels);

    QFont font = f.Face.isEmpty() ? QFont() : QFont(f.Face);
    font.setPixelSize(std::max(1, int(std::lround(em))));
    font.setWeight(QFont::Weight(std::clamp(f.Weight == 0 ? 400 : f.Weight, 100, 900)));
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    font.setStrikeOut(f.StrikeOut);
    const QFontMetricsF metrics(font);

    std::vector<double> advance;
    double total = 0;
    if (!Dx.empty()) {
        for (qsizetype i = 0; i < Text.size(); ++i) {
            const double a = i < qsizetype(Dx.size()) ? Dx[size_t(i)] * sx : 0;
            const double bounded = std::isfinite(a) ? std::clamp(a, -MaxCoordinate, MaxCoordinate) : 0;
            advance.push_back(bounded);
            total += bounded;
        }
    } else {
        total = metrics.horizontalAdvance(Text);
    }
    double x = 0;
    switch (IState.TextAlign & 6) {
    case 2: x = -total; break; // TA_RIGHT
    case 6: x = -total / 2; break; // TA_CENTER
    default: break;
    }
    double baseline = 0;
    switch (IState.TextAlign & 24) {
    case 0: baseline = metrics.ascent(); break; // TA_TOP
    case 8: baseline = -metrics.descent(); break; // TA_BOTTOM
    default: break; // TA_BASELINE
    }
    if (updateCp && (IState.TextAlign & 6) == 0)
        IState.Current = ref + u * (total / sx);

    FPainter.save();
    if ((Options & 4) && Box) { // ETO_CLIPPED
        FPainter.setTransform(FOuter);
        FPainter.setClipPath(MapPath(RectPath(Box->normalized())), Qt::IntersectClip);
    }
    QTransform local;
    local.translate(origin.x(), origin.y());
    local.rotate(std::atan2(U.y(), U.x()) * 180 / M_PI);
    FPainter.setTransform(local * FOuter);
    FPainter.setFont(font);
    if (IState.BkOpaque && !(Options & 2)) {
        FPainter.fillRect(QRectF(x, baseline - metrics.ascent(), total, metrics.height()), IState.BkColor);
    }
    FPainter.setPen(IState.TextColor);
    if (advance.empty()) {
        FPainter.drawText(QPointF(x, baseline), Text);
    } else {
        for (qsizetype i = 0; i < Text.size(); ++i) {
            const qsizetype n = Text[i].isHighSurrogate() && i + 1 < Text.size() ? 2 : 1;
            FPainter.drawText(QPointF(x, baseline), Text.mid(i, n));
            for (qsizetype k = 0; k < n; ++k)
                x += advance[size_t(i + k)];
            i += n - 1;
        }
    }
    FPainter.restore();
}
