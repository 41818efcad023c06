#pragma once

#include "chart/canvas/AntialiasCanvas.h"

#include <QImage>

// The antialiased surface in the middle of a buffered frame over a white
// picture: Begin opens it, End shows it and returns a copy of the picture.
struct TBufferedFrame {
    TAntialiasCanvas Canvas;

    void Begin(int Width, int Height)
    {
        Canvas.InitWindow(nullptr, {0, 0, Width, Height}, false, clWhite);
        Canvas.Pen()->SetVisible(false);
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(clWhite);
        Canvas.FillRect({0, 0, Width, Height});
        Canvas.Pen()->SetVisible(true);
    }
    QImage End()
    {
        Canvas.ShowImage(nullptr, {0, 0, Canvas.Buffer().width(), Canvas.Buffer().height()});
        return Canvas.Buffer().copy();
    }
};
