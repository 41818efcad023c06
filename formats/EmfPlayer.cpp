#include "formats/EmfPlayer.h"

#include "formats/MetafileContext.h"
#include "formats/MetafileDib.h"
#include "formats/MetafileRecords.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr qint64 MaxTextChars = 8192;

[[noreturn]] void Fail(const std::string& Reason) { throw std::runtime_error("Invalid EMF picture: " + Reason); }

QColor ColorRef(const TByteReader& r, qint64 at) { return QColor(r.U8(at), r.U8(at + 1), r.U8(at + 2)); }

QPointF PointL(const TByteReader& r, qint64 at) { return QPointF(r.I32(at), r.I32(at + 4)); }

// RECTL with exclusive right and bottom.
QRectF RectL(const TByteReader& r, qint64 at)
{
    const double left = r.I32(at), top = r.I32(at + 4);
    return QRectF(left, top, double(r.I32(at + 8)) - left, double(r.I32(at + 12)) - top);
}

// `Count` points of 4 (POINTS) or 8 (POINTL) bytes at `At`, or nothing when they do not fit.
bool ReadPoints(const TByteReader& r, qint64 At, qint64 Count, bool Short, QPolygonF& Points)
{
    const qint64 size = Short ? 4 : 8;
    if (Count < 0 || !r.Has(At, Count * size))
        return false;
    Points.resize(Count);
    for (qint64 i = 0; i < Count; ++i) {
        const qint64 at = At + i * size;
        Points[i] = Short ? QPointF(r.I16(at), r.I16(at + 2)) : PointL(r, at);
    }
    return true;
}

// A polygon list: nPolys at 24, total points at 28, counts, then the points.
bool ReadPolyPoly(const TByteReader& r, bool Short, std::vector<QPolygonF>& Polys)
{
    const qint64 n = r.U32(24);
    const qint64 total = r.U32(28);
    const qint64 pointsAt = 32 + 4 * n;
    if (!r.Has(32, 4 * n) || !r.Has(pointsAt, total * (Short ? 4 : 8)))
        return false;
    qint64 at = pointsAt, used = 0;
    for (qint64 i = 0; i < n; ++i) {
        const qint64 count = r.U32(32 + 4 * i);
        used += count;
        if (used > total)
            return false;
        QPolygonF poly;
        ReadPoints(r, at, count, Short, poly);
        at += count * (Short ? 4 : 8);
        Polys.push_back(std::move(poly));
    }
    return true;
}

// RGNDATA at `At` of `Length` bytes: rectangles in device units.
bool ReadRegion(const TByteReader& r, qint64 At, qint64 Length, std::vector<QRectF>& Rects)
{
    const TByteReader region = r.Sub(At, Length);
    if (region.Size() < 32 || region.U32(0) != 32 || region.U32(4) != 1)
        return false;
    const qint64 count = region.U32(8);
    if (count > TMetafileContext::MaxRegionRects || !region.Has(32, count * 16))
        return false;
    for (qint64 i = 0; i < count; ++i)
        Rects.push_back(RectL(region, 32 + 16 * i));
    return true;
}

QImage ReadDib(const TByteReader& r, qint64 BmiAt, qint64 BmiLength, qint64 BitsAt, qint64 BitsLength, bool Alpha)
{
    if (!r.Has(BmiAt, BmiLength) || !r.Has(BitsAt, BitsLength) || BmiLength == 0)
        return {};
    return TMetafileDib::Decode(r.Sub(BmiAt, BmiLength), r.Sub(BitsAt, BitsLength), Alpha);
}

QString Utf16(const TByteReader& r, qint64 At, qint64 Units)
{
    QString s;
    s.reserve(Units);
    for (qint64 i = 0; i < Units; ++i)
        s.append(QChar(r.U16(At + 2 * i)));
    return s;
}

} // namespace

bool TEmfPlayer::LooksLikeEmf(const TByteReader& Bytes)
{
    return Bytes.U32(0) == EMR_HEADER && Bytes.U32(40) == ENHMETA_SIGNATURE;
}

TEmfPlayer::TEmfPlayer(TByteReader Bytes) : FBytes(Bytes)
{
    const TByteReader& b = FBytes;
    if (b.Size() < 88)
        Fail("the file is shorter than an EMF header");
    if (!LooksLikeEmf(b))
        Fail("the file does not start with an EMF header");
    const qint64 headerSize = b.U32(4);
    if (headerSize < 88 || headerSize % 4 != 0 || headerSize > b.Size())
        Fail("the header has a bad size");
    const qint64 declared = b.U32(48);
    if (declared < headerSize)
        Fail("the header gives a file size smaller than itself");
    const qint64 limit = std::min(declared, b.Size());
    const qint64 descriptionUnits = b.U32(60);
    const qint64 descriptionAt = b.U32(64);
    if (descriptionUnits != 0 && (descriptionAt < 88 || !b.Sub(0, headerSize).Has(descriptionAt, 2 * descriptionUnits)))
        Fail("the description lies outside the header");
    FHandles = b.U16(56);

    const double deviceX = b.I32(72), deviceY = b.I32(76), mmX = b.I32(80), mmY = b.I32(84);
    double ppmX = 96 / 25.4, ppmY = 96 / 25.4;
    if (deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0) {
        ppmX = deviceX / mmX;
        ppmY = deviceY / mmY;
    }
    FPixelsPerMm = ppmX;
    const QRectF frame = RectL(b, 24);
    const QRectF bounds = RectL(b, 8);
    if (frame.width() > 0 && frame.height() > 0) {
        FFrame = QRectF(frame.left() * ppmX / 100, frame.top() * ppmY / 100, frame.width() * ppmX / 100,
                        frame.height() * ppmY / 100);
        // Recorders make the frame from the inclusive bounds (bounds × mm /
        // px), one pixel short of the picture: where the two agree, the
        // bounds' own extent is the picture's.
        if (bounds.width() >= 0 && bounds.height() >= 0 && std::abs(FFrame.left() - bounds.left()) < 1
            && std::abs(FFrame.top() - bounds.top()) < 1 && std::abs(FFrame.width() - bounds.width()) < 1
            && std::abs(FFrame.height() - bounds.height()) < 1)
            FFrame = bounds.adjusted(0, 0, 1, 1);
    } else if (bounds.width() >= 0 && bounds.height() >= 0)
        FFrame = bounds.adjusted(0, 0, 1, 1); // inclusive bounds
    if (!(FFrame.width() >= 0.5 && FFrame.height() >= 0.5) || !std::isfinite(FFrame.width() * FFrame.height()))
        Fail("the picture has no extent");
    FSize = QSize(int(std::clamp(std::round(FFrame.width()), 1.0, 32768.0)),
                  int(std::clamp(std::round(FFrame.height()), 1.0, 32768.0)));

    const qint64 declaredRecords = b.U32(52);
    const qint64 maxRecords = std::min(declaredRecords > 0 ? declaredRecords : MaxRecords, MaxRecords);
    qint64 at = headerSize, count = 1;
    while (at < limit && count < maxRecords) {
        if (limit - at < 8)
            Fail("the last record is cut off at byte " + std::to_string(at));
        const quint32 type = b.U32(at);
        const qint64 size = b.U32(at + 4);
        if (size < 8 || size % 4 != 0 || size > limit - at)
            Fail("record " + std::to_string(count) + " at byte " + std::to_string(at) + " has a bad size ("
                 + std::to_string(size) + ")");
        at += size;
        ++count;
        if (type == EMR_EOF)
            break;
        if (type == EMR_HEADER)
            Fail("a second header at record " + std::to_string(count - 1));
    }
    FEnd = at;
    FRecords = count;
}

void TEmfPlayer::Play(QPainter& Painter, const QRectF& Target, bool Smooth) const
{
    if (Target.isEmpty())
        return;
    TMetafileContext context(Painter, Target, FFrame, Smooth, false, FHandles, FPixelsPerMm);
    qint64 at = FBytes.U32(4);
    for (qint64 n = 1; n < FRecords && at + 8 <= FEnd; ++n) {
        const quint32 type = FBytes.U32(at);
        const qint64 size = FBytes.U32(at + 4);
        if (size < 8 || size > FEnd - at)
            break;
        if (type == EMR_EOF)
            break;
        PlayRecord(context, FBytes.Sub(at, size), type);
        at += size;
    }
}

void TEmfPlayer::PlayRecord(TMetafileContext& c, const TByteReader& r, quint32 Type) const
{
    const qint64 size = r.Size();
    auto need = [&](qint64 n) { return size >= n; };
    switch (Type) {
    case EMR_POLYBEZIER: case EMR_POLYGON: case EMR_POLYLINE: case EMR_POLYBEZIERTO: case EMR_POLYLINETO:
    case EMR_POLYBEZIER16: case EMR_POLYGON16: case EMR_POLYLINE16: case EMR_POLYBEZIERTO16: case EMR_POLYLINETO16: {
        QPolygonF points;
        const bool isShort = Type >= EMR_POLYBEZIER16;
        if (!need(28) || !ReadPoints(r, 28, r.U32(24), isShort, points))
            return;
        switch (isShort ? Type - EmrShortPointsOffset : Type) {
        case EMR_POLYBEZIER: c.PolyBezier(points); break;
        case EMR_POLYGON: c.Polygon(points); break;
        case EMR_POLYLINE: c.Polyline(points); break;
        case EMR_POLYBEZIERTO: c.PolyBezierTo(points); break;
        default: c.PolylineTo(points); break;
        }
        return;
    }
    case EMR_POLYPOLYLINE: case EMR_POLYPOLYGON: case EMR_POLYPOLYLINE16: case EMR_POLYPOLYGON16: {
        std::vector<QPolygonF> polys;
        if (!need(32) || !ReadPolyPoly(r, Type >= EMR_POLYPOLYLINE16, polys))
            return;
        if (Type == EMR_POLYPOLYLINE || Type == EMR_POLYPOLYLINE16)
            c.PolyPolyline(polys);
        else
            c.PolyPolygon(polys);
        return;
    }
    case EMR_SETWINDOWEXTEX: if (need(16)) c.SetWindowExt(QSizeF(r.I32(8), r.I32(12))); return;
    case EMR_SETWINDOWORGEX: if (need(16)) c.SetWindowOrg(PointL(r, 8)); return;
    case EMR_SETVIEWPORTEXTEX: if (need(16)) c.SetViewportExt(QSizeF(r.I32(8), r.I32(12))); return;
    case EMR_SETVIEWPORTORGEX: if (need(16)) c.SetViewportOrg(PointL(r, 8)); return;
    case EMR_SETMAPMODE: if (need(12)) c.SetMapMode(r.I32(8)); return;
    case EMR_SETBKMODE: if (need(12)) c.SetBkMode(r.I32(8)); return;
    case EMR_SETPOLYFILLMODE: if (need(12)) c.SetPolyFillMode(r.I32(8)); return;
    case EMR_SETTEXTALIGN: if (need(12)) c.SetTextAlign(r.U32(8)); return;
    case EMR_SETTEXTCOLOR: if (need(12)) c.SetTextColor(ColorRef(r, 8)); return;
    case EMR_SETBKCOLOR: if (need(12)) c.SetBkColor(ColorRef(r, 8)); return;
    case EMR_MOVETOEX: if (need(16)) c.MoveTo(PointL(r, 8)); return;
    case EMR_EXCLUDECLIPRECT: if (need(24)) c.ExcludeClipRect(RectL(r, 8)); return;
    case EMR_INTERSECTCLIPRECT: if (need(24)) c.IntersectClipRect(RectL(r, 8)); return;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX:
        if (!need(24))
            return;
        if (Type == EMR_SCALEVIEWPORTEXTEX)
            c.ScaleViewportExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20));
        else
            c.ScaleWindowExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20));
        return;
    case EMR_SAVEDC: c.SaveDC(); return;
    case EMR_RESTOREDC: if (need(12)) c.RestoreDC(r.I32(8)); return;
    case EMR_SETWORLDTRANSFORM: case EMR_MODIFYWORLDTRANSFORM: {
        if (!need(Type == EMR_SETWORLDTRANSFORM ? 32 : 36))
            return;
        double m[6];
        for (int i = 0; i < 6; ++i)
            m[i] = r.F32(8 + 4 * i);
        if (Type == EMR_SETWORLDTRANSFORM)
            c.SetWorldTransform(m);
        else
            c.ModifyWorldTransform(m, r.U32(32));
        return;
    }
    case EMR_SELECTOBJECT: if (need(12)) c.SelectObject(r.U32(8)); return;
    case EMR_CREATEPEN: {
        if (!need(28))
            return;
        TMetafileContext::TObject pen;
        pen.Kind = TMetafileContext::okPen;
        pen.Style = r.U32(12);
        pen.Width = std::clamp<double>(r.I32(16), 0, 1e6);
        pen.Color = ColorRef(r, 24);
        c.CreateObjectAt(r.U32(8), pen);
        return;
    }
    case EMR_EXTCREATEPEN: {
        if (!need(52))
            return;
        TMetafileContext::TObject pen;
        pen.Kind = TMetafileContext::okPen;
        pen.Style = r.U32(28);
        pen.Geometric = pen.Style & 0x10000;
        pen.Width = std::clamp<double>(r.U32(32), 0, 1e6);
        if (r.U32(36) == 1) // BS_NULL
            pen.Style = (pen.Style & ~0xFu) | 5;
        pen.Color = ColorRef(r, 40);
        c.CreateObjectAt(r.U32(8), pen);
        return;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        if (!need(24))
            return;
        TMetafileContext::TObject brush;
        brush.Kind = TMetafileContext::okBrush;
        brush.Style = r.U32(12);
        brush.Color = ColorRef(r, 16);
        brush.Hatch = r.U32(20);
        c.CreateObjectAt(r.U32(8), brush);
        return;
    }
    case EMR_CREATEMONOBRUSH: case EMR_CREATEDIBPATTERNBRUSHPT: {
        if (!need(32))
            return;
        TMetafileContext::TObject brush;
        brush.Kind = TMetafileContext::okBrush;
        brush.Style = 5;
        brush.Color = Qt::gray;
        if (r.U32(12) == 0)
            brush.Pattern = ReadDib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28), false);
        c.CreateObjectAt(r.U32(8), brush);
        return;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        if (!need(12 + 92))
            return;
        TMetafileContext::TObject font;
        font.Kind = TMetafileContext::okFont;
        font.Height = std::clamp(r.I32(12), -1000000, 1000000);
        font.Escapement = r.I32(20) % 3600;
        font.Weight = r.I32(28);
        font.Italic = r.U8(32);
        font.Underline = r.U8(33);
        font.StrikeOut = r.U8(34);
        font.CharSet = r.U8(35);
        QString face = Utf16(r, 40, 32);
        face.truncate(face.indexOf(QChar(0)) < 0 ? 32 : face.indexOf(QChar(0)));
        font.Face = face;
        c.CreateObjectAt(r.U32(8), font);
        return;
    }
    case EMR_CREATEPALETTE: case EMR_CREATECOLORSPACE: case EMR_CREATECOLORSPACEW: { // they only occupy their slot
        TMetafileContext::TObject other;
        other.Kind = TMetafileContext::okOther;
        if (need(12))
            c.CreateObjectAt(r.U32(8), other);
        return;
    }
    case EMR_DELETEOBJECT: if (need(12)) c.DeleteObject(r.U32(8)); return;
    case EMR_ELLIPSE: if (need(24)) c.Ellipse(RectL(r, 8)); return;
    case EMR_RECTANGLE: if (need(24)) c.Rectangle(RectL(r, 8)); return;
    case EMR_ROUNDRECT: if (need(32)) c.RoundRect(RectL(r, 8), QSizeF(r.I32(24), r.I32(28))); return;
    case EMR_ARC: case EMR_CHORD: case EMR_PIE: case EMR_ARCTO: {
        if (!need(40))
            return;
        const TMetafileContext::TArcKind kind = Type == EMR_ARC ? TMetafileContext::akArc
            : Type == EMR_CHORD                                   ? TMetafileContext::akChord
            : Type == EMR_PIE                                   ? TMetafileContext::akPie
                                                           : TMetafileContext::akArcTo;
        c.Arc(kind, RectL(r, 8), PointL(r, 24), PointL(r, 32));
        return;
    }
    case EMR_LINETO: if (need(16)) c.LineTo(PointL(r, 8)); return;
    case EMR_SETARCDIRECTION: if (need(12)) c.SetArcDirection(r.I32(8)); return;
    case EMR_BEGINPATH: c.BeginPath(); return;
    case EMR_ENDPATH: c.EndPath(); return;
    case EMR_CLOSEFIGURE: c.CloseFigure(); return;
    case EMR_FILLPATH: c.FillPath(); return;
    case EMR_STROKEANDFILLPATH: c.StrokeAndFillPath(); return;
    case EMR_STROKEPATH: c.StrokePath(); return;
    case EMR_SELECTCLIPPATH: if (need(12)) c.SelectClipPath(r.I32(8)); return;
    case EMR_ABORTPATH: c.AbortPath(); return;
    case EMR_FILLRGN: case EMR_PAINTRGN: {
        const qint64 at = Type == EMR_FILLRGN ? 32 : 28;
        std::vector<QRectF> rects;
        if (need(at) && ReadRegion(r, at, r.U32(24), rects))
            c.FillRegion(rects, Type == EMR_FILLRGN ? qint64(r.U32(28)) : -1);
        return;
    }
    case EMR_EXTSELECTCLIPRGN: {
        if (!need(16))
            return;
        const qint64 length = r.U32(8);
        const int mode = r.I32(12);
        std::vector<QRectF> rects;
        if (length == 0 || !r.Has(16, length)) {
            if (mode == 5)
                c.ResetClip();
        } else if (ReadRegion(r, 16, length, rects)) {
            c.SelectClipRegion(rects, mode);
        }
        return;
    }
    case EMR_BITBLT: case EMR_STRETCHBLT: case EMR_ALPHABLEND: {
        if (!need(Type == EMR_BITBLT ? 100 : 108))
            return;
        const QRectF dest(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
        const qint64 bmiLength = r.U32(88);
        if (Type != EMR_ALPHABLEND && bmiLength == 0) {
            c.PatBlt(dest, r.U32(40));
            return;
        }
        if (r.U32(80) != 0) // palette-index colours: no palette to look them up in
            return;
        const bool alpha = Type == EMR_ALPHABLEND && r.U8(43) == 1;
        const QImage image = ReadDib(r, r.U32(84), bmiLength, r.U32(92), r.U32(96), alpha);
        const double sw = Type == EMR_BITBLT ? dest.width() : r.I32(100);
        const double sh = Type == EMR_BITBLT ? dest.height() : r.I32(104);
        c.DrawImage(dest, image, QRectF(r.I32(44), r.I32(48), sw, sh), Type == EMR_ALPHABLEND ? r.U8(42) / 255.0 : 1.0);
        return;
    }
    case EMR_STRETCHDIBITS: {
        if (!need(80))
            return;
        const QRectF dest(r.I32(24), r.I32(28), r.I32(72), r.I32(76));
        const qint64 bmiAt = r.U32(48), bmiLength = r.U32(52);
        if (bmiLength == 0) {
            c.PatBlt(dest, r.U32(68));
            return;
        }
        if (r.U32(64) != 0)
            return;
        const QImage image = ReadDib(r, bmiAt, bmiLength, r.U32(56), r.U32(60), false);
        if (image.isNull())
            return;
        const double sx = r.I32(32), sw = r.I32(40), sh = r.I32(44);
        double sy = r.I32(36);
        if (r.I32(bmiAt + 8) > 0) // bottom-up rows: the source's y counts from the bottom
            sy = image.height() - sy - sh;
        c.DrawImage(dest, image, QRectF(sx, sy, sw, sh));
        return;
    }
    case EMR_SETDIBITSTODEVICE: { // played only when it carries all the rows
        if (!need(76) || r.U32(64) != 0)
            return;
        const qint64 bmiAt = r.U32(48);
        const qint64 rows = r.I32(bmiAt + 8) < 0 ? -qint64(r.I32(bmiAt + 8)) : r.I32(bmiAt + 8);
        if (r.U32(68) != 0 || r.U32(72) != rows)
            return;
        const QImage image = ReadDib(r, bmiAt, r.U32(52), r.U32(56), r.U32(60), false);
        if (image.isNull())
            return;
        const double sx = r.I32(32), sw = r.I32(40), sh = r.I32(44);
        double sy = r.I32(36);
        if (r.I32(bmiAt + 8) > 0)
            sy = image.height() - sy - sh;
        c.DrawImage(QRectF(r.I32(24), r.I32(28), sw, sh), image, QRectF(sx, sy, sw, sh));
        return;
    }
    case EMR_EXTTEXTOUTA: case EMR_EXTTEXTOUTW: {
        if (!need(76))
            return;
        const quint32 options = r.U32(52);
        const bool hasRect = !(options & 0x100); // ETO_NO_RECT
        const qint64 dxOffsetAt = hasRect ? 72 : 56;
        const qint64 chars = std::min<qint64>(r.U32(44), MaxTextChars);
        const qint64 textAt = r.U32(48);
        const qint64 unit = Type == EMR_EXTTEXTOUTW ? 2 : 1;
        if (!r.Has(textAt, chars * unit))
            return;
        QString text;
        if (Type == EMR_EXTTEXTOUTW) {
            text = Utf16(r, textAt, chars);
        } else {
            text = QString::fromLatin1(reinterpret_cast<const char*>(r.Data() + textAt), chars);
        }
        std::vector<double> dx;
        const qint64 dxAt = r.U32(dxOffsetAt);
        const qint64 perChar = (options & 0x2000) ? 2 : 1; // ETO_PDY: x and y advances
        if (dxAt != 0 && r.Has(dxAt, chars * 4 * perChar))
            for (qint64 i = 0; i < chars; ++i)
                dx.push_back(r.I32(dxAt + 4 * perChar * i));
        const QRectF box = RectL(r, 56);
        c.TextOut(PointL(r, 36), text, dx, options, hasRect ? &box : nullptr);
        return;
    }
    default:
        // Comments (EMF+ and embedded metafiles included), palettes, colour
        // management and everything else: skipped.
        return;
    }
}
