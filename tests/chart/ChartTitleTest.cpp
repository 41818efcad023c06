#include "ChartTestFixture.h"

#include "chart/panel/ChartLegend.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = TRecordingCanvas::CharWidth;
constexpr int H = TRecordingCanvas::LineHeight;

TEST(ChartTitle, CentredOnTheChartRectangle)
{
    TRecordedChart Chart;
    Chart.Frame();
    // "タイトル": four characters.
    const int Width = 4 * W;
    const TFrameLayout& L = Chart.Layout();
    ASSERT_TRUE(L.TitleDrawn);
    EXPECT_EQ(L.TitleBounds, TRect({390 - Width / 2, 23, 390 - Width / 2 + Width, 23 + H}));
    EXPECT_EQ(L.TitleLines, QStringList{QStringLiteral("タイトル")});
    EXPECT_EQ(L.ChartRectAfterTitlesAndLegend, TRect({23, 23 + H + 5, 758, 567}));

    const auto Texts = Chart.Canvas->Of("TextOut");
    ASSERT_EQ(Texts.size(), 1u);
    EXPECT_EQ(Texts[0].R.Left, 390);
    EXPECT_EQ(Texts[0].R.Top, 23);
    EXPECT_EQ(Texts[0].Align, int(ta_Center));
    EXPECT_EQ(Texts[0].FontColor, clBlack);
    // Transparent: no background, frame or shadow of its own.
    EXPECT_EQ(Chart.Canvas->Of("ShadowRect").size(), 0u);
}

TEST(ChartTitle, AlignedLeftAndRightAcrossTheControl)
{
    TRecordedChart Chart;
    Chart->Title()->SetAlignment(taLeftJustify);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleBounds.Left, 16); // round(0.02 × 781)

    Chart->Border()->SetVisible(true);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleBounds.Left, 17);
    EXPECT_EQ(Chart.Layout().TitleBounds.Top, 24);
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 24 + H + 5);

    Chart->Border()->SetVisible(false);
    Chart->Title()->SetAlignment(taRightJustify);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleBounds.Right, 781 - 16);

    // Without AdjustFrame the shape spans the control less both gaps.
    Chart->Title()->SetAdjustFrame(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleBounds.Left, 16);
    EXPECT_EQ(Chart.Layout().TitleBounds.Right, 781 - 16);
}

TEST(ChartTitle, CentringFollowsTheChartRectangle)
{
    TRecordedChart Chart;
    Chart->Shadow()->SetVisible(true); // ChartRect 23..744
    Chart.Frame();
    const int Width = 4 * W;
    EXPECT_EQ(Chart.Layout().TitleBounds.Left, (23 + 744) / 2 - Width / 2);

    // A long title on a narrow chart starts at the left gap at the least.
    Chart->Title()->SetText({QString(60, QChar(u'x'))});
    Chart.Frame(300, 200);
    EXPECT_EQ(Chart.Layout().TitleBounds.Left, 6); // round(0.02 × 300)
}

// A title wider than the chart is cut with "…" to the room between the two
// side gaps, instead of running off the picture's right edge.
TEST(ChartTitle, TitleWiderThanTheChartIsCut)
{
    TRecordedChart Chart;
    // 120 characters of 7 pixels: 840 pixels on a chart of 781.
    const QString Long = QStringLiteral("Step response of the regulator ") + QString(89, QChar(u'x'));
    Chart->Title()->SetText({Long, QStringLiteral("second line")});
    Chart.Frame();
    const int Room = 781 - 2 * 16; // round(0.02 × 781) on each side
    const TFrameLayout& L = Chart.Layout();
    ASSERT_EQ(L.TitleLines.size(), 2);
    const QString Shown = L.TitleLines[0];
    EXPECT_EQ(Shown, Long.left(Room / W - 1) + QChar(0x2026));
    EXPECT_EQ(L.TitleLines[1], QStringLiteral("second line"));
    EXPECT_EQ(L.TitleBounds, TRect({16, 23, 16 + Room, 23 + 2 * H}));
    const auto Texts = Chart.Canvas->Of("TextOut");
    ASSERT_EQ(Texts.size(), 2u);
    EXPECT_EQ(Texts[0].Text, Shown);
    EXPECT_EQ(Texts[0].R.Left, 16 + Room / 2);

    // Right-aligned and without AdjustFrame: the same room.
    Chart->Title()->SetAlignment(taRightJustify);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleBounds.Right, 781 - 16);
    EXPECT_EQ(Chart.Layout().TitleLines[0], Shown);
    Chart->Title()->SetAdjustFrame(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleLines[0], Shown);

    // Short enough again: nothing cut.
    Chart->Title()->SetText({QStringLiteral("Step response")});
    EXPECT_EQ(Chart->Title()->ShownLines(), QStringList{QStringLiteral("Step response")});
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().TitleLines, QStringList{QStringLiteral("Step response")});
}

// Centred on a plot pushed right by a left legend, a title still ends inside
// the picture.
TEST(ChartTitle, CentredTitleStaysInsideThePicture)
{
    TRecordedChart Chart;
    Chart->Title()->SetText({QString(100, QChar(u'x'))}); // 700 pixels
    auto* Series = new TLineSeries(Chart.Chart.get());
    Series->SetTitle(QString(30, QChar(u'n')));
    Chart->AddSeries(Series);
    Chart->Legend()->SetAlignment(laLeft);
    Chart.Frame();
    ASSERT_GT(Chart->ChartXCenter() + 350, 781);
    EXPECT_EQ(Chart.Layout().TitleBounds, TRect({781 - 700, 23, 781, 23 + H}));
    EXPECT_EQ(Chart.Layout().TitleLines, QStringList{QString(100, QChar(u'x'))});
}

TEST(ChartTitle, SeveralLines)
{
    TRecordedChart Chart;
    Chart->Title()->SetText({QStringLiteral("AB"), QStringLiteral("CDEF")});
    Chart.Frame();
    const TRect B = Chart.Layout().TitleBounds;
    EXPECT_EQ(B.Height(), 2 * H);
    EXPECT_EQ(B.Width(), 4 * W);
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 23 + 2 * H + 5);
    const auto Texts = Chart.Canvas->Of("TextOut");
    ASSERT_EQ(Texts.size(), 2u);
    EXPECT_EQ(Texts[0].Text, "AB");
    EXPECT_EQ(Texts[1].Text, "CDEF");
    EXPECT_EQ(Texts[0].R.Top, 23);
    EXPECT_EQ(Texts[1].R.Top, 23 + H);
    EXPECT_EQ(Texts[0].R.Left, (B.Left + B.Right) / 2); // each centred on its own
    EXPECT_EQ(Texts[1].R.Left, (B.Left + B.Right) / 2);

    // Line feeds inside a line are dropped; a CR LF pair counts once.
    EXPECT_EQ(Chart->MultiLineTextSize(QStringLiteral("a\r\nbcd\rx")).NumLines, 3);
    EXPECT_EQ(Chart->MultiLineTextSize(QStringLiteral("a\r\nbcd\rx")).Width, 3 * W);
    EXPECT_EQ(Chart->MultiLineTextWidth(QStringLiteral("ab")), 2 * W);
    Chart->Title()->SetText({QStringLiteral("a\nb")});
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("TextOut")[0].Text, "ab");
}

TEST(ChartTitle, EmptyMissingAndHiddenTitles)
{
    TRecordedChart Chart;
    // An empty only line takes the vertical margin and shows nothing.
    Chart->Title()->SetText({QString()});
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 23 + 5);
    EXPECT_EQ(Chart.Layout().TitleLines, QStringList{QString()});
    for (const auto& Text : Chart.Canvas->Of("TextOut"))
        EXPECT_TRUE(Text.Text.trimmed().isEmpty());

    // No lines, or invisible: no space at all.
    Chart->Title()->ClearText();
    Chart.Frame();
    EXPECT_FALSE(Chart.Layout().TitleDrawn);
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 23);
    Chart->Title()->AddText(QStringLiteral("T"));
    Chart->Title()->SetVisible(false);
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 23);

    // A custom-positioned title is drawn where it stands, taking nothing.
    Chart->Title()->SetVisible(true);
    Chart->Title()->SetCustomPosition(true);
    Chart->Title()->SetShapeBounds({100, 200, 100, 200});
    Chart.Frame();
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 23);
    const auto Texts = Chart.Canvas->Of("TextOut");
    ASSERT_EQ(Texts.size(), 1u);
    EXPECT_EQ(Texts[0].R.Top, 200);
}

TEST(ChartTitle, OpaqueFramedShape)
{
    TRecordedChart Chart;
    TChartTitle* Title = Chart->Title();
    Title->SetTransparent(false);
    Title->SetColor(0x00FF00);
    Title->Pen()->SetWidth(3);
    Chart.Frame();
    // Pen width 3 plus one on each extent; the frame's half width moves it down.
    const TRect B = Chart.Layout().TitleBounds;
    EXPECT_EQ(B.Width(), 4 * W + 4);
    EXPECT_EQ(B.Height(), H + 4);
    EXPECT_EQ(B.Top, 23 + 1);
    EXPECT_EQ(Chart.Layout().ChartRectAfterTitlesAndLegend.Top, 1 + 5 + B.Bottom);

    // Shadow of the rectangle grown by half the frame, then the background.
    const int Shadow = Chart.Canvas->IndexOf("ShadowRect");
    ASSERT_GE(Shadow, 0);
    EXPECT_EQ(Chart.Canvas->Calls[size_t(Shadow)].R, TRect({B.Left - 1 + 3, B.Top - 1 + 3, B.Right + 1 + 3, B.Bottom + 1 + 3}));
    EXPECT_EQ(Chart.Canvas->Calls[size_t(Shadow)].Alpha, 128);
    const auto& Background = Chart.Canvas->Calls[size_t(Shadow + 1)];
    EXPECT_EQ(Background.Op, "Rectangle");
    EXPECT_EQ(Background.R, B);
    EXPECT_EQ(Background.BrushColor, 0x00FF00u);
    EXPECT_EQ(Background.PenWidth, 3);
    // Text below the frame: half its width and one more.
    EXPECT_EQ(Chart.Canvas->Of("TextOut")[0].R.Top, B.Top + 3 / 2 + 1);

    // A shape blended as a whole.
    Title->SetTransparency(30);
    Chart.Frame();
    EXPECT_EQ(Chart.Canvas->Of("TextOut")[0].Alpha, 179);
}

TEST(ChartTitle, SettersRepaint)
{
    TRecordedChart Chart;
    TChartTitle* Title = Chart->Title();
    const int Before = Chart->InvalidateCount();
    Title->SetAlignment(taRightJustify);
    Title->SetAlignment(taRightJustify);
    Title->Font()->SetSize(20);
    Title->SetVisible(false);
    Title->SetText({QStringLiteral("x")});
    EXPECT_EQ(Chart->InvalidateCount(), Before + 4);
}

} // namespace
