// WMF of any bytes through the checks at load and the player.

#include "WmfBuilder.h"
#include "MetafileFuzzPlay.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) { return PlayMetafileBytes(Data, Size); }

std::vector<std::string> FuzzSeeds()
{
    using namespace MetafileBytes;
    auto text = [](const QByteArray& b) { return b.toStdString(); };
    QByteArray dib = Dib32(2, 2, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF});
    QByteArray font = Words16({-14, 0, 0, 0, 700, 0x0001, 0x0000, 0x0000, 0x0000}) + QByteArray("Arial\0", 6);
    QByteArray textOut = Words16({4}) + QByteArray("Text") + Words16({20, 5});
    QByteArray extText = Words16({30, 5, 3, 6, 0, 25, 50, 40}) + QByteArray("abc\0", 4) + Words16({8, 8, 8});
    TWmfBuilder shapes;
    shapes.Add(0x0103, {8}).Window(0, 0, 200, 100).Pen(0, 2, 0x0000FF).Brush(0x00FF00).Select(0).Select(1)
        .Rect(10, 10, 90, 60).Add(0x0418, {90, 190, 10, 100}).Add(0x061C, {20, 20, 95, 195, 65, 105})
        .Add(0x0817, {0, 40, 40, 80, 80, 80, 0, 0}).Add(0x081A, {80, 0, 0, 40, 80, 80, 0, 0})
        .Add(0x0324, {3, 0, 0, 50, 0, 0, 50}).Add(0x0325, {3, 10, 90, 100, 20, 190, 90})
        .Add(0x0538, {2, 3, 3, 0, 0, 10, 0, 0, 10, 20, 20, 30, 20, 20, 30});
    TWmfBuilder texts;
    texts.Window(0, 0, 100, 50).Add(0x02FB, font).Select(0).Add(0x0209, Words32({0x0000FF})).Add(0x0102, {1})
        .Add(0x012E, {24}).Add(0x0521, textOut).Add(0x0A32, extText);
    TWmfBuilder state;
    state.Window(0, 0, 100, 50).Add(0x001E, {}).Add(0x0416, {40, 50, 0, 0}).Brush(0xFF0000).Select(0)
        .Rect(0, 0, 100, 50).Add(0x0127, {0xFFFF}).Add(0x0415, {30, 30, 10, 10}).Add(0x00F7, {0x300, 0})
        .Add(0x06FF, {0, 0}).Add(0x01F0, {0}).Brush(0x00FF00).Select(0).Rect(0, 0, 50, 50)
        .Add(0x061D, {0x0021, 0x00F0, 10, 10, 5, 5}).Add(0x0626, {0x000F, 2, 0x4142});
    TWmfBuilder bitmaps;
    bitmaps.Window(0, 0, 100, 50)
        .Add(0x0F43, Words16({0x0020, 0x00CC, 0, 2, 2, 0, 0, 40, 80, 5, 10}) + dib)
        .Add(0x0B41, Words16({0x0020, 0x00CC, 2, 2, 0, 0, 20, 20, 30, 60}) + dib)
        .Add(0x0940, Words16({0x0020, 0x00CC, 0, 0, 2, 2, 0, 0}) + dib)
        .Add(0x0142, Words16({5, 0}) + dib).Select(0).Rect(70, 0, 100, 50);
    return {
        text(shapes.Build(false, 0, 0, 0, 0)),
        text(shapes.Build(true, 0, 0, 200, 100, 576)),
        text(texts.Build(false, 0, 0, 0, 0)),
        text(state.Build(true, 0, 0, 100, 50, 96, 3)),
        text(bitmaps.Build(false, 0, 0, 0, 0)),
    };
}
