#include "chart/canvas/StampCache.h"

#include "chart/canvas/Stamp.h"

#include <algorithm>
#include <bit>

namespace {

// Old stamps are dropped once the cache holds this much.
constexpr size_t kMaxBytes = size_t(32) << 20;
constexpr size_t kMaxEntries = 256;

} // namespace

// Out of line, where TStamp is complete: the entries own their stamps.
TStampCache::TStampCache() = default;
TStampCache::~TStampCache() = default;

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
    mix(std::bit_cast<uint64_t>(K.DashPhase));
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
