#include "chart/series/ChartFunction.h"

#include "chart/series/ChartSeries.h"

#include <utility>

TChartFunction::TChartFunction(TSeriesChart* AOwner) : TCustomChartElement(AOwner) {}

TChartFunction::~TChartFunction()
{
    if (FParent && FOnFree) {
        // The hook may free nothing of ours, but may look at us: detach first.
        const std::function<void()> OnFree = std::move(FOnFree);
        FParent = nullptr;
        FSource = nullptr;
        OnFree();
    }
}

void TChartFunction::Attach(TChartSeries* Parent, TChartSeries* ASource, std::function<void()> OnFree)
{
    FParent = Parent;
    FSource = Parent ? ASource : nullptr;
    FOnFree = Parent ? std::move(OnFree) : std::function<void()>();
    ReCalculate();
}

void TChartFunction::ReCalculate()
{
    if (!FParent || !FSource || IUpdating > 0)
        return;
    ++IUpdating;
    FParent->BeginUpdate();
    try {
        AddPoints(FSource);
    } catch (...) {
        --IUpdating;
        FParent->EndUpdate();
        throw;
    }
    --IUpdating;
    FParent->EndUpdate();
}

void TChartFunction::Changed()
{
    ReCalculate();
}
