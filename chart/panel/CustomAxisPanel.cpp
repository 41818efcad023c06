#include "chart/panel/CustomAxisPanel.h"


#include "core/ChangeNotifier.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartDepthAxis.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/ColorPalettes.h"
#include "chart/series/CustomChartElement.h"
#include "chart/canvas/ChartCanvas.h"

#include <QStringLiteral>

#include <algorithm>

TCustomAxisPanel::TCustomAxisPanel()
    : FSeriesList(this),
      FBottomAxis(std::make_unique<TChartAxis>(this, true, false)),
      FTopAxis(std::make_unique<TChartAxis>(this, true, true)),
      FLeftAxis(std::make_unique<TChartAxis>(this, false, false)),
      FRightAxis(std::make_unique<TChartAxis>(this, false, true)),
      FDepthAxis(std::make_unique<TChartDepthAxis>(this, false)),
      FDepthTopAxis(std::make_unique<TChartDepthAxis>(this, true)),
      FAxes(std::make_unique<TChartAxes>(
          this, std::vector<TChartAxis*>{FBottomAxis.get(), FTopAxis.get(), FLeftAxis.get(), FRightAxis.get(),
                                         FDepthAxis.get(), FDepthTopAxis.get()}))
{
    SetAxesList(FAxes.get());
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    DestroyContents();
}

void TCustomAxisPanel::DestroyContents()
{
    // Nobody outside is told about a chart going away.
    SetAutoRepaint(false);
    SetOnRepaintRequest({});
    SetHost(nullptr);
    OnAddSeries = nullptr;
    OnRemoveSeries = nullptr;
    FSeriesListeners.clear();

    // Last first. A component may free others of this chart while it goes;
    // each leaves the list through RemoveComponent.
    while (!FComponents.empty()) {
        std::unique_ptr<TCustomChartElement> Component = std::move(FComponents.back());
        FComponents.pop_back();
        FComponentOrder.Erase(FComponents.size(), Component.get());
        Component->FOwner = nullptr;
        Component.reset();
    }
    // Series owned elsewhere stay alive, unattached.
    for (TChartSeries* Series : FSeriesList.FItems) {
        Series->Removed();
        Series->FParent = nullptr;
    }
    FSeriesList.Clear();
}

void TCustomAxisPanel::InsertComponent(TCustomChartElement* AComponent)
{
    FComponents.emplace_back(AComponent);
    FComponentOrder.Append(AComponent);
}

void TCustomAxisPanel::RemoveComponent(TCustomChartElement* AComponent)
{
    const std::ptrdiff_t Index = FComponentOrder.IndexOf(AComponent);
    if (Index < 0)
        return;
    (void)FComponents[size_t(Index)].release(); // the element is being destroyed by its caller
    FComponents.erase(FComponents.begin() + Index);
    FComponentOrder.Erase(size_t(Index), AComponent);
}

// ----------------------------------------------------------- series list

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* ASeries)
{
    if (ASeries)
        ASeries->SetParentChart(this);
    return ASeries;
}

void TCustomAxisPanel::AttachSeries(TChartSeries* ASeries)
{
    if (FSeriesList.Contains(ASeries))
        return;
    ASeries->FParent = this;
    ASeries->Added();
    FSeriesList.Append(ASeries);
    BroadcastSeriesEvent(ASeries, seAdd);
    if (OnAddSeries)
        OnAddSeries(ASeries);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* ASeries)
{
    RemoveSeries(FSeriesList.IndexOf(ASeries));
}

void TCustomAxisPanel::RemoveSeries(int SeriesIndex)
{
    if (SeriesIndex < 0 || SeriesIndex >= SeriesCount())
        return;
    TChartSeries* Series = FSeriesList.FItems[size_t(SeriesIndex)];
    BroadcastSeriesEvent(Series, seRemove);
    Series->Removed();
    // A listener may have changed the list meanwhile: look the series up again.
    const int Index = FSeriesList.IndexOf(Series);
    if (Index >= 0)
        FSeriesList.Erase(Index);
    Series->FParent = nullptr;
    if (OnRemoveSeries)
        OnRemoveSeries(Series);
    BroadcastSeriesEvent(Series, seAfterRemove);
    Invalidate();
}

void TCustomAxisPanel::FreeAllSeries(const std::function<bool(const TChartSeries*)>& Filter)
{
    int t = 0;
    while (t < SeriesCount()) {
        TChartSeries* Series = FSeriesList.FItems[size_t(t)];
        if (!Filter || Filter(Series))
            delete Series; // its destructor takes it out of the list
        else
            ++t;
    }
}

int TCustomAxisPanel::CountActiveSeries() const
{
    return int(std::count_if(FSeriesList.begin(), FSeriesList.end(),
                             [](const TChartSeries* s) { return s->Active(); }));
}

static bool IsBlank(const QString& Text)
{
    // Blanks are the control characters and the space, as trimming sees them.
    return std::all_of(Text.begin(), Text.end(), [](QChar c) { return c.unicode() <= u' '; });
}

// One line of legend text from a title that may hold line breaks.
static QString LegendLine(QString Text)
{
    Text.replace(QChar(6), QChar(u' '));
    for (qsizetype t = 0; t < Text.size(); ++t) {
        if (Text[t] != u'\r')
            continue;
        const bool Pair = (t + 1 < Text.size() && Text[t + 1] == u'\n') || (t > 0 && Text[t - 1] == u'\n');
        if (Pair) {
            Text.remove(t, 1);
            break;
        }
    }
    Text.replace(QChar(u'\r'), QChar(u' '));
    Text.replace(QChar(u'\n'), QChar(u' '));
    return Text;
}

QString TCustomAxisPanel::SeriesTitleLegend(int SeriesIndex, bool OnlyActive) const
{
    int Listed = -1;
    for (int t = 0; t < SeriesCount(); ++t) {
        const TChartSeries* Series = FSeriesList.FItems[size_t(t)];
        if (!Series->ShowInLegend() || (OnlyActive && !Series->Active()))
            continue;
        if (++Listed == SeriesIndex)
            return LegendTextOf(t);
    }
    return QString();
}

QString TCustomAxisPanel::LegendTextOf(int ListIndex) const
{
    const TChartSeries* Series = GetSeries(ListIndex);
    const QString Legend = Series->LegendTitle();
    if (!Legend.isEmpty())
        return Legend;
    if (!IsBlank(Series->Title()))
        return LegendLine(Series->Title());
    if (!Series->Name().isEmpty())
        return Series->Name();
    return QStringLiteral("Series") + QString::number(ListIndex + 1);
}

// ---------------------------------------------------------------- colours

TColor TCustomAxisPanel::GetDefaultColor(int Index) const
{
    if (FColorPalette.empty())
        return TColorPalettes::BuiltInColor(Index);
    const int n = int(FColorPalette.size());
    return FColorPalette[size_t(((Index % n) + n) % n)];
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool CheckBackground, const TChartSeries* Series) const
{
    // The first palette colour no other series shows. The last palette
    // colour is never tested: when every other one is taken, the series'
    // position picks the colour.
    const int Tested = int(FColorPalette.size()) - 1;
    if (Tested <= 0)
        return GetDefaultColor(SeriesCount());
    std::vector<bool> Taken(size_t(Tested), false);
    int Free = Tested;
    auto Take = [&](TColor c) {
        for (int t = 0; t < Tested; ++t) {
            if (!Taken[size_t(t)] && FColorPalette[size_t(t)] == c) {
                Taken[size_t(t)] = true;
                --Free;
            }
        }
    };
    // One pass that ends once every tested colour is seen taken: with
    // thousands of series in palette colours it looks at a dozen of them,
    // where a test per colour over all series made adding them quadratic.
    // The colours it leaves are confirmed by the full test (backgrounds too).
    for (const TChartSeries* s : FSeriesList) {
        if (Free == 0)
            break;
        if (s != Series)
            Take(s->SeriesColor());
    }
    for (int t = 0; t < Tested; ++t)
        if (!Taken[size_t(t)] && IsFreeSeriesColor(FColorPalette[size_t(t)], CheckBackground, Series))
            return FColorPalette[size_t(t)];
    return GetDefaultColor(SeriesCount());
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor AColor, bool CheckBackground,
                                         const TChartSeries* ASeries) const
{
    for (const TChartSeries* s : FSeriesList)
        if (s != ASeries && s->SeriesColor() == AColor)
            return false;
    return !(CheckBackground && AColor == Color());
}

// ---------------------------------------------------------- notifications

int TCustomAxisPanel::AddSeriesEventListener(TSeriesEventListener Listener)
{
    const int Id = FNextListenerId++;
    FSeriesListeners.emplace_back(Id, std::move(Listener));
    return Id;
}

void TCustomAxisPanel::RemoveSeriesEventListener(int Id)
{
    std::erase_if(FSeriesListeners, [Id](const auto& l) { return l.first == Id; });
}

void TCustomAxisPanel::BroadcastSeriesEvent(TCustomChartSeries* ASeries, TChartSeriesEvent AEvent)
{
    if (FSeriesListeners.empty())
        return;
    // A copy: a listener may unregister itself or others.
    const auto Listeners = FSeriesListeners;
    const TSeriesEventInfo Info{AEvent, ASeries};
    for (const auto& l : Listeners)
        if (l.second)
            l.second(Info);
}

// ------------------------------------------------------------ layout

void TCustomAxisPanel::CalcLayout()
{
    for (TChartSeries* Series : FSeriesList)
        if (Series->Active())
            Series->PrepareForDrawing();
    CalcTitlesAndLegendLayout();
    FLayout.ChartRectAfterTitlesAndLegend = FChartRect;
    ReCalcWidthHeight();
    CalcAxesLayout();
    FLayout.ChartRectFinal = FChartRect;
    RecordAxesLayout();
    CalcWallsLayout();
    // Which points each series draws follows from the axes' final ranges.
    for (TChartSeries* Series : FSeriesList)
        if (Series->Active() && Series->Count() > 0)
            Series->CalcFirstLastVisibleIndex();
}

void TCustomAxisPanel::RecordAxesLayout()
{
    for (const TChartAxis* Axis : Axes()) {
        if (!Axis->Shown())
            continue;
        TFrameAxis A;
        A.Axis = Axis;
        A.Minimum = Axis->IMinimum;
        A.Maximum = Axis->IMaximum;
        A.Increment = Axis->LabelIncrement();
        A.StartPos = Axis->IStartPos;
        A.EndPos = Axis->IEndPos;
        A.PosAxis = Axis->PosAxis();
        A.PosLabels = Axis->PosLabels();
        A.PosTitle = Axis->PosTitle();
        A.TitleShown = Axis->TitleShown();
        A.TitleBounds = Axis->TitleBounds();
        for (const TAxisItem& Item : Axis->Items())
            A.Labels.push_back({Item.FText, Item.FValue, Item.FLabelPos, Item.FBox});
        A.Ticks = Axis->Tick;
        FLayout.Axes.push_back(std::move(A));
    }
}

void TCustomAxisPanel::CalcTitlesAndLegendLayout() {}

// ------------------------------------------------------------ drawing

void TCustomAxisPanel::InternalDraw(const TRect& UserRect)
{
    PanelPaint(UserRect);
    if (OnBeforeDrawChart)
        OnBeforeDrawChart(this);
    DrawTitlesAndLegend(true);
    DrawWalls();
    if (FAxisBehind) {
        if (OnBeforeDrawAxes)
            OnBeforeDrawAxes(this);
        DrawAxes();
    }
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(this);
    DrawSeries();
    if (!FAxisBehind) {
        if (OnBeforeDrawAxes)
            OnBeforeDrawAxes(this);
        DrawAxes();
    }
    DrawTitlesAndLegend(false);
    DrawZoomRectangle();
    Canvas()->ResetState();
    if (OnAfterDraw)
        OnAfterDraw(this);
}

void TCustomAxisPanel::DrawTitlesAndLegend(bool) {}

void TCustomAxisPanel::DrawSeries()
{
    TChartCanvas* C = Canvas();
    for (TChartSeries* Series : FSeriesList) {
        if (!Series->Active() || Series->Count() == 0)
            continue;
        const bool Clip = FClipPoints && Series->UseAxis();
        if (Clip)
            C->ClipCube({FChartRect.Left, FChartRect.Top - 1, FChartRect.Right, FChartRect.Bottom + 1});
        DrawSeriesValues(Series);
        if (Clip)
            C->UnClipRectangle();
    }
}

void TCustomAxisPanel::DrawSeriesValues(TChartSeries* Series)
{
    if (Series->FirstValueIndex() != -1)
        Series->PaintValues();
}

void TCustomAxisPanel::SetAxisBehind(bool Value)
{
    if (Change(FAxisBehind, Value))
        Invalidate();
}

void TCustomAxisPanel::SetAxisVisible(bool Value)
{
    if (Change(FAxisVisible, Value))
        Invalidate();
}

void TCustomAxisPanel::SetClipPoints(bool Value)
{
    if (Change(FClipPoints, Value))
        Invalidate();
}

void TCustomAxisPanel::SetView3DWalls(bool Value)
{
    if (Change(FView3DWalls, Value))
        Invalidate();
}

// ------------------------------------------- the series bound to an axis

// Bound in the asked direction: its horizontal axis (or both) for X, its
// vertical axis (or both) for Y.
static bool BoundInDirection(const TChartSeries* Series, const TChartAxis* Axis, bool IsX)
{
    if (IsX)
        return Series->GetHorizAxis() == Axis || Series->HorizAxis() == aBothHorizAxis;
    return Series->GetVertAxis() == Axis || Series->VertAxis() == aBothVertAxis;
}

bool TCustomAxisPanel::NoActiveSeriesOnAxis(const TChartAxis* Axis) const
{
    return std::none_of(FSeriesList.begin(), FSeriesList.end(),
                        [Axis](const TChartSeries* s) { return s->Active() && s->AssociatedToAxis(Axis); });
}

double TCustomAxisPanel::SeriesDataLimit(const TChartAxis* Axis, bool IsMin, bool IsX) const
{
    const bool TakeInactive = NoActiveSeriesOnAxis(Axis);
    bool Found = false;
    double Result = 0;
    for (TChartSeries* Series : FSeriesList) {
        if (!(Series->Active() || TakeInactive) || Series->Count() == 0 || !BoundInDirection(Series, Axis, IsX))
            continue;
        double Value;
        if (IsX)
            Value = IsMin ? Series->MinXValue() : Series->MaxXValue();
        else
            Value = IsMin ? Series->MinYValue() : Series->MaxYValue();
        if (!Found || (IsMin ? Value < Result : Value > Result)) {
            Result = Value;
            Found = true;
        }
    }
    return Result;
}

bool TCustomAxisPanel::SeriesShowAxis(const TChartAxis* Axis) const
{
    bool AnyActive = false;
    for (const TChartSeries* Series : FSeriesList) {
        if (!Series->Active())
            continue;
        AnyActive = true;
        if (!Series->UseAxis())
            return false;
        if (Series->AssociatedToAxis(Axis))
            return true;
    }
    return !AnyActive;
}

void TCustomAxisPanel::SeriesPixelMargins(const TChartAxis* Axis, int& Low, int& High) const
{
    Low = 0;
    High = 0;
    for (const TChartSeries* Series : FSeriesList) {
        if (!Series->Active() || !Series->AssociatedToAxis(Axis))
            continue;
        int SeriesLow = 0;
        int SeriesHigh = 0;
        if (Axis->Horizontal())
            Series->PixelMarginsHoriz(SeriesLow, SeriesHigh);
        else
            Series->PixelMarginsVert(SeriesHigh, SeriesLow);
        Low = std::max(Low, SeriesLow);
        High = std::max(High, SeriesHigh);
    }
}

bool TCustomAxisPanel::SeriesFewPoints(const TChartAxis* Axis, int Count) const
{
    for (const TChartSeries* Series : FSeriesList)
        if (Series->Active() && Series->YMandatory() && Series->AssociatedToAxis(Axis) && Series->Count() <= Count)
            return true;
    return false;
}

TAxisLabelStyle TCustomAxisPanel::SeriesLabelStyle(const TChartAxis* Axis) const
{
    TAxisLabelStyle Result = talNone;
    for (const TChartSeries* Series : FSeriesList) {
        if (!Series->Active() || !Series->AssociatedToAxis(Axis))
            continue;
        const bool OwnAxis = Series->YMandatory() ? Axis->Horizontal() : !Axis->Horizontal();
        if (OwnAxis && Series->HasLabels())
            return talText;
        Result = talValue;
    }
    return Result;
}

// ------------------------------------------------------- zoom and scroll

void TCustomAxisPanel::SaveScales()
{
    if (FRestorePending)
        return;
    FSavedScales.clear();
    for (TChartAxis* Axis : Axes()) {
        if (Axis->IsDepthAxis())
            continue;
        FSavedScales.push_back({Axis, Axis->Automatic(), Axis->AutomaticMinimum(), Axis->AutomaticMaximum(),
                                Axis->Minimum(), Axis->Maximum()});
    }
    FRestorePending = true;
}

void TCustomAxisPanel::ZoomRect(const TRect& Rect)
{
    const int Left = std::min(Rect.Left, Rect.Right);
    const int Right = std::max(Rect.Left, Rect.Right);
    const int Top = std::min(Rect.Top, Rect.Bottom);
    const int Bottom = std::max(Rect.Top, Rect.Bottom);
    SaveScales();
    for (TChartAxis* Axis : Axes()) {
        if (Axis->IsDepthAxis())
            continue;
        if (Axis->Horizontal())
            Axis->SetMinMax(Axis->InternalCalcPosPoint(Left), Axis->InternalCalcPosPoint(Right));
        else
            Axis->SetMinMax(Axis->InternalCalcPosPoint(Bottom), Axis->InternalCalcPosPoint(Top));
    }
    FZoomed = true;
    Invalidate();
}

void TCustomAxisPanel::UndoZoom()
{
    if (FRestorePending) {
        for (const TSavedScale& Saved : FSavedScales)
            Saved.Axis->RestoreScale(Saved.Automatic, Saved.AutomaticMinimum, Saved.AutomaticMaximum, Saved.Minimum,
                                     Saved.Maximum);
        FRestorePending = false;
    }
    FZoomed = false;
    Invalidate();
}

void TCustomAxisPanel::PanBy(int FromX, int FromY, int ToX, int ToY)
{
    if (FAllowPanning == pmNone || (FromX == ToX && FromY == ToY))
        return;
    SaveScales();
    const bool Horizontal = FAllowPanning == pmBoth || FAllowPanning == pmHorizontal;
    const bool Vertical = FAllowPanning == pmBoth || FAllowPanning == pmVertical;
    for (TChartAxis* Axis : Axes()) {
        if (Axis->IsDepthAxis() || (Axis->Horizontal() ? !Horizontal : !Vertical))
            continue;
        const int From = Axis->Horizontal() ? FromX : FromY;
        const int To = Axis->Horizontal() ? ToX : ToY;
        if (From == To)
            continue;
        // From the range as drawn (an automatic axis' stored limits lack the
        // markers' padding), so the data under the mouse follows it exactly.
        const double Shift = Axis->InternalCalcPosPoint(From) - Axis->InternalCalcPosPoint(To);
        Axis->SetMinMax(Axis->IMinimum + Shift, Axis->IMaximum + Shift);
    }
    Invalidate();
}

void TCustomAxisPanel::WheelScroll(int Steps)
{
    if (Steps == 0 || FPanning.MouseWheel() == pmwNone
        || !(FAllowPanning == pmBoth || FAllowPanning == pmVertical))
        return;
    SaveScales();
    for (TChartAxis* Axis : Axes()) {
        if (Axis->IsDepthAxis() || Axis->Horizontal())
            continue;
        // An automatic axis first keeps the range it shows, so the picture
        // moves by the steps and does not lose the markers' padding.
        if (Axis->AutomaticMinimum() || Axis->AutomaticMaximum())
            Axis->SetMinMax(Axis->IMinimum, Axis->IMaximum);
        // Each step 3 % of the range as it is then, one step at a time.
        for (int i = 0; i < std::abs(Steps); ++i) {
            const double Offset = (Axis->Maximum() - Axis->Minimum()) * 3 / 100;
            Axis->Scroll(Steps > 0 ? Offset : -Offset, false);
        }
    }
    Invalidate();
}

TColor TCustomAxisPanel::ZoomBandColor() const
{
    const TColor Back = ResolveColor(ZoomBackColor()) & 0xFFFFFF;
    const TColor Pen = ResolveColor(FZoom.Pen()->Color()) & 0xFFFFFF;
    return ((0xFFFFFF - Back) ^ Pen) & 0xFFFFFF;
}
