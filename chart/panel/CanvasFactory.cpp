#include "chart/panel/CanvasFactory.h"

#include "chart/canvas/AntialiasCanvas.h"

std::unique_ptr<TChartCanvas> CreateDefaultCanvas()
{
    return std::make_unique<TAntialiasCanvas>();
}
