#pragma once

#include <memory>

class TChartCanvas;

// The surface a chart draws on unless it is given another one: the
// antialiased canvas.
std::unique_ptr<TChartCanvas> CreateDefaultCanvas();
