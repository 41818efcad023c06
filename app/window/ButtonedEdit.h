#pragma once

#include <QLineEdit>

#include <functional>

class QAction;

// A one-line text box with a small apply button (a check mark) at its right
// end and a grey placeholder while empty. Enter applies as the button does.
class TButtonedEdit : public QLineEdit {
public:
    explicit TButtonedEdit(QWidget* Parent = nullptr);

    // The apply button (or Enter).
    std::function<void()> OnButtonClick;
    // A mouse press into the text area.
    std::function<void()> OnClick;

    QAction* Button() const { return FButton; }
    // Runs the apply as a click on the button does.
    void ClickButton();

protected:
    void mousePressEvent(QMouseEvent* Event) override;

private:
    QAction* FButton;
};
