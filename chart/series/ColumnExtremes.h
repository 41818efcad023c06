#pragma once

#include <cstddef>
#include <vector>

// The smallest and largest of a series' Y values over any index range, from
// per-block extremes and a tree over the blocks: built once per data change,
// a query costs a few dozen reads whatever the range's length, so a gesture
// frame costs the plot's width rather than the point count.
class TColumnExtremes {
public:
    explicit TColumnExtremes(const std::vector<double>& Y);

    // Values the index was built from (a stale index has another count).
    size_t Count() const { return FCount; }
    // Some value does not compare (NaN): ranges holding it have no order.
    bool HasUnordered() const { return FUnordered; }
    // Extremes of Y[First..Last], both inclusive, First <= Last < Count().
    void Range(const std::vector<double>& Y, size_t First, size_t Last, double& Min, double& Max) const;

private:
    static constexpr size_t BlockShift = 6;
    static constexpr size_t BlockSize = size_t(1) << BlockShift;

    size_t FCount = 0;
    bool FUnordered = false;
    size_t FLeaves = 1;
    // Heap-ordered trees over the blocks: node k has children 2k and 2k + 1,
    // the leaves start at FLeaves.
    std::vector<double> FMin;
    std::vector<double> FMax;
};
