#include "tests/chart/BenchShapedChart.h"

#include "chart/axes/ChartAxis.h"

#include <gtest/gtest.h>

#include <cmath>

// A gesture frame of dense data draws per pixel column; its picture is the
// exact one but for a few pixels, with and without markers, whole or zoomed.
// Markers need the benchmark's density (their smoothed edges are solid where
// many points share a pixel; with fewer, their order shows).
TEST(QuickFrames, NearlyTheExactPicture)
{
    for (bool markers : {false, true}) {
        std::unique_ptr<TChart> chart = BenchShapedChart(markers ? 1000000 : 200000, markers);
        for (bool zoomed : {false, true}) {
            if (zoomed) {
                ScreenFrame(*chart);
                TChartAxis* axis = chart->BottomAxis();
                const double min = axis->Minimum();
                const double max = axis->Maximum();
                axis->SetMinMax(min + 0.45 * (max - min), min + 0.55 * (max - min));
            }
            chart->SetQuickFrames(false);
            const QImage exact = ScreenFrame(*chart);
            chart->SetQuickFrames(true);
            const QImage quick = ScreenFrame(*chart);
            EXPECT_TRUE(chart->QuickFrameShown());
            EXPECT_GE(EqualShare(exact, quick), 99.0) << "markers " << markers << " zoomed " << zoomed;
        }
    }
}

// Percent of pixels whose channels differ by at most Tolerance.
double NearShare(const QImage& A, const QImage& B, int Tolerance)
{
    long long near = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x) {
            const QRgb a = A.pixel(x, y);
            const QRgb b = B.pixel(x, y);
            near += std::abs(qRed(a) - qRed(b)) <= Tolerance && std::abs(qGreen(a) - qGreen(b)) <= Tolerance
                && std::abs(qBlue(a) - qBlue(b)) <= Tolerance;
        }
    return 100.0 * double(near) / double(A.width() * A.height());
}

// A sawtooth whose every column climbs through the same rows a dozen times
// over: a gesture frame draws each marker of a column once, and the picture
// differs from the exact one only in faint shades of the markers' edges.
TEST(QuickFrames, RevisitedRowsKeepTheirLook)
{
    std::unique_ptr<TChart> chart = BenchShapedChart(4, true);
    auto* series = chart->GetSeries(3);
    std::vector<double> x(1000000);
    std::vector<double> y(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        x[i] = double(i) / 1000;
        y[i] = (double(i % 97) * 1.25 - 60) / 100;
    }
    series->Clear();
    series->AddXYArrays(std::move(x), std::move(y));
    chart->SetQuickFrames(false);
    const QImage exact = ScreenFrame(*chart);
    chart->SetQuickFrames(true);
    const QImage quick = ScreenFrame(*chart);
    EXPECT_GE(NearShare(exact, quick, 16), 99.9);
}

// Exports never take the fast path, and the picture of the screen is not
// reused while it holds a gesture frame.
TEST(QuickFrames, ExportsStayExact)
{
    for (bool markers : {false, true}) {
        std::unique_ptr<TChart> chart = BenchShapedChart(100000, markers);
        auto* series = dynamic_cast<TCustomSeries*>(chart->GetSeries(0));
        const QImage exact = chart->CreateChartBitmap(clDefault, {0, 0, 781, 590});
        EXPECT_FALSE(series->DrewQuick());
        chart->SetQuickFrames(true);
        ScreenFrame(*chart);
        EXPECT_TRUE(series->DrewQuick());
        EXPECT_TRUE(chart->CreateChartBitmap(clDefault, {0, 0, 781, 590}) == exact);
        EXPECT_FALSE(series->DrewQuick());
    }
}

// New points replace the column extremes: a gesture frame after a change of
// the data shows the new data (same count, so no size check can notice).
TEST(QuickFrames, DataChangesAreSeen)
{
    std::unique_ptr<TChart> chart = BenchShapedChart(100000, false);
    chart->SetQuickFrames(true);
    ScreenFrame(*chart);
    auto* series = chart->GetSeries(1);
    std::vector<double> x(series->XValues()->Value());
    std::vector<double> y(x.size());
    for (size_t i = 0; i < y.size(); ++i)
        y[i] = (i / 5000) % 2 ? 1.0 : -1.0;
    series->Clear();
    series->AddXYArrays(std::move(x), std::move(y));
    const QImage quick = ScreenFrame(*chart);
    chart->SetQuickFrames(false);
    const QImage exact = ScreenFrame(*chart);
    EXPECT_GE(EqualShare(exact, quick), 99.0);
}

// A stamp drawn N times at once leaves the pixels N drawings leave, opaque
// or see-through, below and beyond the counts kept as stamps of their own.
TEST(QuickFrames, RepeatedStampIsRepeatedDrawing)
{
    for (int transparency : {0, 60})
    for (int times : {1, 2, 5, 40, 64, 65, 300}) {
        QImage one(60, 40, QImage::Format_ARGB32_Premultiplied);
        QImage many(60, 40, QImage::Format_ARGB32_Premultiplied);
        for (QImage* image : {&one, &many}) {
            image->fill(QColor(200, 180, 90));
            TAntialiasCanvas C;
            C.SetBufferedDisplay(false);
            C.InitWindow(image, {0, 0, 60, 40}, false, clWhite);
            C.Pen()->SetColor(clBlack);
            C.Brush()->SetColor(RGBColor(0x40, 0x80, 0xC0));
            C.Brush()->SetStyle(bsSolid);
            C.SetTransparency(transparency);
            // Enough uses for the stamp to be made, then the one under test.
            for (int i = 0; i < 20; ++i)
                C.DrawStamp(5, 5, 77, 5, [&C](int X, int Y) { C.Ellipse(X - 2, Y - 2, X + 3, Y + 3); });
            auto paint = [&C](int X, int Y) { C.Ellipse(X - 2, Y - 2, X + 3, Y + 3); };
            if (image == &one)
                for (int t = 0; t < times; ++t)
                    C.DrawStamp(30, 20, 77, 5, paint);
            else
                C.DrawStamps(30, 20, 77, 5, paint, times);
            EXPECT_GT(C.StampedCount(), 0);
            C.ShowImage(nullptr, {0, 0, 60, 40});
        }
        EXPECT_TRUE(one == many) << times << " transparency " << transparency;
    }
}

// An exact frame draws a run of points on one pixel as one marker drawn as
// many times; a style handler (which may differ per point) turns that off,
// and both give the very same pixels.
TEST(QuickFrames, ExactFramesDrawRepeatsAtOnceWithTheSamePixels)
{
    std::unique_ptr<TChart> chart = BenchShapedChart(200000, true);
    const QImage merged = ScreenFrame(*chart);
    for (int s = 0; s < chart->SeriesCount(); ++s)
        dynamic_cast<TCustomSeries*>(chart->GetSeries(s))->OnGetPointerStyle = [](TCustomSeries*, int) {
            return psCircle;
        };
    const QImage single = ScreenFrame(*chart);
    EXPECT_TRUE(merged == single);
}
