// EMF of any bytes through the checks at load and the player.

#include "EmfBuilder.h"
#include "MetafileFuzzPlay.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) { return PlayMetafileBytes(Data, Size); }

std::vector<std::string> FuzzSeeds()
{
    using namespace MetafileBytes;
    auto text = [](const QByteArray& b) { return b.toStdString(); };
    QByteArray font = Words32({2, qint64(-12), 0, 0, 450, 700, 0x0101});
    font += QByteArray(320, '\0');
    QByteArray region = Words32({32, 1, 2, 32, 0, 0, 50, 50, 0, 0, 20, 20, 30, 30, 50, 50});
    QByteArray dib = Dib32(2, 2, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF});
    QByteArray stretch = Words32({0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 30, 20}) + dib;
    QByteArray alpha = Words32({0, 0, 0, 0, 5, 5, 20, 20, 0x01FF0000, 0, 0, 0x3F800000, 0, 0, 0x3F800000, 0, 0, 0, 0,
                                108, 40, 148, 16, 2, 2}) + dib;
    return {
        text(TEmfBuilder().RedFill(100, 50).Poly16(EMR_POLYLINE16, {{0, 0}, {50, 40}, {90, 10}}).Build()),
        text(TEmfBuilder()
                 .Add(EMR_SETMAPMODE, {8}).Add(EMR_SETWINDOWEXTEX, {200, 100}).Add(EMR_SETVIEWPORTEXTEX, {100, 50}).Add(EMR_SETVIEWPORTORGEX, {5, 5})
                 .Pen(1, 0x0000FF, 3).Select(1).Brush(2, 0x00FF00).Select(2)
                 .Add(EMR_ELLIPSE, {10, 10, 60, 40}).Add(EMR_ROUNDRECT, {60, 10, 190, 90, 20, 20})
                 .Add(EMR_ARC, {0, 0, 80, 80, 80, 40, 40, 0}).Add(EMR_PIE, {0, 0, 80, 80, 0, 40, 40, 80})
                 .Add(EMR_POLYPOLYGON16, {0, 0, 0, 0, 2, 6, 3, 3, 0x00000000, 0x0000000A, 0x000A000A, 0x00140014, 0x0014001E, 0x001E0014})
                 .Build()),
        text(TEmfBuilder()
                 .Add(EMR_SAVEDC, {}).Add(EMR_INTERSECTCLIPRECT, {0, 0, 50, 25}).Add(EMR_EXTSELECTCLIPRGN, Words32({region.size(), 1}) + region)
                 .Add(EMR_BEGINPATH, {}).Add(EMR_MOVETOEX, {5, 5}).Add(EMR_LINETO, {60, 5}).Poly16(EMR_POLYBEZIERTO16, {{70, 20}, {80, 40}, {60, 45}}).Add(EMR_CLOSEFIGURE, {})
                 .Add(EMR_ENDPATH, {}).Add(EMR_STROKEANDFILLPATH, {0, 0, 0, 0}).Add(EMR_RESTOREDC, {-1})
                 .Add(EMR_SETWORLDTRANSFORM, {0x3F800000, 0x3E800000, 0, 0x3F800000, 10, 0}).Add(EMR_MODIFYWORLDTRANSFORM, {0, 0, 0, 0, 0, 0, 1})
                 .Add(EMR_EXTSELECTCLIPRGN, {0, 5})
                 .Build()),
        text(TEmfBuilder()
                 .Add(EMR_EXTCREATEFONTINDIRECTW, font).Select(2).Add(EMR_SETTEXTCOLOR, {0x0000FF}).Add(EMR_SETBKMODE, {1}).Add(EMR_SETTEXTALIGN, {24})
                 .Text(10, 30, QStringLiteral("Plot\u6642"), true).Text(10, 10, QStringLiteral("vane"), false)
                 .Build()),
        text(TEmfBuilder().Add(EMR_STRETCHDIBITS, stretch).Add(EMR_ALPHABLEND, alpha).Add(EMR_BITBLT, {0, 0, 0, 0, 0, 0, 10, 10, 0x00F00021}).Build()),
    };
}
