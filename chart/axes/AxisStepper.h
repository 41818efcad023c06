#pragma once

#include <functional>
#include <vector>

class TAxisScale;

// The smallest label step ever chosen for limits of magnitude 1 and above;
// below that it shrinks with the limits (TAxisScale::ILimitScale).
inline constexpr double SmallestAxisStep = 1e-12;

// The axis settings the label step depends on.
struct TAxisStepSettings {
    // The wanted step; 0 lets the stepper choose.
    double Increment = 0;
    // Labels on multiples of the step.
    bool RoundFirstLabel = true;
    // Extra gap between labels in percent of the label size.
    int LabelsSeparation = 10;
    // Alternating label rows: half the step.
    bool LabelsAlternate = false;
};

// The label step of an axis and the values that get labels, from the axis'
// range and length (a TAxisScale) and the sizes of a few sample labels. Text
// is measured by the caller, so no fonts are needed here.
class TAxisStepper {
public:
    // The pixels a value's label takes along the axis.
    using TLabelSize = std::function<int(double Value)>;
    // Whether some series on the axis has no more than Count points.
    using TFewPoints = std::function<bool(int Count)>;

    // The scale must outlive the stepper. Without FewPoints no series counts
    // as having few points.
    TAxisStepper(const TAxisScale& AScale, const TAxisStepSettings& ASettings, TFewPoints AFewPoints = {});

    // The step for the current range, from the largest of five sample labels.
    double CalcIncrement(const TLabelSize& LabelSize) const;
    // The step for labels MaxLabelSize pixels long.
    double CalcXYIncrement(int MaxLabelSize) const;
    // The step for at most Count labels.
    double StepForLabelCount(int Count) const;
    // The smallest 1, 2 or 5 times a power of ten strictly above X.
    static double NextNiceStep(double X);

    // The values that get labels with Step, largest first. None for a step
    // that is not positive, an inverted range or too many labels.
    std::vector<double> LabelValues(double Step) const;
    // The largest Size of the labels the range takes with Step (at most 5000
    // of them are measured).
    int WidestLabel(double Step, const TLabelSize& Size) const;

private:
    const TAxisScale& FScale;
    TAxisStepSettings FSettings;
    TFewPoints FFewPoints;
};
