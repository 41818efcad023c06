#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"

#include <QString>

#include <memory>

class TSeriesChart;

// Base of everything a chart owns as a component (series now, tools later).
// An element created with an owner is kept by that owner and freed with it at
// the latest; `delete` on it is safe at any time and leaves the owner's list.
class TCustomChartElement {
public:
    explicit TCustomChartElement(TSeriesChart* AOwner);
    TCustomChartElement(const TCustomChartElement&) = delete;
    TCustomChartElement& operator=(const TCustomChartElement&) = delete;
    virtual ~TCustomChartElement();

    void Free() { delete this; }

    TSeriesChart* Owner() const { return FOwner; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }

    bool Active() const { return FActive; }
    virtual void SetActive(bool Value);
    TChartBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TChartBrush& Value) { FBrush->Assign(Value); }
    TChartPen* Pen() const { return FPen.get(); }
    virtual void SetPen(const TChartPen& Value) { FPen->Assign(Value); }
    TSeriesChart* ParentChart() const { return FParent; }
    virtual void SetParentChart(TSeriesChart* Value) = 0;

    // An auxiliary element the chart must not treat as user data.
    bool IInternalUse = false;

    // Asks the parent chart to repaint.
    void Repaint();

protected:
    bool FActive = true;
    std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FPen;
    TSeriesChart* FParent = nullptr;

private:
    friend class TCustomAxisPanel; // clears FOwner while it frees its components
    TSeriesChart* FOwner;
    QString FName;
};
