#pragma once

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum TPanningWheel { pmwNone, pmwNormal };

// Scrolling the chart with the mouse: its settings and, while a drag runs,
// the point the data under the mouse was last moved to.
class TChartPanning {
public:
    TPanningWheel MouseWheel() const { return FMouseWheel; }
    void SetMouseWheel(TPanningWheel Value) { FMouseWheel = Value; }

    bool Active() const { return FActive; }
    void Activate(int X, int Y)
    {
        FActive = true;
        LastX = X;
        LastY = Y;
    }
    void Deactivate() { FActive = false; }

    int LastX = 0;
    int LastY = 0;

private:
    TPanningWheel FMouseWheel = pmwNormal;
    bool FActive = false;
};
