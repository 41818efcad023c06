#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "core/Color.h"

#include <QRect>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Everything a stamped figure's pixels depend on: the caller's figure code and
// reach, and the surface state it is drawn with.
struct TStampKey {
    uint64_t Shape = 0;
    int Reach = 0;
    bool PenVisible = false;
    TColor PenColor = 0;
    int PenWidth = 0;
    TPenStyle PenStyle = psSolid;
    TPenEndStyle PenEnd = esRound;
    TPenJoinStyle PenJoin = jsRound;
    TColor BrushColor = 0;
    TBrushStyle BrushStyle = bsSolid;
    TColor BrushBack = 0;
    int Transparency = 255;
    bool AntiAlias = true;

    friend bool operator==(const TStampKey&, const TStampKey&) = default;
};

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
    void Blend(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip) const;

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
    void Replay(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip) const;

    int FReach = 0;
    // Three kinds, each replayed by a loop of its own.
    std::vector<TPixel> FStores;
    std::vector<TPixel> FBlends;
    std::vector<TPixel> FTabled;
    std::vector<uint8_t> FTables; // per table: 4 channels × 256 entries
};

// The stamps a surface has made, by key. A key is drawn directly for its
// first few uses, so that figures drawn only a handful of times never pay
// for a stamp.
class TStampCache {
public:
    enum TState { ssYoung, ssReady, ssUnusable };
    struct TEntry {
        TStampKey Key;
        int Uses = 0;
        TState State = ssYoung;
        std::unique_ptr<TStamp> Stamp;
    };

    // Direct draws of a key before its stamp is made.
    static constexpr int kDirectUses = 8;
    // Larger figures are always drawn directly.
    static constexpr int kMaxReach = 32;

    // The entry for Key, made when missing.
    TEntry& Entry(const TStampKey& Key);
    // Stores a freshly made stamp (null: the key cannot be stamped).
    void Store(TEntry& Entry, std::unique_ptr<TStamp> Stamp);
    void Clear();
    int Count() const { return int(FEntries.size()); }

private:
    struct TKeyHash {
        size_t operator()(const TStampKey& K) const;
    };
    std::vector<std::unique_ptr<TEntry>> FEntries;
    // Markers and segments take turns: keys are found by hash in a flat
    // open-addressed table (slot = entry index + 1, 0 = empty), not by a scan.
    static constexpr size_t kSlots = 1024; // a power of two, well above kMaxEntries
    std::vector<uint32_t> FSlots = std::vector<uint32_t>(kSlots, 0);
    std::vector<size_t> FHashes;
    size_t FLast = 0;
    size_t FPrevious = 0;
    size_t FBytes = 0;
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
