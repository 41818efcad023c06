#pragma once

#include "chart/axes/CustomTextShape.h"

// The text shape the value labels of an axis are laid out and drawn with:
// transparent, centred text, the labels font. One shape serves every label,
// so the label text is swapped in without counting as a change of the chart.
class TAxisLabelsFormat : public TCustomTextShape {
public:
    explicit TAxisLabelsFormat(TChartContext* AChart);
    ~TAxisLabelsFormat() override;

    void LayoutText(const QString& Text) { FText = Text; }
};
