#pragma once

#include "chart/series/CustomChartElement.h"

#include <functional>

class TChartSeries;

// Computes the points of a series (its parent) from another series (its
// source). A function is a component of the chart it was created for; the
// series it serves frees it when it no longer needs it.
class TChartFunction : public TCustomChartElement {
public:
    explicit TChartFunction(TSeriesChart* AOwner);
    // Tells the parent series, when there is one, that the function is gone.
    ~TChartFunction() override;

    // A function is drawn by nobody: it has no chart of its own to join.
    void SetParentChart(TSeriesChart*) override {}

    TChartSeries* ParentSeries() const { return FParent; }
    TChartSeries* Source() const { return FSource; }
    // Serves Parent with points computed from Source and recomputes them at
    // once; OnFree runs should the function be freed while it serves.
    // A null Parent detaches.
    void Attach(TChartSeries* Parent, TChartSeries* ASource, std::function<void()> OnFree);
    // Recomputes the parent's points from the source.
    void ReCalculate();
    // True while the function is refilling its parent.
    bool Updating() const { return IUpdating > 0; }

    bool CanUsePeriod = true;
    bool SingleSource = false;
    double Period() const { return FPeriod; }

protected:
    // Replaces the parent's points by those computed from Source.
    virtual void AddPoints(TChartSeries* Source) = 0;

    // Recalculates after a setting changed.
    void Changed();

    TChartSeries* FParent = nullptr;
    TChartSeries* FSource = nullptr;
    double FPeriod = 0;
    int IUpdating = 0;

private:
    std::function<void()> FOnFree;
};
