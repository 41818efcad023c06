#include "EmfBuilder.h"
#include "WmfBuilder.h"

#include "chart/panel/MetafileGraphic.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>

using namespace MetafileBytes;

namespace {

constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Blue = qRgb(0, 0, 255);

QImage Play(const QByteArray& Bytes, QSize ImageSize, const QRectF& Target, bool Smooth = false)
{
    QImage image(ImageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto graphic = TMetafileGraphic::FromBytes(Bytes);
    QPainter painter(&image);
    graphic->Draw(painter, Target, Smooth);
    return image;
}

int Ink(const QImage& Image, const QRect& Area)
{
    int n = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            n += (Image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
}

// Smooth scaling may leave a colour a few steps off.
bool Near(QRgb A, QRgb B)
{
    return std::abs(qRed(A) - qRed(B)) <= 4 && std::abs(qGreen(A) - qGreen(B)) <= 4 && std::abs(qBlue(A) - qBlue(B)) <= 4;
}

struct TProbe {
    QPoint At;
    QRgb Color;
};

struct TDrawCase {
    const char* Name;
    std::function<QByteArray()> Bytes;
    QSize Size;       // expected picture size
    QRectF Target;    // on a 200 × 100 image
    std::vector<TProbe> Probes;
};

TEST(MetafilePlayer, RecordsLandWhereExpected)
{
    // Pictures of 100 × 50 pixels drawn into 200 × 100: everything doubles.
    const std::vector<TDrawCase> cases = {
        {"EMF filled rectangle, scaled",
         [] { return TEmfBuilder().Brush(1, Red).Select(1).NullPen().Rect(10, 10, 30, 20).Build(); },
         {100, 50}, {0, 0, 200, 100},
         {{{21, 21}, Red}, {{58, 38}, Red}, {{18, 30}, White}, {{62, 30}, White}, {{40, 42}, White}}},
        {"EMF rectangle into an offset target at its own size",
         [] { return TEmfBuilder().Brush(1, Red).Select(1).NullPen().Rect(10, 10, 30, 20).Build(); },
         {100, 50}, {50, 25, 100, 50},
         {{{61, 36}, Red}, {{79, 44}, Red}, {{58, 40}, White}, {{81, 40}, White}}},
        {"EMF anisotropic window and viewport",
         [] {
             return TEmfBuilder()
                 .Add(EMR_SETMAPMODE, {8})
                 .Add(EMR_SETWINDOWEXTEX, {1000, 500})
                 .Add(EMR_SETVIEWPORTEXTEX, {100, 50})
                 .Brush(1, Red).Select(1).NullPen()
                 .Rect(100, 100, 300, 200)
                 .Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{21, 21}, Red}, {{58, 38}, Red}, {{18, 30}, White}, {{62, 30}, White}}},
        {"EMF isotropic mapping keeps the aspect",
         [] {
             return TEmfBuilder()
                 .Add(EMR_SETMAPMODE, {7})
                 .Add(EMR_SETWINDOWEXTEX, {200, 100})
                 .Add(EMR_SETVIEWPORTEXTEX, {100, 100})
                 .Brush(1, Red).Select(1).NullPen()
                 .Rect(20, 20, 60, 40)
                 .Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{21, 21}, Red}, {{58, 38}, Red}, {{18, 30}, White}, {{62, 30}, White}}},
        {"EMF world transform doubles",
         [] {
             QByteArray xform = Words32({});
             for (float f : {2.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f}) {
                 quint32 bits;
                 std::memcpy(&bits, &f, 4);
                 Put32(xform, bits);
             }
             return TEmfBuilder().Add(EMR_SETWORLDTRANSFORM, xform).Brush(1, Red).Select(1).NullPen().Rect(5, 5, 15, 10).Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{21, 21}, Red}, {{58, 38}, Red}, {{62, 30}, White}}},
        {"EMF clip rectangle undone by RestoreDC",
         [] {
             return TEmfBuilder()
                 .Brush(1, Red).Select(1).NullPen()
                 .Add(EMR_SAVEDC, {})
                 .Add(EMR_INTERSECTCLIPRECT, {0, 0, 20, 50})
                 .Rect(10, 10, 30, 20)
                 .Add(EMR_RESTOREDC, {-1})
                 .Rect(50, 10, 60, 20)
                 .Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{30, 30}, Red}, {{50, 30}, White}, {{110, 30}, Red}}},
        {"EMF clip region, then RGN_COPY without data resets it",
         [] {
             QByteArray region = Words32({32, 1, 1, 16, 0, 0, 20, 50, 0, 0, 20, 50});
             return TEmfBuilder()
                 .Brush(1, Red).Select(1).NullPen()
                 .Add(EMR_EXTSELECTCLIPRGN, Words32({region.size(), 5}) + region)
                 .Rect(10, 10, 30, 20)
                 .Add(EMR_EXTSELECTCLIPRGN, {0, 5})
                 .Rect(50, 10, 60, 20)
                 .Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{30, 30}, Red}, {{50, 30}, White}, {{110, 30}, Red}}},
        {"EMF polygon and geometric polyline",
         [] {
             return TEmfBuilder()
                 .Brush(1, Red).Select(1).NullPen()
                 .Poly16(EMR_POLYGON16, {{0, 0}, {40, 0}, {0, 40}})
                 .Pen(2, Blue, 4).Select(2)
                 .Poly16(EMR_POLYLINE16, {{50, 45}, {95, 45}})
                 .Build();
         },
         {100, 50}, {0, 0, 200, 100},
         {{{10, 10}, Red}, {{70, 70}, White}, {{150, 90}, Blue}, {{150, 80}, White}, {{90, 90}, White}}},
        {"EMF pie with equal ends is the whole ellipse",
         [] {
             return TEmfBuilder().Brush(1, Red).Select(1).NullPen().Add(EMR_PIE, {0, 0, 100, 50, 100, 25, 100, 25}).Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{100, 50}, Red}, {{20, 50}, Red}, {{5, 5}, White}, {{195, 95}, White}}},
        {"EMF chord runs counterclockwise from its start",
         [] {
             // From the left end to the right end counterclockwise: through the bottom.
             return TEmfBuilder().Brush(1, Red).Select(1).NullPen().Add(EMR_CHORD, {0, 0, 100, 50, 0, 25, 100, 25}).Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{100, 75}, Red}, {{100, 25}, White}}},
        {"EMF path filled",
         [] {
             return TEmfBuilder()
                 .Brush(1, Red).Select(1).NullPen()
                 .Add(EMR_BEGINPATH, {})
                 .Add(EMR_MOVETOEX, {60, 10})
                 .Add(EMR_LINETO, {90, 10})
                 .Add(EMR_LINETO, {90, 40})
                 .Add(EMR_CLOSEFIGURE, {})
                 .Add(EMR_ENDPATH, {})
                 .Add(EMR_FILLPATH, {0, 0, 0, 0})
                 .Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{170, 30}, Red}, {{130, 70}, White}}},
        {"EMF STRETCHDIBITS of a bottom-up bitmap",
         [] {
             // Rows bottom first: blue, white; then red, red.
             const QByteArray dib = Dib32(2, 2, {Blue, White, Red, Red});
             QByteArray rec = Words32({0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 100, 50});
             return TEmfBuilder().Add(EMR_STRETCHDIBITS, rec + dib).Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{50, 25}, Red}, {{150, 25}, Red}, {{50, 75}, Blue}, {{150, 75}, White}}},
        {"EMF SETDIBITSTODEVICE at the bitmap's own size",
         [] {
             // Rows bottom first: four of blue and white halves, then four red.
             std::vector<QRgb> rows;
             for (int i = 0; i < 64; ++i)
                 rows.push_back(i >= 32 ? Red : i % 8 < 4 ? Blue : White);
             const QByteArray dib = Dib32(8, 8, rows);
             QByteArray rec = Words32({0, 0, 0, 0, 50, 0, 0, 0, 8, 8, 76, 40, 116, 256, 0, 0, 8});
             return TEmfBuilder().Add(EMR_SETDIBITSTODEVICE, rec + dib).Build();
         },
         {100, 50}, {0, 0, 200, 100}, {{{104, 4}, Red}, {{112, 4}, Red}, {{104, 12}, Blue}, {{112, 12}, White}, {{96, 4}, White}}},
        {"Placeable WMF: inch units and bounding box",
         [] {
             TWmfBuilder w;
             w.Brush(Red).Select(0).Rect(720, 0, 1440, 720);
             return w.Build(true, 0, 0, 1440, 720);
         },
         {96, 48}, {0, 0, 200, 100}, {{{150, 50}, Red}, {{50, 50}, White}}},
        {"WMF window extent without placeable header",
         [] {
             TWmfBuilder w;
             w.Add(META_SETMAPMODE, {8}).Window(0, 0, 400, 200).Brush(Red).Select(0).Rect(0, 0, 200, 100);
             return w.Build(false, 0, 0, 0, 0);
         },
         {400, 200}, {0, 0, 200, 100}, {{{50, 25}, Red}, {{150, 25}, White}, {{50, 75}, White}}},
        {"WMF object table takes the lowest free slot",
         [] {
             TWmfBuilder w;
             w.Window(0, 0, 100, 50)
                 .Brush(Blue)            // slot 0
                 .Add(META_CREATEPALETTE, {0x300, 0}) // a palette takes slot 1
                 .Add(META_DELETEOBJECT, {0})       // frees slot 0
                 .Brush(Red)             // slot 0 again
                 .Pen(5, 0, 0)           // slot 2: null pen
                 .Select(0).Select(2)
                 .Rect(0, 0, 50, 50);
             return w.Build(false, 0, 0, 0, 0);
         },
         {100, 50}, {0, 0, 200, 100}, {{{50, 50}, Red}, {{150, 50}, White}}},
        {"WMF polygon and escape never acted on",
         [] {
             TWmfBuilder w;
             w.Window(0, 0, 100, 50).Brush(Red).Select(0)
                 .Add(META_ESCAPE, {0x000F, 4, 0x4142, 0x4344})
                 .Add(META_POLYGON, {3, 0, 0, 40, 0, 0, 40});
             return w.Build(false, 0, 0, 0, 0);
         },
         {100, 50}, {0, 0, 200, 100}, {{{10, 10}, Red}, {{70, 70}, White}}},
    };
    for (const TDrawCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray bytes = c.Bytes();
        EXPECT_EQ(TMetafileGraphic::FromBytes(bytes)->Size(), c.Size);
        for (bool smooth : {false, true}) {
            const QImage image = Play(bytes, {200, 100}, c.Target, smooth);
            for (const TProbe& p : c.Probes)
                EXPECT_TRUE(Near(image.pixel(p.At), p.Color))
                    << std::hex << image.pixel(p.At) << " instead of " << p.Color << std::dec << " at " << p.At.x() << "," << p.At.y() << " smooth " << smooth;
        }
    }
}

TEST(MetafilePlayer, AFrameMadeFromInclusiveBoundsGivesThePictureItsWholeSize)
{
    // As recorders write it: frame = inclusive bounds × mm / px, here one
    // millimetre a pixel, so 99 × 49 hundredths of a millimetre short.
    auto WithFrame = [](int Right, int Bottom) {
        QByteArray Bytes = TEmfBuilder().RedFill(100, 50).Build();
        QByteArray Frame = Words32({0, 0, Right, Bottom});
        Bytes.replace(24, 16, Frame);
        return Bytes;
    };
    EXPECT_EQ(TMetafileGraphic::FromBytes(WithFrame(9900, 4900))->Size(), QSize(100, 50));
    const QImage Image = Play(WithFrame(9900, 4900), {200, 100}, {0, 0, 200, 100});
    EXPECT_EQ(Image.pixel(199, 99), Red);
    // A frame that says something else than the bounds is the picture's.
    EXPECT_EQ(TMetafileGraphic::FromBytes(WithFrame(15000, 7000))->Size(), QSize(150, 70));
    EXPECT_EQ(TMetafileGraphic::FromBytes(WithFrame(10000, 5000))->Size(), QSize(100, 50));
}

TEST(MetafilePlayer, KeepsThePaintersTransformClipAndOpacity)
{
    const auto graphic = TMetafileGraphic::FromBytes(TEmfBuilder().RedFill(100, 50).Build());
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(50, 25);
    painter.setClipRect(0, 0, 20, 10);
    painter.setOpacity(0.5);
    graphic->Draw(painter, {0, 0, 100, 50}, false);
    EXPECT_TRUE(Near(image.pixel(55, 30), qRgb(255, 128, 128))) << std::hex << image.pixel(55, 30);
    EXPECT_EQ(image.pixel(80, 30), White);
    EXPECT_EQ(image.pixel(10, 10), White);
    // The painter's own state is back as it was.
    EXPECT_EQ(painter.opacity(), 0.5);
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(50, 25));
}

TEST(MetafilePlayer, TextDrawsInk)
{
    const QByteArray font = [] {
        QByteArray b = Words32({1, qint64(-20), 0, 0, 0, 700, 0});
        for (int i = 0; i < 32 + 64 + 32 + 32; ++i)
            Put16(b, 0);
        return b;
    }();
    for (bool dx : {false, true}) {
        SCOPED_TRACE(dx ? "with Dx" : "without Dx");
        const QByteArray bytes = TEmfBuilder()
                                     .Add(EMR_EXTCREATEFONTINDIRECTW, font)
                                     .Select(1)
                                     .Add(EMR_SETBKMODE, {1})
                                     .Add(EMR_SETTEXTALIGN, {0})
                                     .Text(10, 10, QStringLiteral("Wx\u6642"), dx)
                                     .Build();
        const QImage image = Play(bytes, {200, 100}, {0, 0, 200, 100});
        EXPECT_GT(Ink(image, {20, 20, 120, 50}), 20);
        EXPECT_EQ(Ink(image, {0, 0, 200, 18}), 0) << "top-aligned text starts below its reference";
    }
    TWmfBuilder w;
    QByteArray text = Words16({5});
    text += "Hello";
    text += '\0';
    text += Words16({10, 10});
    w.Window(0, 0, 100, 50).Add(META_TEXTOUT, text);
    const QImage image = Play(w.Build(false, 0, 0, 0, 0), {200, 100}, {0, 0, 200, 100});
    EXPECT_GT(Ink(image, {15, 15, 120, 60}), 10);
}

enum TOutcome { Refused, Plays };

struct TDamagedCase {
    const char* Name;
    TOutcome Outcome;
    std::function<QByteArray()> Bytes;
    // For files that play: the red fill after the damage still shows.
    bool RedAfter = false;
};

QByteArray EmfThenRed(const std::function<void(TEmfBuilder&)>& Damage)
{
    TEmfBuilder b;
    Damage(b);
    return b.RedFill(100, 50).Build();
}

QByteArray WmfThenRed(const std::function<void(TWmfBuilder&)>& Damage)
{
    TWmfBuilder w;
    w.Window(0, 0, 100, 50);
    Damage(w);
    w.Add(META_DELETEOBJECT, {0}).Brush(Red).Select(0).Rect(-1, -1, 101, 51);
    return w.Build(false, 0, 0, 0, 0, 1440, 1);
}

QByteArray Patched(QByteArray b, int At, qint64 Value)
{
    Set32(b, At, Value);
    return b;
}

QByteArray StretchDib(const QByteArray& Dib, qint64 OffBits = 120, qint64 CbBits = -1)
{
    QByteArray rec = Words32({0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 80, 40, OffBits,
                              CbBits < 0 ? Dib.size() - 40 : CbBits, 0, 0x00CC0020, 100, 50});
    return rec + Dib;
}

QByteArray BadDib(int At, qint64 Value)
{
    QByteArray dib = Dib32(2, 2, {Blue, Blue, Blue, Blue});
    Set32(dib, At, Value);
    return dib;
}

TEST(MetafilePlayer, DamagedFilesAreRefusedOrPlayedInPart)
{
    const std::vector<TDamagedCase> cases = {
        {"empty", Refused, [] { return QByteArray(); }},
        {"ten bytes", Refused, [] { return QByteArray("\x01\0\0\0\x6c\0\0\0\0\0", 10); }},
        {"truncated EMF header", Refused, [] { return TEmfBuilder().Build().left(60); }},
        {"EMF header nSize 0", Refused, [] { return Patched(TEmfBuilder().Build(), 4, 0); }},
        {"EMF header nSize not a multiple of 4", Refused, [] { return Patched(TEmfBuilder().Build(), 4, 110); }},
        {"EMF header nSize past the end", Refused, [] { return Patched(TEmfBuilder().Build(), 4, 1 << 30); }},
        {"EMF nBytes smaller than the header", Refused, [] { return Patched(TEmfBuilder().Build(), 48, 20); }},
        {"EMF description outside the header", Refused,
         [] { return Patched(Patched(TEmfBuilder().Build(), 60, 0x7FFFFFFF), 64, 100); }},
        {"EMF without extent", Refused,
         [] {
             QByteArray b = TEmfBuilder().Build();
             for (int at = 8; at < 40; at += 4)
                 Set32(b, at, at == 16 || at == 20 ? -1 : 0); // empty bounds, empty frame
             return b;
         }},
        {"EMF record nSize 0", Refused, [] { return Patched(TEmfBuilder().Rect(0, 0, 1, 1).Build(), 112, 0); }},
        {"EMF record nSize not a multiple of 4", Refused,
         [] { return Patched(TEmfBuilder().Rect(0, 0, 1, 1).Build(), 112, 26); }},
        {"EMF record past the end", Refused,
         [] { return Patched(TEmfBuilder().Rect(0, 0, 1, 1).Build(), 112, 0x7FFFFFF0); }},
        {"EMF cut inside a record", Refused, [] { return TEmfBuilder().RedFill(100, 50).Build().chopped(10); }},
        {"EMF without EOF", Plays, [] { return TEmfBuilder().RedFill(100, 50).Build(100, 50, 8, false); }, true},
        {"EMF nBytes beyond the file", Plays, [] { return Patched(TEmfBuilder().RedFill(100, 50).Build(), 48, 1 << 30); },
         true},
        {"EMF huge point count", Plays,
         [] { return EmfThenRed([](TEmfBuilder& b) { b.Add(EMR_POLYGON16, {0, 0, 0, 0, 0x7FFFFFFF, 0}); }); }, true},
        {"EMF huge polygon list", Plays,
         [] { return EmfThenRed([](TEmfBuilder& b) { b.Add(EMR_POLYPOLYGON16, {0, 0, 0, 0, 0x40000000, 0xFFFFFFFF, 3}); }); }, true},
        {"EMF polygon counts above the total", Plays,
         [] { return EmfThenRed([](TEmfBuilder& b) { b.Add(EMR_POLYPOLYGON16, {0, 0, 0, 0, 2, 2, 2, 2, 0, 0}); }); }, true},
        {"EMF text offsets out of range", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Add(EMR_EXTTEXTOUTW, {0, 0, 0, 0, 1, 0, 0, 5, 5, 0x7FFFFFFF, 0xFFFFFFF0, 0, 0, 0, 0, 0, 0xFFFFFFF0});
             });
         },
         true},
        {"EMF font height and pen width extreme", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 QByteArray font = Words32({3, INT_MIN, 0, 0, 0, 400, 0});
                 font += QByteArray(320, '\0');
                 b.Add(EMR_EXTCREATEFONTINDIRECTW, font).Select(3).Text(1, 1, QStringLiteral("x"), false);
                 b.Pen(2, Blue, INT_MAX).Select(2).Poly16(EMR_POLYLINE16, {{0, 0}, {1, 1}});
                 b.Select(0x80000008);
                 b.Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
             });
         },
         true},
        {"EMF bitmap offsets out of range", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Add(EMR_STRETCHDIBITS, StretchDib(Dib32(2, 2, {Blue, Blue, Blue, Blue}), 0xFFFFFFF0));
                 b.Add(EMR_STRETCHDIBITS, StretchDib(Dib32(2, 2, {Blue, Blue, Blue, Blue}), 120, 0x7FFFFFFF));
             });
         },
         true},
        {"EMF bad bitmap headers", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(0, 12)));             // core header
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(0, 0x7FFFFFFF)));     // header larger than the record
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(4, -1)));             // negative width
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(8, INT_MIN)));        // height INT_MIN
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(4, 0x10000)));        // rows longer than the bits
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(12, 0x00070000)));    // 7 bits per pixel, 0 planes
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(12, 0x00080001)));    // 8 bits, colour table missing
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(32, 0x7FFFFFFF)));    // colours used absurd
                 b.Add(EMR_STRETCHDIBITS, StretchDib(BadDib(16, 1)));             // run-length coded
                 QByteArray huge = BadDib(4, 0x7FFFFFFF);
                 Set32(huge, 8, 0x7FFFFFFF);
                 b.Add(EMR_STRETCHDIBITS, StretchDib(huge));                      // too many pixels
             });
         },
         true},
        {"EMF object indices out of range", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Brush(0, Blue).Brush(70000, Blue).Brush(-1, Blue);
                 b.Select(0xFFFF).Select(0x800000FF).Select(0x7FFFFFFF).Select(0);
                 b.Add(EMR_DELETEOBJECT, {0xFFFFFFFF}).Add(EMR_DELETEOBJECT, {0x80000004}).Add(EMR_DELETEOBJECT, {5});
             });
         },
         true},
        {"EMF deep SaveDC", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 for (int i = 0; i < 5000; ++i)
                     b.Add(EMR_SAVEDC, {});
                 b.Add(EMR_RESTOREDC, {-1});
             });
         },
         true},
        {"EMF RestoreDC garbage", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Add(EMR_RESTOREDC, {0}).Add(EMR_RESTOREDC, {5}).Add(EMR_RESTOREDC, {-100000}).Add(EMR_RESTOREDC, {INT_MIN}).Add(EMR_RESTOREDC, {INT_MAX}).Add(EMR_RESTOREDC, {});
             });
         },
         true},
        {"EMF NaN, infinite and singular transforms; zero extents", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Add(EMR_SETWORLDTRANSFORM, {0x7FC00000, 0, 0, 0x3F800000, 0, 0});
                 b.Add(EMR_SETWORLDTRANSFORM, {0x7F800000, 0, 0, 0x7F800000, 0, 0});
                 b.Add(EMR_SETWORLDTRANSFORM, {0, 0, 0, 0, 0, 0});
                 b.Add(EMR_MODIFYWORLDTRANSFORM, {0x3F800000, 0, 0, 0x3F800000, 0xFF800000, 0, 2});
                 b.Add(EMR_MODIFYWORLDTRANSFORM, {0x7F7FFFFF, 0, 0, 0x7F7FFFFF, 0, 0, 3});
                 b.Add(EMR_SETMAPMODE, {8}).Add(EMR_SETWINDOWEXTEX, {0, 0}).Add(EMR_SETVIEWPORTEXTEX, {0, 100}).Add(EMR_SCALEWINDOWEXTEX, {1, 0, 1, 0});
             });
         },
         true},
        {"EMF bad clip regions", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 b.Add(EMR_EXTSELECTCLIPRGN, {48, 1, 33, 1, 1, 16, 0, 0, 1, 1, 0, 0, 1, 1});          // dwSize wrong
                 b.Add(EMR_EXTSELECTCLIPRGN, {48, 1, 32, 1, 0x10000000, 16, 0, 0, 1, 1, 0, 0, 1, 1}); // count past the data
                 b.Add(EMR_EXTSELECTCLIPRGN, {0x7FFFFFFF, 1});                                          // length past the record
             });
         },
         true},
        {"EMF clip path too complex to combine", Plays,
         [] {
             return EmfThenRed([](TEmfBuilder& b) {
                 QByteArray points = Words32({0, 0, 0, 0, 30000});
                 for (int i = 0; i < 30000; ++i) {
                     Put16(points, i % 97);
                     Put16(points, (i % 2) * 50);
                 }
                 b.Add(EMR_BEGINPATH, {}).Add(EMR_POLYGON16, points).Add(EMR_ENDPATH, {}).Add(EMR_SELECTCLIPPATH, {1});
             });
         },
         true},
        {"WMF header only", Refused, [] { return TWmfBuilder().Build(false, 0, 0, 0, 0).left(12); }},
        {"WMF unknown version", Refused,
         [] {
             QByteArray b = TWmfBuilder().Build(false, 0, 0, 0, 0);
             Set16(b, 4, 0x0200);
             return b;
         }},
        {"WMF placeable with empty box", Refused, [] { return TWmfBuilder().Rect(0, 0, 1, 1).Build(true, 5, 5, 5, 9); }},
        {"WMF record size 0", Refused,
         [] { return Patched(TWmfBuilder().Rect(0, 0, 1, 1).Build(false, 0, 0, 0, 0), 18, 0); }},
        {"WMF record size 2 words", Refused,
         [] { return Patched(TWmfBuilder().Rect(0, 0, 1, 1).Build(false, 0, 0, 0, 0), 18, 2); }},
        {"WMF record past the end", Refused,
         [] { return Patched(TWmfBuilder().Rect(0, 0, 1, 1).Build(false, 0, 0, 0, 0), 18, 0x40000000); }},
        {"WMF placeable, inch 0", Plays,
         [] {
             TWmfBuilder w;
             w.Brush(Red).Select(0).Rect(0, 0, 100, 50);
             return w.Build(true, 0, 0, 100, 50, 0);
         },
         true},
        {"WMF without EOF", Plays,
         [] {
             TWmfBuilder w;
             w.Window(0, 0, 100, 50).Brush(Red).Select(0).Rect(0, 0, 100, 50);
             return w.Build(false, 0, 0, 0, 0, 1440, 4, false);
         },
         true},
        {"WMF huge counts, short records, escapes", Plays,
         [] {
             return WmfThenRed([](TWmfBuilder& w) {
                 w.Add(META_POLYGON, {0x7FFF, 1, 1});
                 w.Add(META_POLYPOLYGON, {0xFFFF, 3});
                 w.Add(META_POLYPOLYGON, {1, 0xFFFF, 0, 0});
                 w.Add(META_POLYLINE, {});
                 w.Add(META_RECTANGLE, {});
                 w.Add(META_TEXTOUT, {0x7FFF});
                 w.Add(META_EXTTEXTOUT, {0, 0, 0x7FFF, 6, 0, 0});
                 w.Add(META_ESCAPE, {0x0100, 0xFFFF});
                 w.Add(META_STRETCHDIB, {0x0020, 0x00CC, 0});
                 w.Add(META_DIBBITBLT, {0x0020, 0x00CC, 0, 0, 2, 2, 0, 0, 40, 0});
             });
         },
         true},
        {"WMF objects out of range and full table", Plays,
         [] {
             return WmfThenRed([](TWmfBuilder& w) {
                 w.Brush(Blue).Brush(Blue).Pen(0, 0, 0);
                 w.Select(0xFFFF).Select(7).Add(META_DELETEOBJECT, {0xFFFF});
             });
         },
         true},
        {"WMF deep SaveDC and RestoreDC garbage", Plays,
         [] {
             return WmfThenRed([](TWmfBuilder& w) {
                 for (int i = 0; i < 3000; ++i)
                     w.Add(META_SAVEDC, {});
                 w.Add(META_RESTOREDC, {0}).Add(META_RESTOREDC, {0x7FFF}).Add(META_RESTOREDC, {0x8000}).Add(META_RESTOREDC, {5000});
                 w.Add(META_RESTOREDC, {0xFFFF});
             });
         },
         true},
        {"WMF zero extents and denominators", Plays,
         [] {
             return WmfThenRed([](TWmfBuilder& w) {
                 w.Add(META_SETWINDOWEXT, {0, 0}).Add(META_SETVIEWPORTEXT, {0, 0}).Add(META_SCALEWINDOWEXT, {0, 1, 0, 1});
             });
         },
         true},
    };
    for (const TDamagedCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray bytes = c.Bytes();
        std::unique_ptr<TMetafileGraphic> graphic;
        try {
            graphic = TMetafileGraphic::FromBytes(bytes);
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(c.Outcome, Refused) << e.what();
            EXPECT_NE(std::string(e.what()).find("Invalid"), std::string::npos) << e.what();
            continue;
        }
        ASSERT_EQ(c.Outcome, Plays);
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        graphic->Draw(painter, {0, 0, 100, 50}, true);
        painter.end();
        if (c.RedAfter) {
            EXPECT_EQ(image.pixel(50, 25), Red);
        }
    }
}

} // namespace
