#include "chart/canvas/ChartCanvas.h"

#include "chart/canvas/FontSubstitutions.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>

TChartCanvas::TChartCanvas()
{
    // Every surface needs the face substitutions before it builds a font, whoever
    // created it (window, headless command, tests).
    RegisterFontSubstitutions();
    FPen.SetOnChange([this] { PenChanged(); });
}

TChartCanvas::~TChartCanvas() = default;

void TChartCanvas::AssignVisiblePen(const TChartPen& Value) { AssignVisiblePenColor(Value, Value.Color()); }

void TChartCanvas::AssignVisiblePenColor(const TChartPen& Value, TColor Color)
{
    // Series draw one segment per call with the same pen: an unchanged pen
    // must not drop the cached platform pen.
    const TPenStyle Style = Value.Visible() ? Value.Style() : psClear;
    if (FPen.Visible() == Value.Visible() && FPen.Color() == Color && FPen.Width() == Value.Width()
        && FPen.Style() == Style && FPen.EndStyle() == Value.EndStyle() && FPen.JoinStyle() == Value.JoinStyle())
        return;
    FPen.Assign(Value);
    FPen.SetColor(Color);
    if (!Value.Visible())
        FPen.SetStyle(psClear);
}

void TChartCanvas::AssignBrush(const TChartBrush& Value) { FBrush.Assign(Value); }

void TChartCanvas::AssignBrushColor(const TChartBrush& Value, TColor Color, TColor BackColor)
{
    FBrush.Assign(Value);
    FBrush.SetColor(Color);
    FBrush.SetBackColor(BackColor);
}

void TChartCanvas::AssignFont(const TChartFont& Value)
{
    FFont.Assign(Value);
    if (IZoomText && FFontZoom != 100)
        FFont.SetSize(Numbers::RoundInt(Value.Size() * FFontZoom * 0.01));
}

void TChartCanvas::ResetState()
{
    FPen.Assign(TChartPen());
    FBrush.Assign(TChartBrush());
    FFont.Assign(TChartFont());
    FBackColor = clWhite;
    FBackMode = cbmTransparent;
    FTextAlign = ta_LeftTop;
    FDashPhase = 0;
}

void TChartCanvas::BeginBlending(const TRect& /*R*/, int Percent)
{
    ITranspStack.push_back(FTransparency);
    // Extended precision and ties to even give the alphas the stored pictures
    // were made with: 50 % → 128, 30 % → 179, 70 % → 77 on an opaque surface.
    const long double value = (100 - Percent) * 2.55L * FTransparency * (1.0L / 255);
    FTransparency = int(std::clamp(std::nearbyintl(value), 0.0L, 255.0L));
}

void TChartCanvas::EndBlending()
{
    // An unbalanced end keeps the current alpha rather than reading past the stack.
    if (ITranspStack.empty())
        return;
    FTransparency = ITranspStack.back();
    ITranspStack.pop_back();
}

unsigned TChartCanvas::ArgbOf(TColor Color) const
{
    const int alpha = std::max(0, FTransparency - int(Color >> 24));
    return (unsigned(std::min(alpha, 255)) << 24) | (unsigned(RedOf(Color)) << 16) | (unsigned(GreenOf(Color)) << 8)
        | unsigned(BlueOf(Color));
}
