#include "chart/canvas/StampCache.h"

#include <algorithm>

namespace {

// Old stamps are dropped once the cache holds this much.
constexpr size_t kMaxBytes = size_t(32) << 20;
constexpr size_t kMaxEntries = 256;

constexpr uint32_t Ground(int g) { return uint32_t(g) * 0x01010101u; }

} // namespace

std::unique_ptr<TStamp> TStamp::FromRenders(const std::vector<uint32_t>& Renders, int Side, int Margin)
{
    const size_t area = size_t(Side) * size_t(Side);
    if (Side <= 2 * Margin || Renders.size() != 256 * area)
        return nullptr;
    auto stamp = std::make_unique<TStamp>();
    const int centre = Side / 2;
    stamp->FReach = centre - Margin;
    auto at = [&](int g, size_t p) { return Renders[size_t(g) * area + p]; };

    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const size_t p = size_t(y) * size_t(Side) + size_t(x);
            bool untouched = true;
            for (int g = 0; g < 256 && untouched; ++g)
                untouched = at(g, p) == Ground(g);
            if (untouched)
                continue;
            if (x < Margin || y < Margin || x >= Side - Margin || y >= Side - Margin)
                return nullptr;

            TPixel pixel{int16_t(x - centre), int16_t(y - centre), 0, 0};
            // One blend: over an empty ground it leaves the source, over a
            // full one the source plus what stayed of the ground.
            const uint32_t source = at(0, p);
            const int keep = int(at(255, p) >> 24) - int(source >> 24);
            bool blend = keep >= 0 && keep <= 255;
            for (int g = 0; g < 256 && blend; ++g)
                blend = at(g, p) == source + StampByteMul(Ground(g), uint32_t(keep));
            if (blend) {
                pixel.Value = source;
                pixel.Keep = uint32_t(keep);
                (keep == 0 ? stamp->FStores : stamp->FBlends).push_back(pixel);
                continue;
            }
            pixel.Value = uint32_t(stamp->FTables.size());
            stamp->FTables.resize(stamp->FTables.size() + 1024);
            uint8_t* table = stamp->FTables.data() + pixel.Value;
            for (int g = 0; g < 256; ++g) {
                const uint32_t v = at(g, p);
                for (int c = 0; c < 4; ++c)
                    table[c * 256 + g] = uint8_t(v >> (8 * c));
            }
            stamp->FTabled.push_back(pixel);
        }
    }
    return stamp;
}

template <bool Whole>
void TStamp::Replay(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip) const
{
    uchar* const origin = Bits + qsizetype(Y) * BytesPerLine + qsizetype(X) * 4;
    auto target = [&](const TPixel& p) -> uint32_t* {
        if (!Whole) {
            const int x = X + p.Dx, y = Y + p.Dy;
            if (x < Clip.left() || x > Clip.right() || y < Clip.top() || y > Clip.bottom())
                return nullptr;
        }
        return reinterpret_cast<uint32_t*>(origin + qsizetype(p.Dy) * BytesPerLine + qsizetype(p.Dx) * 4);
    };
    for (const TPixel& p : FStores)
        if (uint32_t* d = target(p))
            *d = p.Value;
    for (const TPixel& p : FBlends)
        if (uint32_t* d = target(p))
            *d = p.Value + StampByteMul(*d, p.Keep);
    for (const TPixel& p : FTabled) {
        if (uint32_t* d = target(p)) {
            const uint8_t* t = FTables.data() + p.Value;
            const uint32_t v = *d;
            *d = uint32_t(t[v & 0xFF]) | (uint32_t(t[256 + ((v >> 8) & 0xFF)]) << 8)
                | (uint32_t(t[512 + ((v >> 16) & 0xFF)]) << 16) | (uint32_t(t[768 + (v >> 24)]) << 24);
        }
    }
}

void TStamp::Blend(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip) const
{
    // Whole stamps skip the per-pixel test.
    if (X - FReach >= Clip.left() && X + FReach <= Clip.right() && Y - FReach >= Clip.top()
        && Y + FReach <= Clip.bottom())
        Replay<true>(Bits, BytesPerLine, X, Y, Clip);
    else
        Replay<false>(Bits, BytesPerLine, X, Y, Clip);
}

TStampCache::TEntry& TStampCache::Entry(const TStampKey& Key)
{
    // Markers and segments alternate: the last two keys are tried first.
    if (FLast < FEntries.size() && FEntries[FLast]->Key == Key)
        return *FEntries[FLast];
    if (FPrevious < FEntries.size() && FEntries[FPrevious]->Key == Key) {
        std::swap(FLast, FPrevious);
        return *FEntries[FLast];
    }
    FPrevious = FLast;
    const size_t hash = TKeyHash()(Key);
    size_t slot = hash & (kSlots - 1);
    while (const uint32_t used = FSlots[slot]) {
        const size_t index = used - 1;
        if (FHashes[index] == hash && FEntries[index]->Key == Key) {
            FLast = index;
            return *FEntries[index];
        }
        slot = (slot + 1) & (kSlots - 1);
    }
    if (FEntries.size() >= kMaxEntries) {
        Clear();
        slot = hash & (kSlots - 1);
    }
    auto entry = std::make_unique<TEntry>();
    entry->Key = Key;
    FEntries.push_back(std::move(entry));
    FHashes.push_back(hash);
    FLast = FEntries.size() - 1;
    FSlots[slot] = uint32_t(FEntries.size());
    return *FEntries.back();
}

size_t TStampCache::TKeyHash::operator()(const TStampKey& K) const
{
    uint64_t h = K.Shape * 0x9E3779B97F4A7C15ull;
    auto mix = [&h](uint64_t v) { h = (h ^ v) * 0x100000001B3ull; };
    mix(uint64_t(K.Reach));
    mix(uint64_t(K.PenVisible) | uint64_t(K.PenStyle) << 8 | uint64_t(K.PenEnd) << 16 | uint64_t(K.PenJoin) << 24
        | uint64_t(K.BrushStyle) << 32 | uint64_t(K.AntiAlias) << 40);
    mix(uint64_t(K.PenColor) | uint64_t(uint32_t(K.PenWidth)) << 32);
    mix(uint64_t(K.BrushColor) | uint64_t(K.BrushBack) << 32);
    mix(uint64_t(uint32_t(K.Transparency)));
    return size_t(h ^ (h >> 29));
}

void TStampCache::Store(TEntry& Entry, std::unique_ptr<TStamp> Stamp)
{
    if (!Stamp) {
        Entry.State = ssUnusable;
        return;
    }
    const size_t bytes = Stamp->Bytes();
    if (FBytes + bytes > kMaxBytes) {
        // Drop the other stamps; this entry stays (callers hold it).
        for (auto& e : FEntries) {
            if (e.get() != &Entry && e->Stamp) {
                e->Stamp.reset();
                e->State = ssYoung;
                e->Uses = 0;
            }
        }
        FBytes = 0;
    }
    FBytes += bytes;
    Entry.Stamp = std::move(Stamp);
    Entry.State = ssReady;
}

void TStampCache::Clear()
{
    FEntries.clear();
    FHashes.clear();
    FPrevious = 0;
    std::fill(FSlots.begin(), FSlots.end(), 0u);
    FLast = 0;
    FBytes = 0;
}
