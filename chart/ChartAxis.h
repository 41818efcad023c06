#pragma once

#include <memory>

class TChartAxisTitle;
class TCustomAxisPanel;

// One side axis of the chart. So far it carries its orientation, the
// automatic-range switches and its title; range, labels and drawing follow.
class TChartAxis {
public:
    TChartAxis(TCustomAxisPanel* AChart, bool AHorizontal, bool AOtherSide);
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;
    ~TChartAxis();

    TCustomAxisPanel* ParentChart() const { return FParentChart; }
    bool Horizontal() const { return FHorizontal; }
    bool OtherSide() const { return FOtherSide; }

    bool Automatic() const { return FAutomatic; }
    // Also switches both sides to the same state.
    void SetAutomatic(bool Value);
    bool AutomaticMinimum() const { return FAutomaticMinimum; }
    void SetAutomaticMinimum(bool Value);
    bool AutomaticMaximum() const { return FAutomaticMaximum; }
    void SetAutomaticMaximum(bool Value);

    // Created on first access; until then the axis has no title.
    TChartAxisTitle* Title();
    bool HasTitle() const { return FTitle != nullptr; }

    void Repaint();

private:
    void SetAutoMinMax(bool& Side, bool OtherSide, bool Value);

    TCustomAxisPanel* FParentChart;
    bool FHorizontal;
    bool FOtherSide;
    bool FAutomatic = true;
    bool FAutomaticMaximum = true;
    bool FAutomaticMinimum = true;
    std::unique_ptr<TChartAxisTitle> FTitle;
};
