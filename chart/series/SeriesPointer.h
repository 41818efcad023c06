#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/Point.h"
#include "core/Color.h"

#include <memory>

class TChartCanvas;
class TChartSeries;

enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing,
    psLeftTriangle,
    psRightTriangle,
    psHexagon,
    psVisual,
    psDonut,
    psArrow
};

enum TPointerSizeUnits { suPixels, suAxis };

// The marker a series draws at its points: its settings and its drawing. Its
// half-sizes never go below 1 pixel; every change repaints the chart through
// the owning series.
class TSeriesPointer {
public:
    explicit TSeriesPointer(TChartSeries* AOwner);
    TSeriesPointer(const TSeriesPointer&) = delete;
    TSeriesPointer& operator=(const TSeriesPointer&) = delete;
    virtual ~TSeriesPointer();

    TChartSeries* ParentSeries() const { return FSeries; }

    TChartBrush* Brush() const { return FBrush.get(); }
    TChartPen* Pen() const { return FPen.get(); }
    // The brush colour; clDefault takes the point colour.
    TColor Color() const { return FBrush->Color(); }
    void SetColor(TColor Value) { FBrush->SetColor(Value); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // The visibility a fresh pointer of this series has.
    bool DefaultVisible() const { return FDefaultVisible; }
    void SetDefaultVisible(bool Value) { FDefaultVisible = Value; }

    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int Value);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int Value);
    int Size() const { return FHorizSize > FVertSize ? FHorizSize : FVertSize; }
    void SetSize(int Value);

    TSeriesPointerStyle Style() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle Value);

    bool InflateMargins() const { return FInflate; }
    void SetInflateMargins(bool Value);
    int DarkPen() const { return FDarkPen; }
    void SetDarkPen(int Value);
    // Percent, 0 to 100.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int Value);
    float SizeFloat() const { return FSizeFloat; }
    void SetSizeFloat(float Value);
    TPointerSizeUnits SizeUnits() const { return FSizeUnits; }
    void SetSizeUnits(TPointerSizeUnits Value);
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool Value);

    bool AllowChangeSize = true;

    void Repaint();

    // Puts pen and brush for one marker of point colour ColorValue on ACanvas.
    void PrepareCanvas(TChartCanvas* ACanvas, TColor ColorValue) const;
    // One marker centred on (px, py) with the pointer's own half-sizes, on the
    // canvas of the series' chart (nothing without one).
    // Times: that many times over itself (points sharing a pixel).
    void Draw(int px, int py, TColor ColorValue, TSeriesPointerStyle AStyle, int Times = 1) const;
    // The half-sizes Draw draws with, in pixels.
    void DrawSizes(int& Horiz, int& Vert) const;
    // With Style and the brush colour.
    void Draw(int X, int Y) const { Draw(X, Y, Color(), FStyle); }
    void Draw(const TPoint& P) const { Draw(P.X, P.Y); }
    // One marker with explicit half-sizes (the legend fits them to its symbol).
    // Only the two-dimensional marker exists: Is3D draws the same.
    void DrawPointer(TChartCanvas* ACanvas, bool Is3D, int px, int py, int Horiz, int Vert, TColor ColorValue,
                     TSeriesPointerStyle AStyle, int Times = 1) const;

private:
    std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FPen;
    bool FVisible = true;
    bool FDefaultVisible = true;
    int FDarkPen = 0;
    bool FDraw3D = true;
    int FHorizSize = 4;
    bool FInflate = true;
    TChartSeries* FSeries;
    float FSizeFloat = 0;
    TPointerSizeUnits FSizeUnits = suPixels;
    TSeriesPointerStyle FStyle = psRectangle;
    int FTransparency = 0;
    int FVertSize = 4;
};
