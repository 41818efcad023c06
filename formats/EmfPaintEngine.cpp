#include "formats/EmfPaintEngine.h"

#include "formats/EmfObjects.h"
#include "formats/MetafileRecords.h"

#include "core/Numbers.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr uint32_t kStock = ENHMETA_STOCK_OBJECT;
constexpr uint32_t kWhiteBrush = kStock | 0;
constexpr uint32_t kNullBrush = kStock | 5;
constexpr uint32_t kBlackPen = kStock | 7;
constexpr uint32_t kNullPen = kStock | 8;
constexpr uint32_t kSystemFont = kStock | 13;

// A polyline record holds at most this many points; a longer run continues in
// the next record from the same point.
constexpr size_t kMaxPolylinePoints = 65536;
// Images larger than this many pixels are scaled down before they are stored.
constexpr qint64 kMaxImagePixels = 4096LL * 4096LL;

bool Fits16(const QPoint& P)
{
    return P.x() >= std::numeric_limits<int16_t>::min() && P.x() <= std::numeric_limits<int16_t>::max() &&
           P.y() >= std::numeric_limits<int16_t>::min() && P.y() <= std::numeric_limits<int16_t>::max();
}

} // namespace

int TEmfPaintEngine::ToDevice(double V)
{
    if (std::isnan(V))
        return 0;
    const double v = std::ceil(V - 0.5);
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int>(v);
}

TEmfPaintEngine::TEmfPaintEngine(QSize Size, QSize ScreenPixels, QSizeF ScreenMillimeters, const QString& Title)
    : QPaintEngine(AllFeatures),
      FSize(Size),
      FScreenPixels(ScreenPixels),
      FScreenMillimeters(ScreenMillimeters),
      FTitle(Title)
{
}

// ---------------------------------------------------------------------------
// File

bool TEmfPaintEngine::begin(QPaintDevice*)
{
    FWriter.Clear();
    IFinished = false;
    IObjects.assign(1, true);
    IHighestObject = 0;
    IDc = TDcState();
    ISavedDc.reset();
    IAlive.clear();
    IUseCount = 0;
    IPen = QPen();
    IBrush = QBrush();
    IXform = QTransform();
    IClip.reset();
    IClipEnabled = false;
    IWrittenClip.reset();
    IPolyline.clear();
    IDecorationLines = 0;

    WriteHeader();
    // Text draws only its glyphs, placed by its baseline as QPainter places it.
    FWriter.BeginRecord(EMR_SETBKMODE);
    FWriter.U32(1); // TRANSPARENT
    FWriter.EndRecord();
    FWriter.BeginRecord(EMR_SETTEXTALIGN);
    FWriter.U32(0x18); // TA_BASELINE
    FWriter.EndRecord();
    return true;
}

bool TEmfPaintEngine::end()
{
    FlushPolyline();
    IClipEnabled = false;
    ApplyClip();
    // Deselect what was created so that every object can be deleted.
    if (!IAlive.empty()) {
        Select(kBlackPen);
        Select(kWhiteBrush);
        Select(kSystemFont);
    }
    IDc = TDcState();
    for (const TCachedObject& object : IAlive)
        Delete(object.Handle);
    IAlive.clear();
    WriteEof();

    FWriter.PatchU32(48, static_cast<uint32_t>(FWriter.Size()));
    FWriter.PatchU32(52, static_cast<uint32_t>(FWriter.Records()));
    FWriter.PatchU32(56, std::min<uint32_t>(IHighestObject + 1, 0xFFFF)); // nHandles, sReserved 0
    IFinished = true;
    return true;
}

void TEmfPaintEngine::WriteHeader()
{
    const double mmPerPxX = FScreenMillimeters.width() / FScreenPixels.width();
    const double mmPerPxY = FScreenMillimeters.height() / FScreenPixels.height();
    const int right = FSize.width() - 1;
    const int bottom = FSize.height() - 1;

    // Without a title the file has no description, as the platform's own
    // recorder writes it when given none.
    QString description;
    if (!FTitle.isEmpty()) {
        description = QStringLiteral("Plotvane");
        description.append(QChar(0));
        description.append(FTitle);
        description.append(QChar(0));
        description.append(QChar(0));
    }

    FWriter.BeginRecord(EMR_HEADER);
    FWriter.Rectl(0, 0, right, bottom); // rclBounds, inclusive
    FWriter.Rectl(0, 0, Numbers::RoundInt(right * mmPerPxX * 100),
                  Numbers::RoundInt(bottom * mmPerPxY * 100)); // rclFrame, 0.01 mm, inclusive
    FWriter.U32(ENHMETA_SIGNATURE);
    FWriter.U32(0x00010000);
    FWriter.U32(0); // nBytes, patched at the end
    FWriter.U32(0); // nRecords, patched at the end
    FWriter.U16(1); // nHandles, patched at the end
    FWriter.U16(0);
    FWriter.U32(static_cast<uint32_t>(description.size()));
    FWriter.U32(description.isEmpty() ? 0 : 108); // offDescription
    FWriter.U32(0);   // nPalEntries
    FWriter.I32(FScreenPixels.width());
    FWriter.I32(FScreenPixels.height());
    FWriter.I32(Numbers::RoundInt(FScreenMillimeters.width()));
    FWriter.I32(Numbers::RoundInt(FScreenMillimeters.height()));
    FWriter.U32(0); // cbPixelFormat
    FWriter.U32(0); // offPixelFormat
    FWriter.U32(0); // bOpenGL
    FWriter.I32(Numbers::RoundInt(FScreenMillimeters.width() * 1000));
    FWriter.I32(Numbers::RoundInt(FScreenMillimeters.height() * 1000));
    for (const QChar c : description)
        FWriter.U16(c.unicode());
    FWriter.EndRecord();
}

void TEmfPaintEngine::WriteEof()
{
    FWriter.BeginRecord(EMR_EOF);
    FWriter.U32(0);  // nPalEntries
    FWriter.U32(16); // offPalEntries
    FWriter.U32(20); // nSizeLast
    FWriter.EndRecord();
}

// ---------------------------------------------------------------------------
// Objects

uint32_t TEmfPaintEngine::NewObject()
{
    uint32_t index = 1;
    while (index < IObjects.size() && IObjects[index])
        ++index;
    if (index == IObjects.size())
        IObjects.push_back(true);
    else
        IObjects[index] = true;
    IHighestObject = std::max(IHighestObject, index);
    return index;
}

bool TEmfPaintEngine::InUse(uint32_t Handle) const
{
    for (int kind = 0; kind < okKinds; ++kind)
        if (IDc.Object[kind] == Handle || (ISavedDc && ISavedDc->Object[kind] == Handle))
            return true;
    return false;
}

void TEmfPaintEngine::Delete(uint32_t Handle)
{
    FWriter.BeginRecord(EMR_DELETEOBJECT);
    FWriter.U32(Handle);
    FWriter.EndRecord();
    if (Handle < IObjects.size())
        IObjects[Handle] = false;
}

void TEmfPaintEngine::SelectObject(TObjectKind Kind, const QByteArray& Key, uint32_t Stock, uint32_t Create)
{
    if (IDc.Object[Kind] != 0 && IDc.Key[Kind] == Key)
        return;
    FlushPolyline();
    uint32_t handle = Stock;
    if (!Stock) {
        auto alive = std::find_if(IAlive.begin(), IAlive.end(),
                                  [&](const TCachedObject& o) { return o.Kind == Kind && o.Key == Key; });
        if (alive != IAlive.end()) {
            handle = alive->Handle;
            alive->LastUse = ++IUseCount;
        } else {
            handle = NewObject();
            FWriter.BeginRecord(Create);
            FWriter.U32(handle);
            FWriter.Raw(Key.constData(), Key.size());
            FWriter.EndRecord();
            IAlive.push_back({Kind, Key, handle, ++IUseCount});
        }
    }
    Select(handle);
    IDc.Object[Kind] = handle;
    IDc.Key[Kind] = Key;
    TrimObjects(Kind);
}

void TEmfPaintEngine::TrimObjects(TObjectKind Kind)
{
    constexpr int kAlivePerKind = 16;
    for (;;) {
        int count = 0;
        auto oldest = IAlive.end();
        for (auto it = IAlive.begin(); it != IAlive.end(); ++it) {
            if (it->Kind != Kind)
                continue;
            ++count;
            if (!InUse(it->Handle) && (oldest == IAlive.end() || it->LastUse < oldest->LastUse))
                oldest = it;
        }
        if (count <= kAlivePerKind || oldest == IAlive.end())
            return;
        Delete(oldest->Handle);
        IAlive.erase(oldest);
    }
}

void TEmfPaintEngine::Select(uint32_t Handle)
{
    FWriter.BeginRecord(EMR_SELECTOBJECT);
    FWriter.U32(Handle);
    FWriter.EndRecord();
}

void TEmfPaintEngine::SelectPen(const QPen& Pen)
{
    if (Pen.style() == Qt::NoPen)
        SelectObject(okPen, QByteArray(), kNullPen, 0);
    else
        SelectObject(okPen, EmfObjects::PenFields(Pen, Pen.isCosmetic() ? 1.0 : Scale()), 0, EMR_EXTCREATEPEN);
}

void TEmfPaintEngine::SelectBrush(const QBrush& Brush)
{
    if (Brush.style() == Qt::NoBrush)
        SelectObject(okBrush, QByteArray(), kNullBrush, 0);
    else
        SelectObject(okBrush, EmfObjects::BrushFields(Brush), 0, EMR_CREATEBRUSHINDIRECT);
}

void TEmfPaintEngine::SetPolyFillMode(Qt::FillRule Rule)
{
    const uint32_t mode = Rule == Qt::WindingFill ? 2 : 1;
    if (IDc.PolyFillMode == mode)
        return;
    FWriter.BeginRecord(EMR_SETPOLYFILLMODE);
    FWriter.U32(mode);
    FWriter.EndRecord();
    IDc.PolyFillMode = mode;
}

// ---------------------------------------------------------------------------
// State and clipping

void TEmfPaintEngine::updateState(const QPaintEngineState& State)
{
    const DirtyFlags flags = State.state();
    if (flags & DirtyPen)
        IPen = State.pen();
    if (flags & DirtyBrush)
        IBrush = State.brush();
    if (flags & DirtyTransform)
        IXform = State.transform();
    if (flags & (DirtyClipRegion | DirtyClipPath)) {
        // Only rectangles clip in plain EMF: a region or path clips to its bounding box.
        const QRectF local = (flags & DirtyClipPath) ? State.clipPath().boundingRect()
                                                     : QRectF(State.clipRegion().boundingRect());
        const QRectF box = State.transform().mapRect(local);
        switch (State.clipOperation()) {
        case Qt::NoClip: IClip.reset(); break;
        case Qt::ReplaceClip: IClip = box; break;
        case Qt::IntersectClip: IClip = IClip ? IClip->intersected(box) : box; break;
        }
        if (State.clipOperation() != Qt::NoClip)
            IClipEnabled = true;
    }
    if (flags & DirtyClipEnabled)
        IClipEnabled = State.isClipEnabled();
}

std::optional<QRect> TEmfPaintEngine::WantedClip() const
{
    if (!IClipEnabled || !IClip)
        return std::nullopt;
    const double limit = 1e9;
    const QRectF box = IClip->intersected(QRectF(-limit, -limit, 2 * limit, 2 * limit));
    return box.isEmpty() ? QRect(0, 0, 0, 0) : box.toAlignedRect();
}

void TEmfPaintEngine::ApplyClip()
{
    // Whatever comes next is drawn after the held-back fill, under its clip.
    FlushPendingFill();
    const std::optional<QRect> wanted = WantedClip();
    if (wanted == IWrittenClip)
        return;
    FlushPolyline();
    if (IWrittenClip) {
        FWriter.BeginRecord(EMR_RESTOREDC);
        FWriter.I32(-1);
        FWriter.EndRecord();
        // RESTOREDC selects the saved objects again; they were kept alive for it.
        IDc = *ISavedDc;
        ISavedDc.reset();
        IWrittenClip.reset();
    }
    if (wanted) {
        FWriter.BeginRecord(EMR_SAVEDC);
        FWriter.EndRecord();
        ISavedDc = IDc;
        FWriter.BeginRecord(EMR_INTERSECTCLIPRECT);
        // Right and bottom exclusive.
        FWriter.Rectl(wanted->left(), wanted->top(), wanted->left() + wanted->width(),
                      wanted->top() + wanted->height());
        FWriter.EndRecord();
        IWrittenClip = wanted;
    }
}

// ---------------------------------------------------------------------------
// Geometry

double TEmfPaintEngine::Scale() const
{
    const double s = std::sqrt(std::abs(IXform.determinant()));
    return std::isfinite(s) && s > 0 ? s : 1.0;
}

QPoint TEmfPaintEngine::Map(const QPointF& Point) const
{
    const QPointF p = IXform.map(Point);
    return QPoint(ToDevice(p.x()), ToDevice(p.y()));
}

QRect TEmfPaintEngine::MapBox(const QRectF& Rect) const
{
    const QPoint a = Map(Rect.topLeft());
    const QPoint b = Map(Rect.bottomRight());
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void TEmfPaintEngine::WritePoly(uint32_t Type16, uint32_t Type32, const std::vector<QPoint>& Points)
{
    if (Points.empty())
        return;
    int left = Points.front().x(), right = left, top = Points.front().y(), bottom = top;
    bool small = true;
    for (const QPoint& p : Points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        small = small && Fits16(p);
    }
    FWriter.BeginRecord(small ? Type16 : Type32);
    FWriter.Rectl(left, top, right, bottom);
    FWriter.U32(static_cast<uint32_t>(Points.size()));
    for (const QPoint& p : Points) {
        if (small) {
            FWriter.I16(static_cast<int16_t>(p.x()));
            FWriter.I16(static_cast<int16_t>(p.y()));
        } else {
            FWriter.I32(p.x());
            FWriter.I32(p.y());
        }
    }
    FWriter.EndRecord();
}

void TEmfPaintEngine::FlushPolyline()
{
    if (IPolyline.size() >= 2)
        WritePoly(EMR_POLYLINE16, EMR_POLYLINE, IPolyline);
    IPolyline.clear();
}

void TEmfPaintEngine::AddPolyline(const std::vector<QPoint>& Points)
{
    if (Points.size() < 2)
        return;
    ApplyClip();
    SelectPen(IPen);
    size_t from = 0;
    if (!IPolyline.empty() && IPolyline.back() == Points.front())
        from = 1; // continues the pending line
    else
        FlushPolyline();
    for (size_t i = from; i < Points.size(); ++i) {
        if (IPolyline.size() >= kMaxPolylinePoints) {
            const QPoint last = IPolyline.back();
            FlushPolyline();
            IPolyline.push_back(last);
        }
        IPolyline.push_back(Points[i]);
    }
}

void TEmfPaintEngine::PrepareShape(bool Fill)
{
    IDecorationLines = 0;
    FlushPolyline();
    ApplyClip();
    SelectPen(IPen);
    SelectBrush(Fill ? IBrush : QBrush(Qt::NoBrush));
}

// ---------------------------------------------------------------------------
// Drawing

void TEmfPaintEngine::drawLines(const QLineF* Lines, int Count)
{
    if (Count == 1 && IDecorationLines > 0) {
        --IDecorationLines;
        return;
    }
    IDecorationLines = 0;
    if (!Stroked())
        return;
    for (int i = 0; i < Count; ++i)
        AddPolyline({Map(Lines[i].p1()), Map(Lines[i].p2())});
}

void TEmfPaintEngine::drawLines(const QLine* Lines, int Count)
{
    IDecorationLines = 0;
    if (!Stroked())
        return;
    for (int i = 0; i < Count; ++i)
        AddPolyline({Map(Lines[i].p1()), Map(Lines[i].p2())});
}

void TEmfPaintEngine::drawPolygon(const QPointF* Points, int Count, PolygonDrawMode Mode)
{
    IDecorationLines = 0;
    if (Count <= 0 || (!Stroked() && (Mode == PolylineMode || !Filled())))
        return;
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(Count));
    for (int i = 0; i < Count; ++i)
        points.push_back(Map(Points[i]));
    if (Mode == PolylineMode) {
        AddPolyline(points);
        return;
    }
    PrepareShape();
    SetPolyFillMode(Mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    WritePoly(EMR_POLYGON16, EMR_POLYGON, points);
}

void TEmfPaintEngine::drawPolygon(const QPoint* Points, int Count, PolygonDrawMode Mode)
{
    std::vector<QPointF> points(Points, Points + std::max(0, Count));
    drawPolygon(points.data(), Count, Mode);
}

void TEmfPaintEngine::drawRects(const QRectF* Rects, int Count)
{
    if (!Stroked() && !Filled())
        return;
    for (int i = 0; i < Count; ++i) {
        if (IXform.type() > QTransform::TxScale) {
            const QPolygonF corners(Rects[i]);
            drawPolygon(corners.constData(), static_cast<int>(corners.size()), OddEvenMode);
            continue;
        }
        PrepareShape();
        FWriter.BeginRecord(EMR_RECTANGLE);
        FWriter.Rectl(MapBox(Rects[i]));
        FWriter.EndRecord();
    }
}

void TEmfPaintEngine::drawRects(const QRect* Rects, int Count)
{
    for (int i = 0; i < Count; ++i) {
        const QRectF r(Rects[i]);
        drawRects(&r, 1);
    }
}

void TEmfPaintEngine::drawEllipse(const QRectF& Rect)
{
    if (!Stroked() && !Filled())
        return;
    if (IXform.type() > QTransform::TxScale) {
        QPainterPath path;
        path.addEllipse(Rect);
        drawPath(path);
        return;
    }
    const QRect Box = MapBox(Rect);
    if (IPendingFill && IPendingFill->Box == Box && Stroked() && !Filled() && WantedClip() == IWrittenClip) {
        // The frame of the fill just held back: one record draws both.
        const QBrush Fill = IPendingFill->Brush;
        IPendingFill.reset();
        IDecorationLines = 0;
        FlushPolyline();
        ApplyClip();
        SelectPen(IPen);
        SelectBrush(Fill);
    } else if (Filled() && !Stroked()) {
        IDecorationLines = 0;
        ApplyClip();
        FlushPolyline();
        IPendingFill = TPendingFill{Box, IBrush};
        return;
    } else {
        PrepareShape();
    }
    FWriter.BeginRecord(EMR_ELLIPSE);
    FWriter.Rectl(Box);
    FWriter.EndRecord();
}

void TEmfPaintEngine::FlushPendingFill()
{
    if (!IPendingFill)
        return;
    const TPendingFill Fill = *IPendingFill;
    IPendingFill.reset();
    // Nothing was written since it was held back, so the clip written then
    // is still the one it was drawn under.
    SelectPen(QPen(Qt::NoPen));
    SelectBrush(Fill.Brush);
    FWriter.BeginRecord(EMR_ELLIPSE);
    FWriter.Rectl(Fill.Box);
    FWriter.EndRecord();
}

void TEmfPaintEngine::drawEllipse(const QRect& Rect) { drawEllipse(QRectF(Rect)); }

void TEmfPaintEngine::drawPoints(const QPointF* Points, int Count)
{
    IDecorationLines = 0;
    if (!Stroked())
        return;
    for (int i = 0; i < Count; ++i) {
        const QPoint p = Map(Points[i]);
        AddPolyline({p, p + QPoint(1, 0)});
    }
}

void TEmfPaintEngine::drawPath(const QPainterPath& Path)
{
    IDecorationLines = 0;
    if (Path.isEmpty() || (!Stroked() && !Filled()))
        return;
    bool curves = false;
    for (int i = 0; i < Path.elementCount() && !curves; ++i)
        curves = Path.elementAt(i).isCurveTo();

    if (!curves && !Filled()) {
        // Straight outlines join the pending lines like any polyline.
        std::vector<QPoint> run;
        for (int i = 0; i < Path.elementCount(); ++i) {
            const QPainterPath::Element& e = Path.elementAt(i);
            if (e.isMoveTo()) {
                AddPolyline(run);
                run.clear();
            }
            run.push_back(Map(QPointF(e.x, e.y)));
        }
        AddPolyline(run);
        return;
    }

    PrepareShape();
    SetPolyFillMode(Path.fillRule());
    FWriter.BeginRecord(EMR_BEGINPATH);
    FWriter.EndRecord();
    WritePathRecords(Path);
    FWriter.BeginRecord(EMR_ENDPATH);
    FWriter.EndRecord();
    const QRectF bounds = IXform.map(Path).boundingRect();
    FWriter.BeginRecord(Stroked() && Filled() ? EMR_STROKEANDFILLPATH : Filled() ? EMR_FILLPATH : EMR_STROKEPATH);
    FWriter.Rectl(ToDevice(bounds.left()), ToDevice(bounds.top()), ToDevice(bounds.right()),
                  ToDevice(bounds.bottom()));
    FWriter.EndRecord();
}

void TEmfPaintEngine::WritePathRecords(const QPainterPath& Path)
{
    std::vector<QPoint> group;
    bool groupCurves = false;
    QPointF start;
    QPointF last;
    int figurePoints = 0;
    auto flushGroup = [&] {
        if (!group.empty())
            WritePoly(groupCurves ? EMR_POLYBEZIERTO16 : EMR_POLYLINETO16,
                      groupCurves ? EMR_POLYBEZIERTO : EMR_POLYLINETO, group);
        group.clear();
    };
    auto endFigure = [&] {
        flushGroup();
        if (figurePoints >= 3 && last == start) {
            FWriter.BeginRecord(EMR_CLOSEFIGURE);
            FWriter.EndRecord();
        }
        figurePoints = 0;
    };
    const int count = Path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element& e = Path.elementAt(i);
        const QPointF p(e.x, e.y);
        if (e.isMoveTo()) {
            endFigure();
            const QPoint d = Map(p);
            FWriter.BeginRecord(EMR_MOVETOEX);
            FWriter.I32(d.x());
            FWriter.I32(d.y());
            FWriter.EndRecord();
            start = last = p;
            figurePoints = 1;
        } else if (e.isLineTo()) {
            if (groupCurves)
                flushGroup();
            groupCurves = false;
            group.push_back(Map(p));
            last = p;
            ++figurePoints;
        } else if (e.isCurveTo()) {
            if (i + 2 >= count)
                break;
            if (!groupCurves)
                flushGroup();
            groupCurves = true;
            const QPainterPath::Element& c2 = Path.elementAt(i + 1);
            const QPainterPath::Element& end = Path.elementAt(i + 2);
            group.push_back(Map(p));
            group.push_back(Map(QPointF(c2.x, c2.y)));
            group.push_back(Map(QPointF(end.x, end.y)));
            last = QPointF(end.x, end.y);
            figurePoints += 3;
            i += 2;
        }
    }
    endFigure();
}

void TEmfPaintEngine::drawPixmap(const QRectF& Target, const QPixmap& Pixmap, const QRectF& Source)
{
    drawImage(Target, Pixmap.toImage(), Source);
}

void TEmfPaintEngine::drawImage(const QRectF& Target, const QImage& Image, const QRectF& Source,
                                Qt::ImageConversionFlags)
{
    IDecorationLines = 0;
    if (Image.isNull())
        return;
    const QRect source = Source.toAlignedRect().intersected(Image.rect());
    if (source.isEmpty())
        return;
    const QRectF target = IXform.mapRect(Target);
    const int left = ToDevice(target.left());
    const int top = ToDevice(target.top());
    const int cx = ToDevice(target.right()) - left;
    const int cy = ToDevice(target.bottom()) - top;
    if (cx <= 0 || cy <= 0)
        return;

    QImage picture = Image.copy(source);
    if (qint64(picture.width()) * picture.height() > kMaxImagePixels)
        picture = picture.scaled(4096, 4096, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // STRETCHDIBITS has no alpha: transparent parts become white.
    QImage pixels(picture.size(), QImage::Format_RGB32);
    if (picture.hasAlphaChannel()) {
        pixels.fill(Qt::white);
        QPainter composite(&pixels);
        composite.drawImage(0, 0, picture);
    } else {
        pixels = picture.convertToFormat(QImage::Format_RGB32);
    }
    const int w = pixels.width();
    const int h = pixels.height();
    if (w <= 0 || h <= 0)
        return;
    const uint32_t bitsSize = static_cast<uint32_t>(w) * static_cast<uint32_t>(h) * 4;

    FlushPolyline();
    ApplyClip();
    FWriter.BeginRecord(EMR_STRETCHDIBITS);
    FWriter.Rectl(left, top, left + cx - 1, top + cy - 1);
    FWriter.I32(left);
    FWriter.I32(top);
    FWriter.I32(0);
    FWriter.I32(0);
    FWriter.I32(w);
    FWriter.I32(h);
    FWriter.U32(80);  // offBmiSrc
    FWriter.U32(40);  // cbBmiSrc
    FWriter.U32(120); // offBitsSrc
    FWriter.U32(bitsSize);
    FWriter.U32(0);          // DIB_RGB_COLORS
    FWriter.U32(0x00CC0020); // SRCCOPY
    FWriter.I32(cx);
    FWriter.I32(cy);
    // BITMAPINFOHEADER: 32 bpp, BI_RGB, top-down.
    FWriter.U32(40);
    FWriter.I32(w);
    FWriter.I32(-h);
    FWriter.U16(1);
    FWriter.U16(32);
    FWriter.U32(0);
    FWriter.U32(bitsSize);
    FWriter.I32(0);
    FWriter.I32(0);
    FWriter.U32(0);
    FWriter.U32(0);
    // Format_RGB32 lies in memory as B, G, R, X on little-endian machines.
    for (int y = 0; y < h; ++y)
        FWriter.Raw(reinterpret_cast<const char*>(pixels.constScanLine(y)), qsizetype(w) * 4);
    FWriter.EndRecord();
}
