#pragma once

#include "chart/canvas/ChartCanvas.h"
#include "chart/canvas/TextHint.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QImage;
class QRect;
class QPainter;
class QPainterPath;
class QPaintDevice;
class TStampReplay;

// The antialiased surface the chart draws on: one QPainter over the surface's
// own 32-bit buffer (buffered display) or over whatever device InitWindow is
// handed (an export's image, a metafile recorder).
//
// Integer coordinates name pixels. Strokes of odd width are drawn through the
// pixel centres, so a 1-pixel line at x = 10 covers exactly column 10 and a
// width-2 line covers columns 9 and 10; fills cover the pixels of their
// rectangle, right and bottom exclusive.
//
// Measured text carries a side padding of a sixth of the em on each side
// (TextWidth, TextSize), and TextOut draws the glyphs that padding right of the
// layout origin, so a text sits centred in a box of its measured width.
//
// Drawing between frames (before InitWindow, after ShowImage) does nothing;
// measuring works at any time.
class TAntialiasCanvas : public TChartCanvas {
public:
    TAntialiasCanvas();
    ~TAntialiasCanvas() override;

    // Antialiasing of shapes and lines (pens of width 0 are never smoothed).
    bool AntiAlias() const { return FAnti; }
    void SetAntiAlias(bool Value) { FAnti = Value; }
    // Text quality for fonts whose own quality is fqDefault.
    TFontQuality FontQuality() const { return FFontQuality; }
    void SetFontQuality(TFontQuality Value) { FFontQuality = Value; }
    // The hint the current Font is drawn with.
    TTextHint TextHint() const;

    // The off-screen picture of the last buffered frame (null before the first).
    const QImage& Buffer() const;

    // DrawStamp copies figures it has rasterised once (on by default). It does
    // so only onto 32-bit premultiplied pictures under a rectangular clip and
    // no transform, and gives the pixels a direct drawing at that centre
    // gives; elsewhere (metafiles, other clips) it draws directly.
    bool Stamping() const { return FStamping; }
    void SetStamping(bool Value) { FStamping = Value; }
    // Figures drawn by copying a stamp so far.
    long long StampedCount() const { return IStampedCount; }

    TRect InitWindow(QPaintDevice* destination, const TRect& rect, bool is3D, TColor background) override;
    void ShowImage(QPaintDevice* destination, const TRect& rect) override;
    double RepeatingDashPhase(double Phase, double Length) override;
    bool ReDrawBitmap(QPaintDevice* destination, const TRect& rect) override;
    void AbandonFrame() override;

    void MoveTo(int X, int Y) override;
    void LineTo(int X, int Y) override;
    void Line(int X0, int Y0, int X1, int Y1) override;
    void DoHorizLine(int X0, int X1, int Y) override;
    void DoVertLine(int X, int Y0, int Y1) override;
    void Polyline(const std::vector<TPoint>& Points) override;
    void PolylineFloat(const std::vector<TPointFloat>& Points) override;
    void Polygon(const std::vector<TPoint>& Points) override;
    void PolygonFloat(const std::vector<TPointFloat>& Points) override;
    using TChartCanvas::Rectangle;
    void Rectangle(int X0, int Y0, int X1, int Y1) override;
    void RoundRect(int X0, int Y0, int X1, int Y1, int CornerWidth, int CornerHeight) override;
    void Ellipse(int X0, int Y0, int X1, int Y1) override;
    void FillRect(const TRect& R) override;

    void DrawStamp(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint) override;
    void DrawStamps(int X, int Y, uint64_t Shape, int Reach, TStampPaint Paint, int Times) override;

    void StretchDraw(const TRect& R, const TGraphic& Picture) override;
    void Draw(int X, int Y, const TGraphic& Picture) override;

    void TextOut(int X, int Y, const QString& Text) override;
    void RotateLabel(int X, int Y, const QString& Text, double Degrees) override;
    int TextWidth(const QString& Text) override;
    int TextHeight(const QString& Text) override;
    QSizeF TextSize(const QString& Text) override;

    void ClipRectangle(const TRect& R, int CornerWidth = 0, int CornerHeight = 0) override;
    void ClipEllipse(const TRect& R) override;
    void ClipPolygon(const std::vector<TPoint>& Points, bool Exclude = false) override;
    void UnClipRectangle() override;

    void ShadowRect(const TRect& R, const TChartShadow& Shadow, int RoundSize) override;
    void ShadowPolygon(const std::vector<TPoint>& Points, const TChartShadow& Shadow) override;

protected:
    void PenChanged() override { IPenValid = false; }

private:
    struct TPrivate;
    std::unique_ptr<TPrivate> D;
    std::unique_ptr<QPainter> FGraphics;
    std::unique_ptr<QImage> FBitmap;
    QPaintDevice* IDevice = nullptr; // what FGraphics paints on
    QImage* IStampImage = nullptr;   // IDevice, when stamps can be copied into it
    bool FAnti = true;
    TFontQuality FFontQuality = fqDefault;
    int FX = 0;
    int FY = 0;
    double ITextRotation = 0;
    int IClipDepth = 0;
    // Per pushed clip: the pixels it leaves, when it is a rectangle.
    struct TClipBox {
        bool Rectangular;
        int Left, Top, Right, Bottom; // inclusive
    };
    std::vector<TClipBox> IClipBoxes;
    bool FStamping = true;
    long long IStampedCount = 0;
    std::unique_ptr<TStampReplay> IStamps;

    // What the painter currently holds, so that unchanged state is not resent.
    int ICachedAntialias = -1; // -1: unknown
    struct TPenKey {
        TColor Color;
        int Width;
        TPenStyle Style;
        TPenEndStyle EndStyle;
        TPenJoinStyle JoinStyle;
        int Transparency;
        friend bool operator==(const TPenKey&, const TPenKey&) = default;
    };
    std::optional<TPenKey> IBuiltPenKey; // what the platform pen was built from
    bool IPenValid = false;    // the platform pen mirrors Pen and Transparency
    bool IPenClear = false;    // Pen draws nothing
    int IPenTransparency = -1;
    enum TPainterPen { ppUnknown, ppStroke, ppNone, ppText };
    TPainterPen IPainterPen = ppUnknown;
    bool IPainterNoBrush = false;
    double IStrokeOffset = 0; // half a pixel for smoothed strokes of odd width
    bool IBufferFrame = false; // the frame in progress draws on the buffer

    void BindPainter(QPaintDevice* device);
    void EndPainter();
    void ForgetPainterState();
    void SetSmoothing(bool Value);
    void BuildPen();
    bool PrepareStroke();
    // Where the next stroke starts in the pen's dash pattern, in pixels
    // within one period (0 without a pattern).
    double PatternPhase() const;
    template <class TPoints>
    void FillAndStrokePolygon(const TPoints& Points);
    template <class TDraw>
    void FillShape(TDraw draw);
    // CornerInset < 0: the outline is no rectangle.
    void FillShadowPath(const QPainterPath& path, const std::vector<TPointFloat>& outline,
                        const TChartShadow& Shadow, int CornerInset);
    void EnsureFont();
    bool PushClip();
    void PushClipBox(bool Rectangular, int Left, int Top, int Right, int Bottom);
    // The picture a stamp covering Inside can be copied into, or null.
    QImage* StampTarget(const QRect& Inside, TClipBox& Clip) const;
    // Runs Draw with this surface's drawing redirected onto Scratch.
    bool DrawOnScratch(QImage& Scratch, const std::function<void()>& Draw);
    void CopyBuffer(QPaintDevice* destination, const TRect& rect) const;
    void StampOrPaint(int X, int Y, uint64_t Shape, int Reach, const TStampPaint& Paint, int Times);
};
