#include "tests/app/window/FormFixture.h"

#include <QComboBox>
#include <QDir>
#include <QScreen>

namespace {

class Form1Settings : public TFormFixture {
protected:
    void WriteSettings(const char* Text) { WriteFile(QStringLiteral("plotvane.ini"), QByteArray(Text)); }

    QStringList SettingsLines()
    {
        QFile File(SettingsPath());
        EXPECT_TRUE(File.open(QIODevice::ReadOnly));
        return QString::fromUtf8(File.readAll()).remove(u'\r').split(u'\n');
    }
};

} // namespace

TEST_F(Form1Settings, AFirstRunWritesTheSixKeysAtClose)
{
    ASSERT_FALSE(QFile::exists(SettingsPath()));
    EXPECT_EQ(Form->pos(), QPoint(0, 0));
    EXPECT_EQ(Form->size(), QSize(983, 656));
    EXPECT_EQ(Form->ScaleComboBox->currentText(), QStringLiteral("100%"));
    // Nothing is written before the close.
    EXPECT_FALSE(QFile::exists(SettingsPath()));

    EXPECT_TRUE(Form->close());
    EXPECT_EQ(SettingsLines(), (QStringList{QStringLiteral("[FORM]"), QStringLiteral("POSITION.X=0"),
                                            QStringLiteral("POSITION.Y=0"), QStringLiteral("SIZE.XSize=983"),
                                            QStringLiteral("SIZE.YSize=656"), QStringLiteral("scale=0"), QString(),
                                            QStringLiteral("[Style]"), QStringLiteral("Name=Windows"), QString(),
                                            QString()}));
    EXPECT_TRUE(Reports.isEmpty());
}

// The stored entry scales the window again at start; the window keeps the
// size it was closed with.
TEST_F(Form1Settings, TheStoredScaleIsAppliedAndTheSizeKept)
{
    WriteSettings("[FORM]\nPOSITION.X=10\nPOSITION.Y=20\nSIZE.XSize=700\nSIZE.YSize=500\nscale=2\n");
    Open();
    EXPECT_EQ(Form->ScaleComboBox->currentIndex(), 2);
    EXPECT_EQ(Form->ScalePercent(), 150);
    EXPECT_EQ(Form->pos(), QPoint(10, 20));
    EXPECT_EQ(Form->size(), QSize(700, 500));
    EXPECT_EQ(Form->TitleEditBtn->geometry(), QRect(41, 24, 182, 32));
    EXPECT_EQ(Form->DesignedGeometry(Form->TitleEditBtn), QRect(27, 16, 121, 21));
    EXPECT_EQ(Form->font().pixelSize(), 17);

    // Choosing an entry rescales at once from the present scale.
    Form->ScaleComboBox->setCurrentIndex(4);
    EXPECT_EQ(Form->ScalePercent(), 200);
    EXPECT_EQ(Form->MarkerStyle->geometry(), QRect(32, 646, 306, 124));
    EXPECT_EQ(Form->font().pixelSize(), 22);
    Form->ScaleComboBox->setCurrentIndex(0);
    EXPECT_EQ(Form->MarkerStyle->geometry(), QRect(16, 323, 153, 62));
    EXPECT_EQ(Form->ScalePercent(), 100);
    EXPECT_TRUE(Reports.isEmpty());
}

TEST_F(Form1Settings, TypedScaleTextRescalesNothingAndIsSavedAsNoEntry)
{
    Form->ScaleComboBox->setEditText(QStringLiteral("130%"));
    EXPECT_EQ(Form->ScalePercent(), 100);
    EXPECT_EQ(Form->TitleEditBtn->geometry(), QRect(27, 16, 121, 21));
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(SettingsLines().contains(QStringLiteral("scale=-1")));

    Open();
    EXPECT_EQ(Form->ScaleComboBox->currentIndex(), -1);
    EXPECT_TRUE(Form->ScaleComboBox->currentText().isEmpty());
    EXPECT_EQ(Form->ScalePercent(), 100);
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(SettingsLines().contains(QStringLiteral("scale=-1")));

    // A value that is no number is the default entry.
    WriteSettings("[FORM]\nscale=abc\n");
    Open();
    EXPECT_EQ(Form->ScaleComboBox->currentIndex(), 0);
    EXPECT_TRUE(Reports.isEmpty());
}

// A window stored off every screen (a monitor since unplugged) comes back
// onto the primary screen.
TEST_F(Form1Settings, AnOffScreenPositionComesBackOntoThePrimaryScreen)
{
    WriteSettings("[FORM]\nPOSITION.X=-5000\nPOSITION.Y=40\nSIZE.XSize=400\nSIZE.YSize=300\n");
    Open();
    const QRect Screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(Screen.contains(QRect(Form->pos(), Form->size()))) << Form->pos().x() << ',' << Form->pos().y();
    EXPECT_EQ(Form->size(), QSize(400, 300));
}

TEST_F(Form1Settings, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowCloses)
{
    // The settings folder is replaced by a plain file after the start.
    const QString Folder = Dir.filePath(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(Folder));
    TForm1 Window(Folder + QStringLiteral("/plotvane.ini"));
    ASSERT_TRUE(QDir(Folder).removeRecursively());
    WriteFile(QStringLiteral("config"), "not a folder");

    Window.show();
    EXPECT_TRUE(Window.close());
    EXPECT_FALSE(Window.isVisible());
    ASSERT_EQ(Reports.size(), 1);
    EXPECT_FALSE(Reports[0].isEmpty());
}

// The prefix check box is stored under "FORM" once it has been checked, and
// read at the next start; a file that never had it keeps its six keys.
TEST_F(Form1Settings, ThePrefixInTitlesBoxIsStored)
{
    Form->PrefixInTitlesCheck->click();
    EXPECT_TRUE(Form->close());
    QStringList Lines = SettingsLines();
    const qsizetype Style = Lines.indexOf(QStringLiteral("[Style]"));
    EXPECT_GT(Lines.indexOf(QStringLiteral("PrefixInTitles=1")), Lines.indexOf(QStringLiteral("[FORM]")));
    EXPECT_LT(Lines.indexOf(QStringLiteral("PrefixInTitles=1")), Style);

    Open();
    EXPECT_TRUE(Form->PrefixInTitlesCheck->isChecked());
    Form->PrefixInTitlesCheck->click();
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(SettingsLines().contains(QStringLiteral("PrefixInTitles=0")));
    Open();
    EXPECT_FALSE(Form->PrefixInTitlesCheck->isChecked());
    EXPECT_TRUE(Reports.isEmpty());
}
