#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class TButtonedEdit;
class TControlScaler;
class TIntegerBox;
class TRadioGroup;

// The side panel's tab "ライン": the series selector and the selected
// series' name, colour, line width and style, visibility, smoothing and
// markers. The window wires the controls.
class TLineTab : public QWidget {
public:
    explicit TLineTab(TControlScaler& Scaler, QWidget* Parent = nullptr);

    QComboBox* SeriesCombo;
    TButtonedEdit* SeriesName;
    QPushButton* SeriesColorBtn;
    TIntegerBox* SeriesSize;
    TRadioGroup* SeriesStyle;
    QCheckBox* LineVisibleCheck;
    QCheckBox* SmothedLine;
    QCheckBox* MarkerVisibleCheck;
    TIntegerBox* MarkerSize;
    TRadioGroup* MarkerStyle;
};
