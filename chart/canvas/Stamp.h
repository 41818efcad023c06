#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class QRect;

// What drawing a figure does to each pixel around its centre, so that it can
// be replayed at any integer centre with the very same result.
//
// The raster engine composes premultiplied pixels channel by channel: each
// output channel depends only on the same channel underneath. A figure's
// effect on one pixel is therefore fully known once it has been drawn over the
// 256 uniform grounds (g, g, g, g). Most pixels turn out to be one source-over
// blend (or a plain store); the rest, where the engine blended a pixel more
// than once, keep a 256-entry table per channel.
class TStamp {
public:
    // Builds the stamp from Renders: 256 pictures of Side × Side pixels, the
    // figure drawn at the centre over ground g in picture g. Null when the
    // figure touched the outermost Margin rings (it reaches further than it
    // said and cannot be stamped).
    static std::unique_ptr<TStamp> FromRenders(const std::vector<uint32_t>& Renders, int Side, int Margin);

    // Draws the stamp centred on (X, Y) into a premultiplied 32-bit picture,
    // touching only pixels inside Clip (which must lie inside the picture).
    // Times > 1: the same as Times blends in a row, each pixel stopping as
    // soon as one more blend leaves it as it is.
    void Blend(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip, int Times = 1) const;

    size_t Bytes() const
    {
        return (FStores.size() + FBlends.size() + FTabled.size()) * sizeof(TPixel) + FTables.size();
    }
    // The pixels the figure changes, and how many of them need tables.
    int PixelCount() const { return int(FStores.size() + FBlends.size() + FTabled.size()); }
    int TableCount() const { return int(FTabled.size()); }

private:
    struct TPixel {
        int16_t Dx;
        int16_t Dy;
        uint32_t Value; // stores and blends: the premultiplied source; else the table
        uint32_t Keep;  // blends: how much of the ground stays, 1 .. 255
    };

    template <bool Whole>
    void Replay(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip, int Times) const;
    // Times drawings in a row as one stamp, made on first use; null when
    // they are to be replayed one by one.
    const TStamp* Repeated(int Times) const;
    std::unique_ptr<TStamp> MakeRepeated(int Times, bool& Converged) const;

    int FReach = 0;
    // Three kinds, each replayed by a loop of its own.
    std::vector<TPixel> FStores;
    std::vector<TPixel> FBlends;
    std::vector<TPixel> FTabled;
    std::vector<uint8_t> FTables; // per table: 4 channels × 256 entries
    // Dense markers come many times over the same pixel: each count made
    // once (index Times - 2). Whether the most counted one reached every
    // pixel's fixed point, so that more drawings change nothing: -1 unknown.
    mutable std::vector<std::unique_ptr<TStamp>> FRepeats;
    mutable size_t FRepeatBytes = 0;
    mutable int FConverged = -1;
};

// Source-over of a premultiplied pixel: each channel of x times a / 255,
// rounded the way the raster engine rounds.
inline uint32_t StampByteMul(uint32_t x, uint32_t a)
{
    uint64_t t = ((uint64_t(x) | (uint64_t(x) << 24)) & 0x00FF00FF00FF00FFull) * a;
    t = (t + ((t >> 8) & 0x00FF00FF00FF00FFull) + 0x0080008000800080ull) >> 8;
    t &= 0x00FF00FF00FF00FFull;
    return uint32_t(t) | uint32_t(t >> 24);
}
