#pragma once

#include "chart/ChartSeriesEvent.h"
#include "chart/ChartSeriesList.h"
#include "chart/CustomChartPanelExtended.h"
#include "core/Color.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TChartAxis;
class TChartSeries;
class TCustomChartElement;

// The chart layer that holds the series and the axes: the series list, the
// components the chart owns, the colour palette and the series notifications.
class TCustomAxisPanel : public TCustomChartPanelExtended {
public:
    TCustomAxisPanel();
    ~TCustomAxisPanel() override;

    // Series list
    TChartSeries* AddSeries(TChartSeries* ASeries);
    void RemoveSeries(TChartSeries* ASeries);
    void RemoveSeries(int SeriesIndex);
    // Frees every series the filter accepts (every series without one).
    void FreeAllSeries(const std::function<bool(const TChartSeries*)>& Filter = {});
    int SeriesCount() const { return FSeriesList.Count(); }
    // Throws std::out_of_range for an index outside 0 .. SeriesCount() - 1.
    TChartSeries* GetSeries(int Index) const { return FSeriesList.Items(Index); }
    const TChartSeriesList* SeriesList() const { return &FSeriesList; }
    int CountActiveSeries() const;
    // The text the legend shows for the SeriesIndex-th series listed there.
    QString SeriesTitleLegend(int SeriesIndex, bool OnlyActive = false) const;

    // Colours
    std::vector<TColor>& ColorPalette() { return FColorPalette; }
    const std::vector<TColor>& ColorPalette() const { return FColorPalette; }
    TColor GetDefaultColor(int Index) const;
    TColor GetFreeSeriesColor(bool CheckBackground, const TChartSeries* Series) const;
    virtual bool IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                                   const TChartSeries* ASeries) const;

    // Axes
    TChartAxis* BottomAxis() const { return FBottomAxis.get(); }
    TChartAxis* TopAxis() const { return FTopAxis.get(); }
    TChartAxis* LeftAxis() const { return FLeftAxis.get(); }
    TChartAxis* RightAxis() const { return FRightAxis.get(); }
    // In creation order: bottom, top, left, right.
    const std::vector<TChartAxis*>& Axes() const { return FAxes; }

    // Notifications
    int AddSeriesEventListener(TSeriesEventListener Listener);
    void RemoveSeriesEventListener(int Id);
    void BroadcastSeriesEvent(TCustomChartSeries* ASeries, TChartSeriesEvent AEvent);
    TSeriesNotifyEvent OnAddSeries;
    TSeriesNotifyEvent OnRemoveSeries;

    // Owned components (series created with this chart as owner).
    int ComponentCount() const { return int(FComponents.size()); }

protected:
    // Frees the owned components and lets go of any other series still in
    // the list. The most derived chart calls it first thing in its
    // destructor so that everything it owns is still there meanwhile.
    void DestroyContents();

private:
    friend class TCustomChartElement;
    friend class TChartSeries;

    void InsertComponent(TCustomChartElement* AComponent);
    void RemoveComponent(TCustomChartElement* AComponent);
    void AttachSeries(TChartSeries* ASeries);

    std::vector<std::unique_ptr<TCustomChartElement>> FComponents;
    TChartSeriesList FSeriesList;
    std::vector<TColor> FColorPalette;
    std::unique_ptr<TChartAxis> FBottomAxis;
    std::unique_ptr<TChartAxis> FTopAxis;
    std::unique_ptr<TChartAxis> FLeftAxis;
    std::unique_ptr<TChartAxis> FRightAxis;
    std::vector<TChartAxis*> FAxes;
    std::vector<std::pair<int, TSeriesEventListener>> FSeriesListeners;
    int FNextListenerId = 1;
};
