#pragma once

#include <memory>

class TChart;

// Gives a chart the settings of the program's chart `Chart1` (its stored
// design); the window, the headless renderer and the tests build the same
// chart with it.
void ConfigurePlotvaneChart(TChart& Chart);
std::unique_ptr<TChart> CreatePlotvaneChart();
