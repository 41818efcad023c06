#include "app/window/ChartTab.h"

#include "app/ChartCommands.h"
#include "app/window/ButtonedEdit.h"
#include "app/window/ControlScaler.h"
#include "app/window/RadioGroup.h"

#include <QCheckBox>
#include <QPushButton>

#include <iterator>

TChartTab::TChartTab(TControlScaler& Scaler, QWidget* Parent) : QWidget(Parent)
{
    TitleEditBtn = Scaler.Place(new TButtonedEdit(this), 27, 16, 121, 21);
    TitleEditBtn->setPlaceholderText(QStringLiteral("タイトル名"));

    TitleFontBtn =
        Scaler.Place(new QPushButton(QStringLiteral("タイトル\u3000フォント"), this), 24, 43, 145, 25);

    // One item for each title alignment the chart commands know.
    static const char* const Alignments[] = {"左寄せ", "中央", "右寄せ"};
    static_assert(std::size(Alignments) == ChartCommands::TitleAlignmentItems);
    ChartTitleAlignment = Scaler.Place(
        new TRadioGroup(QStringLiteral("タイトル位置"), TRadioGroup::ItemTexts(Alignments), 1, this), 25, 74, 140, 86);
    ChartTitleAlignment->SetItemIndex(1);

    XAxisEdit = Scaler.Place(new TButtonedEdit(this), 27, 166, 121, 21);
    XAxisEdit->setPlaceholderText(QStringLiteral("X軸名"));
    YAxisEdit = Scaler.Place(new TButtonedEdit(this), 27, 200, 121, 21);
    YAxisEdit->setPlaceholderText(QStringLiteral("Y軸名"));

    AxisFont = Scaler.Place(new QPushButton(QStringLiteral("各軸\u3000フォント\u3000"), this), 24, 227, 123, 25);
    ChartColor = Scaler.Place(new QPushButton(QStringLiteral("外部色"), this), 24, 258, 67, 25);
    WallColor = Scaler.Place(new QPushButton(QStringLiteral("内部色"), this), 97, 258, 56, 25);
    WallPictureBtn = Scaler.Place(new QPushButton(QStringLiteral("画像選択"), this), 24, 289, 129, 25);
    WallPictureBtn->setToolTip(QStringLiteral("バックに画像を貼り付ける"));

    ChartShadow = Scaler.Place(new QCheckBox(QStringLiteral("影を付ける"), this), 32, 328, 81, 17);
    BorderCheck = Scaler.Place(new QCheckBox(QStringLiteral("ボーダーを付ける"), this), 32, 351, 105, 17);
}
