#pragma once

#include "app/ChartCommands.h"

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

// The font dialog of the title and axis fonts: face, size and style, and the
// text colour as a classic font dialog offers it.
class TFontDialog : public QDialog {
public:
    explicit TFontDialog(QWidget* Parent = nullptr);

    void SetChoice(const QFont& Font, TColor Color);
    QFont SelectedFont() const;
    TColor SelectedColor() const { return FColor; }
    // Name, size in points, colour and style bits.
    ChartCommands::TFontChoice Choice() const;

    QFontDialog* FontPanel() const { return FFontPanel; }

private:
    void ShowColor();

    QFontDialog* FFontPanel;
    QPushButton* FColorButton;
    TColor FColor = clBlack;
};
