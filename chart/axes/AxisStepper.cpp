#include "chart/axes/AxisStepper.h"

#include "chart/axes/AxisScale.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

TAxisStepper::TAxisStepper(const TAxisScale& AScale, const TAxisStepSettings& ASettings, TFewPoints AFewPoints)
    : FScale(AScale), FSettings(ASettings), FFewPoints(std::move(AFewPoints))
{
}

double TAxisStepper::CalcIncrement(const TLabelSize& LabelSize) const
{
    const double Increment = FSettings.Increment;
    const double IMinimum = FScale.IMinimum;
    const double IMaximum = FScale.IMaximum;
    double Lo;
    double Hi;
    if (FSettings.RoundFirstLabel && Increment != 0) {
        if (std::fabs(IMinimum) <= 9223372036854775807.0)
            Lo = double(Numbers::Round(IMinimum)) * Increment;
        else
            Lo = Increment * IMinimum;
        Hi = Numbers::Int(IMaximum) * Increment;
    } else {
        Lo = IMinimum;
        Hi = IMaximum;
    }
    // A sample with decimals, so that the measured text is as long as real
    // labels get (50 -> 25 -> 12.5).
    double Mid = (Hi + Lo) * 0.5;
    if (std::isinf(Mid))
        Mid = 0;
    while (Mid != 0 && !std::isnan(Mid) && Mid == std::trunc(Mid))
        Mid *= 0.5;

    int Largest = std::max({LabelSize(Mid), LabelSize(Lo), LabelSize(Hi)});
    if (Increment != 0)
        Largest = std::max({Largest, LabelSize(Lo + Increment), LabelSize(Hi - Increment)});

    double Step = CalcXYIncrement(Largest);
    if (FSettings.LabelsAlternate)
        Step *= 0.5;
    return Step;
}

double TAxisStepper::CalcXYIncrement(int MaxLabelSize) const
{
    int Count;
    if (MaxLabelSize > 0 && FScale.IAxisSize > 0) {
        if (FSettings.LabelsSeparation > 0)
            MaxLabelSize += Numbers::RoundInt(FSettings.LabelsSeparation * 0.01 * MaxLabelSize);
        Count = Numbers::RoundInt(double(FScale.IAxisSize) / MaxLabelSize);
    } else {
        Count = 1;
    }
    return StepForLabelCount(Count);
}

double TAxisStepper::StepForLabelCount(int Count) const
{
    // The smallest step shrinks with the magnitude of the limits, as the
    // axis' other tolerances do.
    const double Smallest = SmallestAxisStep * FScale.ILimitScale;
    if (Count < 1)
        return Smallest;
    const double Increment = FSettings.Increment;
    const double IRange = FScale.IRange;
    double Step;
    if (Increment > 0)
        Step = Increment;
    else if (FScale.IRangeZero)
        Step = 1;
    else {
        Step = std::fabs(IRange) / (Count + 1.0);
        if (IRange >= 1.1 && FFewPoints && FFewPoints(Count))
            Step = std::max(Step, 1.0);
    }
    if (Step != 0) {
        int64_t n = int64_t(Count) + 1;
        do {
            const double Quotient = IRange / Step;
            const bool TooLarge = !(std::fabs(Quotient) < 2147483647.0);
            if (!TooLarge)
                n = Numbers::Round(Quotient);
            if (n > Count || TooLarge) {
                // A wanted step is only ever doubled, never made "nice".
                if (Increment > 0 && !TooLarge)
                    Step *= 2;
                else
                    Step = NextNiceStep(Step);
            }
        } while (n > Count && IRange >= Step && std::isfinite(Step));
    }
    if (std::isinf(Step))
        return IRange;
    return std::max(Step, Smallest);
}

double TAxisStepper::NextNiceStep(double X)
{
    if (std::isinf(X))
        return 1;
    // Nothing above zero is reached from here by powers of ten.
    if (!(X > 0))
        return 1;
    if (X >= 10)
        return double(NextNiceStep(double(X * 0.1L)) * 10.0L);
    if (X < 1)
        return double(NextNiceStep(double(X * 10.0L)) * 0.1L);
    if (X < 2)
        return 2;
    if (X < 5)
        return 5;
    return 10;
}

std::vector<double> TAxisStepper::LabelValues(double Step) const
{
    std::vector<double> Values;
    const double IMinimum = FScale.IMinimum;
    const double IMaximum = FScale.IMaximum;
    if (!(Step > 0) || !(IMinimum <= IMaximum) || std::fabs(FScale.IRange / Step) >= 10000)
        return Values;
    // Labels are made from the top value downwards, by repeated subtraction.
    double v;
    if (FScale.SameValue(IMaximum, IMinimum) || !FSettings.RoundFirstLabel)
        v = IMaximum;
    else
        v = double(Numbers::Trunc(IMaximum / Step)) * Step;
    while (IMaximum < v) {
        const double Next = v - Step;
        if (FScale.SameValue(Next, v))
            break;
        v = Next;
    }
    // One label when the range is empty or the step is negligible against
    // the value.
    if (FScale.IRangeZero || FScale.SameValue(IMinimum, IMaximum) || FScale.SameValue(v, v - Step)) {
        Values.push_back(v);
        return Values;
    }
    // Just below a non-negative minimum, so that a label exactly at the
    // minimum survives the rounding of the repeated subtraction.
    const double Lowest = IMinimum < 0 ? IMinimum : (IMinimum - FScale.Tolerance()) / (1 + 1e-12);
    while (v >= Lowest) {
        Values.push_back(v);
        const double Next = v - Step;
        if (FScale.SameValue(Next, v))
            break;
        v = Next;
    }
    return Values;
}

int TAxisStepper::WidestLabel(double Step, const TLabelSize& Size) const
{
    double Lo = FScale.IMinimum;
    double Hi = FScale.IMaximum;
    if (FSettings.RoundFirstLabel && Step != 0) {
        Lo = Numbers::Int(FScale.IMinimum / Step) * Step;
        Hi = Numbers::Int(FScale.IMaximum / Step) * Step;
    }
    if (Step == 0)
        return std::max(Size(Lo), Size(Hi));
    int Widest = 0;
    int Count = 0;
    do {
        Widest = std::max(Widest, Size(Hi));
        Hi -= Step;
    } while (Hi >= Lo && ++Count < 5000);
    return Widest;
}
