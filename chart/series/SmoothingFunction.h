#pragma once

#include "chart/series/ChartFunction.h"

// Replaces its parent's points by samples of a cubic B-spline through the
// source's points: Factor samples per point, at most 601 in all.
class TSmoothingFunction : public TChartFunction {
public:
    explicit TSmoothingFunction(TSeriesChart* AOwner);

    // The curve passes through the points (True) or only near them.
    bool Interpolate() const { return FInterpolate; }
    void SetInterpolate(bool Value);
    // Samples per source point; below 1 is stored as 1.
    int Factor() const { return FFactor; }
    void SetFactor(int Value);

protected:
    void AddPoints(TChartSeries* Source) override;

private:
    bool FInterpolate = true;
    int FFactor = 4;
};
