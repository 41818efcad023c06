#include "CanvasTestSupport.h"

#include "core/Numbers.h"

#include <cmath>

namespace {

using TextTest = CanvasTest;

const QString kText = QStringLiteral("HHHH 1234");

TEST_F(TextTest, MeasuresRoundTheLineHeightUpAndPadTheWidth)
{
    for (int size : {8, 9, 12, 20, 33}) {
        Canvas.Font()->SetSize(size);
        const QSizeF measured = Canvas.TextSize(kText);
        // round(h + 0.5), halves to even: 14.2 → 15, 14.0 → 14.
        EXPECT_EQ(Canvas.TextHeight(kText), Numbers::Round(measured.height() + 0.5)) << size;
        EXPECT_EQ(Canvas.TextWidth(kText), Numbers::Round(measured.width())) << size;
        // The padding is a sixth of the em (at 96 dpi) on each side.
        const double em = size * 96 / 72.0;
        EXPECT_NEAR(Canvas.TextSize(QString()).width(), em / 3, 0.01) << size;
    }
}

TEST_F(TextTest, LeftAlignedTextSitsInsideItsMeasuredBox)
{
    Begin(200, 80);
    Canvas.Font()->SetSize(12);
    Canvas.TextOut(20, 10, kText);
    const QRect ink = InkBounds(End());
    ASSERT_FALSE(ink.isNull());
    const int width = Canvas.TextWidth(kText);
    const int height = Canvas.TextHeight(kText);
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.right(), 20 + width - 1);
    // Equal margins on both sides, within a pixel or two of glyph bearings.
    EXPECT_NEAR(ink.left() - 20, 20 + width - 1 - ink.right(), 3);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LT(ink.bottom(), 10 + height);
}

TEST_F(TextTest, RightAlignedTextHasItsOriginAtTheTypographicWidth)
{
    Begin(200, 80);
    Canvas.Font()->SetSize(12);
    Canvas.SetTextAlign(ta_Right);
    Canvas.TextOut(150, 10, kText);
    const QRect ink = InkBounds(End());
    ASSERT_FALSE(ink.isNull());
    const double typographic = Canvas.TextSize(kText).width() - Canvas.TextSize(QString()).width();
    const double origin = 150 - std::round(typographic);
    const double padding = Canvas.TextSize(QString()).width() / 2;
    // The origin lies right of 150 - TextWidth: the text ends near 150 plus
    // the padding before the glyphs.
    EXPECT_GT(origin, 150 - Canvas.TextWidth(kText));
    EXPECT_NEAR(ink.left(), origin + padding, 2);
    EXPECT_NEAR(ink.right() + 1, 150 + padding, 2);
}

TEST_F(TextTest, CentredAndCentreBottomTextAreCentredOnX)
{
    Begin(200, 100);
    Canvas.Font()->SetSize(12);
    Canvas.SetTextAlign(ta_CenterBottom);
    Canvas.TextOut(100, 60, kText);
    const QRect ink = InkBounds(End());
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 100, 2);
    EXPECT_LT(ink.bottom(), 60);
    EXPECT_GE(ink.top(), 60 - Canvas.TextHeight(kText));

    Begin(200, 100);
    Canvas.SetTextAlign(ta_Center);
    Canvas.TextOut(100, 20, kText);
    const QRect centred = InkBounds(End());
    const double padding = Canvas.TextSize(QString()).width() / 2;
    EXPECT_NEAR((centred.left() + centred.right() + 1) / 2.0, 100 + padding, 2);
    EXPECT_GE(centred.top(), 20);
}

TEST_F(TextTest, RotatedLabelTurnsCounterClockwiseAboutItsCentre)
{
    const QString text = QStringLiteral("HHHHHH.......");
    Begin(200, 200);
    Canvas.Font()->SetSize(12);
    Canvas.SetTextAlign(ta_Center);
    Canvas.RotateLabel(100, 100, text, 90);
    Canvas.SetTextAlign(ta_LeftTop);
    Canvas.TextOut(10, 10, QStringLiteral("x")); // the rotation ended with the label
    const QImage& image = End();
    const QRect rotated = InkBounds(image.copy(40, 40, 120, 120)).translated(40, 40);
    ASSERT_FALSE(rotated.isNull());
    EXPECT_GT(rotated.height(), 2 * rotated.width());
    const double padding = Canvas.TextSize(QString()).width() / 2;
    EXPECT_NEAR((rotated.top() + rotated.bottom() + 1) / 2.0, 100, 3);
    EXPECT_GE(rotated.left(), 100 + padding - 2);
    EXPECT_LE(rotated.right(), 100 + padding + Canvas.TextHeight(text));
    // Read upwards: the heavy "HHHHHH" at the bottom, the dots at the top.
    auto inkOfRows = [&](int top) {
        int sum = 0;
        for (int y = top; y < top + 10; ++y)
            for (int x = rotated.left(); x <= rotated.right(); ++x)
                sum += Ink(image, x, y);
        return sum;
    };
    EXPECT_GT(inkOfRows(rotated.bottom() - 9), 3 * inkOfRows(rotated.top()));
    const QRect x = InkBounds(image.copy(0, 0, 40, 40));
    ASSERT_FALSE(x.isNull());
    EXPECT_GE(x.top(), 10);
    EXPECT_GE(x.left(), 10);
}

TEST_F(TextTest, OpaqueBackModeFillsTheMeasuredBoxWithTheBrush)
{
    Begin(200, 80);
    Canvas.Font()->SetSize(12);
    Canvas.SetBackMode(cbmOpaque);
    Canvas.Brush()->SetColor(clRed);
    Canvas.TextOut(20, 10, kText);
    const QImage& image = End();
    EXPECT_EQ(image.pixel(20, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20 + Canvas.TextWidth(kText) - 1, 11), qRgb(255, 0, 0));
}

TEST_F(TextTest, UnknownFaceFallsBackToSansSerif)
{
    Begin(200, 80);
    Canvas.Font()->SetName(QStringLiteral("No Such Face Plotvane"));
    Canvas.Font()->SetSize(12);
    EXPECT_GT(Canvas.TextWidth(kText), 20);
    Canvas.TextOut(10, 10, kText);
    EXPECT_FALSE(InkBounds(End()).isNull());
}

TEST_F(TextTest, TextHintFollowsQualityAndSize)
{
    Canvas.Font()->SetSize(9);
    EXPECT_EQ(Canvas.TextHint(), thClearTypeGridFit);
    Canvas.Font()->SetSize(20);
    EXPECT_EQ(Canvas.TextHint(), thAntiAlias);
    Canvas.SetFontQuality(fqNormal);
    EXPECT_EQ(Canvas.TextHint(), thSingleBitPerPixelGridFit);
    Canvas.Font()->SetQuality(fqBest);
    EXPECT_EQ(Canvas.TextHint(), thAntiAlias);
    Canvas.Font()->SetQuality(fqClearType);
    EXPECT_EQ(Canvas.TextHint(), thClearTypeGridFit);

    // One bit per pixel: no grey edges.
    Canvas.Font()->SetQuality(fqNormal);
    Begin(200, 80);
    Canvas.TextOut(10, 10, kText);
    const QImage& image = End();
    int grey = 0, black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            grey += Ink(image, x, y) > 0 && Ink(image, x, y) < 255;
            black += Ink(image, x, y) == 255;
        }
    EXPECT_EQ(grey, 0);
    EXPECT_GT(black, 50);
}

TEST_F(TextTest, VectorOutputKeepsTheReferencePixelSizeOnAnyResolution)
{
    QImage printer(400, 200, QImage::Format_ARGB32_Premultiplied);
    printer.setDotsPerMeterX(2 * 3780);
    printer.setDotsPerMeterY(2 * 3780); // 192 dpi
    Canvas.Font()->SetSize(12);
    const int screen = Canvas.TextWidth(kText);
    Canvas.SetBufferedDisplay(false);
    Canvas.InitWindow(&printer, {0, 0, 400, 200}, false, clWhite);
    EXPECT_NEAR(Canvas.TextWidth(kText), 2 * screen, 3);
    Canvas.SetRenderContext(TRenderContext::For(roMetafile, ClassicSystemPalette()));
    EXPECT_NEAR(Canvas.TextWidth(kText), screen, 2);
    // A reference of twice the resolution: twice as many of its pixels.
    TRenderContext Fine = TRenderContext::For(roVectorExport, ClassicSystemPalette());
    Fine.ReferenceDpi = 192;
    Canvas.SetRenderContext(Fine);
    EXPECT_NEAR(Canvas.TextWidth(kText), 2 * screen, 3);
    Canvas.ShowImage(nullptr, {0, 0, 400, 200});
}

} // namespace
