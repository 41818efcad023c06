#pragma once

#include "core/ChangeNotifier.h"
#include "core/Color.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The fill settings of a chart element. Picture and gradient join later; the
// owner's change hook repaints its chart.
class TChartBrush : public TChangeNotifier {
public:
    TChartBrush() = default;
    explicit TChartBrush(std::function<void()> OnChange) : TChangeNotifier(std::move(OnChange)) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value) { Set(FStyle, Value); }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor Value) { Set(FBackColor, Value); }

    void Assign(const TChartBrush& Source)
    {
        if (&Source == this
            || (FColor == Source.FColor && FStyle == Source.FStyle && FBackColor == Source.FBackColor))
            return;
        FColor = Source.FColor;
        FStyle = Source.FStyle;
        FBackColor = Source.FBackColor;
        Changed();
    }


protected:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TColor FBackColor = clNone;
};
