#include "app/window/Form1.h"

#include "app/ChartCommands.h"
#include "app/DataErrors.h"
#include "app/window/ButtonedEdit.h"
#include "app/window/ChartTab.h"
#include "app/window/ChartView.h"
#include "app/window/FormSettings.h"
#include "app/window/FormTab.h"
#include "app/window/IntegerBox.h"
#include "app/window/LegendTab.h"
#include "app/window/LineTab.h"
#include "app/window/MainToolBar.h"
#include "app/window/PageControl.h"
#include "app/window/PlotvaneApplication.h"
#include "app/window/RadioGroup.h"
#include "app/window/ScaleTab.h"
#include "app/window/StandardDialogs.h"
#include "app/window/StyleManager.h"
#include "app/window/ToolIcons.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/FontSubstitutions.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartTitle.h"
#include "chart/panel/PlotvaneChart.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/SeriesPointer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace {

// The wait cursor while a load, a rebuild or an export runs.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};


} // namespace

// --------------------------------------------------------------- creation

TForm1::TForm1(const QString& SettingsPath, QWidget* Parent)
    : QMainWindow(Parent), FChart(CreatePlotvaneChart()), FDialogs(std::make_unique<TStandardDialogs>())
{
    RegisterFontSubstitutions();
    setWindowTitle(QStringLiteral("Plotvane"));
    setWindowIcon(TToolIcons::AppIcon());
    // The application's font as well as the window's: dialogs share it, and
    // a style sheet taken off again gives its widgets back the application's.
    QFont Font(QStringLiteral("Tahoma"));
    Font.setPixelSize(TControlScaler::FontPixels);
    QApplication::setFont(Font);
    setFont(Font);
    CreateControls();
    resize(DesignedClientWidth, DesignedClientHeight);
    move(0, 0);

    // The settings file is read as the window is made; one that cannot be
    // read leaves the defaults and says why.
    TPlotvaneApplication::Guard(
        [&] { FIniFile.SetFileName(SettingsPath.isEmpty() ? DefaultSettingsPath() : SettingsPath); });
    FormCreate();
}

TForm1::~TForm1()
{
    // The chart is a member and goes before the base class deletes the child
    // widgets; the view reads the chart as it goes, so it goes first.
    delete FChartView;
    FChartView = nullptr;
}

QString TForm1::DefaultSettingsPath()
{
    return TFormSettings::DefaultPath();
}

void TForm1::SetDialogs(std::unique_ptr<TFormDialogs> Dialogs)
{
    FDialogs = std::move(Dialogs);
}

std::function<void()> TForm1::Guarded(void (TForm1::*Handler)())
{
    return [this, Handler] { TPlotvaneApplication::Guard([this, Handler] { (this->*Handler)(); }); };
}

void TForm1::Wire(std::function<void()>& Event, void (TForm1::*Handler)())
{
    Event = Guarded(Handler);
}

void TForm1::CreateControls()
{
    CreateToolBar();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    FStatusLabel = new QLabel(StatusBar1);
    FStatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatusBar1->addWidget(FStatusLabel, 1);
    StatusBar1->setFixedHeight(TControlScaler::StatusBarHeight);
    setStatusBar(StatusBar1);

    FChartView = new TChartView(FChart.get());
    PageControl1 = new TPageControl;
    PageControl1->addTab(WireChartTab(new TChartTab(FScaler)), QStringLiteral("チャート"));
    PageControl1->addTab(WireLineTab(new TLineTab(FScaler)), QStringLiteral("ライン"));
    PageControl1->addTab(WireLegendTab(new TLegendTab(FScaler)), QStringLiteral("凡例"));
    PageControl1->addTab(WireScaleTab(new TScaleTab(FScaler)), QStringLiteral("スケール"));
    PageControl1->addTab(WireFormTab(new TFormTab(FScaler)), QStringLiteral("フォーム・使用例"));

    Splitter2 = new QSplitter(Qt::Horizontal);
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setHandleWidth(TControlScaler::SplitterWidth);
    Splitter2->addWidget(FChartView);
    Splitter2->addWidget(PageControl1);
    // The side panel keeps its width; the chart takes what the window gains.
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    Splitter2->setSizes({TControlScaler::ChartWidth, TControlScaler::PageControlWidth});

    // The right-edge strip: a splitter with no neighbour to resize.
    Splitter1 = new QWidget;
    Splitter1->setFixedWidth(TControlScaler::SplitterWidth);
    Splitter1->setCursor(Qt::SplitHCursor);

    auto* Central = new QWidget(this);
    auto* Row = new QHBoxLayout(Central);
    Row->setContentsMargins(0, 0, 0, 0);
    Row->setSpacing(0);
    Row->addWidget(Splitter2, 1);
    Row->addWidget(Splitter1);
    setCentralWidget(Central);

    FScaler.SetFrame({this, ToolBar1, StatusBar1, Splitter1, Splitter2, Panel1});
}

void TForm1::CreateToolBar()
{
    auto* Bar = new TMainToolBar(this);
    FToolBar = Bar;
    ToolBar1 = Bar;
    OpenBtn = Bar->OpenBtn;
    PasteBtn = Bar->PasteBtn;
    CopyEMFBtn = Bar->CopyEMFBtn;
    SaveEMFBtn = Bar->SaveEMFBtn;
    CopyBmpBtn = Bar->CopyBmpBtn;
    SaveBmpBtn = Bar->SaveBmpBtn;
    for (auto [Action, Handler] :
         {std::pair{OpenBtn, &TForm1::OpenBtnClick}, std::pair{PasteBtn, &TForm1::BtnPasteClick},
          std::pair{CopyEMFBtn, &TForm1::EmfCopyClick}, std::pair{SaveEMFBtn, &TForm1::EMFSaveClick},
          std::pair{CopyBmpBtn, &TForm1::BmpCopyClick}, std::pair{SaveBmpBtn, &TForm1::BMPSaveClick}}) {
        auto Run = Guarded(Handler);
        QObject::connect(Action, &QAction::triggered, this, [Run] { Run(); });
    }
}

QWidget* TForm1::WireChartTab(TChartTab* Tab)
{
    TitleEditBtn = Tab->TitleEditBtn;
    TitleFontBtn = Tab->TitleFontBtn;
    ChartTitleAlignment = Tab->ChartTitleAlignment;
    XAxisEdit = Tab->XAxisEdit;
    YAxisEdit = Tab->YAxisEdit;
    AxisFont = Tab->AxisFont;
    ChartColor = Tab->ChartColor;
    WallColor = Tab->WallColor;
    WallPictureBtn = Tab->WallPictureBtn;
    ChartShadow = Tab->ChartShadow;
    BorderCheck = Tab->BorderCheck;

    Wire(TitleEditBtn->OnButtonClick, &TForm1::TitleEditBtnButtonClick);
    QObject::connect(TitleFontBtn, &QPushButton::clicked, this, Guarded(&TForm1::TitleFontBtnClick));
    Wire(ChartTitleAlignment->OnClick, &TForm1::ChartTitleAlignmentClick);
    Wire(XAxisEdit->OnButtonClick, &TForm1::XAxisEditButtonClick);
    Wire(YAxisEdit->OnButtonClick, &TForm1::YAxisEditButtonClick);
    QObject::connect(AxisFont, &QPushButton::clicked, this, Guarded(&TForm1::AxisFontClick));
    QObject::connect(ChartColor, &QPushButton::clicked, this, Guarded(&TForm1::ChartColorChange));
    QObject::connect(WallColor, &QPushButton::clicked, this, Guarded(&TForm1::WallColorChange));
    QObject::connect(WallPictureBtn, &QPushButton::clicked, this, Guarded(&TForm1::WallPictureBtnClick));
    QObject::connect(ChartShadow, &QCheckBox::toggled, this, Guarded(&TForm1::ChartShadowClick));
    QObject::connect(BorderCheck, &QCheckBox::toggled, this, Guarded(&TForm1::BorderCheckClick));
    return Tab;
}

QWidget* TForm1::WireLineTab(TLineTab* Tab)
{
    SeriesCombo = Tab->SeriesCombo;
    SeriesName = Tab->SeriesName;
    SeriesColorBtn = Tab->SeriesColorBtn;
    SeriesSize = Tab->SeriesSize;
    SeriesStyle = Tab->SeriesStyle;
    LineVisibleCheck = Tab->LineVisibleCheck;
    SmothedLine = Tab->SmothedLine;
    MarkerVisibleCheck = Tab->MarkerVisibleCheck;
    MarkerSize = Tab->MarkerSize;
    MarkerStyle = Tab->MarkerStyle;

    {
        auto Run = Guarded(&TForm1::SeriesComboChange);
        // Only the user's pick shows a series; the window's own fills do not.
        QObject::connect(SeriesCombo, &QComboBox::activated, this, [Run] { Run(); });
    }
    Wire(SeriesName->OnButtonClick, &TForm1::SeriesNameButtonClick);
    QObject::connect(SeriesColorBtn, &QPushButton::clicked, this, Guarded(&TForm1::SeriesColorBtnClick));
    Wire(SeriesSize->OnChange, &TForm1::SeriesSizeChange);
    Wire(SeriesStyle->OnClick, &TForm1::SeriesStyleClick);
    QObject::connect(LineVisibleCheck, &QCheckBox::toggled, this, Guarded(&TForm1::LineVisibleCheckClick));
    QObject::connect(SmothedLine, &QCheckBox::toggled, this, Guarded(&TForm1::SmothedLineClick));
    QObject::connect(MarkerVisibleCheck, &QCheckBox::toggled, this, Guarded(&TForm1::MarkerVisibleCheckClick));
    Wire(MarkerSize->OnChange, &TForm1::MarkerSizeChange);
    Wire(MarkerStyle->OnClick, &TForm1::MarkerStyleClick);
    return Tab;
}

QWidget* TForm1::WireLegendTab(TLegendTab* Tab)
{
    LegendPosition = Tab->LegendPosition;
    Wire(LegendPosition->OnClick, &TForm1::LegendPositionClick);
    return Tab;
}

QWidget* TForm1::WireScaleTab(TScaleTab* Tab)
{
    AutoSize = Tab->AutoSize;
    XMaxValue = Tab->XMaxValue;
    XMinValue = Tab->XMinValue;
    XIncValue = Tab->XIncValue;
    XmagValue = Tab->XmagValue;
    YMaxValue = Tab->YMaxValue;
    YMinValue = Tab->YMinValue;
    YIncValue = Tab->YIncValue;
    YmagValue = Tab->YmagValue;
    PrefixInTitlesCheck = Tab->PrefixInTitlesCheck;

    QObject::connect(AutoSize, &QCheckBox::toggled, this, Guarded(&TForm1::AutoSizeClick));
    Wire(XMaxValue->OnButtonClick, &TForm1::XMaxValueButtonClick);
    Wire(XMinValue->OnButtonClick, &TForm1::XMinValueButtonClick);
    Wire(XIncValue->OnButtonClick, &TForm1::XIncValueButtonClick);
    Wire(XmagValue->OnButtonClick, &TForm1::XmagValueButtonClick);
    Wire(YMaxValue->OnButtonClick, &TForm1::YMaxValueButtonClick);
    Wire(YMinValue->OnButtonClick, &TForm1::YMinValueButtonClick);
    Wire(YIncValue->OnButtonClick, &TForm1::YIncValueButtonClick);
    Wire(YmagValue->OnButtonClick, &TForm1::YmagValueButtonClick);
    QObject::connect(PrefixInTitlesCheck, &QCheckBox::toggled, this, Guarded(&TForm1::PrefixInTitlesCheckClick));
    return Tab;
}

QWidget* TForm1::WireFormTab(TFormTab* Tab)
{
    Panel1 = Tab->Panel1;
    StyleSelecter = Tab->StyleSelecter;
    Label2 = Tab->Label2;
    ScaleComboBox = Tab->ScaleComboBox;
    Label1 = Tab->Label1;
    Memo2 = Tab->Memo2;

    // The window's own changes of the selectors (FFillingSelector) run no
    // handler.
    for (auto [Box, Handler] : {std::pair{StyleSelecter, &TForm1::StyleSelecterChange},
                                std::pair{ScaleComboBox, &TForm1::ScaleComboBoxChange}}) {
        auto Run = Guarded(Handler);
        QObject::connect(Box, &QComboBox::currentTextChanged, this, [this, Run] {
            if (!FFillingSelector)
                Run();
        });
    }
    return Tab;
}

// ------------------------------------------------------- start and close

void TForm1::FormCreate()
{
    FImport.xmag = 1.0;
    FImport.ymag = 1.0;
    LoadSettings();
    PageControl1->setCurrentIndex(0);

    FFillingSelector = true;
    StyleSelecter->clear();
    QStringList Names = TStyleManager::StyleNames();
    std::sort(Names.begin(), Names.end(),
              [](const QString& A, const QString& B) { return QString::compare(A, B, Qt::CaseInsensitive) < 0; });
    StyleSelecter->addItems(Names);
    const QString Active = TStyleManager::ActiveStyleName();
    int Selected = -1;
    for (int i = 0; i < Names.size(); ++i)
        if (QString::compare(Names[i], Active, Qt::CaseInsensitive) == 0)
            Selected = i;
    StyleSelecter->setCurrentIndex(Selected);
    FFillingSelector = false;

    // A file dropped anywhere on the window is data, also over a text box
    // (which would otherwise type its path).
    setAcceptDrops(true);
    for (QLineEdit* Edit : findChildren<QLineEdit*>())
        Edit->setAcceptDrops(false);
    Memo2->setAcceptDrops(false);
    Memo2->viewport()->setAcceptDrops(false);
}

void TForm1::LoadSettings()
{
    const TFormSettings::TValues Stored = TFormSettings::Read(FIniFile, *this);
    const bool Entry = Stored.Scale >= 0 && Stored.Scale < ScaleComboBox->count();
    FFillingSelector = true;
    if (Entry) {
        ScaleComboBox->setCurrentIndex(Stored.Scale);
    } else {
        ScaleComboBox->setCurrentIndex(-1);
        ScaleComboBox->setEditText(QString());
    }
    FFillingSelector = false;
    PrefixInTitlesCheck->setChecked(Stored.PrefixInTitles);
    // The stored scale is the window's scale again; the window keeps the
    // outer size it was closed with.
    if (Entry) {
        const QSize Size = size();
        ApplyScale(TControlScaler::ScalePercents[Stored.Scale]);
        resize(Size);
    }
    TFormSettings::EnsureOnScreen(*this);
    TStyleManager::TrySetStyle(Stored.Style, true, this);
}

void TForm1::SaveSettings()
{
    TFormSettings::Write(
        FIniFile, *this,
        {SelectedEntry(ScaleComboBox), PrefixInTitlesCheck->isChecked(), TStyleManager::ActiveStyleName()});
}

void TForm1::closeEvent(QCloseEvent* Event)
{
    // A settings file that cannot be written is said, and the window closes
    // all the same: nothing of the chart depends on it.
    TPlotvaneApplication::Guard([this] { SaveSettings(); });
    Event->accept();
}

// ------------------------------------------------------------ UI scale

QRect TForm1::DesignedGeometry(const QWidget* Control) const
{
    return FScaler.DesignedGeometry(Control);
}

void TForm1::ApplyScale(int Percent)
{
    FScaler.Apply(Percent);
}

void TForm1::ScaleComboBoxChange()
{
    const int Entry = SelectedEntry(ScaleComboBox);
    if (Entry < 0)
        return;
    ApplyScale(TControlScaler::ScalePercents[Entry]);
}

void TForm1::StyleSelecterChange()
{
    const int Entry = SelectedEntry(StyleSelecter);
    if (Entry < 0)
        return;
    TStyleManager::TrySetStyle(StyleSelecter->itemText(Entry), true, this);
}

int TForm1::SelectedEntry(const QComboBox* Box)
{
    const int Index = Box->currentIndex();
    if (Index >= 0 && Box->itemText(Index) == Box->currentText())
        return Index;
    return Box->findText(Box->currentText(), Qt::MatchExactly);
}

void TForm1::changeEvent(QEvent* Event)
{
    QMainWindow::changeEvent(Event);
    if (Event->type() == QEvent::PaletteChange && FToolBar)
        FToolBar->RefreshIcons(palette().color(QPalette::ButtonText));
    if (Event->type() == QEvent::StyleChange && FScaler.HasControls())
        FScaler.PlaceControls();
}

// ------------------------------------------------------------- data in

int TForm1::SelectedSeries() const
{
    const int Index = SeriesCombo->currentIndex();
    return Index >= 0 && Index < FChart->SeriesCount() ? Index : -1;
}

QString TForm1::StatusText() const
{
    return FStatusLabel->text();
}

void TForm1::SetStatus(const QString& Text)
{
    FStatusLabel->setText(Text);
}

void TForm1::ShowRebuild(bool LineTabReset, int StatusCountBefore)
{
    SeriesCombo->clear();
    SeriesCombo->setCurrentIndex(-1);
    // With no series selected the boxes' own handlers change nothing.
    if (LineTabReset) {
        MarkerVisibleCheck->setChecked(true);
        LineVisibleCheck->setChecked(true);
        SmothedLine->setChecked(false);
    }
    FChartView->SetMagnification(FImport.xmag, FImport.ymag);
    FPrefixInTitles.Apply(*FChart, FImport);
    SeriesCombo->addItems(FImport.SeriesNames());
    SeriesCombo->setCurrentIndex(FImport.SelectedSeries());
    if (FImport.ScanCount() != StatusCountBefore)
        SetStatus(FImport.StatusText());
}

void TForm1::RunImport(const std::function<bool()>& Load)
{
    const int Before = FImport.ScanCount();
    bool Ok = true;
    {
        TBusyCursor Busy;
        try {
            Ok = Load();
        } catch (const EFileError&) {
            // Nothing was changed: the file was never read.
            throw;
        } catch (...) {
            ShowRebuild(!FImport.DataList.IsEmpty(), Before);
            throw;
        }
        if (FImport.NoData()) {
            // Nothing was changed: the chart and its data stay.
            SetStatus(TDataImport::NoDataText);
            return;
        }
        ShowRebuild(!FImport.DataList.IsEmpty(), Before);
        // The new frame is drawn under the busy cursor too.
        FChartView->repaint();
    }
    if (!Ok)
        FDialogs->ShowImportError(this, FImport.ImportErrorCause());
}

void TForm1::OpenBtnClick()
{
    const QString Path = FDialogs->OpenDataFile(this);
    if (Path.isEmpty())
        return;
    RunImport([&] { return FImport.OpenFile(*FChart, Path); });
}

void TForm1::WMDropFiles(const QString& Path)
{
    RunImport([&] { return FImport.DropFile(*FChart, Path); });
}

void TForm1::BtnPasteClick()
{
    DropText(TDataImport::TextOfMimeData(QApplication::clipboard()->mimeData()));
}

void TForm1::DropText(const QString& Text)
{
    RunImport([&] { return FImport.PasteText(*FChart, Text); });
}

void TForm1::dragEnterEvent(QDragEnterEvent* Event)
{
    const QMimeData* Data = Event->mimeData();
    bool Local = false;
    for (const QUrl& Url : Data->urls())
        Local = Local || Url.isLocalFile();
    if (Local || (!Data->hasUrls() && Data->hasText()))
        Event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* Event)
{
    const QMimeData* Data = Event->mimeData();
    for (const QUrl& Url : Data->urls()) {
        if (Url.isLocalFile()) {
            Event->acceptProposedAction();
            const QString Path = Url.toLocalFile();
            TPlotvaneApplication::Guard([&] { WMDropFiles(Path); });
            return;
        }
    }
    if (Data->hasText()) {
        Event->acceptProposedAction();
        const QString Text = TDataImport::TextOfMimeData(Data);
        TPlotvaneApplication::Guard([&] { DropText(Text); });
    }
}

// --------------------------------------------------------------- export

void TForm1::EmfCopyClick()
{
    TBusyCursor Busy;
    QApplication::clipboard()->setMimeData(TChartExport::MetafileMimeData(*FChart).release());
}

void TForm1::BmpCopyClick()
{
    TBusyCursor Busy;
    QApplication::clipboard()->setMimeData(TChartExport::BitmapMimeData(*FChart).release());
}

void TForm1::EMFSaveClick()
{
    SavePicture(efEmf);
}

void TForm1::BMPSaveClick()
{
    SavePicture(efBmp);
}

void TForm1::SavePicture(TExportFormat Format)
{
    QString Name = FDialogs->SavePicture(this, Format);
    if (Name.isEmpty())
        return;
    if (QFileInfo(Name).suffix().isEmpty())
        Name += u'.' + TStandardDialogs::Extension(Format);
    // A typed extension the program writes chooses the format; any other
    // name gets the button's format.
    const TExportFormat Chosen = TChartExport::FormatOfFile(Name).value_or(Format);
    TBusyCursor Busy;
    TChartExport::WriteFile(Name, TChartExport::Encode(*FChart, Chosen));
}

// ---------------------------------------------------------- scale tab

void TForm1::AutoSizeClick()
{
    const bool Checked = AutoSize->isChecked();
    ChartCommands::SetAutoSize(*FChart, Checked);
    FImport.AutoSize = Checked;
    for (TButtonedEdit* Edit : {YMaxValue, YMinValue, YIncValue, YmagValue, XMaxValue, XMinValue, XIncValue, XmagValue})
        Edit->setEnabled(!Checked);
}

void TForm1::ApplyAxisBox(int Box, TButtonedEdit* Edit)
{
    ChartCommands::ApplyAxisBox(*FChart, ChartCommands::TAxisBox(Box), Edit->text());
}

void TForm1::XMaxValueButtonClick() { ApplyAxisBox(ChartCommands::abXMax, XMaxValue); }
void TForm1::XMinValueButtonClick() { ApplyAxisBox(ChartCommands::abXMin, XMinValue); }
void TForm1::XIncValueButtonClick() { ApplyAxisBox(ChartCommands::abXInc, XIncValue); }
void TForm1::YMaxValueButtonClick() { ApplyAxisBox(ChartCommands::abYMax, YMaxValue); }
void TForm1::YMinValueButtonClick() { ApplyAxisBox(ChartCommands::abYMin, YMinValue); }
void TForm1::YIncValueButtonClick() { ApplyAxisBox(ChartCommands::abYInc, YIncValue); }

void TForm1::ApplyMagnification(bool X)
{
    const QString Text = X ? XmagValue->text() : YmagValue->text();
    const int Before = FImport.ScanCount();
    TBusyCursor Busy;
    bool Applied = false;
    try {
        Applied = X ? FImport.ApplyXmag(*FChart, Text) : FImport.ApplyYmag(*FChart, Text);
    } catch (...) {
        ShowRebuild(!FImport.DataList.IsEmpty(), Before);
        throw;
    }
    if (Applied) {
        ShowRebuild(!FImport.DataList.IsEmpty(), Before);
        FChartView->repaint();
    }
}

void TForm1::XmagValueButtonClick() { ApplyMagnification(true); }
void TForm1::YmagValueButtonClick() { ApplyMagnification(false); }

void TForm1::PrefixInTitlesCheckClick()
{
    FPrefixInTitles.SetChecked(PrefixInTitlesCheck->isChecked());
    FPrefixInTitles.Apply(*FChart, FImport);
}

// ---------------------------------------------------------- chart tab

void TForm1::TitleEditBtnButtonClick()
{
    ChartCommands::SetTitleText(*FChart, TitleEditBtn->text());
}

void TForm1::TitleFontBtnClick()
{
    if (auto Font = FDialogs->ChooseFont(this, FChart->Title()->Font()->Color()))
        ChartCommands::SetTitleFont(*FChart, *Font);
}

void TForm1::ChartTitleAlignmentClick()
{
    ChartCommands::SetTitleAlignment(*FChart, ChartTitleAlignment->ItemIndex());
}

void TForm1::XAxisEditButtonClick()
{
    ChartCommands::SetXAxisTitle(*FChart, XAxisEdit->text());
    FPrefixInTitles.Apply(*FChart, FImport);
}

void TForm1::YAxisEditButtonClick()
{
    ChartCommands::SetYAxisTitle(*FChart, YAxisEdit->text());
    FPrefixInTitles.Apply(*FChart, FImport);
}

void TForm1::AxisFontClick()
{
    if (auto Font = FDialogs->ChooseFont(this, FChart->LeftAxis()->Title()->Font()->Color()))
        ChartCommands::SetAxisTitleFont(*FChart, *Font);
}

void TForm1::ChartColorChange()
{
    if (auto Color = FDialogs->ChooseColor(this))
        ChartCommands::SetPanelColor(*FChart, *Color);
}

void TForm1::WallColorChange()
{
    if (auto Color = FDialogs->ChooseColor(this))
        ChartCommands::SetWallColor(*FChart, *Color);
}

void TForm1::WallPictureBtnClick()
{
    const QString Name = FDialogs->OpenPicture(this, TStandardDialogs::PictureFilters());
    if (Name.isEmpty())
        return;
    TBusyCursor Busy;
    ChartCommands::SetWallPicture(*FChart, Name);
}

void TForm1::ChartShadowClick()
{
    ChartCommands::SetShadow(*FChart, ChartShadow->isChecked());
}

void TForm1::BorderCheckClick()
{
    ChartCommands::SetBorder(*FChart, BorderCheck->isChecked());
}

// ----------------------------------------------------------- line tab

void TForm1::SeriesComboChange()
{
    TCustomSeries* Series = ChartCommands::SeriesAt(*FChart, SelectedSeries());
    if (!Series)
        return;
    SeriesName->setText(Series->Title());
    SmothedLine->setChecked(Series->Smoothed());
    SeriesSize->SetValue(std::clamp(Series->Pen()->Width(), 1, 100));
    MarkerSize->SetValue(Series->Pointer()->Size());
    MarkerVisibleCheck->setChecked(Series->Pointer()->Visible());
    // A style no item stands for leaves the group as it is.
    if (const int Item = ChartCommands::SeriesStyleItem(*Series); Item >= 0)
        SeriesStyle->SetItemIndex(Item);
    if (const int Item = ChartCommands::MarkerStyleItem(*Series); Item >= 0)
        MarkerStyle->SetItemIndex(Item);
}

void TForm1::SeriesNameButtonClick()
{
    const int Index = SelectedSeries();
    if (Index < 0)
        return;
    ChartCommands::SetSeriesTitle(*FChart, Index, SeriesName->text());
    // The entry takes the new name and stays selected.
    SeriesCombo->setItemText(Index, SeriesName->text());
}

void TForm1::SeriesColorBtnClick()
{
    const int Index = SelectedSeries();
    if (Index < 0)
        return;
    if (auto Color = FDialogs->ChooseColor(this))
        ChartCommands::SetSeriesColor(*FChart, Index, *Color);
}

void TForm1::SeriesSizeChange()
{
    ChartCommands::SetSeriesWidth(*FChart, SelectedSeries(), SeriesSize->Value());
}

void TForm1::SeriesStyleClick()
{
    ChartCommands::SetSeriesStyle(*FChart, SelectedSeries(), SeriesStyle->ItemIndex());
}

void TForm1::LineVisibleCheckClick()
{
    ChartCommands::SetSeriesVisible(*FChart, SelectedSeries(), LineVisibleCheck->isChecked());
}

void TForm1::SmothedLineClick()
{
    ChartCommands::SetSeriesSmoothed(*FChart, SelectedSeries(), SmothedLine->isChecked());
}

void TForm1::MarkerVisibleCheckClick()
{
    ChartCommands::SetMarkerVisible(*FChart, SelectedSeries(), MarkerVisibleCheck->isChecked());
}

void TForm1::MarkerSizeChange()
{
    ChartCommands::SetMarkerSize(*FChart, SelectedSeries(), MarkerSize->Value());
}

void TForm1::MarkerStyleClick()
{
    ChartCommands::SetMarkerStyle(*FChart, SelectedSeries(), MarkerStyle->ItemIndex());
}

// --------------------------------------------------------- legend tab

void TForm1::LegendPositionClick()
{
    ChartCommands::SetLegendPosition(*FChart, LegendPosition->ItemIndex());
}
