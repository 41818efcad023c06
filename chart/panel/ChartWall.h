#pragma once

#include "chart/panel/CustomChartWall.h"

class TChartContext;

#include <memory>

class TBackImage;

// A wall with a picture and the part of the plot height it covers.
class TChartWall : public TCustomChartWall {
public:
    explicit TChartWall(TChartContext* AChart, TColor AColor = clSilver);
    ~TChartWall() override;

    TBackImage* Picture() const { return FPicture.get(); }
    // Percent of the plot height, from the top and to the bottom.
    int StartPosition() const { return FStartPosition; }
    void SetStartPosition(int Value);
    int EndPosition() const { return FEndPosition; }
    void SetEndPosition(int Value);

    // Frame, fill and picture of the wall rectangle R; the picture covers
    // PictureRect.
    void DrawWall(const TRect& R, const TRect& PictureRect);

private:
    std::unique_ptr<TBackImage> FPicture;
    int FStartPosition = 0;
    int FEndPosition = 100;
};
