#pragma once

// Any bytes through metafile loading and playing, onto a small picture
// through a painter that already clips and translates.

#include "chart/panel/MetafileGraphic.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <exception>

inline int PlayMetafileBytes(const uint8_t* Data, size_t Size)
{
    if (Size > 1 << 16)
        return 0;
    std::unique_ptr<TMetafileGraphic> graphic;
    try {
        graphic = TMetafileGraphic::FromBytes(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    } catch (const std::exception&) {
        return 0; // a refused file is a valid outcome; a crash is not
    }
    (void)graphic->Size();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(3, 2);
    painter.setClipRect(0, 0, 56, 40);
    graphic->Draw(painter, QRectF(1, 1, 58, 41), Size > 0 && (Data[Size - 1] & 1));
    return 0;
}
