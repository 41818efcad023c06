#include "chart/CustomChart.h"

#include "chart/ChartWall.h"
#include "chart/ColorPalettes.h"

namespace {
constexpr int DefaultColorPaletteIndex = 13;
}

TCustomChart::TCustomChart()
    : FBackWall(std::make_unique<TChartWall>(this, clSilver)),
      FColorPaletteIndex(DefaultColorPaletteIndex)
{
    // The default palette is in place from the start: a fresh chart colours
    // its series from it without anyone loading it.
    TColorPalettes::GetPalette(DefaultColorPaletteIndex, ColorPalette());
}

TCustomChart::~TCustomChart()
{
    // Free the series while the walls they may consult still exist.
    DestroyContents();
}

void TCustomChart::SetColorPaletteIndex(int Value)
{
    if (FColorPaletteIndex != Value)
        TColorPalettes::ApplyPalette(this, Value);
}

bool TCustomChart::IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                                     const TChartSeries* ASeries) const
{
    if (!TCustomAxisPanel::IsFreeSeriesColor(AColor, CheckBackground, ASeries))
        return false;
    return !(CheckBackground && AColor == FBackWall->Color());
}
