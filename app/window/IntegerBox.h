#pragma once

#include <QAbstractSpinBox>

#include <functional>

// A whole-number box with up and down arrows. Its value is its text read as
// a whole number, or 1 when the text is not one; a typed value is taken as
// it is while typing, the arrows step by 1 within the range, and leaving the
// box brings a value outside the range to the nearer bound. OnChange runs at
// every change of the text.
class TIntegerBox : public QAbstractSpinBox {
public:
    TIntegerBox(int Minimum, int Maximum, int Value, QWidget* Parent = nullptr);

    int Value() const;
    // Shows Value as it stands (the range is applied when the box is left).
    void SetValue(int Value);
    int Minimum() const { return FMinimum; }
    int Maximum() const { return FMaximum; }

    std::function<void()> OnChange;

    void stepBy(int Steps) override;
    QValidator::State validate(QString& Input, int& Pos) const override;
    void fixup(QString& Input) const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void ApplyRange();

    int FMinimum;
    int FMaximum;
};
