#include "chart/panel/CustomChartWall.h"

#include "core/ChangeNotifier.h"
#include "chart/canvas/ChartEmboss.h"

namespace {
constexpr TColor clGray = 0x808080;
}

TCustomChartWall::TCustomChartWall(TChartContext* AChart, TColor AColor) : TCustomShape(AChart)
{
    FColor = AColor;
    // Defaults are set before the hooks that would repaint.
    FShadow.SetOnChange({});
    FShadow.SetVisible(false);
    FShadow.SetColor(clGray);
    FShadow.SetHorizSize(0);
    FShadow.SetVertSize(0);
    FShadow.SetOnChange([this] { Repaint(); });
    FEmboss = std::make_unique<TChartEmboss>();
    FEmboss->SetColor(clGray);
    FEmboss->SetOnChange([this] { Repaint(); });
}

TCustomChartWall::~TCustomChartWall() = default;

void TCustomChartWall::SetSize(int Value)
{
    if (Change(FSize, Value))
        Repaint();
}
