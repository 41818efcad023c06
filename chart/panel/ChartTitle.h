#pragma once

#include "chart/panel/StringsShape.h"

class TCustomChartPanel;

// A title above (or, as a foot, below) the plot area. Transparent and
// centred by default; it takes its height and VertMargin from the chart
// rectangle.
class TChartTitle : public TStringsShape {
public:
    // OnTop false makes a foot title.
    TChartTitle(TCustomChartPanel* AChart, bool AOnTop = true);
    ~TChartTitle() override;

    // Where the shape sits across the chart.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AdjustFrame() const { return FAdjustFrame; }
    void SetAdjustFrame(bool Value);
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int Value);
    bool CustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(bool Value);
    bool OnTop() const { return FOnTop; }

    // Places the title on the chart rectangle and takes its space; the
    // chart draws it later at ShapeBounds.
    void LayoutTitle();
    // The lines as the shape lays them out.
    QStringList ShownLines() const;

protected:
    // The lines cut to the chart's width by the last LayoutTitle, while the
    // text is still the one they were cut from.
    QString GetText() const override;

private:
    // Cuts lines wider than Room (the shape's own margins included) with "…".
    void ElideLines(int Room);

    TCustomChartPanel* FPanel;
    TAlignment FAlignment = taCenter;
    bool FAdjustFrame = true;
    int FVertMargin = 5;
    bool FCustomPosition = false;
    bool FOnTop;
    bool ICut = false;
    QString ICutFrom;
    QString ICutText;
};
