#pragma once

#include "chart/canvas/StampKey.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TStamp;

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

    TStampCache();
    ~TStampCache();

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
