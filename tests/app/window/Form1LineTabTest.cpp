#include "app/ChartCommands.h"
#include "chart/canvas/ChartPen.h"
#include "chart/panel/ChartTitle.h"
#include "chart/series/SeriesPointer.h"
#include "tests/app/SeriesState.h"
#include "tests/app/window/FormFixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <ostream>

namespace {

class Form1LineTab : public TFormFixture {
protected:
    void SetUp() override
    {
        TFormFixture::SetUp();
        Load();
    }

    // A new window with three series A, B and C.
    void Load()
    {
        Open();
        Paste("X,A,B,C\n1,2,3,4\n2,3,4,5\n");
        ASSERT_EQ(Chart().SeriesCount(), 3);
        Dialogs->ColorAnswer = RGBColor(1, 2, 3);
    }

    std::vector<TSeriesState> States() { return SeriesStates(Chart()); }

    // The user picks entry Index of the selector.
    void Pick(int Index)
    {
        Form->SeriesCombo->setCurrentIndex(Index);
        emit Form->SeriesCombo->activated(Index);
    }

    void Type(TIntegerBox* Box, const QString& Text)
    {
        QTest::keyClick(Box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Box, Text);
    }
};

} // namespace

TEST_F(Form1LineTab, PickingASeriesShowsItAndChangesNoSeries)
{
    // Right after a load: the series as the import made it.
    Pick(0);
    EXPECT_EQ(Form->SeriesName->text(), QStringLiteral("A"));
    EXPECT_EQ(Form->SeriesSize->Value(), Series(0)->LinePen()->Width());
    EXPECT_EQ(Form->MarkerSize->Value(), 2);
    EXPECT_TRUE(Form->MarkerVisibleCheck->isChecked());
    EXPECT_FALSE(Form->SmothedLine->isChecked());
    EXPECT_EQ(Form->SeriesStyle->ItemIndex(), 0);
    EXPECT_EQ(Form->MarkerStyle->ItemIndex(), 1);

    TChart& C = Chart();
    ChartCommands::SetSeriesWidth(C, 1, 5);
    ChartCommands::SetSeriesStyle(C, 1, 2);
    ChartCommands::SetSeriesSmoothed(C, 1, true);
    ChartCommands::SetMarkerVisible(C, 1, false);
    ChartCommands::SetMarkerSize(C, 1, 7);
    ChartCommands::SetMarkerStyle(C, 1, 2);
    ChartCommands::SetSeriesVisible(C, 1, false);
    const std::vector<TSeriesState> Before = States();

    Pick(1);
    EXPECT_EQ(Form->SeriesName->text(), QStringLiteral("B"));
    EXPECT_EQ(Form->SeriesSize->text(), QStringLiteral("5"));
    EXPECT_EQ(Form->MarkerSize->text(), QStringLiteral("7"));
    EXPECT_TRUE(Form->SmothedLine->isChecked());
    EXPECT_FALSE(Form->MarkerVisibleCheck->isChecked());
    EXPECT_EQ(Form->SeriesStyle->ItemIndex(), 2);
    EXPECT_EQ(Form->MarkerStyle->ItemIndex(), 2);
    // The line-visible box is not taken from the series.
    EXPECT_TRUE(Form->LineVisibleCheck->isChecked());
    // Showing writes back only what the series already had.
    EXPECT_EQ(States(), Before);
    EXPECT_TRUE(Reports.isEmpty());
}

// Each control of the line tab acts on the selected series only; with no
// series selected none of them changes anything.
TEST_F(Form1LineTab, EachControlActsOnTheSelectedSeriesOnly)
{
    struct TCase {
        const char* Name;
        std::function<void(TForm1&)> Use;
        std::function<void(TSeriesState&)> Effect;
    };
    const TCase Cases[] = {
        {"name",
         [](TForm1& F) {
             F.SeriesName->setText(QStringLiteral("Volts"));
             F.SeriesName->Button()->trigger();
         },
         [](TSeriesState& S) { S.Title = QStringLiteral("Volts"); }},
        {"colour", [](TForm1& F) { F.SeriesColorBtn->click(); },
         [](TSeriesState& S) { S.Color = RGBColor(1, 2, 3); }},
        {"width", [](TForm1& F) { F.SeriesSize->SetValue(7); }, [](TSeriesState& S) { S.Width = 7; }},
        {"style", [](TForm1& F) { F.SeriesStyle->Item(3)->click(); },
         [](TSeriesState& S) { S.Style = psDashDot; }},
        {"line hidden", [](TForm1& F) { F.LineVisibleCheck->click(); }, [](TSeriesState& S) { S.Active = false; }},
        {"smoothed", [](TForm1& F) { F.SmothedLine->click(); }, [](TSeriesState& S) { S.Smoothed = true; }},
        {"marker hidden", [](TForm1& F) { F.MarkerVisibleCheck->click(); },
         [](TSeriesState& S) { S.Marker = false; }},
        {"marker size", [](TForm1& F) { F.MarkerSize->SetValue(9); }, [](TSeriesState& S) { S.MarkerSize = 9; }},
        {"marker style", [](TForm1& F) { F.MarkerStyle->Item(3)->click(); },
         [](TSeriesState& S) { S.MarkerStyle = psDiamond; }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Load();
        std::vector<TSeriesState> Expected = States();

        Form->SeriesCombo->setCurrentIndex(-1);
        Case.Use(*Form);
        EXPECT_EQ(States(), Expected);
        // With nothing selected the colour dialog does not even open.
        EXPECT_TRUE(Dialogs->Calls.isEmpty());

        Load();
        Pick(1);
        Case.Effect(Expected[1]);
        Case.Use(*Form);
        EXPECT_EQ(States(), Expected);
        EXPECT_TRUE(Reports.isEmpty());
    }
}

TEST_F(Form1LineTab, TheNameButtonRenamesTheSelectedSeriesAndKeepsItSelected)
{
    Pick(1);
    Form->TitleEditBtn->setText(QStringLiteral("Chart title"));
    Form->SeriesName->setText(QStringLiteral("Volts"));
    Form->SeriesName->Button()->trigger();
    EXPECT_EQ(Series(1)->Title(), QStringLiteral("Volts"));
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("A"), QStringLiteral("Volts"), QStringLiteral("C")}));
    EXPECT_EQ(Form->SeriesCombo->currentIndex(), 1);
    // The chart title is the title box's business only.
    EXPECT_EQ(Chart().Title()->Text(), QStringList{QStringLiteral("タイトル")});

    // A click into the box renames nothing; the next apply renames again.
    Form->SeriesName->setText(QStringLiteral("Amps"));
    QTest::mouseClick(Form->SeriesName, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Series(1)->Title(), QStringLiteral("Volts"));
    QTest::keyClick(Form->SeriesName, Qt::Key_Return);
    EXPECT_EQ(Series(1)->Title(), QStringLiteral("Amps"));
    EXPECT_EQ(Form->SeriesCombo->itemText(1), QStringLiteral("Amps"));
    EXPECT_EQ(Form->SelectedSeries(), 1);
}

TEST_F(Form1LineTab, TypedSizesApplyAsTypedAndComeIntoRangeOnLeaving)
{
    Pick(0);
    Type(Form->MarkerSize, QStringLiteral("150"));
    // The chart takes at most 100; the box shows what was typed until left.
    EXPECT_EQ(Series(0)->Pointer()->Size(), 100);
    EXPECT_EQ(Form->MarkerSize->text(), QStringLiteral("150"));
    QFocusEvent Out(QEvent::FocusOut);
    QCoreApplication::sendEvent(Form->MarkerSize, &Out);
    EXPECT_EQ(Form->MarkerSize->text(), QStringLiteral("100"));
    EXPECT_EQ(Series(0)->Pointer()->Size(), 100);

    Type(Form->MarkerSize, QStringLiteral("ab"));
    EXPECT_EQ(Series(0)->Pointer()->Size(), 1);

    Type(Form->SeriesSize, QStringLiteral("150"));
    EXPECT_EQ(Series(0)->LinePen()->Width(), 100);
    Type(Form->SeriesSize, QStringLiteral("3"));
    EXPECT_EQ(Series(0)->LinePen()->Width(), 3);
    Form->SeriesSize->stepBy(1);
    EXPECT_EQ(Series(0)->LinePen()->Width(), 4);
    EXPECT_EQ(Series(1)->LinePen()->Width(), Series(2)->LinePen()->Width());
    EXPECT_TRUE(Reports.isEmpty());
}
