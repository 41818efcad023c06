#pragma once

#include "formats/ByteReader.h"

#include <QRectF>
#include <QSize>

class QPainter;
class TMetafileContext;

// Reads an enhanced metafile (EMF) and plays its records onto a painter. The
// constructor checks the header and the whole record chain and throws
// std::runtime_error with the reason; records that turn out damaged while
// playing are skipped. The bytes are not copied and must outlive the player.
class TEmfPlayer {
public:
    // More records than this make no picture anyone draws.
    static constexpr qint64 MaxRecords = qint64(1) << 22;

    explicit TEmfPlayer(TByteReader Bytes);

    static bool LooksLikeEmf(const TByteReader& Bytes);
    // The picture's size in pixels of the reference device.
    QSize Size() const { return FSize; }
    void Play(QPainter& Painter, const QRectF& Target, bool Smooth) const;

private:
    TByteReader FBytes;
    qint64 FEnd = 0;      // end of the last record played
    qint64 FRecords = 0;  // records to play, header included
    int FHandles = 0;
    QRectF FFrame;        // reference-device pixels
    QSize FSize;
    double FPixelsPerMm = 96 / 25.4;

    void PlayRecord(TMetafileContext& Context, const TByteReader& Record, quint32 Type) const;
};
