#pragma once

#include "chart/canvas/AntialiasCanvas.h"

#include <QImage>
#include <QRect>

#include <functional>

// A buffered frame of the antialiased canvas on a white ground.
struct TMarkerFrame {
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
        const QImage& buffer = Canvas.Buffer();
        Canvas.ShowImage(nullptr, {0, 0, buffer.width(), buffer.height()});
        return Canvas.Buffer().copy();
    }
};

// The pixels that are not white.
inline QRect InkBox(const QImage& Image)
{
    QRect box;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixel(x, y) != 0xFFFFFFFFu)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int InkInRow(const QImage& Image, int Y)
{
    int n = 0;
    for (int x = 0; x < Image.width(); ++x)
        n += Image.pixel(x, Y) != 0xFFFFFFFFu;
    return n;
}
