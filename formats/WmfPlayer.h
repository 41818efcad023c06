#pragma once

#include "formats/ByteReader.h"

#include <QRectF>
#include <QSize>

class QPainter;
class TMetafileContext;

// Reads a Windows metafile (WMF, with or without the placeable header) and
// plays its records onto a painter. The constructor checks the headers and
// the record chain and throws std::runtime_error with the reason; damaged
// records met while playing are skipped, escapes are never acted on. The
// bytes are not copied and must outlive the player.
class TWmfPlayer {
public:
    static constexpr qint64 MaxRecords = qint64(1) << 22;
    static constexpr quint32 PlaceableKey = 0x9AC6CDD7;

    explicit TWmfPlayer(TByteReader Bytes);

    static bool LooksLikeWmf(const TByteReader& Bytes);
    // Pixels at 96 per inch for a placeable file; otherwise the window's logical units.
    QSize Size() const { return FSize; }
    void Play(QPainter& Painter, const QRectF& Target, bool Smooth) const;

private:
    TByteReader FBytes;
    qint64 FFirst = 0;   // first record
    qint64 FEnd = 0;     // end of the last record
    int FObjects = 0;
    QRectF FFrame;       // logical units
    QSize FSize;

    void PlayRecord(TMetafileContext& Context, const TByteReader& Record, quint16 Function) const;
};
