#pragma once

#include "chart/canvas/ChartPen.h"
#include "chart/panel/Chart.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/SeriesPointer.h"

#include <ostream>
#include <vector>

// What the line tab sets on one series, compared whole.
struct TSeriesState {
    QString Title;
    TColor Color;
    int Width;
    TPenStyle Style;
    bool Active, Smoothed, Marker;
    int MarkerSize;
    TSeriesPointerStyle MarkerStyle;
    bool operator==(const TSeriesState&) const = default;
};

inline void PrintTo(const TSeriesState& s, std::ostream* os)
{
    *os << s.Title.toStdString() << " color=" << s.Color << " width=" << s.Width << " style=" << s.Style
        << " active=" << s.Active << " smoothed=" << s.Smoothed << " marker=" << s.Marker << '/' << s.MarkerSize
        << '/' << s.MarkerStyle;
}

inline std::vector<TSeriesState> SeriesStates(TChart& c)
{
    std::vector<TSeriesState> out;
    for (int i = 0; i < c.SeriesCount(); ++i) {
        auto* s = static_cast<TCustomSeries*>(c.GetSeries(i));
        out.push_back({s->Title(), s->SeriesColor(), s->Pen()->Width(), s->Pen()->Style(), s->Active(),
                       s->Smoothed(), s->Pointer()->Visible(), s->Pointer()->Size(), s->Pointer()->Style()});
    }
    return out;
}
