#pragma once

#include "core/Color.h"

#include <functional>
#include <utility>

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The fill settings of a chart element. Picture and gradient join later; the
// owner's change hook repaints its chart.
class TChartBrush {
public:
    TChartBrush() = default;
    explicit TChartBrush(std::function<void()> OnChange) : FOnChange(std::move(OnChange)) {}
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;
    virtual ~TChartBrush() = default;

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

    void SetOnChange(std::function<void()> OnChange) { FOnChange = std::move(OnChange); }

protected:
    template <class T>
    void Set(T& Field, T Value)
    {
        if (Field != Value) {
            Field = Value;
            Changed();
        }
    }
    void Changed()
    {
        if (FOnChange)
            FOnChange();
    }

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TColor FBackColor = clNone;

private:
    std::function<void()> FOnChange;
};
