#pragma once

#include "core/ChangeNotifier.h"
#include "core/Color.h"

enum TShadowDirection { sdLeftTop, sdLeftBottom, sdRightTop, sdRightBottom, sdCenter };

// A soft or solid shadow beside a shape; TChartEmboss is the same drawn on the
// opposite side.
class TChartShadow : public TChangeNotifier {
public:
    TChartShadow() = default;
    explicit TChartShadow(std::function<void()> OnChange) : TChangeNotifier(std::move(OnChange)) {}

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Set(FVisible, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int Value) { Set(FHorizSize, Value); }
    int VertSize() const { return FVertSize; }
    void SetVertSize(int Value) { Set(FVertSize, Value); }
    int Transparency() const { return FTransparency; } // percent
    void SetTransparency(int Value) { Set(FTransparency, Value); }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { Set(FSmooth, Value); }
    int SmoothBlur() const { return FSmoothBlur; }
    void SetSmoothBlur(int Value) { Set(FSmoothBlur, Value); }
    TShadowDirection Direction() const { return FDirection; }
    void SetDirection(TShadowDirection Value) { Set(FDirection, Value); }

    // Visible, a non-zero size and a colour.
    bool ShouldDraw() const { return FVisible && (FHorizSize != 0 || FVertSize != 0) && FColor != clNone; }

protected:
    bool FVisible = true;
    TColor FColor = clSilver;
    int FHorizSize = 0;
    int FVertSize = 0;
    int FTransparency = 50;
    bool FSmooth = true;
    int FSmoothBlur = 0;
    TShadowDirection FDirection = sdRightBottom;
};
