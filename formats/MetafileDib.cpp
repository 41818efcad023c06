#include "formats/MetafileDib.h"

#include <climits>

namespace {

constexpr quint32 BiRgb = 0;
constexpr quint32 BiBitfields = 3;

struct TDibHeader {
    qint64 HeaderSize = 0;
    qint64 Width = 0;
    qint64 Height = 0; // negative: top-down rows
    int BitCount = 0;
    quint32 Compression = 0;
    qint64 Colors = 0; // colour table entries
    qint64 MaskOffset = -1;
    qint64 TableOffset = 0;
    qint64 InfoSize = 0;
};

bool ReadHeader(const TByteReader& Info, TDibHeader& h)
{
    h.HeaderSize = Info.U32(0);
    if (h.HeaderSize < 40 || !Info.Has(0, h.HeaderSize))
        return false;
    h.Width = Info.I32(4);
    const qint32 height = Info.I32(8);
    if (h.Width <= 0 || height == 0 || height == INT_MIN || Info.U16(12) != 1)
        return false;
    h.Height = height;
    h.BitCount = Info.U16(14);
    switch (h.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    h.Compression = Info.U32(16);
    if (h.Compression == BiBitfields) {
        if (h.BitCount != 16 && h.BitCount != 32)
            return false;
    } else if (h.Compression != BiRgb) {
        return false; // run-length, JPEG and PNG bitmaps are not played
    }
    if (h.Width * (h.Height < 0 ? -h.Height : h.Height) > TMetafileDib::MaxPixels)
        return false;
    const qint64 used = Info.U32(32);
    if (h.BitCount <= 8) {
        const qint64 full = qint64(1) << h.BitCount;
        h.Colors = used == 0 || used > full ? full : used;
    } else {
        h.Colors = used > 256 ? 256 : used; // an optional table, not used for drawing
    }
    qint64 at = h.HeaderSize;
    if (h.Compression == BiBitfields) {
        // A 40-byte header is followed by the three masks; longer headers hold them.
        h.MaskOffset = 40;
        if (h.HeaderSize == 40)
            at += 12;
        if (!Info.Has(h.MaskOffset, 12))
            return false;
    }
    h.TableOffset = at;
    h.InfoSize = at + h.Colors * 4;
    return Info.Has(0, h.InfoSize);
}

struct TMask {
    quint32 Mask = 0;
    int Shift = 0;
    int Bits = 0;
    explicit TMask(quint32 m) : Mask(m)
    {
        if (!m)
            return;
        while (!(m & 1)) {
            m >>= 1;
            ++Shift;
        }
        while (m & 1) {
            m >>= 1;
            ++Bits;
        }
    }
    int Value(quint32 pixel) const
    {
        if (!Bits)
            return 0;
        const quint32 v = (pixel & Mask) >> Shift;
        const quint32 max = Bits >= 32 ? 0xFFFFFFFFu : (1u << Bits) - 1;
        return int((quint64(v) * 255 + max / 2) / max);
    }
};

} // namespace

qint64 TMetafileDib::InfoSize(const TByteReader& Info)
{
    TDibHeader h;
    return ReadHeader(Info, h) ? h.InfoSize : -1;
}

QImage TMetafileDib::Decode(const TByteReader& Info, const TByteReader& Bits, bool Alpha)
{
    TDibHeader h;
    if (!ReadHeader(Info, h))
        return {};
    const qint64 rows = h.Height < 0 ? -h.Height : h.Height;
    const qint64 stride = (h.Width * h.BitCount + 31) / 32 * 4;
    if (!Bits.Has(0, stride * rows))
        return {};
    const bool premultiplied = Alpha && h.BitCount == 32;
    QImage image(int(h.Width), int(rows), premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    QRgb table[256];
    for (qint64 i = 0; i < 256; ++i) {
        if (i < h.Colors) {
            const qint64 at = h.TableOffset + 4 * i;
            table[i] = qRgb(Info.U8(at + 2), Info.U8(at + 1), Info.U8(at));
        } else {
            table[i] = qRgb(0, 0, 0);
        }
    }
    quint32 masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (h.BitCount == 32)
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    if (h.MaskOffset >= 0)
        for (int i = 0; i < 3; ++i)
            masks[i] = Info.U32(h.MaskOffset + 4 * i);
    const TMask red(masks[0]), green(masks[1]), blue(masks[2]);
    const uchar* data = Bits.Data();
    for (qint64 row = 0; row < rows; ++row) {
        const uchar* src = data + row * stride;
        const qint64 y = h.Height > 0 ? rows - 1 - row : row;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (qint64 x = 0; x < h.Width; ++x) {
            QRgb pixel;
            switch (h.BitCount) {
            case 1: pixel = table[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: pixel = table[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]; break;
            case 8: pixel = table[src[x]]; break;
            case 16: {
                const quint32 v = quint32(src[2 * x] | src[2 * x + 1] << 8);
                pixel = qRgb(red.Value(v), green.Value(v), blue.Value(v));
                break;
            }
            case 24: pixel = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            default: {
                const uchar* p = src + 4 * x;
                if (premultiplied) {
                    const int a = p[3];
                    // Premultiplied components never exceed alpha.
                    pixel = qRgba(qMin<int>(p[2], a), qMin<int>(p[1], a), qMin<int>(p[0], a), a);
                } else if (h.Compression == BiBitfields) {
                    const quint32 v = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
                    pixel = qRgb(red.Value(v), green.Value(v), blue.Value(v));
                } else {
                    pixel = qRgb(p[2], p[1], p[0]);
                }
            }
            }
            dst[x] = pixel;
        }
    }
    return image;
}

QImage TMetafileDib::DecodePacked(const TByteReader& Packed, bool Alpha)
{
    const qint64 info = InfoSize(Packed);
    if (info < 0)
        return {};
    return Decode(Packed.Sub(0, info), Packed.Sub(info, Packed.Size() - info), Alpha);
}
