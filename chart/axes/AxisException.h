#pragma once

#include "chart/axes/ChartException.h"

// A refused axis setting (limits out of order, a negative increment or label
// separation). The stored value stays as it was.
class AxisException : public ChartException {
public:
    using ChartException::ChartException;
};
