#include "ChartTestFixture.h"
#include "chart/panel/ChartHost.h"

#include <QImage>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(ChartPanel, ConfiguredChartHasTheStoredDesign)
{
    auto Chart = CreatePlotvaneChart();
    EXPECT_FALSE(Chart->View3D());
    EXPECT_EQ(Chart->Title()->Text(), QStringList{QStringLiteral("タイトル")});
    EXPECT_EQ(Chart->Title()->Font()->Color(), clBlack);
    EXPECT_TRUE(Chart->AutoRepaint());

    // A plain chart makes its blue title on first access, without a repaint.
    TChart Plain;
    EXPECT_FALSE(Plain.HasTitle());
    EXPECT_EQ(Plain.Title()->Font()->Color(), 0xFF0000u);
    EXPECT_EQ(Plain.InvalidateCount(), 0);
}

TEST(ChartPanel, ChartRectFromMarginsBorderAndShadow)
{
    TRecordedChart Chart;
    Chart->Title()->SetVisible(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().Bounds, TRect({0, 0, 781, 590}));
    EXPECT_EQ(Chart.Layout().ChartRectInitial, TRect({23, 23, 758, 567}));
    EXPECT_EQ(Chart->ChartXCenter(), 390);
    EXPECT_EQ(Chart->ChartWidth(), 735);

    Chart->Border()->SetVisible(true);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectInitial, TRect({24, 24, 757, 566}));

    Chart->Border()->SetVisible(false);
    Chart->Shadow()->SetVisible(true);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectInitial, TRect({23, 23, 744, 553}));

    // Negative shadow sizes take the left and top; an emboss the other sides.
    Chart->Shadow()->SetHorizSize(-5);
    Chart->Shadow()->SetVertSize(0);
    Chart->Emboss()->SetHorizSize(4);
    Chart->Emboss()->SetVertSize(-2);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectInitial, TRect({32, 23, 758, 565}));

    // Pixels as given.
    Chart->Shadow()->SetVisible(false);
    Chart->Emboss()->SetVisible(false);
    Chart->SetMarginUnits(muPixels);
    Chart->SetMarginLeft(10);
    Chart->SetMarginTop(20);
    Chart->SetMarginRight(30);
    Chart->SetMarginBottom(40);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectInitial, TRect({10, 20, 751, 550}));
    EXPECT_EQ(Chart.Layout().ChartRectFinal, Chart.Layout().ChartRectInitial);
}

TEST(ChartPanel, SqueezedChartRectKeepsOnePixel)
{
    TRecordedChart Chart;
    Chart->Title()->SetVisible(false);
    Chart->SetMarginUnits(muPixels);
    Chart->SetMarginLeft(500);
    Chart->SetMarginRight(500);
    Chart->SetMarginTop(-50); // cannot leave the bounds
    Chart.Frame(781, 590);
    const TRect R = Chart->ChartRect();
    EXPECT_EQ(R.Left, 500);
    EXPECT_EQ(R.Right, 501);
    EXPECT_EQ(R.Top, 0);
    EXPECT_EQ(Chart->ChartWidth(), 1);
}

TEST(ChartPanel, BackgroundShadowAndFrame)
{
    TRecordedChart Chart;
    Chart->SetColor(0x123456);
    Chart.Frame();
    const TColor Face = Chart->ResolveColor(clBtnFace);
    EXPECT_EQ(Face, 0xF0F0F0u); // the classic button face until the host gives another

    // What the chart sits on, then the panel over it.
    auto& Calls = Chart.Canvas->Calls;
    ASSERT_GE(Calls.size(), 2u);
    EXPECT_EQ(Calls[0].Op, "FillRect");
    EXPECT_EQ(Calls[0].R, TRect({0, 0, 781, 590}));
    EXPECT_EQ(Calls[0].BrushColor, Face);
    EXPECT_EQ(Calls[1].Op, "Rectangle");
    EXPECT_EQ(Calls[1].R, TRect({0, 0, 782, 591})); // no frame: one pixel further
    EXPECT_EQ(Calls[1].PenStyle, psClear);
    EXPECT_EQ(Calls[1].BrushColor, 0x123456u);

    // The stored shadow: the panel gives up 15 pixels, the shadow starts 14 in.
    Chart->Shadow()->SetVisible(true);
    Chart.Frame();
    const auto Shadows = Chart.Canvas->Of("ShadowRect");
    ASSERT_EQ(Shadows.size(), 1u);
    EXPECT_EQ(Shadows[0].R, TRect({14, 14, 780, 589}));
    EXPECT_EQ(Shadows[0].Alpha, 128);
    EXPECT_EQ(Chart.Canvas->Transparency(), 255);
    EXPECT_EQ(Chart.Canvas->Of("Rectangle")[0].R, TRect({0, 0, 767, 576}));

    // A visible border lies on the panel's outer pixels.
    Chart->Shadow()->SetVisible(false);
    Chart->Border()->SetVisible(true);
    Chart.Frame();
    auto Frame = Chart.Canvas->Of("Rectangle")[0];
    EXPECT_EQ(Frame.R, TRect({0, 0, 780, 589}));
    EXPECT_EQ(Frame.PenStyle, psSolid);
    EXPECT_EQ(Frame.PenColor, clBlack);
    Chart->Border()->SetWidth(4);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("Rectangle")[0].R, TRect({2, 2, 779, 588}));
    EXPECT_EQ(Chart.Layout().ChartRectInitial, TRect({27, 27, 754, 563}));

    Chart->SetBorderRound(10);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("RoundRect").size(), 1u);

    // clNone erases nothing and, without a border, frames nothing.
    Chart->SetBorderRound(0);
    Chart->Border()->SetVisible(false);
    Chart->SetColor(clNone);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->IndexOf("FillRect"), -1);
    EXPECT_TRUE(Chart.Canvas->Of("Rectangle").size() == 1u); // the wall only
}

TEST(ChartPanel, ResolvesSystemColoursWithThePaletteItIsGiven)
{
    TRecordedChart Chart;
    EXPECT_EQ(Chart->ResolveColor(0x00ABCDEF), 0x00ABCDEFu);
    EXPECT_EQ(Chart->ResolveColor(clNone), clNone);
    EXPECT_EQ(Chart->ResolvePanelColor(clNone), clBlack);
    EXPECT_EQ(Chart->ResolveColor(clWindowText), clBlack);
    EXPECT_EQ(Chart->ResolveColor(0xFF0000FFu), clBlack); // no such system colour

    // A new palette repaints, and every frame after it uses it, exports too.
    TSystemPalette Dark = ClassicSystemPalette();
    Dark[15] = 0x202020;
    const int Before = Chart->InvalidateCount();
    Chart->SetSystemPalette(Dark);
    EXPECT_EQ(Chart->InvalidateCount(), Before + 1);
    Chart->SetSystemPalette(Dark);
    EXPECT_EQ(Chart->InvalidateCount(), Before + 1);
    EXPECT_EQ(Chart->ResolveColor(clBtnFace), 0x202020u);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Calls[0].BrushColor, 0x202020u);
    QImage Picture(200, 100, QImage::Format_ARGB32_Premultiplied);
    Chart->DrawOffscreen(&Picture, {0, 0, 200, 100}, roVectorExport);
    EXPECT_EQ(Chart.Canvas->Calls[0].BrushColor, 0x202020u);
    // Between frames the context is the screen's again.
    EXPECT_EQ(Chart->RenderContext().Output, roScreen);
    EXPECT_EQ(Chart.Canvas->RenderContext().Output, roScreen);
}

TEST(ChartPanel, EachFrameGetsTheContextOfItsOutput)
{
    TRecordedChart Chart;
    std::vector<TRenderOutput> Seen;
    Chart->OnBeforeDrawChart = [&](TCustomAxisPanel* Sender) {
        Seen.push_back(Sender->RenderContext().Output);
        EXPECT_EQ(Sender->Canvas()->RenderContext().Output, Sender->RenderContext().Output);
    };
    QImage Picture(200, 100, QImage::Format_ARGB32_Premultiplied);
    Chart.Frame();
    Chart->DrawOffscreen(&Picture, {0, 0, 200, 100});
    Chart->DrawOffscreen(&Picture, {0, 0, 200, 100}, roVectorExport);
    Chart->DrawOffscreen(&Picture, {0, 0, 200, 100}, roMetafile);
    EXPECT_EQ(Seen, (std::vector<TRenderOutput>{roScreen, roRasterExport, roVectorExport, roMetafile}));

    // What drawing asks of each output.
    const TRenderContext Screen = TRenderContext::For(roScreen, ClassicSystemPalette());
    const TRenderContext Vector = TRenderContext::For(roVectorExport, ClassicSystemPalette());
    const TRenderContext Metafile = TRenderContext::For(roMetafile, ClassicSystemPalette());
    EXPECT_TRUE(Screen.Raster() && !Screen.MergesRepeats() && Screen.KeepsAlpha());
    EXPECT_TRUE(!Vector.Raster() && Vector.MergesRepeats() && Vector.KeepsAlpha());
    EXPECT_TRUE(!Metafile.Raster() && Metafile.MergesRepeats() && !Metafile.KeepsAlpha());

    // A failing frame still gives the screen's context back.
    Chart->OnAfterDraw = [](TCustomAxisPanel*) { throw std::runtime_error("draw failed"); };
    EXPECT_THROW(Chart->DrawOffscreen(&Picture, {0, 0, 200, 100}, roMetafile), std::runtime_error);
    EXPECT_EQ(Chart->RenderContext().Output, roScreen);
    EXPECT_EQ(Chart.Canvas->RenderContext().Output, roScreen);
}

// The pipeline's steps as the drawing events and the canvas see them.
struct TPipelineProbe {
    std::vector<std::string> Steps;
    TRecordedChart Chart;

    TPipelineProbe()
    {
        auto Mark = [this](const char* Name) {
            return [this, Name](TCustomAxisPanel*) {
                Steps.push_back(Name + std::string("@") + std::to_string(Chart.Canvas->Calls.size()));
            };
        };
        Chart->OnBeforeDrawChart = Mark("chart");
        Chart->OnBeforeDrawAxes = Mark("axes");
        Chart->OnBeforeDrawSeries = Mark("series");
        Chart->OnAfterDraw = Mark("after");
    }
    std::string At(const char* Op) { return std::to_string(Chart.Canvas->IndexOf(Op)); }
};

TEST(ChartPanel, FrameRunsInItsFixedOrder)
{
    TPipelineProbe Probe;
    Probe.Chart.Frame();
    const auto& Calls = Probe.Chart.Canvas->Calls;
    // Panel (fill and frame), then the event, the title, the wall, axes, series.
    const int Title = Probe.Chart.Canvas->IndexOf("TextOut");
    const int Wall = Probe.Chart.Canvas->IndexOf("Rectangle", Title);
    ASSERT_GT(Title, 1);
    ASSERT_GT(Wall, Title);
    EXPECT_EQ(Probe.Steps, (std::vector<std::string>{"chart@2", "axes@" + std::to_string(Wall + 1),
                                                     "series@" + std::to_string(Wall + 1),
                                                     "after@" + std::to_string(Calls.size())}));

    // Axes in front of the series: their event comes after the series'.
    Probe.Steps.clear();
    Probe.Chart->SetAxisBehind(false);
    Probe.Chart.Frame();
    ASSERT_EQ(Probe.Steps.size(), 4u);
    EXPECT_EQ(Probe.Steps[1].substr(0, 6), "series");
    EXPECT_EQ(Probe.Steps[2].substr(0, 4), "axes");
    // The surface's state is reset before the last event.
    EXPECT_EQ(Probe.Chart.Canvas->Brush()->Color(), clWhite);
    EXPECT_EQ(Probe.Chart.Canvas->TextAlign(), ta_LeftTop);
}

struct THostStub : TChartHost {
    int Requests = 0;
    void RequestRepaint() override { ++Requests; }
};

TEST(ChartPanel, ChangesCoalesceIntoOneFrame)
{
    TRecordedChart Chart;
    THostStub Host;
    Chart->SetHost(&Host);
    const TRect Client{0, 0, 781, 590};
    Chart->Paint(nullptr, Client);
    EXPECT_EQ(Chart->FrameCount(), 1);

    // Two changes: one request, one frame.
    Chart->SetColor(clWhite);
    Chart->Title()->SetAlignment(taLeftJustify);
    Chart->SetColor(clWhite); // no change
    EXPECT_EQ(Host.Requests, 1);
    EXPECT_TRUE(Chart.Canvas->Dirty());
    Chart->Paint(nullptr, Client);
    EXPECT_EQ(Chart->FrameCount(), 2);

    // Nothing changed: the buffer is copied, nothing is recomputed.
    Chart->Paint(nullptr, Client);
    EXPECT_EQ(Chart->FrameCount(), 2);
    EXPECT_EQ(Chart.Canvas->ReDrawCount, 1);
    EXPECT_EQ(Host.Requests, 1);

    // A new size is a new picture, and a change after a paint asks again.
    Chart->Paint(nullptr, {0, 0, 600, 400});
    EXPECT_EQ(Chart->FrameCount(), 3);
    Chart->Border()->SetVisible(true);
    EXPECT_EQ(Host.Requests, 2);
}

TEST(ChartPanel, ChangesWhileDrawingScheduleNothing)
{
    TRecordedChart Chart;
    THostStub Host;
    Chart->SetHost(&Host);
    Chart->Paint(nullptr, {0, 0, 781, 590});
    const int Before = Chart->InvalidateCount();
    bool AutoRepaintDuringFrame = true;
    Chart->OnBeforeDrawSeries = [&](TCustomAxisPanel* Sender) {
        AutoRepaintDuringFrame = Sender->AutoRepaint();
        Sender->SetColor(clRed);
        Chart->BackWall()->SetColor(clRed);
    };
    Chart->Paint(nullptr, {0, 0, 781, 590}); // not dirty: buffer copy, no event
    EXPECT_TRUE(AutoRepaintDuringFrame);
    Chart->Draw(nullptr, {0, 0, 781, 590});
    EXPECT_FALSE(AutoRepaintDuringFrame);
    EXPECT_EQ(Chart->Color(), clRed);
    EXPECT_EQ(Chart->InvalidateCount(), Before);
    EXPECT_EQ(Host.Requests, 0);
    EXPECT_TRUE(Chart->AutoRepaint());
    EXPECT_FALSE(Chart->Dirty());

    // A failing frame reaches the caller and leaves repainting on.
    Chart->OnAfterDraw = [](TCustomAxisPanel*) { throw std::runtime_error("draw failed"); };
    EXPECT_THROW(Chart.Frame(), std::runtime_error);
    EXPECT_TRUE(Chart->AutoRepaint());
}

} // namespace
