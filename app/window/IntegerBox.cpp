#include "app/window/IntegerBox.h"

#include <QLineEdit>

#include <algorithm>

TIntegerBox::TIntegerBox(int Minimum, int Maximum, int Value, QWidget* Parent)
    : QAbstractSpinBox(Parent), FMinimum(Minimum), FMaximum(Maximum)
{
    setAccelerated(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setText(QString::number(Value));
    QObject::connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
}

int TIntegerBox::Value() const
{
    bool Ok = false;
    const int V = lineEdit()->text().trimmed().toInt(&Ok);
    return Ok ? V : 1;
}

void TIntegerBox::SetValue(int Value)
{
    if (lineEdit()->text() != QString::number(Value))
        lineEdit()->setText(QString::number(Value));
}

void TIntegerBox::stepBy(int Steps)
{
    const long long Next = std::clamp<long long>((long long)Value() + Steps, FMinimum, FMaximum);
    SetValue(int(Next));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled TIntegerBox::stepEnabled() const
{
    StepEnabled Enabled = StepNone;
    if (Value() < FMaximum)
        Enabled |= StepUpEnabled;
    if (Value() > FMinimum)
        Enabled |= StepDownEnabled;
    return Enabled;
}

// Anything may be typed: a text that is no number counts as 1.
QValidator::State TIntegerBox::validate(QString& /*Input*/, int& /*Pos*/) const
{
    return QValidator::Acceptable;
}

void TIntegerBox::fixup(QString& /*Input*/) const {}

void TIntegerBox::ApplyRange()
{
    // A text that is no number shows the 1 it stood for.
    SetValue(std::clamp(Value(), FMinimum, FMaximum));
}

void TIntegerBox::focusOutEvent(QFocusEvent* Event)
{
    ApplyRange();
    QAbstractSpinBox::focusOutEvent(Event);
}
