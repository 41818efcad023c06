#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The positions of the items of a list that grows only at its end, kept
// beside the list: each item gets a stamp larger than any before it, so the
// stamps along the list rise and an item's position is a binary search away.
// Lookup is logarithmic, appending constant; taking an item out moves the
// stamps after it (one memmove, nothing per item looked at).
//
// A chart of ten thousand series asks "where is this series" for every series
// it adds, removes or draws; a linear search made that quadratic.
template <typename TKey>
class TInsertionOrder {
public:
    void Append(TKey Key)
    {
        FStampOf.emplace(Key, FNext);
        FStamps.push_back(FNext);
        ++FNext;
    }
    // The position of Key, or -1.
    std::ptrdiff_t IndexOf(TKey Key) const
    {
        const auto It = FStampOf.find(Key);
        if (It == FStampOf.end())
            return -1;
        return std::lower_bound(FStamps.begin(), FStamps.end(), It->second) - FStamps.begin();
    }
    bool Contains(TKey Key) const { return FStampOf.count(Key) != 0; }
    // Key, found at Index, leaves.
    void Erase(std::size_t Index, TKey Key)
    {
        FStamps.erase(FStamps.begin() + std::ptrdiff_t(Index));
        FStampOf.erase(Key);
    }
    void Clear()
    {
        FStamps.clear();
        FStampOf.clear();
    }

private:
    std::vector<std::uint64_t> FStamps;
    std::unordered_map<TKey, std::uint64_t> FStampOf;
    std::uint64_t FNext = 0;
};
