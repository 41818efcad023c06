#pragma once

#include "core/ChangeNotifier.h"
#include "chart/canvas/ChartEmboss.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/ChartShadow.h"
#include "core/Color.h"

#include <functional>
#include <utility>

enum TLegendSymbolSize { lcsPercent, lcsPixels };
enum TLegendSymbolPosition { spLeft, spRight };

// The geometry of the symbol beside each legend text. Percent sizes are of
// the item height (Height) and of the text width (Width).
class TLegendSymbol : public TChangeNotifier {
public:
    TLegendSymbol() { Init(); }
    explicit TLegendSymbol(std::function<void()> OnChange) : TChangeNotifier(std::move(OnChange)) { Init(); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Set(FVisible, Value); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { Set(FWidth, Value); }
    TLegendSymbolSize WidthUnits() const { return FWidthUnits; }
    void SetWidthUnits(TLegendSymbolSize Value) { Set(FWidthUnits, Value); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { Set(FHeight, Value); }
    TLegendSymbolSize HeightUnits() const { return FHeightUnits; }
    void SetHeightUnits(TLegendSymbolSize Value) { Set(FHeightUnits, Value); }
    // As wide as high.
    bool Squared() const { return FSquared; }
    void SetSquared(bool Value) { Set(FSquared, Value); }
    // The symbols of consecutive rows touch.
    bool Continuous() const { return FContinuous; }
    void SetContinuous(bool Value) { Set(FContinuous, Value); }
    // The series draws with its own pen; off: with Pen below.
    bool DefaultPen() const { return FDefaultPen; }
    void SetDefaultPen(bool Value) { Set(FDefaultPen, Value); }
    // Stored only: the symbol always sits left of the text.
    TLegendSymbolPosition Position() const { return FPosition; }
    void SetPosition(TLegendSymbolPosition Value) { Set(FPosition, Value); }
    TChartPen* Pen() { return &FPen; }
    const TChartPen* Pen() const { return &FPen; }
    TChartShadow* Shadow() { return &FShadow; }
    const TChartShadow* Shadow() const { return &FShadow; }
    TChartEmboss* Emboss() { return &FEmboss; }
    const TChartEmboss* Emboss() const { return &FEmboss; }

private:
    void Init()
    {
        FShadow.SetHorizSize(1);
        FShadow.SetVertSize(1);
        FEmboss.SetHorizSize(1);
        FEmboss.SetVertSize(1);
        FPen.SetOnChange([this] { Changed(); });
        FShadow.SetOnChange([this] { Changed(); });
        FEmboss.SetOnChange([this] { Changed(); });
    }

    bool FVisible = true;
    int FWidth = 20;
    TLegendSymbolSize FWidthUnits = lcsPercent;
    int FHeight = 100;
    TLegendSymbolSize FHeightUnits = lcsPercent;
    bool FSquared = true;
    bool FContinuous = false;
    bool FDefaultPen = true;
    TLegendSymbolPosition FPosition = spLeft;
    TChartPen FPen;
    TChartShadow FShadow; // visible, clSilver
    TChartEmboss FEmboss; // invisible
};
