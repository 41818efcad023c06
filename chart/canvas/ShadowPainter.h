#pragma once

#include "chart/canvas/Rect.h"

class TChartCanvas;
class TChartShadow;

// Draws the shadow of rectangle R (offset by the shadow's direction and sizes,
// blended with its transparency) when it should be drawn; the canvas keeps
// its pen style and colour. RoundSize > 0 rounds the shadow's corners.
void DrawShadow(TChartCanvas& Canvas, const TChartShadow& Shadow, const TRect& R, int RoundSize = 0);

// The shadow rectangle of R for the shadow's direction and sizes.
TRect ShadowRectOf(const TChartShadow& Shadow, const TRect& R);
