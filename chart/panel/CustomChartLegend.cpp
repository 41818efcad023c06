#include "chart/panel/CustomChartLegend.h"

#include "chart/series/ChartSeries.h"
#include "chart/panel/CustomChart.h"
#include "core/ChangeNotifier.h"
#include "chart/canvas/ChartCanvas.h"
#include "core/Numbers.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

TCustomChartLegend::TCustomChartLegend(TCustomChart* AChart)
    : TCustomShapePosition(AChart), FChart(AChart)
{
    FDividingLines.SetOnChange([this] { Repaint(); });
    FSymbol.SetOnChange([this] { Repaint(); });
}

TCustomChartLegend::~TCustomChartLegend() = default;

// --------------------------------------------------------------- settings

void TCustomChartLegend::SetAlignment(TLegendAlignment Value)
{
    if (Change(FAlignment, Value))
        Repaint();
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle Value)
{
    if (Change(FLegendStyle, Value))
        Repaint();
}

void TCustomChartLegend::SetTopPos(int Value)
{
    if (Change(FTopPos, Value))
        Repaint();
}

void TCustomChartLegend::SetHorizMargin(int Value)
{
    if (Change(FHorizMargin, Value))
        Repaint();
}

void TCustomChartLegend::SetVertMargin(int Value)
{
    if (Change(FVertMargin, Value))
        Repaint();
}

void TCustomChartLegend::SetTextSymbolGap(int Value)
{
    if (Change(FTextSymbolGap, Value))
        Repaint();
}

void TCustomChartLegend::SetVertSpacing(int Value)
{
    if (Change(FVertSpacing, Value))
        Repaint();
}

void TCustomChartLegend::SetResizeChart(bool Value)
{
    if (Change(FResizeChart, Value))
        Repaint();
}

void TCustomChartLegend::SetMaxNumRows(int Value)
{
    if (Change(FMaxNumRows, Value))
        Repaint();
}

void TCustomChartLegend::SetHorizJustify(TLegendHorizJustify Value)
{
    if (Change(FHorizJustify, Value))
        Repaint();
}

void TCustomChartLegend::SetInverted(bool Value)
{
    if (Change(FInverted, Value))
        Repaint();
}

void TCustomChartLegend::SetCheckBoxes(bool Value)
{
    if (Change(FCheckBoxes, Value))
        Repaint();
}

void TCustomChartLegend::SetDrawBehind(bool Value)
{
    if (Change(FDrawBehind, Value))
        Repaint();
}

void TCustomChartLegend::SetFontSeriesColor(bool Value)
{
    if (Change(FFontSeriesColor, Value))
        Repaint();
}

void TCustomChartLegend::SetFirstValue(int Value)
{
    // A negative start would index before the first series.
    if (Change(FFirstValue, std::max(0, Value)))
        Repaint();
}

TChartSelected* TCustomChartLegend::Selected()
{
    if (!FSelected)
        FSelected = std::make_unique<TChartSelected>([this] { Repaint(); });
    return FSelected.get();
}

// ------------------------------------------------------------------ items

bool TCustomChartLegend::ShouldDraw() const
{
    return FVisible && (FCheckBoxes || FChart->CountActiveSeries() > 0);
}

QString TCustomChartLegend::FormattedLegend(int Index) const
{
    return FChart->SeriesTitleLegend(Index, !FCheckBoxes);
}

int TCustomChartLegend::SeriesItemIndex(const TChartSeries* ASeries) const
{
    int Listed = 0;
    for (const TChartSeries* Series : *FChart->SeriesList()) {
        if (!Series->ShowInLegend() || (!FCheckBoxes && !Series->Active()))
            continue;
        if (Series == ASeries)
            return Listed >= FFirstValue ? Listed : -1;
        ++Listed;
    }
    return -1;
}

void TCustomChartLegend::BuildItems()
{
    FItems.clear();
    const bool OnlyActive = !FCheckBoxes;
    int Listed = 0;
    int ListIndex = -1;
    for (TChartSeries* Series : *FChart->SeriesList()) {
        ++ListIndex;
        if (!Series->ShowInLegend() || (OnlyActive && !Series->Active()))
            continue;
        if (Listed >= FFirstValue) {
            TLegendItem Item;
            Item.Series = Series;
            // Straight from the series: asking by legend position would walk
            // the list from its start for every item.
            Item.Text = FChart->LegendTextOf(ListIndex);
            const QStringList Parts = Item.Text.split(QChar(6));
            Item.Columns[0] = Parts[0];
            if (Parts.size() > 1)
                Item.Columns[1] = Parts[1];
            if (Parts.size() > 2)
                Item.Columns[2] = Parts.mid(2).join(QChar(u' '));
            FItems.push_back(std::move(Item));
        }
        ++Listed;
    }
    ITotalItems = int(FItems.size());
}

void TCustomChartLegend::ElideItems()
{
    // A long series name would otherwise take the plot area's room.
    const int MaxWidth = FChart->ChartBounds().Width() / 3;
    for (TLegendItem& Item : FItems) {
        for (QString& Text : Item.Columns) {
            if (Text.isEmpty())
                continue;
            QString Shown = FChart->ElidedLine(Text, MaxWidth);
            if (Shown != Text) {
                Text = std::move(Shown);
                Item.Elided = true;
            }
        }
    }
}

// ----------------------------------------------------------------- layout

int TCustomChartLegend::FrameWidth() const
{
    return FPen.Visible() ? FPen.Width() : 0;
}

void TCustomChartLegend::ResetLayout()
{
    FItems.clear();
    ITotalItems = 0;
    IShownItems = 0;
    ILastValue = -1;
    INumCols = 0;
    INumRows = 0;
    IJustify = false;
    IItemOffsets.clear();
}

void TCustomChartLegend::CalcItemHeight()
{
    TChartCanvas& C = *FChart->Canvas();
    FChart->PrepareFont3D(FFont);
    const int TextHeight = C.TextHeight(QStringLiteral("W"));
    int Height = TextHeight;
    if (FSymbol.Visible()) {
        if (FSymbol.HeightUnits() == lcsPixels)
            Height = std::max(Height, FSymbol.Height());
        else if (FSymbol.Height() > 100)
            Height = Numbers::RoundInt(TextHeight * FSymbol.Height() / 100.0);
    }
    if (FCheckBoxes && Height <= 16)
        Height = 17;
    Height += FVertSpacing;
    if (Vertical() && FDividingLines.Visible())
        Height += FDividingLines.Width();
    // A negative spacing must not leave rows of no height to divide by.
    IItemHeight = std::max(1, Height);
    ISpaceWidth = C.TextWidth(QStringLiteral(" "));
}

void TCustomChartLegend::CalcWidths(int Count)
{
    IMaxWidth = 0;
    for (size_t j = 0; j < IColumnWidths.size(); ++j) {
        bool Any = false;
        int Width = 0;
        for (int k = 0; k < Count; ++k) {
            const QString& Text = FItems[size_t(k)].Columns[j];
            if (Text.isEmpty())
                continue;
            Any = true;
            Width = std::max(Width, FChart->MultiLineTextWidth(Text));
        }
        IColumnWidths[j] = Any ? Width + FTextSymbolGap : 0;
        if (Any)
            IMaxWidth += IColumnWidths[j] + ISpaceWidth - 1;
    }

    if (!FSymbol.Visible()) {
        IColorWidth = 0;
    } else if (FSymbol.Squared()) {
        if (FSymbol.HeightUnits() == lcsPixels)
            IColorWidth = FSymbol.Height();
        else if (FSymbol.Height() > 100)
            IColorWidth = FChart->Canvas()->TextHeight(QStringLiteral("W"));
        else
            IColorWidth = Numbers::RoundInt((IItemHeight - 4) * FSymbol.Height() / 100.0);
    } else if (FSymbol.WidthUnits() == lcsPixels) {
        IColorWidth = FSymbol.Width();
    } else {
        IColorWidth = Numbers::RoundInt(IMaxWidth * FSymbol.Width() / 100.0);
    }
    IColorWidth = std::max(0, IColorWidth);
}

int TCustomChartLegend::ItemWidth(int k) const
{
    int Width = 0;
    for (const QString& Text : FItems[size_t(k)].Columns)
        if (!Text.isEmpty())
            Width += FChart->MultiLineTextWidth(Text);
    return Width + IColorWidth + FTextSymbolGap + 8;
}

int TCustomChartLegend::LegendHeight(int Rows, int F) const
{
    int Height = IItemHeight * Rows + 2 * IItemsTopMargin + F + 2;
    if (FSymbol.Visible() && FSymbol.Shadow()->Visible()) {
        const int Extra = FSymbol.Shadow()->VertSize() - IItemHeight / 6;
        if (Extra > 0)
            Height += Extra;
    }
    return Height;
}

bool TCustomChartLegend::CalcVertical(const TRect& CR, int F)
{
    const int Top = CR.Top + Numbers::RoundInt(FTopPos * double(CR.Bottom - CR.Top) / 100) + F / 2;
    const int FirstItemTop = Top + F / 2;
    int Rows = std::min((CR.Bottom - F - FirstItemTop) / IItemHeight, ITotalItems);
    if (FMaxNumRows > 0)
        Rows = std::min(Rows, FMaxNumRows);
    if (Rows <= 0)
        return false;
    INumRows = Rows;
    INumCols = 1;
    IShownItems = Rows;
    IItemOffsets.assign(size_t(Rows), 0);

    CalcWidths(Rows);
    IItemsTopMargin = Numbers::RoundInt(IItemHeight * 0.1);
    const int Height = LegendHeight(Rows, F);
    int Width = IMaxWidth + FTextSymbolGap + 2 + F;
    if (FSymbol.Visible()) {
        Width += IColorWidth + 4;
        if (FSymbol.Shadow()->Visible())
            Width += std::abs(FSymbol.Shadow()->HorizSize());
        if (FSymbol.Emboss()->Visible())
            Width += std::abs(FSymbol.Emboss()->HorizSize());
    }
    int Left;
    if (FAlignment == laRight) {
        const int Shadow = FShadow.Visible() && FShadow.HorizSize() > 0 ? FShadow.HorizSize() : 0;
        Left = CR.Right - Shadow - (F / 2 + 1) - Width;
    } else {
        Left = CR.Left + F + 1;
    }
    FShapeBounds = {Left, Top, Left + Width, Top + Height};
    return true;
}

bool TCustomChartLegend::CalcHorizontal(const TRect& CR, int F)
{
    CalcWidths(ITotalItems);

    const int BoundsWidth = FChart->ChartBounds().Width();
    const int SideGap = Numbers::RoundInt(FTopPos * BoundsWidth / 100.0);
    const int Available = BoundsWidth - 2 * F
        - (FChart->FrameWidth() + BoundsWidth * FHorizMargin / 100 + SideGap);
    const int Slot = IMaxWidth + IColorWidth + 8 + (FTextSymbolGap > 0 ? FTextSymbolGap + 4 : 0);

    // One row when every item fits in it at its own width, else a grid of
    // equal slots.
    bool Grid = FHorizJustify == ljYes;
    int Cols = 0;
    if (!Grid) {
        int Sum = 0;
        while (Cols < ITotalItems) {
            Sum += ItemWidth(Cols);
            if (Sum > Available)
                break;
            ++Cols;
        }
        Grid = Cols < ITotalItems;
    }
    if (Grid)
        Cols = std::clamp(Available / Slot, 1, ITotalItems);
    const int MaxRows = FMaxNumRows > 0 ? FMaxNumRows : 10;
    const int Rows = std::min((ITotalItems + Cols - 1) / Cols, MaxRows);

    IJustify = Grid;
    INumCols = Cols;
    INumRows = Rows;
    IShownItems = std::min(Cols * Rows, ITotalItems);

    IItemsTopMargin = Numbers::RoundInt(IItemHeight * 0.1);
    const int Height = LegendHeight(Rows, F);
    int Top;
    if (FAlignment == laTop) {
        Top = CR.Top + F / 2 + 1;
    } else {
        const int Bottom = CR.Bottom - (F / 2 + 1 + (FShadow.Visible() ? FShadow.VertSize() : 0));
        Top = Bottom - Height;
    }

    IItemOffsets.assign(size_t(IShownItems), 0);
    int Width;
    if (Grid) {
        const int Step = IMaxWidth + IColorWidth + FTextSymbolGap + 8;
        for (int p = 0; p < IShownItems; ++p)
            IItemOffsets[size_t(p)] = (p % Cols) * Step;
        Width = Cols * (IMaxWidth + FTextSymbolGap + IColorWidth) + 8 + Cols * 8 + F - 2;
    } else {
        int Sum = 0;
        for (int p = 0; p < IShownItems; ++p) {
            IItemOffsets[size_t(p)] = Sum;
            Sum += ItemWidth(ItemAt(p));
        }
        Width = Sum + 8;
    }
    Width = std::min(Width, BoundsWidth - SideGap);
    const int Left = FChart->ChartXCenter() - Width / 2;
    FShapeBounds = {Left, Top, Left + 2 * (Width / 2), Top + Height};
    return true;
}

void TCustomChartLegend::SetTextPositions(int F)
{
    const int X = FShapeBounds.Left + F / 2 + 6;
    if (!FSymbol.Visible()) {
        IXLegendColor = X;
        IXLegendText = X + 4;
        return;
    }
    const int Shadow = FSymbol.Shadow()->Visible() ? FSymbol.Shadow()->HorizSize() : 0;
    IXLegendColor = X + (Shadow < 0 ? -Shadow : 0);
    IXLegendText = X + IColorWidth + FTextSymbolGap + 4 + std::abs(Shadow);
}

void TCustomChartLegend::TakeSpace()
{
    if (!FResizeChart || FCustomPosition)
        return;
    TRect CR = FChart->ChartRect();
    const TRect& B = FShapeBounds;
    if (Vertical()) {
        const int Gap = FHorizMargin != 0 ? FHorizMargin : 3 * FChart->ChartWidth() / 100;
        if (FAlignment == laLeft)
            CR.Left = B.Right + Gap;
        else
            CR.Right = B.Left - Gap;
    } else {
        const int Gap = FVertMargin != 0 ? FVertMargin : 4 * FChart->ChartHeight() / 100;
        if (FAlignment == laTop) {
            CR.Top = B.Bottom + Gap;
            if (FChart->Shadow()->Visible())
                CR.Top += FChart->Shadow()->VertSize();
            if (FChart->Emboss()->Visible())
                CR.Top += FChart->Emboss()->VertSize();
        } else {
            CR.Bottom = B.Top - Gap;
        }
    }
    FChart->SetChartRect(CR);
    FChart->ReCalcWidthHeight();
}

void TCustomChartLegend::CalcRect()
{
    const TPoint Custom{FShapeBounds.Left, FShapeBounds.Top};
    ResetLayout();
    BuildItems();
    if (ITotalItems <= 0)
        return;
    CalcItemHeight();
    ElideItems();
    const int F = FrameWidth();
    const TRect CR = FChart->ChartRect();
    const bool Laid = Vertical() ? CalcVertical(CR, F) : CalcHorizontal(CR, F);
    if (!Laid) {
        IShownItems = 0;
        return;
    }
    ILastValue = FFirstValue + IShownItems - 1;
    if (FCustomPosition) {
        const int W = FShapeBounds.Width();
        const int H = FShapeBounds.Height();
        FShapeBounds = {Custom.X, Custom.Y, Custom.X + W, Custom.Y + H};
    }
    SetTextPositions(F);
    TakeSpace();
}

// ---------------------------------------------------------------- drawing

int TCustomChartLegend::ItemAt(int p) const
{
    return FInverted ? IShownItems - 1 - p : p;
}

int TCustomChartLegend::ItemTop(int Row) const
{
    return FShapeBounds.Top + FrameWidth() / 2 + IItemsTopMargin + 1 + Row * IItemHeight + FVertSpacing / 2;
}

TRect TCustomChartLegend::SymbolRect(int k) const
{
    const int p = ItemAt(k);
    const int Row = p / std::max(1, INumCols);
    const int y = ItemTop(Row);
    TRect R;
    R.Left = IXLegendColor + IItemOffsets[size_t(p)];
    R.Right = R.Left + IColorWidth;
    if (FSymbol.HeightUnits() == lcsPixels) {
        R.Top = y;
        R.Bottom = y + FSymbol.Height();
        return R;
    }
    R.Top = y + 2;
    R.Bottom = y + IItemHeight - 2 - FVertSpacing;
    if (FSymbol.Continuous()) {
        if (Row > 0)
            R.Top = y;
        if (Row < INumRows - 1)
            R.Bottom = y + IItemHeight + 1;
    }
    if (FSymbol.Height() <= 100)
        R.Bottom = R.Top + Numbers::RoundInt((R.Bottom - R.Top) * FSymbol.Height() / 100.0);
    return R;
}

TPoint TCustomChartLegend::TextPosition(int k) const
{
    const int p = ItemAt(k);
    const int Row = p / std::max(1, INumCols);
    return {IXLegendText - 2 + IItemOffsets[size_t(p)], ItemTop(Row)};
}

bool TCustomChartLegend::IsHovered(int k) const
{
    return FChart->Hover()->Visible() && FSelected && FSelected->Hover()->Visible()
        && FSelected->HoverIndex() == FFirstValue + k;
}

void TCustomChartLegend::DrawLegend()
{
    if (IShownItems > 0)
        Draw();
}

void TCustomChartLegend::DrawContents()
{
    TChartCanvas& C = *FChart->Canvas();
    for (int k = 0; k < IShownItems; ++k) {
        const TLegendItem& Item = FItems[size_t(k)];
        C.Brush()->SetStyle(bsClear);
        C.SetBackMode(cbmTransparent);
        FChart->PrepareFont3D(FFont);
        if (FFontSeriesColor)
            C.Font()->SetColor(Item.Series->SeriesColor());
        if (IsHovered(k))
            C.Font()->SetColor(FSelected->Hover()->Font()->Color());
        C.SetTextAlign(ta_LeftTop);
        const TPoint At = TextPosition(k);
        int x = At.X;
        for (size_t j = 0; j < Item.Columns.size(); ++j) {
            if (IColumnWidths[j] <= 0)
                continue;
            if (!Item.Columns[j].isEmpty())
                C.TextOut(x, At.Y, Item.Columns[j]);
            x += IColumnWidths[j] + ISpaceWidth;
        }
        if (FSymbol.Visible())
            Item.Series->DrawLegend(C, SymbolRect(k));
    }
}

// -------------------------------------------------------------- hit test

int TCustomChartLegend::Clicked(int X, int Y) const
{
    if (IShownItems <= 0)
        return -1;
    const TRect& B = FShapeBounds;
    if (X < B.Left || X > B.Right || Y < B.Top || Y > B.Bottom)
        return -1;

    // Rows are bands of ItemHeight; a boundary belongs to the upper row.
    const int t = B.Top + FrameWidth() / 2;
    int Row = -1;
    for (int r = 0; r < INumRows; ++r) {
        if (Y >= t + r * IItemHeight + 1 && Y <= t + (r + 1) * IItemHeight + 1) {
            Row = r;
            break;
        }
    }
    if (Row < 0)
        return -1;

    int p = Row;
    if (!Vertical()) {
        // Columns: equal slices of the grid, or each item's own width in a
        // single row; a boundary belongs to the right one.
        int Col = -1;
        for (int j = INumCols - 1; j >= 0 && Col < 0; --j) {
            int From;
            int To;
            if (IJustify) {
                const int Slice = B.Width() / INumCols;
                From = B.Left + j * Slice + 1;
                To = B.Left + (j + 1) * Slice + 1;
            } else {
                From = B.Left + 1 + IItemOffsets[size_t(j)];
                To = j + 1 < INumCols ? B.Left + 1 + IItemOffsets[size_t(j + 1)] : B.Right + 1;
            }
            if (X >= From && X <= To)
                Col = j;
        }
        if (Col < 0)
            return -1;
        p = Col + Row * INumCols;
    }
    if (p > IShownItems - 1)
        return -1;
    return FFirstValue + ItemAt(p);
}
