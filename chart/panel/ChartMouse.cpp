#include "chart/panel/ChartMouse.h"

#include "chart/axes/ChartAxis.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/CustomSeries.h"

#include <cstdlib>

namespace {

bool Inside(const TRect& R, int X, int Y)
{
    return R.Left <= X && X <= R.Right && R.Top <= Y && Y <= R.Bottom;
}

} // namespace

TChartClickedPart TChartMouse::CalcClickedPart(int X, int Y)
{
    TChartClickedPart Result;
    for (TChartAxis* Axis : FChart.Axes()) {
        if (Axis->LineOrLabelsAt(X, Y)) {
            Result.Part = cpAxis;
            Result.AAxis = Axis;
            return Result;
        }
        if (Axis->TitleAt(X, Y)) {
            Result.Part = cpAxisTitle;
            Result.AAxis = Axis;
            return Result;
        }
    }
    if (FChart.Legend()->ShouldDraw() && FChart.Legend()->Clicked(X, Y) != -1) {
        Result.Part = cpLegend;
        return Result;
    }
    const struct {
        TChartTitle* Title;
        TChartClickedPartStyle Part;
    } Titles[] = {{FChart.Title(), cpTitle}, {FChart.SubTitle(), cpSubTitle}, {FChart.Foot(), cpFoot},
                  {FChart.SubFoot(), cpSubFoot}};
    for (const auto& T : Titles) {
        if (T.Title->Visible() && !T.Title->Text().isEmpty() && Inside(T.Title->ShapeBounds(), X, Y)) {
            Result.Part = T.Part;
            return Result;
        }
    }
    if (Inside(FChart.ChartRect(), X, Y) && FChart.CountActiveSeries() > 0)
        Result.Part = cpChartRect;
    return Result;
}

void TChartMouse::MouseDown(TMouseButton Button, int X, int Y)
{
    TChartZoom& Zoom = *FChart.Zoom();
    TChartPanning& Panning = *FChart.Panning();
    if (Zoom.Active() || Panning.Active())
        return;
    const TChartClickedPart Part = CalcClickedPart(X, Y);
    switch (Part.Part) {
    case cpAxis:
    case cpTitle:
    case cpSubTitle:
    case cpFoot:
    case cpSubFoot:
    case cpChartRect:
        break;
    default:
        // The legend, an axis title or nothing starts no gesture.
        return;
    }
    if (Button == Zoom.MouseButton() && Zoom.Allow())
        Zoom.Activate(X, Y);
    else if (Button == FChart.ScrollMouseButton() && FChart.AllowPanning() != pmNone)
        Panning.Activate(X, Y);
}

void TChartMouse::MouseMove(int X, int Y)
{
    TChartZoom& Zoom = *FChart.Zoom();
    TChartPanning& Panning = *FChart.Panning();
    if (Zoom.Active()) {
        if (X == Zoom.X1 && Y == Zoom.Y1)
            return;
        Zoom.X1 = X;
        Zoom.Y1 = Y;
        // The band is drawn over the picture: the chart itself is not drawn.
        FChart.RequestOverlayRepaint();
        return;
    }
    if (Panning.Active()) {
        if (X == Panning.LastX && Y == Panning.LastY)
            return;
        FChart.PanBy(Panning.LastX, Panning.LastY, X, Y);
        Panning.LastX = X;
        Panning.LastY = Y;
        return;
    }
    TrackHover(X, Y);
}

void TChartMouse::MouseUp(TMouseButton Button, int X, int Y)
{
    TChartZoom& Zoom = *FChart.Zoom();
    if (Zoom.Active() && Button == Zoom.MouseButton()) {
        Zoom.Deactivate();
        Zoom.X1 = X;
        Zoom.Y1 = Y;
        FChart.RequestOverlayRepaint();
        const int Min = Zoom.MinimumPixels();
        if (std::abs(Zoom.X1 - Zoom.X0) > Min && std::abs(Zoom.Y1 - Zoom.Y0) > Min) {
            if (Zoom.X0 < Zoom.X1 || Zoom.UpLeftZooms())
                FChart.ZoomRect({Zoom.X0, Zoom.Y0, Zoom.X1, Zoom.Y1});
            else
                FChart.UndoZoom();
        }
    }
    // Any button ends panning.
    FChart.Panning()->Deactivate();
}

void TChartMouse::MouseWheel(int Steps)
{
    if (GestureActive())
        return;
    FChart.WheelScroll(Steps);
}

void TChartMouse::MouseLeave()
{
    for (int i = 0; i < FChart.SeriesCount(); ++i)
        if (auto* Series = dynamic_cast<TCustomSeries*>(FChart.GetSeries(i)); Series && Series->HasSelected())
            Series->Selected()->SetHoverIndex(-1);
    FChart.ClearAxisLabelHover();
    // The legend item lit by the mouse goes dark too: left lit, it would
    // point at nothing.
    if (FChart.Legend()->HasSelected())
        FChart.Legend()->Selected()->SetHoverIndex(-1);
}

bool TChartMouse::GestureActive() const
{
    return FChart.Zoom()->Active() || FChart.Panning()->Active();
}

bool TChartMouse::Panning() const
{
    return FChart.Panning()->Active();
}

bool TChartMouse::BandVisible() const
{
    return FChart.Zoom()->Active();
}

TRect TChartMouse::Band() const
{
    const TChartZoom& Zoom = *FChart.Zoom();
    return {Zoom.X0, Zoom.Y0, Zoom.X1, Zoom.Y1};
}

// Legend first, then the series under the mouse (when not over the legend),
// then the axis labels when neither holds the mouse.
void TChartMouse::TrackHover(int X, int Y)
{
    if (!FChart.Hover()->Visible())
        return;
    const int LegendItem = FChart.Legend()->ShouldDraw() ? FChart.Legend()->Clicked(X, Y) : -1;
    bool OverSeries = false;
    if (LegendItem == -1) {
        for (int i = FChart.SeriesCount() - 1; i >= 0; --i) {
            auto* Series = dynamic_cast<TCustomSeries*>(FChart.GetSeries(i));
            if (!Series || !Series->Active())
                continue;
            Series->Selected();
            Series->CheckMouse(X, Y);
            OverSeries = OverSeries || Series->HoverIndex() != -1;
        }
    }
    FChart.CheckLegendHover(X, Y);
    if (LegendItem == -1 && !OverSeries)
        FChart.CheckAxisLabelHover(X, Y);
}
