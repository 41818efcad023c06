#pragma once

#include "chart/canvas/PointFloat.h"

#include <vector>

class QPaintDevice;
class QPainter;
class QPainterPath;

// Fills Path on Painter, which paints on Device, with a soft shadow: colour and
// alpha run from transparent white at the shape's (convex) Outline to Argb a
// tenth of the way to its centre, further for a larger SmoothBlur, and stay
// Argb inside. CornerInset >= 0: the outline is a rectangle whose corners are
// rounded within that many pixels; < 0: any other shape.
void FillSoftShadow(QPainter& Painter, const QPaintDevice& Device, const QPainterPath& Path,
                    const std::vector<TPointFloat>& Outline, unsigned Argb, int SmoothBlur, bool AntiAlias,
                    int CornerInset);
