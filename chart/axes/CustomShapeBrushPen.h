#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"

class TChartContext;

// A chart element with a fill, a frame pen and a visible flag; every change
// repaints the chart it belongs to.
class TCustomShapeBrushPen {
public:
    explicit TCustomShapeBrushPen(TChartContext* AChart);
    TCustomShapeBrushPen(const TCustomShapeBrushPen&) = delete;
    TCustomShapeBrushPen& operator=(const TCustomShapeBrushPen&) = delete;
    virtual ~TCustomShapeBrushPen();

    TChartContext* ParentChart() const { return FParentChart; }
    TChartBrush* Brush() { return &FBrush; }
    const TChartBrush* Brush() const { return &FBrush; }
    TChartPen* Pen() { return &FPen; }
    const TChartPen* Pen() const { return &FPen; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    // Asks the chart for a repaint.
    void Repaint();

protected:
    TChartContext* FParentChart;
    TChartBrush FBrush;
    TChartPen FPen;
    bool FVisible = true;
};
