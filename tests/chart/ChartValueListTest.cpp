#include "chart/series/ChartValueList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

std::vector<int> InsertAll(TChartValueList& List, const std::vector<double>& Values)
{
    std::vector<int> Indexes;
    for (double v : Values) {
        List.SetTempValue(v);
        Indexes.push_back(List.InsertOrdered());
    }
    return Indexes;
}

TEST(ChartValueList, AscendingInsertKeepsEqualValuesInArrivalOrder)
{
    TChartValueList List(nullptr, "X");
    List.SetOrder(loAscending);
    EXPECT_EQ(InsertAll(List, {3, 1, 2, 2, 1, 5}), (std::vector<int>{0, 0, 1, 2, 1, 5}));
    EXPECT_EQ(List.Value(), (std::vector<double>{1, 1, 2, 2, 3, 5}));
}

TEST(ChartValueList, DescendingAndUnorderedInsert)
{
    TChartValueList Down(nullptr, "X");
    Down.SetOrder(loDescending);
    EXPECT_EQ(InsertAll(Down, {1, 3, 2, 3}), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(Down.Value(), (std::vector<double>{3, 3, 2, 1}));

    TChartValueList None(nullptr, "Y");
    EXPECT_EQ(InsertAll(None, {3, 1, 2}), (std::vector<int>{0, 1, 2}));
}

TEST(ChartValueList, NaNIsAppendedAndStopsTheWalk)
{
    TChartValueList List(nullptr, "X");
    List.SetOrder(loAscending);
    // A NaN does not compare: it is appended, and a later smaller value stops
    // walking back when it reaches it.
    EXPECT_EQ(InsertAll(List, {1, 5, NaN, 3}), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(List[3], 3);
}

TEST(ChartValueList, StatsAreCachedUntilModified)
{
    TChartValueList List(nullptr, "Y");
    EXPECT_EQ(List.MinValue(), 0);
    EXPECT_EQ(List.MaxValue(), 0);
    EXPECT_EQ(List.Total(), 0);
    InsertAll(List, {2, -5, 4});
    EXPECT_TRUE(List.Modified());
    EXPECT_EQ(List.MinValue(), -5);
    EXPECT_FALSE(List.Modified());
    EXPECT_EQ(List.MaxValue(), 4);
    EXPECT_EQ(List.Total(), 1);
    EXPECT_EQ(List.TotalABS(), 11);
    EXPECT_EQ(List.Range(), 9);
    List.InsertValueAt(0, 10);
    EXPECT_EQ(List.MaxValue(), 10);
    List.Delete(0);
    EXPECT_EQ(List.MaxValue(), 4);
}

TEST(ChartValueList, StatsWithNaN)
{
    // A value not comparing with the minimum becomes the minimum, and the
    // maximum is only checked for values that did not.
    TChartValueList List(nullptr, "Y");
    InsertAll(List, {1, NaN, 7});
    EXPECT_EQ(List.MinValue(), 7);
    EXPECT_EQ(List.MaxValue(), 1);
    EXPECT_TRUE(std::isnan(List.Total()));
}

TEST(ChartValueList, ClearReleasesStorageAndBadIndexesThrow)
{
    TChartValueList List(nullptr, "Y");
    InsertAll(List, {1, 2, 3});
    List.Clear();
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(List.Value().capacity(), 0u);
    EXPECT_EQ(List.MaxValue(), 0);
    EXPECT_THROW(List.InsertValueAt(1, 0), std::out_of_range);
    EXPECT_THROW(List.Delete(0), std::out_of_range);
}

} // namespace
