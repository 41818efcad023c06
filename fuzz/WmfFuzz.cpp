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
    shapes.Add(META_SETMAPMODE, {8}).Window(0, 0, 200, 100).Pen(0, 2, 0x0000FF).Brush(0x00FF00).Select(0).Select(1)
        .Rect(10, 10, 90, 60).Add(META_ELLIPSE, {90, 190, 10, 100}).Add(META_ROUNDRECT, {20, 20, 95, 195, 65, 105})
        .Add(META_ARC, {0, 40, 40, 80, 80, 80, 0, 0}).Add(META_PIE, {80, 0, 0, 40, 80, 80, 0, 0})
        .Add(META_POLYGON, {3, 0, 0, 50, 0, 0, 50}).Add(META_POLYLINE, {3, 10, 90, 100, 20, 190, 90})
        .Add(META_POLYPOLYGON, {2, 3, 3, 0, 0, 10, 0, 0, 10, 20, 20, 30, 20, 20, 30});
    TWmfBuilder texts;
    texts.Window(0, 0, 100, 50).Add(META_CREATEFONTINDIRECT, font).Select(0).Add(META_SETTEXTCOLOR, Words32({0x0000FF})).Add(META_SETBKMODE, {1})
        .Add(META_SETTEXTALIGN, {24}).Add(META_TEXTOUT, textOut).Add(META_EXTTEXTOUT, extText);
    TWmfBuilder state;
    state.Window(0, 0, 100, 50).Add(META_SAVEDC, {}).Add(META_INTERSECTCLIPRECT, {40, 50, 0, 0}).Brush(0xFF0000).Select(0)
        .Rect(0, 0, 100, 50).Add(META_RESTOREDC, {0xFFFF}).Add(META_EXCLUDECLIPRECT, {30, 30, 10, 10}).Add(META_CREATEPALETTE, {0x300, 0})
        .Add(META_CREATEREGION, {0, 0}).Add(META_DELETEOBJECT, {0}).Brush(0x00FF00).Select(0).Rect(0, 0, 50, 50)
        .Add(META_PATBLT, {0x0021, 0x00F0, 10, 10, 5, 5}).Add(META_ESCAPE, {0x000F, 2, 0x4142});
    TWmfBuilder bitmaps;
    bitmaps.Window(0, 0, 100, 50)
        .Add(META_STRETCHDIB, Words16({0x0020, 0x00CC, 0, 2, 2, 0, 0, 40, 80, 5, 10}) + dib)
        .Add(META_DIBSTRETCHBLT, Words16({0x0020, 0x00CC, 2, 2, 0, 0, 20, 20, 30, 60}) + dib)
        .Add(META_DIBBITBLT, Words16({0x0020, 0x00CC, 0, 0, 2, 2, 0, 0}) + dib)
        .Add(META_DIBCREATEPATTERNBRUSH, Words16({5, 0}) + dib).Select(0).Rect(70, 0, 100, 50);
    return {
        text(shapes.Build(false, 0, 0, 0, 0)),
        text(shapes.Build(true, 0, 0, 200, 100, 576)),
        text(texts.Build(false, 0, 0, 0, 0)),
        text(state.Build(true, 0, 0, 100, 50, 96, 3)),
        text(bitmaps.Build(false, 0, 0, 0, 0)),
    };
}
