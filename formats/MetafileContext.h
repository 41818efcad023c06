#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <vector>

class QPainter;

// The device context both metafile players draw through: map mode, window and
// viewport, world transform, the object table, selected pen, brush and font,
// colours, clipping, the current position and the path bracket, on a
// QPainter. Every coordinate is mapped to the target rectangle here and
// clamped, so no record can hand the painter an absurd value.
class TMetafileContext {
public:
    enum TObjectKind { okNone, okPen, okBrush, okFont, okOther };
    struct TObject {
        TObjectKind Kind = okNone;
        // Pen: style bits, width in logical units, geometric pen.
        quint32 Style = 0;
        double Width = 0;
        bool Geometric = false;
        QColor Color = Qt::black;
        // Brush: BS_* style, hatch; a pattern brush's picture.
        quint32 Hatch = 0;
        QImage Pattern;
        // Font: height in logical units (negative: em height), escapement in tenths of a degree.
        int Height = 0;
        int Escapement = 0;
        int Weight = 400;
        bool Italic = false, Underline = false, StrikeOut = false;
        int CharSet = 1;
        QString Face;
    };

    // Checked limits.
    static constexpr int MaxSaveDepth = 1024;
    static constexpr int MaxRegionRects = 4096;
    static constexpr int MaxClipElements = 20000;
    // Target coordinates beyond this are clamped: far outside any picture, yet
    // small enough for the rasterizer's fixed-point arithmetic.
    static constexpr double MaxCoordinate = 1e6;
    static constexpr double MaxPenPixels = 1e4;
    static constexpr double MaxFontPixels = 2000;

    // `Frame`: the picture's rectangle in device units (EMF) or, for WMF,
    // in logical units, drawn into `Target`. `Wmf`: the window maps onto the
    // frame instead of the EMF window-to-viewport rules. `PicturePixel`: target
    // pixels per picture pixel where frame units are not pixels (sizes the
    // default font).
    TMetafileContext(QPainter& Painter, const QRectF& Target, const QRectF& Frame, bool Smooth, bool Wmf,
                     int ObjectSlots, double DevicePixelsPerMm = 96 / 25.4, double PicturePixel = 0);
    ~TMetafileContext();
    TMetafileContext(const TMetafileContext&) = delete;
    TMetafileContext& operator=(const TMetafileContext&) = delete;

    // Device context state.
    void SetMapMode(int Mode);
    void SetWindowOrg(QPointF P);
    void SetWindowExt(QSizeF S);
    void SetViewportOrg(QPointF P);
    void SetViewportExt(QSizeF S);
    void OffsetWindowOrg(QPointF D) { SetWindowOrg(IState.WindowOrg + D); }
    void OffsetViewportOrg(QPointF D) { SetViewportOrg(IState.ViewportOrg + D); }
    void ScaleWindowExt(double XNum, double XDenom, double YNum, double YDenom);
    void ScaleViewportExt(double XNum, double XDenom, double YNum, double YDenom);
    // eM11, eM12, eM21, eM22, eDx, eDy; ignored when not finite or singular.
    void SetWorldTransform(const double M[6]);
    void ModifyWorldTransform(const double M[6], quint32 Mode);
    void SaveDC();
    void RestoreDC(int Relative);
    void SetBkMode(int Mode) { IState.BkOpaque = Mode == 2; }
    void SetBkColor(QColor C) { IState.BkColor = C; }
    void SetTextColor(QColor C) { IState.TextColor = C; }
    void SetTextAlign(quint32 Align) { IState.TextAlign = Align; }
    void SetPolyFillMode(int Mode) { IState.Winding = Mode == 2; }
    void SetArcDirection(int Direction) { IState.Clockwise = Direction == 2; }

    // Objects: EMF places them at an index, WMF at the lowest free slot.
    void CreateObjectAt(quint32 Index, TObject Object);
    void CreateObjectLowestFree(TObject Object);
    void SelectObject(quint32 Index);
    void DeleteObject(quint32 Index);

    // Drawing in logical units.
    void MoveTo(QPointF P);
    void LineTo(QPointF P);
    void Polyline(const QPolygonF& Points);
    void PolylineTo(const QPolygonF& Points);
    void Polygon(const QPolygonF& Points);
    void PolyPolygon(const std::vector<QPolygonF>& Polygons);
    void PolyPolyline(const std::vector<QPolygonF>& Polylines);
    void PolyBezier(const QPolygonF& Points);
    void PolyBezierTo(const QPolygonF& Points);
    void Rectangle(const QRectF& Box);
    void Ellipse(const QRectF& Box);
    void RoundRect(const QRectF& Box, QSizeF Corner);
    enum TArcKind { akArc, akArcTo, akChord, akPie };
    void Arc(TArcKind Kind, const QRectF& Box, QPointF Start, QPointF End);
    // Fills with the current brush (PATCOPY), black or white, or nothing for other operations.
    void PatBlt(const QRectF& Box, quint32 Rop);

    // Paths.
    void BeginPath();
    void EndPath() { IPathOpen = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();
    void SelectClipPath(int Mode);

    // Clipping: rectangles in logical units, regions in device units.
    void IntersectClipRect(const QRectF& Box);
    void ExcludeClipRect(const QRectF& Box);
    void ResetClip();
    void SelectClipRegion(const std::vector<QRectF>& Rects, int Mode);
    // Fills device-unit rectangles with the object at `BrushIndex` (or the current brush when negative).
    void FillRegion(const std::vector<QRectF>& Rects, qint64 BrushIndex);

    // Text: `Dx` advances in logical units (may be empty); options ETO_OPAQUE 2, ETO_CLIPPED 4.
    void TextOut(QPointF Reference, const QString& Text, const std::vector<double>& Dx, quint32 Options,
                 const QRectF* Box);
    // Draws `Source` of `Image` into `Dest` (logical units); a negative size mirrors.
    void DrawImage(const QRectF& Dest, const QImage& Image, const QRectF& Source, double Opacity = 1);

    int ObjectCount() const { return int(IObjects.size()); }
    int SaveDepth() const { return int(IStack.size()); }
    QTransform LogicalToTarget() const { return IMap; }

private:
    struct TState {
        int MapMode = 1;
        QPointF WindowOrg, ViewportOrg;
        QSizeF WindowExt{1, 1}, ViewportExt{1, 1};
        bool WindowExtSet = false;
        QTransform World;
        TObject Pen, Brush, Font;
        QColor TextColor = Qt::black, BkColor = Qt::white;
        bool BkOpaque = true;
        quint32 TextAlign = 0;
        bool Winding = false;
        bool Clockwise = false;
        QPainterPath Clip; // target units
        QPointF Current;
    };

    static QPainterPath RectPath(const QRectF& r);

    QPainter& FPainter;
    QRectF FTarget;
    QRectF FFrame;
    bool FWmf;
    double FPixelsPerMm;
    QTransform FOuter;     // the painter's transform on entry
    double FOpacity = 1;   // and its opacity
    double FPicturePixel;
    QTransform FBase;      // device (or WMF frame) units to target
    bool FOuterClip = false;
    QPainterPath FOuterClipPath;

    TState IState;
    std::vector<TState> IStack;
    std::vector<TObject> IObjects;
    QTransform IMap;       // logical to target
    bool IMapValid = true;
    bool IClipDirty = true;
    bool IPathOpen = false;
    QPainterPath IPath;    // target units

    void UpdateMap();
    QPointF Map(QPointF P) const;
    QPainterPath MapPath(const QPainterPath& Logical) const;
    double PenScale() const;
    void ApplyClip();
    void CombineClip(const QPainterPath& Area, int Mode);
    QPen MakePen() const;
    QBrush MakeBrush(const TObject& Brush) const;
    // Draws (or, inside a path bracket, records) a path in target units.
    void Draw(const QPainterPath& Path, bool Fill, bool Stroke);
    void AddOrDraw(const QPainterPath& Logical, bool Fill);
    QPainterPath ArcPath(TArcKind Kind, const QRectF& Box, QPointF Start, QPointF End) const;
    QPainterPath RegionPath(const std::vector<QRectF>& Rects) const;
};
