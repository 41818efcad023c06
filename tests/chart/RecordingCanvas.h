#pragma once

#include "chart/canvas/ChartCanvas.h"

#include <QString>

#include <vector>

// A surface that draws nothing and records what it is asked to do, with fixed
// text metrics: every character 7 pixels wide, every line 15 high.
class TRecordingCanvas : public TChartCanvas {
public:
    static constexpr int CharWidth = 7;
    static constexpr int LineHeight = 15;

    struct TCall {
        QString Op;      // "FillRect", "Rectangle", "TextOut", "ShadowRect", ...
        TRect R;         // rectangle or (x, y) in Left/Top
        QString Text;
        TColor BrushColor = 0;
        TBrushStyle BrushStyle = bsSolid;
        TColor PenColor = 0;
        TPenStyle PenStyle = psSolid;
        int PenWidth = 1;
        int Alpha = 255;  // the surface transparency at the call
        int Align = 0;
        int Extra = 0;    // round size, stretch quality
        TColor FontColor = 0;
    };
    std::vector<TCall> Calls;
    int InitWindowCount = 0;
    int ShowImageCount = 0;
    int ReDrawCount = 0;

    // Calls named Op, in order.
    std::vector<TCall> Of(const QString& Op) const;
    // Index of the first call named Op at or after From; -1 when none.
    int IndexOf(const QString& Op, int From = 0) const;

    TRect InitWindow(QPaintDevice*, const TRect& rect, bool, TColor) override;
    void ShowImage(QPaintDevice*, const TRect&) override;
    bool ReDrawBitmap(QPaintDevice*, const TRect&) override;

    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Line(int, int, int, int) override {}
    void DoHorizLine(int, int, int) override {}
    void DoVertLine(int, int, int) override {}
    void Polyline(const std::vector<TPoint>&) override {}
    void PolylineFloat(const std::vector<TPointFloat>&) override {}
    void Polygon(const std::vector<TPoint>&) override {}
    void PolygonFloat(const std::vector<TPointFloat>&) override {}
    using TChartCanvas::Rectangle;
    void Rectangle(int X0, int Y0, int X1, int Y1) override { Record("Rectangle", {X0, Y0, X1, Y1}); }
    void RoundRect(int X0, int Y0, int X1, int Y1, int W, int) override { Record("RoundRect", {X0, Y0, X1, Y1}, {}, W); }
    void Ellipse(int X0, int Y0, int X1, int Y1) override { Record("Ellipse", {X0, Y0, X1, Y1}); }
    void FillRect(const TRect& R) override { Record("FillRect", R); }
    void StretchDraw(const TRect& R, const TGraphic&) override { Record("StretchDraw", R, {}, int(FStretchQuality)); }
    void Draw(int X, int Y, const TGraphic&) override { Record("Draw", {X, Y, X, Y}); }
    void TextOut(int X, int Y, const QString& Text) override { Record("TextOut", {X, Y, X, Y}, Text); }
    void RotateLabel(int X, int Y, const QString& Text, double) override { Record("RotateLabel", {X, Y, X, Y}, Text); }
    int TextWidth(const QString& Text) override { return CharWidth * int(Text.size()); }
    int TextHeight(const QString&) override { return LineHeight; }
    QSizeF TextSize(const QString& Text) override { return QSizeF(TextWidth(Text), LineHeight); }
    void ClipRectangle(const TRect& R, int, int) override { Record("ClipRectangle", R); }
    void ClipEllipse(const TRect& R) override { Record("ClipEllipse", R); }
    void ClipPolygon(const std::vector<TPoint>&, bool) override { Record("ClipPolygon", {}); }
    void UnClipRectangle() override { Record("UnClipRectangle", {}); }
    void ShadowRect(const TRect& R, const TChartShadow&, int RoundSize) override { Record("ShadowRect", R, {}, RoundSize); }
    void ShadowPolygon(const std::vector<TPoint>&, const TChartShadow&) override { Record("ShadowPolygon", {}); }

    void Record(const QString& Op, const TRect& R, const QString& Text = {}, int Extra = 0);
};
