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
        text(TEmfBuilder().RedFill(100, 50).Poly16(87, {{0, 0}, {50, 40}, {90, 10}}).Build()),
        text(TEmfBuilder()
                 .Add(17, {8}).Add(9, {200, 100}).Add(11, {100, 50}).Add(12, {5, 5})
                 .Pen(1, 0x0000FF, 3).Select(1).Brush(2, 0x00FF00).Select(2)
                 .Add(42, {10, 10, 60, 40}).Add(44, {60, 10, 190, 90, 20, 20})
                 .Add(45, {0, 0, 80, 80, 80, 40, 40, 0}).Add(47, {0, 0, 80, 80, 0, 40, 40, 80})
                 .Add(91, {0, 0, 0, 0, 2, 6, 3, 3, 0x00000000, 0x0000000A, 0x000A000A, 0x00140014, 0x0014001E, 0x001E0014})
                 .Build()),
        text(TEmfBuilder()
                 .Add(33, {}).Add(30, {0, 0, 50, 25}).Add(75, Words32({region.size(), 1}) + region)
                 .Add(59, {}).Add(27, {5, 5}).Add(54, {60, 5}).Poly16(88, {{70, 20}, {80, 40}, {60, 45}}).Add(61, {})
                 .Add(60, {}).Add(63, {0, 0, 0, 0}).Add(34, {-1})
                 .Add(35, {0x3F800000, 0x3E800000, 0, 0x3F800000, 10, 0}).Add(36, {0, 0, 0, 0, 0, 0, 1})
                 .Add(75, {0, 5})
                 .Build()),
        text(TEmfBuilder()
                 .Add(82, font).Select(2).Add(24, {0x0000FF}).Add(18, {1}).Add(22, {24})
                 .Text(10, 30, QStringLiteral("Plot\u6642"), true).Text(10, 10, QStringLiteral("vane"), false)
                 .Build()),
        text(TEmfBuilder().Add(81, stretch).Add(114, alpha).Add(76, {0, 0, 0, 0, 0, 0, 10, 10, 0x00F00021}).Build()),
    };
}
