#pragma once

#include "chart/panel/ChartPicture.h"
#include "chart/canvas/ChartCanvas.h"
#include "chart/canvas/Rect.h"

enum TBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };

// A picture behind a chart area: stretched over it by default.
class TBackImage : public TChartPicture {
public:
    explicit TBackImage(std::function<void()> OnChange = {});
    ~TBackImage() override;

    TBackImageMode Mode() const { return FMode; }
    void SetMode(TBackImageMode Value);
    TStretchQuality DrawQuality() const { return FDrawQuality; }
    void SetDrawQuality(TStretchQuality Value);
    bool Inside() const { return FInside; }
    void SetInside(bool Value);
    // The picture's rectangle for pbmCustom.
    const TRect& CustomRect() const { return FCustomRect; }
    void SetCustomRect(const TRect& Value);

    // Draws the picture over R as Mode says, with the canvas' stretch quality
    // set to DrawQuality meanwhile. An empty picture draws nothing.
    void Draw(TChartCanvas& Canvas, const TRect& R) const;

private:
    void Changed();

    TBackImageMode FMode = pbmStretch;
    TStretchQuality FDrawQuality = sqHigh;
    bool FInside = false;
    TRect FCustomRect;
    std::function<void()> FOnChange;
};
