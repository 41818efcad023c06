// The side panel's tabs are built apart from the window that wires them:
// every control a tab builds must be placed for the UI scale, and every
// radio group must offer one item per entry of the chart commands' tables.

#include "app/ChartCommands.h"
#include "app/window/PageControl.h"
#include "tests/app/window/FormFixture.h"

#include <QPlainTextEdit>
#include <QRadioButton>

#include <string>

namespace {

class Form1Tabs : public TFormFixture {
protected:
    // The user picks entry Index of the series selector.
    void Pick(int Index)
    {
        Form->SeriesCombo->setCurrentIndex(Index);
        emit Form->SeriesCombo->activated(Index);
    }
};

} // namespace

TEST_F(Form1Tabs, EveryControlOfATabScalesWithTheWindow)
{
    Form->ApplyScale(150);
    // The help tab's panel and text are laid out by the tab itself; the
    // controls on the panel are placed.
    QList<QWidget*> Placed;
    for (int Page = 0; Page < Form->PageControl1->count(); ++Page) {
        QWidget* Tab = Form->PageControl1->widget(Page);
        const QWidget* Parent = Tab == Form->Memo2->parentWidget() ? Form->Panel1 : Tab;
        Placed += Parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    EXPECT_EQ(Placed.size(), 11 + 10 + 1 + 10 + 4);
    for (QWidget* Control : Placed) {
        SCOPED_TRACE(Control->metaObject()->className());
        const QRect Designed = Form->DesignedGeometry(Control);
        ASSERT_FALSE(Designed.isEmpty());
        EXPECT_EQ(Control->pos(), Designed.topLeft() * 1.5);
        EXPECT_EQ(Control->height(), qRound(Designed.height() * 1.5));
    }
}

TEST_F(Form1Tabs, RadioGroupsHaveOneItemPerTableEntry)
{
    EXPECT_EQ(Form->ChartTitleAlignment->Count(), ChartCommands::TitleAlignmentItems);
    EXPECT_EQ(Form->LegendPosition->Count(), ChartCommands::LegendPositionItems);
    EXPECT_EQ(Form->SeriesStyle->Count(), ChartCommands::SeriesStyleItems);
    EXPECT_EQ(Form->MarkerStyle->Count(), ChartCommands::MarkerStyleItems);
}

// What a group's item sets on a series, the group shows again when the
// series is picked: the window writes and reads through one table.
TEST_F(Form1Tabs, EveryStyleItemShowsAgainWhenItsSeriesIsPicked)
{
    Paste("X,A,B\n1,2,3\n2,3,4\n");
    ASSERT_EQ(Chart().SeriesCount(), 2);
    for (TRadioGroup* Group : {Form->SeriesStyle, Form->MarkerStyle}) {
        for (int Item = 0; Item < Group->Count(); ++Item) {
            SCOPED_TRACE(Group->title().toStdString() + " " + std::to_string(Item));
            Pick(0);
            Group->Item(Item)->click();
            // B keeps the styles of the import, which the group then shows.
            Pick(1);
            EXPECT_EQ(Group->ItemIndex(), Group == Form->SeriesStyle ? 0 : 1);
            Pick(0);
            EXPECT_EQ(Group->ItemIndex(), Item);
        }
    }
}
