#include "chart/axes/ChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartHost.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartMouse.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

struct TLimits {
    bool Automatic;
    double Minimum;
    double Maximum;
};

TLimits LimitsOf(const TChartAxis* Axis)
{
    return {Axis->Automatic(), Axis->Minimum(), Axis->Maximum()};
}

class TCountingHost : public TChartHost {
public:
    int Requests = 0;
    void RequestRepaint() override { ++Requests; }
};

// The program's chart with two series drawn once at 781 × 590, as the window
// shows it; the mouse works on what that frame laid out.
class ChartMouse : public ::testing::Test {
protected:
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    TCountingHost Host;
    QImage Image{781, 590, QImage::Format_ARGB32_Premultiplied};

    void SetUp() override
    {
        Chart->SetSize(781, 590);
        for (int s = 0; s < 2; ++s) {
            auto* Line = new TLineSeries(Chart.get());
            Line->Pointer()->SetVisible(true);
            Line->Pointer()->SetSize(2);
            Line->Pointer()->SetStyle(psCircle);
            Chart->AddSeries(Line);
            for (int i = 0; i <= 100; ++i)
                Line->AddXY(i, s == 0 ? 10 * std::sin(i / 10.0) : i / 10.0);
        }
        Chart->SetHost(&Host);
        Frame();
    }

    void Frame() { Chart->Paint(&Image, {0, 0, 781, 590}); }
    TChartMouse& Mouse() { return *Chart->Mouse(); }

    void Drag(TMouseButton Button, int X0, int Y0, int X1, int Y1)
    {
        Mouse().MouseDown(Button, X0, Y0);
        Mouse().MouseMove((X0 + X1) / 2, (Y0 + Y1) / 2);
        Mouse().MouseMove(X1, Y1);
        Mouse().MouseUp(Button, X1, Y1);
        Frame();
    }
};

} // namespace

TEST_F(ChartMouse, ADragRightZoomsToItsRectangleAndADragLeftUndoes)
{
    TChartAxis* Bottom = Chart->BottomAxis();
    TChartAxis* Left = Chart->LeftAxis();
    const double X100 = Bottom->InternalCalcPosPoint(100), X300 = Bottom->InternalCalcPosPoint(300);
    const double Y100 = Left->InternalCalcPosPoint(100), Y250 = Left->InternalCalcPosPoint(250);
    const TLimits BottomBefore = LimitsOf(Bottom);
    const TLimits LeftBefore = LimitsOf(Left);
    const QImage Before = Image.copy();

    Drag(mbLeft, 100, 100, 300, 250);
    EXPECT_FALSE(Bottom->Automatic());
    EXPECT_DOUBLE_EQ(Bottom->Minimum(), X100);
    EXPECT_DOUBLE_EQ(Bottom->Maximum(), X300);
    EXPECT_DOUBLE_EQ(Left->Minimum(), Y250);
    EXPECT_DOUBLE_EQ(Left->Maximum(), Y100);
    EXPECT_TRUE(Chart->Zoomed());
    EXPECT_TRUE(Chart->ScalesSaved());

    // A second zoom does not overwrite what the undo goes back to.
    Drag(mbLeft, 120, 120, 400, 400);
    Drag(mbLeft, 300, 250, 100, 100);
    EXPECT_FALSE(Chart->Zoomed());
    EXPECT_FALSE(Chart->ScalesSaved());
    EXPECT_TRUE(Bottom->Automatic());
    EXPECT_EQ(LimitsOf(Bottom).Minimum, BottomBefore.Minimum);
    EXPECT_EQ(LimitsOf(Left).Maximum, LeftBefore.Maximum);
    EXPECT_EQ(Image, Before);
}

TEST_F(ChartMouse, DragsOfSixteenPixelsOrLessDoNothing)
{
    const int Frames = Chart->FrameCount();
    Drag(mbLeft, 100, 100, 110, 300);
    Drag(mbLeft, 100, 100, 300, 116);
    Drag(mbLeft, 300, 300, 100, 290);
    EXPECT_TRUE(Chart->BottomAxis()->Automatic());
    EXPECT_FALSE(Chart->ScalesSaved());
    EXPECT_EQ(Chart->FrameCount(), Frames);
}

TEST_F(ChartMouse, TheBandMovesOverThePictureWithoutAFrame)
{
    const int Frames = Chart->FrameCount();
    const int Invalidations = Chart->InvalidateCount();
    Mouse().MouseDown(mbLeft, 100, 100);
    EXPECT_TRUE(Mouse().BandVisible());
    for (int i = 1; i <= 20; ++i) {
        const int Requests = Host.Requests;
        Mouse().MouseMove(100 + 10 * i, 100 + 5 * i);
        EXPECT_GT(Host.Requests, Requests);
        Frame();
    }
    EXPECT_EQ(Mouse().Band().Right, 300);
    EXPECT_EQ(Chart->FrameCount(), Frames);
    EXPECT_EQ(Chart->InvalidateCount(), Invalidations);
    // Silver (the zoom pen) on the panel colour in not-XOR mode.
    const TColor Band = Chart->ZoomBandColor();
    const TColor Back = Chart->ResolveColor(Chart->Color()) & 0xFFFFFF;
    EXPECT_EQ(~(Band ^ Back) & 0xFFFFFF, clSilver);
    Mouse().MouseUp(mbLeft, 105, 105);
    EXPECT_FALSE(Mouse().BandVisible());
}

TEST_F(ChartMouse, WhereADragStartsDecidesWhetherItZooms)
{
    const TRect Legend = Chart->LastLayout().LegendBounds;
    const TRect Plot = Chart->ChartRect();
    struct TStart {
        const char* Where;
        int X, Y;
        bool Band;
    } Starts[] = {
        {"legend", (Legend.Left + Legend.Right) / 2, Legend.Top + 8, false},
        {"panel margin", 3, 3, false},
        {"bottom axis labels", (Plot.Left + Plot.Right) / 2, Plot.Bottom + 8, true},
        {"title", Chart->LastLayout().TitleBounds.Left + 3, Chart->LastLayout().TitleBounds.Top + 3, true},
        {"plot area", Plot.Left + 50, Plot.Top + 50, true},
    };
    for (const TStart& S : Starts) {
        SCOPED_TRACE(S.Where);
        Mouse().MouseDown(mbLeft, S.X, S.Y);
        EXPECT_EQ(Mouse().BandVisible(), S.Band);
        Mouse().MouseUp(mbLeft, S.X, S.Y);
    }
    // With no active series the plot area starts nothing.
    Chart->GetSeries(0)->SetActive(false);
    Chart->GetSeries(1)->SetActive(false);
    Frame();
    Mouse().MouseDown(mbLeft, Plot.Left + 50, Plot.Top + 50);
    EXPECT_FALSE(Mouse().BandVisible());
    Mouse().MouseUp(mbLeft, Plot.Left + 50, Plot.Top + 50);
}

TEST_F(ChartMouse, ARightDragMovesTheDataWithTheMouse)
{
    TChartAxis* Bottom = Chart->BottomAxis();
    TChartAxis* Left = Chart->LeftAxis();
    const double XUnder = Bottom->InternalCalcPosPoint(200);
    const double YUnder = Left->InternalCalcPosPoint(200);
    const double Width = Bottom->IMaximum - Bottom->IMinimum;
    Mouse().MouseDown(mbRight, 200, 200);
    EXPECT_TRUE(Mouse().Panning());
    for (int i = 1; i <= 4; ++i) {
        Mouse().MouseMove(200 + 25 * i, 200 + 10 * i);
        Frame();
    }
    Mouse().MouseUp(mbRight, 300, 240);
    EXPECT_FALSE(Mouse().Panning());
    // What was under the mouse at the press is under it at the release.
    EXPECT_NEAR(Bottom->InternalCalcPosPoint(300), XUnder, Width * 1e-9);
    EXPECT_NEAR(Left->InternalCalcPosPoint(240), YUnder, (Left->IMaximum - Left->IMinimum) * 1e-9);
    EXPECT_NEAR(Bottom->IMaximum - Bottom->IMinimum, Width, Width * 1e-9);
    EXPECT_TRUE(Chart->ScalesSaved());
}

TEST_F(ChartMouse, EachWheelStepMovesTheVerticalLimitsByThreePercent)
{
    TChartAxis* Left = Chart->LeftAxis();
    const double Min = Left->IMinimum;
    const double Max = Left->IMaximum;
    const double Step = (Max - Min) * 0.03;
    Mouse().MouseWheel(2);
    EXPECT_NEAR(Left->Minimum(), Min + 2 * Step, Step * 1e-9);
    EXPECT_NEAR(Left->Maximum(), Max + 2 * Step, Step * 1e-9);
    EXPECT_TRUE(Chart->BottomAxis()->Automatic());
    Mouse().MouseWheel(-1);
    EXPECT_NEAR(Left->Minimum(), Min + Step, Step * 1e-9);
    Chart->UndoZoom();
    EXPECT_TRUE(Left->Automatic());
}

// A load makes the axes automatic again, but the scales saved before the
// first zoom still wait for the undo.
TEST_F(ChartMouse, SavedScalesOutliveALoad)
{
    TChartAxis* Bottom = Chart->BottomAxis();
    Drag(mbLeft, 100, 100, 300, 250);
    const double Zoomed = Bottom->Minimum();
    Bottom->SetAutomatic(true);
    Chart->LeftAxis()->SetAutomatic(true);
    Frame();
    EXPECT_TRUE(Chart->ScalesSaved());
    Drag(mbLeft, 120, 120, 400, 400);
    Drag(mbLeft, 300, 250, 100, 100);
    EXPECT_TRUE(Bottom->Automatic());
    EXPECT_NE(Bottom->Minimum(), Zoomed);
}

TEST_F(ChartMouse, LeavingTheChartClearsEveryHover)
{
    auto* Series = static_cast<TCustomSeries*>(Chart->GetSeries(1));
    const int X = Series->CalcXPos(50);
    const int Y = Series->CalcYPos(50);
    Mouse().MouseMove(X, Y);
    EXPECT_EQ(Series->HoverIndex(), 50);
    // The legend lights the series' item while the mouse is on the series.
    ASSERT_TRUE(Chart->Legend()->HasSelected());
    EXPECT_EQ(Chart->Legend()->Selected()->HoverIndex(), 1);

    const TChartAxis* Bottom = Chart->BottomAxis();
    ASSERT_FALSE(Bottom->Items().empty());
    Mouse().MouseMove(Bottom->Items()[1].FLabelPos, Bottom->PosLabels() + 3);
    EXPECT_EQ(Bottom->HoverIndex(), 1);
    EXPECT_EQ(Series->HoverIndex(), -1);

    Mouse().MouseMove(X, Y);
    Mouse().MouseLeave();
    EXPECT_EQ(Series->HoverIndex(), -1);
    EXPECT_EQ(Bottom->HoverIndex(), -1);
    EXPECT_EQ(Chart->Legend()->Selected()->HoverIndex(), -1);
}
