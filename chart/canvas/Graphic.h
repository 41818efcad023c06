#pragma once

#include <QSize>

class QPainter;
class QRectF;

// A decoded picture the canvas can draw: a bitmap, an icon, a metafile or any
// other picture kind (PNG, SVG, ...), each drawing itself onto a painter.
class TGraphic {
public:
    enum TKind { gkBitmap, gkIcon, gkMetafile, gkOther };

    virtual ~TGraphic() = default;
    virtual TKind Kind() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual QSize Size() const = 0;
    // Draws scaled into `target`; `smooth` chooses high-quality interpolation.
    virtual void Draw(QPainter& painter, const QRectF& target, bool smooth) const = 0;
};
