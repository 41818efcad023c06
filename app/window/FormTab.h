#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class TControlScaler;

// The side panel's tab "フォーム・使用例": the visual style and UI scale
// selectors and the version on a panel across the top, the help text below.
// The window wires the selectors.
class TFormTab : public QWidget {
public:
    explicit TFormTab(TControlScaler& Scaler, QWidget* Parent = nullptr);

    QWidget* Panel1;
    QComboBox* StyleSelecter;
    QLabel* Label2;
    QComboBox* ScaleComboBox;
    QLabel* Label1;
    QPlainTextEdit* Memo2;
};
