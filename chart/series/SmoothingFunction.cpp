#include "chart/series/SmoothingFunction.h"

#include "chart/series/BSpline.h"
#include "chart/series/ChartSeries.h"
#include "core/ChangeNotifier.h"

#include <algorithm>
#include <cstdint>

TSmoothingFunction::TSmoothingFunction(TSeriesChart* AOwner) : TChartFunction(AOwner)
{
    CanUsePeriod = false;
    SingleSource = true;
    FPeriod = 1;
}

void TSmoothingFunction::SetInterpolate(bool Value)
{
    if (Change(FInterpolate, Value))
        Changed();
}

void TSmoothingFunction::SetFactor(int Value)
{
    if (Change(FFactor, std::max(Value, 1)))
        Changed();
}

// The source list the parent's Y list names, else the source's own Y list.
static const TChartValueList* SourceYList(const TChartSeries* Parent, const TChartSeries* Source)
{
    const QString& Name = Parent->MandatoryValueList()->ValueSource();
    if (!Name.isEmpty())
        for (const auto& List : Source->ValuesList())
            if (List->Name() == Name)
                return List.get();
    return Source->MandatoryValueList();
}

void TSmoothingFunction::AddPoints(TChartSeries* Source)
{
    TChartSeries* Parent = FParent;
    Parent->Clear();
    const int Count = Source->Count();
    if (Count == 0)
        return;
    const std::vector<double>& X = Source->NotMandatoryValueList()->Value();
    const std::vector<double>& Y = SourceYList(Parent, Source)->Value();
    if (Count == 1) {
        // A curve needs two points; a single point stays what it is.
        Parent->AddXY(X[0], Y[0], QString(), clDefault);
        return;
    }

    TBSpline Spline;
    for (int i = 0; i < Count; ++i) {
        Spline.AddPoint(X[size_t(i)], Y[size_t(i)]);
        Spline.FSetKnuckle(i, false);
    }
    Spline.SetInterpolated(FInterpolate);
    Spline.SetFragments(int(std::min<int64_t>(int64_t(Count) * FFactor, INT32_MAX)));

    const int Fragments = Spline.Fragments();
    const double Step = 1.0 / Fragments;
    for (int a = 0; a <= Fragments; ++a) {
        const TBSplinePoint P = Spline.Value(a * Step);
        Parent->AddXY(P.X, P.Y, QString(), clDefault);
    }
}
