#pragma once

#include "chart/canvas/ChartPen.h"
#include "core/Color.h"

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };

// The rubber-band zoom of the chart: its settings and, while a drag runs, the
// start point (X0, Y0) and the corner under the mouse (X1, Y1).
class TChartZoom {
public:
    TChartZoom()
    {
        FPen.SetColor(clSilver);
        FPen.SetWidth(3);
        FPen.SetEndStyle(esFlat);
    }

    bool Allow() const { return FAllow; }
    void SetAllow(bool Value) { FAllow = Value; }
    TMouseButton MouseButton() const { return FMouseButton; }
    void SetMouseButton(TMouseButton Value) { FMouseButton = Value; }
    TZoomDirection Direction() const { return FDirection; }
    void SetDirection(TZoomDirection Value) { FDirection = Value; }
    // A drag must be longer than this both ways to zoom or undo.
    int MinimumPixels() const { return FMinimumPixels; }
    void SetMinimumPixels(int Value) { FMinimumPixels = Value; }
    // Whether a drag up and to the left zooms too (otherwise it undoes).
    bool UpLeftZooms() const { return FUpLeftZooms; }
    void SetUpLeftZooms(bool Value) { FUpLeftZooms = Value; }
    // The band's pen: silver, 3 wide, flat ends.
    TChartPen* Pen() { return &FPen; }
    const TChartPen* Pen() const { return &FPen; }

    bool Active() const { return FActive; }
    void Activate(int X, int Y)
    {
        FActive = true;
        X0 = X1 = X;
        Y0 = Y1 = Y;
    }
    void Deactivate() { FActive = false; }

    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

private:
    bool FAllow = true;
    TMouseButton FMouseButton = mbLeft;
    TZoomDirection FDirection = tzdBoth;
    int FMinimumPixels = 16;
    bool FUpLeftZooms = false;
    TChartPen FPen;
    bool FActive = false;
};
