#pragma once

#include <QWidget>

class TControlScaler;
class TRadioGroup;

// The side panel's tab "凡例": the legend's side of the chart. The window
// wires the control.
class TLegendTab : public QWidget {
public:
    explicit TLegendTab(TControlScaler& Scaler, QWidget* Parent = nullptr);

    TRadioGroup* LegendPosition;
};
