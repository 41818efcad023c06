#include "chart/axes/ChartAxis.h"

#include "chart/axes/AxisException.h"
#include "chart/axes/AxisLabelsFormat.h"
#include "chart/axes/ChartAxes.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/series/ChartSeries.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/canvas/ChartCanvas.h"
#include "core/Numbers.h"

#include <QStringLiteral>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

const QString W = QStringLiteral("W");

int RoundInt(double Value)
{
    return TAxisScale::RoundPixel(Value);
}

// Changes to the axis' own helper objects that must not ask for a repaint.
class TQuietChart {
public:
    explicit TQuietChart(TCustomAxisPanel* Chart) : FChart(Chart), FOld(Chart && Chart->AutoRepaint())
    {
        if (FChart)
            FChart->SetAutoRepaint(false);
    }
    ~TQuietChart()
    {
        if (FChart)
            FChart->SetAutoRepaint(FOld);
    }
    TQuietChart(const TQuietChart&) = delete;
    TQuietChart& operator=(const TQuietChart&) = delete;

private:
    TCustomAxisPanel* FChart;
    bool FOld;
};

double DegToRad(int Degrees)
{
    return Degrees * std::numbers::pi / 180.0;
}

} // namespace

TChartAxis::TChartAxis(TCustomAxisPanel* AChart, bool AHorizontal, bool AOtherSide)
    : TAxisScale(AHorizontal),
      FParentChart(AChart),
      FOtherSide(AOtherSide),
      FAxis([this] { Repaint(); }),
      FTicks([this] { Repaint(); }),
      FMinorTicks([this] { Repaint(); }),
      FTicksInner([this] { Repaint(); }),
      FGrid([this] { Repaint(); }),
      FMinorGrid([this] { Repaint(); }),
      FLabelsFormat(std::make_unique<TAxisLabelsFormat>(AChart))
{
}

TChartAxis::~TChartAxis() = default;

void TChartAxis::Repaint()
{
    if (FParentChart)
        FParentChart->Invalidate();
}

TChartAxis::TAxisSide TChartAxis::Side() const
{
    if (FHorizontal)
        return FOtherSide ? asTop : asBottom;
    return FOtherSide ? asRight : asLeft;
}

// ------------------------------------------------------------------ settings

void TChartAxis::SetAutomatic(bool Value)
{
    const bool Changed = FAutomatic != Value || FAutomaticMinimum != Value
        || FAutomaticMaximum != Value;
    FAutomatic = Value;
    FAutomaticMinimum = Value;
    FAutomaticMaximum = Value;
    if (Changed)
        Repaint();
}

void TChartAxis::SetAutomaticMinimum(bool Value)
{
    SetAutoMinMax(FAutomaticMinimum, FAutomaticMaximum, Value);
}

void TChartAxis::SetAutomaticMaximum(bool Value)
{
    SetAutoMinMax(FAutomaticMaximum, FAutomaticMinimum, Value);
}

void TChartAxis::SetAutoMinMax(bool& Side, bool OtherSide, bool Value)
{
    const bool Changed = Side != Value;
    Side = Value;
    // The axis is automatic exactly while both of its sides are.
    if (!Value)
        FAutomatic = false;
    else if (OtherSide)
        FAutomatic = true;
    if (Changed)
        Repaint();
}

void TChartAxis::SetMinimum(double Value)
{
    // A value that does not compare (NaN) would pass the order check and
    // poison every position computed from it.
    if (Value > FMaximumValue || std::isnan(Value))
        throw AxisException(QStringLiteral("Axis Minimum Value must be <= Maximum"));
    SetProp(FMinimumValue, Value);
}

void TChartAxis::SetMaximum(double Value)
{
    if (FMinimumValue > Value || std::isnan(Value))
        throw AxisException(QStringLiteral("Axis Maximum Value must be >= Minimum"));
    SetProp(FMaximumValue, Value);
}

void TChartAxis::SetIncrement(double Value)
{
    if (!(Value >= 0))
        throw AxisException(QStringLiteral("Axis increment must be >= 0"));
    SetProp(FDesiredIncrement, Value);
}

void TChartAxis::SetLabelsSeparation(int Value)
{
    if (Value < 0)
        throw AxisException(QStringLiteral("Labels Separation % must be greater than 0"));
    SetProp(FLabelsSeparation, Value);
}

void TChartAxis::SetMinMax(double AMin, double AMax)
{
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    FMinimumValue = std::min(AMin, AMax);
    FMaximumValue = std::max(AMin, AMax);
    if (Numbers::SameValue(FMinimumValue, FMaximumValue)) {
        FMinimumValue -= EqualLimitsGap;
        FMaximumValue += EqualLimitsGap;
    }
    Repaint();
}

void TChartAxis::Scroll(double Offset, bool CheckLimits)
{
    if (CheckLimits) {
        if (Offset == 0)
            return;
        if (Offset > 0 && FMaximumValue >= DataLimit(false) - Offset)
            return;
        if (Offset < 0 && FMinimumValue <= DataLimit(true) - Offset)
            return;
    }
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    FMinimumValue += Offset;
    FMaximumValue += Offset;
    Repaint();
}

TCustomTextShape* TChartAxis::LabelsFormat() const
{
    return FLabelsFormat.get();
}

TChartFont* TChartAxis::LabelsFont() const
{
    return FLabelsFormat->Font();
}

bool TChartAxis::Labels() const
{
    return FLabelsFormat->Visible();
}

void TChartAxis::SetLabels(bool Value)
{
    FLabelsFormat->SetVisible(Value);
}

TChartAxisTitle* TChartAxis::Title()
{
    if (!FTitle) {
        const int Angle = FHorizontal ? 0 : (FOtherSide ? 270 : 90);
        FTitle = std::make_unique<TChartAxisTitle>(this, Angle);
    }
    return FTitle.get();
}

TCustomTextShape* TChartAxis::LabelsHover()
{
    if (!FLabelsHover) {
        // Made on demand by the hover test or the drawing: no change the
        // chart needs to repaint for.
        TQuietChart Quiet(FParentChart);
        FLabelsHover = std::make_unique<TAxisLabelsFormat>(FParentChart);
        TChartFont* Font = FLabelsHover->Font();
        Font->Assign(*LabelsFont());
        Font->SetStyle(Font->Style() | fsBold);
    }
    return FLabelsHover.get();
}

void TChartAxis::SetHoverIndex(int Value)
{
    if (FHoverIndex != Value) {
        FHoverIndex = Value;
        Repaint();
    }
}

// --------------------------------------------------------------------- range

double TChartAxis::DataLimit(bool IsMin) const
{
    if (!FParentChart)
        return 0;
    return FParentChart->AxesList()->AxisDataLimit(this, IsMin, FHorizontal);
}

void TChartAxis::CalcMinMax(double& AMin, double& AMax)
{
    if (FAutomatic || FAutomaticMaximum)
        AMax = DataLimit(false);
    if (FAutomatic || FAutomaticMinimum)
        AMin = DataLimit(true);
}

void TChartAxis::AdjustMaxMin()
{
    CalcMinMax(FMinimumValue, FMaximumValue);
    IMaximum = FMaximumValue;
    IMinimum = FMinimumValue;
    RecalcRange();
    RoundLimits();
}

void TChartAxis::RoundLimits()
{
    if (IAxisSize == 0 || IRangeZero)
        return;
    bool HaveStep = false;
    bool Done = false;
    double Step = 0;
    if (FMaximumRound && (FAutomatic || FAutomaticMaximum)) {
        Step = CalcIncrement();
        HaveStep = true;
        if (Step != 0) {
            IMaximum = Step * std::ceil(IMaximum / Step);
            Done = true;
        }
    }
    if (FMinimumRound && (FAutomatic || FAutomaticMinimum)) {
        if (!HaveStep)
            Step = CalcIncrement();
        if (Step != 0) {
            IMinimum = Step * std::floor(IMinimum / Step);
            Done = true;
        }
    }
    if (Done)
        RecalcRange();
}

void TChartAxis::PlaceOnChartRect()
{
    if (!FParentChart)
        return;
    const TRect& R = FParentChart->ChartRect();
    const int Base = FHorizontal ? R.Left : R.Top;
    const int Length = FHorizontal ? FParentChart->ChartWidth() : FParentChart->ChartHeight();
    Place(Base, Length, FStartPosition, FEndPosition);
}

void TChartAxis::AdjustMaxMinRect(const TRect& Rect)
{
    if (FHorizontal)
        PadRange(Rect.Left, Rect.Right);
    else
        PadRange(Rect.Top, Rect.Bottom);
    // The ends follow the chart rectangle, as the range does from here on.
    PlaceOnChartRect();
}

void TChartAxis::PadRangeForSeries()
{
    TRect Margins;
    if ((FAutomaticMinimum || FAutomaticMaximum) && FParentChart) {
        for (const TChartSeries* Series : *FParentChart->SeriesList()) {
            if (!Series->Active() || !Series->AssociatedToAxis(this))
                continue;
            int Low = 0;
            int High = 0;
            if (FHorizontal) {
                Series->PixelMarginsHoriz(Low, High);
                if (FAutomaticMinimum)
                    Margins.Left = std::max(Margins.Left, Low);
                if (FAutomaticMaximum)
                    Margins.Right = std::max(Margins.Right, High);
            } else {
                Series->PixelMarginsVert(High, Low);
                if (FAutomaticMinimum)
                    Margins.Bottom = std::max(Margins.Bottom, Low);
                if (FAutomaticMaximum)
                    Margins.Top = std::max(Margins.Top, High);
            }
        }
    }
    if (FMinimumOffset != 0 || FMaximumOffset != 0) {
        if (FHorizontal) {
            Margins.Left += FMinimumOffset;
            Margins.Right += FMaximumOffset;
        } else {
            Margins.Bottom += FMinimumOffset;
            Margins.Top += FMaximumOffset;
        }
    }
    if (IGapSize > 0) {
        if (FHorizontal)
            Margins.Right += IGapSize;
        else
            Margins.Top += IGapSize;
    }
    AdjustMaxMinRect(Margins);
    RoundLimits();
}

// ------------------------------------------------------------ value to pixel

int TChartAxis::CalcXPosValue(double Value) const
{
    const bool Fast = FParentChart && FParentChart->AxesList()->FastCalc();
    return Fast ? CalcPosFast(Value) : CalcPosDefault(Value);
}

int TChartAxis::CalcYPosValue(double Value) const
{
    return CalcXPosValue(Value);
}

int TChartAxis::CalcPosValue(double Value) const
{
    return CalcXPosValue(Value);
}

// ---------------------------------------------------------------- label step

QString TChartAxis::LabelValue(double Value) const
{
    QString Text = Numbers::FormatNumber(Value, FAxisValuesFormat);
    if (FLabelsMultiLine)
        Text.replace(QChar(u' '), QChar(13));
    return Text;
}

int TChartAxis::InternalLabelSize(double Value, bool IsWidth)
{
    if (FLabelsGridIgnoresSize)
        return 1;
    const TMultiLineTextSize Size = FParentChart->MultiLineTextSize(LabelValue(Value));
    const bool Across = IsWidth ? (FLabelsAngle == 90 || FLabelsAngle == 270)
                                : (FLabelsAngle == 0 || FLabelsAngle == 180);
    if (Across)
        return FParentChart->Canvas()->TextHeight(W) * Size.NumLines;
    return Size.Width;
}

int TChartAxis::LabelWidth(double Value)
{
    return InternalLabelSize(Value, true);
}

int TChartAxis::LabelHeight(double Value)
{
    return InternalLabelSize(Value, false);
}

TAxisStepper TChartAxis::Stepper() const
{
    return TAxisStepper(*this, {FDesiredIncrement, FRoundFirstLabel, FLabelsSeparation, FLabelsAlternate},
                        [this](int Count) { return FewPointsOnAxis(Count); });
}

double TChartAxis::CalcIncrement()
{
    return Stepper().CalcIncrement([this](double Value) {
        return FHorizontal ? LabelWidth(Value) : LabelHeight(Value);
    });
}

double TChartAxis::CalcXYIncrement(int MaxLabelSize)
{
    return Stepper().CalcXYIncrement(MaxLabelSize);
}

double TChartAxis::StepForLabelCount(int Count)
{
    return Stepper().StepForLabelCount(Count);
}

double TChartAxis::NextNiceStep(double X)
{
    return TAxisStepper::NextNiceStep(X);
}

bool TChartAxis::FewPointsOnAxis(int Count) const
{
    if (!FParentChart || !FHorizontal)
        return false;
    for (const TChartSeries* Series : *FParentChart->SeriesList())
        if (Series->Active() && Series->YMandatory() && Series->AssociatedToAxis(this)
            && Series->Count() <= Count)
            return true;
    return false;
}

// -------------------------------------------------------------------- labels

TAxisLabelStyle TChartAxis::CalcLabelStyle() const
{
    if (FLabelStyle != talAuto)
        return FLabelStyle;
    TAxisLabelStyle Result = talNone;
    if (!FParentChart)
        return Result;
    for (const TChartSeries* Series : *FParentChart->SeriesList()) {
        if (!Series->Active() || !Series->AssociatedToAxis(this))
            continue;
        const bool OwnAxis = Series->YMandatory() ? FHorizontal : !FHorizontal;
        if (OwnAxis && Series->HasLabels())
            return talText;
        Result = talValue;
    }
    return Result;
}

int TChartAxis::MaxLabelsWidth()
{
    if (CalcLabelStyle() == talNone)
        return 0;
    const double Step = CalcIncrement();
    const int Widest = Stepper().WidestLabel(Step, [this](double Value) {
        return FParentChart->MultiLineTextWidth(LabelValue(Value));
    });
    return Widest + FParentChart->Canvas()->TextWidth(QStringLiteral(" "));
}

void TChartAxis::BuildLabelItems()
{
    Tick.clear();
    FLabelIncrement = 0;
    TAxisLabelStyle Style = talValue;
    if (FAutoItems) {
        FItems.clear();
        Style = CalcLabelStyle();
    }
    const bool GridAlways = FGrid.Visible() && FGrid.DrawAlways();
    if (Style == talNone && !GridAlways)
        return;
    FParentChart->PrepareFont3D(*LabelsFont());
    const double Step = CalcIncrement();
    FLabelIncrement = Step;
    // Text labels would come from the series' points; this chart's series
    // carry none, so only value labels (and grid ticks without labels) exist.
    if (Style == talValue || Style == talNone)
        for (const double Value : Stepper().LabelValues(Step))
            AddValueLabel(Value);
}

void TChartAxis::AddValueLabel(double Value)
{
    const int Pos = CalcPosValue(Value);
    const bool Keep = (FLabelsOnAxis && IGapSize < 1) || (IStartPos < Pos && Pos < IEndPos);
    if (!Keep)
        return;
    if (!FTickOnLabelsOnly)
        Tick.push_back(Pos);
    if (Labels() || (FGrid.Visible() && FGrid.DrawAlways()))
        AddAxisItem(Pos, LabelValue(Value), Value);
}

void TChartAxis::AddAxisItem(int Pos, const QString& Text, double Value)
{
    if (FTickOnLabelsOnly)
        Tick.push_back(Pos);
    if (FLabelsPosition != lpAtTick) {
        const int Half = FParentChart->Canvas()->TextWidth(Text) / 2;
        Pos += FLabelsPosition == lpAfterTick ? Half : -Half;
    }
    if (Labels())
        FItems.push_back({Text, Value, Pos});
}

// --------------------------------------------------------------------- bands

int TChartAxis::TickBandSize() const
{
    int Size = FAxis.Visible() ? FAxis.Width() + 1 : 0;
    if (FLabelsPosition == lpAtTick && FTicks.Visible())
        Size += FTickLength;
    if (FMinorTicks.Visible() && FMinorTickLength >= Size)
        Size = FMinorTickLength;
    return Size;
}

int TChartAxis::TitleBandSize()
{
    if (FTitleSize != 0)
        return FTitleSize;
    FParentChart->PrepareFont3D(*FTitle->Font());
    TChartCanvas& C = *FParentChart->Canvas();
    const int Angle = FTitle->Angle();
    if ((FHorizontal && Angle % 180 == 0) || (!FHorizontal && (Angle == 90 || Angle == 270)))
        return C.TextHeight(W);
    const int Width = C.TextWidth(FTitle->Caption());
    if (FHorizontal)
        return RoundInt(std::fabs(std::sin(DegToRad(Angle))) * Width) + C.TextHeight(W);
    return RoundInt(std::fabs(std::cos(DegToRad(Angle))) * Width);
}

int TChartAxis::LabelsBandSize()
{
    // Value labels are one line each.
    if (IHeightFactor == 0)
        IHeightFactor = 1;
    int Row;
    if (FLabelsSize != 0) {
        Row = FLabelsSize;
    } else {
        FParentChart->PrepareFont3D(*LabelsFont());
        TChartCanvas& C = *FParentChart->Canvas();
        if ((FHorizontal && FLabelsAngle % 180 == 0)
            || (!FHorizontal && (FLabelsAngle == 90 || FLabelsAngle == 270)))
            Row = C.TextHeight(W);
        else if (FHorizontal)
            Row = RoundInt(std::fabs(std::sin(DegToRad(FLabelsAngle))) * MaxLabelsWidth()) + C.TextHeight(W);
        else
            Row = RoundInt(std::fabs(std::cos(DegToRad(FLabelsAngle))) * MaxLabelsWidth());
    }
    return Row * IHeightFactor * (FLabelsAlternate ? 2 : 1);
}

void TChartAxis::ReserveAxisSpace(TRect& Rect, bool InflateChartRectangle)
{
    const TAxisSide S = Side();
    const bool HasTitleBand = FTitle && FTitle->Visible() && !FTitle->Caption().isEmpty();
    if (!InflateChartRectangle) {
        // The rectangle stays; the bands are laid outward from its edge.
        const int Outward = (S == asLeft || S == asTop) ? -1 : 1;
        int Edge = S == asLeft ? Rect.Left : S == asTop ? Rect.Top : S == asRight ? Rect.Right : Rect.Bottom;
        Edge += Outward * std::max(0, IWallSize + TickBandSize());
        if (Labels()) {
            IHeightFactor = 0;
            FPosLabels = Edge;
            FLabelsBand = LabelsBandSize();
            Edge += Outward * FLabelsBand;
        }
        if (HasTitleBand)
            FPosTitle = Edge;
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

    if (IExtraSpace > 0)
        Shrink(IExtraSpace);
    if (HasTitleBand) {
        Shrink(TitleBandSize());
        FPosTitle = Edge();
    }
    if (Labels()) {
        IHeightFactor = 0;
        FLabelsBand = LabelsBandSize();
        Shrink(FLabelsBand);
        FPosLabels = Edge();
    }
    const int Ticks = IWallSize + TickBandSize();
    if (Ticks > 0)
        Shrink(Ticks);
}

// ------------------------------------------------------------------- drawing

void TChartAxis::Draw(bool CalcPosAxis)
{
    TChartCanvas& C = *FParentChart->Canvas();
    IAxisDateTime = false;
    if (CalcPosAxis) {
        const TRect& R = FParentChart->ChartRect();
        switch (Side()) {
        case asLeft: FPosAxis = R.Left; break;
        case asBottom: FPosAxis = R.Bottom; break;
        case asRight: FPosAxis = R.Right; break;
        case asTop: FPosAxis = R.Top; break;
        }
    }
    if (FTitle && FTitle->Visible() && !FTitle->Caption().isEmpty()) {
        const int Along = TitlePositionAlongAxis();
        if (FHorizontal)
            DrawAxisTitle(Along, FPosTitle);
        else
            DrawAxisTitle(FPosTitle, Along);
    }
    BuildLabelItems();

    C.Brush()->SetStyle(bsClear);
    C.SetBackMode(cbmTransparent);
    if (FAxis.Visible())
        DrawAxisLine();
    if (FTickLength != 0 && FTicks.Visible()) {
        C.AssignVisiblePen(FTicks);
        DrawTicks(Tick, FTickLength, false);
    }
    DrawGridLines(int(Tick.size()));
    DrawMinorTicks();
    DrawLabels();
}

int TChartAxis::TitlePositionAlongAxis()
{
    const TAxisTitlePosition Position = FTitle->Position();
    if (Position == tpCenter)
        return ICenterPos;
    FTitle->SetShapeBounds({});
    FTitle->CalcBounds();
    const int w = FTitle->ShapeBounds().Width() / 2;
    const bool AtStart = Position == tpStart;
    if (FHorizontal)
        return AtStart ? IStartPos + w : IEndPos - w;
    // The start of a vertical axis is its minimum, at the bottom.
    return AtStart != FInverted ? IEndPos - w : IStartPos + w;
}

void TChartAxis::DrawAxisLine()
{
    TChartCanvas& C = *FParentChart->Canvas();
    C.AssignVisiblePen(FAxis);
    const int w = FAxis.Width();
    switch (Side()) {
    case asBottom: C.DoHorizLine(IStartPos, IEndPos, FPosAxis + IWallSize + w / 2); break;
    case asLeft: C.DoVertLine(FPosAxis - (IWallSize + w / 2), IStartPos, IEndPos); break;
    case asTop: C.DoHorizLine(IStartPos, IEndPos, FPosAxis); break;
    case asRight: C.DoVertLine(FPosAxis + w / 2, IStartPos, IEndPos); break;
    }
}

void TChartAxis::DrawTicks(const std::vector<int>& Positions, int Length, bool Bounded)
{
    TChartCanvas& C = *FParentChart->Canvas();
    // Ticks start just outside the axis line and point away from the plot.
    const int w = FAxis.Width();
    for (const int p : Positions) {
        if (Bounded && !(IStartPos < p && p < IEndPos))
            continue;
        switch (Side()) {
        case asBottom: {
            const int y0 = FPosAxis + IWallSize + w;
            C.DoVertLine(p, y0, y0 + Length);
            break;
        }
        case asLeft: {
            const int x0 = FPosAxis - IWallSize - w;
            C.DoHorizLine(x0, x0 - Length, p);
            break;
        }
        case asTop: {
            const int y0 = FPosAxis - IWallSize - w;
            C.DoVertLine(p, y0, y0 - Length);
            break;
        }
        case asRight: {
            const int x0 = FPosAxis + IWallSize + w;
            C.DoHorizLine(x0, x0 + Length, p);
            break;
        }
        }
    }
}

void TChartAxis::DrawMinorTicks()
{
    const bool Ticks = FMinorTickLength != 0 && FMinorTicks.Visible();
    if (Tick.empty() || (!Ticks && !FMinorGrid.Visible()))
        return;
    // Minor ticks divide the pixel distance of neighbouring ticks, and extend
    // the pattern one interval beyond the first and the last tick.
    const int k = FMinorTickCount;
    const double f = 1.0 / (k + 1);
    std::vector<int> Minor;
    const size_t Last = Tick.size() - 1;
    if (Tick.size() >= 2) {
        const int d = Tick[1] - Tick[0];
        for (int c = 1; c <= k; ++c) {
            const int o = RoundInt(c * d * f);
            Minor.push_back(Tick[0] - o);
            Minor.push_back(Tick[Last] + o);
        }
    }
    for (size_t i = 1; i <= Last; ++i) {
        const int d = Tick[i] - Tick[i - 1];
        for (int j = 1; j <= k; ++j)
            Minor.push_back(Tick[i] - RoundInt(d * f * j));
    }

    TChartCanvas& C = *FParentChart->Canvas();
    C.SetBackMode(cbmTransparent);
    C.Brush()->SetStyle(bsClear);
    if (Ticks) {
        C.AssignVisiblePen(FMinorTicks);
        DrawTicks(Minor, FMinorTickLength, true);
    }
    if (FMinorGrid.Visible()) {
        C.AssignVisiblePen(FMinorGrid);
        for (const int p : Minor)
            DrawGridLine(p);
    }
}

void TChartAxis::DrawGridLine(int Pos)
{
    // Never on the axis' end pixels, never over the left or top edge pixel
    // of the chart rectangle.
    if (!(IStartPos < Pos && Pos < IEndPos))
        return;
    TChartCanvas& C = *FParentChart->Canvas();
    const TRect& R = FParentChart->ChartRect();
    if (FHorizontal)
        C.DoVertLine(Pos, R.Top + 1, R.Bottom);
    else
        C.DoHorizLine(R.Left + 1, R.Right, Pos);
}

void TChartAxis::DrawGridLines(int Count)
{
    if (!FGrid.Visible())
        return;
    TChartCanvas& C = *FParentChart->Canvas();
    C.SetBackMode(cbmTransparent);
    C.Brush()->SetStyle(bsClear);
    C.AssignVisiblePenColor(FGrid, FGrid.Color() == clDefault ? 0x808080 : FGrid.Color());
    const int n = std::max(FGrid.DrawEvery(), 1);
    Count = std::min(Count, int(Tick.size()));
    if (!FGrid.Centered()) {
        for (int i = 0; i < Count; ++i)
            if (i % n == 0)
                DrawGridLine(Tick[size_t(i)]);
    } else {
        for (int i = 1; i < Count; ++i)
            if (i % n == 0)
                DrawGridLine(RoundInt((Tick[size_t(i)] + Tick[size_t(i - 1)]) * 0.5));
    }
}

void TChartAxis::DrawLabels()
{
    TChartCanvas& C = *FParentChart->Canvas();
    for (size_t i = 0; i < FItems.size(); ++i) {
        const TAxisItem& Item = FItems[i];
        const bool InRange = IDrawAll || (IMinimum <= Item.FValue && Item.FValue <= IMaximum)
            || Numbers::SameValue(Item.FValue, IMinimum);
        if (!InRange || !FLabelsFormat->Visible())
            continue;
        FParentChart->PrepareFont3D(*LabelsFont());
        C.Brush()->SetStyle(bsClear);
        C.SetBackMode(cbmTransparent);
        TCustomTextShape* Format = FLabelsFormat.get();
        if (int(i) == FHoverIndex) {
            Format = LabelsHover();
            // The hover font follows the labels' size; the chart is not told.
            TChartFont* Font = Format->Font();
            if (Font->Size() != LabelsFont()->Size()) {
                TQuietChart Quiet(FParentChart);
                Font->SetSize(LabelsFont()->Size());
            }
            FParentChart->PrepareFont3D(*Font);
        }
        if (FHorizontal)
            DrawAxisLabel(Item.FLabelPos, FPosLabels, FLabelsAngle, Item.FText, Format);
        else
            DrawAxisLabel(FPosLabels, Item.FLabelPos, FLabelsAngle, Item.FText, Format);
    }
}

void TChartAxis::DrawAxisLabel(int X, int Y, int /*Angle*/, const QString& St, TCustomTextShape* Format)
{
    TChartCanvas& C = *FParentChart->Canvas();
    const int a = RoundInt(C.TextSize(W).height());

    int Code;
    switch (Side()) {
    case asLeft: Code = ta_Right; break;
    case asRight: Code = ta_LeftTop; break;
    case asTop: Code = ta_CenterBottom; break;
    case asBottom:
    default: Code = ta_Center; break;
    }
    if (!FHorizontal && FLabelsAlign == alCenter) {
        Code = ta_Center;
        X += FOtherSide ? FLabelsBand / 2 : -FLabelsBand / 2;
    } else if (!FHorizontal && FLabelsAlign == alOpposite) {
        Code = FOtherSide ? ta_Right : ta_LeftTop;
        X += FOtherSide ? FLabelsBand : -FLabelsBand;
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
        Y -= RoundInt(a * 0.5 * (NumLines + 1));

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
    Shape->SetShapeBounds(Box);
    Shape->Draw();
}

void TChartAxis::DrawAxisTitle(int X, int Y)
{
    TChartCanvas& C = *FParentChart->Canvas();
    TChartAxisTitle& T = *Title();
    FParentChart->PrepareFont3D(*T.Font());
    C.SetBackMode(cbmTransparent);
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
        Left = X + Offset - RoundInt(Wd * s * 0.5);
        Top = Y - h;
    }
    T.SetShapeBounds({Left, Top, Left + Wd, Top + Ht});
    T.Draw();
}

// --------------------------------------------------------------------- hover

int TChartAxis::LabelAtPoint(int X, int Y)
{
    if (FItems.empty())
        return -1;
    TChartCanvas& C = *FParentChart->Canvas();
    FParentChart->PrepareFont3D(*LabelsFont());
    const int h = C.TextHeight(W);
    for (size_t i = 0; i < FItems.size(); ++i) {
        const TAxisItem& Item = FItems[i];
        const int w = C.TextWidth(Item.FText);
        TRect Box;
        switch (Side()) {
        case asBottom: Box = {Item.FLabelPos - w / 2, FPosLabels, Item.FLabelPos - w / 2 + w, FPosLabels + h}; break;
        case asTop: Box = {Item.FLabelPos - w / 2, FPosLabels - h, Item.FLabelPos - w / 2 + w, FPosLabels}; break;
        case asLeft: Box = {FPosLabels - w, Item.FLabelPos - h / 2, FPosLabels, Item.FLabelPos - h / 2 + h}; break;
        case asRight: Box = {FPosLabels, Item.FLabelPos - h / 2, FPosLabels + w, Item.FLabelPos - h / 2 + h}; break;
        }
        if (Box.Left <= X && X <= Box.Right && Box.Top <= Y && Y <= Box.Bottom)
            return int(i);
    }
    return -1;
}
