#pragma once

#include "chart/series/CustomSeries.h"

// The series the program builds from every Y column: a line through the
// points, markers off until switched on.
class TLineSeries : public TCustomSeries {
public:
    explicit TLineSeries(TSeriesChart* AOwner);
};
