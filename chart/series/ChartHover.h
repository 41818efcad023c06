#pragma once

#include "core/ChangeNotifier.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartPen.h"
#include "core/Color.h"

#include <functional>
#include <utility>

// How the thing under the mouse is highlighted: texts take the font colour,
// lines and markers the pen (red, half transparent, 3 pixels).
class TChartHover : public TChangeNotifier {
public:
    TChartHover() { Init(); }
    explicit TChartHover(std::function<void()> OnChange) : TChangeNotifier(std::move(OnChange)) { Init(); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Set(FVisible, Value); }
    TChartFont* Font() { return &FFont; }
    const TChartFont* Font() const { return &FFont; }
    TChartPen* Pen() { return &FPen; }
    const TChartPen* Pen() const { return &FPen; }

private:
    void Init()
    {
        FFont.SetColor(clRed);
        FPen.SetColor(0x800000FF);
        FPen.SetWidth(3);
        FFont.SetOnChange([this] { Changed(); });
        FPen.SetOnChange([this] { Changed(); });
    }

    bool FVisible = true;
    TChartFont FFont;
    TChartPen FPen;
};
