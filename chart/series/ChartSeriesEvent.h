#pragma once

#include <functional>

class TCustomChartSeries;

enum TChartSeriesEvent {
    seAdd,
    seRemove,
    seChangeTitle,
    seChangeColor,
    seSwap,
    seChangeActive,
    seDataChanged,
    seAfterRemove
};

// What a chart tells its listeners about one of its series.
struct TSeriesEventInfo {
    TChartSeriesEvent Event;
    TCustomChartSeries* Series;
};

using TSeriesEventListener = std::function<void(const TSeriesEventInfo&)>;
using TSeriesNotifyEvent = std::function<void(TCustomChartSeries* Sender)>;
