#include "chart/series/ColumnLumps.h"

#include <algorithm>
#include <bit>

namespace {

// Markers and segments share the table: a marker's key has both halves
// equal, which no segment has (a segment joins two different rows).
uint64_t SegmentKey(int A, int B) { return uint64_t(uint32_t(A)) << 32 | uint32_t(B); }

} // namespace

TColumnLumps::TSlot& TColumnLumps::Find(uint64_t Key)
{
    const size_t Mask = FTable.size() - 1;
    size_t i = size_t((Key * 0x9E3779B97F4A7C15ull) >> 32) & Mask;
    while (FTable[i].Generation == FGeneration && FTable[i].Key != Key)
        i = (i + 1) & Mask;
    return FTable[i];
}

const std::vector<TColumnLumps::TItem>& TColumnLumps::Lump(const std::vector<int>& Rows, bool LastMarker)
{
    // The primitives in drawing order, runs of one row as one marker: a
    // run's marker comes after the segment leaving it, since its last point
    // draws its marker after that segment.
    FSequence.clear();
    size_t t = 0;
    while (t < Rows.size()) {
        size_t End = t + 1;
        while (End < Rows.size() && Rows[End] == Rows[t])
            ++End;
        int Times = int(End - t);
        if (End < Rows.size()) {
            FSequence.push_back({Rows[t], Rows[End], 1, 0});
        } else if (!LastMarker) {
            --Times;
        }
        if (Times > 0)
            FSequence.push_back({Rows[t], Rows[t], Times, 0});
        t = End;
    }

    const size_t Wanted = std::bit_ceil(std::max<size_t>(64, FSequence.size() * 2));
    if (FTable.size() < Wanted) {
        FTable.assign(Wanted, TSlot{0, 0, 0});
        FGeneration = 0;
    }
    if (++FGeneration == 0) {
        std::fill(FTable.begin(), FTable.end(), TSlot{0, 0, 0});
        FGeneration = 1;
    }

    // From the end: the first sighting of a primitive is its last drawing.
    FItems.clear();
    for (size_t k = FSequence.size(); k-- > 0;) {
        const TItem& P = FSequence[k];
        const uint64_t Key = SegmentKey(P.A, P.B);
        TSlot& Slot = Find(Key);
        if (Slot.Generation == FGeneration) {
            FItems[size_t(Slot.Item)].Earlier += P.Times;
            continue;
        }
        Slot = {Key, FGeneration, int(FItems.size())};
        FItems.push_back(P);
    }
    std::reverse(FItems.begin(), FItems.end());
    return FItems;
}
