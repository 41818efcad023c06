#include "chart/axes/AxisPainter.h"

#include "chart/axes/AxisLabelsFormat.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/axes/QuietChart.h"
#include "chart/canvas/ChartCanvas.h"
#include "chart/axes/ChartContext.h"
#include "core/Numbers.h"

#include <QStringLiteral>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QString W = QStringLiteral("W");

double DegToRad(int Degrees)
{
    return Degrees * std::numbers::pi / 180.0;
}

} // namespace

TAxisPainter::TAxisPainter(TChartAxis* AAxis)
    : FAxis(AAxis), FChart(AAxis->ParentChart()), FHorizontal(AAxis->Horizontal()), FOtherSide(AAxis->OtherSide())
{
}

TAxisPainter::TAxisSide TAxisPainter::Side() const
{
    if (FHorizontal)
        return FOtherSide ? asTop : asBottom;
    return FOtherSide ? asRight : asLeft;
}

bool TAxisPainter::HasTitle() const
{
    const TChartAxisTitle* Title = FAxis->FTitle.get();
    return Title && Title->Visible() && !Title->Caption().isEmpty();
}

// --------------------------------------------------------------------- bands

int TAxisPainter::TickBandSize() const
{
    const TChartAxis& A = *FAxis;
    int Size = A.FAxis.Visible() ? A.FAxis.Width() + 1 : 0;
    if (A.FLabelsPosition == lpAtTick && A.FTicks.Visible())
        Size += A.FTickLength;
    if (A.FMinorTicks.Visible() && A.FMinorTickLength >= Size)
        Size = A.FMinorTickLength;
    return Size;
}

int TAxisPainter::TitleBandSize()
{
    if (FAxis->FTitleSize != 0)
        return FAxis->FTitleSize;
    TChartAxisTitle& Title = *FAxis->FTitle;
    FChart->PrepareFont3D(*Title.Font());
    TChartCanvas& C = *FChart->Canvas();
    const int Angle = Title.Angle();
    if ((FHorizontal && Angle % 180 == 0) || (!FHorizontal && (Angle == 90 || Angle == 270)))
        return C.TextHeight(W);
    const int Width = C.TextWidth(Title.Caption());
    if (FHorizontal)
        return Numbers::RoundInt(std::fabs(std::sin(DegToRad(Angle))) * Width) + C.TextHeight(W);
    return Numbers::RoundInt(std::fabs(std::cos(DegToRad(Angle))) * Width);
}

int TAxisPainter::LabelsBandSize()
{
    TChartAxis& A = *FAxis;
    // Value labels are one line each.
    if (A.IHeightFactor == 0)
        A.IHeightFactor = 1;
    const int Angle = A.FLabelsAngle;
    int Row;
    if (A.FLabelsSize != 0) {
        Row = A.FLabelsSize;
    } else {
        FChart->PrepareFont3D(*A.LabelsFont());
        TChartCanvas& C = *FChart->Canvas();
        if ((FHorizontal && Angle % 180 == 0) || (!FHorizontal && (Angle == 90 || Angle == 270)))
            Row = C.TextHeight(W);
        else if (FHorizontal)
            Row = Numbers::RoundInt(std::fabs(std::sin(DegToRad(Angle))) * A.MaxLabelsWidth()) + C.TextHeight(W);
        else
            Row = Numbers::RoundInt(std::fabs(std::cos(DegToRad(Angle))) * A.MaxLabelsWidth());
    }
    return Row * A.IHeightFactor * (A.FLabelsAlternate ? 2 : 1);
}

void TAxisPainter::ReserveAxisSpace(TRect& Rect, bool InflateChartRectangle)
{
    TChartAxis& A = *FAxis;
    const TAxisSide S = Side();
    const bool HasTitleBand = HasTitle();
    if (!InflateChartRectangle) {
        // The rectangle stays; the bands are laid outward from its edge.
        const int Outward = (S == asLeft || S == asTop) ? -1 : 1;
        int Edge = S == asLeft ? Rect.Left : S == asTop ? Rect.Top : S == asRight ? Rect.Right : Rect.Bottom;
        Edge += Outward * std::max(0, A.IWallSize + TickBandSize());
        if (A.Labels()) {
            A.IHeightFactor = 0;
            A.FPosLabels = Edge;
            A.FLabelsBand = LabelsBandSize();
            Edge += Outward * A.FLabelsBand;
        }
        if (HasTitleBand)
            A.FPosTitle = Edge;
        return;
    }

    auto Shrink = [&Rect, S](int n) {
        switch (S) {
        case asLeft: Rect.Left = std::min(Rect.Left + n, Rect.Right - 1); break;
        case asBottom: Rect.Bottom = std::max(Rect.Bottom - n, Rect.Top + 1); break;
        case asRight: Rect.Right = std::max(Rect.Right - n, Rect.Left + 1); break;
        case asTop: Rect.Top = std::min(Rect.Top + n, Rect.Bottom - 1); break;
        }
    };
    auto Edge = [&Rect, S] {
        switch (S) {
        case asLeft: return Rect.Left;
        case asBottom: return Rect.Bottom;
        case asRight: return Rect.Right;
        case asTop: return Rect.Top;
        }
        return 0;
    };

    if (A.IExtraSpace > 0)
        Shrink(A.IExtraSpace);
    if (HasTitleBand) {
        Shrink(TitleBandSize());
        A.FPosTitle = Edge();
    }
    if (A.Labels()) {
        A.IHeightFactor = 0;
        A.FLabelsBand = LabelsBandSize();
        Shrink(A.FLabelsBand);
        A.FPosLabels = Edge();
    }
    const int Ticks = A.IWallSize + TickBandSize();
    if (Ticks > 0)
        Shrink(Ticks);
}

// ------------------------------------------------------------------- drawing

void TAxisPainter::Layout(bool CalcPosAxis)
{
    TChartAxis& A = *FAxis;
    A.IAxisDateTime = false;
    if (CalcPosAxis) {
        const TRect& R = FChart->ChartRect();
        switch (Side()) {
        case asLeft: A.FPosAxis = R.Left; break;
        case asBottom: A.FPosAxis = R.Bottom; break;
        case asRight: A.FPosAxis = R.Right; break;
        case asTop: A.FPosAxis = R.Top; break;
        }
    }
    A.ITitleShown = HasTitle();
    if (A.ITitleShown) {
        const int Along = TitlePositionAlongAxis();
        const TRect Bounds = FHorizontal ? TitleBoundsAt(Along, A.FPosTitle) : TitleBoundsAt(A.FPosTitle, Along);
        A.FTitle->SetShapeBounds(Bounds);
    }
    A.BuildLabelItems();
    for (size_t i = 0; i < A.FItems.size(); ++i) {
        TAxisItem& Item = A.FItems[i];
        if (!LabelShown(i))
            continue;
        TCustomTextShape* Format = LabelFormat(i);
        Item.FBox = FHorizontal ? LabelBox(Item.FLabelPos, A.FPosLabels, Item.FText, Format)
                                : LabelBox(A.FPosLabels, Item.FLabelPos, Item.FText, Format);
    }
}

void TAxisPainter::Paint()
{
    TChartAxis& A = *FAxis;
    TChartCanvas& C = *FChart->Canvas();
    if (A.ITitleShown) {
        TChartAxisTitle& T = *A.FTitle;
        FChart->PrepareFont3D(*T.Font());
        C.SetBackMode(cbmTransparent);
        T.Draw();
    }
    C.Brush()->SetStyle(bsClear);
    C.SetBackMode(cbmTransparent);
    if (A.FAxis.Visible())
        DrawAxisLine();
    if (A.FTickLength != 0 && A.FTicks.Visible()) {
        C.AssignVisiblePen(A.FTicks);
        DrawTicks(A.Tick, A.FTickLength, false);
    }
    DrawGridLines(int(A.Tick.size()));
    DrawMinorTicks();
    DrawLabels();
}

void TAxisPainter::Draw(bool CalcPosAxis)
{
    Layout(CalcPosAxis);
    Paint();
}

int TAxisPainter::TitlePositionAlongAxis()
{
    const TChartAxis& A = *FAxis;
    TChartAxisTitle& Title = *A.FTitle;
    const TAxisTitlePosition Position = Title.Position();
    if (Position == tpCenter)
        return A.ICenterPos;
    Title.SetShapeBounds({});
    Title.CalcBounds();
    const int w = Title.ShapeBounds().Width() / 2;
    const bool AtStart = Position == tpStart;
    if (FHorizontal)
        return AtStart ? A.IStartPos + w : A.IEndPos - w;
    // The start of a vertical axis is its minimum, at the bottom.
    return AtStart ? A.IEndPos - w : A.IStartPos + w;
}

void TAxisPainter::DrawAxisLine()
{
    const TChartAxis& A = *FAxis;
    TChartCanvas& C = *FChart->Canvas();
    C.AssignVisiblePen(A.FAxis);
    const int w = A.FAxis.Width();
    switch (Side()) {
    case asBottom: C.DoHorizLine(A.IStartPos, A.IEndPos, A.FPosAxis + A.IWallSize + w / 2); break;
    case asLeft: C.DoVertLine(A.FPosAxis - (A.IWallSize + w / 2), A.IStartPos, A.IEndPos); break;
    case asTop: C.DoHorizLine(A.IStartPos, A.IEndPos, A.FPosAxis); break;
    case asRight: C.DoVertLine(A.FPosAxis + w / 2, A.IStartPos, A.IEndPos); break;
    }
}

void TAxisPainter::DrawTicks(const std::vector<int>& Positions, int Length, bool Bounded)
{
    const TChartAxis& A = *FAxis;
    TChartCanvas& C = *FChart->Canvas();
    // Ticks start just outside the axis line and point away from the plot.
    const int w = A.FAxis.Width();
    for (const int p : Positions) {
        if (Bounded && !(A.IStartPos < p && p < A.IEndPos))
            continue;
        switch (Side()) {
        case asBottom: {
            const int y0 = A.FPosAxis + A.IWallSize + w;
            C.DoVertLine(p, y0, y0 + Length);
            break;
        }
        case asLeft: {
            const int x0 = A.FPosAxis - A.IWallSize - w;
            C.DoHorizLine(x0, x0 - Length, p);
            break;
        }
        case asTop: {
            const int y0 = A.FPosAxis - A.IWallSize - w;
            C.DoVertLine(p, y0, y0 - Length);
            break;
        }
        case asRight: {
            const int x0 = A.FPosAxis + A.IWallSize + w;
            C.DoHorizLine(x0, x0 + Length, p);
            break;
        }
        }
    }
}

void TAxisPainter::DrawMinorTicks()
{
    const TChartAxis& A = *FAxis;
    const std::vector<int>& Tick = A.Tick;
    const bool Ticks = A.FMinorTickLength != 0 && A.FMinorTicks.Visible();
    if (Tick.empty() || (!Ticks && !A.FMinorGrid.Visible()))
        return;
    // Minor ticks divide the pixel distance of neighbouring ticks, and extend
    // the pattern one interval beyond the first and the last tick.
    const int k = A.FMinorTickCount;
    const double f = 1.0 / (k + 1);
    std::vector<int> Minor;
    const size_t Last = Tick.size() - 1;
    if (Tick.size() >= 2) {
        const int d = Tick[1] - Tick[0];
        for (int c = 1; c <= k; ++c) {
            const int o = Numbers::RoundInt(c * d * f);
            Minor.push_back(Tick[0] - o);
            Minor.push_back(Tick[Last] + o);
        }
    }
    for (size_t i = 1; i <= Last; ++i) {
        const int d = Tick[i] - Tick[i - 1];
        for (int j = 1; j <= k; ++j)
            Minor.push_back(Tick[i] - Numbers::RoundInt(d * f * j));
    }

    TChartCanvas& C = *FChart->Canvas();
    C.SetBackMode(cbmTransparent);
    C.Brush()->SetStyle(bsClear);
    if (Ticks) {
        C.AssignVisiblePen(A.FMinorTicks);
        DrawTicks(Minor, A.FMinorTickLength, true);
    }
    if (A.FMinorGrid.Visible()) {
        C.AssignVisiblePen(A.FMinorGrid);
        for (const int p : Minor)
            DrawGridLine(p);
    }
}

void TAxisPainter::DrawGridLine(int Pos)
{
    // Never on the axis' end pixels, never over the left or top edge pixel
    // of the chart rectangle.
    if (!(FAxis->IStartPos < Pos && Pos < FAxis->IEndPos))
        return;
    TChartCanvas& C = *FChart->Canvas();
    const TRect& R = FChart->ChartRect();
    if (FHorizontal)
        C.DoVertLine(Pos, R.Top + 1, R.Bottom);
    else
        C.DoHorizLine(R.Left + 1, R.Right, Pos);
}

void TAxisPainter::DrawGridLines(int Count)
{
    const TAxisGridPen& Grid = FAxis->FGrid;
    const std::vector<int>& Tick = FAxis->Tick;
    if (!Grid.Visible())
        return;
    TChartCanvas& C = *FChart->Canvas();
    C.SetBackMode(cbmTransparent);
    C.Brush()->SetStyle(bsClear);
    C.AssignVisiblePenColor(Grid, Grid.Color() == clDefault ? 0x808080 : Grid.Color());
    const int n = std::max(Grid.DrawEvery(), 1);
    Count = std::min(Count, int(Tick.size()));
    if (!Grid.Centered()) {
        for (int i = 0; i < Count; ++i)
            if (i % n == 0)
                DrawGridLine(Tick[size_t(i)]);
    } else {
        for (int i = 1; i < Count; ++i)
            if (i % n == 0)
                DrawGridLine(Numbers::RoundInt((Tick[size_t(i)] + Tick[size_t(i - 1)]) * 0.5));
    }
}

bool TAxisPainter::LabelShown(size_t Index) const
{
    const TChartAxis& A = *FAxis;
    const TAxisItem& Item = A.FItems[Index];
    const bool InRange = A.IDrawAll || (A.IMinimum <= Item.FValue && Item.FValue <= A.IMaximum)
        || A.SameValue(Item.FValue, A.IMinimum);
    return InRange && A.FLabelsFormat->Visible();
}

TCustomTextShape* TAxisPainter::LabelFormat(size_t Index)
{
    TChartAxis& A = *FAxis;
    FChart->PrepareFont3D(*A.LabelsFont());
    if (int(Index) != A.FHoverIndex)
        return A.FLabelsFormat.get();
    TCustomTextShape* Format = A.LabelsHover();
    // The hover font follows the labels' size; the chart is not told.
    TChartFont* Font = Format->Font();
    if (Font->Size() != A.LabelsFont()->Size()) {
        TQuietChart Quiet(FChart);
        Font->SetSize(A.LabelsFont()->Size());
    }
    FChart->PrepareFont3D(*Font);
    return Format;
}

void TAxisPainter::DrawLabels()
{
    TChartAxis& A = *FAxis;
    TChartCanvas& C = *FChart->Canvas();
    for (size_t i = 0; i < A.FItems.size(); ++i) {
        const TAxisItem& Item = A.FItems[i];
        if (!LabelShown(i))
            continue;
        C.Brush()->SetStyle(bsClear);
        C.SetBackMode(cbmTransparent);
        auto* Shape = static_cast<TAxisLabelsFormat*>(LabelFormat(i));
        Shape->LayoutText(Item.FText);
        Shape->SetShapeBounds(Item.FBox);
        Shape->Draw();
    }
}

TRect TAxisPainter::LabelBox(int X, int Y, const QString& St, TCustomTextShape* Format)
{
    const TChartAxis& A = *FAxis;
    TChartCanvas& C = *FChart->Canvas();
    const int a = Numbers::RoundInt(C.TextSize(W).height());

    int Code;
    switch (Side()) {
    case asLeft: Code = ta_Right; break;
    case asRight: Code = ta_LeftTop; break;
    case asTop: Code = ta_CenterBottom; break;
    case asBottom:
    default: Code = ta_Center; break;
    }
    if (!FHorizontal && A.FLabelsAlign == alCenter) {
        Code = ta_Center;
        X += FOtherSide ? A.FLabelsBand / 2 : -A.FLabelsBand / 2;
    } else if (!FHorizontal && A.FLabelsAlign == alOpposite) {
        Code = FOtherSide ? ta_Right : ta_LeftTop;
        X += FOtherSide ? A.FLabelsBand : -A.FLabelsBand;
    }

    if (!FHorizontal)
        Y -= a / 2;

    auto* Shape = static_cast<TAxisLabelsFormat*>(Format);
    Shape->LayoutText(St);
    Shape->SetShapeBounds({X, Y, X, Y});
    Shape->CalcBounds();
    const int Wd = Shape->ShapeBounds().Width();
    const int Ht = Shape->ShapeBounds().Height();
    const int NumLines = int(St.count(QChar(13))) + 1;

    if (FHorizontal)
        Y -= a;
    else
        Y -= Numbers::RoundInt(a * 0.5 * (NumLines + 1));

    TRect Box{X, Y + a, 0, 0};
    if (Code >= ta_Bottom) {
        Box.Top -= a * NumLines;
        Code -= ta_Bottom;
    }
    if (Code == ta_Right)
        Box.Left -= Wd;
    else if (Code == ta_Center && FHorizontal)
        Box.Left -= Wd / 2;
    Box.Right = Box.Left + Wd;
    Box.Bottom = Box.Top + Ht;
    return Box;
}

void TAxisPainter::DrawAxisLabel(int X, int Y, const QString& St, TCustomTextShape* Format)
{
    const TRect Box = LabelBox(X, Y, St, Format);
    auto* Shape = static_cast<TAxisLabelsFormat*>(Format);
    Shape->LayoutText(St);
    Shape->SetShapeBounds(Box);
    Shape->Draw();
}

TRect TAxisPainter::TitleBoundsAt(int X, int Y)
{
    TChartAxisTitle& T = *FAxis->Title();
    FChart->PrepareFont3D(*T.Font());
    T.SetShapeBounds({});
    T.CalcBounds();
    const int Wd = T.ShapeBounds().Width();
    const int Ht = T.ShapeBounds().Height();
    TChartShadow& Shadow = *T.Shadow();
    int Left;
    int Top;
    if (FHorizontal) {
        Left = X - Wd / 2;
        Top = Y;
        if (T.Angle() == 90)
            Top += FOtherSide ? -Ht : Ht;
        if (FOtherSide) {
            Top -= Ht;
            if (Shadow.Visible())
                Top -= Shadow.VertSize();
        }
    } else {
        const int h = Ht / 2;
        const double Sin = std::fabs(std::sin(DegToRad(T.Angle())));
        int Offset;
        double s;
        if (!FOtherSide) {
            // The shadow is not painted (the title is transparent) but still
            // moves the title outward.
            Offset = -h - (Shadow.Visible() ? Shadow.VertSize() : 0);
            s = 2 - Sin;
        } else {
            Offset = h;
            s = Sin;
        }
        Left = X + Offset - Numbers::RoundInt(Wd * s * 0.5);
        Top = Y - h;
    }
    return {Left, Top, Left + Wd, Top + Ht};
}

void TAxisPainter::DrawAxisTitle(int X, int Y)
{
    TChartCanvas& C = *FChart->Canvas();
    TChartAxisTitle& T = *FAxis->Title();
    T.SetShapeBounds(TitleBoundsAt(X, Y));
    FChart->PrepareFont3D(*T.Font());
    C.SetBackMode(cbmTransparent);
    T.Draw();
}

// --------------------------------------------------------------------- hover

int TAxisPainter::LabelAtPoint(int X, int Y)
{
    const TChartAxis& A = *FAxis;
    if (A.FItems.empty())
        return -1;
    TChartCanvas& C = *FChart->Canvas();
    FChart->PrepareFont3D(*A.LabelsFont());
    const int h = C.TextHeight(W);
    const int p = A.FPosLabels;
    for (size_t i = 0; i < A.FItems.size(); ++i) {
        const TAxisItem& Item = A.FItems[i];
        const int w = C.TextWidth(Item.FText);
        TRect Box;
        switch (Side()) {
        case asBottom: Box = {Item.FLabelPos - w / 2, p, Item.FLabelPos - w / 2 + w, p + h}; break;
        case asTop: Box = {Item.FLabelPos - w / 2, p - h, Item.FLabelPos - w / 2 + w, p}; break;
        case asLeft: Box = {p - w, Item.FLabelPos - h / 2, p, Item.FLabelPos - h / 2 + h}; break;
        case asRight: Box = {p, Item.FLabelPos - h / 2, p + w, Item.FLabelPos - h / 2 + h}; break;
        }
        if (Box.Left <= X && X <= Box.Right && Box.Top <= Y && Y <= Box.Bottom)
            return int(i);
    }
    return -1;
}

bool TAxisPainter::LineOrLabelsAt(int X, int Y)
{
    const TChartAxis& A = *FAxis;
    TChartCanvas& C = *FChart->Canvas();
    FChart->PrepareFont3D(*A.LabelsFont());
    const int h = C.TextHeight(W);
    int w = 0;
    for (const TAxisItem& Item : A.FItems)
        w = std::max(w, C.TextWidth(Item.FText));
    // The line with its pen, the ticks and the labels band, from the axis
    // line outwards, along the axis' length widened by half a label.
    const int Line = std::max(1, A.FAxis.Width());
    TRect Box;
    switch (Side()) {
    case asBottom: Box = {A.IStartPos - w / 2, A.FPosAxis - Line, A.IEndPos + w / 2, A.FPosLabels + h}; break;
    case asTop: Box = {A.IStartPos - w / 2, A.FPosLabels - h, A.IEndPos + w / 2, A.FPosAxis + Line}; break;
    case asLeft: Box = {A.FPosLabels - w, A.IStartPos - h / 2, A.FPosAxis + Line, A.IEndPos + h / 2}; break;
    case asRight: Box = {A.FPosAxis - Line, A.IStartPos - h / 2, A.FPosLabels + w, A.IEndPos + h / 2}; break;
    }
    return Box.Left <= X && X <= Box.Right && Box.Top <= Y && Y <= Box.Bottom;
}
