#include "chart/series/CustomSeries.h"

#include "chart/axes/ChartAxes.h"
#include "chart/axes/ChartAxis.h"
#include "chart/series/ColumnExtremes.h"
#include "chart/series/ColumnLumps.h"
#include "chart/series/SeriesChart.h"
#include "chart/series/SeriesPointer.h"
#include "chart/series/SmoothingFunction.h"
#include "core/ChangeNotifier.h"
#include "chart/canvas/ChartCanvas.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

TCustomSeries::TCustomSeries(TSeriesChart* AOwner)
    : TCustomLineSeries(AOwner), FPointer(std::make_unique<TSeriesPointer>(this))
{
    FBrush->SetColor(clDefault);
}

TCustomSeries::~TCustomSeries()
{
    FreeSmoothFunction();
}

void TCustomSeries::SetDrawLine(bool Value)
{
    if (Change(FDrawLine, Value))
        Repaint();
}

void TCustomSeries::SetDrawArea(bool Value)
{
    if (Change(FDrawArea, Value))
        Repaint();
}

void TCustomSeries::SetColorEachLine(bool Value)
{
    if (Change(FColorEachLine, Value))
        Repaint();
}

void TCustomSeries::SetInflateMargins(bool Value)
{
    if (Change(FInflateMargins, Value))
        Repaint();
}

void TCustomSeries::SetPointerBehind(bool Value)
{
    if (Change(FPointerBehind, Value))
        Repaint();
}

void TCustomSeries::SetSmoothed(bool Value)
{
    if (Change(FSmoothed, Value))
        Repaint();
}

// ------------------------------------------------------------ smoothing

void TCustomSeries::PrepareForDrawing()
{
    if (!FDrawLine && !FDrawArea)
        return;
    if (FSmoothSeries && FDirty) {
        // New data arrived while smoothed: it is what the series holds now,
        // and the copy of the old data points must not come back over it.
        FreeSmoothFunction();
        FSmoothSeries.reset();
        FDirty = false;
    }
    if (FSmoothed) {
        if (!FSmoothSeries)
            SetUpSmoothing();
    } else if (FSmoothSeries) {
        UndoSmoothing();
    }
}

void TCustomSeries::SetUpSmoothing()
{
    auto Copy = std::make_unique<TCustomSeries>(nullptr);
    Copy->IInternalUse = true;
    Copy->SetShowInLegend(false);
    Copy->CopyPoints(*this);

    TSeriesChart* Chart = ParentChart() ? ParentChart() : Owner();
    auto* Function = new TSmoothingFunction(Chart);
    Function->SetInterpolate(true);
    Function->SetFactor(8);
    FSmoothSeries = std::move(Copy);
    FSmoothFunction = Function;
    try {
        Function->Attach(this, FSmoothSeries.get(), [this] { FSmoothFunction = nullptr; });
    } catch (...) {
        // Half-made samples are no use: the data points come back.
        FreeSmoothFunction();
        CopyPoints(*FSmoothSeries);
        FSmoothSeries.reset();
        throw;
    }
    FDirty = false;
}

void TCustomSeries::UndoSmoothing()
{
    FreeSmoothFunction();
    // Whatever their number: the data points always come back.
    CopyPoints(*FSmoothSeries);
    FSmoothSeries.reset();
    FDirty = false;
    RefreshSeries();
}

void TCustomSeries::FreeSmoothFunction()
{
    if (TSmoothingFunction* Function = FSmoothFunction) {
        FSmoothFunction = nullptr;
        delete Function;
    }
}

void TCustomSeries::CopyPoints(const TCustomSeries& Source)
{
    BeginUpdate();
    try {
        Clear();
        const std::vector<double>& X = Source.FX->Value();
        const std::vector<double>& Y = Source.FY->Value();
        if (!Source.FColors && !Source.HasLabels()) {
            AddXYArrays(X, Y);
        } else {
            // Stored points never descend, so each one is appended again.
            for (int i = 0; i < Source.Count(); ++i) {
                const TColor c = Source.FColors ? (*Source.FColors)[size_t(i)] : clDefault;
                AddXY(X[size_t(i)], Y[size_t(i)], Source.Label(i), c);
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSeries::Clear()
{
    TCustomLineSeries::Clear();
    if (FSmoothSeries && !(FSmoothFunction && FSmoothFunction->Updating()))
        FDirty = true;
}

// -------------------------------------------------------------- markers

void TCustomSeries::PaintPointer(int px, int py, TColor ColorValue, int ValueIndex, int Times)
{
    const TSeriesPointer* P = FPointer.get();
    if (!P->Visible() || !FParent)
        return;
    if (P->Color() != clDefault && P->Brush()->Style() != bsClear)
        ColorValue = P->Color();
    TChartCanvas* C = FParent->Canvas();
    TSeriesPointerStyle Style = P->Style();
    if (OnGetPointerStyle)
        Style = OnGetPointerStyle(this, ValueIndex);
    P->PrepareCanvas(C, ColorValue);
    // After the style handler, which may look at the canvas: the hover pen
    // always marks the point under the mouse.
    if (const TChartPen* Hover = PointerHoverPen(ValueIndex))
        C->AssignVisiblePen(*Hover);
    P->Draw(px, py, ColorValue, Style, Times);
}

// ---- Line drawing -------------------------------------------------------

namespace {

bool Intersects(const TRect& A, const TRect& B)
{
    return std::max(A.Left, B.Left) < std::min(A.Right, B.Right) && std::max(A.Top, B.Top) < std::min(A.Bottom, B.Bottom);
}

constexpr int DeviceLimit = 32767;

// Distance from (X, Y) to the segment (X0, Y0)-(X1, Y1).
double SegmentDistance(int X, int Y, int X0, int Y0, int X1, int Y1)
{
    const double dx = X1 - X0;
    const double dy = Y1 - Y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((X - X0) * dx + (Y - Y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(X0 + t * dx - X, Y0 + t * dy - Y);
}

} // namespace

bool TCustomSeries::PointerReaches(int ValueIndex, const TRect& R) const
{
    const int x = CalcXPos(ValueIndex);
    const int y = CalcYPos(ValueIndex);
    const TRect Box{x - FPointer->HorizSize(), y - FPointer->VertSize(), x + FPointer->HorizSize(),
                    y + FPointer->VertSize()};
    return Intersects(Box, R);
}

void TCustomSeries::CalcFirstLastVisibleIndex()
{
    FFirstVisibleIndex = -1;
    FLastVisibleIndex = -1;
    const int n = Count();
    if (n == 0 || !FParent || !GetHorizAxis() || !GetVertAxis())
        return;
    const TChartAxis* Axis = GetHorizAxis();
    const TRect& R = FParent->ChartRect();
    const std::vector<double>& X = XValues()->Value();

    // X ascends: the first point at or right of the left edge, and the first
    // at or beyond the right edge, so that the segments leaving the plot are
    // drawn and cut by the clip.
    const double Low = Axis->InternalCalcPosPoint(R.Left);
    int First = 0;
    if (X[0] <= Low) {
        First = int(std::lower_bound(X.begin(), X.end(), Low) - X.begin());
        if (First >= n)
            return;
    }
    const double High = Axis->InternalCalcPosPoint(R.Right);
    int Last = n - 1;
    if (X[size_t(n - 1)] > High) {
        Last = int(std::lower_bound(X.begin() + First, X.end(), High) - X.begin());
        Last = std::min(Last, n - 1);
    }

    // Markers of neighbours that reach into the plot, and points of equal X.
    while (Last < n - 1 && PointerReaches(Last + 1, R))
        ++Last;
    while (Last < n - 1 && X[size_t(Last + 1)] == X[size_t(Last)])
        ++Last;
    while (First > 0 && PointerReaches(First - 1, R))
        --First;
    while (First > 0 && X[size_t(First - 1)] == X[size_t(First)])
        --First;
    FFirstVisibleIndex = First;
    FLastVisibleIndex = Last;
}

void TCustomSeries::PaintValues()
{
    if (!FParent)
        return;
    TChartCanvas* C = FParent->Canvas();
    IClientRect = FParent->ChartBounds();
    // A series never vanishes by its settings alone.
    if (FDrawLine && !LinePen()->Visible() && !FPointer->Visible() && !FDrawArea)
        LinePen()->SetVisible(true);

    TChartAxes* Axes = FParent->AxesList();
    const bool OldFast = Axes->FastCalc();
    Axes->SetFastCalc(true);
    C->AssignBrush(*Brush());
    OldColor = clDefault;
    IDashLength = 0;
    IDense = FLastVisibleIndex - FFirstVisibleIndex + 1 > 4 * std::max(1, FParent->ChartRect().Width());
    const TRenderContext& Output = FParent->RenderContext();
    ISkipRepeats = Output.MergesRepeats() && !OnGetPointerStyle && HoverIndex() < 0;
    ISkipTranslucentRepeats = !Output.KeepsAlpha();
    IDrewQuick = FFirstVisibleIndex >= 0 && CanPaintQuick();
    if (IDrewQuick) {
        PaintQuick();
    } else if (!ISkipRepeats && !OnGetPointerStyle && HoverIndex() < 0 && GetHorizAxis() && GetVertAxis()) {
        PaintMergingRepeats();
    } else {
        for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i)
            PaintValue(i);
    }
    C->SetDashPhase(0);
    Axes->SetFastCalc(OldFast);
}

void TCustomSeries::ValuesModified(TChartValueList* List)
{
    TCustomLineSeries::ValuesModified(List);
    IExtremes.reset();
}

bool TCustomSeries::CanPaintQuick()
{
    // Only where the points of a column are interchangeable: one colour, one
    // marker style, nothing highlighted, a solid line, X ascending.
    if (!IDense || !FParent->QuickFrame() || FDrawArea || FPointerBehind || OnGetPointerStyle || HasPointColors()
        || ColorEachPoint() || HoverIndex() >= 0 || XValues()->Order() != loAscending
        || (FPointer->Visible() && FPointer->Transparency() != 0))
        return false;
    if (LinePen()->Visible() && LinePen()->Style() != psSolid)
        return false;
    // With markers every point is looked at anyway; without, the spans come
    // from the extremes.
    if (FPointer->Visible())
        return true;
    const std::vector<double>& Y = YValues()->Value();
    if (!IExtremes || IExtremes->Count() != Y.size())
        IExtremes = std::make_unique<TColumnExtremes>(Y);
    return !IExtremes->HasUnordered();
}

void TCustomSeries::PaintQuick()
{
    const std::vector<double>& Y = YValues()->Value();
    const TChartAxis* VertAxis = GetVertAxis();
    const TRect& R = FParent->ChartRect();
    const int First = FFirstVisibleIndex;
    const int Last = FLastVisibleIndex;
    const TColor Color = GetValueColor(First);
    // The first point as always: the entry segment from the plot's edge.
    PaintValue(First);
    int i = First + 1;
    while (i <= Last) {
        const int x = CalcXPos(i);
        // The column's points are i..j-1: gallop, then halve.
        int Low = i;
        int Step = 1;
        while (Low + Step <= Last && CalcXPos(Low + Step) <= x) {
            Low += Step;
            Step *= 2;
        }
        int High = std::min(Low + Step, Last + 1);
        while (Low + 1 < High) {
            const int Mid = Low + (High - Low) / 2;
            if (CalcXPos(Mid) <= x)
                Low = Mid;
            else
                High = Mid;
        }
        const int j = High;
        if (FPointer->Visible()) {
            PaintQuickMarkers(i, j);
            i = j;
            continue;
        }
        // Few points, or a column beyond the plot (the ends of the visible
        // range): point by point.
        if (j - i < 3 || x < R.Left - 1 || x > R.Right + 1) {
            for (; i < j; ++i)
                PaintValue(i);
            continue;
        }
        double Min;
        double Max;
        IExtremes->Range(Y, size_t(i), size_t(j - 1), Min, Max);
        const int A = VertAxis->CalcYPosValue(Min);
        const int B = VertAxis->CalcYPosValue(Max);
        const int FirstY = CalcYPos(i);
        const int LastY = CalcYPos(j - 1);
        // The join from the previous column's last point, then the span.
        PaintSegment(i, x, FirstY, Color, true);
        OldX = x;
        OldY = std::min(A, B);
        PaintSegment(i, x, std::max(A, B), Color, false);
        OldX = x;
        OldY = LastY;
        i = j;
    }
}

void TCustomSeries::PaintQuickMarkers(int First, int End)
{
    // The join from the previous column and that column's last marker as
    // always; the rest of the column with its repeats lumped.
    PaintValue(First);
    if (End - First < 2)
        return;
    const int x = OldX;
    const TColor Color = OldColor;
    IColumnRows.resize(size_t(End - First));
    GetVertAxis()->CalcPosValues(YValues()->Value().data() + First, End - First, IColumnRows.data());
    if (!ILumps)
        ILumps = std::make_unique<TColumnLumps>();
    const std::vector<TColumnLumps::TItem>& Items = ILumps->Lump(IColumnRows, End - 1 == FLastVisibleIndex);
    for (bool Final : {false, true}) {
        for (const TColumnLumps::TItem& Item : Items) {
            const int Times = Final ? Item.Times : Item.Earlier;
            if (Times == 0)
                continue;
            if (Item.Marker()) {
                FParent->Canvas()->Brush()->SetColor(Color);
                PaintPointer(x, Item.A, Color, First, Times);
            } else {
                // A segment's repeats add little beyond its first drawing.
                OldX = x;
                OldY = Item.A;
                PaintSegment(First, x, Item.B, Color, false);
            }
        }
    }
    OldX = x;
    OldY = IColumnRows.back();
}

void TCustomSeries::PaintValue(int ValueIndex)
{
    PaintValueAt(ValueIndex, CalcXPos(ValueIndex), CalcYPos(ValueIndex), GetValueColor(ValueIndex));
}

void TCustomSeries::PaintMergingRepeats()
{
    // Points on their predecessor's pixel in its colour draw no line and
    // only that pixel's marker again, with nothing in between: such a run is
    // the one marker drawn as many times, which the surface does at once
    // with the same pixels.
    const TChartAxis* HorizAxis = GetHorizAxis();
    const TChartAxis* VertAxis = GetVertAxis();
    const double* Xs = XValues()->Value().data();
    const double* Ys = YValues()->Value().data();
    // Positions a piece at a time.
    constexpr int Piece = 512;
    int Xp[Piece];
    int Yp[Piece];
    int Pending = 0;
    for (int Start = FFirstVisibleIndex; Start <= FLastVisibleIndex; Start += Piece) {
        const int Count = std::min(Piece, FLastVisibleIndex + 1 - Start);
        HorizAxis->CalcPosValues(Xs + Start, Count, Xp);
        VertAxis->CalcPosValues(Ys + Start, Count, Yp);
        for (int k = 0; k < Count; ++k) {
            const int i = Start + k;
            const int x = Xp[k];
            const int y = Yp[k];
            const TColor c = GetValueColor(i);
            if (x == OldX && y == OldY && c == OldColor && c != clNone && i != FFirstVisibleIndex
                && i != FLastVisibleIndex) {
                ++Pending;
                continue;
            }
            if (Pending > 0 && FPointer->Visible()) {
                FParent->Canvas()->Brush()->SetColor(OldColor);
                PaintPointer(OldX, OldY, OldColor, i - 2, Pending);
            }
            Pending = 0;
            PaintValueAt(i, x, y, c);
        }
    }
}

void TCustomSeries::PaintValueAt(int ValueIndex, int x, int y, TColor c)
{
    // After a null point the line starts again here.
    if (OldColor == clNone && TreatNulls() == tnDontPaint) {
        OldX = x;
        OldY = y;
    }
    // A vector picture keeps every record it is given. A point on the
    // previous point's pixel in the same opaque colour (any colour, where the
    // output drops alpha) adds no line (its segment has no length) and only
    // draws the same marker over that one: it is left out, so a million
    // points cost records only where the picture changes.
    const bool Opaque = (c & 0xFF000000u) == 0 || ISkipTranslucentRepeats;
    if (ISkipRepeats && x == OldX && y == OldY && c == OldColor && Opaque && ValueIndex != FFirstVisibleIndex
        && ValueIndex != FLastVisibleIndex)
        return;
    FParent->Canvas()->Brush()->SetColor(c);

    if (ValueIndex == FFirstVisibleIndex) {
        if (ValueIndex > 0)
            DrawEntrySegment(ValueIndex, x, y, c);
        if (ValueIndex == FLastVisibleIndex && c != clNone)
            PaintPointer(x, y, c, ValueIndex);
    } else {
        PaintSegment(ValueIndex, x, y, c, true);
    }
    OldX = x;
    OldY = y;
    OldColor = c;
}

double TCustomSeries::YOnSegmentAt(int ValueIndex, double XValue) const
{
    const std::vector<double>& X = XValues()->Value();
    const std::vector<double>& Y = YValues()->Value();
    const size_t i = size_t(ValueIndex);
    return Y[i - 1] + (XValue - X[i - 1]) * (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
}

void TCustomSeries::DrawEntrySegment(int ValueIndex, int X, int Y, TColor Color)
{
    // The predecessor lies outside the plot: the line starts at the plot's
    // edge, at the height the segment has there.
    const TChartAxis* Axis = GetHorizAxis();
    const TRect& R = FParent->ChartRect();
    OldX = R.Left;
    const double v = Axis->InternalCalcPosPoint(OldX);
    const std::vector<double>& Xs = XValues()->Value();
    if (Xs[size_t(ValueIndex)] == Xs[size_t(ValueIndex - 1)])
        OldY = CalcYPos(ValueIndex - 1);
    else
        OldY = GetVertAxis()->CalcYPosValue(YOnSegmentAt(ValueIndex, v));
    if (!IsNull(ValueIndex - 1))
        PaintSegment(ValueIndex, X, Y, Color, false);
}

void TCustomSeries::PaintSegment(int ValueIndex, int X, int Y, TColor Color, bool DrawPreviousPointer)
{
    const bool Pointers = DrawPreviousPointer && FPointer->Visible();
    const bool IsLast = ValueIndex == FLastVisibleIndex;
    auto DrawPointers = [&] {
        if (!Pointers)
            return;
        if (OldColor != clNone)
            PaintPointer(OldX, OldY, OldColor, ValueIndex - 1);
        else if (TreatNulls() != tnDontPaint)
            PaintPointer(OldX, OldY, Color, ValueIndex - 1);
        if (IsLast && Color != clNone)
            PaintPointer(X, Y, Color, ValueIndex);
    };
    if (FPointerBehind)
        DrawPointers();

    if ((X != OldX || Y != OldY) && (Color != clNone || TreatNulls() == tnIgnore)) {
        TRect Box{std::min(OldX, X), std::min(OldY, Y), std::max(OldX, X), std::max(OldY, Y)};
        if (OldX == X)
            ++Box.Right;
        if (OldY == Y)
            ++Box.Bottom;
        if (Intersects(Box, IClientRect)) {
            int x0 = OldX;
            int y0 = OldY;
            int x1 = X;
            int y1 = Y;
            if (x0 < 0 || x0 > FParent->Width())
                ClampToDeviceRange(x0, y0, ValueIndex);
            ClampToDeviceRange(x1, y1, ValueIndex);
            TChartCanvas* C = FParent->Canvas();
            if (HoverIndex() == ValueIndex - 1 && FSelected && FSelected->Hover()->Visible()) {
                C->AssignVisiblePen(*FSelected->Hover()->Pen());
            } else {
                TColor LineColor = SeriesColor();
                if (FColorEachLine || (ColorEachPoint() && !FPointer->Visible()))
                    LineColor = GetValueColor(ValueIndex);
                else if (LinePen()->Color() != SeriesColor())
                    LineColor = LinePen()->Color();
                PrepareLinePen(LineColor);
            }
            const int dx = x1 - x0;
            const int dy = y1 - y0;
            // One dash pattern runs along the whole line: each segment takes
            // it up where the one before left it, or a line of many short
            // segments would show only the first dash of each and look solid.
            // (On dense data at phases the short segments come back at, so
            // that the canvas may replay them.)
            if (LinePen()->Style() != psSolid) {
                const double Length = std::hypot(double(dx), double(dy));
                C->SetDashPhase(IDense ? C->RepeatingDashPhase(IDashLength, Length) : IDashLength);
                IDashLength += Length;
            }
            if (IDense && (C->Pen()->Width() & 1) && std::abs(dx) <= 29 && std::abs(dy) <= 29) {
                // Far more points than pixel columns: the same short segment
                // shapes come back over and over, and a segment's pixels
                // only move with its start (and its dash phase, which the
                // canvas tells apart), so the canvas may replay them.
                // (Even widths sit on pixel edges, where the raster engine
                // itself varies with the position: those are drawn directly.)
                const uint64_t Shape = (uint64_t('L') << 56) | (uint64_t(dx + 2048) << 24) | uint64_t(dy + 2048);
                const int Reach = std::max(std::abs(dx), std::abs(dy)) + (C->Pen()->Width() + 1) / 2 + 2;
                C->DrawStamp(x0, y0, Shape, Reach, [C, dx, dy](int X, int Y) { C->Line(X, Y, X + dx, Y + dy); });
            } else {
                C->Line(x0, y0, x1, y1);
            }
        }
    }

    if (!FPointerBehind)
        DrawPointers();
}

void TCustomSeries::PrepareLinePen(TColor Color)
{
    TChartCanvas* C = FParent->Canvas();
    C->Brush()->SetStyle(bsClear);
    if (!FDrawArea && !FPointer->Visible() && !LinePen()->Visible()) {
        // Visible for this call only.
        TChartPen Visible;
        Visible.Assign(*LinePen());
        Visible.SetVisible(true);
        C->AssignVisiblePenColor(Visible, Color);
        return;
    }
    C->AssignVisiblePenColor(*LinePen(), Color);
}

void TCustomSeries::ClampToDeviceRange(int& P, int& Q, int ValueIndex) const
{
    if (P >= -DeviceLimit && P <= DeviceLimit)
        return;
    int Edge = P < 0 ? -DeviceLimit : DeviceLimit;
    const std::vector<double>& X = XValues()->Value();
    const bool Sloped = ValueIndex > 0 && X[size_t(ValueIndex)] != X[size_t(ValueIndex - 1)];
    for (int Round = 0; Round < 5 && Sloped; ++Round) {
        const double v = GetHorizAxis()->InternalCalcPosPoint(Edge);
        Q = GetVertAxis()->CalcYPosValue(YOnSegmentAt(ValueIndex, v));
        if (Q >= -DeviceLimit && Q <= DeviceLimit)
            break;
        Edge /= 3;
    }
    Q = std::clamp(Q, -DeviceLimit, DeviceLimit);
    P = Edge;
}

void TCustomSeries::PixelMarginsHoriz(int& Left, int& Right) const
{
    Left = Right = 0;
    if (FPointer->Visible() && FPointer->InflateMargins()) {
        const TChartPen* Pen = FPointer->Pen();
        const int e = Pen->Visible() ? Pen->Width() / 2 + 1 : 1;
        Left = Right = FPointer->HorizSize() + e;
    }
    if (FInflateMargins && FDrawLine && LinePen()->Width() >= 2) {
        const int w = Numbers::RoundInt(LinePen()->Width() * 0.5) + 1;
        Left = std::max(Left, w);
        Right = std::max(Right, w);
    }
}

void TCustomSeries::PixelMarginsVert(int& Top, int& Bottom) const
{
    Top = Bottom = 0;
    if (FPointer->Visible() && FPointer->InflateMargins()) {
        const TChartPen* Pen = FPointer->Pen();
        // No + 1 on this side.
        const int e = Pen->Visible() ? Pen->Width() / 2 : 1;
        Top = Bottom = FPointer->VertSize() + e;
    }
    if (FInflateMargins && FDrawLine && LinePen()->Width() >= 2) {
        const int w = Numbers::RoundInt(LinePen()->Width() * 0.5) + 1;
        Top = std::max(Top, w);
        Bottom = std::max(Bottom, w);
    }
}

void TCustomSeries::DrawLegend(TChartCanvas& C, const TRect& R)
{
    const TColor c = SeriesColor();
    if (c == clNone || !FParent)
        return;
    const int HalfHeight = (R.Bottom - R.Top) / 2;
    C.Brush()->SetColor(c);
    C.Brush()->SetStyle(Brush()->Style());

    // The line across the box: the line pen in the series colour (a black
    // line pen stands for "the series colour"), at most half the box high.
    const TColor LineColor = LinePen()->Color() == clBlack ? c : LinePen()->Color();
    PrepareLinePen(LineColor);
    if (C.Pen()->Width() > HalfHeight)
        C.Pen()->SetWidth(HalfHeight);
    // A dashed line shows at least one whole period of its pattern, or a
    // wide pen would fill the box with its first dash and look solid.
    if (const int Period = DashPeriod(C.Pen()->Style()); Period > 0)
        C.Pen()->SetWidth(std::min(C.Pen()->Width(), std::max(1, (R.Right - R.Left) / Period)));
    C.SetDashPhase(0);
    C.DoHorizLine(R.Left, R.Right, (R.Top + R.Bottom) / 2);

    if (!FPointer->Visible())
        return;
    FPointer->PrepareCanvas(&C, c);
    const int w = R.Right - R.Left;
    const int h = R.Bottom - R.Top;
    const int b = FPointer->Pen()->Visible() ? FPointer->Pen()->Width() : 0;
    int e;
    int f;
    if (LinePen()->Visible()) {
        if (w < 2 * b || h < 2 * b)
            C.Pen()->SetWidth(std::min(w, h) / 2);
        e = w / 2;
        f = h / 2;
    } else {
        e = w / 2 + 1;
        f = h / 2 + 1;
    }
    const int px = (R.Left + R.Right) / 2;
    // Keep the marker's own proportions inside the box.
    const float t = FPointer->HorizSize() == 0 ? 1.0f : float(FPointer->VertSize()) / float(FPointer->HorizSize());
    if (e >= f * t)
        e = std::min(e, Numbers::RoundInt(f / t));
    else
        f = std::min(f, Numbers::RoundInt(e * t));
    e = std::min(e, FPointer->HorizSize());
    f = std::min(f, FPointer->VertSize());
    FPointer->DrawPointer(&C, false, px, (R.Top + R.Bottom) / 2, e, f, c, FPointer->Style());
}

TChartSelected* TCustomSeries::Selected()
{
    if (!FSelected)
        FSelected = std::make_unique<TChartSelected>([this] { Repaint(); });
    return FSelected.get();
}

int TCustomSeries::HoverIndex() const { return FSelected ? FSelected->HoverIndex() : -1; }

const TChartPen* TCustomSeries::PointerHoverPen(int ValueIndex) const
{
    if (!FSelected || !FSelected->Hover()->Visible() || FSelected->HoverIndex() != ValueIndex)
        return nullptr;
    return FSelected->Hover()->Pen();
}

void TCustomSeries::CheckMouse(int X, int Y)
{
    if (!FSelected || !FSelected->Hover()->Visible() || (FParent && !FParent->HoverVisible()))
        return;
    FSelected->SetHoverIndex(Clicked(X, Y));
}

int TCustomSeries::Clicked(int X, int Y)
{
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0 || !GetHorizAxis() || !GetVertAxis())
        return -1;
    const int Tolerance = FClickTolerance;
    const bool Markers = FPointer->Visible() && FPointer->Style() != psNothing;
    const int First = std::max(FFirstVisibleIndex - 1, 0);
    const int Last = std::min(FLastVisibleIndex, Count() - 1);
    int Start = First;
    // With X ascending the pixels only grow along the points: nothing left
    // of the mouse by more than a marker and the tolerance can be hit, nor
    // anything after the first point that far to its right. The first hit
    // is the same as walking all the points (a million of them at every
    // mouse move otherwise).
    const int Reach = Tolerance + 2 + std::max(Markers ? FPointer->HorizSize() : 0, 1);
    const bool Ascending = FX->Order() == loAscending;
    if (Ascending && Last > First) {
        int Low = First;
        int High = Last + 1;
        while (Low < High) {
            const int Mid = Low + (High - Low) / 2;
            if (CalcXPos(Mid) < X - Reach)
                Low = Mid + 1;
            else
                High = Mid;
        }
        Start = std::max(First, Low - 1);
    }
    int PreviousX = 0;
    int PreviousY = 0;
    for (int i = Start; i <= Last; ++i) {
        const int px = CalcXPos(i);
        const int py = CalcYPos(i);
        if (Markers && std::abs(px - X) < Tolerance + FPointer->HorizSize()
            && std::abs(py - Y) < Tolerance + FPointer->VertSize())
            return i;
        if (px == X && py == Y)
            return i;
        if (i > Start && FClickableLine && SegmentDistance(X, Y, PreviousX, PreviousY, px, py) <= Tolerance + 1)
            return i - 1;
        if (Ascending && px > X + Reach)
            break;
        PreviousX = px;
        PreviousY = py;
    }
    return -1;
}
