#pragma once

#include "chart/canvas/AntialiasCanvas.h"
#include "chart/panel/Chart.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"

#include <QImage>

#include <cmath>
#include <memory>
#include <vector>

// Four series as the import draws its benchmark data (a small sine, a large
// cosine, a nearly flat line and a sawtooth, scaled by the import's "K"),
// N points each, with the import's circle markers when asked for.
inline std::unique_ptr<TChart> BenchShapedChart(int N, bool Markers)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    chart->SetSize(781, 590);
    for (int s = 0; s < 4; ++s) {
        auto* series = new TLineSeries(chart.get());
        series->Pointer()->SetVisible(Markers);
        series->Pointer()->SetSize(2);
        series->Pointer()->SetStyle(psCircle);
        chart->AddSeries(series);
        std::vector<double> x(static_cast<size_t>(N));
        std::vector<double> y(static_cast<size_t>(N));
        for (int i = 0; i < N; ++i) {
            const double t = i * 1000.0 / N;
            x[size_t(i)] = t;
            switch (s) {
            case 0: y[size_t(i)] = std::sin(t) * 3.7 / 1000; break;
            case 1: y[size_t(i)] = std::cos(t * 0.5) * 1.2345; break;
            case 2: y[size_t(i)] = (0.0001 * std::sin(t * 3) + 0.02) / 1000; break;
            default: y[size_t(i)] = ((i % 97) * 1.25 - 60 + (i % 13) * 0.0137) / 1000; break;
            }
        }
        series->AddXYArrays(std::move(x), std::move(y));
    }
    return chart;
}

inline TAntialiasCanvas* Surface(TChart& Chart) { return dynamic_cast<TAntialiasCanvas*>(Chart.Canvas()); }

inline QImage ScreenFrame(TChart& Chart)
{
    QImage image(781, 590, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    Chart.Invalidate();
    Chart.Draw(&image, {0, 0, 781, 590});
    return image;
}

// Percent of pixels equal in A and B (same size).
inline double EqualShare(const QImage& A, const QImage& B)
{
    long long equal = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x)
            equal += A.pixel(x, y) == B.pixel(x, y);
    return 100.0 * double(equal) / double(A.width() * A.height());
}
