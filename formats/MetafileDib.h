#pragma once

#include "formats/ByteReader.h"

#include <QImage>

// Device-independent bitmaps as metafiles embed them: a BITMAPINFOHEADER,
// optional colour masks and colour table, and the pixel rows. Everything is
// checked against the bytes given; anything unsupported or damaged decodes to
// a null image, which the players skip.
class TMetafileDib {
public:
    // Larger bitmaps are not decoded: 4096 × 4096 pixels.
    static constexpr qint64 MaxPixels = qint64(1) << 24;

    // Bytes of header, masks and colour table, or -1 when the header is unusable.
    static qint64 InfoSize(const TByteReader& Info);
    // `Alpha`: the fourth byte of 32-bit pixels is premultiplied alpha;
    // otherwise it is ignored and the image is opaque.
    static QImage Decode(const TByteReader& Info, const TByteReader& Bits, bool Alpha = false);
    // A packed DIB: the pixel rows follow the colour table.
    static QImage DecodePacked(const TByteReader& Packed, bool Alpha = false);
};
