#include "chart/series/ChartSeries.h"

#include "core/ChangeNotifier.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartException.h"
#include "chart/series/ColorPalettes.h"
#include "chart/series/SeriesChart.h"
#include "chart/series/ChartSeriesList.h"
#include "chart/canvas/ChartCanvas.h"

#include <QStringLiteral>

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <utility>

TChartSeries::TChartSeries(TSeriesChart* AOwner)
    : TCustomChartSeries(AOwner),
      FPercentFormat(QStringLiteral("##0.## %")),
      FValueFormat(QStringLiteral("#,##0.###"))
{
    FValuesList.push_back(std::make_unique<TChartValueList>(this, QStringLiteral("X")));
    FX = FValuesList.back().get();
    FX->SetOrder(loAscending);
    FValuesList.push_back(std::make_unique<TChartValueList>(this, QStringLiteral("Y")));
    FY = FValuesList.back().get();
}

TChartSeries::~TChartSeries()
{
    if (FParent)
        FParent->RemoveSeries(this);
}

void TChartSeries::SetParentChart(TSeriesChart* Value)
{
    if (FParent == Value)
        return;
    if (FParent)
        FParent->RemoveSeries(this);
    if (Value)
        Value->AttachSeries(this);
}

void TChartSeries::DrawLegend(TChartCanvas& Canvas, const TRect& Rect)
{
    const TColor Color = SeriesColor();
    if (Color == clNone || Color == clDefault || Rect.IsEmpty())
        return;
    Canvas.Pen()->SetStyle(psClear);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.FillRect(Rect);
}

int TChartSeries::SeriesIndex() const
{
    return FParent ? FParent->SeriesList()->IndexOf(this) : -1;
}

void TChartSeries::Added()
{
    if (FLegend)
        FLegend->SetParentChart(FParent);
    if (FColor == clDefault) {
        AssignAutoColor(FParent->GetFreeSeriesColor(true, nullptr));
        FParent->BroadcastSeriesEvent(this, seChangeColor);
    }
    ResolveAxes();
}

void TChartSeries::Removed()
{
    if (FLegend)
        FLegend->SetParentChart(nullptr);
    FGetHorizAxis = nullptr;
    FGetVertAxis = nullptr;
}

void TChartSeries::ResolveAxes()
{
    // Custom axes arrive with the axis list; until then they bind like the
    // default sides.
    if (!FParent) {
        FGetHorizAxis = nullptr;
        FGetVertAxis = nullptr;
        return;
    }
    FGetHorizAxis = FHorizAxis == aTopAxis ? FParent->TopAxis() : FParent->BottomAxis();
    FGetVertAxis = FVertAxis == aRightAxis ? FParent->RightAxis() : FParent->LeftAxis();
}

// ---------------------------------------------------------------- points

int TChartSeries::AddXY(double AXValue, double AYValue, const QString& ALabel, TColor AColor)
{
    FX->SetTempValue(AXValue);
    FY->SetTempValue(AYValue);
    if (OnBeforeAdd && !OnBeforeAdd(this))
        return -1;

    const int OldCount = Count();
    const int i = FX->InsertOrdered();
    try {
        for (auto& List : FValuesList)
            if (List.get() != FX)
                List->InsertValueAt(i, List->TempValue());
        if (FColors) {
            FColors->insert(FColors->begin() + i, AColor);
        } else if (AColor != clDefault) {
            std::vector<TColor> Colors(size_t(OldCount), clDefault);
            Colors.insert(Colors.begin() + i, AColor);
            FColors = std::move(Colors);
        }
        if (!ALabel.isEmpty() || !FLabels.isEmpty()) {
            if (FLabels.isEmpty())
                FLabels = QStringList(OldCount);
            FLabels.insert(i, ALabel);
        }
    } catch (...) {
        // Out of memory half way: take the point out of every list that got it
        // so that all lists keep the same length.
        for (auto& List : FValuesList)
            if (List->Count() > OldCount)
                List->Delete(i);
        if (FColors && int(FColors->size()) > OldCount)
            FColors->erase(FColors->begin() + i);
        if (FLabels.size() > OldCount)
            FLabels.removeAt(i);
        throw;
    }

    if (IUpdating == 0)
        NotifyValueAdded(i);
    return i;
}

bool TChartSeries::CanAppendArraysDirectly() const
{
    if (FX->Order() != loAscending || FValuesList.size() != 2 || FColors || !FLabels.isEmpty()
        || OnBeforeAdd || OnAfterAdd)
        return false;
    // The merge below reproduces one-by-one insertion only into sorted X
    // values that all compare.
    const std::vector<double>& Stored = FX->Value();
    for (size_t t = 0; t < Stored.size(); ++t)
        if (std::isnan(Stored[t]) || (t > 0 && Stored[t] < Stored[t - 1]))
            return false;
    return true;
}

void TChartSeries::AddXYArrays(std::vector<double> X, std::vector<double> Y)
{
    if (X.size() != Y.size())
        throw ChartException(QStringLiteral("Series AddXYArrays: %1 X values but %2 Y values.")
                                 .arg(qulonglong(X.size()))
                                 .arg(qulonglong(Y.size())));
    if (X.empty())
        return;
    if (X.size() > size_t(INT_MAX - Count()))
        throw std::length_error("Series AddXYArrays: too many points");

    if (!CanAppendArraysDirectly()
        || std::any_of(X.begin(), X.end(), [](double v) { return std::isnan(v); })) {
        for (size_t t = 0; t < X.size(); ++t)
            AddXY(X[t], Y[t], QString(), clDefault);
        return;
    }

    const size_t m = X.size();
    if (!std::is_sorted(X.begin(), X.end())) {
        // Stable, so equal X keep their arrival order.
        std::vector<std::pair<double, double>> Points(m);
        for (size_t t = 0; t < m; ++t)
            Points[t] = {X[t], Y[t]};
        std::stable_sort(Points.begin(), Points.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t t = 0; t < m; ++t) {
            X[t] = Points[t].first;
            Y[t] = Points[t].second;
        }
    }

    std::vector<double>& SX = FX->FValue;
    std::vector<double>& SY = FY->FValue;
    const size_t n0 = SX.size();
    if (n0 == 0) {
        SX = std::move(X);
        SY = std::move(Y);
    } else {
        // Reserve both first: nothing below can fail half way.
        SX.reserve(n0 + m);
        SY.reserve(n0 + m);
        if (!(X.front() < SX.back())) {
            SX.insert(SX.end(), X.begin(), X.end());
            SY.insert(SY.end(), Y.begin(), Y.end());
        } else {
            // Merge from the back; on equal X the new point goes after the
            // stored one, as InsertOrdered would place it.
            SX.resize(n0 + m);
            SY.resize(n0 + m);
            size_t i = n0, j = m, k = n0 + m;
            while (j > 0) {
                if (i > 0 && X[j - 1] < SX[i - 1]) {
                    --i;
                    --k;
                    SX[k] = SX[i];
                    SY[k] = SY[i];
                } else {
                    --j;
                    --k;
                    SX[k] = X[j];
                    SY[k] = Y[j];
                }
            }
        }
    }
    FX->SetModified(true);
    FY->SetModified(true);
    if (IUpdating == 0 && FActive)
        Repaint();
}

int TChartSeries::Add(double AValue, const QString& ALabel, TColor AColor)
{
    const double Position = Count();
    return FYMandatory ? AddXY(Position, AValue, ALabel, AColor)
                       : AddXY(AValue, Position, ALabel, AColor);
}

int TChartSeries::AddNull(const QString& ALabel)
{
    return Add(FDefaultNull, ALabel, clNone);
}

int TChartSeries::AddNullXY(double X, double Y, const QString& ALabel)
{
    return AddXY(X, Y, ALabel, clNone);
}

void TChartSeries::NotifyValueAdded(int ValueIndex)
{
    if (OnAfterAdd)
        OnAfterAdd(this, ValueIndex);
    if (FActive)
        Repaint();
}

static void CheckValueIndex(int ValueIndex, int Count)
{
    if (ValueIndex < 0 || ValueIndex >= Count)
        throw std::out_of_range("Series value index " + std::to_string(ValueIndex)
                                + " out of bounds (0 to " + std::to_string(Count - 1) + ")");
}

double TChartSeries::GetxValue(int ValueIndex) const
{
    CheckValueIndex(ValueIndex, Count());
    return (*FX)[ValueIndex];
}

double TChartSeries::GetyValue(int ValueIndex) const
{
    CheckValueIndex(ValueIndex, Count());
    return (*FY)[ValueIndex];
}

QString TChartSeries::Label(int ValueIndex) const
{
    return ValueIndex >= 0 && ValueIndex < FLabels.size() ? FLabels[ValueIndex] : QString();
}

void TChartSeries::Clear()
{
    for (auto& List : FValuesList)
        List->Clear();
    FColors.reset();
    FLabels.clear();
    FFirstVisibleIndex = -1;
    FLastVisibleIndex = -1;
    if (FActive)
        Repaint();
}

void TChartSeries::Delete(int ValueIndex)
{
    Delete(ValueIndex, 1);
}

void TChartSeries::Delete(int Start, int Quantity)
{
    if (Quantity <= 0)
        return;
    const int n = Count();
    if (Start < 0 || Start >= n || Quantity > n - Start) {
        const qint64 Bad = Start < 0 || Start >= n ? Start : qint64(n);
        throw ChartException(QStringLiteral("Series Delete: ValueIndex %1 out of bounds (0 to %2).")
                                 .arg(Bad)
                                 .arg(n - 1));
    }
    for (auto& List : FValuesList)
        List->Delete(Start, Quantity);
    if (FColors) {
        const int End = std::min(int(FColors->size()), Start + Quantity);
        if (Start < End)
            FColors->erase(FColors->begin() + Start, FColors->begin() + End);
    }
    const int LabelEnd = std::min(int(FLabels.size()), Start + Quantity);
    if (Start < LabelEnd)
        FLabels.remove(Start, LabelEnd - Start);
    if (IUpdating == 0 && FActive)
        Repaint();
}

void TChartSeries::EndUpdate()
{
    if (IUpdating > 0 && --IUpdating == 0)
        RefreshSeries();
}

void TChartSeries::RefreshSeries()
{
    if (FParent)
        FParent->BroadcastSeriesEvent(this, seDataChanged);
    if (FActive)
        Repaint();
}

// --------------------------------------------------------------- colours

void TChartSeries::SetSeriesColor(TColor Value)
{
    if (FColor == clDefault && Value == ISeriesColor)
        return;
    if (Change(FColor, Value))
        Repaint();
    ISeriesColor = FColor;
    if (FParent)
        FParent->BroadcastSeriesEvent(this, seChangeColor);
}

void TChartSeries::AssignAutoColor(TColor Value)
{
    ISeriesColor = Value;
    SetSeriesColor(Value);
}

void TChartSeries::SetColorEachPoint(bool Value)
{
    if (Change(FColorEachPoint, Value))
        Repaint();
}

TColor TChartSeries::GetValueColor(int ValueIndex) const
{
    if (FColors && ValueIndex >= 0 && size_t(ValueIndex) < FColors->size()) {
        const TColor c = (*FColors)[size_t(ValueIndex)];
        if (c != clDefault)
            return c;
    }
    if (!FColorEachPoint)
        return SeriesColor();
    return FParent ? FParent->GetDefaultColor(ValueIndex) : TColorPalettes::BuiltInColor(ValueIndex);
}

void TChartSeries::SetNull(int ValueIndex, bool Null)
{
    CheckValueIndex(ValueIndex, Count());
    if (Null) {
        if (!FColors)
            FColors.emplace(size_t(Count()), clDefault);
        (*FColors)[size_t(ValueIndex)] = clNone;
    } else if (FColors) {
        (*FColors)[size_t(ValueIndex)] = clDefault;
    } else {
        return;
    }
    if (FActive)
        Repaint();
}

void TChartSeries::SetTreatNulls(TTreatNullsStyle Value)
{
    if (Change(FTreatNulls, Value))
        Repaint();
}

void TChartSeries::SetValueFormat(const QString& Value)
{
    if (Change(FValueFormat, Value))
        Repaint();
}

void TChartSeries::SetPercentFormat(const QString& Value)
{
    if (Change(FPercentFormat, Value))
        Repaint();
}

// ----------------------------------------------------------- data limits

double TChartSeries::MinXValue()
{
    return FX->MinValue();
}

double TChartSeries::MaxXValue()
{
    return FX->MaxValue();
}

bool TChartSeries::AllPointsPainted() const
{
    return FTreatNulls == tnIgnore || (!FColors && !FColorEachPoint && SeriesColor() != clNone);
}

template <class TReplaces>
double TChartSeries::PaintedYLimit(TReplaces Replaces) const
{
    const std::vector<double>& Y = FY->Value();
    const bool All = AllPointsPainted();
    bool Found = false;
    double Result = 0;
    for (size_t t = 0; t < Y.size(); ++t) {
        if (!All && IsNull(int(t)))
            continue;
        if (!Found || Replaces(Y[t], Result)) {
            Result = Y[t];
            Found = true;
        }
    }
    return Result;
}

const TChartSeries::TYLimits& TChartSeries::YLimits()
{
    // With every point painted the limits depend on the values alone: the
    // automatic axes ask for them every frame, a million points each.
    const bool All = AllPointsPainted();
    if (!All || !IYLimits.Valid || IYLimits.Version != FY->Version()) {
        // A value that does not compare with the result replaces it.
        IYLimits.Min = PaintedYLimit([](double v, double r) { return !(v >= r); });
        IYLimits.Max = PaintedYLimit([](double v, double r) { return v >= r; });
        IYLimits.Version = FY->Version();
        IYLimits.Valid = All;
    }
    return IYLimits;
}

double TChartSeries::MinYValue()
{
    return YLimits().Min;
}

double TChartSeries::MaxYValue()
{
    return YLimits().Max;
}

void TChartSeries::PixelMarginsHoriz(int& Left, int& Right) const
{
    Left = 0;
    Right = 0;
}

void TChartSeries::PixelMarginsVert(int& Top, int& Bottom) const
{
    Top = 0;
    Bottom = 0;
}

// ----------------------------------------------------------- axis binding

void TChartSeries::SetHorizAxis(THorizAxis Value)
{
    if (!Change(FHorizAxis, Value))
        return;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis Value)
{
    if (!Change(FVertAxis, Value))
        return;
    ResolveAxes();
    Repaint();
}

bool TChartSeries::AssociatedToAxis(const TChartAxis* Axis) const
{
    if (!Axis)
        return false;
    if (Axis->Horizontal())
        return FHorizAxis == aBothHorizAxis || Axis == FGetHorizAxis;
    return FVertAxis == aBothVertAxis || Axis == FGetVertAxis;
}

int TChartSeries::CalcXPos(int ValueIndex) const
{
    return FGetHorizAxis ? FGetHorizAxis->CalcXPosValue(FX->Value()[size_t(ValueIndex)]) : 0;
}

int TChartSeries::CalcYPos(int ValueIndex) const
{
    return FGetVertAxis ? FGetVertAxis->CalcYPosValue(FY->Value()[size_t(ValueIndex)]) : 0;
}
