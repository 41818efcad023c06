#include "app/window/Form1.h"

#include "app/ChartCommands.h"
#include "app/DataErrors.h"
#include "app/window/ButtonedEdit.h"
#include "app/window/ChartView.h"
#include "app/window/IntegerBox.h"
#include "app/window/PageControl.h"
#include "app/window/PlotvaneApplication.h"
#include "app/window/RadioGroup.h"
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
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#ifndef PLOTVANE_VERSION
#define PLOTVANE_VERSION "2.0"
#endif

const char* const TForm1::PictureFilter =
    "すべて (*.svg;*.wbmp;*.webp;*.svg;*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.tif;*.tiff)"
    "|*.svg;*.wbmp;*.webp;*.svg;*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.tif;*.tiff"
    "|Scalable Vector Graphics (*.svg)|*.svg"
    "|WBMP Images (*.wbmp)|*.wbmp"
    "|WebP Images (*.webp)|*.webp"
    "|Scalable Vector Graphics (*.svg)|*.svg"
    "|GIF 画像 (*.gif)|*.gif"
    "|JPEG イメージファイル (*.jpg)|*.jpg"
    "|JPEG イメージファイル (*.jpeg)|*.jpeg"
    "|Portable Network Graphics (*.png)|*.png"
    "|ビットマップ (*.bmp)|*.bmp"
    "|アイコン (*.ico)|*.ico"
    "|エンハンス メタファイル (*.emf)|*.emf"
    "|メタファイル (*.wmf)|*.wmf"
    "|TIFF 画像 (*.tif)|*.tif"
    "|TIFF 画像 (*.tiff)|*.tiff"
    "|PNG画像(*.png)|*.png";

namespace {

// The wait cursor while a load, a rebuild or an export runs.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

const QString FormSection = QStringLiteral("FORM");
const QString PrefixInTitlesKey = QStringLiteral("PrefixInTitles");
const QString StyleSection = QStringLiteral("Style");

const int ScalePercents[] = {100, 125, 150, 175, 200};

int Scaled(int Value, int Percent)
{
    return int(std::lround(double(Value) * Percent / 100.0));
}

QString HelpText()
{
    QFile File(QStringLiteral(":/help/Memo2.txt"));
    if (!File.open(QIODevice::ReadOnly))
        return QString();
    QString Text = QString::fromUtf8(File.readAll());
    if (Text.endsWith(u'\n'))
        Text.chop(1);
    return Text;
}

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
    Font.setPixelSize(11);
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
    const QString Name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".ini");
    const QString ProgramDir = QCoreApplication::applicationDirPath();
    const QFileInfo Beside(QDir(ProgramDir).filePath(Name));
    // Beside the program when it can be kept there; an installed program
    // keeps its settings in the user's configuration folder.
    if (QFileInfo(ProgramDir).isWritable() && (!Beside.exists() || Beside.isWritable()))
        return Beside.filePath();
    QString Config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (Config.isEmpty() || !QDir::isAbsolutePath(Config))
        Config = QDir::homePath() + QStringLiteral("/.config");
    const QString Folder = Config + QStringLiteral("/plotvane");
    QDir().mkpath(Folder);
    return Folder + u'/' + Name;
}

void TForm1::SetDialogs(std::unique_ptr<TFormDialogs> Dialogs)
{
    FDialogs = std::move(Dialogs);
}

template <class T> T* TForm1::Place(T* Control, int Left, int Top, int Width, int Height)
{
    const QRect Rect(Left, Top, Width, Height);
    FDesigned.push_back({Control, Rect});
    Control->setGeometry(Rect);
    return Control;
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
    StatusBar1->setFixedHeight(19);
    setStatusBar(StatusBar1);

    FChartView = new TChartView(FChart.get());
    PageControl1 = new TPageControl;
    PageControl1->addTab(CreateChartTab(), QStringLiteral("チャート"));
    PageControl1->addTab(CreateLineTab(), QStringLiteral("ライン"));
    PageControl1->addTab(CreateLegendTab(), QStringLiteral("凡例"));
    PageControl1->addTab(CreateScaleTab(), QStringLiteral("スケール"));
    PageControl1->addTab(CreateFormTab(), QStringLiteral("フォーム・使用例"));

    Splitter2 = new QSplitter(Qt::Horizontal);
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setHandleWidth(3);
    Splitter2->addWidget(FChartView);
    Splitter2->addWidget(PageControl1);
    // The side panel keeps its width; the chart takes what the window gains.
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    Splitter2->setSizes({781, 196});

    // The right-edge strip: a splitter with no neighbour to resize.
    Splitter1 = new QWidget;
    Splitter1->setFixedWidth(3);
    Splitter1->setCursor(Qt::SplitHCursor);

    auto* Central = new QWidget(this);
    auto* Row = new QHBoxLayout(Central);
    Row->setContentsMargins(0, 0, 0, 0);
    Row->setSpacing(0);
    Row->addWidget(Splitter2, 1);
    Row->addWidget(Splitter1);
    setCentralWidget(Central);
}

void TForm1::CreateToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->toggleViewAction()->setEnabled(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->setFixedHeight(47);
    ToolBar1->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto MakeButton = [this](const QString& Hint, const QKeySequence& Shortcut, void (TForm1::*Handler)()) {
        auto* Action = new QAction(this);
        Action->setToolTip(Hint);
        Action->setText(Hint);
        if (!Shortcut.isEmpty()) {
            Action->setShortcut(Shortcut);
            Action->setToolTip(Hint + QStringLiteral(" (") + Shortcut.toString(QKeySequence::NativeText) + u')');
        }
        Action->setShortcutContext(Qt::WindowShortcut);
        auto Run = Guarded(Handler);
        QObject::connect(Action, &QAction::triggered, this, [Run] { Run(); });
        ToolBar1->addAction(Action);
        if (QWidget* Button = ToolBar1->widgetForAction(Action))
            Button->setFixedSize(34, 35);
        return Action;
    };
    auto Separator = [this] {
        auto* Gap = new QWidget;
        Gap->setFixedSize(8, 35);
        ToolBar1->addWidget(Gap);
    };

    OpenBtn = MakeButton(QStringLiteral("データを開く"), QKeySequence::Open, &TForm1::OpenBtnClick);
    PasteBtn = MakeButton(QStringLiteral("データー貼り付け"), QKeySequence::Paste, &TForm1::BtnPasteClick);
    Separator();
    CopyEMFBtn = MakeButton(QStringLiteral("グラフをEMFでコピー"), QKeySequence(QStringLiteral("Ctrl+Shift+C")),
                            &TForm1::EmfCopyClick);
    SaveEMFBtn = MakeButton(QStringLiteral("グラフをEMFで保存"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
                            &TForm1::EMFSaveClick);
    Separator();
    CopyBmpBtn = MakeButton(QStringLiteral("グラフをBMPでコピー"), QKeySequence::Copy, &TForm1::BmpCopyClick);
    SaveBmpBtn = MakeButton(QStringLiteral("グラフをBMPで保存"), QKeySequence::Save, &TForm1::BMPSaveClick);
    RefreshToolIcons();
}

void TForm1::RefreshToolIcons()
{
    const QColor Ink = palette().color(QPalette::ButtonText);
    OpenBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("open"), Ink));
    PasteBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("paste"), Ink));
    CopyEMFBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("copy"), Ink));
    SaveEMFBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("save"), Ink));
    CopyBmpBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("copy"), Ink));
    SaveBmpBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("save"), Ink));
}

QWidget* TForm1::CreateChartTab()
{
    auto* Page = new QWidget;
    FChartTab = Page;
    TitleEditBtn = Place(new TButtonedEdit(Page), 27, 16, 121, 21);
    TitleEditBtn->setPlaceholderText(QStringLiteral("タイトル名"));
    Wire(TitleEditBtn->OnButtonClick, &TForm1::TitleEditBtnButtonClick);

    TitleFontBtn = Place(new QPushButton(QStringLiteral("タイトル\u3000フォント"), Page), 24, 43, 145, 25);
    QObject::connect(TitleFontBtn, &QPushButton::clicked, this, Guarded(&TForm1::TitleFontBtnClick));

    ChartTitleAlignment = Place(new TRadioGroup(QStringLiteral("タイトル位置"),
                                                {QStringLiteral("左寄せ"), QStringLiteral("中央"), QStringLiteral("右寄せ")}, 1,
                                                Page),
                                25, 74, 140, 86);
    ChartTitleAlignment->SetItemIndex(1);
    Wire(ChartTitleAlignment->OnClick, &TForm1::ChartTitleAlignmentClick);

    XAxisEdit = Place(new TButtonedEdit(Page), 27, 166, 121, 21);
    XAxisEdit->setPlaceholderText(QStringLiteral("X軸名"));
    Wire(XAxisEdit->OnButtonClick, &TForm1::XAxisEditButtonClick);
    YAxisEdit = Place(new TButtonedEdit(Page), 27, 200, 121, 21);
    YAxisEdit->setPlaceholderText(QStringLiteral("Y軸名"));
    Wire(YAxisEdit->OnButtonClick, &TForm1::YAxisEditButtonClick);

    AxisFont = Place(new QPushButton(QStringLiteral("各軸\u3000フォント\u3000"), Page), 24, 227, 123, 25);
    QObject::connect(AxisFont, &QPushButton::clicked, this, Guarded(&TForm1::AxisFontClick));
    ChartColor = Place(new QPushButton(QStringLiteral("外部色"), Page), 24, 258, 67, 25);
    QObject::connect(ChartColor, &QPushButton::clicked, this, Guarded(&TForm1::ChartColorChange));
    WallColor = Place(new QPushButton(QStringLiteral("内部色"), Page), 97, 258, 56, 25);
    QObject::connect(WallColor, &QPushButton::clicked, this, Guarded(&TForm1::WallColorChange));
    WallPictureBtn = Place(new QPushButton(QStringLiteral("画像選択"), Page), 24, 289, 129, 25);
    WallPictureBtn->setToolTip(QStringLiteral("バックに画像を貼り付ける"));
    QObject::connect(WallPictureBtn, &QPushButton::clicked, this, Guarded(&TForm1::WallPictureBtnClick));

    ChartShadow = Place(new QCheckBox(QStringLiteral("影を付ける"), Page), 32, 328, 81, 17);
    QObject::connect(ChartShadow, &QCheckBox::toggled, this, Guarded(&TForm1::ChartShadowClick));
    BorderCheck = Place(new QCheckBox(QStringLiteral("ボーダーを付ける"), Page), 32, 351, 105, 17);
    QObject::connect(BorderCheck, &QCheckBox::toggled, this, Guarded(&TForm1::BorderCheckClick));
    return Page;
}

QWidget* TForm1::CreateLineTab()
{
    auto* Page = new QWidget;
    SeriesCombo = Place(new QComboBox(Page), 16, 16, 145, 21);
    SeriesCombo->setPlaceholderText(QStringLiteral("ライン選択"));
    SeriesCombo->setCurrentIndex(-1);
    {
        auto Run = Guarded(&TForm1::SeriesComboChange);
        // Only the user's pick shows a series; the window's own fills do not.
        QObject::connect(SeriesCombo, &QComboBox::activated, this, [Run] { Run(); });
    }

    SeriesName = Place(new TButtonedEdit(Page), 35, 43, 121, 21);
    SeriesName->setPlaceholderText(QStringLiteral("ライン名"));
    Wire(SeriesName->OnButtonClick, &TForm1::SeriesNameButtonClick);

    SeriesColorBtn = Place(new QPushButton(QStringLiteral("ライン色"), Page), 32, 70, 75, 25);
    QObject::connect(SeriesColorBtn, &QPushButton::clicked, this, Guarded(&TForm1::SeriesColorBtnClick));
    SeriesSize = Place(new TIntegerBox(1, 100, 1, Page), 113, 72, 49, 22);
    SeriesSize->setToolTip(QStringLiteral("ライン幅"));
    Wire(SeriesSize->OnChange, &TForm1::SeriesSizeChange);

    SeriesStyle = Place(new TRadioGroup(QStringLiteral("ラインスタイル"),
                                        {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
                                         QStringLiteral("DashDot"), QStringLiteral("DashDotDot")},
                                        2, Page),
                        16, 115, 164, 81);
    SeriesStyle->SetItemIndex(0);
    Wire(SeriesStyle->OnClick, &TForm1::SeriesStyleClick);

    LineVisibleCheck = Place(new QCheckBox(QStringLiteral("ラインを表示する"), Page), 16, 210, 113, 17);
    LineVisibleCheck->setChecked(true);
    QObject::connect(LineVisibleCheck, &QCheckBox::toggled, this, Guarded(&TForm1::LineVisibleCheckClick));
    SmothedLine = Place(new QCheckBox(QStringLiteral("滑らかなライン表示"), Page), 16, 245, 121, 17);
    QObject::connect(SmothedLine, &QCheckBox::toggled, this, Guarded(&TForm1::SmothedLineClick));
    MarkerVisibleCheck = Place(new QCheckBox(QStringLiteral("マーカー表示"), Page), 17, 281, 81, 17);
    MarkerVisibleCheck->setChecked(true);
    QObject::connect(MarkerVisibleCheck, &QCheckBox::toggled, this, Guarded(&TForm1::MarkerVisibleCheckClick));
    MarkerSize = Place(new TIntegerBox(1, 100, 4, Page), 104, 279, 49, 22);
    MarkerSize->setToolTip(QStringLiteral("マーカ大きさ"));
    Wire(MarkerSize->OnChange, &TForm1::MarkerSizeChange);

    MarkerStyle = Place(new TRadioGroup(QStringLiteral("マーカースタイル"),
                                        {QStringLiteral("Rectangle"), QStringLiteral("Circle"),
                                         QStringLiteral("Triangle"), QStringLiteral("Diamond")},
                                        2, Page),
                        16, 323, 153, 62);
    Wire(MarkerStyle->OnClick, &TForm1::MarkerStyleClick);
    return Page;
}

QWidget* TForm1::CreateLegendTab()
{
    auto* Page = new QWidget;
    LegendPosition = Place(new TRadioGroup(QStringLiteral("位置"),
                                           {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"),
                                            QStringLiteral("Bottom")},
                                           1, Page),
                           40, 26, 105, 92);
    LegendPosition->SetItemIndex(1);
    Wire(LegendPosition->OnClick, &TForm1::LegendPositionClick);
    return Page;
}

QWidget* TForm1::CreateScaleTab()
{
    auto* Page = new QWidget;
    AutoSize = Place(new QCheckBox(QStringLiteral("AutoSize"), Page), 32, 19, 97, 17);
    AutoSize->setChecked(true);
    QObject::connect(AutoSize, &QCheckBox::toggled, this, Guarded(&TForm1::AutoSizeClick));

    auto Box = [this, Page](int Top, const char* Placeholder, void (TForm1::*Handler)()) {
        auto* Edit = Place(new TButtonedEdit(Page), 27, Top, 121, 21);
        Edit->setPlaceholderText(QString::fromUtf8(Placeholder));
        Edit->setEnabled(false);
        Wire(Edit->OnButtonClick, Handler);
        return Edit;
    };
    XMaxValue = Box(56, "X軸\u3000最大値", &TForm1::XMaxValueButtonClick);
    XMinValue = Box(96, "X軸\u3000最小値", &TForm1::XMinValueButtonClick);
    XIncValue = Box(136, "X軸\u3000刻み幅", &TForm1::XIncValueButtonClick);
    XmagValue = Box(176, "X軸倍率", &TForm1::XmagValueButtonClick);
    YMaxValue = Box(230, "Y軸\u3000最大値", &TForm1::YMaxValueButtonClick);
    YMinValue = Box(272, "Y軸\u3000最小値", &TForm1::YMinValueButtonClick);
    YIncValue = Box(312, "Y軸\u3000刻み幅", &TForm1::YIncValueButtonClick);
    YmagValue = Box(352, "Y軸倍率", &TForm1::YmagValueButtonClick);
    PrefixInTitlesCheck = Place(new QCheckBox(QStringLiteral("倍率を軸名に表示"), Page), 32, 392, 145, 17);
    QObject::connect(PrefixInTitlesCheck, &QCheckBox::toggled, this, Guarded(&TForm1::PrefixInTitlesCheckClick));
    return Page;
}

QWidget* TForm1::CreateFormTab()
{
    auto* Page = new QWidget;
    Panel1 = new QWidget(Page);
    Panel1->setFixedHeight(113);
    StyleSelecter = Place(new QComboBox(Panel1), 16, 16, 113, 21);
    StyleSelecter->setEditable(true);
    StyleSelecter->setInsertPolicy(QComboBox::NoInsert);
    {
        auto Run = Guarded(&TForm1::StyleSelecterChange);
        QObject::connect(StyleSelecter, &QComboBox::currentTextChanged, this, [this, Run] {
            if (!FFillingSelector)
                Run();
        });
    }
    Label2 = Place(new QLabel(QStringLiteral("拡大縮小"), Panel1), 16, 48, 97, 13);
    ScaleComboBox = Place(new QComboBox(Panel1), 16, 67, 113, 21);
    ScaleComboBox->setEditable(true);
    ScaleComboBox->setInsertPolicy(QComboBox::NoInsert);
    for (int Percent : ScalePercents)
        ScaleComboBox->addItem(QString::number(Percent) + u'%');
    ScaleComboBox->setCurrentIndex(0);
    {
        auto Run = Guarded(&TForm1::ScaleComboBoxChange);
        QObject::connect(ScaleComboBox, &QComboBox::currentTextChanged, this, [this, Run] {
            if (!FFillingSelector)
                Run();
        });
    }
    Label1 = Place(new QLabel(QStringLiteral("Ver ") + QStringLiteral(PLOTVANE_VERSION), Panel1), 56, 94, 97, 13);

    Memo2 = new QPlainTextEdit(Page);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setPlainText(HelpText());
    auto* Column = new QVBoxLayout(Page);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(Panel1);
    Column->addWidget(Memo2, 1);
    return Page;
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
    FIniFile.ReadFormPos(FormSection, QStringLiteral("POSITION"), *this);
    FIniFile.ReadFormSize(FormSection, QStringLiteral("SIZE"), *this);

    const int Scale = FIniFile.ReadInteger(FormSection, QStringLiteral("scale"), 0);
    FFillingSelector = true;
    if (Scale >= 0 && Scale < ScaleComboBox->count()) {
        ScaleComboBox->setCurrentIndex(Scale);
    } else {
        ScaleComboBox->setCurrentIndex(-1);
        ScaleComboBox->setEditText(QString());
    }
    FFillingSelector = false;
    PrefixInTitlesCheck->setChecked(FIniFile.ReadBool(FormSection, PrefixInTitlesKey, false));
    // The stored scale is the window's scale again; the window keeps the
    // outer size it was closed with.
    if (Scale >= 0 && Scale < ScaleComboBox->count()) {
        const QSize Size = size();
        ApplyScale(ScalePercents[Scale]);
        resize(Size);
    }
    EnsureOnScreen();

    TStyleManager::TrySetStyle(FIniFile.ReadString(StyleSection, QStringLiteral("Name"), QStringLiteral("Windows")), true,
                               this);
}

void TForm1::SaveSettings()
{
    FIniFile.WriteFormPos(FormSection, QStringLiteral("POSITION"), *this);
    FIniFile.WriteFormSize(FormSection, QStringLiteral("SIZE"), *this);
    FIniFile.WriteInteger(FormSection, QStringLiteral("scale"), SelectedEntry(ScaleComboBox));
    // Files that never had the box checked keep their six keys.
    if (PrefixInTitlesCheck->isChecked() || FIniFile.ValueExists(FormSection, PrefixInTitlesKey))
        FIniFile.WriteBool(FormSection, PrefixInTitlesKey, PrefixInTitlesCheck->isChecked());
    FIniFile.WriteString(StyleSection, QStringLiteral("Name"), TStyleManager::ActiveStyleName());
}

void TForm1::closeEvent(QCloseEvent* Event)
{
    // A settings file that cannot be written is said, and the window closes
    // all the same: nothing of the chart depends on it.
    TPlotvaneApplication::Guard([this] { SaveSettings(); });
    Event->accept();
}

void TForm1::EnsureOnScreen()
{
    const QRect Window(pos(), size());
    for (QScreen* Screen : QGuiApplication::screens()) {
        const QRect Shared = Screen->availableGeometry().intersected(Window);
        // Enough of it to take hold of.
        if (Shared.width() >= 48 && Shared.height() >= 32)
            return;
    }
    QScreen* Primary = QGuiApplication::primaryScreen();
    if (!Primary)
        return;
    const QRect Area = Primary->availableGeometry();
    resize(std::min(width(), Area.width()), std::min(height(), Area.height()));
    move(Area.topLeft());
}

int TForm1::Left() const { return pos().x(); }
void TForm1::SetLeft(int Value) { move(Value, pos().y()); }
int TForm1::Top() const { return pos().y(); }
void TForm1::SetTop(int Value) { move(pos().x(), Value); }
// The window's own size: the window manager's frame is not known before the
// window shows, so this is what a restart can give back exactly.
int TForm1::Width() const { return QMainWindow::width(); }
void TForm1::SetWidth(int Value) { resize(std::max(Value, minimumWidth()), height()); }
int TForm1::Height() const { return QMainWindow::height(); }
void TForm1::SetHeight(int Value) { resize(width(), std::max(Value, minimumHeight())); }

TWindowPlacement TForm1::GetPlacement() const
{
    TWindowPlacement P;
    const QRect Normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    P.showCmd = isMaximized() ? 3 : 1;
    P.normalLeft = Normal.left();
    P.normalTop = Normal.top();
    P.normalRight = Normal.left() + Normal.width();
    P.normalBottom = Normal.top() + Normal.height();
    return P;
}

void TForm1::SetPlacement(const TWindowPlacement& Placement)
{
    move(Placement.normalLeft, Placement.normalTop);
    resize(std::max(1, Placement.normalRight - Placement.normalLeft), std::max(1, Placement.normalBottom - Placement.normalTop));
    if (Placement.showCmd == 3)
        showMaximized();
}

// ------------------------------------------------------------ UI scale

QRect TForm1::DesignedGeometry(const QWidget* Control) const
{
    for (const TDesigned& D : FDesigned)
        if (D.Control == Control)
            return D.Rect;
    return QRect();
}

void TForm1::ApplyScale(int Percent)
{
    Percent = std::clamp(Percent, 50, 400);
    const int Old = FScalePercent;
    FScalePercent = Percent;
    QFont Font = QApplication::font();
    Font.setPixelSize(Scaled(11, Percent));
    QApplication::setFont(Font);
    setFont(Font);
    // Widgets under a style sheet keep the font they were polished with:
    // the carried style is put on again so they take the new one.
    if (!qApp->styleSheet().isEmpty())
        TStyleManager::TrySetStyle(TStyleManager::ActiveStyleName(), false, this);
    PlaceControls();
    ToolBar1->setIconSize(QSize(Scaled(24, Percent), Scaled(24, Percent)));
    for (QAction* Action : ToolBar1->actions()) {
        if (QWidget* Button = ToolBar1->widgetForAction(Action)) {
            if (qobject_cast<QToolButton*>(Button))
                Button->setFixedSize(Scaled(34, Percent), Scaled(35, Percent));
            else
                Button->setFixedSize(Scaled(8, Percent), Scaled(35, Percent));
        }
    }
    // Last: the toolbar's layout resets its minimum when the items change.
    ToolBar1->setFixedHeight(Scaled(47, Percent));
    StatusBar1->setFixedHeight(Scaled(19, Percent));
    Splitter1->setFixedWidth(Scaled(3, Percent));
    Splitter2->setHandleWidth(Scaled(3, Percent));
    Panel1->setFixedHeight(Scaled(113, Percent));
    const QList<int> Sizes = Splitter2->sizes();
    const int Page = Sizes.size() == 2 && Sizes[1] > 0 ? int(std::lround(double(Sizes[1]) * Percent / Old))
                                                        : Scaled(196, Percent);
    QSize Size(int(std::lround(double(width()) * Percent / Old)), int(std::lround(double(height()) * Percent / Old)));
    // A larger scale never pushes the window past its screen.
    if (QScreen* Screen = screen())
        Size = Size.boundedTo(Screen->availableGeometry().size());
    resize(Size);
    Splitter2->setSizes({std::max(1, Splitter2->width() - Page - Splitter2->handleWidth()), Page});
}

void TForm1::PlaceControls()
{
    const int Percent = FScalePercent;
    for (const TDesigned& D : FDesigned) {
        int Width = Scaled(D.Rect.width(), Percent);
        // A check box's caption is never cut: a style with a wider mark or a
        // wider font makes it longer to the right.
        if (qobject_cast<QCheckBox*>(D.Control))
            Width = std::max(Width, D.Control->sizeHint().width());
        D.Control->setGeometry(Scaled(D.Rect.left(), Percent), Scaled(D.Rect.top(), Percent), Width,
                               Scaled(D.Rect.height(), Percent));
    }
}

void TForm1::ScaleComboBoxChange()
{
    const int Entry = SelectedEntry(ScaleComboBox);
    if (Entry < 0)
        return;
    ApplyScale(ScalePercents[Entry]);
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
    if (Event->type() == QEvent::PaletteChange && OpenBtn)
        RefreshToolIcons();
    if (Event->type() == QEvent::StyleChange && !FDesigned.empty())
        PlaceControls();
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
    const QString Name = FDialogs->OpenPicture(this, QtFilter(QString::fromUtf8(PictureFilter)));
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

QString TForm1::QtFilter(const QString& ClassicFilter)
{
    const QStringList Parts = ClassicFilter.split(u'|');
    QStringList Filters;
    for (int i = 0; i + 1 < Parts.size(); i += 2) {
        QString Text = Parts[i].trimmed();
        const qsizetype Open = Text.lastIndexOf(u'(');
        if (Open >= 0 && Text.endsWith(u')'))
            Text = Text.left(Open).trimmed();
        QString Patterns = Parts[i + 1];
        Patterns.replace(u';', u' ');
        Filters.append(Text + QStringLiteral(" (") + Patterns + u')');
    }
    return Filters.join(QStringLiteral(";;"));
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
