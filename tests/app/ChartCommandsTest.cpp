#include "app/ChartCommands.h"
#include "tests/app/SeriesState.h"
#include "chart/axes/AxisException.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/BackImage.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartBackWall.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartTitle.h"
#include "chart/panel/PictureError.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

using namespace ChartCommands;

namespace {

using TFontState = std::tuple<QString, int, TColor, int>;

TFontState FontOf(const TChartFont* f) { return {f->Name(), f->Size(), f->Color(), f->Style()}; }

// Everything the chart-wide commands may touch, so that a case can say what
// changes and the comparison proves that nothing else did.
struct TChartState {
    QStringList TitleLines;
    TFontState TitleFont;
    TAlignment TitleAlignment;
    TColor PanelColor;
    TColor WallColor;
    bool WallTransparent;
    bool WallPicture;
    bool Shadow;
    bool Border;
    bool LeftAutomatic, BottomAutomatic;
    QString XTitle, YTitle;
    TFontState LeftTitleFont, BottomTitleFont, LeftLabelsFont, BottomLabelsFont;
    TLegendAlignment Legend;
    bool operator==(const TChartState&) const = default;
};

TChartState StateOf(TChart& c)
{
    return {c.Title()->Text(),
            FontOf(c.Title()->Font()),
            c.Title()->Alignment(),
            c.Color(),
            c.BackWall()->Color(),
            c.BackWall()->Transparent(),
            c.BackWall()->Picture()->Valid(),
            c.Shadow()->Visible(),
            c.Border()->Visible(),
            c.LeftAxis()->Automatic(),
            c.BottomAxis()->Automatic(),
            c.BottomAxis()->Title()->Caption(),
            c.LeftAxis()->Title()->Caption(),
            FontOf(c.LeftAxis()->Title()->Font()),
            FontOf(c.BottomAxis()->Title()->Font()),
            FontOf(c.LeftAxis()->LabelsFont()),
            FontOf(c.BottomAxis()->LabelsFont()),
            c.Legend()->Alignment()};
}

// The program's chart with `count` line series set up as the import sets them.
std::unique_ptr<TChart> ChartWithSeries(int count)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    for (int i = 0; i < count; ++i) {
        auto* line = new TLineSeries(chart.get());
        line->Pointer()->SetVisible(true);
        line->Pointer()->SetSize(2);
        line->Pointer()->SetStyle(psCircle);
        chart->AddSeries(line);
        line->SetTitle(QStringLiteral("No%1").arg(i));
        line->AddXY(0, i);
        line->AddXY(1, i + 1);
    }
    return chart;
}

QString WritePicture(const QTemporaryDir& dir, const char* name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    EXPECT_TRUE(image.save(path));
    return path;
}

} // namespace

TEST(ChartCommands, ChartWideCommandsChangeTheirPropertyAndNothingElse)
{
    QTemporaryDir dir;
    const QString picture = WritePicture(dir, "wall.png");
    const TFontChoice font{QStringLiteral("Serif"), 17, RGBColor(9, 8, 7), fsBold | fsItalic};
    const TFontState fontState{font.Name, font.Size, font.Color, font.Style};
    struct TCase {
        const char* Name;
        std::function<void(TChart&)> Apply;
        std::function<void(TChartState&)> Effect;
    };
    const TCase cases[] = {
        // The title's old lines go: one line remains, whatever was there.
        {"title text", [](TChart& c) { SetTitleText(c, QStringLiteral("Run 2")); },
         [](TChartState& s) { s.TitleLines = {QStringLiteral("Run 2")}; }},
        {"title font", [&](TChart& c) { SetTitleFont(c, font); }, [&](TChartState& s) { s.TitleFont = fontState; }},
        {"panel colour", [](TChart& c) { SetPanelColor(c, RGBColor(10, 20, 30)); },
         [](TChartState& s) { s.PanelColor = RGBColor(10, 20, 30); }},
        // A colour replaces a picture and makes the (transparent by default) wall opaque.
        {"wall colour", [](TChart& c) { SetWallColor(c, RGBColor(0, 255, 0)); },
         [](TChartState& s) { s.WallColor = RGBColor(0, 255, 0), s.WallTransparent = false; }},
        {"wall picture", [&](TChart& c) { SetWallPicture(c, picture); },
         [](TChartState& s) { s.WallPicture = true, s.WallTransparent = true; }},
        {"wall picture, then colour",
         [&](TChart& c) { SetWallPicture(c, picture), SetWallColor(c, clRed); },
         [](TChartState& s) { s.WallColor = clRed, s.WallTransparent = false, s.WallPicture = false; }},
        {"shadow", [](TChart& c) { SetShadow(c, true); }, [](TChartState& s) { s.Shadow = true; }},
        {"border", [](TChart& c) { SetBorder(c, true); }, [](TChartState& s) { s.Border = true; }},
        {"autosize off", [](TChart& c) { SetAutoSize(c, false); },
         [](TChartState& s) { s.LeftAutomatic = s.BottomAutomatic = false; }},
        {"x title", [](TChart& c) { SetXAxisTitle(c, QStringLiteral("t [s]")); },
         [](TChartState& s) { s.XTitle = QStringLiteral("t [s]"); }},
        {"y title", [](TChart& c) { SetYAxisTitle(c, QStringLiteral("U [V]")); },
         [](TChartState& s) { s.YTitle = QStringLiteral("U [V]"); }},
        // Both axis titles, not the labels.
        {"axis title font", [&](TChart& c) { SetAxisTitleFont(c, font); },
         [&](TChartState& s) { s.LeftTitleFont = s.BottomTitleFont = fontState; }},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::unique_ptr<TChart> chart = CreatePlotvaneChart();
        TChartState expected = StateOf(*chart);
        test.Effect(expected);
        ASSERT_NE(StateOf(*chart), expected) << "the case changes nothing from the default";
        test.Apply(*chart);
        EXPECT_EQ(StateOf(*chart), expected);
    }
}

TEST(ChartCommands, AFailedWallPictureKeepsThePreviousPicture)
{
    QTemporaryDir dir;
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    SetWallPicture(*chart, WritePicture(dir, "wall.bmp"));
    const TGraphic* before = chart->BackWall()->Picture()->Graphic();
    EXPECT_THROW(SetWallPicture(*chart, dir.filePath(QStringLiteral("wall.xyz"))), EPictureError);
    EXPECT_THROW(SetWallPicture(*chart, dir.filePath(QStringLiteral("missing.png"))), EPictureError);
    EXPECT_EQ(chart->BackWall()->Picture()->Graphic(), before);
    EXPECT_TRUE(chart->BackWall()->Transparent());
    // A coloured wall stays coloured and opaque.
    SetWallColor(*chart, clRed);
    EXPECT_THROW(SetWallPicture(*chart, dir.filePath(QStringLiteral("missing.png"))), EPictureError);
    EXPECT_FALSE(chart->BackWall()->Transparent());
    EXPECT_EQ(chart->BackWall()->Color(), clRed);
}

// Each item of a drop-down maps to its engine value; an item outside the
// list changes nothing.
TEST(ChartCommands, DropDownItemsMapToEngineValues)
{
    struct TTable {
        const char* Name;
        std::function<void(TChart&, int)> Apply;
        std::function<int(TChart&)> Read;
        std::vector<int> Values;
    };
    const auto series = [](TChart& c) { return static_cast<TCustomSeries*>(c.GetSeries(0)); };
    const TTable tables[] = {
        {"title alignment", SetTitleAlignment, [](TChart& c) { return int(c.Title()->Alignment()); },
         {taLeftJustify, taCenter, taRightJustify}},
        {"legend position", SetLegendPosition, [](TChart& c) { return int(c.Legend()->Alignment()); },
         {laLeft, laRight, laTop, laBottom}},
        {"line style", [](TChart& c, int item) { SetSeriesStyle(c, 0, item); },
         [&](TChart& c) { return int(series(c)->LinePen()->Style()); },
         {psSolid, psDash, psDot, psDashDot, psDashDotDot}},
        {"marker style", [](TChart& c, int item) { SetMarkerStyle(c, 0, item); },
         [&](TChart& c) { return int(series(c)->Pointer()->Style()); },
         {psRectangle, psCircle, psTriangle, psDiamond}},
    };
    for (const TTable& table : tables) {
        const int n = int(table.Values.size());
        for (int item = 0; item < n; ++item) {
            SCOPED_TRACE(testing::Message() << table.Name << " item " << item);
            std::unique_ptr<TChart> chart = ChartWithSeries(1);
            // From a different item, so that a no-op cannot pass.
            table.Apply(*chart, (item + 1) % n);
            table.Apply(*chart, item);
            EXPECT_EQ(table.Read(*chart), table.Values[size_t(item)]);
            for (int bad : {-1, n, 100, INT_MIN, INT_MAX}) {
                table.Apply(*chart, bad);
                EXPECT_EQ(table.Read(*chart), table.Values[size_t(item)]) << "after item " << bad;
            }
        }
    }
}

TEST(ChartCommands, WidthAndMarkerSizeAreClampedToOneToHundred)
{
    const std::pair<int, int> clamps[] = {{INT_MIN, 1}, {-5, 1},   {0, 1},     {1, 1},
                                          {2, 2},       {100, 100}, {101, 100}, {INT_MAX, 100}};
    for (const auto& [given, kept] : clamps) {
        SCOPED_TRACE(given);
        std::unique_ptr<TChart> chart = ChartWithSeries(1);
        auto* s = static_cast<TCustomSeries*>(chart->GetSeries(0));
        SetSeriesWidth(*chart, 0, given);
        SetMarkerSize(*chart, 0, given);
        EXPECT_EQ(s->LinePen()->Width(), kept);
        EXPECT_EQ(s->Pointer()->HorizSize(), kept);
        EXPECT_EQ(s->Pointer()->VertSize(), kept);
    }
}

// A series command changes its series only; an index that is not a series
// (as when no series is selected) changes nothing.
TEST(ChartCommands, SeriesCommandsTouchOnlyTheirSeries)
{
    struct TCase {
        const char* Name;
        std::function<void(TChart&, int)> Apply;
        std::function<void(TSeriesState&)> Effect;
    };
    const TCase cases[] = {
        {"title", [](TChart& c, int i) { SetSeriesTitle(c, i, QStringLiteral("Volts")); },
         [](TSeriesState& s) { s.Title = QStringLiteral("Volts"); }},
        {"colour", [](TChart& c, int i) { SetSeriesColor(c, i, RGBColor(1, 2, 3)); },
         [](TSeriesState& s) { s.Color = RGBColor(1, 2, 3); }},
        {"width", [](TChart& c, int i) { SetSeriesWidth(c, i, 7); }, [](TSeriesState& s) { s.Width = 7; }},
        {"style", [](TChart& c, int i) { SetSeriesStyle(c, i, 3); }, [](TSeriesState& s) { s.Style = psDashDot; }},
        {"hidden", [](TChart& c, int i) { SetSeriesVisible(c, i, false); }, [](TSeriesState& s) { s.Active = false; }},
        {"smoothed", [](TChart& c, int i) { SetSeriesSmoothed(c, i, true); },
         [](TSeriesState& s) { s.Smoothed = true; }},
        {"marker off", [](TChart& c, int i) { SetMarkerVisible(c, i, false); },
         [](TSeriesState& s) { s.Marker = false; }},
        {"marker size", [](TChart& c, int i) { SetMarkerSize(c, i, 9); }, [](TSeriesState& s) { s.MarkerSize = 9; }},
        {"marker style", [](TChart& c, int i) { SetMarkerStyle(c, i, 3); },
         [](TSeriesState& s) { s.MarkerStyle = psDiamond; }},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::unique_ptr<TChart> chart = ChartWithSeries(3);
        std::vector<TSeriesState> expected = SeriesStates(*chart);
        for (int index : {-1, 3, INT_MAX, INT_MIN})
            test.Apply(*chart, index);
        EXPECT_EQ(SeriesStates(*chart), expected);
        test.Effect(expected[1]);
        ASSERT_NE(SeriesStates(*chart), expected) << "the case changes nothing from the default";
        test.Apply(*chart, 1);
        EXPECT_EQ(SeriesStates(*chart), expected);

        std::unique_ptr<TChart> empty = CreatePlotvaneChart();
        const TChartState emptyBefore = StateOf(*empty);
        for (int index : {0, -1, 1})
            test.Apply(*empty, index);
        EXPECT_EQ(empty->SeriesCount(), 0);
        EXPECT_EQ(StateOf(*empty), emptyBefore);
    }
}

TEST(ChartCommands, AxisBoxesSetTheirAxisLimitOrIncrement)
{
    struct TCase {
        TAxisBox Box;
        bool Left;
        double (TChartAxis::*Read)() const;
        const char* Text;
        double Value;
    };
    const TCase cases[] = {
        {abXMax, false, &TChartAxis::Maximum, "250", 250},   {abXMin, false, &TChartAxis::Minimum, "-3", -3},
        {abXInc, false, &TChartAxis::Increment, "5", 5},     {abYMax, true, &TChartAxis::Maximum, "1000000", 1e6},
        {abYMin, true, &TChartAxis::Minimum, "-0.5", -0.5}, {abYInc, true, &TChartAxis::Increment, "0.25", 0.25},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(int(test.Box));
        std::unique_ptr<TChart> chart = CreatePlotvaneChart();
        TChartAxis* axis = test.Left ? chart->LeftAxis() : chart->BottomAxis();
        TChartAxis* other = test.Left ? chart->BottomAxis() : chart->LeftAxis();
        const double otherBefore = (other->*test.Read)();
        EXPECT_TRUE(ApplyAxisBox(*chart, test.Box, QString::fromLatin1(test.Text)));
        EXPECT_EQ((axis->*test.Read)(), test.Value);
        EXPECT_EQ((other->*test.Read)(), otherBefore);
        // Not a number: refused quietly, the value stays.
        for (const char* text : {"", "abc", "1.5x", "--1", "1e999", "1,5"})
            EXPECT_FALSE(ApplyAxisBox(*chart, test.Box, QString::fromLatin1(text))) << text;
        EXPECT_EQ((axis->*test.Read)(), test.Value);
    }
}

TEST(ChartCommands, ARefusedAxisBoxThrowsAndKeepsTheOldValue)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    ASSERT_TRUE(ApplyAxisBox(*chart, abYMin, QStringLiteral("0")));
    ASSERT_TRUE(ApplyAxisBox(*chart, abYMax, QStringLiteral("10")));
    EXPECT_THROW(ApplyAxisBox(*chart, abYMin, QStringLiteral("11")), AxisException);
    EXPECT_THROW(ApplyAxisBox(*chart, abYMax, QStringLiteral("-1")), AxisException);
    EXPECT_THROW(ApplyAxisBox(*chart, abYInc, QStringLiteral("-1")), AxisException);
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 0);
    EXPECT_EQ(chart->LeftAxis()->Maximum(), 10);
    EXPECT_GE(chart->LeftAxis()->Increment(), 0);
}

// Run under LANG=de_DE.UTF-8: the boxes read the regional decimal comma.
TEST(ChartCommands, LocaleDeAxisBoxReadsTheDecimalComma)
{
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    EXPECT_TRUE(ApplyAxisBox(*chart, abXInc, QStringLiteral("2,5")));
    EXPECT_EQ(chart->BottomAxis()->Increment(), 2.5);
}

// The window reads a series' styles back through the same tables it sets
// them with: every item comes back as itself, a style no item stands for as
// none.
TEST(ChartCommands, StyleItemsReadBackTheItemThatSetThem)
{
    std::unique_ptr<TChart> chart = ChartWithSeries(1);
    TCustomSeries& s = *static_cast<TCustomSeries*>(chart->GetSeries(0));
    for (int item = 0; item < SeriesStyleItems; ++item) {
        SetSeriesStyle(*chart, 0, item);
        EXPECT_EQ(SeriesStyleItem(s), item);
    }
    for (int item = 0; item < MarkerStyleItems; ++item) {
        SetMarkerStyle(*chart, 0, item);
        EXPECT_EQ(MarkerStyleItem(s), item);
    }
    s.LinePen()->SetStyle(psClear);
    s.Pointer()->SetStyle(psStar);
    EXPECT_EQ(SeriesStyleItem(s), -1);
    EXPECT_EQ(MarkerStyleItem(s), -1);
}
