#include "app/window/RadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

TRadioGroup::TRadioGroup(const QString& Caption, const QStringList& Items, int Columns, QWidget* Parent)
    : QGroupBox(Caption, Parent), FGroup(new QButtonGroup(this)), FColumns(qMax(1, Columns))
{
    for (int i = 0; i < Items.size(); ++i) {
        auto* Button = new QRadioButton(Items[i], this);
        FGroup->addButton(Button, i);
        FButtons.push_back(Button);
    }
    // No item checked is a state of its own: the buttons must not force one.
    FGroup->setExclusive(false);
    QObject::connect(FGroup, &QButtonGroup::idClicked, this, [this](int Id) { SetItemIndex(Id); });
    PlaceItems();
}

void TRadioGroup::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= Count())
        Value = -1;
    for (int i = 0; i < Count(); ++i)
        FButtons[size_t(i)]->setChecked(i == Value);
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    if (OnClick)
        OnClick();
}

void TRadioGroup::resizeEvent(QResizeEvent* Event)
{
    QGroupBox::resizeEvent(Event);
    PlaceItems();
}

void TRadioGroup::changeEvent(QEvent* Event)
{
    QGroupBox::changeEvent(Event);
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::StyleChange)
        PlaceItems();
}

// The items share the group's inside evenly, row by row, and its width
// column by column, as a classic radio group lays them out.
void TRadioGroup::PlaceItems()
{
    if (FButtons.empty())
        return;
    QStyleOptionGroupBox Option;
    initStyleOption(&Option);
    QRect Area = style()->subControlRect(QStyle::CC_GroupBox, &Option, QStyle::SC_GroupBoxContents, this);
    Area.adjust(4, 0, -2, 0);
    const int Rows = (Count() + FColumns - 1) / FColumns;
    const int ColumnWidth = qMax(1, Area.width() / FColumns);
    const int RowHeight = qMax(1, Area.height() / Rows);
    const int ItemHeight = qMin(qMax(RowHeight, fontMetrics().height()), FButtons[0]->sizeHint().height());
    for (int i = 0; i < Count(); ++i) {
        const int Row = i % Rows;
        const int Column = i / Rows;
        FButtons[size_t(i)]->setGeometry(Area.left() + Column * ColumnWidth,
                                         Area.top() + Row * RowHeight + (RowHeight - ItemHeight) / 2, ColumnWidth,
                                         ItemHeight);
    }
}
