#pragma once

#include "chart/canvas/StampCache.h"
#include "chart/canvas/StampPaint.h"

#include <functional>
#include <memory>

class QImage;
class QRect;
class TStamp;

// Draws the figures a surface draws again and again by copying their pixels:
// a figure is drawn directly for its first few uses, then rasterised once over
// the 256 uniform grounds and from then on stamped.
class TStampReplay {
public:
    // Runs Draw with the surface's drawing redirected onto Scratch and its state
    // kept otherwise; false when the surface cannot draw on Scratch.
    using TScratchDrawing = std::function<bool(QImage& Scratch, const std::function<void()>& Draw)>;

    explicit TStampReplay(TScratchDrawing Scratch);

    // Copies Key's stamp centred on (X, Y) into Picture (32-bit premultiplied),
    // touching only pixels inside Clip (which lies inside Picture), and returns
    // true; makes the stamp from Paint when it is due. False: there is no stamp
    // (yet), and the caller draws the figure directly.
    // Times: the figure drawn that many times over itself.
    bool Draw(QImage& Picture, const QRect& Clip, int X, int Y, const TStampKey& Key, TStampPaint Paint,
              int Times = 1);

private:
    TScratchDrawing FScratch;
    TStampCache FCache;

    std::unique_ptr<TStamp> Render(int Reach, TStampPaint Paint) const;
};
