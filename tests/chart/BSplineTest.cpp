#include "chart/series/BSpline.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <vector>

namespace {

TBSpline Through(const std::vector<TBSplinePoint>& Points)
{
    TBSpline Spline;
    for (const TBSplinePoint& p : Points)
        Spline.AddPoint(p.X, p.Y);
    Spline.SetInterpolated(true);
    return Spline;
}

// The parameter at which the curve meets point k (from 1) of n.
double At(int k, int n) { return double(k - 1) / (n - 1); }

TEST(BSpline, FewerThanTwoPointsGiveTheOrigin)
{
    TBSpline Spline;
    EXPECT_EQ(Spline.Value(0.5).X, 0);
    Spline.AddPoint(3, 4);
    const TBSplinePoint p = Spline.Value(0);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 0);
}

TEST(BSpline, InterpolatedCurvePassesThroughEveryPoint)
{
    std::mt19937 Random(3);
    std::uniform_real_distribution<double> Value(-1000, 1000);
    std::vector<TBSplinePoint> Points(57);
    for (TBSplinePoint& p : Points)
        p = {Value(Random), Value(Random)};
    TBSpline Spline = Through(Points);
    const int n = int(Points.size());
    for (int k = 1; k <= n; ++k) {
        const TBSplinePoint p = Spline.Value(At(k, n));
        EXPECT_NEAR(p.X, Points[size_t(k - 1)].X, 1e-9) << k;
        EXPECT_NEAR(p.Y, Points[size_t(k - 1)].Y, 1e-9) << k;
    }
    EXPECT_EQ(Spline.NumberOfVertices(), n);
}

TEST(BSpline, NaturalEndsHaveNoCurvature)
{
    TBSpline Spline = Through({{0, 0}, {1, 3}, {2, -1}, {3, 2}});
    // Second differences over tiny steps at both ends.
    const double h = 1e-5;
    for (double t : {0.0, 1.0 - 2 * h}) {
        const double y0 = Spline.Value(t).Y, y1 = Spline.Value(t + h).Y, y2 = Spline.Value(t + 2 * h).Y;
        EXPECT_NEAR((y2 - 2 * y1 + y0) / (h * h), 0, 1e-2) << t;
    }
}

TEST(BSpline, ApproximatingCurveKeepsThePointsAsVertices)
{
    TBSpline Spline;
    for (double y : {0.0, 6.0, 0.0})
        Spline.AddPoint(Spline.Count(), y);
    EXPECT_FALSE(Spline.Interpolated());
    // Halfway the basis weighs the middle vertex 2/3 and its neighbours 1/6.
    EXPECT_NEAR(Spline.Value(0.5).Y, 4, 1e-12);
}

TEST(BSpline, ThreeCoincidingPointsMakeACornerThroughTheMiddleOne)
{
    std::vector<TBSplinePoint> Points = {{0, 0}, {1, 5}, {2, 2}, {2, 2}, {2, 2}, {3, -4}, {4, 1}};
    TBSpline Spline = Through(Points);
    const int n = int(Points.size());
    // The three are control vertices as they stand: the curve meets the
    // middle one, the others it only approaches.
    for (int k : {1, 2, 4, 6, 7}) {
        EXPECT_NEAR(Spline.Value(At(k, n)).X, Points[size_t(k - 1)].X, 1e-12) << k;
        EXPECT_NEAR(Spline.Value(At(k, n)).Y, Points[size_t(k - 1)].Y, 1e-12) << k;
    }
}

TEST(BSpline, KnucklePointsAreEnteredThreeTimes)
{
    TBSpline Spline = Through({{0, 0}, {1, 1}, {2, 0}, {3, 1}});
    Spline.FSetKnuckle(2, true);
    Spline.FSetKnuckle(1, true); // never for the end points
    EXPECT_TRUE(Spline.FGetKnuckle(2));
    EXPECT_FALSE(Spline.FGetKnuckle(1));
    EXPECT_FALSE(Spline.Build());
    EXPECT_EQ(Spline.NumberOfVertices(), 6);
    // A corner: the curve goes through the knuckle point.
    const TBSplinePoint p = Spline.Value(At(3, 6));
    EXPECT_NEAR(p.X, 1, 1e-12);
    EXPECT_NEAR(p.Y, 1, 1e-12);
}

TEST(BSpline, ManyPointsSolveInLinearTime)
{
    std::vector<TBSplinePoint> Points(300000);
    for (size_t i = 0; i < Points.size(); ++i)
        Points[i] = {double(i), std::sin(double(i) * 0.01)};
    const auto Start = std::chrono::steady_clock::now();
    TBSpline Spline = Through(Points);
    const int n = int(Points.size());
    EXPECT_NEAR(Spline.Value(At(123457, n)).Y, Points[123456].Y, 1e-9);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count(), 2.0);
}

} // namespace
