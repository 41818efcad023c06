#include "chart/series/ColumnExtremes.h"

#include <algorithm>
#include <limits>

TColumnExtremes::TColumnExtremes(const std::vector<double>& Y) : FCount(Y.size())
{
    const size_t Blocks = (FCount + BlockSize - 1) / BlockSize;
    while (FLeaves < Blocks)
        FLeaves *= 2;
    constexpr double Inf = std::numeric_limits<double>::infinity();
    FMin.assign(2 * FLeaves, Inf);
    FMax.assign(2 * FLeaves, -Inf);
    for (size_t b = 0; b < Blocks; ++b) {
        double Lo = Inf;
        double Hi = -Inf;
        const size_t End = std::min(FCount, (b + 1) * BlockSize);
        for (size_t i = b * BlockSize; i < End; ++i) {
            const double v = Y[i];
            if (v != v)
                FUnordered = true;
            Lo = std::min(Lo, v);
            Hi = std::max(Hi, v);
        }
        FMin[FLeaves + b] = Lo;
        FMax[FLeaves + b] = Hi;
    }
    for (size_t k = FLeaves - 1; k >= 1; --k) {
        FMin[k] = std::min(FMin[2 * k], FMin[2 * k + 1]);
        FMax[k] = std::max(FMax[2 * k], FMax[2 * k + 1]);
    }
}

void TColumnExtremes::Range(const std::vector<double>& Y, size_t First, size_t Last, double& Min, double& Max) const
{
    Min = Max = Y[First];
    auto Scan = [&](size_t From, size_t To) {
        for (size_t i = From; i <= To; ++i) {
            Min = std::min(Min, Y[i]);
            Max = std::max(Max, Y[i]);
        }
    };
    const size_t FirstBlock = First >> BlockShift;
    const size_t LastBlock = Last >> BlockShift;
    if (LastBlock - FirstBlock < 2) {
        Scan(First, Last);
        return;
    }
    // The partial blocks at both ends value by value, the whole ones between
    // through the tree.
    Scan(First, (FirstBlock + 1) * BlockSize - 1);
    Scan(LastBlock * BlockSize, Last);
    size_t l = FLeaves + FirstBlock + 1;
    size_t r = FLeaves + LastBlock; // exclusive
    while (l < r) {
        if (l & 1) {
            Min = std::min(Min, FMin[l]);
            Max = std::max(Max, FMax[l]);
            ++l;
        }
        if (r & 1) {
            --r;
            Min = std::min(Min, FMin[r]);
            Max = std::max(Max, FMax[r]);
        }
        l /= 2;
        r /= 2;
    }
}
