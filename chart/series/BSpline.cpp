#include "chart/series/BSpline.h"

#include "core/ChangeNotifier.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGrowth = 5;
constexpr int kMaxFragments = 600;
// Vertices closer than this in X and Y count as one.
constexpr double kSamePoint = 1e-5;

// The uniform cubic B-spline basis at distance d (0 <= d < 2) from a vertex.
double Basis(double d)
{
    if (d < 1)
        return 2.0 / 3.0 - d * d + d * d * d / 2;
    const double e = 2 - d;
    return e * e * e / 6;
}

} // namespace

void TBSpline::Clear()
{
    FNoPoints = 0;
    FCapacity = 0;
    FPointList.clear();
    FVertexList.clear();
    FKnuckleList.clear();
    FNoVertices = 0;
    FBuild = false;
    FFragments = 100;
}

void TBSpline::AddPoint(double X, double Y)
{
    if (FNoPoints == FCapacity) {
        FCapacity += kGrowth;
        FPointList.resize(size_t(FCapacity) + 1);
        FKnuckleList.resize(size_t(FCapacity) + 1, false);
    }
    ++FNoPoints;
    FPointList[size_t(FNoPoints)] = {X, Y};
    FBuild = false;
}

void TBSpline::FSetKnuckle(int Index, bool Value)
{
    if (Index < 1 || Index > FNoPoints || bool(FKnuckleList[size_t(Index)]) == Value)
        return;
    FKnuckleList[size_t(Index)] = Value;
    FBuild = false;
}

bool TBSpline::FGetKnuckle(int Index) const
{
    if (Index <= 1 || Index >= FNoPoints)
        return false;
    return FKnuckleList[size_t(Index)];
}

void TBSpline::SetInterpolated(bool Value)
{
    if (Change(FInterpolated, Value))
        FBuild = false;
}

void TBSpline::SetFragments(int Value)
{
    FFragments = std::min(Value, kMaxFragments);
}

int TBSpline::NumberOfVertices()
{
    if (!FBuild)
        Rebuild();
    return FNoVertices;
}

void TBSpline::Rebuild()
{
    if (FNoPoints < 2) {
        FBuild = true;
        return;
    }
    int n = FNoPoints;
    for (int i = 1; i <= FNoPoints; ++i)
        if (FGetKnuckle(i))
            n += 2;
    FNoVertices = n;
    FVertexList.assign(size_t(n) + 2, TBSplinePoint{});
    int v = 1;
    for (int i = 1; i <= FNoPoints; ++i) {
        const int copies = FGetKnuckle(i) ? 3 : 1;
        for (int k = 0; k < copies; ++k)
            FVertexList[size_t(v++)] = FPointList[size_t(i)];
    }
    if (FInterpolated) {
        BuildMatrix();
        SolveControlPoints();
    }
    FBuild = true;
    SetEndVertices();
}

void TBSpline::BuildMatrix()
{
    const int n = FNoVertices;
    if (n <= 2)
        return;
    ILower.assign(size_t(n) + 1, 1.0 / 6);
    IDiagonal.assign(size_t(n) + 1, 2.0 / 3);
    IUpper.assign(size_t(n) + 1, 1.0 / 6);
    auto identityRow = [&](int i) {
        ILower[size_t(i)] = 0;
        IDiagonal[size_t(i)] = 1;
        IUpper[size_t(i)] = 0;
    };
    identityRow(1);
    identityRow(n);
    // Three coinciding vertices (a knuckle) pin the curve to that point.
    auto same = [&](int a, int b) {
        return std::abs(FVertexList[size_t(a)].X - FVertexList[size_t(b)].X) < kSamePoint
            && std::abs(FVertexList[size_t(a)].Y - FVertexList[size_t(b)].Y) < kSamePoint;
    };
    int j = 3;
    while (j < n - 1) {
        if (same(j - 1, j) && same(j, j + 1)) {
            identityRow(j - 1);
            identityRow(j);
            identityRow(j + 1);
            j += 2;
        } else {
            ++j;
        }
    }
}

void TBSpline::SolveControlPoints()
{
    const int n = FNoVertices;
    if (n <= 2)
        return;
    std::vector<TBSplinePoint>& V = FVertexList;
    // Gaussian elimination without pivoting; below each pivot only the next
    // row has an entry to eliminate.
    for (int i = 1; i < n; ++i) {
        const size_t r = size_t(i) + 1;
        const double factor = ILower[r] / IDiagonal[size_t(i)];
        ILower[r] = 0;
        IDiagonal[r] -= factor * IUpper[size_t(i)];
        V[r].X -= factor * V[size_t(i)].X;
        V[r].Y -= factor * V[size_t(i)].Y;
    }
    V[size_t(n)].X /= IDiagonal[size_t(n)];
    V[size_t(n)].Y /= IDiagonal[size_t(n)];
    for (int i = n - 1; i >= 1; --i) {
        const size_t r = size_t(i);
        V[r].X = (V[r].X - IUpper[r] * V[r + 1].X) / IDiagonal[r];
        V[r].Y = (V[r].Y - IUpper[r] * V[r + 1].Y) / IDiagonal[r];
    }
    ILower.clear();
    IDiagonal.clear();
    IUpper.clear();
    ILower.shrink_to_fit();
    IDiagonal.shrink_to_fit();
    IUpper.shrink_to_fit();
}

void TBSpline::SetEndVertices()
{
    const int n = FNoVertices;
    if (n < 2)
        return;
    std::vector<TBSplinePoint>& V = FVertexList;
    // Reflected phantoms: the curve starts and ends on the end points.
    V[0] = {2 * V[1].X - V[2].X, 2 * V[1].Y - V[2].Y};
    V[size_t(n) + 1] = {2 * V[size_t(n)].X - V[size_t(n) - 1].X, 2 * V[size_t(n)].Y - V[size_t(n) - 1].Y};
}

TBSplinePoint TBSpline::Value(double Parameter)
{
    if (FNoPoints < 2)
        return {};
    if (!FBuild)
        Rebuild();
    const int n = FNoVertices;
    const double u = (n - 1) * Parameter + 1;
    const double below = u - 1;
    // Outside 0 .. 1 nothing of the curve is near.
    if (!(below > -2 && below < double(n) + 2))
        return {};
    const int c = std::max(0, int(Numbers::Trunc(below)));
    TBSplinePoint result;
    for (int i = std::min(c, n + 1); i <= c + 3 && i <= n + 1; ++i) {
        const double d = std::abs(i - u);
        if (d < 2) {
            const double w = Basis(d);
            result.X += FVertexList[size_t(i)].X * w;
            result.Y += FVertexList[size_t(i)].Y * w;
        }
    }
    return result;
}
