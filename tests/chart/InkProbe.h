#pragma once

#include "BufferedFrame.h"

#include <QImage>
#include <QRect>

#include <functional>

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
