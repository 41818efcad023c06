#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/canvas/AntialiasCanvas.h"
#include "core/Numbers.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

// The legend on the program's chart, drawn on the antialiased surface; the
// expected numbers come from that surface's own text metrics.
namespace {

// A series that records the symbol rectangles it is asked to draw and can
// claim a point under the mouse.
class TSymbolSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    std::vector<TRect> Symbols;
    int Hovered = -1;
    void DrawLegend(TChartCanvas& Canvas, const TRect& Rect) override
    {
        Symbols.push_back(Rect);
        TChartSeries::DrawLegend(Canvas, Rect);
    }
    int HoverIndex() const override { return Hovered; }
};

struct TLegendChart {
    std::unique_ptr<TChart> Chart = CreatePlotvaneChart();
    QImage Image;

    explicit TLegendChart(int Width = 781, int Height = 590)
        : Image(Width, Height, QImage::Format_ARGB32_Premultiplied)
    {
        Chart->SetCanvas(std::make_unique<TAntialiasCanvas>());
        Image.fill(Qt::magenta);
    }
    TChart* operator->() const { return Chart.get(); }
    TChartLegend* Legend() const { return Chart->Legend(); }
    const TFrameLayout& Layout() const { return Chart->LastLayout(); }

    TSymbolSeries* Add(const QString& Title)
    {
        auto* Series = new TSymbolSeries(Chart.get());
        Series->SetTitle(Title);
        Chart->AddSeries(Series);
        return Series;
    }
    void Frame() { Chart->Draw(&Image, {0, 0, Image.width(), Image.height()}); }

    int TextWidth(const QString& Text)
    {
        Chart->Canvas()->AssignFont(*Legend()->Font());
        return Chart->Canvas()->TextWidth(Text);
    }
    int TextHeight()
    {
        Chart->Canvas()->AssignFont(*Legend()->Font());
        return Chart->Canvas()->TextHeight(QStringLiteral("W"));
    }
    QRgb At(int x, int y) const { return Image.pixel(x, y) | 0xFF000000u; }
    // Pixels of a box that are clearly red (hover text).
    int RedPixels(const TRect& R) const
    {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x) {
                const QRgb c = At(x, y);
                n += qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
            }
        return n;
    }
    TRect TextBox(int k)
    {
        const TPoint P = Legend()->TextPosition(k);
        return {P.X, P.Y, P.X + TextWidth(Legend()->Item(k).Text), P.Y + TextHeight()};
    }
};

int RoundInt(double v) { return int(Numbers::Round(v)); }
QRgb Rgb(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

TEST(Legend, ItemHeightSymbolSquareAndTextOffset)
{
    TLegendChart C;
    TSymbolSeries* A = C.Add(QStringLiteral("Alpha"));
    TSymbolSeries* B = C.Add(QStringLiteral("Beta long title"));
    C.Frame();
    TChartLegend* L = C.Legend();
    const int TH = C.TextHeight();
    ASSERT_EQ(L->ShownItems(), 2);
    EXPECT_EQ(L->ItemHeight(), TH);
    EXPECT_EQ(L->ColorWidth(), TH - 4);
    EXPECT_EQ(L->MaxWidth(), C.TextWidth(QStringLiteral("Beta long title")) + 2 + C.TextWidth(QStringLiteral(" ")) - 1);

    const TRect SB = L->ShapeBounds();
    EXPECT_EQ(SB.Width(), L->MaxWidth() + L->ColorWidth() + 10);
    EXPECT_EQ(SB.Height(), 2 * TH + 2 * RoundInt(TH * 0.1) + 1 + 2);
    for (int k = 0; k < 2; ++k) {
        const TPoint Text = L->TextPosition(k);
        const TRect Symbol = L->SymbolRect(k);
        EXPECT_EQ(Text.X - SB.Left, L->ColorWidth() + 11);
        EXPECT_EQ(Text.Y, SB.Top + RoundInt(TH * 0.1) + 1 + k * TH);
        EXPECT_EQ(Symbol, TRect({SB.Left + 6, Text.Y + 2, SB.Left + 6 + TH - 4, Text.Y + 2 + TH - 4}));
    }
    // Each series draws its own symbol into its item's square.
    EXPECT_EQ(A->Symbols, std::vector<TRect>{L->SymbolRect(0)});
    EXPECT_EQ(B->Symbols, std::vector<TRect>{L->SymbolRect(1)});

    const TFrameLayout& Layout = C.Layout();
    ASSERT_TRUE(Layout.LegendDrawn);
    EXPECT_EQ(Layout.LegendBounds, SB);
    ASSERT_EQ(Layout.LegendItems.size(), 2u);
    EXPECT_EQ(Layout.LegendItems[1].Text, QStringLiteral("Beta long title"));
    EXPECT_EQ(Layout.LegendItems[1].Symbol, L->SymbolRect(1));
}

TEST(Legend, RightOfThePlotTakingItsWidthAndGap)
{
    TLegendChart C;
    C.Add(QStringLiteral("Y1"));
    C.Frame();
    const TRect SB = C.Legend()->ShapeBounds();
    // 10 % of the chart rectangle (23 .. 567) below its top, whatever the title.
    EXPECT_EQ(SB.Top, 23 + 54);
    // Clear of the legend's 3-pixel shadow and half its frame.
    EXPECT_EQ(SB.Right, 758 - 3 - 1);
    const TRect CR = C.Layout().ChartRectAfterTitlesAndLegend;
    EXPECT_EQ(CR.Right, SB.Left - 3 * 735 / 100);
    EXPECT_EQ(CR.Left, 23);

    // The centred title follows the narrowed chart rectangle.
    const TRect T = C.Layout().TitleBounds;
    EXPECT_EQ(T.Left, (23 + CR.Right) / 2 - T.Width() / 2);
    TLegendChart Plain;
    Plain.Frame();
    EXPECT_NEAR(Plain.Layout().TitleBounds.Left - T.Left, (758 - CR.Right) / 2.0, 1.0);

    // On the picture: white inside, a dark frame, the shadow below, and the
    // symbol in the series colour.
    const int MidY = (SB.Top + SB.Bottom) / 2;
    EXPECT_EQ(C.At(SB.Left + 3, MidY), qRgb(255, 255, 255));
    EXPECT_LT(qGray(C.At(SB.Left, MidY)), 60);
    EXPECT_LT(qGray(C.At((SB.Left + SB.Right) / 2, SB.Bottom + 1)), qGray(Rgb(C->ResolveColor(clBtnFace))) - 40);
    const TRect S = C.Legend()->SymbolRect(0);
    const TColor Colour = C->GetSeries(0)->SeriesColor();
    EXPECT_EQ(C.At((S.Left + S.Right) / 2, (S.Top + S.Bottom) / 2), Rgb(Colour));
}

TEST(Legend, HidingSeriesRemovesTheirItemsAndFinallyTheLegend)
{
    TLegendChart C;
    TSymbolSeries* A = C.Add(QStringLiteral("A"));
    TSymbolSeries* B = C.Add(QStringLiteral("B"));
    TSymbolSeries* D = C.Add(QStringLiteral("D"));
    C.Frame();
    const int Height3 = C.Legend()->ShapeBounds().Height();

    B->SetActive(false);
    C.Frame();
    ASSERT_EQ(C.Legend()->ShownItems(), 2);
    EXPECT_EQ(C.Legend()->Item(1).Text, QStringLiteral("D"));
    EXPECT_EQ(C.Legend()->ShapeBounds().Height(), Height3 - C.TextHeight());
    EXPECT_EQ(B->Symbols.size(), 1u); // only in the first frame

    A->SetActive(false);
    D->SetActive(false);
    C.Frame();
    EXPECT_FALSE(C.Legend()->ShouldDraw());
    EXPECT_FALSE(C.Layout().LegendDrawn);
    EXPECT_EQ(C.Layout().ChartRectAfterTitlesAndLegend.Right, 758);
    EXPECT_EQ(C.Legend()->Clicked(C.Legend()->ShapeBounds().Left + 5, C.Legend()->ShapeBounds().Top + 5), -1);

    // A series kept out of the legend is not listed either.
    D->SetActive(true);
    D->SetShowInLegend(false);
    C.Frame();
    EXPECT_FALSE(C.Layout().LegendDrawn);
    EXPECT_EQ(C.Layout().ChartRectAfterTitlesAndLegend.Right, 758);

    // An invisible legend takes no space.
    D->SetShowInLegend(true);
    C.Legend()->SetVisible(false);
    C.Frame();
    EXPECT_FALSE(C.Layout().LegendDrawn);
    EXPECT_EQ(C.Layout().ChartRectAfterTitlesAndLegend.Right, 758);
}

TEST(Legend, TopAndBottomLegendsAfterTheTitle)
{
    TLegendChart C;
    C.Add(QStringLiteral("First"));
    C.Add(QStringLiteral("Second one"));
    C.Legend()->SetAlignment(laTop);
    C.Frame();
    TChartLegend* L = C.Legend();
    const TRect T = C.Layout().TitleBounds;
    const TRect SB = L->ShapeBounds();
    const int TitleBottom = T.Bottom + 5;
    // The title keeps its place, centred on the whole chart rectangle.
    EXPECT_EQ(T.Left, 390 - T.Width() / 2);
    EXPECT_EQ(SB.Top, TitleBottom + 1);
    EXPECT_FALSE(L->Justified());
    EXPECT_EQ(L->NumRows(), 1);
    const int Item0 = C.TextWidth(QStringLiteral("First")) + L->ColorWidth() + 2 + 8;
    const int Item1 = C.TextWidth(QStringLiteral("Second one")) + L->ColorWidth() + 2 + 8;
    const int Width = Item0 + Item1 + 8;
    EXPECT_EQ(SB.Left, 390 - Width / 2);
    EXPECT_EQ(SB.Width(), 2 * (Width / 2));
    // Side by side: the second item starts one item width further right.
    EXPECT_EQ(L->SymbolRect(1).Left - L->SymbolRect(0).Left, Item0);
    EXPECT_EQ(L->TextPosition(1).Y, L->TextPosition(0).Y);
    const TRect CR = C.Layout().ChartRectAfterTitlesAndLegend;
    EXPECT_EQ(CR.Top, SB.Bottom + 4 * (567 - TitleBottom) / 100);
    EXPECT_EQ(CR.Right, 758);

    // The panel shadow pushes the plot down by its size as well.
    C->Shadow()->SetVisible(true);
    C.Frame();
    const TRect SB2 = L->ShapeBounds();
    const int TitleBottom2 = C.Layout().TitleBounds.Bottom + 5;
    EXPECT_EQ(C.Layout().ChartRectAfterTitlesAndLegend.Top, SB2.Bottom + 14 + 4 * (553 - TitleBottom2) / 100);
    C->Shadow()->SetVisible(false);

    L->SetAlignment(laBottom);
    C.Frame();
    const TRect SB3 = L->ShapeBounds();
    EXPECT_EQ(SB3.Bottom, 567 - (0 + 1 + 3));
    EXPECT_EQ(C.Layout().ChartRectAfterTitlesAndLegend.Bottom,
              SB3.Top - 4 * (567 - C.Layout().TitleBounds.Bottom - 5) / 100);

    L->SetAlignment(laLeft);
    C.Frame();
    const TRect SB4 = L->ShapeBounds();
    EXPECT_EQ(SB4.Left, 23 + 1 + 1);
    EXPECT_EQ(C.Layout().ChartRectAfterTitlesAndLegend.Left, SB4.Right + 22);
}

TEST(Legend, TitlesOnOneLine)
{
    TLegendChart C;
    C.Add(QStringLiteral("Volt\r\nage"));
    C.Add(QStringLiteral("  "));
    C.Frame();
    EXPECT_EQ(C.Legend()->Item(0).Text, QStringLiteral("Volt age"));
    EXPECT_EQ(C.Legend()->Item(1).Text, QStringLiteral("Series2"));
    EXPECT_EQ(C.Legend()->ItemHeight(), C.TextHeight());
    EXPECT_EQ(C.Layout().LegendItems[0].Text, QStringLiteral("Volt age"));
}

// A 290-character name would make the legend wider than the chart and leave
// the plot no room: it is cut with "…" to a third of the chart's width, the
// item keeping the whole name.
TEST(Legend, LongNamesAreCutToAThirdOfTheChart)
{
    const QString Long = QStringLiteral("Channel 7 ") + QString(280, QChar(u'w'));
    for (TLegendAlignment Alignment : {laRight, laTop}) {
        SCOPED_TRACE(Alignment);
        TLegendChart C;
        C.Add(Long);
        C.Add(QStringLiteral("Short"));
        C.Legend()->SetAlignment(Alignment);
        C.Frame();
        TChartLegend* L = C.Legend();
        ASSERT_EQ(L->ShownItems(), 2);
        const QString Shown = L->Item(0).Columns[0];
        EXPECT_TRUE(L->Item(0).Elided);
        EXPECT_TRUE(Shown.startsWith(QStringLiteral("Channel 7 ww")));
        EXPECT_TRUE(Shown.endsWith(QChar(0x2026)));
        EXPECT_LE(C.TextWidth(Shown), 781 / 3);
        // Longest that fits: one more character would not.
        EXPECT_GT(C.TextWidth(Long.left(Shown.size()) + QChar(0x2026)), 781 / 3);
        EXPECT_EQ(L->Item(0).Text, Long);
        EXPECT_FALSE(L->Item(1).Elided);
        EXPECT_EQ(L->Item(1).Columns[0], QStringLiteral("Short"));

        const TRect CR = C.Layout().ChartRectFinal;
        if (Alignment == laRight) {
            EXPECT_EQ(L->MaxWidth(), C.TextWidth(Shown) + 2 + C.TextWidth(QStringLiteral(" ")) - 1);
            EXPECT_GT(CR.Width(), 781 / 2);
        } else {
            EXPECT_LE(L->ShapeBounds().Width(), 781);
        }
    }
}

TEST(Legend, ClickedNamesTheItemUnderAPoint)
{
    TLegendChart C;
    C.Add(QStringLiteral("A"));
    C.Add(QStringLiteral("B"));
    C.Add(QStringLiteral("C"));
    C.Frame();
    TChartLegend* L = C.Legend();
    const TRect SB = L->ShapeBounds();
    const int IH = L->ItemHeight();
    const int t = SB.Top; // + frame width div 2 = 0
    const int x = (SB.Left + SB.Right) / 2;
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(L->Clicked(x, L->TextPosition(k).Y + IH / 2), k);
    // Row bands include both ends; a shared boundary goes to the upper row.
    EXPECT_EQ(L->Clicked(x, t + 1), 0);
    EXPECT_EQ(L->Clicked(x, t), -1);
    EXPECT_EQ(L->Clicked(x, t + IH + 1), 0);
    EXPECT_EQ(L->Clicked(x, t + IH + 2), 1);
    EXPECT_EQ(L->Clicked(x, t + 3 * IH + 1), 2);
    EXPECT_EQ(L->Clicked(x, t + 3 * IH + 2), -1);
    // Edges belong to the legend; beyond them nothing.
    EXPECT_EQ(L->Clicked(SB.Left, t + 2), 0);
    EXPECT_EQ(L->Clicked(SB.Right, t + 2), 0);
    EXPECT_EQ(L->Clicked(SB.Left - 1, t + 2), -1);
    EXPECT_EQ(L->Clicked(SB.Right + 1, t + 2), -1);

    // The first shown series counts from FirstValue.
    L->SetFirstValue(1);
    C.Frame();
    EXPECT_EQ(L->ShownItems(), 2);
    EXPECT_EQ(L->Item(0).Text, QStringLiteral("B"));
    EXPECT_EQ(L->Clicked(x, L->TextPosition(0).Y + IH / 2), 1);
    L->SetFirstValue(0);

    // A single row: each item spans its own width.
    L->SetAlignment(laTop);
    C->GetSeries(0)->SetTitle(QStringLiteral("A much longer first title"));
    C.Frame();
    ASSERT_FALSE(L->Justified());
    const int y = L->TextPosition(0).Y + IH / 2;
    EXPECT_EQ(L->Clicked(C.TextBox(0).Right - 2, y), 0);
    EXPECT_EQ(L->Clicked(C.TextBox(1).Left + 1, y), 1);
    EXPECT_EQ(L->Clicked(C.TextBox(2).Left + 1, y), 2);
    EXPECT_EQ(L->Clicked(L->ShapeBounds().Right, y), 2);
}

TEST(Legend, HorizontalGridWhenOneRowIsTooNarrow)
{
    TLegendChart C;
    for (int k = 0; k < 12; ++k)
        C.Add(QStringLiteral("Measured series number %1").arg(k));
    TChartLegend* L = C.Legend();
    L->SetAlignment(laTop);
    C.Frame();
    ASSERT_TRUE(L->Justified());
    const int Available = 781 - 2 - 78; // less the frame and round(10 % of 781)
    const int Slot = L->MaxWidth() + L->ColorWidth() + 8 + 2 + 4;
    const int Cols = std::min(Available / Slot, 12);
    ASSERT_GT(Cols, 1);
    EXPECT_EQ(L->NumCols(), Cols);
    EXPECT_EQ(L->NumRows(), (12 + Cols - 1) / Cols);
    EXPECT_EQ(L->ShownItems(), 12);
    EXPECT_EQ(L->ShapeBounds().Width(), 2 * ((Cols * (L->MaxWidth() + 2 + L->ColorWidth()) + 8 + Cols * 8 + 1 - 2) / 2));
    const int Step = L->MaxWidth() + L->ColorWidth() + 2 + 8;
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(L->SymbolRect(k).Left - L->SymbolRect(0).Left, (k % Cols) * Step) << k;
        EXPECT_EQ(L->TextPosition(k).Y - L->TextPosition(0).Y, (k / Cols) * L->ItemHeight()) << k;
        const TRect S = L->SymbolRect(k);
        EXPECT_EQ(L->Clicked((S.Left + S.Right) / 2, (S.Top + S.Bottom) / 2), k) << k;
    }

    // A row limit leaves the later items out.
    L->SetMaxNumRows(1);
    C.Frame();
    EXPECT_EQ(L->ShownItems(), Cols);
    EXPECT_EQ(C.Layout().LegendItems.size(), size_t(Cols));
}

TEST(Legend, TallVerticalLegendShowsTheRowsThatFit)
{
    TLegendChart C(781, 200);
    std::vector<TSymbolSeries*> Series;
    for (int k = 0; k < 20; ++k)
        Series.push_back(C.Add(QStringLiteral("S%1").arg(k)));
    C.Frame();
    // ChartRect 8 .. 192; the legend starts 10 % of 184 lower.
    const int Top = 8 + 18;
    const int Rows = (192 - 1 - Top) / C.TextHeight();
    ASSERT_LT(Rows, 20);
    EXPECT_EQ(C.Legend()->ShapeBounds().Top, Top);
    EXPECT_EQ(C.Legend()->ShownItems(), Rows);
    EXPECT_EQ(Series[size_t(Rows - 1)]->Symbols.size(), 1u);
    EXPECT_TRUE(Series[size_t(Rows)]->Symbols.empty());

    // A chart too low for one row has no legend.
    TLegendChart Low(781, 14);
    Low.Add(QStringLiteral("S"));
    ASSERT_GT(Low.TextHeight(), 12); // rows of (14 - 1 - 1) pixels
    Low.Frame();
    EXPECT_FALSE(Low.Layout().LegendDrawn);
    EXPECT_EQ(Low.Layout().ChartRectAfterTitlesAndLegend.Right, 758);
}

TEST(Legend, HoverTurnsTheItemTextRed)
{
    TLegendChart C;
    TSymbolSeries* A = C.Add(QStringLiteral("First"));
    TSymbolSeries* B = C.Add(QStringLiteral("Second"));
    TSymbolSeries* D = C.Add(QStringLiteral("Third"));
    C.Frame();
    TChartLegend* L = C.Legend();
    EXPECT_FALSE(L->HasSelected());
    EXPECT_EQ(C.RedPixels(C.TextBox(1)), 0);

    // Over an item: that item, once; a repeat changes nothing.
    const TRect Box = C.TextBox(1);
    const int Frames = C->InvalidateCount();
    EXPECT_TRUE(C->CheckLegendHover(Box.Left + 2, Box.Top + Box.Height() / 2));
    EXPECT_EQ(L->Selected()->HoverIndex(), 1);
    EXPECT_GT(C->InvalidateCount(), Frames);
    EXPECT_FALSE(C->CheckLegendHover(Box.Left + 3, Box.Top + Box.Height() / 2));
    C.Frame();
    EXPECT_GT(C.RedPixels(C.TextBox(1)), 5);
    EXPECT_EQ(C.RedPixels(C.TextBox(0)), 0);
    EXPECT_EQ(C.RedPixels(C.TextBox(2)), 0);

    // Off the legend and off every series: none.
    EXPECT_TRUE(C->CheckLegendHover(5, 5));
    EXPECT_EQ(L->Selected()->HoverIndex(), -1);

    // Over a series: its item, found from the last series back, counting
    // only the series the legend lists.
    B->Hovered = 4;
    D->Hovered = 0;
    A->SetActive(false);
    C->CheckLegendHover(5, 5);
    EXPECT_EQ(L->Selected()->HoverIndex(), 1); // "Third", second item now
    D->Hovered = -1;
    C->CheckLegendHover(5, 5);
    EXPECT_EQ(L->Selected()->HoverIndex(), 0);
    C.Frame();
    EXPECT_GT(C.RedPixels(C.TextBox(0)), 5);

    // With the chart's hover off nothing is tracked or highlighted.
    C->Hover()->SetVisible(false);
    EXPECT_FALSE(C->CheckLegendHover(5, 5));
    EXPECT_EQ(L->Selected()->HoverIndex(), 0);
    C.Frame();
    EXPECT_EQ(C.RedPixels(C.TextBox(0)), 0);
}

} // namespace
