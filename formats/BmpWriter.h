#pragma once

#include <QByteArray>

class QImage;

// Writes a picture as a Windows BMP file: 32 bits a pixel (blue, green, red,
// unused), bottom-up rows, no palette, 96 dpi, the form the platform's own
// screen bitmaps take.
class TBmpWriter {
public:
    static QByteArray Encode(const QImage& Image);
};
