#include "InkProbe.h"

#include "chart/series/SeriesPointer.h"
#include "chart/canvas/Stamp.h"
#include "chart/canvas/StampCache.h"

#include <QRect>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace {

struct TMarkerCase {
    TSeriesPointerStyle Style;
    int Size;
};

// Markers drawn over a busy ground (antialiased lines of many colours, some
// half transparent), once drawing each directly and once through stamps.
class MarkerStampTest : public testing::Test {
protected:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;
    TSeriesPointer Pointer{nullptr};

    QImage Render(bool Stamping, const std::function<void(TAntialiasCanvas&)>& Draw, long long* Stamped = nullptr)
    {
        TBufferedFrame Frame;
        Frame.Canvas.SetStamping(Stamping);
        Frame.Begin(kWidth, kHeight);
        std::mt19937 Random(7);
        for (int i = 0; i < 60; ++i) {
            Frame.Canvas.Pen()->SetColor(RGBColor(int(Random() % 256), int(Random() % 256), int(Random() % 256))
                                         | (i % 3 == 0 ? 0x80000000u : 0));
            Frame.Canvas.Pen()->SetWidth(1 + int(Random() % 3));
            Frame.Canvas.Line(int(Random() % kWidth), int(Random() % kHeight), int(Random() % kWidth),
                              int(Random() % kHeight));
        }
        Draw(Frame.Canvas);
        if (Stamped)
            *Stamped = Frame.Canvas.StampedCount();
        return Frame.End();
    }

    // Markers at scattered points, some overlapping, in the point colour.
    void Markers(TAntialiasCanvas& C, const TMarkerCase& Case, TColor Color)
    {
        std::mt19937 Random(11);
        Pointer.SetSize(Case.Size);
        for (int i = 0; i < 40; ++i) {
            const int x = int(Random() % kWidth);
            const int y = int(Random() % kHeight);
            Pointer.PrepareCanvas(&C, Color);
            Pointer.DrawPointer(&C, false, x, y, Case.Size, Case.Size, Color, Case.Style);
        }
    }

    void ExpectSamePictures(const std::function<void(TAntialiasCanvas&)>& Draw, bool ExpectStamps = true)
    {
        long long Stamped = 0;
        const QImage Direct = Render(false, Draw);
        const QImage Stamp = Render(true, Draw, &Stamped);
        if (ExpectStamps)
            EXPECT_GT(Stamped, 0);
        else
            EXPECT_EQ(Stamped, 0);
        int Differing = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                Differing += Direct.pixel(x, y) != Stamp.pixel(x, y);
        EXPECT_EQ(Differing, 0);
    }
};

TEST_F(MarkerStampTest, StampedMarkersEqualDirectlyDrawnOnes)
{
    // A 2 × 2 circle is left out: the raster engine places its tiny curve a
    // little differently from one position to the next, so no copy can match
    // every position.
    const TMarkerCase Cases[] = {{psRectangle, 1}, {psRectangle, 2}, {psRectangle, 7}, {psCircle, 2},
                                 {psCircle, 3},    {psCircle, 8},    {psTriangle, 1},  {psTriangle, 2},
                                 {psTriangle, 5},  {psDiamond, 1},   {psDiamond, 2},   {psDiamond, 9}};
    for (const TMarkerCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "style " << Case.Style << " size " << Case.Size);
        ExpectSamePictures([&](TAntialiasCanvas& C) { Markers(C, Case, RGBColor(30, 120, 200)); });
    }
}

TEST_F(MarkerStampTest, HiddenPenOwnColourAndTransparencyStayExact)
{
    Pointer.Pen()->SetVisible(false);
    ExpectSamePictures([&](TAntialiasCanvas& C) { Markers(C, {psCircle, 4}, RGBColor(200, 40, 10)); });
    Pointer.Pen()->SetVisible(true);
    Pointer.Pen()->SetColor(RGBColor(0, 128, 0));
    Pointer.SetColor(RGBColor(250, 250, 0));
    Pointer.SetTransparency(40);
    ExpectSamePictures([&](TAntialiasCanvas& C) { Markers(C, {psDiamond, 3}, RGBColor(200, 40, 10)); });
    // A half-transparent colour of the point itself.
    Pointer.SetTransparency(0);
    Pointer.SetColor(clDefault);
    ExpectSamePictures([&](TAntialiasCanvas& C) { Markers(C, {psRectangle, 2}, 0x60FF0000u); });
}

TEST_F(MarkerStampTest, RectangularClipCutsStampsLikeMarkers)
{
    ExpectSamePictures([&](TAntialiasCanvas& C) {
        C.ClipRectangle({30, 20, 130, 100});
        Markers(C, {psCircle, 2}, RGBColor(30, 120, 200));
        C.ClipRectangle({0, 0, 60, 60}); // nested: the intersection
        Markers(C, {psTriangle, 3}, RGBColor(30, 120, 200));
        C.UnClipRectangle();
        C.UnClipRectangle();
        Markers(C, {psRectangle, 2}, RGBColor(30, 120, 200));
    });
}

TEST_F(MarkerStampTest, OtherClipsAndLargeMarkersAreDrawnDirectly)
{
    ExpectSamePictures(
        [&](TAntialiasCanvas& C) {
            C.ClipEllipse({10, 10, 150, 110});
            Markers(C, {psCircle, 2}, RGBColor(30, 120, 200));
            C.UnClipRectangle();
            Markers(C, {psCircle, TStampCache::kMaxReach}, RGBColor(30, 120, 200));
        },
        false);
}

TEST_F(MarkerStampTest, FigureReachingFurtherThanItSaysIsDrawnDirectly)
{
    ExpectSamePictures(
        [&](TAntialiasCanvas& C) {
            C.Brush()->SetColor(RGBColor(10, 200, 10));
            for (int i = 0; i < 30; ++i)
                C.DrawStamp(10 + 4 * i, 60, 1, 2, [&](int x, int y) { C.Rectangle(x - 6, y - 6, x + 7, y + 7); });
        },
        false);
}

TEST_F(MarkerStampTest, StampIsMadeAfterAFewDirectDrawsAndKeptAcrossFrames)
{
    TBufferedFrame Frame;
    const int Uses = TStampCache::kDirectUses;
    Pointer.SetSize(2);
    auto Draw = [&](int n) {
        for (int i = 0; i < n; ++i) {
            Pointer.PrepareCanvas(&Frame.Canvas, clRed);
            Pointer.DrawPointer(&Frame.Canvas, false, 10 + i, 10, 2, 2, clRed, psCircle);
        }
    };
    Frame.Begin(100, 30);
    Draw(Uses);
    EXPECT_EQ(Frame.Canvas.StampedCount(), 0);
    Draw(3);
    EXPECT_EQ(Frame.Canvas.StampedCount(), 3);
    Frame.End();
    Frame.Begin(100, 30);
    Draw(1);
    EXPECT_EQ(Frame.Canvas.StampedCount(), 4);
    // Another colour is another stamp.
    Pointer.PrepareCanvas(&Frame.Canvas, RGBColor(0, 0, 255));
    Pointer.DrawPointer(&Frame.Canvas, false, 50, 10, 2, 2, RGBColor(0, 0, 255), psCircle);
    EXPECT_EQ(Frame.Canvas.StampedCount(), 4);
    Frame.End();
}

TEST(StampTables, PixelsBlendedTwiceKeepTables)
{
    // Two half-covering blends of one pixel cannot be one blend exactly: a
    // table remembers them. Pixel 1 is one plain blend, pixel 2 untouched.
    const int Side = 5;
    const int Margin = 1;
    std::vector<uint32_t> Renders(256 * Side * Side);
    for (int g = 0; g < 256; ++g) {
        uint32_t* r = Renders.data() + g * Side * Side;
        for (int p = 0; p < Side * Side; ++p)
            r[p] = uint32_t(g) * 0x01010101u;
        const uint32_t half = StampByteMul(0xFF2060A0u, 128);
        r[12] = half + StampByteMul(half + StampByteMul(r[12], 127), 127);
        r[13] = 0xFF102030u;
    }
    const auto Stamp = TStamp::FromRenders(Renders, Side, Margin);
    ASSERT_TRUE(Stamp);
    EXPECT_EQ(Stamp->PixelCount(), 2);
    EXPECT_EQ(Stamp->TableCount(), 1);

    // Replayed over a ground of its own it gives what the renders give.
    uint32_t Ground[Side * Side];
    for (uint32_t& v : Ground)
        v = 0xC0406080u;
    Stamp->Blend(reinterpret_cast<uchar*>(Ground), Side * 4, 2, 2, QRect(0, 0, Side, Side));
    const uint32_t half = StampByteMul(0xFF2060A0u, 128);
    EXPECT_EQ(Ground[12], half + StampByteMul(half + StampByteMul(0xC0406080u, 127), 127));
    EXPECT_EQ(Ground[13], 0xFF102030u);
    EXPECT_EQ(Ground[11], 0xC0406080u);

    // A figure on the margin is refused.
    Renders[Side * Side] = 0;
    EXPECT_FALSE(TStamp::FromRenders(Renders, Side, Margin));
}

} // namespace
