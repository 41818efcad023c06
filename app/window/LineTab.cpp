#include "app/window/LineTab.h"

#include "app/ChartCommands.h"
#include "app/window/ButtonedEdit.h"
#include "app/window/ControlScaler.h"
#include "app/window/IntegerBox.h"
#include "app/window/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <iterator>

TLineTab::TLineTab(TControlScaler& Scaler, QWidget* Parent) : QWidget(Parent)
{
    SeriesCombo = Scaler.Place(new QComboBox(this), 16, 16, 145, 21);
    SeriesCombo->setPlaceholderText(QStringLiteral("ライン選択"));
    SeriesCombo->setCurrentIndex(-1);

    SeriesName = Scaler.Place(new TButtonedEdit(this), 35, 43, 121, 21);
    SeriesName->setPlaceholderText(QStringLiteral("ライン名"));

    SeriesColorBtn = Scaler.Place(new QPushButton(QStringLiteral("ライン色"), this), 32, 70, 75, 25);
    SeriesSize = Scaler.Place(new TIntegerBox(1, 100, 1, this), 113, 72, 49, 22);
    SeriesSize->setToolTip(QStringLiteral("ライン幅"));

    // One item for each line style the chart commands know.
    static const char* const Styles[] = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
    static_assert(std::size(Styles) == ChartCommands::SeriesStyleItems);
    SeriesStyle = Scaler.Place(
        new TRadioGroup(QStringLiteral("ラインスタイル"), TRadioGroup::ItemTexts(Styles), 2, this), 16, 115, 164, 81);
    SeriesStyle->SetItemIndex(0);

    LineVisibleCheck = Scaler.Place(new QCheckBox(QStringLiteral("ラインを表示する"), this), 16, 210, 113, 17);
    LineVisibleCheck->setChecked(true);
    SmothedLine = Scaler.Place(new QCheckBox(QStringLiteral("滑らかなライン表示"), this), 16, 245, 121, 17);
    MarkerVisibleCheck = Scaler.Place(new QCheckBox(QStringLiteral("マーカー表示"), this), 17, 281, 81, 17);
    MarkerVisibleCheck->setChecked(true);
    MarkerSize = Scaler.Place(new TIntegerBox(1, 100, 4, this), 104, 279, 49, 22);
    MarkerSize->setToolTip(QStringLiteral("マーカ大きさ"));

    // One item for each marker style the chart commands know.
    static const char* const Markers[] = {"Rectangle", "Circle", "Triangle", "Diamond"};
    static_assert(std::size(Markers) == ChartCommands::MarkerStyleItems);
    MarkerStyle = Scaler.Place(
        new TRadioGroup(QStringLiteral("マーカースタイル"), TRadioGroup::ItemTexts(Markers), 2, this), 16, 323, 153, 62);
}
