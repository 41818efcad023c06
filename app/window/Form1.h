#pragma once

#include "app/DataImport.h"
#include "app/PrefixInTitles.h"
#include "app/window/ControlScaler.h"
#include "chart/panel/ChartExport.h"
#include "settings/ExIniFile.h"

#include <QMainWindow>
#include <QRect>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QToolBar;
class QStatusBar;
class TButtonedEdit;
class TChart;
class TChartTab;
class TChartView;
class TFormDialogs;
class TFormTab;
class TIntegerBox;
class TLegendTab;
class TLineTab;
class TMainToolBar;
class TPageControl;
class TRadioGroup;
class TScaleTab;

// The main window: the chart on the left, the toolbar on top, the status bar
// at the bottom and the tabbed side panel on the right. Every handler sets
// the chart through the same commands the headless renderer uses.
class TForm1 : public QMainWindow {
public:
    // SettingsPath: the settings file to use; empty for the program's own
    // (beside the executable when that folder is writable, otherwise in the
    // user's configuration folder).
    explicit TForm1(const QString& SettingsPath = QString(), QWidget* Parent = nullptr);
    ~TForm1() override;

    // The dialogs the handlers open (tests give their own).
    void SetDialogs(std::unique_ptr<TFormDialogs> Dialogs);
    TFormDialogs* Dialogs() const { return FDialogs.get(); }

    // The settings file the window reads and writes.
    static QString DefaultSettingsPath();
    static const int DesignedClientWidth = 983;
    static const int DesignedClientHeight = 656;

    // ----------------------------------------------------------- handlers
    void OpenBtnClick();
    void BtnPasteClick();
    // The first local file of a drop.
    void WMDropFiles(const QString& Path);
    // Text dragged in from a spreadsheet: pasted data.
    void DropText(const QString& Text);
    void EmfCopyClick();
    void EMFSaveClick();
    void BmpCopyClick();
    void BMPSaveClick();
    void AutoSizeClick();
    void XMaxValueButtonClick();
    void XMinValueButtonClick();
    void XIncValueButtonClick();
    void YMaxValueButtonClick();
    void YMinValueButtonClick();
    void YIncValueButtonClick();
    void XmagValueButtonClick();
    void YmagValueButtonClick();
    void PrefixInTitlesCheckClick();

    void TitleEditBtnButtonClick();
    void TitleFontBtnClick();
    void ChartTitleAlignmentClick();
    void XAxisEditButtonClick();
    void YAxisEditButtonClick();
    void AxisFontClick();
    void ChartColorChange();
    void WallColorChange();
    void WallPictureBtnClick();
    void ChartShadowClick();
    void BorderCheckClick();

    void SeriesComboChange();
    void SeriesNameButtonClick();
    void SeriesColorBtnClick();
    void SeriesSizeChange();
    void SeriesStyleClick();
    void LineVisibleCheckClick();
    void SmothedLineClick();
    void MarkerVisibleCheckClick();
    void MarkerSizeChange();
    void MarkerStyleClick();
    void LegendPositionClick();

    void ScaleComboBoxChange();
    void StyleSelecterChange();

    void FormCreate();
    void LoadSettings();
    void SaveSettings();

    // ------------------------------------------------------------- state
    TChart* Chart1() const { return FChart.get(); }
    TChartView* ChartView() const { return FChartView; }
    TDataImport& Import() { return FImport; }
    TExIniFile& IniFile() { return FIniFile; }
    // The selected series, -1 for none.
    int SelectedSeries() const;
    QString StatusText() const;
    // The UI scale in percent (100 to 200).
    int ScalePercent() const { return FScaler.Percent(); }
    // Rescales the window, its controls, fonts and toolbar icons; the chart
    // keeps its own sizes.
    void ApplyScale(int Percent);
    // A control's rectangle at 100 %.
    QRect DesignedGeometry(const QWidget* Control) const;

    // ----------------------------------------------------------- controls
    QToolBar* ToolBar1 = nullptr;
    QAction* OpenBtn = nullptr;
    QAction* PasteBtn = nullptr;
    QAction* CopyEMFBtn = nullptr;
    QAction* SaveEMFBtn = nullptr;
    QAction* CopyBmpBtn = nullptr;
    QAction* SaveBmpBtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QWidget* Splitter1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    TPageControl* PageControl1 = nullptr;

    TButtonedEdit* TitleEditBtn = nullptr;
    QPushButton* TitleFontBtn = nullptr;
    TRadioGroup* ChartTitleAlignment = nullptr;
    TButtonedEdit* XAxisEdit = nullptr;
    TButtonedEdit* YAxisEdit = nullptr;
    QPushButton* AxisFont = nullptr;
    QPushButton* ChartColor = nullptr;
    QPushButton* WallColor = nullptr;
    QPushButton* WallPictureBtn = nullptr;
    QCheckBox* ChartShadow = nullptr;
    QCheckBox* BorderCheck = nullptr;

    QComboBox* SeriesCombo = nullptr;
    TButtonedEdit* SeriesName = nullptr;
    QPushButton* SeriesColorBtn = nullptr;
    TIntegerBox* SeriesSize = nullptr;
    TRadioGroup* SeriesStyle = nullptr;
    QCheckBox* LineVisibleCheck = nullptr;
    QCheckBox* SmothedLine = nullptr;
    QCheckBox* MarkerVisibleCheck = nullptr;
    TIntegerBox* MarkerSize = nullptr;
    TRadioGroup* MarkerStyle = nullptr;

    TRadioGroup* LegendPosition = nullptr;

    QCheckBox* AutoSize = nullptr;
    TButtonedEdit* XMaxValue = nullptr;
    TButtonedEdit* XMinValue = nullptr;
    TButtonedEdit* XIncValue = nullptr;
    TButtonedEdit* XmagValue = nullptr;
    TButtonedEdit* YMaxValue = nullptr;
    TButtonedEdit* YMinValue = nullptr;
    TButtonedEdit* YIncValue = nullptr;
    TButtonedEdit* YmagValue = nullptr;
    QCheckBox* PrefixInTitlesCheck = nullptr;

    QWidget* Panel1 = nullptr;
    QComboBox* StyleSelecter = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ScaleComboBox = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;

protected:
    void closeEvent(QCloseEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void CreateControls();
    void CreateToolBar();
    // Takes a tab's controls into the window's fields and connects them to
    // the handlers; returns the tab.
    QWidget* WireChartTab(TChartTab* Tab);
    QWidget* WireLineTab(TLineTab* Tab);
    QWidget* WireLegendTab(TLegendTab* Tab);
    QWidget* WireScaleTab(TScaleTab* Tab);
    QWidget* WireFormTab(TFormTab* Tab);
    // Connects a control event to a handler; a failure in the handler goes
    // to the top-level error report.
    void Wire(std::function<void()>& Event, void (TForm1::*Handler)());
    std::function<void()> Guarded(void (TForm1::*Handler)());

    // What the window shows after a load or a rebuild: the selector, the line
    // tab's reset and the status bar.
    void ShowRebuild(bool LineTabReset, int StatusCountBefore);
    // Runs a data load (a way in) with the busy cursor and shows its outcome.
    void RunImport(const std::function<bool()>& Load);
    void ApplyMagnification(bool X);
    void ApplyAxisBox(int Box, TButtonedEdit* Edit);
    void SavePicture(TExportFormat Format);
    void SetStatus(const QString& Text);
    // The selected entry of an editable drop-down: the entry whose text the
    // box shows, -1 when typed text matches none.
    static int SelectedEntry(const QComboBox* Box);

    std::unique_ptr<TChart> FChart;
    TChartView* FChartView = nullptr;
    TDataImport FImport;
    TPrefixInTitles FPrefixInTitles;
    TExIniFile FIniFile;
    std::unique_ptr<TFormDialogs> FDialogs;
    QLabel* FStatusLabel = nullptr;
    TMainToolBar* FToolBar = nullptr;
    TControlScaler FScaler;
    // Set while the window itself changes the selector, whose change handler
    // then does not run.
    bool FFillingSelector = false;
};
