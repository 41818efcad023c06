#pragma once

#include "chart/canvas/Rect.h"

#include <QString>

#include <vector>

class TChartAxis;
class TChartContext;
class TCustomTextShape;

// The canvas side of one axis: the bands it takes from the chart rectangle,
// everything it paints (title, line, ticks, grid, minor ticks, labels) and
// the hit test of its labels. It works on the axis' settings and working
// state and keeps nothing itself, so one is made for each of these steps.
class TAxisPainter {
public:
    // Measuring and drawing need the axis' chart and its canvas.
    explicit TAxisPainter(TChartAxis* AAxis);

    // Takes the axis' bands (title, labels, ticks) off its side of Rect and
    // sets the title and labels positions; with InflateChartRectangle off
    // Rect stays and the bands are laid outward from its edge.
    void ReserveAxisSpace(TRect& Rect, bool InflateChartRectangle);
    // The axis line's position (with CalcPosAxis), the title's bounds, the
    // labels with their boxes and the ticks; nothing is drawn.
    void Layout(bool CalcPosAxis);
    // The laid-out axis: title, line, ticks, grid, minor ticks, labels.
    void Paint();
    void Draw(bool CalcPosAxis);
    void DrawAxisLabel(int X, int Y, const QString& St, TCustomTextShape* Format);
    void DrawAxisTitle(int X, int Y);
    void DrawGridLines(int Count);
    // The label under (X, Y), or -1.
    int LabelAtPoint(int X, int Y);
    bool LineOrLabelsAt(int X, int Y);

private:
    enum TAxisSide { asLeft, asTop, asRight, asBottom };
    TAxisSide Side() const;
    bool HasTitle() const;
    int TitleBandSize();
    int LabelsBandSize();
    int TickBandSize() const;
    int TitlePositionAlongAxis();
    // The bounds of the title centred at (X, Y) along and across the axis.
    TRect TitleBoundsAt(int X, int Y);
    // The box of a label at (X, Y) drawn with Format.
    TRect LabelBox(int X, int Y, const QString& St, TCustomTextShape* Format);
    // The shape a label is drawn with: the bold copy for the hovered one.
    TCustomTextShape* LabelFormat(size_t Index);
    bool LabelShown(size_t Index) const;
    void DrawAxisLine();
    void DrawTicks(const std::vector<int>& Positions, int Length, bool Bounded);
    void DrawMinorTicks();
    void DrawGridLine(int Pos);
    void DrawLabels();

    TChartAxis* FAxis;
    TChartContext* FChart;
    bool FHorizontal;
    bool FOtherSide;
};
