#include "CanvasTestSupport.h"

#include "chart/canvas/ChartFont.h"

namespace {

using ChartCanvasTest = CanvasTest;

TEST_F(ChartCanvasTest, BlendingLowersTheAlphaWithTheStoredRounding)
{
    EXPECT_EQ(Canvas.Transparency(), 255);
    const std::pair<int, int> opaque[] = {{50, 128}, {30, 179}, {70, 77}, {0, 255}, {100, 0}};
    for (auto [percent, alpha] : opaque) {
        Canvas.BeginBlending({}, percent);
        EXPECT_EQ(Canvas.Transparency(), alpha) << percent;
        Canvas.EndBlending();
        EXPECT_EQ(Canvas.Transparency(), 255);
    }
    Canvas.BeginBlending({}, 50);
    Canvas.BeginBlending({}, 50);
    EXPECT_EQ(Canvas.Transparency(), 64);
    Canvas.EndBlending();
    EXPECT_EQ(Canvas.Transparency(), 128);
    Canvas.EndBlending();
    Canvas.EndBlending(); // one too many: the alpha stays
    EXPECT_EQ(Canvas.Transparency(), 255);
}

TEST_F(ChartCanvasTest, ArgbSwapsRedAndBlueAndSubtractsTheColoursTransparency)
{
    EXPECT_EQ(Canvas.ArgbOf(0x0000FF), 0xFFFF0000u);
    EXPECT_EQ(Canvas.ArgbOf(RGBColor(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(Canvas.ArgbOf(0x40FF0000), 0xBF0000FFu);
    Canvas.BeginBlending({}, 50);
    EXPECT_EQ(Canvas.ArgbOf(0x000000), 0x80000000u);
    EXPECT_EQ(Canvas.ArgbOf(0xC0000000), 0x00000000u); // never below zero
    Canvas.EndBlending();
}

TEST_F(ChartCanvasTest, AssignedPensAndFontsFollowTheRules)
{
    TChartPen hidden;
    hidden.SetVisible(false);
    hidden.SetWidth(3);
    Canvas.AssignVisiblePen(hidden);
    EXPECT_EQ(Canvas.Pen()->Style(), psClear);
    EXPECT_EQ(Canvas.Pen()->Width(), 3);

    TChartPen red;
    red.SetStyle(psDot);
    Canvas.AssignVisiblePenColor(red, clRed);
    EXPECT_EQ(Canvas.Pen()->Style(), psDot);
    EXPECT_EQ(Canvas.Pen()->Color(), clRed);

    TChartFont font;
    font.SetSize(10);
    Canvas.SetZoomText(true);
    Canvas.SetFontZoom(150);
    Canvas.AssignFont(font);
    EXPECT_EQ(Canvas.Font()->Size(), 15);
    Canvas.SetZoomText(false);
    Canvas.AssignFont(font);
    EXPECT_EQ(Canvas.Font()->Size(), 10);

    Canvas.Brush()->SetStyle(bsClear);
    Canvas.SetTextAlign(ta_Right);
    Canvas.Font()->SetStyle(fsBold);
    Canvas.ResetState();
    EXPECT_EQ(Canvas.Pen()->Style(), psSolid);
    EXPECT_EQ(Canvas.Pen()->Color(), clBlack);
    EXPECT_EQ(Canvas.Pen()->Width(), 1);
    EXPECT_EQ(Canvas.Brush()->Style(), bsSolid);
    EXPECT_EQ(Canvas.Brush()->Color(), clWhite);
    EXPECT_EQ(Canvas.Font()->Style(), 0);
    EXPECT_EQ(Canvas.Font()->Name(), TChartFont::DefaultName());
    EXPECT_EQ(Canvas.TextAlign(), ta_LeftTop);
    EXPECT_EQ(Canvas.BackMode(), cbmTransparent);
}

TEST_F(ChartCanvasTest, DefaultFontIsArialEightPointAndDrawsInItsSubstitute)
{
    EXPECT_EQ(TChartFont::DefaultName(), QStringLiteral("Arial"));
    EXPECT_EQ(TChartFont::DefaultSize(), 8);
    EXPECT_EQ(Canvas.Font()->Size(), 8);
    const QString text = QStringLiteral("Plotvane axis 0.125");
    Canvas.Font()->SetSize(30);
    const int arial = Canvas.TextWidth(text);
    Canvas.Font()->SetName(QStringLiteral("Liberation Sans"));
    EXPECT_EQ(Canvas.TextWidth(text), arial);
    Canvas.Font()->SetName(QStringLiteral("Liberation Serif"));
    EXPECT_NE(Canvas.TextWidth(text), arial);
}

// Runs only under ja_JP.UTF-8 (registered separately).
TEST(LocaleJaCanvas, DefaultFontIsTheJapaneseGothicAtNinePoints)
{
    EXPECT_EQ(TChartFont::DefaultName(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    EXPECT_EQ(TChartFont::DefaultSize(), 9);
    TAntialiasCanvas canvas;
    EXPECT_EQ(canvas.Font()->Size(), 9);
    canvas.Font()->SetSize(30);
    const QString text = QString::fromUtf8("タイトル Title");
    const int gothic = canvas.TextWidth(text);
    canvas.Font()->SetName(QStringLiteral("IPAPGothic"));
    EXPECT_EQ(canvas.TextWidth(text), gothic);
}

} // namespace
