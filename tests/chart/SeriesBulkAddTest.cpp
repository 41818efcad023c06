#include "chart/panel/Chart.h"
#include "chart/axes/ChartException.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

struct Points {
    std::vector<double> X, Y;
};

// Few distinct X values, so that equal X are everywhere; Y numbers the
// arrival so that any change of order among equal X shows.
Points Shuffled(size_t Count, int DistinctX, unsigned Seed, double YBase)
{
    std::mt19937 Random(Seed);
    std::uniform_int_distribution<int> Pick(0, DistinctX - 1);
    Points p;
    for (size_t t = 0; t < Count; ++t) {
        p.X.push_back(Pick(Random) * 0.5 - 3);
        p.Y.push_back(YBase + double(t));
    }
    return p;
}

void AddOneByOne(TChartSeries& Series, const Points& p)
{
    for (size_t t = 0; t < p.X.size(); ++t)
        Series.AddXY(p.X[t], p.Y[t], QString(), clDefault);
}

void ExpectSameValues(const TChartSeries& A, const TChartSeries& B)
{
    ASSERT_EQ(A.Count(), B.Count());
    EXPECT_TRUE(A.XValues()->Value() == B.XValues()->Value());
    EXPECT_TRUE(A.YValues()->Value() == B.YValues()->Value());
}

TEST(SeriesBulkAdd, MatchesAddXYOneByOne)
{
    struct Case {
        size_t Stored, Added;
        int DistinctX;
    };
    for (const Case& c : {Case{0, 5000, 17}, Case{3000, 5000, 17}, Case{200, 3, 2},
                          Case{1, 1, 1}, Case{4000, 4000, 400}}) {
        SCOPED_TRACE(testing::Message() << c.Stored << " stored, " << c.Added << " added");
        const Points First = Shuffled(c.Stored, c.DistinctX, 1, 0);
        const Points Second = Shuffled(c.Added, c.DistinctX, 2, 1e6);

        TLineSeries Expected(nullptr), Bulk(nullptr);
        AddOneByOne(Expected, First);
        AddOneByOne(Expected, Second);
        AddOneByOne(Bulk, First);
        Bulk.AddXYArrays(Second.X, Second.Y);
        ExpectSameValues(Expected, Bulk);
        EXPECT_EQ(Expected.MinYValue(), Bulk.MinYValue());
        EXPECT_EQ(Expected.MaxXValue(), Bulk.MaxXValue());
    }
}

TEST(SeriesBulkAdd, SortedArraysAppendOrMergeBehindEqualX)
{
    TLineSeries Series(nullptr);
    Series.AddXYArrays({1, 2, 2, 3}, {10, 20, 21, 30});
    Series.AddXYArrays({3, 4}, {31, 40}); // appends
    Series.AddXYArrays({0, 2}, {0, 22});  // merges; the new 2 goes after the stored ones
    EXPECT_EQ(Series.XValues()->Value(), (std::vector<double>{0, 1, 2, 2, 2, 3, 3, 4}));
    EXPECT_EQ(Series.YValues()->Value(), (std::vector<double>{0, 10, 20, 21, 22, 30, 31, 40}));
}

TEST(SeriesBulkAdd, FallsBackToAddXYWhenTheFastPathCannotReproduceIt)
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const Points p{{3, NaN, 1, 2, NaN, 0}, {0, 1, 2, 3, 4, 5}};
    TLineSeries Expected(nullptr), Bulk(nullptr);
    AddOneByOne(Expected, p);
    Bulk.AddXYArrays(p.X, p.Y);
    ASSERT_EQ(Bulk.Count(), 6);
    EXPECT_EQ(Bulk.YValues()->Value(), Expected.YValues()->Value());

    // Point colours and handlers take the one-by-one path too.
    TLineSeries Coloured(nullptr);
    Coloured.AddXY(5, 0, "five", clRed);
    int AfterAdd = 0;
    Coloured.OnAfterAdd = [&](TChartSeries*, int) { ++AfterAdd; };
    Coloured.AddXYArrays({9, 1}, {1, 2});
    EXPECT_EQ(AfterAdd, 2);
    EXPECT_EQ(Coloured.XValues()->Value(), (std::vector<double>{1, 5, 9}));
    EXPECT_EQ(Coloured.GetValueColor(1), clRed);
    EXPECT_EQ(Coloured.Label(1), "five");
    EXPECT_EQ(Coloured.Label(2), "");
}

TEST(SeriesBulkAdd, RepaintsOnceAndRejectsMismatchedArrays)
{
    TChart Chart;
    auto* Series = Chart.AddSeries(new TLineSeries(&Chart));
    int Before = Chart.InvalidateCount();
    Series->AddXYArrays({3, 1, 2}, {1, 2, 3});
    EXPECT_EQ(Chart.InvalidateCount(), Before + 1);

    Before = Chart.InvalidateCount();
    Series->AddXYArrays({}, {});
    EXPECT_EQ(Chart.InvalidateCount(), Before);

    EXPECT_THROW(Series->AddXYArrays({1, 2}, {1}), ChartException);
    EXPECT_EQ(Series->Count(), 3);
}

TEST(SeriesBulkAdd, TakesOverTheArraysOfAnEmptySeries)
{
    TLineSeries Series(nullptr);
    std::vector<double> X(1000), Y(1000);
    for (int t = 0; t < 1000; ++t) {
        X[size_t(t)] = t;
        Y[size_t(t)] = -t;
    }
    const double* Data = X.data();
    Series.AddXYArrays(std::move(X), std::move(Y));
    EXPECT_EQ(Series.XValues()->Value().data(), Data);
    EXPECT_EQ(Series.MinYValue(), -999);
}

} // namespace
