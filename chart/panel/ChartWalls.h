#pragma once

#include "chart/panel/ChartBackWall.h"
#include "chart/panel/ChartBottomWall.h"
#include "chart/panel/ChartLeftWall.h"
#include "chart/panel/ChartRightWall.h"

#include <memory>

// The chart's four walls; the right one is made on first access.
class TChartWalls {
public:
    explicit TChartWalls(TChartContext* AChart);
    TChartWalls(const TChartWalls&) = delete;
    TChartWalls& operator=(const TChartWalls&) = delete;
    ~TChartWalls();

    TChartBackWall* Back() const { return FBack.get(); }
    TChartLeftWall* Left() const { return FLeft.get(); }
    TChartBottomWall* Bottom() const { return FBottom.get(); }
    TChartRightWall* Right();

private:
    TChartContext* FChart;
    std::unique_ptr<TChartBackWall> FBack;
    std::unique_ptr<TChartLeftWall> FLeft;
    std::unique_ptr<TChartBottomWall> FBottom;
    std::unique_ptr<TChartRightWall> FRight;
};
