#pragma once

#include "chart/CustomLineSeries.h"

#include <memory>

class TSeriesPointer;

enum TCustomSeriesDrawStyle { dsSegments, dsAll, dsCurve };

// A line series with markers: the pointer and the line and area switches.
class TCustomSeries : public TCustomLineSeries {
public:
    explicit TCustomSeries(TCustomAxisPanel* AOwner);
    ~TCustomSeries() override;

    TSeriesPointer* Pointer() const { return FPointer.get(); }

    bool DrawLine() const { return FDrawLine; }
    void SetDrawLine(bool Value);
    bool DrawArea() const { return FDrawArea; }
    void SetDrawArea(bool Value);
    TCustomSeriesDrawStyle DrawStyle() const { return FDrawStyle; }
    void SetDrawStyle(TCustomSeriesDrawStyle Value);
    bool ColorEachLine() const { return FColorEachLine; }
    void SetColorEachLine(bool Value);
    bool ClickableLine() const { return FClickableLine; }
    void SetClickableLine(bool Value) { FClickableLine = Value; }
    int ClickTolerance() const { return FClickTolerance; }
    void SetClickTolerance(int Value) { FClickTolerance = Value; }
    bool InflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool Value);
    bool PointerBehind() const { return FPointerBehind; }
    void SetPointerBehind(bool Value);
    bool Stairs() const { return FStairs; }
    void SetStairs(bool Value);
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool Value);

    // Only stored for now: drawing reads it once smoothing exists.
    bool Smoothed() const { return FSmoothed; }
    virtual void SetSmoothed(bool Value);

protected:
    bool FClickableLine = true;
    int FClickTolerance = 0;
    bool FColorEachLine = true;
    bool FDrawArea = false;
    bool FDrawLine = false;
    TCustomSeriesDrawStyle FDrawStyle = dsSegments;
    bool FInflateMargins = true;
    bool FInvertedStairs = false;
    bool FStairs = false;
    std::unique_ptr<TSeriesPointer> FPointer;
    bool FPointerBehind = false;
    bool FSmoothed = false;
};
