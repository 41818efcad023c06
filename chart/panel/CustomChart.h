#pragma once

#include "chart/series/ChartHover.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartTitle.h"
#include "chart/panel/ChartWalls.h"
#include "chart/panel/CustomAxisPanel.h"

#include <memory>

class TChartMouse;

// The chart with its titles, legend, walls and palette choice.
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

    TChartLegend* Legend() const { return FLegend.get(); }
    // What a series' legend symbol is drawn with: the legend's background
    // colour, and the symbol pen replacing the series' own (none while the
    // symbol uses the series' pen).
    TColor LegendColor() const;
    const TChartPen* LegendPen() const;

    // Hover highlighting of series, axis labels and legend items, on by default.
    TChartHover* Hover() { return &FHover; }
    const TChartHover* Hover() const { return &FHover; }
    bool HoverVisible() const override { return FHover.Visible(); }
    // Mouse tracking of the legend: the item under (X, Y), else the item of
    // the last active series whose point or segment is under it, becomes the
    // legend's hover index. True when that changed (the chart repaints).
    bool CheckLegendHover(int X, int Y);

    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                           const TChartSeries* ASeries) const override;

    // The chart's reaction to the mouse: its host hands it the events.
    TChartMouse* Mouse() const { return FMouse.get(); }

protected:
    void CalcTitlesAndLegendLayout() override;
    void CalcWallsLayout() override;
    void DrawTitlesAndLegend(bool BeforeSeries) override;
    void DrawWalls() override;
    // The legend's rectangle, taken from ChartRect in the layout phase: the
    // vertical call opens the phase, the horizontal one closes it.
    virtual void CalcLegendRect(bool Vertical);
    virtual void DrawLegend();
    // The back wall's colour when it shows opaque, else the panel colour.
    TColor ZoomBackColor() const override;

private:
    friend class TColorPalettes;
    void StoreColorPaletteIndex(int Value) { FColorPaletteIndex = Value; }
    // The laid-out titles, or those placed by hand.
    void DrawTitles(bool CustomPlaced);
    void RecordLegendLayout();
    // Draws the laid-out legend.
    void PaintLegend();

    std::unique_ptr<TChartWalls> FWalls;
    std::unique_ptr<TChartTitle> FTitle;
    std::unique_ptr<TChartTitle> FSubTitle;
    std::unique_ptr<TChartTitle> FFoot;
    std::unique_ptr<TChartTitle> FSubFoot;
    std::unique_ptr<TChartLegend> FLegend;
    TChartHover FHover;
    std::unique_ptr<TChartMouse> FMouse;
    int FColorPaletteIndex;
};
