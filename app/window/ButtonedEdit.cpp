#include "app/window/ButtonedEdit.h"

#include "app/window/ToolIcons.h"

#include <QAction>
#include <QMouseEvent>

TButtonedEdit::TButtonedEdit(QWidget* Parent) : QLineEdit(Parent)
{
    FButton = addAction(TToolIcons::CheckIcon(), QLineEdit::TrailingPosition);
    QObject::connect(FButton, &QAction::triggered, this, [this] { ClickButton(); });
    QObject::connect(this, &QLineEdit::returnPressed, this, [this] { ClickButton(); });
}

void TButtonedEdit::ClickButton()
{
    if (isEnabled() && OnButtonClick)
        OnButtonClick();
}

void TButtonedEdit::mousePressEvent(QMouseEvent* Event)
{
    QLineEdit::mousePressEvent(Event);
    if (OnClick)
        OnClick();
}
