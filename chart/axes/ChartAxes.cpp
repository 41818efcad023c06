#include "chart/axes/ChartAxes.h"

#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartContext.h"
#include "chart/axes/CustomTextShape.h"
#include "chart/canvas/ChartCanvas.h"

#include <algorithm>

TChartAxes::TChartAxes(TChartContext* AChart, std::vector<TChartAxis*> AItems)
    : FChart(AChart), FItems(std::move(AItems))
{
}

bool TChartAxes::NoActiveSeriesOnAxis(const TChartAxis* Axis) const
{
    return FChart->NoActiveSeriesOnAxis(Axis);
}

double TChartAxes::AxisDataLimit(const TChartAxis* Axis, bool IsMin, bool IsX) const
{
    return FChart->SeriesDataLimit(Axis, IsMin, IsX);
}

bool TChartAxes::IsAxisShown(const TChartAxis* Axis) const
{
    // Everything here is drawn in 2D: the depth axes never show.
    if (!FChart->AxisVisible() || !Axis->Visible() || Axis->IsDepthAxis())
        return false;
    return FChart->SeriesShowAxis(Axis);
}

static TRect Intersect(const TRect& A, const TRect& B)
{
    return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
            std::min(A.Bottom, B.Bottom)};
}

void TChartAxes::CalcLayout()
{
    for (TChartAxis* Axis : FItems) {
        Axis->SetShown(IsAxisShown(Axis));
        Axis->AdjustMaxMin();
    }
    for (TChartAxis* Axis : FItems)
        Axis->PlaceOnChartRect();

    TRect Running = FChart->ChartRect();
    for (size_t t = 0; t < FItems.size(); ++t) {
        TChartAxis* Axis = FItems[t];
        if (!Axis->Shown())
            continue;
        TRect R = Running;
        Axis->ReserveAxisSpace(R, t < 5);
        const TRect Common = Intersect(R, Running);
        if (!Common.IsEmpty())
            Running = Common;
    }
    FChart->SetChartRect(Running);
    FChart->ReCalcWidthHeight();

    for (TChartAxis* Axis : FItems)
        Axis->PlaceOnChartRect();
    for (TChartAxis* Axis : FItems)
        if (!Axis->IsDepthAxis())
            Axis->PadRangeForSeries();
    for (TChartAxis* Axis : FItems)
        if (Axis->Shown())
            Axis->LayoutLabels(true);
}

void TChartAxes::Draw()
{
    for (TChartAxis* Axis : FItems)
        if (Axis->Shown())
            Axis->DrawLaidOut();
}

bool TChartAxes::CheckLabelHover(int X, int Y)
{
    if (!FHoverVisible)
        return false;
    bool Changed = false;
    for (TChartAxis* Axis : FItems) {
        if (!Axis->Shown() || !Axis->LabelsHover()->Visible())
            continue;
        const int Index = Axis->LabelAtPoint(X, Y);
        if (Index != Axis->HoverIndex()) {
            Axis->SetHoverIndex(Index);
            Changed = true;
        }
    }
    return Changed;
}

void TChartAxes::ClearLabelHover()
{
    for (TChartAxis* Axis : FItems)
        Axis->SetHoverIndex(-1);
}
