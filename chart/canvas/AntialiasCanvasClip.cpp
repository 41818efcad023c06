#include "chart/canvas/AntialiasCanvas.h"

#include "chart/canvas/PainterGeometry.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

// The surface's clip stack: each pushed clip saves the painter's state, and
// a rectangular one also records the pixels it leaves, so that stamps know
// where they may copy.

bool TAntialiasCanvas::PushClip()
{
    if (!FGraphics)
        return false;
    FGraphics->save();
    ++IClipDepth;
    return true;
}

void TAntialiasCanvas::PushClipBox(bool Rectangular, int Left, int Top, int Right, int Bottom)
{
    TClipBox box{Rectangular, Left, Top, Right, Bottom};
    if (!IClipBoxes.empty()) {
        const TClipBox& outer = IClipBoxes.back();
        box.Rectangular = box.Rectangular && outer.Rectangular;
        box.Left = std::max(box.Left, outer.Left);
        box.Top = std::max(box.Top, outer.Top);
        box.Right = std::min(box.Right, outer.Right);
        box.Bottom = std::min(box.Bottom, outer.Bottom);
    }
    IClipBoxes.push_back(box);
}

void TAntialiasCanvas::ClipRectangle(const TRect& R, int CornerWidth, int CornerHeight)
{
    if (!PushClip())
        return;
    if (CornerWidth > 0 || CornerHeight > 0) {
        PushClipBox(false, 0, 0, -1, -1);
        FGraphics->setClipPath(RoundedPath(BoxOf(R.Left, R.Top, R.Right, R.Bottom), CornerWidth, CornerHeight),
                               Qt::IntersectClip);
        return;
    }
    // One extra pixel row above and below: a frame's top and bottom lines and
    // what touches them stay visible.
    const int height = std::max(0, R.Bottom - R.Top + 2);
    const QRect box(R.Left, R.Top - 1, std::max(0, R.Right - R.Left), height);
    PushClipBox(true, box.left(), box.top(), box.left() + box.width() - 1, box.top() + box.height() - 1);
    FGraphics->setClipRect(box, Qt::IntersectClip);
}

void TAntialiasCanvas::ClipEllipse(const TRect& R)
{
    if (!PushClip())
        return;
    PushClipBox(false, 0, 0, -1, -1);
    QPainterPath path;
    path.addEllipse(BoxOf(R.Left, R.Top, R.Right, R.Bottom));
    FGraphics->setClipPath(path, Qt::IntersectClip);
}

void TAntialiasCanvas::ClipPolygon(const std::vector<TPoint>& Points, bool Exclude)
{
    if (!PushClip())
        return;
    PushClipBox(false, 0, 0, -1, -1);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (Exclude) {
        // Everything but the polygon: the device's area with the polygon as a hole.
        const QRectF all(-1, -1, IDevice->width() + 2, IDevice->height() + 2);
        path.addRect(FGraphics->worldTransform().inverted().mapRect(all));
    }
    path.addPolygon(PolygonOf(Points, 0));
    path.closeSubpath();
    FGraphics->setClipPath(path, Qt::IntersectClip);
}

void TAntialiasCanvas::UnClipRectangle()
{
    if (!FGraphics)
        return;
    if (IClipDepth == 0) {
        FGraphics->setClipping(false);
        IClipBoxes.clear();
        return;
    }
    FGraphics->restore();
    --IClipDepth;
    if (!IClipBoxes.empty())
        IClipBoxes.pop_back();
    ForgetPainterState();
}
