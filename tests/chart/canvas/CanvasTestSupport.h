#pragma once

#include "BufferedFrame.h"

#include <gtest/gtest.h>

// A canvas in the middle of a buffered frame over a white picture, with
// transparent text background so that text draws only its glyphs.
class CanvasTest : public testing::Test {
protected:
    TBufferedFrame Frame;
    TAntialiasCanvas& Canvas = Frame.Canvas;

    void Begin(int Width = 120, int Height = 80)
    {
        Frame.Begin(Width, Height);
        Canvas.SetBackMode(cbmTransparent);
    }
    QImage End() { return Frame.End(); }
};

// How much black ink covers a pixel of a white picture: 0 (none) .. 255.
inline int Ink(const QImage& Image, int X, int Y) { return 255 - qRed(Image.pixel(X, Y)); }

// The ink-covered bounding box (Ink > threshold); null when there is none.
inline QRect InkBounds(const QImage& Image, int Threshold = 64)
{
    QRect box;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Ink(Image, x, y) > Threshold)
                box |= QRect(x, y, 1, 1);
    return box;
}
