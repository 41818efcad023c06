#pragma once

#include "chart/ChartTitle.h"
#include "chart/ChartWalls.h"
#include "chart/CustomAxisPanel.h"

#include <memory>

// The chart with its titles, walls and palette choice. The legend follows.
class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();
    ~TCustomChart() override;

    int ColorPaletteIndex() const { return FColorPaletteIndex; }
    // A different value loads that palette.
    void SetColorPaletteIndex(int Value);

    // Titles, each made on first access.
    TChartTitle* Title();
    TChartTitle* SubTitle();
    TChartTitle* Foot();
    TChartTitle* SubFoot();
    bool HasTitle() const { return FTitle != nullptr; }

    TChartWalls* Walls() const { return FWalls.get(); }
    TChartBackWall* BackWall() const;
    TChartLeftWall* LeftWall() const;
    TChartBottomWall* BottomWall() const;
    TChartRightWall* RightWall() const;

    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                           const TChartSeries* ASeries) const override;

protected:
    void DrawTitlesAndLegend(bool BeforeSeries) override;
    void DrawWalls() override;
    // The legend's rectangle, taken from ChartRect in the layout phase.
    virtual void CalcLegendRect(bool /*Vertical*/) {}
    virtual void DrawLegend() {}

private:
    friend class TColorPalettes;
    void StoreColorPaletteIndex(int Value) { FColorPaletteIndex = Value; }
    void DrawTitles();

    std::unique_ptr<TChartWalls> FWalls;
    std::unique_ptr<TChartTitle> FTitle;
    std::unique_ptr<TChartTitle> FSubTitle;
    std::unique_ptr<TChartTitle> FFoot;
    std::unique_ptr<TChartTitle> FSubFoot;
    int FColorPaletteIndex;
};
