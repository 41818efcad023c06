#include "formats/MetafileContext.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace {

double Clamp(double v)
{
    if (!std::isfinite(v))
        return 0;
    return std::clamp(v, -TMetafileContext::MaxCoordinate, TMetafileContext::MaxCoordinate);
}

bool Finite(const QTransform& t)
{
    const double m[] = {t.m11(), t.m12(), t.m13(), t.m21(), t.m22(), t.m23(), t.m31(), t.m32(), t.m33()};
    for (double v : m)
        if (!std::isfinite(v))
            return false;
    return true;
}

// An XFORM worth applying: finite, not absurdly large and not singular.
bool SaneTransform(const QTransform& t)
{
    if (!Finite(t))
        return false;
    const double m[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    for (double v : m)
        if (std::fabs(v) > 1e9)
            return false;
    return std::fabs(t.determinant()) > 1e-12;
}

TMetafileContext::TObject StockObject(quint32 n)
{
    TMetafileContext::TObject o;
    static const int grays[] = {255, 192, 128, 64, 0};
    if (n <= 5) {
        o.Kind = TMetafileContext::okBrush;
        o.Style = n == 5 ? 1 : 0;
        o.Color = n < 5 ? QColor(grays[n], grays[n], grays[n]) : QColor(Qt::black);
    } else if (n <= 8) {
        o.Kind = TMetafileContext::okPen;
        o.Style = n == 8 ? 5 : 0;
        o.Color = n == 6 ? QColor(Qt::white) : QColor(Qt::black);
    } else if (n >= 10 && n <= 17) {
        o.Kind = TMetafileContext::okFont;
    } else if (n == 18) {
        o.Kind = TMetafileContext::okBrush;
        o.Color = Qt::white;
    } else if (n == 19) {
        o.Kind = TMetafileContext::okPen;
    }
    return o;
}

} // namespace

QPainterPath TMetafileContext::RectPath(const QRectF& r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}

TMetafileContext::TMetafileContext(QPainter& Painter, const QRectF& Target, const QRectF& Frame, bool Smooth,
                                   bool Wmf, int ObjectSlots, double DevicePixelsPerMm, double PicturePixel)
    : FPainter(Painter), FTarget(Target), FFrame(Frame), FWmf(Wmf),
      FPixelsPerMm(std::isfinite(DevicePixelsPerMm) && DevicePixelsPerMm > 1e-3 && DevicePixelsPerMm < 1e4
                       ? DevicePixelsPerMm
                       : 96 / 25.4),
      FPicturePixel(PicturePixel)
{
    FPainter.save();
    FOuter = FPainter.worldTransform();
    FOpacity = FPainter.opacity();
    FOuterClip = FPainter.hasClipping();
    if (FOuterClip)
        FOuterClipPath = FPainter.clipPath();
    FPainter.setRenderHint(QPainter::Antialiasing, Smooth);
    FPainter.setRenderHint(QPainter::TextAntialiasing, Smooth);
    FPainter.setRenderHint(QPainter::SmoothPixmapTransform, Smooth);
    if (FFrame.width() != 0 && FFrame.height() != 0) {
        const double sx = FTarget.width() / FFrame.width();
        const double sy = FTarget.height() / FFrame.height();
        FBase = QTransform(sx, 0, 0, sy, FTarget.left() - FFrame.left() * sx, FTarget.top() - FFrame.top() * sy);
    }
    if (!(std::isfinite(FPicturePixel) && FPicturePixel > 0))
        FPicturePixel = std::sqrt(std::fabs(FBase.determinant()));
    IObjects.resize(size_t(std::clamp(ObjectSlots, 0, 65536)));
    IState.Pen = StockObject(7);
    IState.Brush = StockObject(0);
    IState.Font = StockObject(13);
    IState.Clip = RectPath(FTarget);
    UpdateMap();
}

TMetafileContext::~TMetafileContext() { FPainter.restore(); }

void TMetafileContext::UpdateMap()
{
    const TState& s = IState;
    QTransform page;
    if (FWmf) {
        // The window maps onto the picture's frame; without an extent the
        // logical units are the frame's own.
        if (s.WindowExtSet) {
            const double sx = FFrame.width() / s.WindowExt.width();
            const double sy = FFrame.height() / s.WindowExt.height();
            page = QTransform(sx, 0, 0, sy, FFrame.left() - s.WindowOrg.x() * sx, FFrame.top() - s.WindowOrg.y() * sy);
        }
    } else {
        double sx = 1, sy = 1;
        switch (s.MapMode) {
        case 2: sx = 0.1; break;         // MM_LOMETRIC
        case 3: sx = 0.01; break;        // MM_HIMETRIC
        case 4: sx = 0.254; break;       // MM_LOENGLISH
        case 5: sx = 0.0254; break;      // MM_HIENGLISH
        case 6: sx = 25.4 / 1440; break; // MM_TWIPS
        case 7:                          // MM_ISOTROPIC
        case 8:                          // MM_ANISOTROPIC
            sx = s.ViewportExt.width() / s.WindowExt.width();
            sy = s.ViewportExt.height() / s.WindowExt.height();
            if (s.MapMode == 7) {
                const double m = std::min(std::fabs(sx), std::fabs(sy));
                sx = std::copysign(m, sx);
                sy = std::copysign(m, sy);
            }
            break;
        default: break;
        }
        if (s.MapMode >= 2 && s.MapMode <= 6) {
            // Metric and English modes: y grows upwards.
            sx *= FPixelsPerMm;
            sy = -sx;
        }
        page = QTransform(sx, 0, 0, sy, s.ViewportOrg.x() - s.WindowOrg.x() * sx,
                          s.ViewportOrg.y() - s.WindowOrg.y() * sy);
    }
    IMap = s.World * page * FBase;
    IMapValid = Finite(IMap) && std::fabs(IMap.determinant()) > 1e-300 && std::isfinite(IMap.determinant());
}

QPointF TMetafileContext::Map(QPointF P) const
{
    const QPointF q = IMap.map(P);
    return {Clamp(q.x()), Clamp(q.y())};
}

QPainterPath TMetafileContext::MapPath(const QPainterPath& Logical) const
{
    QPainterPath p = IMap.map(Logical);
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element e = p.elementAt(i);
        p.setElementPositionAt(i, Clamp(e.x), Clamp(e.y));
    }
    return p;
}

double TMetafileContext::PenScale() const
{
    const double d = std::sqrt(std::fabs(IMap.determinant()));
    return std::isfinite(d) ? d : 0;
}

// Mode: RGN_AND 1, RGN_OR 2, RGN_XOR 3, RGN_DIFF 4, RGN_COPY 5.
void TMetafileContext::CombineClip(const QPainterPath& Area, int Mode)
{
    QPainterPath& clip = IState.Clip;
    // Boolean operations on paths grow faster than their sizes: a clip
    // beyond this is not worth the time a hostile file could make it cost.
    if (qint64(clip.elementCount()) + Area.elementCount() > MaxClipElements)
        return;
    switch (Mode) {
    case 1: clip = clip.intersected(Area); break;
    case 2: clip = clip.united(Area).intersected(RectPath(FTarget)); break;
    case 3: clip = clip.subtracted(Area).united(Area.subtracted(clip)).intersected(RectPath(FTarget)); break;
    case 4: clip = clip.subtracted(Area); break;
    case 5: clip = Area.intersected(RectPath(FTarget)); break;
    default: return;
    }
    IClipDirty = true;
}

void TMetafileContext::ApplyClip()
{
    if (!IClipDirty)
        return;
    FPainter.setTransform(FOuter);
    if (FOuterClip) {
        FPainter.setClipPath(FOuterClipPath, Qt::ReplaceClip);
        FPainter.setClipPath(IState.Clip, Qt::IntersectClip);
    } else {
        FPainter.setClipPath(IState.Clip, Qt::ReplaceClip);
    }
    IClipDirty = false;
}

QPen TMetafileContext::MakePen() const
{
    const TObject& o = IState.Pen;
    const quint32 style = o.Style & 0xF;
    if (style == 5)
        return Qt::NoPen;
    QPen pen(o.Color);
    double width = 0; // cosmetic: one device pixel
    if (o.Width > 1 || (o.Geometric && o.Width > 0))
        width = std::min(o.Width * PenScale(), MaxPenPixels);
    pen.setWidthF(std::isfinite(width) ? width : 0);
    switch (style) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    switch (o.Style & 0xF00) {
    case 0x100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap);
    }
    switch (o.Style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QBrush TMetafileContext::MakeBrush(const TObject& o) const
{
    if (o.Kind != okBrush)
        return Qt::NoBrush;
    switch (o.Style) {
    case 0: return QBrush(o.Color);
    case 1: return Qt::NoBrush;
    case 2: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(o.Color, o.Hatch < 6 ? hatches[o.Hatch] : Qt::SolidPattern);
    }
    default:
        if (!o.Pattern.isNull())
            return QBrush(o.Pattern);
        return QBrush(o.Color);
    }
}

void TMetafileContext::Draw(const QPainterPath& Path, bool Fill, bool Stroke)
{
    if (!IMapValid)
        return;
    ApplyClip();
    FPainter.setTransform(FOuter);
    FPainter.setPen(Stroke ? MakePen() : QPen(Qt::NoPen));
    FPainter.setBrush(Fill ? MakeBrush(IState.Brush) : QBrush(Qt::NoBrush));
    QPainterPath p = Path;
    p.setFillRule(IState.Winding ? Qt::WindingFill : Qt::OddEvenFill);
    FPainter.drawPath(p);
}

void TMetafileContext::AddOrDraw(const QPainterPath& Logical, bool Fill)
{
    if (!IMapValid)
        return;
    const QPainterPath mapped = MapPath(Logical);
    if (IPathOpen)
        IPath.addPath(mapped);
    else
        Draw(mapped, Fill, true);
}

void TMetafileContext::SetMapMode(int Mode)
{
    if (Mode < 1 || Mode > 8)
        return;
    IState.MapMode = Mode;
    UpdateMap();
}

void TMetafileContext::SetWindowOrg(QPointF P)
{
    IState.WindowOrg = P;
    UpdateMap();
}

void TMetafileContext::SetWindowExt(QSizeF S)
{
    if (S.width() == 0 || S.height() == 0 || !std::isfinite(S.width()) || !std::isfinite(S.height()))
        return;
    IState.WindowExt = S;
    IState.WindowExtSet = true;
    UpdateMap();
}

void TMetafileContext::SetViewportOrg(QPointF P)
{
    IState.ViewportOrg = P;
    UpdateMap();
}

void TMetafileContext::SetViewportExt(QSizeF S)
{
    if (S.width() == 0 || S.height() == 0 || !std::isfinite(S.width()) || !std::isfinite(S.height()))
        return;
    IState.ViewportExt = S;
    UpdateMap();
}

void TMetafileContext::ScaleWindowExt(double XNum, double XDenom, double YNum, double YDenom)
{
    if (XDenom == 0 || YDenom == 0)
        return;
    SetWindowExt({IState.WindowExt.width() * XNum / XDenom, IState.WindowExt.height() * YNum / YDenom});
}

void TMetafileContext::ScaleViewportExt(double XNum, double XDenom, double YNum, double YDenom)
{
    if (XDenom == 0 || YDenom == 0)
        return;
    SetViewportExt({IState.ViewportExt.width() * XNum / XDenom, IState.ViewportExt.height() * YNum / YDenom});
}

void TMetafileContext::SetWorldTransform(const double M[6])
{
    const QTransform t(M[0], M[1], M[2], M[3], M[4], M[5]);
    if (!SaneTransform(t))
        return;
    IState.World = t;
    UpdateMap();
}

void TMetafileContext::ModifyWorldTransform(const double M[6], quint32 Mode)
{
    if (Mode == 1) {
        IState.World = QTransform();
        UpdateMap();
        return;
    }
    const QTransform t(M[0], M[1], M[2], M[3], M[4], M[5]);
    if (!SaneTransform(t))
        return;
    QTransform result;
    switch (Mode) {
    case 2: result = t * IState.World; break; // MWT_LEFTMULTIPLY
    case 3: result = IState.World * t; break; // MWT_RIGHTMULTIPLY
    case 4: result = t; break;                // MWT_SET
    default: return;
    }
    if (!SaneTransform(result))
        return;
    IState.World = result;
    UpdateMap();
}

void TMetafileContext::SaveDC()
{
    // Beyond the cap a save is dropped; the matching restore then restores one level early.
    if (IStack.size() < size_t(MaxSaveDepth))
        IStack.push_back(IState);
}

void TMetafileContext::RestoreDC(int Relative)
{
    const qint64 depth = qint64(IStack.size());
    qint64 keep;
    if (Relative < 0) {
        if (-qint64(Relative) > depth)
            return;
        keep = depth + Relative;
    } else if (Relative > 0) {
        if (Relative > depth)
            return;
        keep = Relative - 1;
    } else {
        return;
    }
    IState = IStack[size_t(keep)];
    IStack.resize(size_t(keep));
    IClipDirty = true;
    UpdateMap();
}

void TMetafileContext::CreateObjectAt(quint32 Index, TObject Object)
{
    // Index 0 is the metafile itself.
    if (Index == 0 || Index >= IObjects.size())
        return;
    IObjects[Index] = std::move(Object);
}

void TMetafileContext::CreateObjectLowestFree(TObject Object)
{
    // Every creating record takes a slot, even one whose object is never
    // selected, or later indices would shift.
    if (Object.Kind == okNone)
        Object.Kind = okOther;
    for (TObject& slot : IObjects)
        if (slot.Kind == okNone) {
            slot = std::move(Object);
            return;
        }
}

void TMetafileContext::SelectObject(quint32 Index)
{
    const TObject* o = nullptr;
    TObject stock;
    if (Index & 0x80000000u) {
        stock = StockObject(Index & 0x7FFFFFFFu);
        o = &stock;
    } else if (Index < IObjects.size()) {
        o = &IObjects[Index];
    }
    if (!o)
        return;
    switch (o->Kind) {
    case okPen: IState.Pen = *o; break;
    case okBrush: IState.Brush = *o; break;
    case okFont: IState.Font = *o; break;
    default: break;
    }
}

void TMetafileContext::DeleteObject(quint32 Index)
{
    if (Index < IObjects.size())
        IObjects[Index] = TObject();
}

void TMetafileContext::MoveTo(QPointF P)
{
    IState.Current = P;
    if (IPathOpen && IMapValid)
        IPath.moveTo(Map(P));
}

void TMetafileContext::LineTo(QPointF P)
{
    if (IPathOpen) {
        if (IMapValid) {
            if (IPath.elementCount() == 0)
                IPath.moveTo(Map(IState.Current));
            IPath.lineTo(Map(P));
        }
    } else {
        QPainterPath p;
        p.moveTo(IState.Current);
        p.lineTo(P);
        AddOrDraw(p, false);
    }
    IState.Current = P;
}

void TMetafileContext::Polyline(const QPolygonF& Points)
{
    if (Points.size() < 2)
        return;
    QPainterPath p;
    p.addPolygon(Points);
    AddOrDraw(p, false);
}

void TMetafileContext::PolylineTo(const QPolygonF& Points)
{
    for (const QPointF& q : Points)
        LineTo(q);
}

void TMetafileContext::Polygon(const QPolygonF& Points)
{
    if (Points.size() < 2)
        return;
    QPainterPath p;
    p.addPolygon(Points);
    p.closeSubpath();
    AddOrDraw(p, true);
}

void TMetafileContext::PolyPolygon(const std::vector<QPolygonF>& Polygons)
{
    QPainterPath p;
    for (const QPolygonF& polygon : Polygons)
        if (polygon.size() >= 2) {
            p.addPolygon(polygon);
            p.closeSubpath();
        }
    AddOrDraw(p, true);
}

void TMetafileContext::PolyPolyline(const std::vector<QPolygonF>& Polylines)
{
    QPainterPath p;
    for (const QPolygonF& line : Polylines)
        if (line.size() >= 2)
            p.addPolygon(line);
    AddOrDraw(p, false);
}

void TMetafileContext::PolyBezier(const QPolygonF& Points)
{
    if (Points.size() < 4)
        return;
    QPainterPath p;
    p.moveTo(Points[0]);
    for (qsizetype i = 1; i + 2 < Points.size(); i += 3)
        p.cubicTo(Points[i], Points[i + 1], Points[i + 2]);
    AddOrDraw(p, false);
}

void TMetafileContext::PolyBezierTo(const QPolygonF& Points)
{
    if (Points.size() < 3)
        return;
    QPainterPath p;
    p.moveTo(IState.Current);
    qsizetype i = 0;
    for (; i + 2 < Points.size(); i += 3)
        p.cubicTo(Points[i], Points[i + 1], Points[i + 2]);
    IState.Current = Points[i - 1];
    if (IPathOpen && IMapValid) {
        const QPainterPath mapped = MapPath(p);
        if (IPath.elementCount() == 0)
            IPath.moveTo(mapped.elementAt(0).x, mapped.elementAt(0).y);
        for (int e = 1; e + 2 < mapped.elementCount(); e += 3)
            IPath.cubicTo(mapped.elementAt(e), mapped.elementAt(e + 1), mapped.elementAt(e + 2));
    } else {
        AddOrDraw(p, false);
    }
}

void TMetafileContext::Rectangle(const QRectF& Box)
{
    QPainterPath p;
    p.addRect(Box.normalized());
    AddOrDraw(p, true);
}

void TMetafileContext::Ellipse(const QRectF& Box)
{
    QPainterPath p;
    p.addEllipse(Box.normalized());
    AddOrDraw(p, true);
}

void TMetafileContext::RoundRect(const QRectF& Box, QSizeF Corner)
{
    const QRectF r = Box.normalized();
    QPainterPath p;
    p.addRoundedRect(r, std::min(std::fabs(Corner.width()) / 2, r.width() / 2),
                     std::min(std::fabs(Corner.height()) / 2, r.height() / 2));
    AddOrDraw(p, true);
}

QPainterPath TMetafileContext::ArcPath(TArcKind Kind, const QRectF& Box, QPointF Start, QPointF End) const
{
    const QRectF r = Box.normalized();
    QPainterPath p;
    if (r.width() <= 0 || r.height() <= 0)
        return p;
    const QPointF c = r.center();
    auto angle = [&](QPointF q) {
        // The parametric angle of the ellipse point on the ray from the centre.
        const double a = std::atan2(-(q.y() - c.y()) / r.height(), (q.x() - c.x()) / r.width()) * 180 / M_PI;
        return std::isfinite(a) ? a : 0.0;
    };
    const double a0 = angle(Start);
    double sweep = angle(End) - a0;
    if (IState.Clockwise) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    if (Kind == akPie) {
        p.moveTo(c);
        p.arcTo(r, a0, sweep);
        p.closeSubpath();
    } else {
        if (Kind == akArcTo)
            p.moveTo(IState.Current);
        else
            p.arcMoveTo(r, a0);
        p.arcTo(r, a0, sweep);
        if (Kind == akChord)
            p.closeSubpath();
    }
    return p;
}

void TMetafileContext::Arc(TArcKind Kind, const QRectF& Box, QPointF Start, QPointF End)
{
    const QPainterPath p = ArcPath(Kind, Box, Start, End);
    if (p.isEmpty())
        return;
    if (Kind == akArcTo)
        IState.Current = p.currentPosition();
    AddOrDraw(p, Kind == akChord || Kind == akPie);
}

void TMetafileContext::PatBlt(const QRectF& Box, quint32 Rop)
{
    QBrush brush;
    switch (Rop) {
    case 0x00F00021: brush = MakeBrush(IState.Brush); break; // PATCOPY
    case 0x00000042: brush = QBrush(Qt::black); break;      // BLACKNESS
    case 0x00FF0062: brush = QBrush(Qt::white); break;      // WHITENESS
    default: return;
    }
    if (!IMapValid || IPathOpen)
        return;
    ApplyClip();
    FPainter.setTransform(FOuter);
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(brush);
    FPainter.drawPath(MapPath(RectPath(Box.normalized())));
}

void TMetafileContext::BeginPath()
{
    IPath = QPainterPath();
    IPathOpen = true;
}

void TMetafileContext::AbortPath()
{
    IPath = QPainterPath();
    IPathOpen = false;
}

void TMetafileContext::CloseFigure()
{
    if (IPathOpen)
        IPath.closeSubpath();
}

void TMetafileContext::FillPath()
{
    IPathOpen = false;
    Draw(IPath, true, false);
    IPath = QPainterPath();
}

void TMetafileContext::StrokePath()
{
    IPathOpen = false;
    Draw(IPath, false, true);
    IPath = QPainterPath();
}

void TMetafileContext::StrokeAndFillPath()
{
    IPathOpen = false;
    Draw(IPath, true, true);
    IPath = QPainterPath();
}

void TMetafileContext::SelectClipPath(int Mode)
{
    IPathOpen = false;
    QPainterPath area = IPath;
    area.setFillRule(IState.Winding ? Qt::WindingFill : Qt::OddEvenFill);
    CombineClip(area, Mode);
    IPath = QPainterPath();
}

void TMetafileContext::IntersectClipRect(const QRectF& Box)
{
    if (IMapValid)
        CombineClip(MapPath(RectPath(Box.normalized())), 1);
}

void TMetafileContext::ExcludeClipRect(const QRectF& Box)
{
    if (IMapValid)
        CombineClip(MapPath(RectPath(Box.normalized())), 4);
}

void TMetafileContext::ResetClip()
{
    IState.Clip = RectPath(FTarget);
    IClipDirty = true;
}

QPainterPath TMetafileContext::RegionPath(const std::vector<QRectF>& Rects) const
{
    QRegion region;
    for (const QRectF& r : Rects) {
        const QRectF t = FBase.mapRect(r.normalized());
        const QRectF bounded(QPointF(Clamp(t.left()), Clamp(t.top())), QPointF(Clamp(t.right()), Clamp(t.bottom())));
        region += bounded.toAlignedRect();
    }
    QPainterPath p;
    p.addRegion(region);
    return p;
}

void TMetafileContext::SelectClipRegion(const std::vector<QRectF>& Rects, int Mode)
{
    if (Rects.size() > size_t(MaxRegionRects))
        return;
    if (Rects.empty()) {
        if (Mode == 5)
            ResetClip();
        return;
    }
    CombineClip(RegionPath(Rects), Mode);
}

void TMetafileContext::FillRegion(const std::vector<QRectF>& Rects, qint64 BrushIndex)
{
    if (Rects.empty() || Rects.size() > size_t(MaxRegionRects) || IPathOpen)
        return;
    TObject brush = IState.Brush;
    if (BrushIndex >= 0) {
        if (BrushIndex & 0x80000000)
            brush = StockObject(quint32(BrushIndex) & 0x7FFFFFFFu);
        else if (quint64(BrushIndex) < IObjects.size())
            brush = IObjects[size_t(BrushIndex)];
        else
            return;
    }
    ApplyClip();
    FPainter.setTransform(FOuter);
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(MakeBrush(brush));
    FPainter.drawPath(RegionPath(Rects));
}

void TMetafileContext::DrawImage(const QRectF& Dest, const QImage& Image, const QRectF& Source, double Opacity)
{
    if (Image.isNull() || !IMapValid || IPathOpen)
        return;
    if (Source.width() <= 0 || Source.height() <= 0 || Dest.width() == 0 || Dest.height() == 0)
        return;
    const QRectF shown = Source.intersected(QRectF(Image.rect()));
    if (shown.isEmpty())
        return;
    const double kx = Dest.width() / Source.width();
    const double ky = Dest.height() / Source.height();
    const QTransform toLogical(kx, 0, 0, ky, Dest.left() - Source.left() * kx, Dest.top() - Source.top() * ky);
    const QTransform full = toLogical * IMap;
    const QRectF onTarget = full.mapRect(shown);
    if (!Finite(full) || !std::isfinite(onTarget.width()) || !std::isfinite(onTarget.height())
        || std::fabs(onTarget.left()) > MaxCoordinate || std::fabs(onTarget.top()) > MaxCoordinate
        || onTarget.width() > MaxCoordinate || onTarget.height() > MaxCoordinate)
        return;
    ApplyClip();
    FPainter.setTransform(full * FOuter);
    FPainter.setOpacity(FOpacity * std::clamp(Opacity, 0.0, 1.0));
    FPainter.drawImage(shown.topLeft(), Image, shown);
    FPainter.setOpacity(FOpacity);
}
