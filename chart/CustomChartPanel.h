#pragma once

#include "core/Color.h"

#include <functional>

// The panel layer of a chart: its colour and the repaint-on-change mechanism.
// The chart never owns a window; the host that shows it installs the repaint
// request and clears the dirty mark when it has drawn a frame.
class TCustomChartPanel {
public:
    TCustomChartPanel();
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;
    virtual ~TCustomChartPanel();

    // Marks the picture stale and asks the host for a repaint, unless
    // AutoRepaint is off (while a frame is drawn, for instance).
    void Invalidate();
    // Effective invalidations so far.
    int InvalidateCount() const { return FInvalidateCount; }
    bool Dirty() const { return FDirty; }
    void ClearDirty() { FDirty = false; }
    void SetOnRepaintRequest(std::function<void()> Value) { FOnRepaintRequest = std::move(Value); }

    bool AutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

protected:
    bool FAutoRepaint = true;

private:
    TColor FColor = clBtnFace;
    bool FDirty = true;
    int FInvalidateCount = 0;
    std::function<void()> FOnRepaintRequest;
};
