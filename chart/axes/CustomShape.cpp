#include "chart/axes/CustomShape.h"

#include "core/ChangeNotifier.h"
#include "chart/axes/ChartContext.h"
#include "chart/canvas/ChartEmboss.h"
#include "chart/canvas/ShadowPainter.h"
#include "chart/canvas/ChartCanvas.h"

TCustomShape::TCustomShape(TChartContext* AChart) : TCustomShapeBrushPen(AChart)
{
    FShadow.SetColor(clBlack);
    FShadow.SetHorizSize(3);
    FShadow.SetVertSize(3);
    FShadow.SetOnChange([this] { Repaint(); });
    FFont.SetOnChange([this] { Repaint(); });
}

TCustomShape::~TCustomShape() = default;

TChartEmboss* TCustomShape::Emboss()
{
    if (!FEmboss)
        FEmboss = std::make_unique<TChartEmboss>([this] { Repaint(); });
    return FEmboss.get();
}

void TCustomShape::SetAutoSize(bool Value)
{
    if (Change(FAutoSize, Value))
        Repaint();
}

void TCustomShape::SetColor(TColor Value)
{
    if (Change(FColor, Value))
        Repaint();
}

void TCustomShape::SetTransparent(bool Value)
{
    if (Change(FTransparent, Value))
        Repaint();
}

void TCustomShape::SetTransparency(int Value)
{
    if (Change(FTransparency, Value))
        Repaint();
}

void TCustomShape::SetShapeStyle(TChartObjectShapeStyle Value)
{
    if (Change(FShapeStyle, Value))
        Repaint();
}

void TCustomShape::SetRoundSize(int Value)
{
    if (Change(FRoundSize, Value))
        Repaint();
}

void TCustomShape::DrawShapeOutline(const TRect& R)
{
    TChartCanvas& C = *FParentChart->Canvas();
    switch (FShapeStyle) {
    case fosRectangle: C.Rectangle(R); break;
    case fosRoundRectangle: C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, FRoundSize, FRoundSize); break;
    case fosEllipse: C.Ellipse(R.Left, R.Top, R.Right, R.Bottom); break;
    }
}

void TCustomShape::Draw()
{
    TChartCanvas& C = *FParentChart->Canvas();
    const bool Blend = FTransparency > 0;
    if (Blend)
        C.BeginBlending(FShapeBounds, FTransparency);
    if (FTransparent) {
        C.Brush()->SetStyle(bsClear);
    } else {
        TRect R = FShapeBounds;
        if (FPen.Visible() && FPen.Width() > 1) {
            const int Half = FPen.Width() / 2;
            R = {R.Left - Half, R.Top - Half, R.Right + Half, R.Bottom + Half};
        }
        if (FBrush.Style() != bsClear) {
            const int Round = FShapeStyle == fosRoundRectangle ? FRoundSize : 0;
            DrawShadow(C, FShadow, R, Round);
            if (FEmboss)
                DrawShadow(C, *FEmboss, R, Round);
        }
        C.AssignBrushColor(FBrush, FParentChart->ResolveColor(FColor), FParentChart->ResolveColor(FBrush.BackColor()));
        C.AssignVisiblePen(FPen);
        DrawShapeOutline(FShapeBounds);
    }
    DrawContents();
    if (Blend)
        C.EndBlending();
}
