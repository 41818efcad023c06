#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class TChartSeries;

enum TChartListOrder { loNone, loAscending, loDescending };

// One dimension (X or Y) of a series' points, with cached extremes and sums
// that are recomputed on the first read after a change.
class TChartValueList {
public:
    TChartValueList(TChartSeries* AOwner, const QString& AName);
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    int Count() const { return int(FValue.size()); }
    const std::vector<double>& Value() const { return FValue; }
    // Unchecked, like the storage it reads; GetxValue/GetyValue of the series check.
    double operator[](int Index) const { return FValue[size_t(Index)]; }

    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    TChartListOrder Order() const { return FOrder; }
    void SetOrder(TChartListOrder Value) { FOrder = Value; }
    bool DateTime() const { return FDateTime; }
    void SetDateTime(bool Value) { FDateTime = Value; }
    const QString& ValueSource() const { return FValueSource; }
    void SetValueSource(const QString& Value) { FValueSource = Value; }
    TChartSeries* Owner() const { return FOwner; }

    // The value of the point being added, staged before insertion.
    double TempValue() const { return FTempValue; }
    void SetTempValue(double Value) { FTempValue = Value; }

    double MinValue();
    double MaxValue();
    double Total();
    double TotalABS();
    double Range();

    bool Modified() const { return FModified; }
    // Counts the changes, for caches that outlive the flag.
    uint64_t Version() const { return FVersion; }
    void SetModified(bool Value);
    void RecalcStats();

    // Stores TempValue where the order puts it and returns its index.
    int InsertOrdered();
    void InsertValueAt(int Index, double Value);
    void Delete(int ValueIndex);
    void Delete(int Start, int Quantity);
    // Empties the list and releases its storage.
    void Clear();

private:
    friend class TChartSeries; // the bulk append fills the storage directly

    bool FDateTime = false;
    double FMaxValue = 0;
    double FMinValue = 0;
    QString FName;
    TChartListOrder FOrder = loNone;
    TChartSeries* FOwner;
    double FTempValue = 0;
    double FTotal = 0;
    double FTotalABS = 0;
    QString FValueSource;
    bool FModified = false;
    uint64_t FVersion = 0;
    std::vector<double> FValue;
};
