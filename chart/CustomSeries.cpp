#include "chart/CustomSeries.h"
#include "chart/canvas/ChangeNotifier.h"

#include "chart/CustomAxisPanel.h"
#include "chart/SeriesPointer.h"
#include "chart/SmoothingFunction.h"
#include "chart/canvas/ChartCanvas.h"

TCustomSeries::TCustomSeries(TCustomAxisPanel* AOwner)
    : TCustomLineSeries(AOwner), FPointer(std::make_unique<TSeriesPointer>(this))
{
    FBrush->SetColor(clDefault);
}

TCustomSeries::~TCustomSeries()
{
    FreeSmoothFunction();
}

void TCustomSeries::SetDrawLine(bool Value)
{
    if (Change(FDrawLine, Value))
        Repaint();
}

void TCustomSeries::SetDrawArea(bool Value)
{
    if (Change(FDrawArea, Value))
        Repaint();
}

void TCustomSeries::SetDrawStyle(TCustomSeriesDrawStyle Value)
{
    if (Change(FDrawStyle, Value))
        Repaint();
}

void TCustomSeries::SetColorEachLine(bool Value)
{
    if (Change(FColorEachLine, Value))
        Repaint();
}

void TCustomSeries::SetInflateMargins(bool Value)
{
    if (Change(FInflateMargins, Value))
        Repaint();
}

void TCustomSeries::SetPointerBehind(bool Value)
{
    if (Change(FPointerBehind, Value))
        Repaint();
}

void TCustomSeries::SetStairs(bool Value)
{
    if (Change(FStairs, Value))
        Repaint();
}

void TCustomSeries::SetInvertedStairs(bool Value)
{
    if (Change(FInvertedStairs, Value))
        Repaint();
}

void TCustomSeries::SetSmoothed(bool Value)
{
    if (Change(FSmoothed, Value))
        Repaint();
}

// ------------------------------------------------------------ smoothing

void TCustomSeries::PrepareForDrawing()
{
    if (!FDrawLine && !FDrawArea)
        return;
    if (FSmoothSeries && FDirty) {
        // New data arrived while smoothed: it is what the series holds now,
        // and the copy of the old data points must not come back over it.
        FreeSmoothFunction();
        FSmoothSeries.reset();
        FDirty = false;
    }
    if (FSmoothed) {
        if (!FSmoothSeries)
            SetUpSmoothing();
    } else if (FSmoothSeries) {
        UndoSmoothing();
    }
}

void TCustomSeries::SetUpSmoothing()
{
    auto Copy = std::make_unique<TCustomSeries>(nullptr);
    Copy->IInternalUse = true;
    Copy->SetShowInLegend(false);
    Copy->CopyPoints(*this);

    TCustomAxisPanel* Chart = ParentChart() ? ParentChart() : Owner();
    auto* Function = new TSmoothingFunction(Chart);
    Function->SetInterpolate(true);
    Function->SetFactor(8);
    FSmoothSeries = std::move(Copy);
    FSmoothFunction = Function;
    try {
        Function->Attach(this, FSmoothSeries.get(), [this] { FSmoothFunction = nullptr; });
    } catch (...) {
        // Half-made samples are no use: the data points come back.
        FreeSmoothFunction();
        CopyPoints(*FSmoothSeries);
        FSmoothSeries.reset();
        throw;
    }
    FDirty = false;
}

void TCustomSeries::UndoSmoothing()
{
    FreeSmoothFunction();
    // Whatever their number: the data points always come back.
    CopyPoints(*FSmoothSeries);
    FSmoothSeries.reset();
    FDirty = false;
    RefreshSeries();
}

void TCustomSeries::FreeSmoothFunction()
{
    if (TSmoothingFunction* Function = FSmoothFunction) {
        FSmoothFunction = nullptr;
        delete Function;
    }
}

void TCustomSeries::CopyPoints(const TCustomSeries& Source)
{
    BeginUpdate();
    try {
        Clear();
        const std::vector<double>& X = Source.FX->Value();
        const std::vector<double>& Y = Source.FY->Value();
        if (!Source.FColors && !Source.HasLabels()) {
            AddXYArrays(X, Y);
        } else {
            // Stored points never descend, so each one is appended again.
            for (int i = 0; i < Source.Count(); ++i) {
                const TColor c = Source.FColors ? (*Source.FColors)[size_t(i)] : clDefault;
                AddXY(X[size_t(i)], Y[size_t(i)], Source.Label(i), c);
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSeries::Clear()
{
    TCustomLineSeries::Clear();
    if (FSmoothSeries && !(FSmoothFunction && FSmoothFunction->Updating()))
        FDirty = true;
}

// -------------------------------------------------------------- markers

void TCustomSeries::PaintPointer(int px, int py, TColor ColorValue, int ValueIndex)
{
    const TSeriesPointer* P = FPointer.get();
    if (!P->Visible() || !FParent)
        return;
    if (P->Color() != clDefault && P->Brush()->Style() != bsClear)
        ColorValue = P->Color();
    TChartCanvas* C = FParent->Canvas();
    TSeriesPointerStyle Style = P->Style();
    if (OnGetPointerStyle)
        Style = OnGetPointerStyle(this, ValueIndex);
    P->PrepareCanvas(C, ColorValue);
    // After the style handler, which may look at the canvas: the hover pen
    // always marks the point under the mouse.
    if (const TChartPen* Hover = PointerHoverPen(ValueIndex))
        C->AssignVisiblePen(*Hover);
    P->Draw(px, py, ColorValue, Style);
}
