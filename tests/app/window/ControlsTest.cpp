#include "app/window/ButtonedEdit.h"
#include "app/window/IntegerBox.h"
#include "app/window/PageControl.h"
#include "app/window/RadioGroup.h"
#include "app/window/StyleManager.h"
#include "chart/panel/ChartTitle.h"
#include "tests/app/window/FormFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>

namespace {

// What a control shows as its text: a box's placeholder, a group's caption
// and items, a drop-down's placeholder or items.
QString Shown(const QWidget* Control)
{
    if (auto* Group = dynamic_cast<const TRadioGroup*>(Control)) {
        QStringList Items{Group->title()};
        for (int i = 0; i < Group->Count(); ++i)
            Items.append(Group->Item(i)->text());
        return Items.join(u'|');
    }
    if (auto* Edit = dynamic_cast<const QLineEdit*>(Control))
        return Edit->placeholderText();
    if (auto* Button = dynamic_cast<const QAbstractButton*>(Control))
        return Button->text();
    if (auto* Label = dynamic_cast<const QLabel*>(Control))
        return Label->text();
    if (auto* Box = dynamic_cast<const QComboBox*>(Control)) {
        if (!Box->isEditable())
            return Box->placeholderText();
        QStringList Items;
        for (int i = 0; i < Box->count(); ++i)
            Items.append(Box->itemText(i));
        return Items.join(u'|');
    }
    if (auto* Box = dynamic_cast<const TIntegerBox*>(Control))
        return Box->text();
    return QString();
}

class Form1Controls : public TFormFixture {};

} // namespace

TEST_F(Form1Controls, EveryControlStartsAtItsPlaceWithItsText)
{
    TForm1& F = *Form;
    const QString S = QStringLiteral("\u3000");
    struct TRow {
        const char* Name;
        QWidget* Control;
        QRect Rect;
        QString Text;
    };
    const TRow Rows[] = {
        {"TitleEditBtn", F.TitleEditBtn, {27, 16, 121, 21}, QStringLiteral("タイトル名")},
        {"TitleFontBtn", F.TitleFontBtn, {24, 43, 145, 25}, QStringLiteral("タイトル") + S + QStringLiteral("フォント")},
        // The classic form's misprint 左寄席 reads 左寄せ here.
        {"ChartTitleAlignment", F.ChartTitleAlignment, {25, 74, 140, 86}, QStringLiteral("タイトル位置|左寄せ|中央|右寄せ")},
        {"XAxisEdit", F.XAxisEdit, {27, 166, 121, 21}, QStringLiteral("X軸名")},
        {"YAxisEdit", F.YAxisEdit, {27, 200, 121, 21}, QStringLiteral("Y軸名")},
        {"AxisFont", F.AxisFont, {24, 227, 123, 25}, QStringLiteral("各軸") + S + QStringLiteral("フォント") + S},
        {"ChartColor", F.ChartColor, {24, 258, 67, 25}, QStringLiteral("外部色")},
        {"WallColor", F.WallColor, {97, 258, 56, 25}, QStringLiteral("内部色")},
        {"WallPictureBtn", F.WallPictureBtn, {24, 289, 129, 25}, QStringLiteral("画像選択")},
        {"ChartShadow", F.ChartShadow, {32, 328, 81, 17}, QStringLiteral("影を付ける")},
        {"BorderCheck", F.BorderCheck, {32, 351, 105, 17}, QStringLiteral("ボーダーを付ける")},

        {"SeriesCombo", F.SeriesCombo, {16, 16, 145, 21}, QStringLiteral("ライン選択")},
        {"SeriesName", F.SeriesName, {35, 43, 121, 21}, QStringLiteral("ライン名")},
        {"SeriesColorBtn", F.SeriesColorBtn, {32, 70, 75, 25}, QStringLiteral("ライン色")},
        {"SeriesSize", F.SeriesSize, {113, 72, 49, 22}, QStringLiteral("1")},
        {"SeriesStyle", F.SeriesStyle, {16, 115, 164, 81},
         QStringLiteral("ラインスタイル|Solid|Dash|Dot|DashDot|DashDotDot")},
        {"LineVisibleCheck", F.LineVisibleCheck, {16, 210, 113, 17}, QStringLiteral("ラインを表示する")},
        {"SmothedLine", F.SmothedLine, {16, 245, 121, 17}, QStringLiteral("滑らかなライン表示")},
        {"MarkerVisibleCheck", F.MarkerVisibleCheck, {17, 281, 81, 17}, QStringLiteral("マーカー表示")},
        {"MarkerSize", F.MarkerSize, {104, 279, 49, 22}, QStringLiteral("4")},
        {"MarkerStyle", F.MarkerStyle, {16, 323, 153, 62},
         QStringLiteral("マーカースタイル|Rectangle|Circle|Triangle|Diamond")},

        // "ToP" of the classic form reads "Top".
        {"LegendPosition", F.LegendPosition, {40, 26, 105, 92}, QStringLiteral("位置|Left|Right|Top|Bottom")},

        {"AutoSize", F.AutoSize, {32, 19, 97, 17}, QStringLiteral("AutoSize")},
        {"XMaxValue", F.XMaxValue, {27, 56, 121, 21}, QStringLiteral("X軸") + S + QStringLiteral("最大値")},
        {"XMinValue", F.XMinValue, {27, 96, 121, 21}, QStringLiteral("X軸") + S + QStringLiteral("最小値")},
        {"XIncValue", F.XIncValue, {27, 136, 121, 21}, QStringLiteral("X軸") + S + QStringLiteral("刻み幅")},
        {"XmagValue", F.XmagValue, {27, 176, 121, 21}, QStringLiteral("X軸倍率")},
        {"YMaxValue", F.YMaxValue, {27, 230, 121, 21}, QStringLiteral("Y軸") + S + QStringLiteral("最大値")},
        {"YMinValue", F.YMinValue, {27, 272, 121, 21}, QStringLiteral("Y軸") + S + QStringLiteral("最小値")},
        {"YIncValue", F.YIncValue, {27, 312, 121, 21}, QStringLiteral("Y軸") + S + QStringLiteral("刻み幅")},
        {"YmagValue", F.YmagValue, {27, 352, 121, 21}, QStringLiteral("Y軸倍率")},

        {"Label2", F.Label2, {16, 48, 97, 13}, QStringLiteral("拡大縮小")},
        {"ScaleComboBox", F.ScaleComboBox, {16, 67, 113, 21}, QStringLiteral("100%|125%|150%|175%|200%")},
        {"Label1", F.Label1, {56, 94, 97, 13}, QStringLiteral("Ver 2.0")},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        ASSERT_NE(Row.Control, nullptr);
        EXPECT_EQ(F.DesignedGeometry(Row.Control), Row.Rect);
        // A check box may run longer to the right so its caption is never cut.
        const QRect Actual = Row.Control->geometry();
        if (qobject_cast<QCheckBox*>(Row.Control)) {
            EXPECT_EQ(Actual.topLeft(), Row.Rect.topLeft());
            EXPECT_EQ(Actual.height(), Row.Rect.height());
            EXPECT_GE(Actual.width(), Row.Rect.width());
        } else {
            EXPECT_EQ(Actual, Row.Rect);
        }
        EXPECT_EQ(Shown(Row.Control), Row.Text);
    }
    EXPECT_EQ(F.DesignedGeometry(F.StyleSelecter), QRect(16, 16, 113, 21));
    EXPECT_EQ(F.ScalePercent(), 100);
}

TEST_F(Form1Controls, WindowToolbarTabsAndHelpText)
{
    TForm1& F = *Form;
    EXPECT_EQ(F.windowTitle(), QStringLiteral("Plotvane"));
    EXPECT_EQ(F.size(), QSize(983, 656));
    EXPECT_EQ(F.pos(), QPoint(0, 0));
    EXPECT_EQ(F.font().pixelSize(), 11);
    EXPECT_EQ(F.ToolBar1->height(), 47);
    EXPECT_EQ(F.StatusBar1->height(), 19);
    EXPECT_TRUE(F.StatusText().isEmpty());
    EXPECT_TRUE(F.acceptDrops());

    const std::pair<QAction*, const char*> Buttons[] = {
        {F.OpenBtn, "データを開く"},           {F.PasteBtn, "データー貼り付け"},
        {F.CopyEMFBtn, "グラフをEMFでコピー"}, {F.SaveEMFBtn, "グラフをEMFで保存"},
        {F.CopyBmpBtn, "グラフをBMPでコピー"}, {F.SaveBmpBtn, "グラフをBMPで保存"},
    };
    for (const auto& [Action, Hint] : Buttons) {
        SCOPED_TRACE(Hint);
        EXPECT_TRUE(Action->toolTip().startsWith(QString::fromUtf8(Hint)));
        QWidget* Button = F.ToolBar1->widgetForAction(Action);
        ASSERT_NE(Button, nullptr);
        EXPECT_EQ(Button->size(), QSize(34, 35));
    }
    EXPECT_EQ(F.WallPictureBtn->toolTip(), QStringLiteral("バックに画像を貼り付ける"));
    EXPECT_EQ(F.SeriesSize->toolTip(), QStringLiteral("ライン幅"));
    EXPECT_EQ(F.MarkerSize->toolTip(), QStringLiteral("マーカ大きさ"));

    const QStringList Tabs{QStringLiteral("チャート"), QStringLiteral("ライン"), QStringLiteral("凡例"),
                           QStringLiteral("スケール"), QStringLiteral("フォーム・使用例")};
    ASSERT_EQ(F.PageControl1->count(), Tabs.size());
    for (int i = 0; i < Tabs.size(); ++i)
        EXPECT_EQ(F.PageControl1->tabText(i), Tabs[i]);
    EXPECT_EQ(F.PageControl1->currentIndex(), 0);

    const QStringList Help = F.Memo2->toPlainText().split(u'\n');
    ASSERT_EQ(Help.size(), 27);
    EXPECT_EQ(Help[0], QStringLiteral("1. データフォーマット"));
    EXPECT_EQ(Help[5], QStringLiteral("    X,Y1,Y2,Y3 "));
    EXPECT_TRUE(Help[9].isEmpty());
    EXPECT_EQ(Help[12], QStringLiteral("\u3000例ではX軸名がX、凡例が"));
    EXPECT_EQ(Help[26], QStringLiteral("設定できます。"));
    EXPECT_FALSE(F.Memo2->isReadOnly());

    EXPECT_EQ(F.Chart1()->Title()->Text(), QStringList{QStringLiteral("タイトル")});
}

TEST_F(Form1Controls, InitialStates)
{
    TForm1& F = *Form;
    EXPECT_TRUE(F.TitleEditBtn->text().isEmpty());
    EXPECT_EQ(F.ChartTitleAlignment->ItemIndex(), 1);
    EXPECT_FALSE(F.ChartShadow->isChecked());
    EXPECT_FALSE(F.BorderCheck->isChecked());

    EXPECT_EQ(F.SeriesCombo->count(), 0);
    EXPECT_FALSE(F.SeriesCombo->isEditable());
    EXPECT_EQ(F.SelectedSeries(), -1);
    for (TIntegerBox* Box : {F.SeriesSize, F.MarkerSize}) {
        EXPECT_EQ(Box->Minimum(), 1);
        EXPECT_EQ(Box->Maximum(), 100);
    }
    EXPECT_EQ(F.SeriesSize->Value(), 1);
    EXPECT_EQ(F.MarkerSize->Value(), 4);
    EXPECT_EQ(F.SeriesStyle->ItemIndex(), 0);
    EXPECT_TRUE(F.LineVisibleCheck->isChecked());
    EXPECT_FALSE(F.SmothedLine->isChecked());
    EXPECT_TRUE(F.MarkerVisibleCheck->isChecked());
    EXPECT_EQ(F.MarkerStyle->ItemIndex(), -1);
    for (int i = 0; i < F.MarkerStyle->Count(); ++i)
        EXPECT_FALSE(F.MarkerStyle->Item(i)->isChecked());

    EXPECT_EQ(F.LegendPosition->ItemIndex(), 1);

    EXPECT_TRUE(F.AutoSize->isChecked());
    for (TButtonedEdit* Box : {F.XMaxValue, F.XMinValue, F.XIncValue, F.XmagValue, F.YMaxValue, F.YMinValue,
                               F.YIncValue, F.YmagValue}) {
        EXPECT_FALSE(Box->isEnabled()) << Box->placeholderText().toStdString();
        EXPECT_TRUE(Box->text().isEmpty());
    }

    EXPECT_EQ(F.ScaleComboBox->currentIndex(), 0);
    EXPECT_TRUE(F.ScaleComboBox->isEditable());
    EXPECT_TRUE(F.StyleSelecter->isEditable());
}

// The selector lists the style service's names in alphabetical order, case
// ignored, with the active style selected.
TEST_F(Form1Controls, StyleSelecterListsTheStylesSorted)
{
    QStringList Expected = TStyleManager::StyleNames();
    std::sort(Expected.begin(), Expected.end(),
              [](const QString& A, const QString& B) { return A.compare(B, Qt::CaseInsensitive) < 0; });
    QStringList Entries;
    for (int i = 0; i < Form->StyleSelecter->count(); ++i)
        Entries.append(Form->StyleSelecter->itemText(i));
    EXPECT_EQ(Entries, Expected);
    EXPECT_EQ(Form->StyleSelecter->currentText().compare(TStyleManager::ActiveStyleName(), Qt::CaseInsensitive), 0);
}

// Picking a style in the selector restyles the window; going back to the
// system style gives every control the window's font again.
TEST_F(Form1Controls, StyleSelecterSwitchesTheStyleAndBackKeepsTheFonts)
{
    const int Sky = Form->StyleSelecter->findText(QStringLiteral("Sky"));
    ASSERT_GE(Sky, 0);
    Form->StyleSelecter->setCurrentIndex(Sky);
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Sky"));
    Form->StyleSelecter->setEditText(QStringLiteral("Sk"));
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Sky"));
    // A UI scale reaches the controls under the style sheet too.
    Form->ApplyScale(150);
    QApplication::processEvents();
    EXPECT_EQ(Form->Memo2->font().pixelSize(), 17);
    Form->ApplyScale(100);
    Form->StyleSelecter->setCurrentIndex(Form->StyleSelecter->findText(QStringLiteral("Windows")));
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Windows"));
    QApplication::processEvents();
    for (QWidget* W : {static_cast<QWidget*>(Form->Memo2), static_cast<QWidget*>(Form->AutoSize),
                       static_cast<QWidget*>(Form->StatusBar1)})
        EXPECT_EQ(W->font().pixelSize(), 11) << W->metaObject()->className();
}

TEST(RadioGroup, ClicksSelectOneItemAndNoneIsAState)
{
    TRadioGroup Group(QStringLiteral("g"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 2);
    int Clicks = 0;
    Group.OnClick = [&] { ++Clicks; };
    EXPECT_EQ(Group.ItemIndex(), -1);
    Group.Item(2)->click();
    EXPECT_EQ(Group.ItemIndex(), 2);
    EXPECT_EQ(Clicks, 1);
    // Clicking the checked item again keeps it checked and changes nothing.
    Group.Item(2)->click();
    EXPECT_TRUE(Group.Item(2)->isChecked());
    EXPECT_EQ(Clicks, 1);
    Group.Item(0)->click();
    EXPECT_TRUE(Group.Item(0)->isChecked());
    EXPECT_FALSE(Group.Item(2)->isChecked());
    EXPECT_EQ(Clicks, 2);
    Group.SetItemIndex(7);
    EXPECT_EQ(Group.ItemIndex(), -1);
    EXPECT_FALSE(Group.Item(0)->isChecked());
}
