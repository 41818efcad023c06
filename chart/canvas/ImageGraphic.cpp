#include "chart/canvas/ImageGraphic.h"

#include <QPainter>
#include <QRectF>

#include <utility>

TImageGraphic::TImageGraphic(QImage Image, TKind Kind) : FImage(std::move(Image)), FKind(Kind) {}

void TImageGraphic::SetTransparent(bool Value)
{
    FTransparent = Value;
    FKeyed = QImage();
}

void TImageGraphic::SetTransparentColor(TColor Value)
{
    FTransparentColor = Value;
    FKeyed = QImage();
}

const QImage& TImageGraphic::Drawable() const
{
    if (!FTransparent || FKind != gkBitmap || FImage.isNull())
        return FImage;
    if (FKeyed.isNull()) {
        QImage keyed = FImage.convertToFormat(QImage::Format_ARGB32);
        QRgb key;
        if (FTransparentColor == clNone)
            key = keyed.pixel(0, keyed.height() - 1) & 0xFFFFFFu;
        else
            key = qRgb(RedOf(FTransparentColor), GreenOf(FTransparentColor), BlueOf(FTransparentColor)) & 0xFFFFFFu;
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((line[x] & 0xFFFFFFu) == key)
                    line[x] = 0;
        }
        FKeyed = std::move(keyed);
    }
    return FKeyed;
}

void TImageGraphic::Draw(QPainter& painter, const QRectF& target, bool smooth) const
{
    const QImage& image = Drawable();
    if (image.isNull() || target.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(target, image, QRectF(image.rect()));
}
