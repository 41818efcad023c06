#pragma once

#include "AxisTestCanvas.h"
#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/series/LineSeries.h"

#include <memory>
#include <utility>
#include <vector>

// A chart on the recording surface, with helpers to add line series and run
// the axis steps of a frame over a given chart rectangle.
struct TAxisChart {
    TChart Chart;
    TAxisTestCanvas* Canvas = nullptr;

    TAxisChart()
    {
        auto Surface = std::make_unique<TAxisTestCanvas>();
        Canvas = Surface.get();
        Chart.SetCanvas(std::move(Surface));
    }

    TChartAxis* Bottom() const { return Chart.BottomAxis(); }
    TChartAxis* Left() const { return Chart.LeftAxis(); }

    TLineSeries* AddSeries(const std::vector<std::pair<double, double>>& Points)
    {
        auto* Series = new TLineSeries(&Chart);
        Chart.AddSeries(Series);
        for (const auto& [x, y] : Points)
            Series->AddXY(x, y);
        return Series;
    }
    // Points (x, f(x)) for x = 0 .. n - 1.
    template <class F>
    TLineSeries* AddFunction(int n, F f)
    {
        std::vector<std::pair<double, double>> Points;
        for (int i = 0; i < n; ++i)
            Points.emplace_back(i, f(i));
        return AddSeries(Points);
    }

    void SetChartRect(const TRect& R)
    {
        Chart.SetChartRect(R);
        Chart.ReCalcWidthHeight();
    }
    // Range and positions of one axis on R, without any band taken.
    void Place(TChartAxis* Axis, const TRect& R)
    {
        SetChartRect(R);
        Axis->AdjustMaxMin();
        Axis->PlaceOnChartRect();
    }
    // The layout step of a frame starting from R.
    void Layout(const TRect& R = {100, 50, 600, 450})
    {
        SetChartRect(R);
        Chart.LayoutAxes();
    }
    // Layout, then every shown axis drawn on a cleared recording.
    void LayoutAndDraw(const TRect& R = {100, 50, 600, 450})
    {
        Layout(R);
        Canvas->Clear();
        Chart.DrawAllAxes();
    }

    // Text metrics in a font, as the chart measures them.
    int TextWidth(const TChartFont& Font, const QString& Text)
    {
        Canvas->AssignFont(Font);
        return Canvas->TextWidth(Text);
    }
    int TextHeight(const TChartFont& Font)
    {
        Canvas->AssignFont(Font);
        return Canvas->TextHeight(QStringLiteral("W"));
    }
};
