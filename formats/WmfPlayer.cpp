#include "formats/WmfPlayer.h"

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
// Without a placeable header or a window extent: a square of this many units.
constexpr double DefaultExtent = 1000;

[[noreturn]] void Fail(const std::string& Reason) { throw std::runtime_error("Invalid WMF picture: " + Reason); }

QColor ColorRef(const TByteReader& r, qint64 at) { return QColor(r.U8(at), r.U8(at + 1), r.U8(at + 2)); }

// Parameters start after the 6-byte record header; `i` counts 16-bit words.
qint16 P(const TByteReader& r, qint64 i) { return r.I16(6 + 2 * i); }

// A rectangle stored bottom, right, top, left from word `i`.
QRectF BoxAt(const TByteReader& r, qint64 i)
{
    const double bottom = P(r, i), right = P(r, i + 1), top = P(r, i + 2), left = P(r, i + 3);
    return QRectF(left, top, right - left, bottom - top);
}

bool ReadPoints(const TByteReader& r, qint64 At, qint64 Count, QPolygonF& Points)
{
    if (Count < 0 || !r.Has(At, Count * 4))
        return false;
    Points.resize(Count);
    for (qint64 i = 0; i < Count; ++i)
        Points[i] = QPointF(r.I16(At + 4 * i), r.I16(At + 4 * i + 2));
    return true;
}

TMetafileContext::TObject SlotOnly()
{
    TMetafileContext::TObject o;
    o.Kind = TMetafileContext::okOther;
    return o;
}

} // namespace

bool TWmfPlayer::LooksLikeWmf(const TByteReader& Bytes)
{
    if (Bytes.U32(0) == PlaceableKey)
        return true;
    const quint16 type = Bytes.U16(0);
    return (type == 1 || type == 2) && Bytes.U16(2) == 9;
}

TWmfPlayer::TWmfPlayer(TByteReader Bytes) : FBytes(Bytes)
{
    const TByteReader& b = FBytes;
    qint64 at = 0;
    bool placeable = false;
    double inch = 1440;
    if (b.U32(0) == PlaceableKey) {
        if (b.Size() < 22)
            Fail("the placeable header is cut off");
        placeable = true;
        const double left = b.I16(6), top = b.I16(8), right = b.I16(10), bottom = b.I16(12);
        FFrame = QRectF(left, top, right - left, bottom - top).normalized();
        if (b.U16(14) != 0)
            inch = b.U16(14);
        at = 22;
    }
    if (!b.Has(at, 18))
        Fail("the file is shorter than a WMF header");
    const quint16 type = b.U16(at);
    const quint16 version = b.U16(at + 4);
    if ((type != 1 && type != 2) || b.U16(at + 2) != 9)
        Fail("the file does not start with a WMF header");
    if (version != 0x0100 && version != 0x0300)
        Fail("unknown WMF version " + std::to_string(version));
    FObjects = b.U16(at + 10);
    at += 18;
    FFirst = at;

    // The record chain; the first window origin and extent before any
    // drawing give a file without placeable header its frame.
    bool haveExt = false, haveOrg = false, drawn = false;
    QPointF org;
    QSizeF ext;
    qint64 count = 0;
    while (at < b.Size() && count < MaxRecords) {
        if (b.Size() - at < 6)
            Fail("the last record is cut off at byte " + std::to_string(at));
        const qint64 words = b.U32(at);
        const quint16 function = b.U16(at + 4);
        if (words < 3 || 2 * words > b.Size() - at)
            Fail("record " + std::to_string(count + 1) + " at byte " + std::to_string(at) + " has a bad size ("
                 + std::to_string(words) + " words)");
        const TByteReader r = b.Sub(at, 2 * words);
        at += 2 * words;
        ++count;
        if (function == META_EOF)
            break;
        const quint8 low = WmfFunctionByte(function);
        if (low == WmfFunctionByte(META_SETWINDOWORG) && words >= 5 && !drawn && !haveOrg) {
            org = QPointF(P(r, 1), P(r, 0));
            haveOrg = true;
        } else if (low == WmfFunctionByte(META_SETWINDOWEXT) && words >= 5 && !drawn && !haveExt && P(r, 0) != 0 && P(r, 1) != 0) {
            ext = QSizeF(P(r, 1), P(r, 0));
            haveExt = true;
        } else if ((low >= WmfFunctionByte(META_LINETO) && low <= WmfFunctionByte(META_PATBLT))
                   || low == WmfFunctionByte(META_POLYGON) || low == WmfFunctionByte(META_POLYLINE)
                   || low == WmfFunctionByte(META_POLYPOLYGON) || low == WmfFunctionByte(META_TEXTOUT)
                   || low == WmfFunctionByte(META_EXTTEXTOUT) || low == WmfFunctionByte(META_DIBSTRETCHBLT)
                   || low == WmfFunctionByte(META_STRETCHDIB) || low == WmfFunctionByte(META_DIBBITBLT)) {
            drawn = true;
        }
    }
    FEnd = at;

    if (placeable) {
        if (FFrame.width() <= 0 || FFrame.height() <= 0)
            Fail("the placeable header's bounding box is empty");
        FSize = QSize(int(std::clamp(std::round(FFrame.width() * 96 / inch), 1.0, 32768.0)),
                      int(std::clamp(std::round(FFrame.height() * 96 / inch), 1.0, 32768.0)));
    } else {
        if (haveExt)
            FFrame = QRectF(org, ext);
        else
            FFrame = QRectF(org, QSizeF(DefaultExtent, DefaultExtent));
        const QRectF shown = FFrame.normalized();
        FSize = QSize(int(std::clamp(std::round(shown.width()), 1.0, 32768.0)),
                      int(std::clamp(std::round(shown.height()), 1.0, 32768.0)));
    }
}

void TWmfPlayer::Play(QPainter& Painter, const QRectF& Target, bool Smooth) const
{
    if (Target.isEmpty())
        return;
    TMetafileContext context(Painter, Target, FFrame, Smooth, true, FObjects, 96 / 25.4,
                             Target.height() / FSize.height());
    qint64 at = FFirst;
    while (at + 6 <= FEnd) {
        const qint64 words = FBytes.U32(at);
        const quint16 function = FBytes.U16(at + 4);
        if (words < 3 || 2 * words > FEnd - at || function == META_EOF)
            break;
        PlayRecord(context, FBytes.Sub(at, 2 * words), function);
        at += 2 * words;
    }
}

void TWmfPlayer::PlayRecord(TMetafileContext& c, const TByteReader& r, quint16 Function) const
{
    const qint64 params = (r.Size() - 6) / 2;
    auto need = [&](qint64 n) { return params >= n; };
    switch (WmfFunctionByte(Function)) {
    case WmfFunctionByte(META_SAVEDC): c.SaveDC(); return;
    case WmfFunctionByte(META_RESTOREDC): if (need(1)) c.RestoreDC(P(r, 0)); return;
    case WmfFunctionByte(META_SETBKCOLOR): if (need(2)) c.SetBkColor(ColorRef(r, 6)); return;
    case WmfFunctionByte(META_SETTEXTCOLOR): if (need(2)) c.SetTextColor(ColorRef(r, 6)); return;
    case WmfFunctionByte(META_SETBKMODE): if (need(1)) c.SetBkMode(P(r, 0)); return;
    case WmfFunctionByte(META_SETMAPMODE): if (need(1)) c.SetMapMode(P(r, 0)); return;
    case WmfFunctionByte(META_SETPOLYFILLMODE): if (need(1)) c.SetPolyFillMode(P(r, 0)); return;
    case WmfFunctionByte(META_SETTEXTALIGN): if (need(1)) c.SetTextAlign(quint16(P(r, 0))); return;
    case WmfFunctionByte(META_SETWINDOWORG): if (need(2)) c.SetWindowOrg(QPointF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_SETWINDOWEXT): if (need(2)) c.SetWindowExt(QSizeF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_SETVIEWPORTORG): if (need(2)) c.SetViewportOrg(QPointF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_SETVIEWPORTEXT): if (need(2)) c.SetViewportExt(QSizeF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_OFFSETWINDOWORG): if (need(2)) c.OffsetWindowOrg(QPointF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_SCALEWINDOWEXT): // SCALEWINDOWEXT: yDenom, yNum, xDenom, xNum
        if (need(4))
            c.ScaleWindowExt(P(r, 3), P(r, 2), P(r, 1), P(r, 0));
        return;
    case WmfFunctionByte(META_MOVETO): if (need(2)) c.MoveTo(QPointF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_LINETO): if (need(2)) c.LineTo(QPointF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_POLYGON):
    case WmfFunctionByte(META_POLYLINE): {
        QPolygonF points;
        if (!need(1) || !ReadPoints(r, 8, quint16(P(r, 0)), points))
            return;
        if (WmfFunctionByte(Function) == WmfFunctionByte(META_POLYGON))
            c.Polygon(points);
        else
            c.Polyline(points);
        return;
    }
    case WmfFunctionByte(META_POLYPOLYGON): { // POLYPOLYGON: count, point counts, points
        if (!need(1))
            return;
        const qint64 n = quint16(P(r, 0));
        if (!r.Has(8, 2 * n))
            return;
        qint64 at = 8 + 2 * n;
        std::vector<QPolygonF> polys;
        for (qint64 i = 0; i < n; ++i) {
            const qint64 count = r.U16(8 + 2 * i);
            QPolygonF poly;
            if (!ReadPoints(r, at, count, poly))
                return;
            at += 4 * count;
            polys.push_back(std::move(poly));
        }
        c.PolyPolygon(polys);
        return;
    }
    case WmfFunctionByte(META_ELLIPSE): if (need(4)) c.Ellipse(BoxAt(r, 0)); return;
    case WmfFunctionByte(META_RECTANGLE): if (need(4)) c.Rectangle(BoxAt(r, 0)); return;
    case WmfFunctionByte(META_ROUNDRECT): if (need(6)) c.RoundRect(BoxAt(r, 2), QSizeF(P(r, 1), P(r, 0))); return;
    case WmfFunctionByte(META_ARC):
    case WmfFunctionByte(META_PIE):
    case WmfFunctionByte(META_CHORD): { // end, start, box
        if (!need(8))
            return;
        const quint8 low = WmfFunctionByte(Function);
        c.Arc(low == WmfFunctionByte(META_ARC)   ? TMetafileContext::akArc
              : low == WmfFunctionByte(META_PIE) ? TMetafileContext::akPie
                                                 : TMetafileContext::akChord,
              BoxAt(r, 4), QPointF(P(r, 3), P(r, 2)), QPointF(P(r, 1), P(r, 0)));
        return;
    }
    case WmfFunctionByte(META_PATBLT): // rop, height, width, y, x
        if (need(6))
            c.PatBlt(QRectF(P(r, 5), P(r, 4), P(r, 3), P(r, 2)), r.U32(6));
        return;
    case WmfFunctionByte(META_INTERSECTCLIPRECT): if (need(4)) c.IntersectClipRect(BoxAt(r, 0)); return;
    case WmfFunctionByte(META_EXCLUDECLIPRECT): if (need(4)) c.ExcludeClipRect(BoxAt(r, 0)); return;
    case WmfFunctionByte(META_SELECTOBJECT): if (need(1)) c.SelectObject(quint16(P(r, 0))); return;
    case WmfFunctionByte(META_DELETEOBJECT): if (need(1)) c.DeleteObject(quint16(P(r, 0))); return;
    case WmfFunctionByte(META_CREATEPENINDIRECT): { // style, width (x, y), colour
        TMetafileContext::TObject pen;
        pen.Kind = TMetafileContext::okPen;
        pen.Style = quint16(P(r, 0));
        pen.Width = std::max<double>(0, P(r, 1));
        pen.Color = ColorRef(r, 12);
        c.CreateObjectLowestFree(need(5) ? pen : SlotOnly());
        return;
    }
    case WmfFunctionByte(META_CREATEBRUSHINDIRECT): { // style, colour, hatch
        TMetafileContext::TObject brush;
        brush.Kind = TMetafileContext::okBrush;
        brush.Style = quint16(P(r, 0));
        brush.Color = ColorRef(r, 8);
        brush.Hatch = quint16(P(r, 3));
        c.CreateObjectLowestFree(need(4) ? brush : SlotOnly());
        return;
    }
    case WmfFunctionByte(META_DIBCREATEPATTERNBRUSH): { // style, colour usage, packed DIB
        TMetafileContext::TObject brush;
        brush.Kind = TMetafileContext::okBrush;
        brush.Style = 5;
        brush.Color = Qt::gray;
        if (need(2) && P(r, 1) == 0)
            brush.Pattern = TMetafileDib::DecodePacked(r.Sub(10, r.Size() - 10));
        c.CreateObjectLowestFree(brush);
        return;
    }
    case WmfFunctionByte(META_CREATEFONTINDIRECT): {
        if (!need(9)) {
            c.CreateObjectLowestFree(SlotOnly());
            return;
        }
        TMetafileContext::TObject font;
        font.Kind = TMetafileContext::okFont;
        font.Height = P(r, 0);
        font.Escapement = P(r, 2) % 3600;
        font.Weight = P(r, 4);
        font.Italic = r.U8(16);
        font.Underline = r.U8(17);
        font.StrikeOut = r.U8(18);
        font.CharSet = r.U8(19);
        QByteArray face;
        for (qint64 i = 24; i < std::min<qint64>(r.Size(), 24 + 32) && r.U8(i); ++i)
            face.append(char(r.U8(i)));
        font.Face = QString::fromLatin1(face);
        c.CreateObjectLowestFree(font);
        return;
    }
    case WmfFunctionByte(META_CREATEPALETTE):
    case WmfFunctionByte(META_CREATEBRUSH):
    case WmfFunctionByte(META_CREATEPATTERNBRUSH):
    case WmfFunctionByte(META_CREATEBITMAPINDIRECT):
    case WmfFunctionByte(META_CREATEBITMAP):
    case WmfFunctionByte(META_CREATEREGION):
        // Palettes, regions, bitmaps and old pattern brushes only take their slot.
        c.CreateObjectLowestFree(SlotOnly());
        return;
    case WmfFunctionByte(META_TEXTOUT): { // length, string (padded), y, x
        if (!need(1))
            return;
        const qint64 length = std::min<qint64>(quint16(P(r, 0)), MaxTextChars);
        const qint64 padded = (length + 1) / 2 * 2;
        if (!r.Has(8, padded + 4))
            return;
        const QString text = QString::fromLatin1(reinterpret_cast<const char*>(r.Data() + 8), length);
        c.TextOut(QPointF(r.I16(8 + padded + 2), r.I16(8 + padded)), text, {}, 0, nullptr);
        return;
    }
    case WmfFunctionByte(META_EXTTEXTOUT): { // y, x, length, options, [rectangle], string, [dx]
        if (!need(4))
            return;
        const QPointF at(P(r, 1), P(r, 0));
        const qint64 length = std::min<qint64>(quint16(P(r, 2)), MaxTextChars);
        const quint16 options = quint16(P(r, 3));
        qint64 textAt = 14;
        QRectF box;
        const bool hasBox = options & 6; // ETO_OPAQUE, ETO_CLIPPED
        if (hasBox) {
            if (!r.Has(14, 8))
                return;
            const double left = r.I16(14), top = r.I16(16), right = r.I16(18), bottom = r.I16(20);
            box = QRectF(left, top, right - left, bottom - top);
            textAt = 22;
        }
        if (!r.Has(textAt, length))
            return;
        const QString text = QString::fromLatin1(reinterpret_cast<const char*>(r.Data() + textAt), length);
        std::vector<double> dx;
        const qint64 dxAt = textAt + (length + 1) / 2 * 2;
        if (r.Has(dxAt, 2 * length))
            for (qint64 i = 0; i < length; ++i)
                dx.push_back(r.I16(dxAt + 2 * i));
        c.TextOut(at, text, dx, options, hasBox ? &box : nullptr);
        return;
    }
    case WmfFunctionByte(META_DIBBITBLT):
    case WmfFunctionByte(META_DIBSTRETCHBLT):
    case WmfFunctionByte(META_STRETCHDIB): {
        const quint8 low = WmfFunctionByte(Function);
        const quint32 rop = r.U32(6);
        // Without a bitmap the record is a pattern fill with one reserved word more.
        const bool noBitmap = low != WmfFunctionByte(META_STRETCHDIB) && r.Size() / 2 == qint64(Function >> 8) + 3;
        QRectF dest, source;
        qint64 dibAt;
        if (low == WmfFunctionByte(META_DIBBITBLT)) { // rop, ySrc, xSrc, height, width, yDest, xDest
            const qint64 k = noBitmap ? 3 : 2;
            if (!need(k + 6))
                return;
            dest = QRectF(P(r, k + 5), P(r, k + 4), P(r, k + 3), P(r, k + 2));
            source = QRectF(P(r, k + 1), P(r, k), dest.width(), dest.height());
            dibAt = 6 + 2 * (k + 6);
        } else { // [colour usage,] srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest
            qint64 k = noBitmap ? 3 : 2;
            if (low == WmfFunctionByte(META_STRETCHDIB)) {
                if (!need(3) || P(r, 2) != 0) // palette-index colours
                    return;
                k = 3;
            }
            if (!need(k + 8))
                return;
            dest = QRectF(P(r, k + 7), P(r, k + 6), P(r, k + 5), P(r, k + 4));
            source = QRectF(P(r, k + 3), P(r, k + 2), P(r, k + 1), P(r, k));
            dibAt = 6 + 2 * (k + 8);
        }
        if (noBitmap) {
            c.PatBlt(dest, rop);
            return;
        }
        const TByteReader dib = r.Sub(dibAt, r.Size() - dibAt);
        const QImage image = TMetafileDib::DecodePacked(dib);
        if (image.isNull())
            return;
        if (low == WmfFunctionByte(META_STRETCHDIB) && dib.I32(8) > 0) // bottom-up rows: the source's y counts from the bottom
            source.moveTop(image.height() - source.top() - source.height());
        c.DrawImage(dest, image, source);
        return;
    }
    case WmfFunctionByte(META_ESCAPE): // never acted on
    default:
        return;
    }
}
