#pragma once

#include "chart/axes/CustomShapeBrushPen.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartShadow.h"
#include "chart/canvas/Rect.h"
#include "core/Color.h"

#include <memory>

class TChartEmboss;

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle, fosEllipse };

// A rectangle on the chart with a background, a frame, a shadow and a font.
// Drawing: shadow, emboss, background and frame (none of them when
// Transparent), then what the subclass draws inside.
class TCustomShape : public TCustomShapeBrushPen {
public:
    explicit TCustomShape(TChartContext* AChart);
    ~TCustomShape() override;

    const TRect& ShapeBounds() const { return FShapeBounds; }
    void SetShapeBounds(const TRect& Value) { FShapeBounds = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Percent, 0 = opaque.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int Value);
    TChartShadow* Shadow() { return &FShadow; }
    // Created on first access; invisible.
    TChartEmboss* Emboss();
    bool HasEmboss() const { return FEmboss != nullptr; }
    TChartFont* Font() { return &FFont; }
    const TChartFont* Font() const { return &FFont; }
    TChartObjectShapeStyle ShapeStyle() const { return FShapeStyle; }
    void SetShapeStyle(TChartObjectShapeStyle Value);
    int RoundSize() const { return FRoundSize; }
    void SetRoundSize(int Value);

    // Draws the shape over ShapeBounds.
    void Draw();

protected:
    // Background and frame over R with the canvas' pen and brush.
    void DrawShapeOutline(const TRect& R);
    // What lies inside the shape (text); nothing here.
    virtual void DrawContents() {}

    TRect FShapeBounds;
    bool FAutoSize = true;
    TColor FColor = clWhite;
    bool FTransparent = false;
    int FTransparency = 0;
    TChartShadow FShadow;
    std::unique_ptr<TChartEmboss> FEmboss;
    TChartFont FFont;
    TChartObjectShapeStyle FShapeStyle = fosRectangle;
    int FRoundSize = 16;
};
