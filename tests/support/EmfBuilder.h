#pragma once

#include "MetafileBytes.h"

#include "formats/MetafileRecords.h"

#include <QPoint>
#include <QString>

#include <initializer_list>

namespace MetafileBytes {

// A hand-built EMF: records go in by type, Build adds the header and the end record.
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
    TEmfBuilder& Brush(int Handle, QRgb Color) { return Add(EMR_CREATEBRUSHINDIRECT, {Handle, 0, Ref(Color), 0}); }
    TEmfBuilder& Pen(int Handle, QRgb Color, int Width)
    {
        return Add(EMR_EXTCREATEPEN, {Handle, 0, 0, 0, 0, 0x10000 | 0x200, Width, 0, Ref(Color), 0, 0});
    }
    TEmfBuilder& Select(qint64 Handle) { return Add(EMR_SELECTOBJECT, {Handle}); }
    TEmfBuilder& NullPen() { return Select(0x80000008); }
    TEmfBuilder& Rect(int Left, int Top, int Right, int Bottom) { return Add(EMR_RECTANGLE, {Left, Top, Right, Bottom}); }
    // POLYGON16, POLYLINE16 or POLYBEZIERTO16.
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
        return Add(EMR_EXTTEXTOUTW, b);
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
            body += Words32({EMR_EOF, 20, 0, 16, 20});
            ++records;
        }
        QByteArray b = Words32({EMR_HEADER, 108, 0, 0, Width - 1, Height - 1, 0, 0, Width * 100, Height * 100, ENHMETA_SIGNATURE,
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

} // namespace MetafileBytes
