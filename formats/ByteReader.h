#pragma once

#include <QtGlobal>

#include <cstring>

// A bounds-checked little-endian view of bytes someone else owns. Reads out
// of range yield 0 and ranges are checked with 64-bit arithmetic, so a
// hostile size or offset can neither overflow nor read past the end.
class TByteReader {
public:
    TByteReader() = default;
    TByteReader(const uchar* Data, qint64 Size) : FData(Data), FSize(Data && Size > 0 ? Size : 0) {}

    const uchar* Data() const { return FData; }
    qint64 Size() const { return FSize; }
    bool Has(qint64 Offset, qint64 Length) const
    {
        return Offset >= 0 && Length >= 0 && Offset <= FSize && Length <= FSize - Offset;
    }
    // The bytes [Offset, Offset + Length), or an empty view when they are not all inside.
    TByteReader Sub(qint64 Offset, qint64 Length) const
    {
        return Has(Offset, Length) ? TByteReader(FData + Offset, Length) : TByteReader();
    }

    quint8 U8(qint64 Offset) const { return Has(Offset, 1) ? FData[Offset] : 0; }
    quint16 U16(qint64 Offset) const
    {
        return Has(Offset, 2) ? quint16(FData[Offset] | FData[Offset + 1] << 8) : 0;
    }
    qint16 I16(qint64 Offset) const { return qint16(U16(Offset)); }
    quint32 U32(qint64 Offset) const
    {
        if (!Has(Offset, 4))
            return 0;
        return quint32(FData[Offset]) | quint32(FData[Offset + 1]) << 8 | quint32(FData[Offset + 2]) << 16
            | quint32(FData[Offset + 3]) << 24;
    }
    qint32 I32(qint64 Offset) const { return qint32(U32(Offset)); }
    float F32(qint64 Offset) const
    {
        const quint32 bits = U32(Offset);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const uchar* FData = nullptr;
    qint64 FSize = 0;
};
