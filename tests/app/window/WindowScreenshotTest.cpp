// The window on a real X server (run under xvfb-run): the designed layout at
// 100 % and 200 % and every visual style, checked on the screen's pixels.
// With PLOTVANE_SHOTS set to a folder, each screenshot is kept there.

#include "app/window/ButtonedEdit.h"
#include "app/window/ChartView.h"
#include "app/window/Form1.h"
#include "app/window/StyleManager.h"
#include "chart/panel/Chart.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include "app/window/PageControl.h"
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class WindowScreenshot : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;

    void SetUp() override
    {
        Form = std::make_unique<TForm1>(Dir.filePath(QStringLiteral("plotvane.ini")));
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        Form->Import().PasteText(*Form->Chart1(), QStringLiteral("X,A,B\n1,2,3\n2,4,1\n3,1,2\n"));
    }

    void TearDown() override
    {
        TStyleManager::TrySetStyle(QStringLiteral("Windows"), false);
        Form.reset();
    }

    // The window's pixels as the X server shows them.
    QImage Shot(const QString& Name)
    {
        QTest::qWait(200);
        QApplication::processEvents();
        const QImage Image = Form->screen()->grabWindow(0, Form->x(), Form->y(), Form->width(), Form->height()).toImage();
        const QString Folder = qEnvironmentVariable("PLOTVANE_SHOTS");
        if (!Folder.isEmpty()) {
            QDir().mkpath(Folder);
            Image.save(QDir(Folder).filePath(Name + QStringLiteral(".png")));
        }
        return Image.convertToFormat(QImage::Format_RGB32);
    }

    static QRgb At(const QImage& Image, QPoint P) { return Image.pixel(P) & 0xFFFFFF; }
};

QPoint Center(const QWidget* W, const QWidget* Window)
{
    return W->mapTo(Window, W->rect().center());
}

} // namespace

TEST_F(WindowScreenshot, DesignedLayoutAtOneHundredAndTwoHundredPercent)
{
    for (int Percent : {100, 200}) {
        SCOPED_TRACE(Percent);
        Form->ApplyScale(Percent);
        QApplication::processEvents();
        const QImage Image = Shot(QStringLiteral("layout-%1").arg(Percent));
        ASSERT_FALSE(Image.isNull());
        // The chart fills the left, the side panel keeps its designed width.
        const QWidget* Chart = static_cast<const QWidget*>(Form->ChartView());
        EXPECT_EQ(Form->ToolBar1->height(), 47 * Percent / 100) << Form->ToolBar1->minimumHeight() << " " << Form->ToolBar1->maximumHeight() << " " << Form->height() << " " << Form->ToolBar1->geometry().y();
        EXPECT_NEAR(Form->PageControl1->width(), 196 * Percent / 100, 2);
        EXPECT_EQ(Chart->mapTo(Form.get(), QPoint(0, 0)).y(), Form->ToolBar1->height());
        // The panel around the plot is the style's button face.
        const QRgb Face = Form->palette().color(QPalette::Button).rgb() & 0xFFFFFF;
        EXPECT_EQ(At(Image, Chart->mapTo(Form.get(), QPoint(3, Chart->height() / 2))), Face);
        // The plot frame is drawn inside the chart (a dark axis line left of the middle).
        int Dark = 0;
        for (int X = 0; X < Chart->width() / 2; ++X) {
            const QRgb C = Image.pixel(Chart->mapTo(Form.get(), QPoint(X, Chart->height() / 2)));
            Dark += qGray(C) < 80 ? 1 : 0;
        }
        EXPECT_GT(Dark, 0);
        // The title box is at its scaled place and shows its base colour.
        const QRect Edit = Form->TitleEditBtn->geometry();
        EXPECT_EQ(Edit, QRect(27 * Percent / 100, 16 * Percent / 100, 121 * Percent / 100, 21 * Percent / 100));
        const QRgb Base = Form->TitleEditBtn->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
        EXPECT_EQ(At(Image, Center(Form->TitleEditBtn, Form.get()) + QPoint(Edit.width() / 4, 0)), Base);
    }
}

TEST_F(WindowScreenshot, EveryStyleIsAppliedToTheWholeWindow)
{
    for (const QString& Name : TStyleManager::StyleNames()) {
        SCOPED_TRACE(Name.toStdString());
        ASSERT_TRUE(TStyleManager::TrySetStyle(Name, false));
        QApplication::processEvents();
        const QImage Image = Shot(QStringLiteral("style-") + QString(Name).replace(u' ', u'-'));
        const QWidget* Chart = static_cast<const QWidget*>(Form->ChartView());
        const QRgb Face = QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF;
        EXPECT_EQ(At(Image, Chart->mapTo(Form.get(), QPoint(3, Chart->height() / 2))), Face);
        const QRgb Base = QApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFF;
        const QRect Edit = Form->TitleEditBtn->geometry();
        EXPECT_EQ(At(Image, Center(Form->TitleEditBtn, Form.get()) + QPoint(Edit.width() / 4, 0)), Base);
    }
}
