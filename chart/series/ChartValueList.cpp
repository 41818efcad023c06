#include "chart/series/ChartValueList.h"

#include "chart/series/ChartSeries.h"

#include <cmath>
#include <stdexcept>

TChartValueList::TChartValueList(TChartSeries* AOwner, const QString& AName)
    : FName(AName), FOwner(AOwner)
{
}

double TChartValueList::MinValue()
{
    if (FModified)
        RecalcStats();
    return FMinValue;
}

double TChartValueList::MaxValue()
{
    if (FModified)
        RecalcStats();
    return FMaxValue;
}

double TChartValueList::Total()
{
    if (FModified)
        RecalcStats();
    return FTotal;
}

double TChartValueList::TotalABS()
{
    if (FModified)
        RecalcStats();
    return FTotalABS;
}

double TChartValueList::Range()
{
    return MaxValue() - MinValue();
}

void TChartValueList::SetModified(bool Value)
{
    FModified = Value;
    if (Value)
        ++FVersion;
    if (Value && FOwner)
        FOwner->ValuesModified(this);
}

void TChartValueList::RecalcStats()
{
    if (FValue.empty()) {
        FMinValue = FMaxValue = FTotal = FTotalABS = 0;
    } else {
        double v = FValue[0];
        FMinValue = FMaxValue = FTotal = v;
        FTotalABS = std::fabs(v);
        for (size_t t = 1; t < FValue.size(); ++t) {
            v = FValue[t];
            // A value that does not compare with the minimum (NaN on either
            // side) replaces it; the maximum is only looked at otherwise.
            if (v < FMinValue || !(v >= FMinValue))
                FMinValue = v;
            else if (v > FMaxValue)
                FMaxValue = v;
            FTotal += v;
            FTotalABS += std::fabs(v);
        }
    }
    FModified = false;
}

int TChartValueList::InsertOrdered()
{
    const double v = FTempValue;
    int t = Count();
    switch (FOrder) {
    case loNone:
        break;
    case loAscending:
        // Appending is the common case; it also takes values that do not
        // compare with the last one. Equal values go after the stored ones.
        if (t > 0 && v < FValue[size_t(t - 1)]) {
            --t;
            while (t >= 0 && v < FValue[size_t(t)])
                --t;
            ++t;
        }
        break;
    case loDescending:
        if (t > 0 && v > FValue[size_t(t - 1)]) {
            --t;
            while (t >= 0 && !(v <= FValue[size_t(t)]))
                --t;
            ++t;
        }
        break;
    }
    FValue.insert(FValue.begin() + t, v);
    SetModified(true);
    return t;
}

void TChartValueList::InsertValueAt(int Index, double Value)
{
    if (Index < 0 || Index > Count())
        throw std::out_of_range("TChartValueList::InsertValueAt: index out of range");
    FValue.insert(FValue.begin() + Index, Value);
    SetModified(true);
}

void TChartValueList::Delete(int ValueIndex)
{
    Delete(ValueIndex, 1);
}

void TChartValueList::Delete(int Start, int Quantity)
{
    if (Start < 0 || Quantity < 0 || Start > Count() || Quantity > Count() - Start)
        throw std::out_of_range("TChartValueList::Delete: index out of range");
    if (Quantity == 0)
        return;
    FValue.erase(FValue.begin() + Start, FValue.begin() + Start + Quantity);
    SetModified(true);
}

void TChartValueList::Clear()
{
    std::vector<double>().swap(FValue);
    SetModified(true);
}
