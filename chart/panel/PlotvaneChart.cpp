#include "chart/panel/PlotvaneChart.h"

#include "chart/axes/QuietChart.h"
#include "chart/panel/Chart.h"

#include <QStringList>

namespace {

void LoadDesign(TChart& Chart)
{
    Chart.SetView3D(false);
    Chart.SetBevelOuter(bvNone);
    Chart.SetColorPaletteIndex(13);

    TChartTitle* Title = Chart.Title();
    Title->SetText(QStringList{QStringLiteral("タイトル")});
    Title->Font()->SetColor(clBlack);

    Chart.Legend()->SetLegendStyle(lsSeries);

    Chart.Emboss()->SetVisible(true);
    TChartShadow* Shadow = Chart.Shadow();
    Shadow->SetColor(0x858585);
    Shadow->SetHorizSize(14);
    Shadow->SetVertSize(14);
    Shadow->SetVisible(false);

    TChartBackWall* Wall = Chart.BackWall();
    Wall->Emboss()->SetColor(0x818181);
    Wall->Emboss()->SetHorizSize(2);
    Wall->Emboss()->SetVertSize(2);
    Wall->Shadow()->SetColor(0x888888);
    Wall->Shadow()->SetHorizSize(14);
    Wall->Shadow()->SetVertSize(14);
    Wall->Shadow()->SetTransparency(40);
}

} // namespace

void ConfigurePlotvaneChart(TChart& Chart)
{
    {
        // As the stored design loads: nothing repaints meanwhile.
        TQuietChart Quiet(&Chart);
        LoadDesign(Chart);
    }
    Chart.Invalidate();
}

std::unique_ptr<TChart> CreatePlotvaneChart()
{
    auto Chart = std::make_unique<TChart>();
    ConfigurePlotvaneChart(*Chart);
    return Chart;
}
