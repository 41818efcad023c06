#include "app/DataImport.h"
#include "app/window/ChartView.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "tests/app/window/FormFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

using TPoints = std::vector<std::pair<double, double>>;

class Form1Data : public TFormFixture {
protected:
    // A drag over the window and, when it was accepted, the drop.
    bool Drop(QMimeData& Data)
    {
        QDragEnterEvent Enter(QPoint(100, 100), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Form.get(), &Enter);
        if (!Enter.isAccepted())
            return false;
        QDropEvent Dropped(QPointF(100, 100), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Form.get(), &Dropped);
        return Dropped.isAccepted();
    }
    bool DropFile(const QString& Path)
    {
        QMimeData Data;
        Data.setUrls({QUrl::fromLocalFile(Path)});
        return Drop(Data);
    }
};

} // namespace

TEST_F(Form1Data, PasteBuildsTheSeriesAndSelectsTheFirstWithoutShowingIt)
{
    Form->SeriesName->setText(QStringLiteral("before"));
    Paste("X,Y1,Y2\n1,10,40\n2,20,50\n");
    ASSERT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 10}, {2, 20}}));
    EXPECT_EQ(PointsOf(1), (TPoints{{1, 40}, {2, 50}}));
    EXPECT_EQ(Chart().BottomAxis()->Title()->Caption(), QStringLiteral("X"));
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("Y1"), QStringLiteral("Y2")}));
    EXPECT_EQ(Form->SeriesCombo->currentIndex(), 0);
    EXPECT_EQ(Form->SelectedSeries(), 0);
    // Selected without showing: the line tab keeps what it showed.
    EXPECT_EQ(Form->SeriesName->text(), QStringLiteral("before"));
    EXPECT_EQ(Form->MarkerSize->Value(), 4);
    EXPECT_EQ(Dialogs->ImportErrors, 0);
    EXPECT_TRUE(Reports.isEmpty());
}

TEST_F(Form1Data, ALoadResetsTheLineTabChecksAndShowsTheMagnification)
{
    Form->MarkerVisibleCheck->setChecked(false);
    Form->LineVisibleCheck->setChecked(false);
    Form->SmothedLine->setChecked(true);
    Paste("X,Y\n1000,0.001\n2000,0.002\n");
    EXPECT_TRUE(Form->MarkerVisibleCheck->isChecked());
    EXPECT_TRUE(Form->LineVisibleCheck->isChecked());
    EXPECT_FALSE(Form->SmothedLine->isChecked());
    // The reset ran with no series selected: the new series is as the load made it.
    EXPECT_TRUE(Series(0)->Active());
    EXPECT_FALSE(Series(0)->Smoothed());
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 1}, {2, 2}}));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("自動倍率\u3000X軸= 0.001\u3000単位 [ K ]   Y軸= 1,000\u3000単位 [ m ]"));

    // Without AutoSize the status bar keeps its text and the data is shown as it is.
    Form->AutoSize->click();
    Paste("1,5\n2,6\n");
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 5}, {2, 6}}));
    EXPECT_TRUE(Form->StatusText().contains(QStringLiteral("[ K ]")));
}

TEST_F(Form1Data, AFailedRebuildShowsTheImportErrorBoxAndKeepsWhatWasAdded)
{
    Paste("1,2,3\n4,5,6,7");
    EXPECT_EQ(Dialogs->ImportErrors, 1);
    EXPECT_TRUE(Dialogs->ImportErrorCause.startsWith(QStringLiteral("2 行目の 4 列目"))) << Dialogs->ImportErrorCause.toStdString();
    EXPECT_TRUE(Reports.isEmpty());
    ASSERT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 2}, {4, 5}}));
    EXPECT_EQ(PointsOf(1), (TPoints{{1, 3}, {4, 6}}));
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("No0"), QStringLiteral("No1")}));
    EXPECT_EQ(Form->SelectedSeries(), -1);

    // Empty lines are no data: no box, and what was added stays.
    Paste("\n\n");
    EXPECT_EQ(Dialogs->ImportErrors, 1);
    EXPECT_EQ(Form->StatusText(), QStringLiteral("データがありません"));
    EXPECT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(Form->SeriesCombo->count(), 2);
}

TEST_F(Form1Data, AnEmptyClipboardChangesNothingAndSaysWhy)
{
    Paste("X,A,B\n1,2,3\n");
    Form->SeriesCombo->setCurrentIndex(1);
    QGuiApplication::clipboard()->clear();
    Form->PasteBtn->trigger();
    EXPECT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(Form->Import().DataList.Count(), 2);
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Form->SeriesCombo->currentIndex(), 1);
    EXPECT_EQ(Form->StatusText(), QStringLiteral("データがありません"));
    EXPECT_EQ(Dialogs->ImportErrors, 0);
    EXPECT_TRUE(Reports.isEmpty());
}

TEST_F(Form1Data, OpenLoadsTheChosenFileAndCancelDoesNothing)
{
    Paste("X,A\n1,2\n");
    Form->OpenBtn->trigger();
    EXPECT_EQ(Dialogs->Calls, QStringList{QStringLiteral("open")});
    EXPECT_EQ(SelectorEntries(), QStringList{QStringLiteral("A")});

    Dialogs->OpenAnswer = WriteFile(QStringLiteral("data.csv"), "t\tU\tI\n0\t1\t2\n1\t3\t4\n");
    Form->OpenBtn->trigger();
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("U"), QStringLiteral("I")}));
    EXPECT_EQ(PointsOf(1), (TPoints{{0, 2}, {1, 4}}));
    EXPECT_EQ(Chart().BottomAxis()->Title()->Caption(), QStringLiteral("t"));
    EXPECT_EQ(Form->SelectedSeries(), 0);
}

// A file that cannot be read is never read: the chart, the data and the
// selector stay, and the report names the file.
TEST_F(Form1Data, AnUnreadableFileIsReportedAndChangesNothing)
{
    Paste("X,A,B\n1,2,3\n");
    Form->SeriesCombo->setCurrentIndex(1);
    const QString Missing = Dir.filePath(QStringLiteral("missing.csv"));
    Dialogs->OpenAnswer = Missing;
    Form->OpenBtn->trigger();
    ASSERT_EQ(Reports.size(), 1);
    EXPECT_TRUE(Reports[0].contains(Missing)) << Reports[0].toStdString();
    EXPECT_EQ(Dialogs->ImportErrors, 0);

    EXPECT_TRUE(DropFile(Missing));
    ASSERT_EQ(Reports.size(), 2);
    EXPECT_TRUE(Reports[1].contains(Missing));
    // A folder is no data file either.
    EXPECT_TRUE(DropFile(Dir.path()));
    EXPECT_EQ(Reports.size(), 3);

    EXPECT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(PointsOf(1), (TPoints{{1, 3}}));
    EXPECT_EQ(Form->Import().DataList.Count(), 2);
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Form->SeriesCombo->currentIndex(), 1);
}

// The selector never names a series that is gone.
TEST_F(Form1Data, AnEmptyFileKeepsTheChartAndSaysSo)
{
    Paste("X,A,B\n1,2,3\n");
    Form->SeriesCombo->setCurrentIndex(1);
    Dialogs->OpenAnswer = WriteFile(QStringLiteral("empty.csv"), "");
    Form->OpenBtn->trigger();
    EXPECT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Form->SelectedSeries(), 1);
    EXPECT_EQ(Form->StatusText(), QStringLiteral("データがありません"));
    EXPECT_EQ(Dialogs->ImportErrors, 0);
    EXPECT_TRUE(Reports.isEmpty());
}

TEST_F(Form1Data, ADroppedFileLoadsEvenOnAPathLongerThan255)
{
    QString Folder = Dir.path();
    for (char Letter : {'a', 'b', 'c'}) {
        Folder += u'/' + QString(100, QChar::fromLatin1(Letter));
        ASSERT_TRUE(QDir().mkpath(Folder));
    }
    const QString Path = Folder + QStringLiteral("/data.csv");
    ASSERT_GT(Path.size(), 255);
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write("X,Long\n1,2\n");
    File.close();

    EXPECT_TRUE(DropFile(Path));
    EXPECT_TRUE(Reports.isEmpty());
    EXPECT_EQ(SelectorEntries(), QStringList{QStringLiteral("Long")});
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 2}}));
}

TEST_F(Form1Data, DropsTakeTheFirstLocalFileOrPasteText)
{
    const QString First = WriteFile(QStringLiteral("first.csv"), "X,First\n1,2\n");
    const QString Second = WriteFile(QStringLiteral("second.csv"), "X,Second\n1,2\n");
    QMimeData Files;
    Files.setUrls({QUrl(QStringLiteral("https://example.invalid/data.csv")), QUrl::fromLocalFile(First),
                   QUrl::fromLocalFile(Second)});
    EXPECT_TRUE(Drop(Files));
    EXPECT_EQ(SelectorEntries(), QStringList{QStringLiteral("First")});

    // Only remote links: not taken.
    QMimeData Remote;
    Remote.setUrls({QUrl(QStringLiteral("https://example.invalid/data.csv"))});
    EXPECT_FALSE(Drop(Remote));
    EXPECT_EQ(SelectorEntries(), QStringList{QStringLiteral("First")});

    // Cells dragged from a spreadsheet: the text is pasted.
    QMimeData Text;
    Text.setText(QStringLiteral("X\tCells\n1\t2\n3\t4\n"));
    EXPECT_TRUE(Drop(Text));
    EXPECT_EQ(SelectorEntries(), QStringList{QStringLiteral("Cells")});
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 2}, {3, 4}}));
    EXPECT_TRUE(Reports.isEmpty());
}

// Text whose raw bytes are not UTF-8 (Shift-JIS from an older program) is
// decoded from those bytes, not taken with Qt's replacement characters.
TEST_F(Form1Data, ShiftJisTextIsPastedAndDroppedAsJapanese)
{
    const QByteArray Cp932("\x8E\x9E\x8A\xD4\t\x93\x64\x88\xB3\r\n1\t2\r\n");
    auto* Clip = new QMimeData;
    Clip->setData(QStringLiteral("text/plain"), Cp932);
    QGuiApplication::clipboard()->setMimeData(Clip);
    Form->PasteBtn->trigger();
    EXPECT_EQ(SelectorEntries(), QStringList{QString::fromUtf8("電圧")});

    QMimeData Dropped;
    Dropped.setData(QStringLiteral("text/plain"), QByteArray(Cp932).replace("\x88\xB3", "\x97\xAC"));
    EXPECT_TRUE(Drop(Dropped));
    EXPECT_EQ(SelectorEntries(), QStringList{QString::fromUtf8("電流")});
    EXPECT_EQ(Chart().BottomAxis()->Title()->Caption(), QString::fromUtf8("時間"));
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 2}}));
}

// The toolbar's keys are the window's; a text box with the focus keeps its
// own copy and paste.
TEST_F(Form1Data, PasteKeysInATextBoxPasteIntoTheBox)
{
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QGuiApplication::clipboard()->setText(QStringLiteral("t [s]"));
    Form->XAxisEdit->setFocus();
    QTest::keyClick(Form->XAxisEdit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Form->XAxisEdit->text(), QStringLiteral("t [s]"));
    EXPECT_TRUE(Form->StatusText().isEmpty());
    EXPECT_EQ(Chart().SeriesCount(), 0);

    // Elsewhere the same keys paste data.
    QGuiApplication::clipboard()->setText(QStringLiteral("X,A\n1,2"));
    Form->ChartView()->setFocus();
    QTest::keyClick(Form->ChartView(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(SelectorEntries(), QStringList{QStringLiteral("A")});
}
