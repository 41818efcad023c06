#include "chart/canvas/Stamp.h"

#include <QRect>

namespace {

constexpr uint32_t Ground(int g) { return uint32_t(g) * 0x01010101u; }

// Counts made into stamps of their own, and the room they may take.
constexpr int kRepeatLimit = 64;
constexpr size_t kRepeatBytes = size_t(1) << 20;

} // namespace

std::unique_ptr<TStamp> TStamp::FromRenders(const std::vector<uint32_t>& Renders, int Side, int Margin)
{
    const size_t area = size_t(Side) * size_t(Side);
    if (Side <= 2 * Margin || Renders.size() != 256 * area)
        return nullptr;
    auto stamp = std::make_unique<TStamp>();
    const int centre = Side / 2;
    stamp->FReach = centre - Margin;
    auto at = [&](int g, size_t p) { return Renders[size_t(g) * area + p]; };

    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const size_t p = size_t(y) * size_t(Side) + size_t(x);
            bool untouched = true;
            for (int g = 0; g < 256 && untouched; ++g)
                untouched = at(g, p) == Ground(g);
            if (untouched)
                continue;
            if (x < Margin || y < Margin || x >= Side - Margin || y >= Side - Margin)
                return nullptr;

            TPixel pixel{int16_t(x - centre), int16_t(y - centre), 0, 0};
            // One blend: over an empty ground it leaves the source, over a
            // full one the source plus what stayed of the ground.
            const uint32_t source = at(0, p);
            const int keep = int(at(255, p) >> 24) - int(source >> 24);
            bool blend = keep >= 0 && keep <= 255;
            for (int g = 0; g < 256 && blend; ++g)
                blend = at(g, p) == source + StampByteMul(Ground(g), uint32_t(keep));
            if (blend) {
                pixel.Value = source;
                pixel.Keep = uint32_t(keep);
                (keep == 0 ? stamp->FStores : stamp->FBlends).push_back(pixel);
                continue;
            }
            pixel.Value = uint32_t(stamp->FTables.size());
            stamp->FTables.resize(stamp->FTables.size() + 1024);
            uint8_t* table = stamp->FTables.data() + pixel.Value;
            for (int g = 0; g < 256; ++g) {
                const uint32_t v = at(g, p);
                for (int c = 0; c < 4; ++c)
                    table[c * 256 + g] = uint8_t(v >> (8 * c));
            }
            stamp->FTabled.push_back(pixel);
        }
    }
    return stamp;
}

template <bool Whole>
void TStamp::Replay(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip, int Times) const
{
    uchar* const origin = Bits + qsizetype(Y) * BytesPerLine + qsizetype(X) * 4;
    auto target = [&](const TPixel& p) -> uint32_t* {
        if (!Whole) {
            const int x = X + p.Dx, y = Y + p.Dy;
            if (x < Clip.left() || x > Clip.right() || y < Clip.top() || y > Clip.bottom())
                return nullptr;
        }
        return reinterpret_cast<uint32_t*>(origin + qsizetype(p.Dy) * BytesPerLine + qsizetype(p.Dx) * 4);
    };
    for (const TPixel& p : FStores)
        if (uint32_t* d = target(p))
            *d = p.Value;
    if (Times == 1) {
        // The common case, kept a plain loop.
        for (const TPixel& p : FBlends)
            if (uint32_t* d = target(p))
                *d = p.Value + StampByteMul(*d, p.Keep);
        for (const TPixel& p : FTabled) {
            if (uint32_t* d = target(p)) {
                const uint8_t* t = FTables.data() + p.Value;
                const uint32_t v = *d;
                *d = uint32_t(t[v & 0xFF]) | (uint32_t(t[256 + ((v >> 8) & 0xFF)]) << 8)
                    | (uint32_t(t[512 + ((v >> 16) & 0xFF)]) << 16) | (uint32_t(t[768 + (v >> 24)]) << 24);
            }
        }
        return;
    }
    // Each pixel's blend is a function of that pixel alone: repeating it
    // stops at its fixed point.
    for (const TPixel& p : FBlends) {
        if (uint32_t* d = target(p)) {
            uint32_t v = *d;
            for (int t = 0; t < Times; ++t) {
                const uint32_t w = p.Value + StampByteMul(v, p.Keep);
                if (w == v)
                    break;
                v = w;
            }
            *d = v;
        }
    }
    for (const TPixel& p : FTabled) {
        if (uint32_t* d = target(p)) {
            const uint8_t* t = FTables.data() + p.Value;
            uint32_t v = *d;
            for (int k = 0; k < Times; ++k) {
                const uint32_t w = uint32_t(t[v & 0xFF]) | (uint32_t(t[256 + ((v >> 8) & 0xFF)]) << 8)
                    | (uint32_t(t[512 + ((v >> 16) & 0xFF)]) << 16) | (uint32_t(t[768 + (v >> 24)]) << 24);
                if (w == v)
                    break;
                v = w;
            }
            *d = v;
        }
    }
}

const TStamp* TStamp::Repeated(int Times) const
{
    if (Times > kRepeatLimit) {
        const TStamp* Most = Repeated(kRepeatLimit);
        return Most && FConverged == 1 ? Most : nullptr;
    }
    if (FRepeats.empty())
        FRepeats.resize(kRepeatLimit - 1);
    std::unique_ptr<TStamp>& Slot = FRepeats[size_t(Times - 2)];
    if (!Slot) {
        if (FRepeatBytes > kRepeatBytes)
            return nullptr;
        bool Converged = false;
        Slot = MakeRepeated(Times, Converged);
        if (Times == kRepeatLimit)
            FConverged = Converged ? 1 : 0;
        FRepeatBytes += Slot->Bytes();
    }
    return Slot.get();
}

std::unique_ptr<TStamp> TStamp::MakeRepeated(int Times, bool& Converged) const
{
    // Each channel's blend depends on that channel alone, so the repeated
    // drawing is known from the uniform grounds, as a stamp is made.
    auto stamp = std::make_unique<TStamp>();
    stamp->FReach = FReach;
    stamp->FStores = FStores;
    Converged = true;
    uint32_t out[256];
    auto Classify = [&](TPixel pixel) {
        const uint32_t source = out[0];
        const int keep = int(out[255] >> 24) - int(source >> 24);
        bool blend = keep >= 0 && keep <= 255;
        for (int g = 0; g < 256 && blend; ++g)
            blend = out[g] == source + StampByteMul(Ground(g), uint32_t(keep));
        if (blend) {
            pixel.Value = source;
            pixel.Keep = uint32_t(keep);
            (keep == 0 ? stamp->FStores : stamp->FBlends).push_back(pixel);
            return;
        }
        pixel.Value = uint32_t(stamp->FTables.size());
        pixel.Keep = 0;
        stamp->FTables.resize(stamp->FTables.size() + 1024);
        uint8_t* table = stamp->FTables.data() + pixel.Value;
        for (int g = 0; g < 256; ++g)
            for (int c = 0; c < 4; ++c)
                table[c * 256 + g] = uint8_t(out[g] >> (8 * c));
        stamp->FTabled.push_back(pixel);
    };
    auto Repeat = [&](auto Once) {
        for (int g = 0; g < 256; ++g) {
            uint32_t v = Ground(g);
            for (int t = 0; t < Times; ++t) {
                const uint32_t w = Once(v);
                if (w == v)
                    break;
                v = w;
            }
            Converged = Converged && Once(v) == v;
            out[g] = v;
        }
    };
    for (const TPixel& p : FBlends) {
        Repeat([&p](uint32_t v) { return p.Value + StampByteMul(v, p.Keep); });
        Classify(p);
    }
    for (const TPixel& p : FTabled) {
        const uint8_t* t = FTables.data() + p.Value;
        Repeat([t](uint32_t v) {
            return uint32_t(t[v & 0xFF]) | (uint32_t(t[256 + ((v >> 8) & 0xFF)]) << 8)
                | (uint32_t(t[512 + ((v >> 16) & 0xFF)]) << 16) | (uint32_t(t[768 + (v >> 24)]) << 24);
        });
        Classify(p);
    }
    return stamp;
}

void TStamp::Blend(uchar* Bits, qsizetype BytesPerLine, int X, int Y, const QRect& Clip, int Times) const
{
    if (Times < 1)
        return;
    if (Times > 1) {
        if (const TStamp* Stamp = Repeated(Times)) {
            Stamp->Blend(Bits, BytesPerLine, X, Y, Clip, 1);
            return;
        }
    }
    // Whole stamps skip the per-pixel test.
    if (X - FReach >= Clip.left() && X + FReach <= Clip.right() && Y - FReach >= Clip.top()
        && Y + FReach <= Clip.bottom())
        Replay<true>(Bits, BytesPerLine, X, Y, Clip, Times);
    else
        Replay<false>(Bits, BytesPerLine, X, Y, Clip, Times);
}
