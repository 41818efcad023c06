#pragma once

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/Point.h"
#include "chart/canvas/PointFloat.h"
#include "chart/canvas/Rect.h"
#include "chart/canvas/RenderContext.h"
#include "chart/canvas/StampPaint.h"
#include "core/Color.h"

#include <QString>
#include <QSizeF>

#include <cstdint>
#include <vector>

class QPaintDevice;
class TChartShadow;
class TGraphic;

enum TCanvasBackMode { cbmTransparent = 1, cbmOpaque = 2 };
enum TStretchQuality { sqHigh, sqLow };

// Text alignment flags of TextOut (the reference point of the text).
enum TCanvasTextAlign {
    ta_LeftTop = 0,
    ta_Right = 2,
    ta_Center = 6,
    ta_Bottom = 8,
    ta_CenterBottom = ta_Center | ta_Bottom, // 14
};

// The surface every chart element draws through. Integer coordinates name
// pixels: a horizontal or vertical stroke of odd width at x = 10 covers pixel
// column 10, and fills cover exactly the pixels of their rectangle.
class TChartCanvas {
public:
    TChartCanvas();
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;
    virtual ~TChartCanvas();

    // Drawing attributes. Changing Pen drops the cached platform pen.
    TChartPen* Pen() { return &FPen; }
    TChartBrush* Brush() { return &FBrush; }
    TChartFont* Font() { return &FFont; }

    // 255 = opaque; everything drawn takes this alpha.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int Value) { FTransparency = Value; }

    TCanvasBackMode BackMode() const { return FBackMode; }
    void SetBackMode(TCanvasBackMode Value) { FBackMode = Value; }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor Value) { FBackColor = Value; }
    int TextAlign() const { return FTextAlign; }
    void SetTextAlign(int Value) { FTextAlign = Value; }
    TStretchQuality StretchQuality() const { return FStretchQuality; }
    void SetStretchQuality(TStretchQuality Value) { FStretchQuality = Value; }
    // Where the frame being drawn goes; the chart hands it over with each frame.
    const TRenderContext& RenderContext() const { return FRenderContext; }
    void SetRenderContext(const TRenderContext& Value) { FRenderContext = Value; }
    double FontZoom() const { return FFontZoom; }
    void SetFontZoom(double Value) { FFontZoom = Value; }
    bool ZoomText() const { return IZoomText; }
    void SetZoomText(bool Value) { IZoomText = Value; }
    // How far along the pen's dash pattern the next stroke starts, in pixels
    // (0: at the start of the pattern). A line drawn piece by piece stays
    // dashed when each piece starts where the one before ended.
    double DashPhase() const { return FDashPhase; }
    void SetDashPhase(double Pixels) { FDashPhase = Pixels; }
    // A phase close to Phase (for strokes far shorter than the pattern) at
    // which straight strokes of Length pixels with the present pen come back
    // often: rounded to a few steps of the pattern, and the start of the dash
    // when the stroke lies wholly in one (it then draws whole, wherever in
    // the dash it starts). This surface keeps Phase.
    virtual double RepeatingDashPhase(double Phase, double Length)
    {
        (void)Length;
        return Phase;
    }
    // Optional centre of rotated text.
    void SetTextCenter(bool Use, TPoint Center)
    {
        IUseTextCenter = Use;
        ITextCenter = Center;
    }

    // Frame: sizes the buffer to `rect` and binds drawing to it (buffered)
    // or to `destination`; returns the rectangle to draw in.
    virtual TRect InitWindow(QPaintDevice* destination, const TRect& rect, bool is3D, TColor background) = 0;
    // Copies the buffer to `destination` at rect's top-left; clears the dirty mark.
    virtual void ShowImage(QPaintDevice* destination, const TRect& rect) = 0;
    // True (and the buffer recopied to `destination`) while the buffer is valid.
    virtual bool ReDrawBitmap(QPaintDevice* destination, const TRect& rect) = 0;
    // A frame that failed halfway: lets go of its device without showing
    // anything; a half-drawn buffer counts as stale.
    virtual void AbandonFrame() { FDirty = true; }
    virtual void Invalidate() { FDirty = true; }
    bool Dirty() const { return FDirty; }
    bool BufferedDisplay() const { return FBufferedDisplay; }
    void SetBufferedDisplay(bool Value) { FBufferedDisplay = Value; }

    void AssignVisiblePen(const TChartPen& Value);
    void AssignVisiblePenColor(const TChartPen& Value, TColor Color);
    void AssignBrush(const TChartBrush& Value);
    void AssignBrushColor(const TChartBrush& Value, TColor Color, TColor BackColor);
    void AssignFont(const TChartFont& Value);
    virtual void ResetState();

    virtual void MoveTo(int X, int Y) = 0;
    virtual void LineTo(int X, int Y) = 0;
    virtual void Line(int X0, int Y0, int X1, int Y1) = 0;
    virtual void DoHorizLine(int X0, int X1, int Y) = 0;
    virtual void DoVertLine(int X, int Y0, int Y1) = 0;
    virtual void Polyline(const std::vector<TPoint>& Points) = 0;
    virtual void PolylineFloat(const std::vector<TPointFloat>& Points) = 0;
    virtual void Polygon(const std::vector<TPoint>& Points) = 0;
    virtual void PolygonFloat(const std::vector<TPointFloat>& Points) = 0;
    virtual void Rectangle(int X0, int Y0, int X1, int Y1) = 0;
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    virtual void RoundRect(int X0, int Y0, int X1, int Y1, int CornerWidth, int CornerHeight) = 0;
    virtual void Ellipse(int X0, int Y0, int X1, int Y1) = 0;
    virtual void FillRect(const TRect& R) = 0;
    void EraseBackground(const TRect& R) { FillRect(R); }

    // Draws what Paint draws when called with (X, Y). Paint must stay within
    // Reach pixels of its centre and depend on nothing but the centre, the
    // surface's pen, brush and alpha, and what Shape stands for: the caller's
    // code for the figure (kind and sizes), unique among the figures it draws.
    // A surface may rasterise the figure once and copy its pixels to every
    // later centre; this one simply draws it.
    virtual void DrawStamp(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint)
    {
        (void)Shape;
        (void)Reach;
        Paint(X, Y);
    }
    // DrawStamp Times times in a row at the same centre.
    virtual void DrawStamps(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint, int Times)
    {
        for (int t = 0; t < Times; ++t)
            DrawStamp(X, Y, Shape, Reach, Paint);
    }

    virtual void StretchDraw(const TRect& R, const TGraphic& Picture) = 0;
    virtual void Draw(int X, int Y, const TGraphic& Picture) = 0;

    virtual void TextOut(int X, int Y, const QString& Text) = 0;
    // Counter-clockwise degrees about the reference point.
    virtual void RotateLabel(int X, int Y, const QString& Text, double Degrees) = 0;
    virtual int TextWidth(const QString& Text) = 0;
    virtual int TextHeight(const QString& Text) = 0;
    virtual QSizeF TextSize(const QString& Text) = 0;

    virtual void ClipRectangle(const TRect& R, int CornerWidth = 0, int CornerHeight = 0) = 0;
    virtual void ClipEllipse(const TRect& R) = 0;
    virtual void ClipPolygon(const std::vector<TPoint>& Points, bool Exclude = false) = 0;
    // In 2D: ClipRectangle of (left + 1, top + 1, right, bottom - 1).
    void ClipCube(const TRect& R) { ClipRectangle({R.Left + 1, R.Top + 1, R.Right, R.Bottom - 1}); }
    virtual void UnClipRectangle() = 0;

    // Pushes Transparency and lowers it by `Percent`; EndBlending pops it.
    void BeginBlending(const TRect& R, int Percent);
    void EndBlending();

    // Fills the shadow shape of a rectangle (rounded by RoundSize, else a 4 × 4
    // corner) or of a polygon, soft or solid as the shadow says.
    virtual void ShadowRect(const TRect& R, const TChartShadow& Shadow, int RoundSize) = 0;
    virtual void ShadowPolygon(const std::vector<TPoint>& Points, const TChartShadow& Shadow) = 0;

    // 0xAABBGGRR with the surface alpha to 0xAARRGGBB (alpha = max(0,
    // Transparency - AA)).
    unsigned ArgbOf(TColor Color) const;

protected:
    TChartPen FPen;
    TChartBrush FBrush;
    TChartFont FFont;
    int FTransparency = 255;
    std::vector<int> ITranspStack;
    TCanvasBackMode FBackMode = cbmTransparent;
    TColor FBackColor = clWhite;
    int FTextAlign = ta_LeftTop;
    TStretchQuality FStretchQuality = sqHigh;
    TRenderContext FRenderContext;
    double FFontZoom = 100;
    bool IZoomText = false;
    double FDashPhase = 0;
    bool IUseTextCenter = false;
    TPoint ITextCenter;
    bool FDirty = true;
    bool FBufferedDisplay = true;

    // Pen changed: implementations drop their cached platform pen.
    virtual void PenChanged() {}
};
