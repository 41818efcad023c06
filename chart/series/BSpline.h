#pragma once

#include <vector>

struct TBSplinePoint {
    double X = 0;
    double Y = 0;
};

// A uniform cubic B-spline through (Interpolated) or near a list of points,
// evaluated at parameters 0 (first point) to 1 (last point). The parameter is
// uniform in the point index, not in X.
class TBSpline {
public:
    TBSpline() = default;

    // Drops every point and resets Fragments to 100.
    void Clear();
    void AddPoint(double X, double Y);
    // Knuckle points (entered three times, a corner of the curve), by point
    // index from 1. The first and last points are never knuckles.
    void FSetKnuckle(int Index, bool Value);
    bool FGetKnuckle(int Index) const;
    // The curve at Parameter; (0, 0) with fewer than 2 points.
    TBSplinePoint Value(double Parameter);
    // Recomputes the control vertices (done by the first Value after a change).
    void Rebuild();

    int Count() const { return FNoPoints; }
    bool Build() const { return FBuild; }
    int NumberOfVertices();
    bool Interpolated() const { return FInterpolated; }
    void SetInterpolated(bool Value);
    // The number of intervals the curve is sampled in: at most 600.
    int Fragments() const { return FFragments; }
    void SetFragments(int Value);

private:
    void BuildMatrix();
    void SolveControlPoints();
    void SetEndVertices();

    // The interpolation system is tridiagonal: only its three diagonals are
    // kept (rows 1 to n), and only during a rebuild.
    std::vector<double> ILower, IDiagonal, IUpper;
    int FNoPoints = 0;
    int FCapacity = 0;
    std::vector<TBSplinePoint> FPointList;  // from index 1
    std::vector<TBSplinePoint> FVertexList; // 0 .. FNoVertices + 1
    std::vector<char> FKnuckleList;         // from index 1
    bool FBuild = false;
    int FNoVertices = 0;
    bool FInterpolated = false;
    int FFragments = 100;
};
