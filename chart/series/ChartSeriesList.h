#pragma once

#include "core/InsertionOrder.h"

#include <stdexcept>
#include <string>
#include <vector>

class TChartSeries;
class TSeriesChart;

// The chart's series in insertion order; a series' position is its index.
// The list does not own its series (their owner component does).
class TChartSeriesList {
public:
    explicit TChartSeriesList(TSeriesChart* AOwner) : FOwner(AOwner) {}

    TSeriesChart* Owner() const { return FOwner; }
    int Count() const { return int(FItems.size()); }
    // Checked access: a bad index throws std::out_of_range.
    TChartSeries* Items(int Index) const
    {
        if (Index < 0 || Index >= Count())
            throw std::out_of_range("Series list index " + std::to_string(Index)
                                    + " out of bounds (0 to " + std::to_string(Count() - 1) + ")");
        return FItems[size_t(Index)];
    }
    TChartSeries* operator[](int Index) const { return Items(Index); }
    // Logarithmic, not a scan: a chart may hold thousands of series.
    int IndexOf(const TChartSeries* Series) const { return int(FOrder.IndexOf(Series)); }
    bool Contains(const TChartSeries* Series) const { return FOrder.Contains(Series); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    friend class TCustomAxisPanel;
    TSeriesChart* FOwner;
    std::vector<TChartSeries*> FItems;
    TInsertionOrder<const TChartSeries*> FOrder;

    void Append(TChartSeries* Series)
    {
        FItems.push_back(Series);
        FOrder.Append(Series);
    }
    void Erase(int Index)
    {
        FOrder.Erase(size_t(Index), FItems[size_t(Index)]);
        FItems.erase(FItems.begin() + Index);
    }
    void Clear()
    {
        FItems.clear();
        FOrder.Clear();
    }
};
