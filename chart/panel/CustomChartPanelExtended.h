#pragma once

#include "chart/panel/CustomChartPanel.h"

// Zoom, panning, gradient and back image settings live here once they exist.
class TCustomChartPanelExtended : public TCustomChartPanel {
public:
    TCustomChartPanelExtended() = default;
};
