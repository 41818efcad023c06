#include "chart/canvas/StampReplay.h"

#include "chart/canvas/Stamp.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

TStampReplay::TStampReplay(TScratchDrawing Scratch) : FScratch(std::move(Scratch)) {}

std::unique_ptr<TStamp> TStampReplay::Render(int Reach, TStampPaint Paint) const
{
    // Two rings beyond the reach show a figure that reaches further.
    constexpr int margin = 2;
    const int side = 2 * (Reach + margin) + 1;
    const int centre = Reach + margin;
    const size_t area = size_t(side) * size_t(side);
    QImage scratch(side, side, QImage::Format_ARGB32_Premultiplied);
    if (scratch.isNull())
        return nullptr;
    uint32_t* pixels = reinterpret_cast<uint32_t*>(scratch.bits());
    std::vector<uint32_t> renders(256 * area);

    // The figure is drawn by the surface's own operations with its current
    // state, only on the scratch picture.
    const bool drawn = FScratch(scratch, [&] {
        for (int g = 0; g < 256; ++g) {
            std::fill(pixels, pixels + area, uint32_t(g) * 0x01010101u);
            Paint(centre, centre);
            std::copy(pixels, pixels + area, renders.begin() + ptrdiff_t(size_t(g) * area));
        }
    });
    if (!drawn)
        return nullptr;
    return TStamp::FromRenders(renders, side, margin);
}

bool TStampReplay::Draw(QImage& Picture, const QRect& Clip, int X, int Y, const TStampKey& Key, TStampPaint Paint,
                        int Times)
{
    TStampCache::TEntry& entry = FCache.Entry(Key);
    if (entry.State == TStampCache::ssYoung && ++entry.Uses > TStampCache::kDirectUses)
        FCache.Store(entry, Render(Key.Reach, Paint));
    if (entry.State != TStampCache::ssReady)
        return false;
    if (!Clip.isEmpty())
        entry.Stamp->Blend(const_cast<uchar*>(Picture.constBits()), Picture.bytesPerLine(), X, Y, Clip, Times);
    return true;
}
