#pragma once

#include <QGroupBox>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons in one or more columns, with the index
// of the checked item (-1 for none). Setting the index as the user's click
// does runs OnClick when it changes it.
class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(const QString& Caption, const QStringList& Items, int Columns, QWidget* Parent = nullptr);

    // The items from UTF-8 texts.
    template <std::size_t N> static QStringList ItemTexts(const char* const (&Texts)[N])
    {
        return ItemTexts(Texts, N);
    }
    static QStringList ItemTexts(const char* const* Texts, std::size_t Count);

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    QRadioButton* Item(int Index) const { return FButtons[size_t(Index)]; }
    int Count() const { return int(FButtons.size()); }

    std::function<void()> OnClick;

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void PlaceItems();

    QButtonGroup* FGroup;
    std::vector<QRadioButton*> FButtons;
    int FColumns;
    int FItemIndex = -1;
};
