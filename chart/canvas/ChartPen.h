#pragma once

#include "core/ChangeNotifier.h"
#include "core/Color.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TPenEndStyle { esRound, esSquare, esFlat };
enum TPenJoinStyle { jsRound, jsBevel, jsMitter };

// One period of the style's dash pattern (dashes and gaps), in pen widths;
// 0 for a style without one.
constexpr int DashPeriod(TPenStyle Style)
{
    switch (Style) {
    case psDash: return 4;
    case psDot: return 2;
    case psDashDot: return 6;
    case psDashDotDot: return 8;
    case psSolid:
    case psClear: break;
    }
    return 0;
}

// The line settings of a chart element. The owner installs a change hook so
// that every effective change ends in a repaint of its chart.
class TChartPen : public TChangeNotifier {
public:
    TChartPen() = default;
    explicit TChartPen(std::function<void()> OnChange) : TChangeNotifier(std::move(OnChange)) {}

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Set(FVisible, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { Set(FWidth, Value); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value) { Set(FStyle, Value); }
    TPenEndStyle EndStyle() const { return FEndStyle; }
    void SetEndStyle(TPenEndStyle Value) { Set(FEndStyle, Value); }
    TPenJoinStyle JoinStyle() const { return FJoinStyle; }
    void SetJoinStyle(TPenJoinStyle Value) { Set(FJoinStyle, Value); }

    // Copies the settings (not the hook); one change notification at most.
    void Assign(const TChartPen& Source)
    {
        if (&Source == this || SameAs(Source))
            return;
        FVisible = Source.FVisible;
        FColor = Source.FColor;
        FWidth = Source.FWidth;
        FStyle = Source.FStyle;
        FEndStyle = Source.FEndStyle;
        FJoinStyle = Source.FJoinStyle;
        Changed();
    }
    bool SameAs(const TChartPen& Other) const
    {
        return FVisible == Other.FVisible && FColor == Other.FColor && FWidth == Other.FWidth
            && FStyle == Other.FStyle && FEndStyle == Other.FEndStyle
            && FJoinStyle == Other.FJoinStyle;
    }


protected:
    bool FVisible = true;
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenEndStyle FEndStyle = esRound;
    TPenJoinStyle FJoinStyle = jsRound;
};
