#include "formats/BmpWriter.h"

#include <QImage>

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
// 96 dots per inch in pixels per metre.
constexpr int32_t PixelsPerMetre = 3780;

void Put16(char*& p, uint16_t v)
{
    std::memcpy(p, &v, 2); // little-endian hosts only, as everything Plotvane runs on
    p += 2;
}

void Put32(char*& p, uint32_t v)
{
    std::memcpy(p, &v, 4);
    p += 4;
}

} // namespace

QByteArray TBmpWriter::Encode(const QImage& Image)
{
    const QImage Rgb = Image.convertToFormat(QImage::Format_RGB32);
    const int64_t Width = Rgb.width();
    const int64_t Height = Rgb.height();
    const int64_t PixelBytes = Width * Height * 4;
    const int64_t FileSize = FileHeaderSize + InfoHeaderSize + PixelBytes;
    if (FileSize > INT32_MAX)
        throw std::runtime_error("The picture is too large for a BMP file");

    QByteArray Bytes(qsizetype(FileSize), Qt::Uninitialized);
    char* p = Bytes.data();
    *p++ = 'B';
    *p++ = 'M';
    Put32(p, uint32_t(FileSize));
    Put32(p, 0);
    Put32(p, FileHeaderSize + InfoHeaderSize);
    Put32(p, InfoHeaderSize);
    Put32(p, uint32_t(Width));
    Put32(p, uint32_t(Height)); // positive: bottom-up rows
    Put16(p, 1);                // planes
    Put16(p, 32);               // bits a pixel
    Put32(p, 0);                // BI_RGB
    Put32(p, uint32_t(PixelBytes));
    Put32(p, uint32_t(PixelsPerMetre));
    Put32(p, uint32_t(PixelsPerMetre));
    Put32(p, 0); // colours used
    Put32(p, 0); // colours important
    for (int64_t y = Height - 1; y >= 0; --y) {
        const auto* Row = reinterpret_cast<const QRgb*>(Rgb.constScanLine(int(y)));
        for (int64_t x = 0; x < Width; ++x) {
            const QRgb c = Row[x];
            *p++ = char(qBlue(c));
            *p++ = char(qGreen(c));
            *p++ = char(qRed(c));
            *p++ = 0;
        }
    }
    return Bytes;
}
