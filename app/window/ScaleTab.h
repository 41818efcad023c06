#pragma once

#include <QWidget>

class QCheckBox;
class TButtonedEdit;
class TControlScaler;

// The side panel's tab "スケール": automatic or manual axis ranges, the
// manual ranges and steps, the magnifications, and the prefix in the axis
// names. The window wires the controls.
class TScaleTab : public QWidget {
public:
    explicit TScaleTab(TControlScaler& Scaler, QWidget* Parent = nullptr);

    QCheckBox* AutoSize;
    TButtonedEdit* XMaxValue;
    TButtonedEdit* XMinValue;
    TButtonedEdit* XIncValue;
    TButtonedEdit* XmagValue;
    TButtonedEdit* YMaxValue;
    TButtonedEdit* YMinValue;
    TButtonedEdit* YIncValue;
    TButtonedEdit* YmagValue;
    QCheckBox* PrefixInTitlesCheck;
};
