#include "chart/axes/ChartAxis.h"

#include "chart/axes/AxisException.h"
#include "chart/axes/AxisLabelsFormat.h"
#include "chart/axes/AxisPainter.h"
#include "chart/axes/ChartAxes.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/axes/ChartContext.h"
#include "chart/axes/QuietChart.h"
#include "chart/canvas/ChartCanvas.h"
#include "core/Numbers.h"

#include <QStringLiteral>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

const QString W = QStringLiteral("W");

} // namespace

TChartAxis::TChartAxis(TChartContext* AChart, bool AHorizontal, bool AOtherSide)
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
    if (Change(FMinimumValue, Value))
        Repaint();
}

void TChartAxis::SetMaximum(double Value)
{
    if (FMinimumValue > Value || std::isnan(Value))
        throw AxisException(QStringLiteral("Axis Maximum Value must be >= Minimum"));
    if (Change(FMaximumValue, Value))
        Repaint();
}

void TChartAxis::SetIncrement(double Value)
{
    if (!(Value >= 0))
        throw AxisException(QStringLiteral("Axis increment must be >= 0"));
    if (Change(FDesiredIncrement, Value))
        Repaint();
}

void TChartAxis::SetLabelsSeparation(int Value)
{
    if (Value < 0)
        throw AxisException(QStringLiteral("Labels Separation % must be greater than 0"));
    if (Change(FLabelsSeparation, Value))
        Repaint();
}

void TChartAxis::SetMinMax(double AMin, double AMax)
{
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    FMinimumValue = std::min(AMin, AMax);
    FMaximumValue = std::max(AMin, AMax);
    // Limits that differ stay apart however small they are: the absolute
    // part of the test shrinks with them, as the range's own tests do.
    TAxisScale Limits(FHorizontal);
    Limits.IMinimum = FMinimumValue;
    Limits.IMaximum = FMaximumValue;
    Limits.RecalcRange();
    if (Limits.SameValue(FMinimumValue, FMaximumValue)) {
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

void TChartAxis::RestoreScale(bool AAutomatic, bool AAutomaticMinimum, bool AAutomaticMaximum, double AMinimum,
                              double AMaximum)
{
    FAutomatic = AAutomatic;
    FAutomaticMinimum = AAutomaticMinimum;
    FAutomaticMaximum = AAutomaticMaximum;
    FMaximumValue = AMaximum;
    FMinimumValue = AMinimum;
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
    if (Change(FHoverIndex, Value))
        Repaint();
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
    // The ends come from the chart rectangle, as when the axis was placed.
    PlaceOnChartRect();
}

void TChartAxis::PadRangeForSeries()
{
    TRect Margins;
    if ((FAutomaticMinimum || FAutomaticMaximum) && FParentChart) {
        int Low = 0;
        int High = 0;
        FParentChart->SeriesPixelMargins(this, Low, High);
        if (FHorizontal) {
            if (FAutomaticMinimum)
                Margins.Left = std::max(Margins.Left, Low);
            if (FAutomaticMaximum)
                Margins.Right = std::max(Margins.Right, High);
        } else {
            if (FAutomaticMinimum)
                Margins.Bottom = std::max(Margins.Bottom, Low);
            if (FAutomaticMaximum)
                Margins.Top = std::max(Margins.Top, High);
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

void TChartAxis::CalcPosValues(const double* Values, int Count, int* Out) const
{
    if (FParentChart && FParentChart->AxesList()->FastCalc()) {
        CalcPosFastMany(Values, Count, Out);
        return;
    }
    for (int i = 0; i < Count; ++i)
        Out[i] = CalcPosDefault(Values[i]);
}

// ---------------------------------------------------------------- label step

QString TChartAxis::LabelValue(double Value) const
{
    // Past MaxLabelDigits the zeros that only place the digits would take the
    // plot's room (1e300 has 301 digits). The exponent form shows the digits
    // down to one place below the step's, which hides what adding up the
    // steps left in the last places (5.00000000000001E298).
    int Significant = MaxLabelDigits;
    // What is left of zero after taking the step many times is zero.
    if (ILabelStep > 0 && std::fabs(Value) < ILabelStep * 1e-9)
        Value = 0;
    if (ILabelStep > 0 && std::isfinite(ILabelStep) && Value != 0 && std::isfinite(Value)) {
        const int Needed = int(std::floor(std::log10(std::fabs(Value)))) - int(std::floor(std::log10(ILabelStep))) + 2;
        Significant = std::clamp(Needed, 1, MaxLabelDigits);
    }
    QString Text = Numbers::FormatNumberShort(Value, FAxisValuesFormat, ILabelDecimals, MaxLabelDigits, Significant);
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
    ILabelDecimals = -1;
    ILabelStep = 0;
    double Step = SampledIncrement();
    int Decimals = DistinctLabelDecimals(Step);
    // Longer labels can only make the step larger, which never needs more
    // decimals: one more round settles it. The last step's own need is kept,
    // so no label shows more decimals than its neighbours call for.
    if (Decimals > ILabelDecimals) {
        ILabelDecimals = Decimals;
        Step = SampledIncrement();
        Decimals = DistinctLabelDecimals(Step);
    }
    ILabelDecimals = Decimals;
    ILabelStep = Step;
    return Step;
}

double TChartAxis::SampledIncrement()
{
    return Stepper().CalcIncrement([this](double Value) {
        return FHorizontal ? LabelWidth(Value) : LabelHeight(Value);
    });
}

int TChartAxis::DistinctLabelDecimals(double Step) const
{
    // Labels two or more units of the format's last decimal apart never
    // round to the same text.
    const int Own = Numbers::PatternDecimals(FAxisValuesFormat);
    if (!(Step > 0) || Step >= 2 * std::pow(10.0, -Own))
        return -1;
    const std::vector<double> Values = Stepper().LabelValues(Step);
    if (Values.size() < 2)
        return -1;
    auto Distinct = [&Values, this](int Decimals) {
        auto Text = [this, Decimals](double Value) {
            return Decimals < 0 ? Numbers::FormatNumber(Value, FAxisValuesFormat)
                                : Numbers::FormatNumber(Value, FAxisValuesFormat, Decimals);
        };
        QString Previous = Text(Values[0]);
        for (size_t i = 1; i < Values.size(); ++i) {
            QString Current = Text(Values[i]);
            if (Current == Previous)
                return false;
            Previous = std::move(Current);
        }
        return true;
    };
    if (Distinct(-1))
        return -1;
    // A multiple of 1, 2 or 5 times 10^-k shows exactly with k decimals;
    // other steps (a wanted increment, labels off the multiples) may need
    // more, up to the 17 significant digits a double holds.
    double Largest = 0;
    for (const double Value : Values)
        Largest = std::max(Largest, std::fabs(Value));
    if (!(Largest > 0) || !std::isfinite(Largest))
        return -1;
    const int Most = std::max(Own + 1, 16 - int(std::floor(std::log10(Largest))));
    const int First = std::clamp(int(std::ceil(-std::log10(Step) - 1e-9)), Own + 1, Most);
    for (int Decimals = First; Decimals < Most; ++Decimals)
        if (Distinct(Decimals))
            return Decimals;
    return Most;
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
    return FParentChart->SeriesFewPoints(this, Count);
}

// -------------------------------------------------------------------- labels

TAxisLabelStyle TChartAxis::CalcLabelStyle() const
{
    if (FLabelStyle != talAuto)
        return FLabelStyle;
    if (!FParentChart)
        return talNone;
    return FParentChart->SeriesLabelStyle(this);
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
        FItems.push_back({Text, Value, Pos, TRect{}});
}

// ------------------------------------------------- bands, drawing, hover

void TChartAxis::ReserveAxisSpace(TRect& Rect, bool InflateChartRectangle)
{
    TAxisPainter(this).ReserveAxisSpace(Rect, InflateChartRectangle);
}

void TChartAxis::LayoutLabels(bool CalcPosAxis)
{
    TAxisPainter(this).Layout(CalcPosAxis);
}

void TChartAxis::DrawLaidOut()
{
    TAxisPainter(this).Paint();
}

void TChartAxis::Draw(bool CalcPosAxis)
{
    TAxisPainter(this).Draw(CalcPosAxis);
}

TRect TChartAxis::TitleBounds() const
{
    return ITitleShown && FTitle ? FTitle->ShapeBounds() : TRect{};
}

void TChartAxis::DrawAxisLabel(int X, int Y, int /*Angle*/, const QString& St, TCustomTextShape* Format)
{
    TAxisPainter(this).DrawAxisLabel(X, Y, St, Format);
}

void TChartAxis::DrawAxisTitle(int X, int Y)
{
    TAxisPainter(this).DrawAxisTitle(X, Y);
}

void TChartAxis::DrawGridLines(int Count)
{
    TAxisPainter(this).DrawGridLines(Count);
}

int TChartAxis::LabelAtPoint(int X, int Y)
{
    return TAxisPainter(this).LabelAtPoint(X, Y);
}

bool TChartAxis::LineOrLabelsAt(int X, int Y)
{
    return FShown && TAxisPainter(this).LineOrLabelsAt(X, Y);
}

bool TChartAxis::TitleAt(int X, int Y)
{
    if (!FShown || !FTitle || !FTitle->Visible() || FTitle->Caption().isEmpty())
        return false;
    const TRect& R = FTitle->ShapeBounds();
    return R.Left <= X && X <= R.Right && R.Top <= Y && Y <= R.Bottom;
}
