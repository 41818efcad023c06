#include "chart/canvas/ShadowPainter.h"

#include "chart/canvas/ChartCanvas.h"
#include "chart/canvas/ChartShadow.h"

#include <cstdlib>

TRect ShadowRectOf(const TChartShadow& Shadow, const TRect& R)
{
    const int h = Shadow.HorizSize();
    const int v = Shadow.VertSize();
    int dx = 0;
    int dy = 0;
    switch (Shadow.Direction()) {
    case sdLeftTop: dx = -h; dy = -v; break;
    case sdLeftBottom: dx = -h; dy = v; break;
    case sdRightTop: dx = h; dy = -v; break;
    case sdRightBottom: dx = h; dy = v; break;
    case sdCenter: {
        const int ah = std::abs(h);
        const int av = std::abs(v);
        return {R.Left - ah, R.Top - av, R.Right + ah, R.Bottom + av};
    }
    }
    return {R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy};
}

void DrawShadow(TChartCanvas& Canvas, const TChartShadow& Shadow, const TRect& R, int RoundSize)
{
    if (!Shadow.ShouldDraw())
        return;
    const TPenStyle OldStyle = Canvas.Pen()->Style();
    const TColor OldColor = Canvas.Pen()->Color();
    const TRect S = ShadowRectOf(Shadow, R);
    Canvas.BeginBlending(S, Shadow.Transparency());
    Canvas.ShadowRect(S, Shadow, RoundSize);
    Canvas.EndBlending();
    Canvas.Pen()->SetStyle(OldStyle);
    Canvas.Pen()->SetColor(OldColor);
}
