#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <initializer_list>
#include <vector>

// Hand-built metafiles for tests and fuzz seeds: records go in as numbers,
// the builders add headers, sizes and the end record.
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

class TEmfBuilder {
public:
    TEmfBuilder& Add(quint32 Type, QByteArray Payload)
    {
        while (Payload.size() % 4)
            Payload.append('\0');
        Put32(FBody, Type);
        Put32(FBody, 8 + Payload.size());
        FBody += Payload;
        ++FRecords;
        return *this;
    }
    TEmfBuilder& Add(quint32 Type, std::initializer_list<qint64> Values) { return Add(Type, Words32(Values)); }
    TEmfBuilder& Brush(int Handle, QRgb Color) { return Add(39, {Handle, 0, Ref(Color), 0}); }
    TEmfBuilder& Pen(int Handle, QRgb Color, int Width)
    {
        return Add(95, {Handle, 0, 0, 0, 0, 0x10000 | 0x200, Width, 0, Ref(Color), 0, 0});
    }
    TEmfBuilder& Select(qint64 Handle) { return Add(37, {Handle}); }
    TEmfBuilder& NullPen() { return Select(0x80000008); }
    TEmfBuilder& Rect(int Left, int Top, int Right, int Bottom) { return Add(43, {Left, Top, Right, Bottom}); }
    // Type 86 POLYGON16, 87 POLYLINE16, 88 POLYBEZIERTO16.
    TEmfBuilder& Poly16(quint32 Type, std::initializer_list<QPoint> Points)
    {
        QByteArray b = Words32({0, 0, 0, 0, qint64(Points.size())});
        for (QPoint p : Points) {
            Put16(b, p.x());
            Put16(b, p.y());
        }
        return Add(Type, b);
    }
    TEmfBuilder& Text(int X, int Y, const QString& Text, bool WithDx)
    {
        QByteArray b = Words32({0, 0, 0, 0, 1, 0, 0, X, Y, Text.size(), 76, 0, 0, 0, 0, 0});
        QByteArray string;
        for (QChar ch : Text)
            Put16(string, ch.unicode());
        while (string.size() % 4)
            string.append('\0');
        Put32(b, WithDx ? 76 + string.size() : 0);
        b += string;
        if (WithDx)
            for (qsizetype i = 0; i < Text.size(); ++i)
                Put32(b, 12);
        return Add(84, b);
    }
    // A red fill of the whole picture (handle 1 must exist).
    TEmfBuilder& RedFill(int Width, int Height)
    {
        return Brush(1, qRgb(255, 0, 0)).Select(1).NullPen().Rect(0, 0, Width, Height);
    }

    // A 108-byte header for a picture of `Width` × `Height` pixels at one pixel per millimetre.
    QByteArray Build(int Width = 100, int Height = 50, int Handles = 8, bool Eof = true) const
    {
        QByteArray body = FBody;
        int records = FRecords + 1;
        if (Eof) {
            body += Words32({14, 20, 0, 16, 20});
            ++records;
        }
        QByteArray b = Words32({1, 108, 0, 0, Width - 1, Height - 1, 0, 0, Width * 100, Height * 100, 0x464D4520,
                                0x10000, 108 + body.size(), records});
        Put16(b, Handles);
        Put16(b, 0);
        b += Words32({0, 0, 0, 1000, 1000, 1000, 1000, 0, 0, 0, 1000000, 1000000});
        return b + body;
    }

private:
    QByteArray FBody;
    int FRecords = 0;
};

class TWmfBuilder {
public:
    // `Params` in file order (that is, last parameter first).
    TWmfBuilder& Add(int Function, QByteArray Params)
    {
        if (Params.size() % 2)
            Params.append('\0');
        Put32(FBody, 3 + Params.size() / 2);
        Put16(FBody, Function);
        FBody += Params;
        return *this;
    }
    TWmfBuilder& Add(int Function, std::initializer_list<int> Params) { return Add(Function, Words16(Params)); }
    TWmfBuilder& Brush(QRgb Color)
    {
        QByteArray b = Words16({0});
        Put32(b, Ref(Color));
        Put16(b, 0);
        return Add(0x02FC, b);
    }
    TWmfBuilder& Pen(int Style, int Width, QRgb Color)
    {
        QByteArray b = Words16({Style, Width, 0});
        Put32(b, Ref(Color));
        return Add(0x02FA, b);
    }
    TWmfBuilder& Select(int Index) { return Add(0x012D, {Index}); }
    TWmfBuilder& Rect(int Left, int Top, int Right, int Bottom) { return Add(0x041B, {Bottom, Right, Top, Left}); }
    TWmfBuilder& Window(int X, int Y, int Width, int Height)
    {
        return Add(0x020B, {Y, X}).Add(0x020C, {Height, Width});
    }

    QByteArray Build(bool Placeable, int Left, int Top, int Right, int Bottom, int Inch = 1440, int Objects = 4,
                     bool Eof = true) const
    {
        QByteArray body = FBody;
        if (Eof)
            body += Words16({3, 0, 0});
        QByteArray b;
        if (Placeable) {
            b = Words32({0x9AC6CDD7});
            b += Words16({0, Left, Top, Right, Bottom, Inch, 0, 0, 0});
            int sum = 0;
            for (int i = 0; i < 10; ++i)
                sum ^= quint8(b[2 * i]) | quint8(b[2 * i + 1]) << 8;
            Set16(b, 20, sum);
        }
        b += Words16({1, 9, 0x0300});
        Put32(b, 9 + body.size() / 2);
        Put16(b, Objects);
        Put32(b, 0);
        Put16(b, 0);
        return b + body;
    }

private:
    QByteArray FBody;
};

} // namespace MetafileBytes
