#include "chart/series/SeriesPointer.h"
#include "core/ChangeNotifier.h"

#include "chart/axes/ChartAxis.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/SeriesChart.h"
#include "chart/canvas/ChartCanvas.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

TSeriesPointer::TSeriesPointer(TChartSeries* AOwner)
    : FBrush(std::make_unique<TChartBrush>()), FPen(std::make_unique<TChartPen>()), FSeries(AOwner)
{
    // Markers take the point colour unless given one of their own.
    FBrush->SetColor(clDefault);
    FBrush->SetBackColor(clNone);
    FBrush->SetOnChange([this] { Repaint(); });
    FPen->SetOnChange([this] { Repaint(); });
}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::Repaint()
{
    if (FSeries)
        FSeries->Repaint();
}

void TSeriesPointer::SetVisible(bool Value)
{
    if (Change(FVisible, Value))
        Repaint();
}

void TSeriesPointer::SetHorizSize(int Value)
{
    if (Change(FHorizSize, std::max(Value, 1)))
        Repaint();
}

void TSeriesPointer::SetVertSize(int Value)
{
    if (Change(FVertSize, std::max(Value, 1)))
        Repaint();
}

void TSeriesPointer::SetSize(int Value)
{
    SetHorizSize(Value);
    SetVertSize(Value);
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle Value)
{
    if (Change(FStyle, Value))
        Repaint();
}

void TSeriesPointer::SetInflateMargins(bool Value)
{
    if (Change(FInflate, Value))
        Repaint();
}

void TSeriesPointer::SetDarkPen(int Value)
{
    if (Change(FDarkPen, Value))
        Repaint();
}

void TSeriesPointer::SetTransparency(int Value)
{
    if (Change(FTransparency, std::clamp(Value, 0, 100)))
        Repaint();
}

void TSeriesPointer::SetSizeFloat(float Value)
{
    if (Change(FSizeFloat, Value))
        Repaint();
}

void TSeriesPointer::SetSizeUnits(TPointerSizeUnits Value)
{
    if (Change(FSizeUnits, Value))
        Repaint();
}

void TSeriesPointer::SetDraw3D(bool Value)
{
    if (Change(FDraw3D, Value))
        Repaint();
}

// ---------------------------------------------------------------- drawing

namespace {

// A colour Quantity darker in each channel, keeping its transparency byte.
TColor Darker(TColor Color, int Quantity)
{
    auto channel = [Quantity](int c) { return std::clamp(c - Quantity, 0, 255); };
    return (Color & 0xFF000000u) | RGBColor(channel(RedOf(Color)), channel(GreenOf(Color)), channel(BlueOf(Color)));
}

bool IsPlainColor(TColor Color) { return Color != clNone && Color != clDefault && !IsSystemColor(Color); }

// The marker shape centred on (px, py) with half-sizes H and V, drawn with
// the canvas's pen and brush.
void DrawShape(TChartCanvas& C, int px, int py, int H, int V, TSeriesPointerStyle Style)
{
    const int L = px - H, R = px + H, T = py - V, B = py + V;
    switch (Style) {
    case psRectangle:
    case psVisual: C.Rectangle(L, T, R + 1, B + 1); break;
    case psCircle: C.Ellipse(L, T, R, B); break;
    case psTriangle: C.Polygon({{L, B}, {R, B}, {px, T}}); break;
    case psDownTriangle: C.Polygon({{L, T}, {R, T}, {px, B}}); break;
    case psLeftTriangle: C.Polygon({{R, T}, {R, B}, {L, py}}); break;
    case psRightTriangle: C.Polygon({{L, T}, {L, B}, {R, py}}); break;
    case psDiamond: C.Polygon({{L, py}, {px, T}, {R, py}, {px, B}}); break;
    case psCross:
        C.Line(L, py, R + 1, py);
        C.Line(px, T, px, B + 1);
        break;
    case psDiagCross:
        C.Line(L, T, R + 1, B + 1);
        C.Line(L, B, R + 1, T - 1);
        break;
    case psStar:
        C.Line(L, py, R + 1, py);
        C.Line(px, T, px, B + 1);
        C.Line(L, T, R + 1, B + 1);
        C.Line(L, B, R + 1, T - 1);
        break;
    case psSmallDot: C.FillRect({px, py, px + 1, py + 1}); break;
    case psHexagon: {
        const int h = H / 2;
        C.Polygon({{L, py}, {L + h, T}, {R - h, T}, {R, py}, {R - h, B}, {L + h, B}});
        break;
    }
    case psDonut:
        C.Ellipse(L, T, R, B);
        C.Ellipse(px - H / 2, py - V / 2, px + H / 2, py + V / 2);
        break;
    case psArrow: {
        const int h = std::max(H / 2, 1);
        C.Polygon({{px, T}, {R, py}, {px + h, py}, {px + h, B}, {px - h, B}, {px - h, py}, {L, py}});
        break;
    }
    case psNothing: break;
    }
}

// The canvas's alpha lowered for the marker, and restored however drawing ends.
class TBlending {
public:
    TBlending(TChartCanvas& C, const TRect& R, int Percent) : FCanvas(Percent > 0 ? &C : nullptr)
    {
        if (FCanvas)
            FCanvas->BeginBlending(R, Percent);
    }
    ~TBlending()
    {
        if (FCanvas)
            FCanvas->EndBlending();
    }
    TBlending(const TBlending&) = delete;
    TBlending& operator=(const TBlending&) = delete;

private:
    TChartCanvas* FCanvas;
};

} // namespace

void TSeriesPointer::PrepareCanvas(TChartCanvas* ACanvas, TColor ColorValue) const
{
    if (FPen->Visible()) {
        TColor c = FPen->Color();
        if (FDarkPen != 0) {
            const TColor own = IsPlainColor(c) ? (c & 0xFF000000u) : 0;
            c = Darker(ACanvas->RenderContext().ResolveColor(ColorValue) & 0xFFFFFFu, FDarkPen) | own;
        } else if (c == clDefault) {
            c = ColorValue;
        }
        ACanvas->AssignVisiblePenColor(*FPen, ACanvas->RenderContext().ResolveColor(c));
    } else if (ACanvas->Pen()->Visible() && ACanvas->Pen()->Style() != psClear) {
        ACanvas->Pen()->SetStyle(psClear);
    }
    TColor b = FBrush->Color();
    if (b == clDefault)
        b = FBrush->Style() == bsSolid ? ColorValue : FBrush->BackColor();
    ACanvas->AssignBrushColor(*FBrush, ACanvas->RenderContext().ResolveColor(b), ACanvas->RenderContext().ResolveColor(ColorValue));
    // No colour fills nothing.
    if (b == clNone || b == clDefault)
        ACanvas->Brush()->SetStyle(bsClear);
}

void TSeriesPointer::Draw(int px, int py, TColor ColorValue, TSeriesPointerStyle AStyle, int Times) const
{
    TSeriesChart* Chart = FSeries ? FSeries->ParentChart() : nullptr;
    if (!Chart)
        return;
    int H;
    int V;
    DrawSizes(H, V);
    DrawPointer(Chart->Canvas(), Chart->View3D(), px, py, H, V, ColorValue, AStyle, Times);
}

void TSeriesPointer::DrawSizes(int& H, int& V) const
{
    // Axis units: the size measured in values of the series' vertical axis.
    auto AxisPixels = [this](double Size) {
        const TChartAxis* Axis = FSeries->GetVertAxis();
        if (!Axis)
            return Numbers::RoundInt(Size);
        return std::abs(Axis->CalcPosValue(Axis->Minimum() + Size) - Axis->CalcPosValue(Axis->Minimum()));
    };
    H = FHorizSize;
    V = FVertSize;
    if (FSizeFloat != 0) {
        H = V = FSizeUnits == suAxis ? AxisPixels(FSizeFloat) : Numbers::RoundInt(FSizeFloat);
    } else if (FSizeUnits == suAxis) {
        H = AxisPixels(FHorizSize);
        V = AxisPixels(FVertSize);
    }
}

void TSeriesPointer::DrawPointer(TChartCanvas* ACanvas, bool /*Is3D*/, int px, int py, int Horiz, int Vert,
                                 TColor /*ColorValue*/, TSeriesPointerStyle AStyle, int Times) const
{
    if (!ACanvas || AStyle == psNothing)
        return;
    TChartCanvas& C = *ACanvas;
    const TBlending Blending(C, {px - Horiz, py - Vert, px + Horiz + 1, py + Vert + 1}, FTransparency);
    // The figure reaches one pixel past the box (the rectangle's right and
    // bottom edges), half the pen beyond that and a pixel of smoothing.
    const TChartPen& Pen = *C.Pen();
    const int PenReach = Pen.Visible() && Pen.Style() != psClear ? (std::max(Pen.Width(), 1) + 1) / 2 : 0;
    const int Reach = Horiz >= 0 && Vert >= 0 && Horiz < 0xFFFFF && Vert < 0xFFFFF
        ? std::max(Horiz, Vert) + 2 + PenReach
        : -1;
    // The figure code: 'P', the style and the half-sizes.
    const uint64_t Shape = (uint64_t('P') << 56) | (uint64_t(AStyle) << 48) | (uint64_t(Horiz & 0xFFFFF) << 24)
        | uint64_t(Vert & 0xFFFFF);
    const auto Paint = [&](int x, int y) { DrawShape(C, x, y, Horiz, Vert, AStyle); };
    if (Times == 1)
        C.DrawStamp(px, py, Shape, Reach, Paint);
    else
        C.DrawStamps(px, py, Shape, Reach, Paint, Times);
}
