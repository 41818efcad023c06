#include "chart/canvas/SoftShadow.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// Where a point lies between the centre (0) and the outline (1) of a shape
// scaled about its centre: the largest ratio over the outline's edges. Exact
// for convex outlines, which is what shadows are cast by.
struct TScaleField {
    struct TEdge {
        double Nx, Ny, InvDistance;
    };
    double Cx = 0, Cy = 0;
    std::vector<TEdge> Edges;

    explicit TScaleField(const std::vector<TPointFloat>& Outline)
    {
        // The centre is the area centroid, or the mean of the corners when the
        // outline has no area.
        double area = 0, ax = 0, ay = 0, mx = 0, my = 0;
        const size_t n = Outline.size();
        for (size_t i = 0; i < n; ++i) {
            const TPointFloat& p = Outline[i];
            const TPointFloat& q = Outline[(i + 1) % n];
            const double cross = double(p.X) * q.Y - double(q.X) * p.Y;
            area += cross;
            ax += (double(p.X) + q.X) * cross;
            ay += (double(p.Y) + q.Y) * cross;
            mx += p.X;
            my += p.Y;
        }
        if (std::abs(area) > 1e-9) {
            Cx = ax / (3 * area);
            Cy = ay / (3 * area);
        } else if (n > 0) {
            Cx = mx / double(n);
            Cy = my / double(n);
        }
        for (size_t i = 0; i < n; ++i) {
            const TPointFloat& p = Outline[i];
            const TPointFloat& q = Outline[(i + 1) % n];
            double nx = double(q.Y) - p.Y;
            double ny = double(p.X) - q.X;
            const double len = std::hypot(nx, ny);
            if (len < 1e-9)
                continue;
            nx /= len;
            ny /= len;
            double distance = nx * (p.X - Cx) + ny * (p.Y - Cy);
            if (distance < 0) {
                nx = -nx;
                ny = -ny;
                distance = -distance;
            }
            if (distance > 1e-9)
                Edges.push_back({nx, ny, 1 / distance});
        }
    }

    double At(double x, double y) const
    {
        double s = 0;
        for (const TEdge& e : Edges)
            s = std::max(s, (e.Nx * (x - Cx) + e.Ny * (y - Cy)) * e.InvDistance);
        return s;
    }
};

} // namespace

void FillSoftShadow(QPainter& Painter, const QPaintDevice& Device, const QPainterPath& Path,
                    const std::vector<TPointFloat>& Outline, unsigned Argb, int SmoothBlur, bool AntiAlias,
                    int CornerInset)
{
    // The gradient runs over `reach` of the way from the outline to the centre,
    // built as an image over the shape.
    QRect bounds = Path.boundingRect().toAlignedRect();
    const QRect deviceRect
        = Painter.worldTransform().inverted().mapRect(QRect(0, 0, Device.width(), Device.height()));
    bounds &= deviceRect;
    if (bounds.isEmpty())
        return;

    const QRgb full = qPremultiply(Argb);
    const double alpha = qAlpha(Argb);
    const double red = qRed(Argb), green = qGreen(Argb), blue = qBlue(Argb);
    const double reach = std::clamp(0.1 + 0.002 * SmoothBlur, 1e-6, 1.0);
    const double inner = 1 - reach;
    const TScaleField field(Outline);

    // A rectangle's middle is all shadow colour: filled directly, and left out
    // of the per-pixel work.
    QRect solid;
    if (CornerInset >= 0 && Outline.size() == 4) {
        const double hw = (double(Outline[1].X) - Outline[0].X) / 2;
        const double hh = (double(Outline[2].Y) - Outline[1].Y) / 2;
        const double mx = std::max(reach * hw, double(CornerInset));
        const double my = std::max(reach * hh, double(CornerInset));
        const int l = int(std::ceil(Outline[0].X + mx)), r = int(std::floor(Outline[1].X - mx));
        const int t = int(std::ceil(Outline[0].Y + my)), b = int(std::floor(Outline[2].Y - my));
        if (r > l && b > t)
            solid = QRect(l, t, r - l, b - t) & bounds;
    }

    QImage mask(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    if (mask.isNull())
        return;
    mask.fill(Qt::transparent);
    {
        QPainter coverage(&mask);
        coverage.setRenderHint(QPainter::Antialiasing, AntiAlias);
        coverage.translate(-bounds.topLeft());
        coverage.fillPath(Path, Qt::white);
    }
    const QRect skip = solid.translated(-bounds.topLeft());
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        const double py = bounds.top() + y + 0.5;
        const bool skipRow = y >= skip.top() && y <= skip.bottom();
        for (int x = 0; x < mask.width(); ++x) {
            if (skipRow && x == skip.left()) {
                x = skip.right();
                continue;
            }
            const int cover = qAlpha(line[x]);
            if (cover == 0)
                continue;
            const double s = field.At(bounds.left() + x + 0.5, py);
            if (s <= inner && cover == 255) {
                line[x] = full;
                continue;
            }
            // Colour and alpha both run from transparent white to the shadow colour.
            const double g = std::min((1 - s) / reach, 1.0);
            const double a = alpha * g * cover / 255.0;
            const double k = a / 255.0;
            auto channel = [&](double c) { return int((255 + (c - 255) * g) * k + 0.5); };
            line[x] = qRgba(channel(red), channel(green), channel(blue), int(a + 0.5));
        }
    }
    if (solid.isEmpty()) {
        Painter.drawImage(bounds.topLeft(), mask);
        return;
    }
    Painter.fillRect(solid, QColor::fromRgba(Argb));
    // The band around the middle, in four pieces.
    const QRect pieces[] = {
        QRect(bounds.left(), bounds.top(), bounds.width(), solid.top() - bounds.top()),
        QRect(bounds.left(), solid.bottom() + 1, bounds.width(), bounds.bottom() - solid.bottom()),
        QRect(bounds.left(), solid.top(), solid.left() - bounds.left(), solid.height()),
        QRect(solid.right() + 1, solid.top(), bounds.right() - solid.right(), solid.height()),
    };
    for (const QRect& piece : pieces)
        if (!piece.isEmpty())
            Painter.drawImage(piece.topLeft(), mask, piece.translated(-bounds.topLeft()));
}
