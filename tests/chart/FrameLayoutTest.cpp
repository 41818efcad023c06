#include "ChartTestFixture.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <algorithm>

// The layout phase on its own: what it records, that it draws nothing, and
// that the drawing pass paints where it said.
namespace {

struct TLaidOutChart : TRecordedChart {
    TLaidOutChart()
    {
        Chart->SetAxisVisible(true);
        for (int s = 0; s < 2; ++s) {
            auto* Series = new TLineSeries(Chart.get());
            Series->SetTitle(s == 0 ? QStringLiteral("電圧") : QStringLiteral("電流"));
            for (int i = 0; i <= 40; ++i)
                Series->AddXY(i * 0.25, (s + 1) * (i % 7) - 3.5);
            Chart->AddSeries(Series);
        }
        Chart->BottomAxis()->Title()->SetCaption(QStringLiteral("時間"));
        Chart->LeftAxis()->Title()->SetCaption(QStringLiteral("振幅"));
        Chart->SubFoot()->SetText(QStringList{QStringLiteral("脚注")});
    }
};

void ExpectSameLayout(const TFrameLayout& A, const TFrameLayout& B)
{
    EXPECT_EQ(A.Bounds, B.Bounds);
    EXPECT_EQ(A.ChartRectInitial, B.ChartRectInitial);
    EXPECT_EQ(A.ChartRectAfterTitlesAndLegend, B.ChartRectAfterTitlesAndLegend);
    EXPECT_EQ(A.ChartRectFinal, B.ChartRectFinal);
    EXPECT_EQ(A.TitleBounds, B.TitleBounds);
    EXPECT_EQ(A.TitleLines, B.TitleLines);
    ASSERT_EQ(A.Titles.size(), B.Titles.size());
    for (size_t i = 0; i < A.Titles.size(); ++i) {
        EXPECT_EQ(A.Titles[i].Title, B.Titles[i].Title);
        EXPECT_EQ(A.Titles[i].Bounds, B.Titles[i].Bounds);
    }
    EXPECT_EQ(A.LegendBounds, B.LegendBounds);
    ASSERT_EQ(A.LegendItems.size(), B.LegendItems.size());
    for (size_t i = 0; i < A.LegendItems.size(); ++i) {
        EXPECT_EQ(A.LegendItems[i].Text, B.LegendItems[i].Text);
        EXPECT_EQ(A.LegendItems[i].Symbol, B.LegendItems[i].Symbol);
    }
    ASSERT_EQ(A.Axes.size(), B.Axes.size());
    for (size_t i = 0; i < A.Axes.size(); ++i) {
        EXPECT_EQ(A.Axes[i].Axis, B.Axes[i].Axis);
        EXPECT_EQ(A.Axes[i].Minimum, B.Axes[i].Minimum);
        EXPECT_EQ(A.Axes[i].Maximum, B.Axes[i].Maximum);
        EXPECT_EQ(A.Axes[i].PosAxis, B.Axes[i].PosAxis);
        EXPECT_EQ(A.Axes[i].TitleBounds, B.Axes[i].TitleBounds);
        EXPECT_EQ(A.Axes[i].Ticks, B.Axes[i].Ticks);
        ASSERT_EQ(A.Axes[i].Labels.size(), B.Axes[i].Labels.size());
        for (size_t k = 0; k < A.Axes[i].Labels.size(); ++k) {
            EXPECT_EQ(A.Axes[i].Labels[k].Text, B.Axes[i].Labels[k].Text);
            EXPECT_EQ(A.Axes[i].Labels[k].Box, B.Axes[i].Labels[k].Box);
        }
    }
    EXPECT_EQ(A.BackWall, B.BackWall);
    EXPECT_EQ(A.BackImage, B.BackImage);
}

TEST(FrameLayout, LayoutAloneDrawsNothingAndAgreesWithTheFrame)
{
    TLaidOutChart C;
    int Events = 0;
    C->OnBeforeDrawChart = [&](TCustomAxisPanel*) { ++Events; };
    C->OnAfterDraw = [&](TCustomAxisPanel*) { ++Events; };
    const int Invalidations = C->InvalidateCount();

    C->Layout({0, 0, 781, 590});
    EXPECT_TRUE(C.Canvas->Calls.empty());
    EXPECT_EQ(C.Canvas->InitWindowCount, 0);
    EXPECT_EQ(C->FrameCount(), 0);
    EXPECT_EQ(Events, 0);
    EXPECT_EQ(C->InvalidateCount(), Invalidations);
    EXPECT_TRUE(C->Dirty());

    const TFrameLayout Alone = C.Layout();
    // Everything the frame shows is in the record.
    EXPECT_TRUE(Alone.TitleDrawn);
    EXPECT_TRUE(Alone.LegendDrawn);
    EXPECT_EQ(Alone.LegendItems.size(), 2u);
    EXPECT_EQ(Alone.Titles.size(), 2u); // the title and the subfoot
    ASSERT_EQ(Alone.Axes.size(), 2u);   // bottom and left
    EXPECT_EQ(Alone.Axes[0].Axis, C->BottomAxis());
    EXPECT_EQ(Alone.Axes[1].Axis, C->LeftAxis());
    for (const TFrameAxis& A : Alone.Axes) {
        EXPECT_TRUE(A.TitleShown);
        EXPECT_FALSE(A.TitleBounds.IsEmpty());
        EXPECT_GE(A.Labels.size(), 3u);
        EXPECT_EQ(A.Ticks.size(), A.Labels.size());
        for (const TFrameAxisLabel& L : A.Labels)
            EXPECT_FALSE(L.Box.IsEmpty()) << L.Text.toStdString();
    }
    EXPECT_TRUE(Alone.BackWallDrawn);
    EXPECT_EQ(Alone.BackImage, Alone.ChartRectFinal);
    // The series know which of their points the frame would draw.
    EXPECT_EQ(C->GetSeries(0)->FirstValueIndex(), 0);
    EXPECT_EQ(C->GetSeries(0)->LastValueIndex(), 40);

    C.Frame();
    EXPECT_EQ(Events, 2);
    ExpectSameLayout(Alone, C.Layout());
}

TEST(FrameLayout, TheDrawingPassPaintsWhereTheLayoutSaid)
{
    TLaidOutChart C;
    C.Frame();
    const TFrameLayout& L = C.Layout();
    const auto Texts = C.Canvas->Of("TextOut");
    auto DrawnInside = [&](const QString& Text, const TRect& Box) {
        return std::any_of(Texts.begin(), Texts.end(), [&](const TRecordingCanvas::TCall& Call) {
            return Call.Text == Text && Box.Left <= Call.R.Left && Call.R.Left <= Box.Right
                && Box.Top <= Call.R.Top && Call.R.Top <= Box.Bottom;
        });
    };
    for (const TFrameAxis& A : L.Axes)
        for (const TFrameAxisLabel& Label : A.Labels)
            EXPECT_TRUE(DrawnInside(Label.Text, Label.Box)) << Label.Text.toStdString();
    EXPECT_TRUE(DrawnInside(QStringLiteral("時間"), L.Axes[0].TitleBounds));
    EXPECT_TRUE(DrawnInside(QStringLiteral("タイトル"), L.TitleBounds));
    EXPECT_TRUE(DrawnInside(QStringLiteral("脚注"), L.Titles[1].Bounds));
    EXPECT_TRUE(DrawnInside(QStringLiteral("電流"), L.LegendBounds));
    // The back wall is the first rectangle after the titles.
    const auto Rectangles = C.Canvas->Of("Rectangle");
    EXPECT_TRUE(std::any_of(Rectangles.begin(), Rectangles.end(),
                            [&](const TRecordingCanvas::TCall& Call) { return Call.R == L.BackWall; }));
}

TEST(FrameLayout, AHandPlacedTitleTakesNoSpaceAndIsDrawnLast)
{
    TLaidOutChart C;
    C->Foot()->SetText(QStringList{QStringLiteral("自由")});
    C->Foot()->SetCustomPosition(true);
    C->Foot()->SetShapeBounds({40, 60, 40, 60});
    C.Frame();
    const TFrameLayout With = C.Layout();
    C->Foot()->SetVisible(false);
    C.Frame();
    EXPECT_EQ(With.ChartRectFinal, C.Layout().ChartRectFinal);
    ASSERT_EQ(With.Titles.size(), 3u);
    EXPECT_EQ(With.Titles.back().Title, C->Foot());
    EXPECT_EQ(With.Titles.back().Bounds.Left, 40);
    EXPECT_EQ(With.Titles.back().Bounds.Top, 60);

    C->Foot()->SetVisible(true);
    C.Frame();
    const auto& Calls = C.Canvas->Calls;
    const auto Last = std::find_if(Calls.rbegin(), Calls.rend(),
                                   [](const TRecordingCanvas::TCall& Call) { return Call.Op == "TextOut"; });
    ASSERT_NE(Last, Calls.rend());
    EXPECT_EQ(Last->Text, QStringLiteral("自由"));
}

} // namespace
