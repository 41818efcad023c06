#pragma once

#include "formats/EmfWriter.h"

#include <QBrush>
#include <QByteArray>
#include <QPaintEngine>
#include <QPen>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

class QPainterPath;

// The engine of TEmfPaintDevice: turns QPainter calls into EMF records.
// Pens, brushes and fonts become GDI objects, selected only when the state
// really changes; the last few of each kind stay alive so that drawing which
// alternates between them (a line and its markers) selects them again instead
// of making them anew. Connected lines with one pen are gathered into one polyline
// record; rectangular clips become SAVEDC + INTERSECTCLIPRECT, undone with
// RESTOREDC. What EMF cannot say is approximated: alpha of colours is dropped
// (the canvas blends where it matters), a non-rectangular clip clips to its
// bounding box, images with alpha are composited onto white, and the painter's
// opacity is ignored. Rounded rectangles are written as curved paths, not
// ROUNDRECT, whose corners LibreOffice draws twice the size other renderers
// do. Coordinates are device pixels (MM_TEXT); the world
// transform is applied to the points, and its rotation reaches text as the
// font's escapement.
class TEmfPaintEngine : public QPaintEngine {
public:
    TEmfPaintEngine(QSize Size, QSize ScreenPixels, QSizeF ScreenMillimeters, const QString& Title);

    bool begin(QPaintDevice* Device) override;
    bool end() override;
    void updateState(const QPaintEngineState& State) override;
    Type type() const override { return QPaintEngine::User; }

    void drawLines(const QLineF* Lines, int Count) override;
    void drawLines(const QLine* Lines, int Count) override;
    void drawPolygon(const QPointF* Points, int Count, PolygonDrawMode Mode) override;
    void drawPolygon(const QPoint* Points, int Count, PolygonDrawMode Mode) override;
    void drawRects(const QRectF* Rects, int Count) override;
    void drawRects(const QRect* Rects, int Count) override;
    void drawEllipse(const QRectF& Rect) override;
    void drawEllipse(const QRect& Rect) override;
    void drawPath(const QPainterPath& Path) override;
    void drawPoints(const QPointF* Points, int Count) override;
    void drawPixmap(const QRectF& Target, const QPixmap& Pixmap, const QRectF& Source) override;
    void drawImage(const QRectF& Target, const QImage& Image, const QRectF& Source,
                   Qt::ImageConversionFlags Flags = Qt::AutoColor) override;
    void drawTextItem(const QPointF& Position, const QTextItem& Item) override;

    // The finished file after end(); empty while recording or before.
    QByteArray Bytes() const { return IFinished ? FWriter.Data() : QByteArray(); }

private:
    enum TObjectKind { okPen, okBrush, okFont, okKinds };

    // What the playing device context holds: the selected object of each kind
    // (an object index, a stock object, or 0 for the initial default) with the
    // fields it was made from, and the attributes this engine sets. RESTOREDC
    // brings back the state of the SAVEDC.
    struct TDcState {
        uint32_t Object[okKinds] = {0, 0, 0};
        QByteArray Key[okKinds];
        uint32_t TextColor = 0xFFFFFFFF; // unknown
        uint32_t PolyFillMode = 0;       // unknown
    };

    // A live object: its kind, the fields after its index in the creating record.
    struct TCachedObject {
        TObjectKind Kind;
        QByteArray Key;
        uint32_t Handle;
        uint64_t LastUse;
    };

    void WriteHeader();
    void WriteEof();

    uint32_t NewObject();
    // Selects the object of this kind made from Key (a stock object when Stock
    // is set), creating it with the record type Create unless it is alive.
    void SelectObject(TObjectKind Kind, const QByteArray& Key, uint32_t Stock, uint32_t Create);
    // Deletes the least recently used objects of a kind beyond the cache's
    // size, sparing those selected now or by the open SAVEDC.
    void TrimObjects(TObjectKind Kind);
    bool InUse(uint32_t Handle) const;
    void Select(uint32_t Handle);
    void Delete(uint32_t Handle);
    void SelectPen(const QPen& Pen);
    void SelectBrush(const QBrush& Brush);
    void SetPolyFillMode(Qt::FillRule Rule);

    void ApplyClip();
    void FlushPolyline();
    void AddPolyline(const std::vector<QPoint>& Points);
    // Flushes pending lines, brings the clip up to date and selects the painter's pen and brush.
    void PrepareShape(bool Fill = true);
    // The clip the painter's state asks for, as written to the file.
    std::optional<QRect> WantedClip() const;
    // Writes an ellipse fill held back to see whether its frame follows.
    void FlushPendingFill();

    // Device pixel for a coordinate: the nearest integer, halves going down, so
    // that a one-pixel line the canvas centres on a pixel (x + 0.5) lands on that
    // pixel's own column. Saturated at the int32 range; NaN gives 0.
    static int ToDevice(double V);
    // The resolution fonts sized in points are drawn at.
    static constexpr int kDpi = 96;

    QPoint Map(const QPointF& Point) const;
    QRect MapBox(const QRectF& Rect) const;
    bool Stroked() const { return IPen.style() != Qt::NoPen; }
    bool Filled() const { return IBrush.style() != Qt::NoBrush; }
    double Scale() const;

    // A poly record with its bounds: 16-bit points when all fit, else the 32-bit type.
    void WritePoly(uint32_t Type16, uint32_t Type32, const std::vector<QPoint>& Points);
    void WritePathRecords(const QPainterPath& Path);

    // Configuration.
    QSize FSize;
    QSize FScreenPixels;
    QSizeF FScreenMillimeters;
    QString FTitle;

    TEmfWriter FWriter;
    bool IFinished = false;
    std::vector<bool> IObjects; // in use, by object index (0 reserved)
    uint32_t IHighestObject = 0;

    TDcState IDc;
    std::optional<TDcState> ISavedDc; // the state saved by the open SAVEDC, if any
    std::vector<TCachedObject> IAlive;
    uint64_t IUseCount = 0;

    // Painter state.
    QPen IPen;
    QBrush IBrush;
    QTransform IXform;
    std::optional<QRectF> IClip; // device coordinates
    bool IClipEnabled = false;
    std::optional<QRect> IWrittenClip;

    // Lines waiting to become one polyline record, drawn with the selected pen.
    std::vector<QPoint> IPolyline;
    // The canvas fills a shape and then frames it in a second call; an
    // ellipse fill waits here so that a frame of the same box makes one
    // ELLIPSE record with both pen and brush, as the format draws it.
    struct TPendingFill {
        QRect Box;
        QBrush Brush;
    };
    std::optional<TPendingFill> IPendingFill;
    // QPainter draws a text's underline and strike-out as lines after the text;
    // the font record carries them already, so these lines are skipped.
    int IDecorationLines = 0;
};
