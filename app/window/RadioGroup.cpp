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

QStringList TRadioGroup::ItemTexts(const char* const* Texts, std::size_t Count)
{
    QStringList Items;
    for (std::size_t i = 0; i < Count; ++i)
        Items.append(QString::fromUtf8(Texts[i]));
    return Items;
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
    const int RowHeight = qMax(1, Area.height() / Rows);
    const int ItemHeight = qMin(qMax(RowHeight, fontMetrics().height()), FButtons[0]->sizeHint().height());
    // Columns share the width by what their longest item needs, so a long
    // caption next to short ones is not cut.
    std::vector<int> Natural(size_t(FColumns), 1);
    for (int i = 0; i < Count(); ++i)
        Natural[size_t(i / Rows)] = qMax(Natural[size_t(i / Rows)], FButtons[size_t(i)]->sizeHint().width());
    int NaturalTotal = 0;
    for (int W : Natural)
        NaturalTotal += W;
    std::vector<int> Lefts(size_t(FColumns) + 1, Area.left());
    int Sum = 0;
    for (int c = 0; c < FColumns; ++c) {
        Sum += Natural[size_t(c)];
        Lefts[size_t(c) + 1] = Area.left() + int(qint64(Area.width()) * Sum / qMax(1, NaturalTotal));
    }
    for (int i = 0; i < Count(); ++i) {
        const int Row = i % Rows;
        const int Column = i / Rows;
        FButtons[size_t(i)]->setGeometry(Lefts[size_t(Column)], Area.top() + Row * RowHeight + (RowHeight - ItemHeight) / 2,
                                         Lefts[size_t(Column) + 1] - Lefts[size_t(Column)], ItemHeight);
    }
}
