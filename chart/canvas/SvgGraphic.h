#pragma once

#include "chart/canvas/Graphic.h"

#include <QByteArray>

#include <memory>

class QSvgRenderer;

// A vector picture kept as its SVG bytes and drawn at any size.
class TSvgGraphic : public TGraphic {
public:
    ~TSvgGraphic() override;

    // Throws std::runtime_error carrying the decoder's message when `Bytes` is
    // not a readable SVG document.
    static std::unique_ptr<TSvgGraphic> FromBytes(const QByteArray& Bytes);

    TKind Kind() const override { return gkOther; }
    bool IsEmpty() const override;
    QSize Size() const override;
    void Draw(QPainter& painter, const QRectF& target, bool smooth) const override;

    const QByteArray& Bytes() const { return FBytes; }

private:
    TSvgGraphic(QByteArray Bytes, std::unique_ptr<QSvgRenderer> Renderer);

    QByteArray FBytes;
    std::unique_ptr<QSvgRenderer> FRenderer;
};
