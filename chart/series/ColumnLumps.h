#pragma once

#include <cstdint>
#include <vector>

// The drawing of one pixel column of a dense series with markers, with every
// repeated primitive lumped into its last occurrence.
//
// Point by point, a column draws for each point the segment from its
// predecessor and then the predecessor's marker. Where many points share a
// column the same segments and markers come back over and over; only the
// last drawing of each decides the pixels it covers solidly, so drawing each
// distinct primitive once, in the order of the last occurrences, leaves
// those pixels as they were. Smoothed edges that nothing covers solidly
// build up over every drawing: the earlier ones come first, as a pass of
// their own.
class TColumnLumps {
public:
    // A segment from row A to row B, or the marker at row A (B == A) drawn
    // Times times in its last run; Earlier: its drawings before that.
    struct TItem {
        int A;
        int B;
        int Times;
        int Earlier;
        bool Marker() const { return A == B; }
    };

    // Rows: the rows of the column's points in order. The marker of the
    // column's last point belongs to whatever follows, unless LastMarker.
    const std::vector<TItem>& Lump(const std::vector<int>& Rows, bool LastMarker);

private:
    struct TSlot {
        uint64_t Key;
        uint32_t Generation;
        int Item;
    };
    std::vector<TItem> FSequence;
    std::vector<TItem> FItems;
    std::vector<TSlot> FTable;
    uint32_t FGeneration = 0;

    TSlot& Find(uint64_t Key);
};
