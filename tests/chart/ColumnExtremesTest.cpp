#include "chart/series/ColumnExtremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

// Any range, short or spanning many blocks, at any alignment: the extremes
// of a plain scan.
TEST(ColumnExtremes, RangesMatchAScan)
{
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0, 100);
    for (size_t n : {size_t(1), size_t(63), size_t(64), size_t(65), size_t(1000), size_t(20011)}) {
        std::vector<double> y(n);
        for (double& v : y)
            v = noise(random);
        const TColumnExtremes extremes(y);
        EXPECT_EQ(extremes.Count(), n);
        EXPECT_FALSE(extremes.HasUnordered());
        std::uniform_int_distribution<size_t> index(0, n - 1);
        for (int k = 0; k < 300; ++k) {
            size_t a = index(random);
            size_t b = index(random);
            if (a > b)
                std::swap(a, b);
            double lo;
            double hi;
            extremes.Range(y, a, b, lo, hi);
            EXPECT_EQ(lo, *std::min_element(y.begin() + long(a), y.begin() + long(b) + 1)) << n << " " << a << " " << b;
            EXPECT_EQ(hi, *std::max_element(y.begin() + long(a), y.begin() + long(b) + 1)) << n << " " << a << " " << b;
        }
    }
}

TEST(ColumnExtremes, NotANumberIsReported)
{
    std::vector<double> y(500, 1.0);
    EXPECT_FALSE(TColumnExtremes(y).HasUnordered());
    y[333] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(TColumnExtremes(y).HasUnordered());
}
