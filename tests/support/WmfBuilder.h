#pragma once

#include "MetafileBytes.h"

#include "formats/MetafileRecords.h"

#include <initializer_list>

namespace MetafileBytes {

// A hand-built WMF: records go in by function, Build adds the headers and the end record.
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
        return Add(META_CREATEBRUSHINDIRECT, b);
    }
    TWmfBuilder& Pen(int Style, int Width, QRgb Color)
    {
        QByteArray b = Words16({Style, Width, 0});
        Put32(b, Ref(Color));
        return Add(META_CREATEPENINDIRECT, b);
    }
    TWmfBuilder& Select(int Index) { return Add(META_SELECTOBJECT, {Index}); }
    TWmfBuilder& Rect(int Left, int Top, int Right, int Bottom) { return Add(META_RECTANGLE, {Bottom, Right, Top, Left}); }
    TWmfBuilder& Window(int X, int Y, int Width, int Height)
    {
        return Add(META_SETWINDOWORG, {Y, X}).Add(META_SETWINDOWEXT, {Height, Width});
    }

    QByteArray Build(bool Placeable, int Left, int Top, int Right, int Bottom, int Inch = 1440, int Objects = 4,
                     bool Eof = true) const
    {
        QByteArray body = FBody;
        if (Eof)
            body += Words16({3, 0, META_EOF});
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
