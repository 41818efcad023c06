#pragma once

#include "chart/canvas/Graphic.h"

#include <QByteArray>

#include <memory>
#include <stdexcept>

class QSvgRenderer;

// A vector picture kept as its SVG bytes and drawn at any size.
class TSvgGraphic : public TGraphic {
public:
    ~TSvgGraphic() override;

    // The largest document taken, compressed (svgz) documents counted by
    // their inflated size: a few kilobytes of gzip can stand for gigabytes.
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;

    // Throws std::runtime_error carrying the decoder's message when `Bytes` is
    // not a readable SVG document, is larger than MaxBytes, or refers to
    // anything outside itself (an image file, a web address, a style sheet):
    // a picture someone sends must not draw the reader's own files into the
    // chart. Images embedded as data: URLs and references within the
    // document are kept.
    static std::unique_ptr<TSvgGraphic> FromBytes(const QByteArray& Bytes);

    // What FromBytes throws for a document that refers outside itself.
    class EOutsideReference : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

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
