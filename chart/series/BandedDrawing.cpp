#include "chart/series/BandedDrawing.h"

#include "chart/canvas/ChartCanvas.h"

#include <algorithm>

void TBandedDrawing::Clear()
{
    FStates.clear();
    FOps.clear();
}

uint32_t TBandedDrawing::StateOf(TChartCanvas& C)
{
    const TChartPen& P = *C.Pen();
    const TChartBrush& B = *C.Brush();
    const TState S{P.Visible(), P.Color(),   P.Width(),     P.Style(),     P.EndStyle(),
                   P.JoinStyle(), B.Color(), B.Style(), B.BackColor(), C.Transparency()};
    // A series changes its pen and brush seldom: the last state mostly holds.
    if (FStates.empty() || !(FStates.back() == S))
        FStates.push_back(S);
    return uint32_t(FStates.size() - 1);
}

void TBandedDrawing::Apply(TChartCanvas& Band, const TState& S)
{
    TChartPen& P = *Band.Pen();
    P.SetVisible(S.PenVisible);
    P.SetColor(S.PenColor);
    P.SetWidth(S.PenWidth);
    P.SetStyle(S.PenStyle);
    P.SetEndStyle(S.PenEnd);
    P.SetJoinStyle(S.PenJoin);
    TChartBrush& B = *Band.Brush();
    B.SetColor(S.BrushColor);
    B.SetStyle(S.BrushStyle);
    B.SetBackColor(S.BrushBack);
    Band.SetTransparency(S.Transparency);
}

void TBandedDrawing::Line(TChartCanvas& C, int X0, int Y0, int X1, int Y1)
{
    FOps.push_back({okLine, 0, StateOf(C), X0, Y0, X1, Y1, 0, 0, C.DashPhase()});
}

void TBandedDrawing::SegmentStamp(TChartCanvas& C, int X0, int Y0, int Dx, int Dy, uint64_t Shape, int Reach)
{
    FOps.push_back({okSegmentStamp, 0, StateOf(C), X0, Y0, Dx, Dy, Reach, Shape, C.DashPhase()});
}

void TBandedDrawing::Marker(TChartCanvas& C, int X, int Y, int Horiz, int Vert, TColor Color,
                            TSeriesPointerStyle Style, int Times)
{
    FOps.push_back({okMarker, uint8_t(Style), StateOf(C), X, Y, Horiz, Vert, Times, uint64_t(Color), 0});
}

void TBandedDrawing::Replay(TChartCanvas& Band, const TSeriesPointer& Pointer, int Top, int Bottom) const
{
    uint32_t Current = UINT32_MAX;
    for (const TOp& Op : FOps) {
        // How far the operation reaches above and below: the pen's half
        // width and a pixel of smoothing beyond its points, a stamp's reach,
        // a marker's size with its pen.
        int Low;
        int High;
        const int Pen = FStates[Op.State].PenWidth / 2 + 2;
        switch (Op.Kind) {
        case okLine:
            Low = std::min(Op.B, Op.D) - Pen;
            High = std::max(Op.B, Op.D) + Pen;
            break;
        case okSegmentStamp:
            Low = Op.B - Op.Reach;
            High = Op.B + Op.Reach;
            break;
        default:
            Low = Op.B - Op.D - Pen - 1;
            High = Op.B + Op.D + Pen + 1;
            break;
        }
        if (High < Top || Low > Bottom)
            continue;
        if (Op.State != Current) {
            Current = Op.State;
            Apply(Band, FStates[Current]);
        }
        Band.SetDashPhase(Op.DashPhase);
        switch (Op.Kind) {
        case okLine: Band.Line(Op.A, Op.B, Op.C, Op.D); break;
        case okSegmentStamp: {
            const int dx = Op.C;
            const int dy = Op.D;
            Band.DrawStamp(Op.A, Op.B, Op.Extra, Op.Reach,
                           [&Band, dx, dy](int X, int Y) { Band.Line(X, Y, X + dx, Y + dy); });
            break;
        }
        case okMarker:
            Pointer.DrawPointer(&Band, false, Op.A, Op.B, Op.C, Op.D, TColor(Op.Extra),
                                TSeriesPointerStyle(Op.Style), Op.Reach);
            break;
        }
    }
}
