#pragma once

#include "chart/panel/FrameLayout.h"
#include "chart/series/SeriesChart.h"
#include "chart/canvas/ChartEmboss.h"
#include "chart/canvas/ChartHiddenPen.h"
#include "chart/canvas/ChartShadow.h"
#include "chart/canvas/Rect.h"
#include "core/Color.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QImage;
class QPaintDevice;
class TChartCanvas;
class TChartFont;
class TChartHost;

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum TMarginUnits { muPercent, muPixels };


// The panel layer of a chart: its surface, colour, border, shadow, margins,
// the chart rectangle and the repaint-on-change mechanism. The chart never
// owns a window: a host shows it, is asked to repaint after changes and calls
// Paint, which copies the buffer when nothing changed and draws a frame
// otherwise.
class TCustomChartPanel : public TSeriesChart {
public:
    TCustomChartPanel();
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;
    virtual ~TCustomChartPanel();

    // ------------------------------------------------------------ repainting
    // Marks the picture stale and asks the host for a repaint (once until its
    // next Paint), unless AutoRepaint is off (while a frame is drawn, for
    // instance).
    void Invalidate() override;
    // Effective invalidations so far.
    int InvalidateCount() const { return FInvalidateCount; }
    // A change since the last frame.
    bool Dirty() const { return FDirty; }
    void ClearDirty() { FDirty = false; }
    // Called on every effective invalidation (the host's request is not).
    void SetOnRepaintRequest(std::function<void()> Value) { FOnRepaintRequest = std::move(Value); }
    TChartHost* Host() const { return FHost; }
    // Asks the host to show the picture again over which something is drawn
    // (the rubber band): the chart itself is not drawn anew.
    void RequestOverlayRepaint();
    void SetHost(TChartHost* Value) { FHost = Value; FRepaintPending = false; }

    // --------------------------------------------------------------- frames
    // The drawing surface, made on first use.
    TChartCanvas* Canvas() override;
    // Replaces the surface (keeping its buffer flag); the next paint draws.
    void SetCanvas(std::unique_ptr<TChartCanvas> Value);
    // Draws a complete frame into `Destination` over `Rect`: its layout
    // first, then the drawing from that layout.
    void Draw(QPaintDevice* Destination, const TRect& Rect);
    // The layout of a frame over `Rect` (LastLayout), drawing nothing.
    void Layout(const TRect& Rect);
    // The host's paint: the buffer when it is still valid, a frame otherwise.
    void Paint(QPaintDevice* Destination, const TRect& Rect);
    // ---------------------------------------------------------------- export
    // One frame for Output onto Destination over Rect without touching the
    // screen: the buffer, the dirty mark and the frame count stay as they
    // are; buffered display and repainting come back whatever happens.
    void DrawOffscreen(QPaintDevice* Destination, const TRect& Rect, TRenderOutput Output = roRasterExport,
                       double ReferenceDpi = 96);
    // The frame as a 32-bit picture of R's size. When Background is the
    // panel colour (clDefault stands for it) and the screen buffer is valid
    // at that size, a copy of the screen; otherwise drawn afresh over
    // Background.
    QImage CreateChartBitmap(TColor Background, const TRect& R);
    // The frame of the chart's size drawn on white, as a 32-bit BMP file.
    void SaveToBitmapFile(const QString& FileName);
    // The frame of R's size as an enhanced metafile (EMF bytes).
    // The reference resolution gives its physical frame.
    QByteArray CreateChartMetafile(const TRect& R, double ReferenceDpi = 96);
    // The frame of the chart's size as an EMF file.
    void SaveToMetafileEnh(const QString& FileName);

    // Gesture frames: while on, frames of the screen may draw dense series
    // per pixel column (almost the same pixels, at a cost of the plot's
    // width); everything else draws as always, and exports always draw
    // exactly. A change asks for a new frame.
    bool QuickFrames() const { return FQuickFrames; }
    void SetQuickFrames(bool Value);
    bool QuickFrame() const override { return IQuickFrame; }
    // The screen buffer holds a gesture frame, not the exact picture.
    bool QuickFrameShown() const { return FQuickFrameShown; }

    // Full frames drawn so far.
    int FrameCount() const { return FFrameCount; }
    // What the last frame's layout computed.
    const TFrameLayout& LastLayout() const { return FLayout; }
    bool Printing() const { return FPrinting; }

    // The control's size as its host shows it; a change invalidates.
    int Width() const override { return FWidth; }
    int Height() const { return FHeight; }
    void SetSize(int AWidth, int AHeight);
    TRect GetRectangle() const { return {0, 0, FWidth, FHeight}; }

    // The desktop colours the chart's system colours (clBtnFace, ...) stand
    // for, handed over by the host; the classic ones until then. A change
    // repaints.
    const TSystemPalette& SystemPalette() const { return FSystemPalette; }
    void SetSystemPalette(const TSystemPalette& Value);

    // ----------------------------------------------------------- properties
    bool View3D() const override { return FView3D; }
    void SetView3D(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    // The colour of what the chart sits on (the main window's colour).
    TColor ParentBackColor() const { return FParentBackColor; }
    void SetParentBackColor(TColor Value);
    TChartHiddenPen* Border() { return &FBorder; }
    int BorderRound() const { return FBorderRound; }
    void SetBorderRound(int Value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TChartShadow* Shadow() { return &FShadow; }
    TChartEmboss* Emboss() { return &FEmboss; }
    int MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int Value);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int Value);
    int MarginRight() const { return FMarginRight; }
    void SetMarginRight(int Value);
    int MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int Value);
    TMarginUnits MarginUnits() const { return FMarginUnits; }
    void SetMarginUnits(TMarginUnits Value);

    // ------------------------------------------------------- layout values
    bool CustomChartRect() const { return FCustomChartRect; }
    void SetCustomChartRect(bool Value) { FCustomChartRect = Value; }
    // Border width + bevels + the visible border pen.
    int FrameWidth() const;

protected:
    // Layout and drawing of one frame on the surface; a failure lets go of
    // the device before it leaves.
    void DrawFrame(QPaintDevice* Destination, const TRect& Rect, const TRenderContext& Context);
    // The layout phase: from the chart's state and text measuring alone,
    // into FLayout and the elements' working state; draws nothing.
    void CalcFrameLayout(const TRect& Bounds);
    // What each layer adds to the layout, after the chart rectangle.
    virtual void CalcLayout() {}
    // The drawing pass, from the layout.
    virtual void InternalDraw(const TRect& UserRect);
    // Background, shadow, emboss, frame and bevels over R.
    void PanelPaint(const TRect& R);
    void CalcChartRect();

    bool FPrinting = false;
    TFrameLayout FLayout;

private:
    void DrawBevels(TRect& R);

    // The context of a frame for Output on Destination.
    TRenderContext FrameContext(TRenderOutput Output, const QPaintDevice* Destination) const;

    std::unique_ptr<TChartCanvas> FCanvas;
    TSystemPalette FSystemPalette = ClassicSystemPalette();
    TChartHost* FHost = nullptr;
    bool FRepaintPending = false;
    bool FDirty = true;
    int FInvalidateCount = 0;
    int FFrameCount = 0;
    TRect FLastFrameRect;
    bool FQuickFrames = false;
    bool IQuickFrame = false; // the frame in progress may take the fast path
    bool FQuickFrameShown = false;
    std::function<void()> FOnRepaintRequest;
    int FWidth = 0;
    int FHeight = 0;

    bool FView3D = true;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TColor FParentBackColor = clBtnFace;
    TChartHiddenPen FBorder;
    int FBorderRound = 0;
    TPanelBevel FBevelOuter = bvNone;
    TPanelBevel FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TChartShadow FShadow;
    TChartEmboss FEmboss;
    int FMarginLeft = 3;
    int FMarginTop = 4;
    int FMarginRight = 3;
    int FMarginBottom = 4;
    TMarginUnits FMarginUnits = muPercent;
    bool FCustomChartRect = false;
};
