#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/series/SeriesPointer.h"
#include "core/Color.h"

#include <cstdint>
#include <vector>

class TChartCanvas;

// A series' drawing operations (segments and markers with the pen, brush and
// alpha each was drawn with), kept so that several surfaces can draw them,
// each clipped to its own band of rows: their pixels are those of drawing
// them once.
class TBandedDrawing {
public:
    void Clear();
    bool Empty() const { return FOps.empty(); }
    size_t Size() const { return FOps.size(); }

    void Line(TChartCanvas& C, int X0, int Y0, int X1, int Y1);
    // A segment from (X0, Y0) by (Dx, Dy) through the canvas' stamps.
    void SegmentStamp(TChartCanvas& C, int X0, int Y0, int Dx, int Dy, uint64_t Shape, int Reach);
    void Marker(TChartCanvas& C, int X, int Y, int Horiz, int Vert, TColor Color, TSeriesPointerStyle Style,
                int Times);

    // Draws the operations in order on Band, leaving out those wholly above
    // row Top or below row Bottom.
    void Replay(TChartCanvas& Band, const TSeriesPointer& Pointer, int Top, int Bottom) const;

private:
    struct TState {
        bool PenVisible;
        TColor PenColor;
        int PenWidth;
        TPenStyle PenStyle;
        TPenEndStyle PenEnd;
        TPenJoinStyle PenJoin;
        TColor BrushColor;
        TBrushStyle BrushStyle;
        TColor BrushBack;
        int Transparency;
        friend bool operator==(const TState&, const TState&) = default;
    };
    enum TKind : uint8_t { okLine, okSegmentStamp, okMarker };
    struct TOp {
        TKind Kind;
        uint8_t Style;  // markers
        uint32_t State; // index into FStates
        int A, B, C, D; // line: ends; stamp: start and offset; marker: centre and half-sizes
        int Reach;      // stamp reach; marker: times
        uint64_t Extra; // stamp shape; marker colour
        double DashPhase = 0; // lines and stamps
    };
    uint32_t StateOf(TChartCanvas& C);
    static void Apply(TChartCanvas& Band, const TState& S);

    std::vector<TState> FStates;
    std::vector<TOp> FOps;
};
