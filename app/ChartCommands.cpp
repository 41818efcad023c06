#include "app/ChartCommands.h"

#include "chart/panel/BackImage.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartBackWall.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartTitle.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"
#include "core/Numbers.h"

#include <algorithm>

namespace ChartCommands {

namespace {

const TAlignment TitleAlignments[TitleAlignmentItems] = {taLeftJustify, taCenter, taRightJustify};
const TLegendAlignment LegendPositions[LegendPositionItems] = {laLeft, laRight, laTop, laBottom};
const TPenStyle SeriesStyles[SeriesStyleItems] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
const TSeriesPointerStyle MarkerStyles[MarkerStyleItems] = {psRectangle, psCircle, psTriangle, psDiamond};

template <class T, int N> int ItemOf(const T (&Table)[N], T Value)
{
    for (int i = 0; i < N; ++i)
        if (Table[i] == Value)
            return i;
    return -1;
}

} // namespace

void SetTitleText(TChart& Chart, const QString& Text)
{
    Chart.Title()->ClearText();
    Chart.Title()->AddText(Text);
}

namespace {
void ApplyFont(TChartFont* f, const TFontChoice& Font)
{
    f->SetName(Font.Name);
    f->SetSize(Font.Size);
    f->SetColor(Font.Color);
    f->SetStyle(Font.Style);
}
} // namespace

void SetTitleFont(TChart& Chart, const TFontChoice& Font) { ApplyFont(Chart.Title()->Font(), Font); }

void SetTitleAlignment(TChart& Chart, int Item)
{
    if (Item >= 0 && Item < TitleAlignmentItems)
        Chart.Title()->SetAlignment(TitleAlignments[Item]);
}

void SetPanelColor(TChart& Chart, TColor Color) { Chart.SetColor(Color); }

void SetWallColor(TChart& Chart, TColor Color)
{
    Chart.BackWall()->Picture()->Clear();
    Chart.BackWall()->SetColor(Color);
    Chart.BackWall()->SetTransparent(false);
}

void SetWallPicture(TChart& Chart, const QString& FileName)
{
    // The picture first: a file that cannot be read leaves the wall whole
    // (a coloured wall must not turn transparent over nothing).
    Chart.BackWall()->Picture()->LoadFromFile(FileName);
    Chart.BackWall()->SetTransparent(true);
}

void SetShadow(TChart& Chart, bool Visible) { Chart.Shadow()->SetVisible(Visible); }

void SetBorder(TChart& Chart, bool Visible) { Chart.Border()->SetVisible(Visible); }

void SetAutoSize(TChart& Chart, bool Checked)
{
    Chart.LeftAxis()->SetAutomatic(Checked);
    Chart.BottomAxis()->SetAutomatic(Checked);
}

bool ApplyAxisBox(TChart& Chart, TAxisBox Box, const QString& Text)
{
    double value;
    if (!Numbers::TryParseNumber(QStringView(Text), value))
        return false;
    TChartAxis* axis = Box <= abXInc ? Chart.BottomAxis() : Chart.LeftAxis();
    switch (Box) {
    case abXMax:
    case abYMax:
        axis->SetMaximum(value);
        break;
    case abXMin:
    case abYMin:
        axis->SetMinimum(value);
        break;
    case abXInc:
    case abYInc:
        axis->SetIncrement(value);
        break;
    }
    return true;
}

void SetXAxisTitle(TChart& Chart, const QString& Text) { Chart.BottomAxis()->Title()->SetCaption(Text); }

void SetYAxisTitle(TChart& Chart, const QString& Text) { Chart.LeftAxis()->Title()->SetCaption(Text); }

void SetAxisTitleFont(TChart& Chart, const TFontChoice& Font)
{
    ApplyFont(Chart.LeftAxis()->Title()->Font(), Font);
    ApplyFont(Chart.BottomAxis()->Title()->Font(), Font);
}

void SetLegendPosition(TChart& Chart, int Item)
{
    if (Item >= 0 && Item < LegendPositionItems)
        Chart.Legend()->SetAlignment(LegendPositions[Item]);
}

TCustomSeries* SeriesAt(TChart& Chart, int Index)
{
    if (Index < 0 || Index >= Chart.SeriesCount())
        return nullptr;
    return dynamic_cast<TCustomSeries*>(Chart.GetSeries(Index));
}

void SetSeriesTitle(TChart& Chart, int Index, const QString& Title)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->SetTitle(Title);
}

void SetSeriesColor(TChart& Chart, int Index, TColor Color)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->SetSeriesColor(Color);
}

void SetSeriesWidth(TChart& Chart, int Index, int Width)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->LinePen()->SetWidth(std::clamp(Width, 1, 100));
}

void SetSeriesStyle(TChart& Chart, int Index, int Item)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index); s && Item >= 0 && Item < SeriesStyleItems)
        s->LinePen()->SetStyle(SeriesStyles[Item]);
}

void SetSeriesVisible(TChart& Chart, int Index, bool Visible)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->SetActive(Visible);
}

void SetSeriesSmoothed(TChart& Chart, int Index, bool Smoothed)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->SetSmoothed(Smoothed);
}

void SetMarkerVisible(TChart& Chart, int Index, bool Visible)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->Pointer()->SetVisible(Visible);
}

void SetMarkerSize(TChart& Chart, int Index, int Size)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index))
        s->Pointer()->SetSize(std::clamp(Size, 1, 100));
}

void SetMarkerStyle(TChart& Chart, int Index, int Item)
{
    if (TCustomSeries* s = SeriesAt(Chart, Index); s && Item >= 0 && Item < MarkerStyleItems)
        s->Pointer()->SetStyle(MarkerStyles[Item]);
}

int SeriesStyleItem(const TCustomSeries& Series) { return ItemOf(SeriesStyles, Series.LinePen()->Style()); }

int MarkerStyleItem(const TCustomSeries& Series) { return ItemOf(MarkerStyles, Series.Pointer()->Style()); }

} // namespace ChartCommands
