#include "chart/panel/CustomChart.h"

#include "chart/panel/ChartMouse.h"

#include "chart/panel/ChartLegend.h"
#include "chart/series/ChartSeries.h"
#include "chart/panel/ChartTitle.h"
#include "chart/panel/ChartWalls.h"
#include "chart/series/ColorPalettes.h"
#include "core/Numbers.h"

namespace {
constexpr int DefaultColorPaletteIndex = 13;
}

TCustomChart::TCustomChart()
    : FWalls(std::make_unique<TChartWalls>(this)),
      FLegend(std::make_unique<TChartLegend>(this)),
      FHover([this] { Invalidate(); }),
      FMouse(std::make_unique<TChartMouse>(*this)),
      FColorPaletteIndex(DefaultColorPaletteIndex)
{
    // The default palette is in place from the start: a fresh chart colours
    // its series from it without anyone loading it.
    TColorPalettes::GetPalette(DefaultColorPaletteIndex, ColorPalette());
}

TCustomChart::~TCustomChart()
{
    // Free the series while the walls they may consult still exist.
    DestroyContents();
}

void TCustomChart::SetColorPaletteIndex(int Value)
{
    if (FColorPaletteIndex == Value)
        return;
    // Series that follow the palette take their colours from the new one.
    TColorPalettes::GetPalette(Value, ColorPalette());
    for (int t = 0; t < SeriesCount(); ++t) {
        TChartSeries* Series = GetSeries(t);
        if (Series->HasAutoColor())
            Series->AssignAutoColor(GetFreeSeriesColor(true, Series));
    }
    StoreColorPaletteIndex(Value);
    Invalidate();
}

bool TCustomChart::IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                                     const TChartSeries* ASeries) const
{
    if (!TCustomAxisPanel::IsFreeSeriesColor(AColor, CheckBackground, ASeries))
        return false;
    return !(CheckBackground && AColor == BackWall()->Color());
}

// ----------------------------------------------------------------- titles

TChartTitle* TCustomChart::Title()
{
    if (!FTitle)
        FTitle = std::make_unique<TChartTitle>(this, true);
    return FTitle.get();
}

TChartTitle* TCustomChart::SubTitle()
{
    if (!FSubTitle)
        FSubTitle = std::make_unique<TChartTitle>(this, true);
    return FSubTitle.get();
}

TChartTitle* TCustomChart::Foot()
{
    if (!FFoot)
        FFoot = std::make_unique<TChartTitle>(this, false);
    return FFoot.get();
}

TChartTitle* TCustomChart::SubFoot()
{
    if (!FSubFoot)
        FSubFoot = std::make_unique<TChartTitle>(this, false);
    return FSubFoot.get();
}

// ----------------------------------------------------------------- legend

TColor TCustomChart::LegendColor() const
{
    return FLegend->Color();
}

const TChartPen* TCustomChart::LegendPen() const
{
    return FLegend->Symbol()->DefaultPen() ? nullptr : FLegend->Symbol()->Pen();
}

bool TCustomChart::CheckLegendHover(int X, int Y)
{
    if (!FHover.Visible())
        return false;
    int Index = FLegend->Clicked(X, Y);
    if (Index == -1) {
        for (int t = SeriesCount() - 1; t >= 0; --t) {
            const TChartSeries* Series = GetSeries(t);
            if (Series->Active() && Series->HoverIndex() != -1) {
                Index = FLegend->SeriesItemIndex(Series);
                break;
            }
        }
    }
    TChartSelected* Selected = FLegend->Selected();
    if (Selected->HoverIndex() == Index)
        return false;
    Selected->SetHoverIndex(Index);
    return true;
}

void TCustomChart::CalcLegendRect(bool Vertical)
{
    if (Vertical)
        FLegend->ResetLayout();
    if (FLegend->ShouldDraw() && FLegend->Vertical() == Vertical)
        FLegend->CalcRect();
}

void TCustomChart::RecordLegendLayout()
{
    if (!FLegend->Visible() || FLegend->ShownItems() <= 0)
        return;
    FLayout.LegendDrawn = true;
    FLayout.LegendBounds = FLegend->ShapeBounds();
    FLayout.LegendItems.clear();
    for (int k = 0; k < FLegend->ShownItems(); ++k) {
        QString Text = FLegend->Item(k).Text;
        Text.replace(QChar(6), QChar(u' '));
        FLayout.LegendItems.push_back({Text, FLegend->Symbol()->Visible() ? FLegend->SymbolRect(k) : TRect{}});
    }
}

void TCustomChart::DrawLegend()
{
    if (!FLegend->DrawBehind())
        PaintLegend();
}

void TCustomChart::PaintLegend()
{
    if (FLayout.LegendDrawn)
        FLegend->DrawLegend();
}

// ------------------------------------------------------------------ walls

TChartBackWall* TCustomChart::BackWall() const { return FWalls->Back(); }
TChartLeftWall* TCustomChart::LeftWall() const { return FWalls->Left(); }
TChartBottomWall* TCustomChart::BottomWall() const { return FWalls->Bottom(); }
TChartRightWall* TCustomChart::RightWall() const { return FWalls->Right(); }

TColor TCustomChart::ZoomBackColor() const
{
    const TChartBackWall* Wall = BackWall();
    if (Wall->Visible() && !Wall->Transparent())
        return Wall->Color();
    return Color();
}

// ----------------------------------------------------------------- layout

void TCustomChart::CalcTitlesAndLegendLayout()
{
    // A vertical legend narrows the chart before the titles centre on it;
    // a horizontal one goes below the titles.
    CalcLegendRect(true);
    for (TChartTitle* T : {FTitle.get(), FSubTitle.get(), FFoot.get(), FSubFoot.get()}) {
        if (!T || !T->Visible() || T->CustomPosition() || T->Text().isEmpty())
            continue;
        T->LayoutTitle();
        FLayout.Titles.push_back({T, T->ShapeBounds(), T->ShownLines()});
        if (T == FTitle.get()) {
            FLayout.TitleDrawn = true;
            FLayout.TitleBounds = T->ShapeBounds();
            FLayout.TitleLines = T->ShownLines();
        }
    }
    CalcLegendRect(false);
    RecordLegendLayout();
    // Titles placed by hand take no space: they are drawn last, over the rest.
    for (TChartTitle* T : {FTitle.get(), FSubTitle.get(), FFoot.get(), FSubFoot.get()}) {
        if (T && T->Visible() && T->CustomPosition()) {
            T->CalcBounds();
            FLayout.Titles.push_back({T, T->ShapeBounds(), T->ShownLines()});
        }
    }
}

void TCustomChart::CalcWallsLayout()
{
    TChartBackWall* Back = BackWall();
    if (!View3DWalls() || !Back->Visible())
        return;
    bool AnyActive = false;
    bool AnyUsesAxes = false;
    for (const TChartSeries* Series : *SeriesList()) {
        if (!Series->Active())
            continue;
        AnyActive = true;
        AnyUsesAxes = AnyUsesAxes || Series->UseAxis();
    }
    if (AnyActive && !AnyUsesAxes)
        return;

    const TRect& CR = FChartRect;
    TRect R{CR.Left, CR.Top, CR.Right + 1, CR.Bottom + 1};
    if (Back->StartPosition() != 0 || Back->EndPosition() != 100) {
        R.Top = CR.Top + Numbers::RoundInt(Back->StartPosition() * FChartHeight / 100.0);
        R.Bottom = CR.Bottom - Numbers::RoundInt((100 - Back->EndPosition()) * FChartHeight / 100.0);
    }
    FLayout.BackWallDrawn = true;
    FLayout.BackWall = R;
    FLayout.BackImage = CR;
}

// ---------------------------------------------------------------- drawing

void TCustomChart::DrawTitles(bool CustomPlaced)
{
    for (TChartTitle* T : {FTitle.get(), FSubTitle.get(), FFoot.get(), FSubFoot.get()}) {
        if (!T || T->CustomPosition() != CustomPlaced)
            continue;
        for (const TFrameTitle& Laid : FLayout.Titles) {
            if (Laid.Title == T) {
                T->SetShapeBounds(Laid.Bounds);
                T->Draw();
            }
        }
    }
}

void TCustomChart::DrawTitlesAndLegend(bool BeforeSeries)
{
    if (BeforeSeries) {
        DrawTitles(false);
        // A legend drawn behind goes down before the walls, axes and series.
        if (FLegend->DrawBehind())
            PaintLegend();
        return;
    }
    DrawLegend();
    DrawTitles(true);
}

void TCustomChart::DrawWalls()
{
    if (FLayout.BackWallDrawn)
        BackWall()->DrawWall(FLayout.BackWall, FLayout.BackImage);
}
