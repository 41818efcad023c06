#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class TButtonedEdit;
class TControlScaler;
class TRadioGroup;

// The side panel's tab "チャート": the chart title and its font and place,
// the axis names and their font, the colours around and inside the plot, the
// back picture, shadow and border. The window wires the controls.
class TChartTab : public QWidget {
public:
    explicit TChartTab(TControlScaler& Scaler, QWidget* Parent = nullptr);

    TButtonedEdit* TitleEditBtn;
    QPushButton* TitleFontBtn;
    TRadioGroup* ChartTitleAlignment;
    TButtonedEdit* XAxisEdit;
    TButtonedEdit* YAxisEdit;
    QPushButton* AxisFont;
    QPushButton* ChartColor;
    QPushButton* WallColor;
    QPushButton* WallPictureBtn;
    QCheckBox* ChartShadow;
    QCheckBox* BorderCheck;
};
