#pragma once

#include "chart/CustomAxisPanel.h"

#include <memory>

class TChartWall;

// The chart with its walls and its palette choice. Titles and legend follow.
class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();
    ~TCustomChart() override;

    int ColorPaletteIndex() const { return FColorPaletteIndex; }
    // A different value loads that palette.
    void SetColorPaletteIndex(int Value);

    TChartWall* BackWall() const { return FBackWall.get(); }

    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                           const TChartSeries* ASeries) const override;

private:
    friend class TColorPalettes;
    void StoreColorPaletteIndex(int Value) { FColorPaletteIndex = Value; }

    std::unique_ptr<TChartWall> FBackWall;
    int FColorPaletteIndex;
};
