#pragma once

#include "chart/canvas/ChartCanvas.h"

#include <QString>

#include <vector>

// A surface with simple font-dependent metrics that records the lines and
// texts it is asked to draw: every character is (size - 2) pixels wide plus
// one pixel of padding on each side, a line is (size + 5) pixels high. With
// the default 8-point font that is 6 pixels a character and 13 a line.
class TAxisTestCanvas : public TChartCanvas {
public:
    struct TLine {
        bool Horizontal;
        int A0, A1, At; // DoHorizLine(A0, A1, At) or DoVertLine(At, A0, A1)
        TColor Color;
        int Width;
    };
    struct TText {
        int X, Y;
        QString Text;
        int Align;
        bool Rotated;
        double Degrees;
        bool UseCenter;
        TPoint Center;
        int FontSize;
        int FontStyle;
    };
    std::vector<TLine> Lines;
    std::vector<TText> Texts;

    int CharWidth() const { return FFont.Size() - 2; }
    int LineHeight() const { return FFont.Size() + 5; }

    std::vector<TLine> HorizLines() const { return Filter(true); }
    std::vector<TLine> VertLines() const { return Filter(false); }
    void Clear()
    {
        Lines.clear();
        Texts.clear();
    }

    TRect InitWindow(QPaintDevice*, const TRect& rect, bool, TColor) override { return {0, 0, rect.Width(), rect.Height()}; }
    void ShowImage(QPaintDevice*, const TRect&) override {}
    bool ReDrawBitmap(QPaintDevice*, const TRect&) override { return false; }

    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Line(int, int, int, int) override {}
    void DoHorizLine(int X0, int X1, int Y) override { Record(true, X0, X1, Y); }
    void DoVertLine(int X, int Y0, int Y1) override { Record(false, Y0, Y1, X); }
    void Polyline(const std::vector<TPoint>&) override {}
    void PolylineFloat(const std::vector<TPointFloat>&) override {}
    void Polygon(const std::vector<TPoint>&) override {}
    void PolygonFloat(const std::vector<TPointFloat>&) override {}
    using TChartCanvas::Rectangle;
    void Rectangle(int, int, int, int) override {}
    void RoundRect(int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void FillRect(const TRect&) override {}
    void StretchDraw(const TRect&, const TGraphic&) override {}
    void Draw(int, int, const TGraphic&) override {}

    void TextOut(int X, int Y, const QString& Text) override { Output(X, Y, Text, false, 0); }
    void RotateLabel(int X, int Y, const QString& Text, double Degrees) override { Output(X, Y, Text, true, Degrees); }
    int TextWidth(const QString& Text) override { return CharWidth() * int(Text.size()) + 2; }
    int TextHeight(const QString&) override { return LineHeight(); }
    QSizeF TextSize(const QString& Text) override { return QSizeF(TextWidth(Text), LineHeight()); }

    void ClipRectangle(const TRect&, int, int) override {}
    void ClipEllipse(const TRect&) override {}
    void ClipPolygon(const std::vector<TPoint>&, bool) override {}
    void UnClipRectangle() override {}
    void ShadowRect(const TRect&, const TChartShadow&, int) override {}
    void ShadowPolygon(const std::vector<TPoint>&, const TChartShadow&) override {}

private:
    void Record(bool Horizontal, int A0, int A1, int At)
    {
        if (FPen.Visible() && FPen.Style() != psClear)
            Lines.push_back({Horizontal, A0, A1, At, FPen.Color(), FPen.Width()});
    }
    void Output(int X, int Y, const QString& Text, bool Rotated, double Degrees)
    {
        Texts.push_back({X, Y, Text, FTextAlign, Rotated, Degrees, IUseTextCenter, ITextCenter, FFont.Size(),
                         FFont.Style()});
    }
    std::vector<TLine> Filter(bool Horizontal) const
    {
        std::vector<TLine> Result;
        for (const TLine& L : Lines)
            if (L.Horizontal == Horizontal)
                Result.push_back(L);
        return Result;
    }
};
