#include "chart/panel/ChartWall.h"

#include "chart/panel/BackImage.h"
#include "core/ChangeNotifier.h"
#include "chart/panel/CustomChartPanel.h"
#include "chart/canvas/ShadowPainter.h"
#include "chart/canvas/ChartCanvas.h"

TChartWall::TChartWall(TChartContext* AChart, TColor AColor)
    : TCustomChartWall(AChart, AColor), FPicture(std::make_unique<TBackImage>([this] { Repaint(); }))
{
}

TChartWall::~TChartWall() = default;

void TChartWall::SetStartPosition(int Value)
{
    if (Change(FStartPosition, Value))
        Repaint();
}

void TChartWall::SetEndPosition(int Value)
{
    if (Change(FEndPosition, Value))
        Repaint();
}

void TChartWall::DrawWall(const TRect& R, const TRect& PictureRect)
{
    TChartCanvas& C = *FParentChart->Canvas();
    const bool Blend = FTransparency > 0;
    if (Blend)
        C.BeginBlending(R, FTransparency);
    const int Round = FShapeStyle == fosRoundRectangle ? FRoundSize : 0;
    DrawShadow(C, FShadow, R, Round);
    if (FEmboss)
        DrawShadow(C, *FEmboss, R, Round);

    C.AssignVisiblePen(FPen);
    if (FTransparent)
        C.Brush()->SetStyle(bsClear);
    else
        C.AssignBrushColor(FBrush, FParentChart->ResolveColor(FColor), FParentChart->ResolveColor(FBrush.BackColor()));
    if (FShapeStyle == fosRoundRectangle)
        C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, FRoundSize, FRoundSize);
    else
        C.Rectangle(R);

    FPicture->Draw(C, PictureRect);
    if (Blend)
        C.EndBlending();
}
