#pragma once

#include "app/DataList.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <string_view>
#include <vector>

class QMimeData;
class TChartSeries;
class TCustomAxisPanel;

// Everything of the data import that is not a widget: the data lines, the
// magnifications, and the rebuild of every series from the lines. The main
// window owns one and shows what it reports (series names, status text, the
// import error box).
class TDataImport {
public:
    // The message box of a failed import.
    static const QString ImportErrorText; // "エラーが発生しました データを確認してください"
    static const QString ImportErrorCaption; // "情報"

    // The most bytes of data text taken from a file, standard input or the
    // clipboard: more is refused before it is read, so that a device or a
    // huge file cannot take all memory.
    static constexpr qint64 MaxDataBytes = qint64(1) << 30;

    // The most cells the first line may have (the X column and one per
    // series); more is a data error.
    static constexpr int MaxColumns = 10000;
    // Titles made from header cells are cut to this many UTF-16 units, the
    // last of them "…"; the data lines keep the whole cell.
    static constexpr int MaxTitleLength = 1024;
    static QString TitleFromCell(std::string_view cell);

    TDataList DataList;
    int LineCount = 0;
    double xmag = 1.0;
    double ymag = 1.0;
    QString xtani;
    QString ytani;

    // Mirrors the scale tab's AutoSize check box.
    bool AutoSize = true;

    // The prefix the points of an axis are magnified with: xtani (ytani)
    // while the factor is still the one the automatic scan chose with it;
    // empty after a manual factor or a load without the scan.
    QString XPrefixInUse() const { return xmag == FXScanFactor ? xtani : QString(); }
    QString YPrefixInUse() const { return ymag == FYScanFactor ? ytani : QString(); }

    // What the window shows after a rebuild.
    const QStringList& SeriesNames() const { return FSeriesNames; }
    int SelectedSeries() const { return FSelectedSeries; }
    const QString& StatusText() const { return FStatusText; }
    // Changes of the status text so far (automatic scans and notes): a
    // change says the window shows it anew.
    int ScanCount() const { return FScanCount; }
    // Said after the magnification when a load found data lines but not one
    // number in the first column (dates as X, for instance).
    static const QString NoNumberNote;
    // Said when lines above the data were passed over: "（前置き 20 行）".
    static QString PreambleNote(int lines);
    // Lines above the data block the last rebuild passed over (a logger's
    // settings, comments, a banner), and its header lines.
    int PreambleLines() const { return FPreambleLines; }
    int HeaderLines() const { return FHeaderLines; }
    // The units the last rebuild found for X and for each series (from a
    // line of units or the cells), empty where none.
    const QString& XUnit() const { return FXUnit; }
    const QStringList& SeriesUnits() const { return FSeriesUnits; }
    // Columns of the data the last rebuild made no series of, from 1, with
    // the reason: "空" (empty), "文字" (text), "設定" (numbers only beside
    // the first lines).
    struct TLeftOut {
        int Column;
        QString Reason;
    };
    const std::vector<TLeftOut>& LeftOut() const { return FLeftOut; }
    // Why the last guarded rebuild failed ("2 行目の 3 列目の数値は…"), shown
    // under ImportErrorText; empty after one that succeeded.
    const QString& ImportErrorCause() const { return FImportErrorCause; }
    // The delimiter the last rebuild chose, 0 when no line decided it.
    char Delimiter() const { return FDelimiter; }
    // The decimal separator the last rebuild read the numbers with: the
    // regional one, or the other of the point and the comma when only that
    // one reads the first column.
    const QString& Decimal() const { return FDecimal; }
    // Said after the magnification when the numbers were read with the
    // separator that is not the regional one: "（小数点「,」で読み込み）".
    static QString DecimalNote(const QString& decimal);

    // What the last rebuild passed over: Y cells that hold something but no
    // number, by reason, and lines after the first whose first cell is not a
    // number (lines of nothing but blanks and delimiters are not counted).
    struct TSkipped {
        qint64 BeyondDouble = 0; // numbers beyond the largest double
        qint64 NanOrInf = 0; // "nan", "inf", "-Infinity" ...
        qint64 OtherDecimal = 0; // numbers with the other decimal separator
        qint64 Text = 0; // anything else
        qint64 Lines = 0;
        qint64 Cells() const { return BeyondDouble + NanOrInf + OtherDecimal + Text; }
    };
    const TSkipped& Skipped() const { return FSkipped; }
    // "（読み飛ばし: 12 セル）", "（読み飛ばし: 12 セル、3 行）"; empty when
    // nothing was passed over.
    static QString SkippedNote(const TSkipped& skipped);

    // What a way in says of a file, paste or standard input without data: it
    // was empty, or every line was empty or blank. Nothing is changed then.
    static const QString NoDataText; // "データがありません"
    // True after the last way in found no data.
    bool NoData() const { return FNoData; }

    // Replaces DataList with the lines of the file: strict UTF-8 first; if that
    // fails, the file is read again and decoded by its byte-order mark or in
    // the legacy code page. Throws EFileError when the file cannot be read,
    // EInputRefused when it is no regular file or larger than MaxDataBytes.
    void LoadDataFile(const QString& path);
    // All of `in` (standard input), refused with EInputRefused beyond
    // MaxDataBytes.
    static QByteArray ReadStandardInput(QIODevice& in);
    // The decoding of LoadDataFile on bytes already read (the second attempt
    // decodes the same bytes).
    void SetDataBytes(QByteArray bytes);
    // Data text handed over as bytes (standard input, the raw bytes of a
    // paste or a drop), decoded as LoadDataFile decodes a file.
    static QString DecodeDataBytes(const QByteArray& bytes);
    // The text of a paste or a drop: Qt's text while the raw bytes it comes
    // from are UTF-8, else those bytes through DecodeDataBytes. Empty for
    // no data.
    static QString TextOfMimeData(const QMimeData* data);

    // Rebuilds every series of `chart` from DataList. Throws EDataError.
    void BuildChart(TCustomAxisPanel& chart);

    // The three ways in: reset, load, rebuild under the import error report.
    // They return false when the rebuild failed (the window then shows the
    // import error box). A file that cannot be read throws EFileError; a text
    // without data returns true and sets NoData(); both leave the chart and
    // the data as they were.
    // When memory runs out, std::bad_alloc comes through after the chart of
    // the data before is built again.
    bool OpenFile(TCustomAxisPanel& chart, const QString& path);
    bool DropFile(TCustomAxisPanel& chart, const QString& path);
    bool PasteText(TCustomAxisPanel& chart, const QString& clipboardText);
    // Pasted data as bytes (standard input), decoded as a file is: UTF-8
    // goes into the lines as it is, without a round trip through UTF-16.
    bool PasteBytes(TCustomAxisPanel& chart, QByteArray bytes);

    // A manual factor from the scale tab: the text is read as a number; when it
    // is one, the factor is set and the chart rebuilt (failures propagate).
    // Returns whether it was a number.
    bool ApplyXmag(TCustomAxisPanel& chart, const QString& text);
    bool ApplyYmag(TCustomAxisPanel& chart, const QString& text);

    // Destroys the series from the last to the first; the names go with them.
    void RemoveAllSeries(TCustomAxisPanel& chart);

private:
    QStringList FSeriesNames;
    int FSelectedSeries = -1;
    QString FStatusText;
    QString FImportErrorCause;
    int FScanCount = 0;
    char FDelimiter = 0;
    QString FDecimal;
    TSkipped FSkipped;
    bool FNoData = false;
    int FPreambleLines = 0;
    int FHeaderLines = 0;
    QString FXUnit;
    QStringList FSeriesUnits;
    std::vector<TLeftOut> FLeftOut;
    // The status text holds only notes (a rebuild without the automatic scan
    // wrote it): the next such rebuild replaces them.
    bool FStatusIsNotes = false;
    // The factors the last automatic scan chose along with xtani and ytani.
    double FXScanFactor = 1.0;
    double FYScanFactor = 1.0;

    bool BuildGuarded(TCustomAxisPanel& chart);
    // The rebuild of a text whose data block is not where its first line
    // puts it (a preamble above it, a semicolon or spaces between its
    // cells): the series come from the table the reader finds.
    void BuildFromTable(TCustomAxisPanel& chart);
    // The series of a rebuild, with the pointer every import gives them.
    std::vector<TChartSeries*> MakeSeries(TCustomAxisPanel& chart, int count);
    // The automatic magnification from the largest magnitudes (with
    // AutoSize), and the status text with the notes after it.
    void SetStatus(double xMaximum, double yMaximum, const QString& notes);
    // Runs a load. When memory runs out in it, the chart is built again from
    // the lines and factors of before and the failure goes on to the caller.
    bool LoadOrRestore(TCustomAxisPanel& chart, TDataList previous, const std::function<bool()>& load);
    // The part of a way in after DataList holds the new lines: when they have
    // no data, the lines of before come back and nothing else changes.
    bool LoadLines(TCustomAxisPanel& chart, TDataList previous);
    // First attempt of a load: the bytes become DataList when they are
    // strict UTF-8 (a mark skipped); false leaves them untouched.
    bool TakeStrictUtf8(QByteArray& bytes);
};
