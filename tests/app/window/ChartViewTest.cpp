#include "app/window/ChartView.h"
#include "chart/axes/ChartAxis.h"
#include "chart/panel/ChartLegend.h"
#include "tests/app/window/FormFixture.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <QWheelEvent>

// The host widget hands the chart the mouse as the window system gives it.
class ChartViewMouse : public TFormFixture {
protected:
    TChartView* View = nullptr;

    void SetUp() override
    {
        TFormFixture::SetUp();
        // 123 µs and 5 mV: both axes magnified.
        Paste("t,v\n0.000123,0.005\n0.000246,0.007\n0.000369,0.006\n");
        View = Form->ChartView();
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        View->grab();
    }

    void Wheel(int Delta)
    {
        const QPointF At(200, 200);
        QWheelEvent Event(At, View->mapToGlobal(At), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(View, &Event);
    }
};

TEST_F(ChartViewMouse, ALeftDragOnTheViewZoomsAndTheWheelAddsUpToWholeSteps)
{
    TChartAxis* Left = Chart().LeftAxis();
    QTest::mousePress(View, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    QTest::mouseMove(View, QPoint(250, 200));
    QTest::mouseMove(View, QPoint(350, 300));
    QTest::mouseRelease(View, Qt::LeftButton, Qt::NoModifier, QPoint(350, 300));
    EXPECT_FALSE(Chart().BottomAxis()->Automatic());
    EXPECT_FALSE(Left->Automatic());
    View->grab();

    // Half-notch deltas of a fine wheel: two of them make one step.
    const double Maximum = Left->Maximum();
    Wheel(60);
    EXPECT_EQ(Left->Maximum(), Maximum);
    Wheel(60);
    EXPECT_GT(Left->Maximum(), Maximum);
}

TEST_F(ChartViewMouse, ThePointTooltipShowsTheDataInItsOwnUnits)
{
    auto* Series = static_cast<TCustomSeries*>(Chart().GetSeries(0));
    const int X = Series->CalcXPos(1);
    const int Y = Series->CalcYPos(1);
    EXPECT_EQ(View->PointToolTip(X, Y), QStringLiteral("v\nX = 0.000246\nY = 0.007"));
    EXPECT_EQ(View->PointToolTip(X + 1, Y - 1), QStringLiteral("v\nX = 0.000246\nY = 0.007"));
    EXPECT_TRUE(View->PointToolTip(5, 5).isEmpty());
}

// A pan or wheel step shows a gesture frame; the exact one follows when the
// mouse rests, or at once when the drag ends.
TEST_F(ChartViewMouse, GestureFramesUntilTheMouseRests)
{
    Wheel(120);
    EXPECT_TRUE(Chart().QuickFrames());
    QTest::qWait(TChartView::SettleMilliseconds + 100);
    EXPECT_FALSE(Chart().QuickFrames());

    QTest::mousePress(View, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    QTest::mouseMove(View, QPoint(230, 210));
    EXPECT_TRUE(Chart().QuickFrames());
    QTest::mouseRelease(View, Qt::RightButton, Qt::NoModifier, QPoint(230, 210));
    EXPECT_FALSE(Chart().QuickFrames());
    View->grab();
    EXPECT_FALSE(Chart().QuickFrameShown());
}

// A series name cut in the legend shows whole as the item's tooltip; uncut
// names and the plot keep their own tooltips.
using ChartViewLegend = TFormFixture;

TEST_F(ChartViewLegend, ALongSeriesNameShowsWholeInTheLegendTooltip)
{
    const QString Long = QStringLiteral("Supply current of board ") + QString(266, QChar(u'7'));
    Paste(QStringLiteral("t,%1,short\n1,2,3\n2,3,4\n").arg(Long));
    TChartView* View = Form->ChartView();
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    View->grab();
    const TChartLegend* Legend = Chart().Legend();
    ASSERT_EQ(Legend->ShownItems(), 2);
    ASSERT_TRUE(Legend->Item(0).Elided);
    const TRect First = Legend->SymbolRect(0);
    const TRect Second = Legend->SymbolRect(1);
    const QString Tip = View->LegendToolTip(First.Right + 20, (First.Top + First.Bottom) / 2);
    EXPECT_EQ(QString(Tip).remove(u'\n'), Long);
    const QStringList Lines = Tip.split(u'\n');
    ASSERT_EQ(Lines.size(), 4);
    EXPECT_EQ(Lines[0], Long.left(80));
    for (const QString& Line : Lines)
        EXPECT_LE(Line.size(), 80);
    EXPECT_TRUE(View->LegendToolTip(Second.Right + 20, (Second.Top + Second.Bottom) / 2).isEmpty());
    EXPECT_TRUE(View->LegendToolTip(5, 5).isEmpty());
    // The plot keeps most of the chart's width.
    EXPECT_GT(Chart().LastLayout().ChartRectFinal.Width(), View->width() / 2);
}

// The chart resolves its system colours with the application's palette, and
// a new palette (a visual style switched) is a new picture.
TEST_F(ChartViewMouse, TheChartTakesTheApplicationPaletteAndFollowsItsChanges)
{
    const QPalette Old = QGuiApplication::palette();
    const QColor Button = Old.color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(Chart().ResolveColor(clBtnFace), RGBColor(Button.red(), Button.green(), Button.blue()));
    QPalette Dark = Old;
    Dark.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(Dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(Chart().ResolveColor(clBtnFace), RGBColor(10, 20, 30));
    EXPECT_EQ(View->grab().toImage().pixel(1, 1), qRgb(10, 20, 30));
    QApplication::setPalette(Old);
    QCoreApplication::processEvents();
    EXPECT_EQ(Chart().ResolveColor(clBtnFace), RGBColor(Button.red(), Button.green(), Button.blue()));
}
