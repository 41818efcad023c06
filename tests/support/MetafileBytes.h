#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <initializer_list>
#include <vector>

// Little-endian bytes for hand-built metafiles in tests and fuzz seeds.
namespace MetafileBytes {

inline void Put16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
inline void Put32(QByteArray& b, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
inline void Set32(QByteArray& b, int at, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}
inline void Set16(QByteArray& b, int at, int v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}
inline QByteArray Words32(std::initializer_list<qint64> Values)
{
    QByteArray b;
    for (qint64 v : Values)
        Put32(b, v);
    return b;
}
inline QByteArray Words16(std::initializer_list<int> Values)
{
    QByteArray b;
    for (int v : Values)
        Put16(b, v);
    return b;
}
// COLORREF of a Qt colour.
inline qint64 Ref(QRgb c) { return qRed(c) | qGreen(c) << 8 | qBlue(c) << 16; }

// A BITMAPINFOHEADER for 32-bit pixels followed by the rows as given (B, G, R, X).
inline QByteArray Dib32(int Width, int Height, const std::vector<QRgb>& Rows)
{
    QByteArray b = Words32({40, Width, Height});
    Put16(b, 1);
    Put16(b, 32);
    b += Words32({0, qint64(Rows.size()) * 4, 0, 0, 0, 0});
    for (QRgb c : Rows)
        Put32(b, qBlue(c) | qGreen(c) << 8 | qRed(c) << 16);
    return b;
}

} // namespace MetafileBytes
