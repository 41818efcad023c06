#include "chart/SeriesPointer.h"
#include "chart/canvas/ChangeNotifier.h"

#include "chart/ChartSeries.h"

#include <algorithm>

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
