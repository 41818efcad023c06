#pragma once

#include "chart/canvas/Graphic.h"
#include "core/Color.h"

#include <QImage>

// A raster picture: a bitmap, an icon or another decoded kind (PNG, TIFF, ...).
// A bitmap marked transparent shows the pixels under it wherever it has its
// transparent colour (or, without one, the colour of its bottom-left pixel).
class TImageGraphic : public TGraphic {
public:
    explicit TImageGraphic(QImage Image, TKind Kind = gkOther);

    TKind Kind() const override { return FKind; }
    bool IsEmpty() const override { return FImage.isNull(); }
    QSize Size() const override { return FImage.size(); }
    void Draw(QPainter& painter, const QRectF& target, bool smooth) const override;

    const QImage& Image() const { return FImage; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // clNone: the bottom-left pixel decides.
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor Value);

private:
    QImage FImage;
    TKind FKind;
    bool FTransparent = false;
    TColor FTransparentColor = clNone;
    mutable QImage FKeyed; // FImage with its transparent colour keyed out, made on first draw

    const QImage& Drawable() const;
};
