#include "chart/panel/ChartWalls.h"

TChartWalls::TChartWalls(TChartContext* AChart)
    : FChart(AChart),
      FBack(std::make_unique<TChartBackWall>(AChart)),
      FLeft(std::make_unique<TChartLeftWall>(AChart)),
      FBottom(std::make_unique<TChartBottomWall>(AChart))
{
}

TChartWalls::~TChartWalls() = default;

TChartRightWall* TChartWalls::Right()
{
    if (!FRight)
        FRight = std::make_unique<TChartRightWall>(FChart);
    return FRight.get();
}
