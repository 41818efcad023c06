#include "chart/panel/CustomChartPanel.h"

#include "chart/panel/CanvasFactory.h"
#include "chart/panel/OffscreenFrame.h"
#include "chart/axes/QuietChart.h"
#include "core/ChangeNotifier.h"
#include "chart/panel/ChartHost.h"
#include "chart/canvas/ShadowPainter.h"
#include "chart/canvas/ChartCanvas.h"
#include "chart/canvas/ChartFont.h"

#include <QImage>
#include <QPaintDevice>

#include <algorithm>
#include <string>

TCustomChartPanel::TCustomChartPanel()
{
    FBorder.SetOnChange([this] { Invalidate(); });
    FShadow.SetOnChange([this] { Invalidate(); });
    FEmboss.SetOnChange([this] { Invalidate(); });
}

TCustomChartPanel::~TCustomChartPanel() = default;

// ------------------------------------------------------------- repainting

void TCustomChartPanel::Invalidate()
{
    if (!FAutoRepaint)
        return;
    FDirty = true;
    ++FInvalidateCount;
    if (FCanvas)
        FCanvas->Invalidate();
    if (FOnRepaintRequest)
        FOnRepaintRequest();
    // One request stands for any number of changes until the host paints.
    if (FHost && !FRepaintPending) {
        FRepaintPending = true;
        FHost->RequestRepaint();
    }
}

void TCustomChartPanel::RequestOverlayRepaint()
{
    if (FHost)
        FHost->RequestRepaint();
}

void TCustomChartPanel::SetSize(int AWidth, int AHeight)
{
    if (FWidth == AWidth && FHeight == AHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    Invalidate();
}

// ----------------------------------------------------------------- frames

TChartCanvas* TCustomChartPanel::Canvas()
{
    if (!FCanvas)
        FCanvas = CreateDefaultCanvas();
    return FCanvas.get();
}

void TCustomChartPanel::SetCanvas(std::unique_ptr<TChartCanvas> Value)
{
    if (!Value)
        return;
    if (FCanvas)
        Value->SetBufferedDisplay(FCanvas->BufferedDisplay());
    FCanvas = std::move(Value);
    FCanvas->Invalidate();
    Invalidate();
}

namespace {

// Runs its function when it goes, on every path out.
template <class F>
class TOnExit {
public:
    explicit TOnExit(F Function) : FFunction(std::move(Function)) {}
    ~TOnExit() { FFunction(); }
    TOnExit(const TOnExit&) = delete;
    TOnExit& operator=(const TOnExit&) = delete;

private:
    F FFunction;
};

} // namespace

TRenderContext TCustomChartPanel::FrameContext(TRenderOutput Output, const QPaintDevice* Destination) const
{
    TRenderContext Context = TRenderContext::For(Output, FSystemPalette);
    if (Output == roScreen && Destination)
        Context.DevicePixelRatio = Destination->devicePixelRatioF();
    return Context;
}

void TCustomChartPanel::SetSystemPalette(const TSystemPalette& Value)
{
    if (FSystemPalette == Value)
        return;
    FSystemPalette = Value;
    IRenderContext.Palette = Value;
    if (FCanvas)
        FCanvas->SetRenderContext(IRenderContext);
    Invalidate();
}

void TCustomChartPanel::DrawFrame(QPaintDevice* Destination, const TRect& Rect, const TRenderContext& Context)
{
    TChartCanvas* C = Canvas();
    // The frame's context for the frame; the screen's between frames.
    IRenderContext = Context;
    C->SetRenderContext(Context);
    TOnExit Restore([this, C] {
        IRenderContext = FrameContext(roScreen, nullptr);
        C->SetRenderContext(IRenderContext);
    });
    const TColor Background = ResolvePanelColor(FColor);
    const TRect Bounds = C->InitWindow(Destination, Rect, FView3D, Background);
    try {
        // Changes made while a frame is laid out and drawn ask for no repaint.
        TQuietChart Quiet(this);
        CalcFrameLayout(Bounds);
        InternalDraw(FChartBounds);
    } catch (...) {
        // Never leave a painter bound to a device the caller may destroy.
        C->AbandonFrame();
        throw;
    }
    C->ShowImage(Destination, Rect);
}

void TCustomChartPanel::Layout(const TRect& Rect)
{
    // The rectangle a frame over Rect would draw in; text is measured as for
    // a picture, and nothing is drawn.
    TChartCanvas* C = Canvas();
    const TRect Bounds = C->BufferedDisplay() ? TRect{0, 0, std::max(0, Rect.Width()), std::max(0, Rect.Height())}
                                              : Rect;
    TQuietChart Quiet(this);
    CalcFrameLayout(Bounds);
}

void TCustomChartPanel::CalcFrameLayout(const TRect& Bounds)
{
    FChartBounds = Bounds;
    FLayout = TFrameLayout();
    FLayout.Bounds = FChartBounds;
    CalcChartRect();
    ReCalcWidthHeight();
    FLayout.ChartRectInitial = FChartRect;
    FLayout.ChartRectAfterTitlesAndLegend = FChartRect;
    FLayout.ChartRectFinal = FChartRect;
    CalcLayout();
}

void TCustomChartPanel::Draw(QPaintDevice* Destination, const TRect& Rect)
{
    IQuickFrame = FQuickFrames;
    try {
        DrawFrame(Destination, Rect, FrameContext(roScreen, Destination));
    } catch (...) {
        IQuickFrame = false;
        FDirty = true;
        throw;
    }
    IQuickFrame = false;
    FQuickFrameShown = FQuickFrames;
    FLastFrameRect = Rect;
    FDirty = false;
    ++FFrameCount;
}

void TCustomChartPanel::DrawOffscreen(QPaintDevice* Destination, const TRect& Rect, TRenderOutput Output,
                                      double ReferenceDpi)
{
    TOffscreenFrame Offscreen(*this);
    TRenderContext Context = FrameContext(Output, Destination);
    Context.ReferenceDpi = ReferenceDpi;
    DrawFrame(Destination, Rect, Context);
}

QImage TCustomChartPanel::CreateChartBitmap(TColor Background, const TRect& R)
{
    if (Background == clDefault)
        Background = FColor;
    QImage Bitmap(std::max(1, R.Width()), std::max(1, R.Height()), QImage::Format_ARGB32_Premultiplied);
    if (Bitmap.isNull())
        throw std::runtime_error("Not enough memory for a " + std::to_string(R.Width()) + " × "
                                 + std::to_string(R.Height()) + " picture of the chart");
    // The screen is up to date: what it shows is the picture.
    const TRect At{0, 0, R.Width(), R.Height()};
    if (Background == FColor && !FDirty && !FQuickFrameShown && Canvas()->ReDrawBitmap(&Bitmap, At))
        return Bitmap;
    const TColor Fill = ResolvePanelColor(Background);
    Bitmap.fill(Fill == clNone ? QColor(Qt::white) : QColor(RedOf(Fill), GreenOf(Fill), BlueOf(Fill)));
    DrawOffscreen(&Bitmap, At);
    return Bitmap;
}

void TCustomChartPanel::Paint(QPaintDevice* Destination, const TRect& Rect)
{
    FRepaintPending = false;
    if (FPrinting)
        return;
    // A buffer of another size is no picture of this rectangle.
    const bool SameSize = FFrameCount > 0 && Rect.Width() == FLastFrameRect.Width()
        && Rect.Height() == FLastFrameRect.Height();
    if (SameSize && !FDirty && Canvas()->ReDrawBitmap(Destination, Rect))
        return;
    Draw(Destination, Rect);
}

void TCustomChartPanel::InternalDraw(const TRect& UserRect)
{
    PanelPaint(UserRect);
    Canvas()->ResetState();
}

// ----------------------------------------------------------- chart rectangle

int TCustomChartPanel::FrameWidth() const
{
    int B = FBorderWidth;
    if (FBevelInner != bvNone)
        B += FBevelWidth;
    if (FBevelOuter != bvNone)
        B += FBevelWidth;
    if (FBorder.Visible())
        B += FBorder.Width();
    return B;
}

void TCustomChartPanel::CalcChartRect()
{
    if (FCustomChartRect)
        return;
    const TRect& R = FChartBounds;
    int L = FMarginLeft;
    int T = FMarginTop;
    int Rt = FMarginRight;
    int Bt = FMarginBottom;
    if (FMarginUnits == muPercent) {
        // Integer arithmetic, truncating: 3 × 781 div 100 = 23.
        const int W = R.Width();
        const int H = R.Height();
        L = FMarginLeft * W / 100;
        T = FMarginTop * H / 100;
        Rt = FMarginRight * W / 100;
        Bt = FMarginBottom * H / 100;
    }
    const int B = FrameWidth();
    FChartRect = {R.Left + L + B, R.Top + T + B, R.Right - B - Rt, R.Bottom - B - Bt};

    if (FShadow.Visible()) {
        const int h = FShadow.HorizSize();
        const int v = FShadow.VertSize();
        if (h >= 1)
            FChartRect.Right -= h;
        else
            FChartRect.Left -= h;
        if (v >= 1)
            FChartRect.Bottom -= v;
        else
            FChartRect.Top -= v;
    }
    if (FEmboss.Visible()) {
        const int h = FEmboss.HorizSize();
        const int v = FEmboss.VertSize();
        if (h < 1)
            FChartRect.Right += h;
        else
            FChartRect.Left += h;
        if (v < 1)
            FChartRect.Bottom += v;
        else
            FChartRect.Top += v;
    }
}

// ------------------------------------------------------------ background

void TCustomChartPanel::PanelPaint(const TRect& UserRect)
{
    TChartCanvas* C = Canvas();
    TRect R = UserRect;
    if (FColor != clNone) {
        // What the chart sits on shows where a shadow leaves the panel.
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(ResolvePanelColor(FParentBackColor));
        C->Pen()->SetStyle(psClear);
        C->FillRect(R);

        if (FShadow.ShouldDraw()) {
            const int h = FShadow.HorizSize();
            const int v = FShadow.VertSize();
            if (h >= 1)
                R.Right -= h + 1;
            else
                R.Left += -(h + 1);
            if (v >= 1)
                R.Bottom -= v + 1;
            else
                R.Top += -(v + 1);
            DrawShadow(*C, FShadow, R, FBorderRound);
        }
        if (FEmboss.ShouldDraw()) {
            const int h = FEmboss.HorizSize();
            const int v = FEmboss.VertSize();
            if (h >= 1)
                R.Left += h + 1;
            else
                R.Right += -(h + 1);
            if (v >= 1)
                R.Top += v + 1;
            else
                R.Bottom += -(v + 1);
            DrawShadow(*C, FEmboss, R, FBorderRound);
        }
    }

    const TColor FrameColor = FParentColor ? FParentBackColor : FColor;
    if (FBorder.Visible() || FrameColor != clNone) {
        C->AssignVisiblePen(FBorder);
        if (FrameColor == clNone) {
            C->Brush()->SetStyle(bsClear);
        } else {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(ResolveColor(FrameColor));
        }
        TRect F = R;
        if (FBorder.Visible()) {
            // The outline is stroked on the rectangle's edges and a stroke at
            // x names pixel column x: the right and bottom edges are pulled in
            // by one so that the frame lies on the panel's last column and row.
            const int w = std::max(FBorder.Width(), 1);
            F.Left += w / 2;
            F.Top += w / 2;
            F.Right -= (w - 1) / 2 + 1;
            F.Bottom -= (w - 1) / 2 + 1;
        } else {
            ++F.Right;
            ++F.Bottom;
        }
        if (FBorderRound > 0)
            C->RoundRect(F.Left, F.Top, F.Right, F.Bottom, FBorderRound, FBorderRound);
        else
            C->Rectangle(F);
    }

    if (FBevelOuter != bvNone || FBevelInner != bvNone || FBorderWidth != 0) {
        TRect B = UserRect;
        DrawBevels(B);
    }
}

namespace {

constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clBtnHighlight = 0xFF000014;

// A frame of `Width` pixels inside R, one colour on the top and left edges and
// another on the bottom and right; R shrinks by it.
void FillFrame(const TChartContext& Chart, TChartCanvas& C, TRect& R, int Width, TColor TopLeft, TColor BottomRight)
{
    if (Width <= 0)
        return;
    C.Pen()->SetStyle(psClear);
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Chart.ResolveColor(TopLeft));
    C.FillRect({R.Left, R.Top, R.Right, R.Top + Width});
    C.FillRect({R.Left, R.Top, R.Left + Width, R.Bottom});
    C.Brush()->SetColor(Chart.ResolveColor(BottomRight));
    C.FillRect({R.Left, R.Bottom - Width, R.Right, R.Bottom});
    C.FillRect({R.Right - Width, R.Top, R.Right, R.Bottom});
    R = {R.Left + Width, R.Top + Width, R.Right - Width, R.Bottom - Width};
}

void DrawBevel(const TChartContext& Chart, TChartCanvas& C, TRect& R, TPanelBevel Bevel, int Width)
{
    switch (Bevel) {
    case bvNone: return;
    case bvLowered: FillFrame(Chart, C, R, Width, clBtnShadow, clBtnHighlight); return;
    case bvRaised: FillFrame(Chart, C, R, Width, clBtnHighlight, clBtnShadow); return;
    case bvSpace: FillFrame(Chart, C, R, Width, clBtnFace, clBtnFace); return;
    }
}

} // namespace

void TCustomChartPanel::DrawBevels(TRect& R)
{
    TChartCanvas& C = *Canvas();
    DrawBevel(*this, C, R, FBevelOuter, FBevelWidth);
    const TColor Fill = FColor == clNone ? FParentBackColor : FColor;
    FillFrame(*this, C, R, FBorderWidth, Fill, Fill);
    DrawBevel(*this, C, R, FBevelInner, FBevelWidth);
}

// ------------------------------------------------------------------- text

// ------------------------------------------------------------- properties

void TCustomChartPanel::SetQuickFrames(bool Value)
{
    if (Change(FQuickFrames, Value))
        Invalidate();
}

void TCustomChartPanel::SetView3D(bool Value)
{
    if (Change(FView3D, Value))
        Invalidate();
}

void TCustomChartPanel::SetColor(TColor Value)
{
    if (Change(FColor, Value))
        Invalidate();
}

void TCustomChartPanel::SetParentColor(bool Value)
{
    if (Change(FParentColor, Value))
        Invalidate();
}

void TCustomChartPanel::SetParentBackColor(TColor Value)
{
    if (Change(FParentBackColor, Value))
        Invalidate();
}

void TCustomChartPanel::SetBorderRound(int Value)
{
    if (Change(FBorderRound, Value))
        Invalidate();
}

void TCustomChartPanel::SetBevelOuter(TPanelBevel Value)
{
    if (Change(FBevelOuter, Value))
        Invalidate();
}

void TCustomChartPanel::SetBevelInner(TPanelBevel Value)
{
    if (Change(FBevelInner, Value))
        Invalidate();
}

void TCustomChartPanel::SetBevelWidth(int Value)
{
    if (Change(FBevelWidth, Value))
        Invalidate();
}

void TCustomChartPanel::SetBorderWidth(int Value)
{
    if (Change(FBorderWidth, Value))
        Invalidate();
}

void TCustomChartPanel::SetMarginLeft(int Value)
{
    if (Change(FMarginLeft, Value))
        Invalidate();
}

void TCustomChartPanel::SetMarginTop(int Value)
{
    if (Change(FMarginTop, Value))
        Invalidate();
}

void TCustomChartPanel::SetMarginRight(int Value)
{
    if (Change(FMarginRight, Value))
        Invalidate();
}

void TCustomChartPanel::SetMarginBottom(int Value)
{
    if (Change(FMarginBottom, Value))
        Invalidate();
}

void TCustomChartPanel::SetMarginUnits(TMarginUnits Value)
{
    if (Change(FMarginUnits, Value))
        Invalidate();
}
