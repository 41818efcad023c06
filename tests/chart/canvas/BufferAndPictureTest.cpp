#include "CanvasTestSupport.h"

#include "chart/canvas/ImageGraphic.h"
#include "chart/canvas/SvgGraphic.h"

#include <stdexcept>

namespace {

using BufferTest = CanvasTest;
using PictureTest = CanvasTest;

QImage WhiteImage(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

TEST_F(BufferTest, FrameDrawsInBufferCoordinatesAndShowsAtTheRectangle)
{
    QImage window = WhiteImage(100, 80);
    const TRect bounds{20, 10, 80, 50};
    EXPECT_EQ(Canvas.InitWindow(&window, bounds, false, clWhite), (TRect{0, 0, 60, 40}));
    EXPECT_EQ(Canvas.BackMode(), cbmOpaque);
    EXPECT_EQ(Canvas.Buffer().size(), QSize(60, 40));
    EXPECT_EQ(Canvas.Buffer().depth(), 32);
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect({0, 0, 60, 40});
    EXPECT_TRUE(Canvas.Dirty());
    EXPECT_FALSE(Canvas.ReDrawBitmap(&window, bounds)); // not complete yet
    Canvas.ShowImage(&window, bounds);
    EXPECT_FALSE(Canvas.Dirty());
    EXPECT_EQ(window.pixel(20, 10), qRgb(255, 0, 0));
    EXPECT_EQ(window.pixel(79, 49), qRgb(255, 0, 0));
    EXPECT_EQ(window.pixel(19, 10), qRgb(255, 255, 255));
    EXPECT_EQ(window.pixel(80, 49), qRgb(255, 255, 255));

    // An unchanged repaint recopies; after Invalidate it must draw again.
    QImage second = WhiteImage(100, 80);
    EXPECT_TRUE(Canvas.ReDrawBitmap(&second, bounds));
    EXPECT_EQ(second.pixel(50, 30), qRgb(255, 0, 0));
    EXPECT_FALSE(Canvas.ReDrawBitmap(&second, {0, 0, 70, 40})); // another size: stale
    Canvas.Invalidate();
    EXPECT_FALSE(Canvas.ReDrawBitmap(&second, bounds));
}

TEST_F(BufferTest, BufferIsReusedAtTheSameSizeAndKeepsItsPicture)
{
    Canvas.InitWindow(nullptr, {0, 0, 50, 50}, false, clWhite);
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect({0, 0, 50, 50});
    Canvas.ShowImage(nullptr, {0, 0, 50, 50});
    const uchar* bits = Canvas.Buffer().constBits();
    Canvas.InitWindow(nullptr, {5, 5, 55, 55}, false, clWhite);
    EXPECT_EQ(Canvas.Buffer().constBits(), bits);
    EXPECT_EQ(Canvas.Buffer().pixel(25, 25), qRgb(255, 0, 0)); // not cleared between frames
    Canvas.ShowImage(nullptr, {5, 5, 55, 55});
    // A new size starts from the background colour.
    Canvas.InitWindow(nullptr, {0, 0, 30, 20}, false, RGBColor(0, 0, 255));
    Canvas.ShowImage(nullptr, {0, 0, 30, 20});
    EXPECT_EQ(Canvas.Buffer().pixel(29, 19), qRgb(0, 0, 255));
}

TEST_F(BufferTest, UnbufferedFrameDrawsOnTheDestinationAndLeavesTheBufferStale)
{
    Canvas.InitWindow(nullptr, {0, 0, 40, 40}, false, clWhite);
    Canvas.ShowImage(nullptr, {0, 0, 40, 40});
    Canvas.Invalidate();

    QImage exported = WhiteImage(100, 100);
    Canvas.SetBufferedDisplay(false);
    EXPECT_EQ(Canvas.InitWindow(&exported, {10, 20, 60, 70}, false, clWhite), (TRect{10, 20, 60, 70}));
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect({10, 20, 60, 70});
    Canvas.ShowImage(&exported, {10, 20, 60, 70});
    EXPECT_EQ(exported.pixel(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(exported.pixel(9, 20), qRgb(255, 255, 255));
    EXPECT_TRUE(Canvas.Dirty());

    Canvas.SetBufferedDisplay(true);
    EXPECT_FALSE(Canvas.ReDrawBitmap(nullptr, {0, 0, 40, 40}));
}

TEST_F(BufferTest, EmptyRectangleGivesAFrameThatDrawsNothing)
{
    EXPECT_EQ(Canvas.InitWindow(nullptr, {0, 0, 0, 10}, false, clWhite), (TRect{0, 0, 0, 10}));
    Canvas.Rectangle(0, 0, 5, 5);
    Canvas.ShowImage(nullptr, {0, 0, 0, 10});
    EXPECT_TRUE(Canvas.Dirty());
}

TEST_F(BufferTest, ADestinationThatCannotBePaintedIsAnError)
{
    QImage nothing;
    Canvas.SetBufferedDisplay(false);
    EXPECT_THROW(Canvas.InitWindow(&nothing, {0, 0, 10, 10}, false, clWhite), std::runtime_error);
    Canvas.Line(0, 0, 5, 5); // and the canvas stays usable
}

TEST_F(PictureTest, StretchDrawScalesIntoTheRectangleWithTheSurfaceAlpha)
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(qRgb(255, 0, 0));
    source.setPixel(1, 1, qRgb(0, 0, 255));
    const TImageGraphic picture(source, TGraphic::gkBitmap);

    Begin(60, 60);
    Canvas.SetStretchQuality(sqLow);
    Canvas.StretchDraw({10, 10, 30, 30}, picture);
    Canvas.BeginBlending({}, 50);
    Canvas.Draw(40, 40, picture);
    Canvas.EndBlending();
    const QImage& image = End();
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 19), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(29, 29), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(9, 10), qRgb(255, 255, 255));
    EXPECT_NEAR(qGreen(image.pixel(40, 40)), 127, 2); // red at alpha 128 over white
    EXPECT_EQ(image.pixel(42, 42), qRgb(255, 255, 255));
}

TEST_F(PictureTest, TransparentBitmapShowsWhatIsUnderItsKeyColour)
{
    QImage source(3, 3, QImage::Format_RGB32);
    source.fill(qRgb(0, 255, 0));
    source.setPixel(1, 1, qRgb(0, 0, 255));
    TImageGraphic picture(source, TGraphic::gkBitmap);
    picture.SetTransparent(true); // the bottom-left pixel's green is the key

    Begin(40, 40);
    Canvas.SetStretchQuality(sqLow);
    Canvas.StretchDraw({0, 0, 30, 30}, picture);
    const QImage& image = End();
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(15, 15), qRgb(0, 0, 255));

    picture.SetTransparentColor(RGBColor(0, 0, 255));
    Begin(40, 40);
    Canvas.StretchDraw({0, 0, 30, 30}, picture);
    const QImage& keyedBlue = End();
    EXPECT_EQ(keyedBlue.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(keyedBlue.pixel(15, 15), qRgb(255, 255, 255));
}

TEST_F(PictureTest, EmptyPictureDrawsNothing)
{
    Begin(20, 20);
    Canvas.StretchDraw({0, 0, 20, 20}, TImageGraphic(QImage()));
    EXPECT_TRUE(InkBounds(End(), 0).isNull());
}

TEST_F(PictureTest, SvgPictureRendersAndBadDataIsRejectedWithTheReason)
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                           "<rect width='10' height='10' fill='#0000ff'/></svg>";
    const auto picture = TSvgGraphic::FromBytes(svg);
    EXPECT_EQ(picture->Size(), QSize(10, 10));
    EXPECT_FALSE(picture->IsEmpty());
    Begin(40, 40);
    Canvas.StretchDraw({5, 5, 35, 35}, *picture);
    const QImage& image = End();
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(4, 20), qRgb(255, 255, 255));

    try {
        TSvgGraphic::FromBytes("<svg xmlns='http://www.w3.org/2000/svg'><rect></svg>");
        FAIL() << "malformed SVG accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("line 1"), std::string::npos) << e.what();
    }
    EXPECT_THROW(TSvgGraphic::FromBytes("<html><body/></html>"), std::runtime_error);
    EXPECT_THROW(TSvgGraphic::FromBytes(QByteArray()), std::runtime_error);
    EXPECT_THROW(TSvgGraphic::FromBytes(QByteArray("\x1f\x8b\x08\x00garbage", 12)), std::runtime_error);
}

} // namespace
