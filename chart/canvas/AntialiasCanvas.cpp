#include "chart/canvas/AntialiasCanvas.h"

#include "chart/canvas/ChartShadow.h"
#include "chart/canvas/Graphic.h"
#include "chart/canvas/PainterGeometry.h"
#include "chart/canvas/PlatformFont.h"
#include "chart/canvas/PlatformPen.h"
#include "chart/canvas/SoftShadow.h"
#include "chart/canvas/StampCache.h"
#include "chart/canvas/StampKey.h"
#include "chart/canvas/StampReplay.h"
#include "core/Numbers.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

Qt::BrushStyle QtBrushStyle(TBrushStyle Style)
{
    switch (Style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

// Restores the painter however a picture's own drawing ends.
struct TPainterSave {
    QPainter& Painter;
    explicit TPainterSave(QPainter& P) : Painter(P) { Painter.save(); }
    ~TPainterSave() { Painter.restore(); }
    TPainterSave(const TPainterSave&) = delete;
    TPainterSave& operator=(const TPainterSave&) = delete;
};

} // namespace

struct TAntialiasCanvas::TPrivate {
    QPen Pen;

    TPlatformFont Font;
    bool PainterHasFont = false;

    // Text measured between frames is measured at the buffer's resolution.
    QImage MeasureImage{1, 1, QImage::Format_ARGB32_Premultiplied};
};

TAntialiasCanvas::TAntialiasCanvas()
    : D(std::make_unique<TPrivate>()),
      IStamps(std::make_unique<TStampReplay>(
          [this](QImage& Scratch, const std::function<void()>& Draw) { return DrawOnScratch(Scratch, Draw); }))
{
}

TAntialiasCanvas::~TAntialiasCanvas() { EndPainter(); }

const QImage& TAntialiasCanvas::Buffer() const
{
    static const QImage empty;
    return FBitmap ? *FBitmap : empty;
}

// ---------------------------------------------------------------------------
// Painter lifetime and the cached state

void TAntialiasCanvas::BindPainter(QPaintDevice* device)
{
    EndPainter();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device))
        throw std::runtime_error("The chart canvas cannot paint on its destination device");
    FGraphics = std::move(painter);
    IDevice = device;
    IStampImage = nullptr;
    if (device->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(device);
        if (image->format() == QImage::Format_ARGB32_Premultiplied && image->devicePixelRatio() == 1.0)
            IStampImage = image;
    }
    FGraphics->setRenderHint(QPainter::TextAntialiasing, true);
    ForgetPainterState();
    SetSmoothing(FAnti);
}

void TAntialiasCanvas::EndPainter()
{
    if (!FGraphics)
        return;
    for (; IClipDepth > 0; --IClipDepth)
        FGraphics->restore();
    IClipBoxes.clear();
    FGraphics->end();
    FGraphics.reset();
    IDevice = nullptr;
    IStampImage = nullptr;
    ForgetPainterState();
}

void TAntialiasCanvas::ForgetPainterState()
{
    ICachedAntialias = -1;
    IPainterPen = ppUnknown;
    IPainterNoBrush = false;
    D->PainterHasFont = false;
}

void TAntialiasCanvas::SetSmoothing(bool Value)
{
    if (ICachedAntialias == int(Value))
        return;
    FGraphics->setRenderHint(QPainter::Antialiasing, Value);
    ICachedAntialias = int(Value);
}

void TAntialiasCanvas::BuildPen()
{
    IPenValid = true;
    IPenTransparency = FTransparency;
    IPenClear = !FPen.Visible() || FPen.Style() == psClear;
    if (IPenClear)
        return;
    // Markers and segments take turns on the canvas pen; when the settings
    // come back to those of the platform pen already built (and still on the
    // painter), nothing is rebuilt or sent again.
    const TPenKey key{FPen.Color(), FPen.Width(), FPen.Style(), FPen.EndStyle(), FPen.JoinStyle(), FTransparency};
    if (IBuiltPenKey && *IBuiltPenKey == key)
        return;
    IBuiltPenKey = key;
    IPainterPen = IPainterPen == ppStroke ? ppUnknown : IPainterPen;

    D->Pen = PlatformPen(FPen, ArgbOf(FPen.Color()));
}

double TAntialiasCanvas::PatternPhase() const
{
    // Within one period: the cosmetic stroker keeps the offset in a small
    // fixed-point integer.
    const double Period = DashPeriod(FPen.Style()) * std::max(1, FPen.Width());
    return Period > 0 ? std::fmod(std::max(0.0, FDashPhase), Period) : 0;
}

double TAntialiasCanvas::RepeatingDashPhase(double Phase, double Length)
{
    if (!IPenValid || IPenTransparency != FTransparency)
        BuildPen();
    if (IPenClear || FPen.Style() == psSolid)
        return Phase;
    // Whole pixels; whole pen widths for plain dashes, which are two widths
    // long (dots would smear over a width).
    const double unit = std::max(1, FPen.Width());
    const double step = FPen.Style() == psDash ? unit : 1.0;
    const double rounded = std::round(Phase / step) * step;
    // The platform pen's own dashes: the piece of a stroke wholly inside
    // one of them is the whole stroke. (Thin pens are dashed pixel by pixel,
    // the end pixel included: a pixel to spare.)
    const double period = DashPeriod(FPen.Style()) * unit;
    const double phase = std::fmod(std::max(0.0, rounded), period);
    const QList<qreal>& pattern = D->Pen.dashPattern();
    double start = 0;
    for (qsizetype i = 0; i + 1 < pattern.size(); i += 2) {
        const double end = start + pattern[i] * unit;
        if (phase >= start && phase + Length + 1 <= end)
            return start;
        start = end + pattern[i + 1] * unit;
    }
    return rounded;
}

bool TAntialiasCanvas::PrepareStroke()
{
    if (!FGraphics)
        return false;
    if (!IPenValid || IPenTransparency != FTransparency)
        BuildPen();
    if (IPenClear)
        return false;
    const int width = FPen.Width();
    const bool smooth = FAnti && width > 0;
    SetSmoothing(smooth);
    // With smoothing, a stroke of odd width goes through the pixel centres so
    // that it covers whole pixels; unsmoothed strokes already do.
    IStrokeOffset = smooth && (width & 1) ? 0.5 : 0.0;
    if (FPen.Style() != psSolid) {
        // Qt counts the offset in pen widths.
        const qreal offset = PatternPhase() / std::max(1, width);
        if (D->Pen.dashOffset() != offset) {
            D->Pen.setDashOffset(offset);
            IPainterPen = ppUnknown;
        }
    }
    if (IPainterPen != ppStroke) {
        FGraphics->setPen(D->Pen);
        IPainterPen = ppStroke;
    }
    if (!IPainterNoBrush) {
        FGraphics->setBrush(Qt::NoBrush);
        IPainterNoBrush = true;
    }
    return true;
}

template <class TDraw>
void TAntialiasCanvas::FillShape(TDraw draw)
{
    if (!FGraphics || FBrush.Style() == bsClear)
        return;
    SetSmoothing(FAnti);
    if (IPainterPen != ppNone) {
        FGraphics->setPen(Qt::NoPen);
        IPainterPen = ppNone;
    }
    IPainterNoBrush = false;
    const TBrushStyle style = FBrush.Style();
    const TColor back = FBrush.BackColor();
    if (style != bsSolid && back != clNone && back != clDefault) {
        // A hatch with a back colour: the back colour under the lines.
        FGraphics->setBrush(QBrush(QColor::fromRgba(ArgbOf(back))));
        draw();
    }
    FGraphics->setBrush(QBrush(QColor::fromRgba(ArgbOf(FBrush.Color())), QtBrushStyle(style)));
    draw();
}

// ---------------------------------------------------------------------------
// Lines and shapes

void TAntialiasCanvas::MoveTo(int X, int Y)
{
    FX = X;
    FY = Y;
}

void TAntialiasCanvas::LineTo(int X, int Y) { Line(FX, FY, X, Y); }

void TAntialiasCanvas::Line(int X0, int Y0, int X1, int Y1)
{
    FX = X1;
    FY = Y1;
    if (!PrepareStroke())
        return;
    const qreal o = IStrokeOffset;
    FGraphics->drawLine(QPointF(X0 + o, Y0 + o), QPointF(X1 + o, Y1 + o));
}

void TAntialiasCanvas::DoHorizLine(int X0, int X1, int Y)
{
    if (!PrepareStroke())
        return;
    const qreal o = IStrokeOffset;
    FGraphics->drawLine(QPointF(X0 + o, Y + o), QPointF(X1 + o, Y + o));
}

void TAntialiasCanvas::DoVertLine(int X, int Y0, int Y1)
{
    if (!PrepareStroke())
        return;
    const qreal o = IStrokeOffset;
    FGraphics->drawLine(QPointF(X + o, Y0 + o), QPointF(X + o, Y1 + o));
}

void TAntialiasCanvas::Polyline(const std::vector<TPoint>& Points)
{
    if (Points.size() < 2 || !PrepareStroke())
        return;
    FGraphics->drawPolyline(PolygonOf(Points, IStrokeOffset));
}

void TAntialiasCanvas::PolylineFloat(const std::vector<TPointFloat>& Points)
{
    if (Points.size() < 2 || !PrepareStroke())
        return;
    FGraphics->drawPolyline(PolygonOf(Points, IStrokeOffset));
}

template <class TPoints>
void TAntialiasCanvas::FillAndStrokePolygon(const TPoints& Points)
{
    if (Points.empty() || !FGraphics)
        return;
    const QPolygonF area = PolygonOf(Points, 0);
    FillShape([&] { FGraphics->drawPolygon(area, Qt::OddEvenFill); });
    if (PrepareStroke())
        FGraphics->drawPolygon(PolygonOf(Points, IStrokeOffset), Qt::OddEvenFill);
}

void TAntialiasCanvas::Polygon(const std::vector<TPoint>& Points) { FillAndStrokePolygon(Points); }

void TAntialiasCanvas::PolygonFloat(const std::vector<TPointFloat>& Points) { FillAndStrokePolygon(Points); }

void TAntialiasCanvas::Rectangle(int X0, int Y0, int X1, int Y1)
{
    if (!FGraphics)
        return;
    const int l = std::min(X0, X1), r = std::max(X0, X1);
    const int t = std::min(Y0, Y1), b = std::max(Y0, Y1);
    const int width = FPen.Width();
    const bool penShows = FPen.Visible() && FPen.Style() != psClear;
    // A wide pen's inner half covers the fill's edge; the fill stops under it.
    const QRectF fill = penShows && width > 1
        ? QRectF(QPointF(l + width / 2.0, t + width / 2.0), QPointF(r - width / 2.0, b - width / 2.0))
        : BoxOf(l, t, r, b);
    FillShape([&] { FGraphics->drawRect(fill); });
    if (!PrepareStroke())
        return;
    if (ICachedAntialias == 1 && width == 1 && FPen.Style() == psSolid) {
        // Qt's thin-line path leaves the corners of a smoothed one-pixel outline
        // a quarter uncovered; the four edges as fills keep a frame whole.
        const QColor color = D->Pen.color();
        FGraphics->fillRect(QRect(l, t, r - l + 1, 1), color);
        if (b > t)
            FGraphics->fillRect(QRect(l, b, r - l + 1, 1), color);
        if (b - t > 1) {
            FGraphics->fillRect(QRect(l, t + 1, 1, b - t - 1), color);
            if (r > l)
                FGraphics->fillRect(QRect(r, t + 1, 1, b - t - 1), color);
        }
        return;
    }
    const qreal o = IStrokeOffset;
    FGraphics->drawRect(QRectF(l + o, t + o, r - l, b - t));
}

void TAntialiasCanvas::RoundRect(int X0, int Y0, int X1, int Y1, int CornerWidth, int CornerHeight)
{
    if (!FGraphics)
        return;
    const int l = std::min(X0, X1), t = std::min(Y0, Y1);
    int r = std::max(X0, X1), b = std::max(Y0, Y1);
    if (!FAnti) {
        --r;
        --b;
    }
    const QPainterPath path = RoundedPath(BoxOf(l, t, r, b), CornerWidth, CornerHeight);
    FillShape([&] { FGraphics->drawPath(path); });
    if (PrepareStroke())
        FGraphics->drawPath(path.translated(IStrokeOffset, IStrokeOffset));
}

void TAntialiasCanvas::Ellipse(int X0, int Y0, int X1, int Y1)
{
    if (!FGraphics)
        return;
    const int width = FPen.Width();
    const bool penShows = FPen.Visible() && FPen.Style() != psClear;
    const QRectF fill = penShows && width > 1
        ? QRectF(QPointF(X0 + width / 2.0, Y0 + width / 2.0), QPointF(X1 - width / 2.0, Y1 - width / 2.0))
        : BoxOf(X0, Y0, X1, Y1);
    FillShape([&] { FGraphics->drawEllipse(fill); });
    if (PrepareStroke()) {
        const qreal o = IStrokeOffset;
        FGraphics->drawEllipse(QRectF(X0 + o, Y0 + o, X1 - X0, Y1 - Y0));
    }
}

void TAntialiasCanvas::FillRect(const TRect& R)
{
    const QRectF box = BoxOf(R.Left, R.Top, R.Right, R.Bottom).normalized();
    FillShape([&] { FGraphics->drawRect(box); });
}

// ---------------------------------------------------------------------------
// Stamps

QImage* TAntialiasCanvas::StampTarget(const QRect& Inside, TClipBox& Clip) const
{
    // Every operation of this surface leaves its painter untransformed,
    // opaque and composing source-over; only the device and the clip decide.
    QImage* image = IStampImage;
    // Stamps copy pixels: a vector picture gets every figure drawn.
    if (!FRenderContext.Raster() || !image)
        return nullptr;
    const int w = image->width(), h = image->height();
    if (Inside.left() < 0 || Inside.top() < 0 || Inside.right() >= w || Inside.bottom() >= h)
        return nullptr;
    Clip = {true, 0, 0, w - 1, h - 1};
    if (!IClipBoxes.empty()) {
        const TClipBox& top = IClipBoxes.back();
        if (!top.Rectangular)
            return nullptr;
        Clip.Left = std::max(Clip.Left, top.Left);
        Clip.Top = std::max(Clip.Top, top.Top);
        Clip.Right = std::min(Clip.Right, top.Right);
        Clip.Bottom = std::min(Clip.Bottom, top.Bottom);
    }
    return image;
}

bool TAntialiasCanvas::DrawOnScratch(QImage& Scratch, const std::function<void()>& Draw)
{
    // Only the painter, its device and the clips change; the frame's painter
    // waits meanwhile.
    struct TFrameSave {
        TAntialiasCanvas& C;
        std::unique_ptr<QPainter> Graphics;
        QPaintDevice* Device;
        int ClipDepth;
        std::vector<TClipBox> ClipBoxes;
        QImage* StampImage;
        ~TFrameSave()
        {
            if (C.FGraphics && C.FGraphics->isActive())
                C.FGraphics->end();
            C.FGraphics = std::move(Graphics);
            C.IDevice = Device;
            C.IStampImage = StampImage;
            C.IClipDepth = ClipDepth;
            C.IClipBoxes = std::move(ClipBoxes);
            C.ForgetPainterState();
        }
    } save{*this, std::move(FGraphics), IDevice, IClipDepth, std::move(IClipBoxes), IStampImage};
    IStampImage = nullptr;
    IClipBoxes.clear();
    IClipDepth = 0;
    FGraphics = std::make_unique<QPainter>();
    if (!FGraphics->begin(&Scratch))
        return false;
    IDevice = &Scratch;
    ForgetPainterState();
    FGraphics->setRenderHint(QPainter::TextAntialiasing, true);
    Draw();
    return true;
}

void TAntialiasCanvas::DrawStamp(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint)
{
    StampOrPaint(X, Y, Shape, Reach, Paint, 1);
}

void TAntialiasCanvas::DrawStamps(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint, int Times)
{
    // One drawing is a plain DrawStamp, whatever overrides it.
    if (Times == 1)
        DrawStamp(X, Y, Shape, Reach, Paint);
    else
        StampOrPaint(X, Y, Shape, Reach, Paint, Times);
}

void TAntialiasCanvas::StampOrPaint(int X, int Y, uint64_t Shape, int Reach, const TStampPaint& Paint, int Times)
{
    if (!FGraphics || Times < 1)
        return;
    constexpr int far = 1 << 24;
    TClipBox clip{};
    QImage* target = nullptr;
    // Hatches are aligned to the picture, not to the figure. The raster
    // engine cuts figures at the picture's edge a little differently from a
    // clip, so figures crossing it are drawn directly too.
    if (FStamping && Reach >= 0 && Reach <= TStampCache::kMaxReach && X > -far && X < far && Y > -far && Y < far
        && (FBrush.Style() == bsSolid || FBrush.Style() == bsClear)) {
        target = StampTarget(QRect(X - Reach, Y - Reach, 2 * Reach + 1, 2 * Reach + 1), clip);
    }
    if (target) {
        const TStampKey key{Shape,           Reach,          FPen.Visible(),  FPen.Color(),   FPen.Width(),
                            FPen.Style(),    FPen.EndStyle(), FPen.JoinStyle(), FBrush.Color(), FBrush.Style(),
                            FBrush.BackColor(), FTransparency, FAnti,   PatternPhase()};
        const QRect box(QPoint(clip.Left, clip.Top), QPoint(clip.Right, clip.Bottom));
        if (IStamps->Draw(*target, box, X, Y, key, Paint, Times)) {
            IStampedCount += Times;
            return;
        }
    }
    for (int t = 0; t < Times; ++t)
        Paint(X, Y);
}

// ---------------------------------------------------------------------------
// Pictures

void TAntialiasCanvas::StretchDraw(const TRect& R, const TGraphic& Picture)
{
    if (!FGraphics || Picture.IsEmpty())
        return;
    const QRectF target = BoxOf(R.Left, R.Top, R.Right, R.Bottom).normalized();
    if (target.isEmpty())
        return;
    {
        TPainterSave save(*FGraphics);
        if (FTransparency < 255)
            FGraphics->setOpacity(std::max(0, FTransparency) / 255.0);
        const bool smooth = FStretchQuality == sqHigh;
        FGraphics->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        Picture.Draw(*FGraphics, target, smooth);
    }
    ForgetPainterState();
}

void TAntialiasCanvas::Draw(int X, int Y, const TGraphic& Picture)
{
    const QSize size = Picture.Size();
    StretchDraw({X, Y, X + size.width(), Y + size.height()}, Picture);
}

// ---------------------------------------------------------------------------
// Text

TTextHint TAntialiasCanvas::TextHint() const
{
    auto hintOf = [](TFontQuality quality) {
        switch (quality) {
        case fqBest: return thAntiAlias;
        case fqNormal: return thSingleBitPerPixelGridFit;
        case fqClearType:
        case fqDefault: break;
        }
        return thClearTypeGridFit;
    };
    if (FFont.Quality() != fqDefault)
        return hintOf(FFont.Quality());
    if (FFontQuality != fqDefault)
        return hintOf(FFontQuality);
    return FFont.Size() < 20 ? thClearTypeGridFit : thAntiAlias;
}

void TAntialiasCanvas::EnsureFont()
{
    QPaintDevice* device = IDevice ? IDevice : &D->MeasureImage;
    const int dpi = device->logicalDpiY();
    double size = std::max(0.1, double(FFont.Size()));
    // A vector picture keeps the text as large, in its units, as the chart's
    // pixels at the reference resolution.
    if (FRenderContext.TextAtReferenceSize() && dpi > 0)
        size = size * FRenderContext.ReferenceDpi / dpi;
    if (D->Font.Update(FFont.Name(), size, FFont.Style(), TextHint(), dpi, device))
        D->PainterHasFont = false;
}

int TAntialiasCanvas::TextWidth(const QString& Text)
{
    EnsureFont();
    return Numbers::RoundInt(D->Font.Metrics().horizontalAdvance(Text) + 2 * D->Font.Padding());
}

int TAntialiasCanvas::TextHeight(const QString& /*Text*/)
{
    EnsureFont();
    return Numbers::RoundInt(D->Font.Metrics().height() + 0.5);
}

QSizeF TAntialiasCanvas::TextSize(const QString& Text)
{
    EnsureFont();
    return QSizeF(D->Font.Metrics().horizontalAdvance(Text) + 2 * D->Font.Padding(), D->Font.Metrics().height());
}

void TAntialiasCanvas::TextOut(int X, int Y, const QString& Text)
{
    if (!FGraphics)
        return;
    EnsureFont();
    const TPlatformFont& font = D->Font;

    // The layout origin: the left end of the padded text box, at the top of the line.
    qreal x = X;
    qreal y = Y;
    switch (FTextAlign) {
    case ta_Right: x = X - qreal(Numbers::Round(font.Metrics().horizontalAdvance(Text))); break;
    case ta_Center: x = X - qreal(Numbers::Round(font.Metrics().horizontalAdvance(Text))) / 2; break;
    case ta_CenterBottom: {
        const QSizeF size = TextSize(Text);
        x = X - size.width() / 2;
        y = Y - size.height();
        break;
    }
    default: break;
    }

    const bool rotated = ITextRotation != 0 && ITextRotation != 360;
    QTransform saved;
    if (rotated) {
        QPointF centre(x, y);
        if (IUseTextCenter)
            centre = QPointF(ITextCenter.X + 1, ITextCenter.Y);
        else if (FTextAlign == ta_Center)
            centre.rx() += TextWidth(Text) / 2.0;
        saved = FGraphics->worldTransform();
        FGraphics->translate(centre);
        FGraphics->rotate(ITextRotation);
        FGraphics->translate(-centre);
    }

    if (FBackMode == cbmOpaque) {
        const QRectF box(QPointF(x, y), TextSize(Text));
        FillShape([&] { FGraphics->drawRect(box); });
    }

    if (!D->PainterHasFont) {
        FGraphics->setFont(font.Font());
        D->PainterHasFont = true;
    }
    FGraphics->setPen(QColor::fromRgba(ArgbOf(FFont.Color())));
    IPainterPen = ppText;
    // Glyphs start after the box's side padding, as measured by TextWidth, so a
    // text keeps equal margins inside a box of its measured width.
    FGraphics->drawText(QPointF(x + font.Padding(), y + font.Metrics().ascent()), Text);

    if (rotated)
        FGraphics->setWorldTransform(saved);
}

void TAntialiasCanvas::RotateLabel(int X, int Y, const QString& Text, double Degrees)
{
    ITextRotation = 360 - Degrees;
    try {
        TextOut(X, Y, Text);
    } catch (...) {
        ITextRotation = 0;
        throw;
    }
    ITextRotation = 0;
}

// ---------------------------------------------------------------------------
// Shadows

void TAntialiasCanvas::ShadowRect(const TRect& R, const TChartShadow& Shadow, int RoundSize)
{
    if (!FGraphics)
        return;
    const int l = std::min(R.Left, R.Right), r = std::max(R.Left, R.Right);
    const int t = std::min(R.Top, R.Bottom), b = std::max(R.Top, R.Bottom);
    if (l == r || t == b)
        return;
    const int corner = RoundSize > 0 ? RoundSize : 4;
    const QPainterPath path = RoundedPath(BoxOf(l, t, r, b), corner, corner);
    const std::vector<TPointFloat> outline
        = {{float(l), float(t)}, {float(r), float(t)}, {float(r), float(b)}, {float(l), float(b)}};
    FillShadowPath(path, outline, Shadow, corner / 2 + 1);
}

void TAntialiasCanvas::ShadowPolygon(const std::vector<TPoint>& Points, const TChartShadow& Shadow)
{
    if (!FGraphics || Points.size() < 3)
        return;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(PolygonOf(Points, 0));
    path.closeSubpath();
    FillShadowPath(path, FloatPoints(Points), Shadow, -1);
}

void TAntialiasCanvas::FillShadowPath(const QPainterPath& path, const std::vector<TPointFloat>& outline,
                                      const TChartShadow& Shadow, int CornerInset)
{
    const TColor color = Shadow.Color();
    SetSmoothing(FAnti);
    if (!FRenderContext.Raster() || !Shadow.Smooth()) {
        // Solid. Outside pixels it stands for the soft shadow and is opaque,
        // as a metafile can only show it; otherwise the surface alpha, which
        // the caller's blending has set from the shadow's transparency.
        const unsigned argb = FRenderContext.Raster() ? ArgbOf(color) : (ArgbOf(color) | 0xFF000000u);
        FGraphics->fillPath(path, QColor::fromRgba(argb));
        return;
    }

    FillSoftShadow(*FGraphics, *IDevice, path, outline, ArgbOf(color), Shadow.SmoothBlur(), FAnti, CornerInset);
}

// ---------------------------------------------------------------------------
// The off-screen buffer

TRect TAntialiasCanvas::InitWindow(QPaintDevice* destination, const TRect& rect, bool /*is3D*/, TColor background)
{
    EndPainter();
    IBufferFrame = false;
    FBackMode = cbmOpaque;
    if (!FBufferedDisplay) {
        if (destination)
            BindPainter(destination);
        return rect;
    }
    const int width = std::max(0, rect.Width());
    const int height = std::max(0, rect.Height());
    if (width == 0 || height == 0)
        return {0, 0, width, height};
    if (!FBitmap || FBitmap->width() != width || FBitmap->height() != height) {
        auto bitmap = std::make_unique<QImage>(width, height, QImage::Format_ARGB32_Premultiplied);
        if (bitmap->isNull())
            throw std::runtime_error("The chart canvas cannot make a " + std::to_string(width) + " × "
                                     + std::to_string(height) + " picture buffer");
        // A new buffer starts in the background colour rather than in whatever
        // the memory held.
        bitmap->fill(background == clNone ? QColor(Qt::transparent) : QColor::fromRgba(ArgbOf(background)));
        FBitmap = std::move(bitmap);
    }
    BindPainter(FBitmap.get());
    IBufferFrame = true;
    return {0, 0, width, height};
}

void TAntialiasCanvas::CopyBuffer(QPaintDevice* destination, const TRect& rect) const
{
    if (!destination || !FBitmap || destination == FBitmap.get())
        return;
    QPainter painter;
    if (!painter.begin(destination))
        throw std::runtime_error("The chart canvas cannot paint on its destination device");
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(rect.Left, rect.Top), *FBitmap);
}

void TAntialiasCanvas::ShowImage(QPaintDevice* destination, const TRect& rect)
{
    const bool bufferFrame = IBufferFrame;
    IBufferFrame = false;
    EndPainter();
    // Only a frame drawn on the buffer makes it valid; a frame drawn straight
    // onto another device (an export) leaves the buffer as stale as it was.
    if (!bufferFrame)
        return;
    CopyBuffer(destination, rect);
    FDirty = false;
}

void TAntialiasCanvas::AbandonFrame()
{
    IBufferFrame = false;
    EndPainter();
    FDirty = true;
}

bool TAntialiasCanvas::ReDrawBitmap(QPaintDevice* destination, const TRect& rect)
{
    if (!FBufferedDisplay || FDirty || !FBitmap || FBitmap->width() != rect.Width()
        || FBitmap->height() != rect.Height())
        return false;
    CopyBuffer(destination, rect);
    return true;
}
