#include "chart/panel/CustomShapePosition.h"

#include "core/ChangeNotifier.h"

TCustomShapePosition::TCustomShapePosition(TChartContext* AChart) : TCustomTextShape(AChart) {}

TCustomShapePosition::~TCustomShapePosition() = default;

void TCustomShapePosition::SetCustomPosition(bool Value)
{
    if (Change(FCustomPosition, Value))
        Repaint();
}

void TCustomShapePosition::SetLeft(int Value)
{
    const int Width = FShapeBounds.Width();
    const bool Moved = Change(FShapeBounds.Left, Value);
    FShapeBounds.Right = FShapeBounds.Left + Width;
    if (Change(FCustomPosition, true) || Moved)
        Repaint();
}

void TCustomShapePosition::SetTop(int Value)
{
    const int Height = FShapeBounds.Height();
    const bool Moved = Change(FShapeBounds.Top, Value);
    FShapeBounds.Bottom = FShapeBounds.Top + Height;
    if (Change(FCustomPosition, true) || Moved)
        Repaint();
}
