#include "chart/axes/CustomShapeBrushPen.h"

#include "core/ChangeNotifier.h"
#include "chart/axes/ChartContext.h"

TCustomShapeBrushPen::TCustomShapeBrushPen(TChartContext* AChart) : FParentChart(AChart)
{
    FBrush.SetOnChange([this] { Repaint(); });
    FPen.SetOnChange([this] { Repaint(); });
}

TCustomShapeBrushPen::~TCustomShapeBrushPen() = default;

void TCustomShapeBrushPen::SetVisible(bool Value)
{
    if (Change(FVisible, Value))
        Repaint();
}

void TCustomShapeBrushPen::Repaint()
{
    if (FParentChart)
        FParentChart->Invalidate();
}
