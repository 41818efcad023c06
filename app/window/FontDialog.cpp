#include "app/window/FontDialog.h"

#include "app/window/QtColors.h"
#include "chart/canvas/ChartFont.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

TFontDialog::TFontDialog(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("フォント"));
    // Qt's font panel, shown inside this dialog without its own buttons.
    FFontPanel = new QFontDialog(this);
    FFontPanel->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    FFontPanel->setWindowFlags(Qt::Widget);

    FColorButton = new QPushButton(this);
    auto* ColorLabel = new QLabel(QStringLiteral("色:"), this);
    ColorLabel->setBuddy(FColorButton);
    QObject::connect(FColorButton, &QPushButton::clicked, this, [this] {
        const QColor Chosen = QColorDialog::getColor(ToQColor(FColor), this);
        if (Chosen.isValid()) {
            FColor = ToTColor(Chosen);
            ShowColor();
        }
    });

    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QObject::connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* ColorRow = new QHBoxLayout;
    ColorRow->addWidget(ColorLabel);
    ColorRow->addWidget(FColorButton);
    ColorRow->addStretch(1);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(FFontPanel);
    Layout->addLayout(ColorRow);
    Layout->addWidget(Buttons);
    ShowColor();
}

void TFontDialog::SetChoice(const QFont& Font, TColor Color)
{
    FFontPanel->setCurrentFont(Font);
    FColor = Color;
    ShowColor();
}

QFont TFontDialog::SelectedFont() const
{
    return FFontPanel->currentFont();
}

void TFontDialog::ShowColor()
{
    QPixmap Swatch(32, 14);
    Swatch.fill(ToQColor(FColor));
    FColorButton->setIcon(QIcon(Swatch));
    FColorButton->setIconSize(Swatch.size());
    FColorButton->setText(ToQColor(FColor).name(QColor::HexRgb));
}

ChartCommands::TFontChoice TFontDialog::Choice() const
{
    const QFont Font = SelectedFont();
    ChartCommands::TFontChoice C;
    C.Name = Font.family();
    // A size in pixels (some fonts come that way) counts at 96 pixels per inch.
    C.Size = Font.pointSize() > 0 ? Font.pointSize() : int(std::lround(Font.pixelSize() * 72.0 / 96.0));
    C.Color = FColor;
    C.Style = (Font.bold() ? fsBold : 0) | (Font.italic() ? fsItalic : 0) | (Font.underline() ? fsUnderline : 0)
        | (Font.strikeOut() ? fsStrikeOut : 0);
    return C;
}
