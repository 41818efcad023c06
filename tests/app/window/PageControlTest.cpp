#include "app/window/PageControl.h"
#include "app/window/TabRows.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TPages {
    TPageControl Control;
    TTabRows* Bar;

    explicit TPages(int Width)
    {
        for (const char* Caption : {"チャート", "ライン", "凡例", "スケール", "フォーム・使用例"})
            Control.addTab(new QWidget, QString::fromUtf8(Caption));
        Control.resize(Width, 400);
        Control.show();
        Bar = static_cast<TTabRows*>(Control.tabBar());
    }
};

} // namespace

TEST(PageControl, CaptionsThatDoNotFitGoOnSeveralRowsAndTheShownRowMeetsThePage)
{
    TPages Wide(900);
    EXPECT_EQ(Wide.Control.RowCount(), 1);

    TPages Narrow(196);
    ASSERT_GE(Narrow.Control.RowCount(), 2);
    // Every tab inside the bar, none overlapping another.
    for (int i = 0; i < Narrow.Bar->count(); ++i) {
        const QRect R = Narrow.Bar->RowTabRect(i);
        EXPECT_GE(R.left(), 0);
        EXPECT_LE(R.right(), 195);
        for (int j = i + 1; j < Narrow.Bar->count(); ++j)
            EXPECT_FALSE(R.intersects(Narrow.Bar->RowTabRect(j))) << i << " " << j;
    }
    // The bar is as high as its rows, and the page starts below it.
    const int Bottom = Narrow.Bar->RowTabRect(0).bottom();
    EXPECT_GE(Narrow.Bar->height(), Narrow.Control.RowCount() * Narrow.Bar->RowTabRect(0).height());

    // A click on the last tab shows its page and brings its row next to the page.
    const QRect Last = Narrow.Bar->RowTabRect(4);
    QTest::mouseClick(Narrow.Bar, Qt::LeftButton, Qt::NoModifier, Last.center());
    EXPECT_EQ(Narrow.Control.currentIndex(), 4);
    EXPECT_EQ(Narrow.Bar->RowTabRect(4).bottom(), Bottom);
    EXPECT_LT(Narrow.Bar->RowTabRect(0).bottom(), Bottom);
    EXPECT_EQ(Narrow.Bar->RowTabAt(Narrow.Bar->RowTabRect(1).center()), 1);
}
