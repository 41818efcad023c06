#include "app/DataImport.h"

#include "app/CellSplitter.h"
#include "app/DataErrors.h"
#include "app/Magnification.h"
#include "app/TableReader.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"
#include "core/HugePages.h"
#include "core/Numbers.h"
#include "core/TextCodec.h"

#include <QFile>
#include <QMimeData>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include <cmath>
#include <limits>
#include <new>
#include <string>
#include <vector>

const QString TDataImport::ImportErrorText = QStringLiteral("エラーが発生しました データを確認してください");
const QString TDataImport::ImportErrorCaption = QStringLiteral("情報");
const QString TDataImport::NoNumberNote = QStringLiteral("（1列目に数値が見つかりません）");
const QString TDataImport::NoDataText = QStringLiteral("データがありません");

QString TDataImport::PreambleNote(int lines)
{
    return QStringLiteral("（前置き %1 行）").arg(lines);
}

QString TDataImport::DecimalNote(const QString& decimal)
{
    return QStringLiteral("（小数点「%1」で読み込み）").arg(decimal);
}

QString TDataImport::SkippedNote(const TSkipped& skipped)
{
    QStringList parts;
    if (skipped.Cells() > 0)
        parts << QStringLiteral("%1 セル").arg(Numbers::FormatNumber(double(skipped.Cells()), u"#,##0"));
    if (skipped.Lines > 0)
        parts << QStringLiteral("%1 行").arg(Numbers::FormatNumber(double(skipped.Lines), u"#,##0"));
    return parts.isEmpty() ? QString() : QStringLiteral("（読み飛ばし: %1）").arg(parts.join(QStringLiteral("、")));
}

namespace {

QString LimitText()
{
    return Numbers::FormatNumber(double(TDataImport::MaxDataBytes), u"#,##0");
}

// Appends what is left of `file` to `bytes`, refusing the text once it
// passes the limit.
void ReadRest(QIODevice& file, QByteArray& bytes, const QString& source, const QString& tooLarge)
{
    std::vector<char> chunk(size_t(1) << 16);
    while (true) {
        const qint64 n = file.read(chunk.data(), qint64(chunk.size()));
        if (n < 0)
            throw EFileError(source, file.errorString());
        // A blocking read gives nothing only at the end.
        if (n == 0)
            return;
        if (bytes.size() + n > TDataImport::MaxDataBytes)
            throw EInputRefused(source, tooLarge);
        bytes.append(chunk.data(), qsizetype(n));
    }
}

QString FileTooLarge(const QString& path)
{
    return QStringLiteral("ファイル \"%1\" は大きすぎて読み込めません (上限 %2 バイト)").arg(path, LimitText());
}

QByteArray ReadWholeFile(const QString& path)
{
    // Opened without waiting (a FIFO would block the open) and checked on the
    // open handle, so nothing can be swapped in between: only a regular file
    // is data. A device such as /dev/zero would never end.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw EFileError(path, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        throw EInputRefused(path, QStringLiteral("ファイル \"%1\" を読み込めません: %2")
                                      .arg(path, folder ? QStringLiteral("フォルダーです")
                                                        : QStringLiteral("通常のファイルではありません")));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw EFileError(path, file.errorString());
    }
    const qint64 size = st.st_size;
    if (size > TDataImport::MaxDataBytes)
        throw EInputRefused(path, FileTooLarge(path));
    // One buffer of the file's size, read in place; a file that grows while
    // being read gives the rest too, up to the limit.
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    AdviseHugePages(bytes.constData(), size_t(size));
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(bytes.data() + done, size - done);
        if (n < 0)
            throw EFileError(path, file.errorString());
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(qsizetype(done));
    ReadRest(file, bytes, path, FileTooLarge(path));
    return bytes;
}

} // namespace

QByteArray TDataImport::ReadStandardInput(QIODevice& in)
{
    QByteArray bytes;
    ReadRest(in, bytes, QStringLiteral("-"),
             QStringLiteral("標準入力は大きすぎて読み込めません (上限 %1 バイト)").arg(LimitText()));
    return bytes;
}

namespace {

// The second attempt: the encoding its byte-order mark names, else what the
// bytes plainly are (UTF-16, Japanese) or the legacy code page of the user's
// locale.
QString DecodeFallback(const QByteArray& bytes)
{
    int bomLength = 0;
    const TextCodec::TEncoding encoding = TextCodec::DetectByBom(bytes, bomLength);
    if (bomLength == 0)
        return TextCodec::DecodeUnmarked(bytes);
    return TextCodec::Decode(bytes, encoding, bomLength);
}

// ASCII in UTF-16 without a mark is valid UTF-8 too, with a NUL in every
// other byte: that is no UTF-8 data text.
bool IsStrictUtf8Text(const QByteArray& bytes, qsizetype skip)
{
    const std::string_view view(bytes.constData() + skip, size_t(bytes.size() - skip));
    TextCodec::TEncoding utf16;
    return TextCodec::IsValidUtf8(view) && (skip > 0 || !TextCodec::DetectUtf16(view, utf16));
}


QString ToQString(std::string_view cell) { return QString::fromUtf8(cell.data(), qsizetype(cell.size())); }

bool IsBlank(std::string_view cell) { return cell.find_first_not_of(" \t") == std::string_view::npos; }

// A line of nothing but blanks and delimiters: the empty rows a spreadsheet
// copy brings along, not data passed over.
bool IsBlankLine(std::string_view line, char delimiter)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t' && c != delimiter)
            return false;
    }
    return true;
}

// "nan", "inf", "infinity", with a sign and in any case.
bool IsNanOrInf(std::string_view cell)
{
    const size_t first = cell.find_first_not_of(" \t");
    const size_t last = cell.find_last_not_of(" \t");
    std::string word(cell.substr(first, last - first + 1));
    if (!word.empty() && (word[0] == '+' || word[0] == '-'))
        word.erase(0, 1);
    std::transform(word.begin(), word.end(), word.begin(), [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return word == "nan" || word == "inf" || word == "infinity";
}

// Counts a Y cell that is not a number under its reason.
void CountSkipped(TDataImport::TSkipped& skipped, std::string_view cell, const std::string& decimal,
                  const std::string& other)
{
    if (IsBlank(cell))
        return;
    double unused;
    if (Numbers::ReadNumber(cell, decimal, unused) == Numbers::nrBeyondDouble)
        ++skipped.BeyondDouble;
    else if (IsNanOrInf(cell))
        ++skipped.NanOrInf;
    else if (Numbers::ReadNumber(cell, other, unused) == Numbers::nrNumber)
        ++skipped.OtherDecimal;
    else
        ++skipped.Text;
}

// The separator of a text is the regional one, unless that reads not one first
// cell while the other reads every first cell but a header's. The common case,
// a first data line that reads, decides at once.
bool ReadsWithOther(const TDataList& lines, int q, char delimiter, const std::string& regional,
                    const std::string& other)
{
    TCellSplitter splitter;
    int otherReads = 0;
    double unused;
    for (int line = q; line < lines.Count(); ++line) {
        const std::string_view text = lines.Line(line);
        if (text.empty())
            continue;
        const std::string_view cell = splitter.Split(text, delimiter, 1)[0];
        if (IsBlank(cell))
            continue;
        if (Numbers::TryParseNumber(cell, regional, unused))
            return false;
        if (Numbers::TryParseNumber(cell, other, unused))
            ++otherReads;
        else if (line > q)
            return false;
    }
    return otherReads > 0;
}

// A comma-separated text under a region of decimal commas: its unquoted cells
// cannot hold a decimal comma, so when its first column is whole numbers
// (which read either way) the other cells decide, by a vote of those that
// read one way only, over the first lines.
bool CommaTextVotesForPoints(const TDataList& lines, int q, const std::string& regional)
{
    if (regional != ",")
        return false;
    TCellSplitter splitter;
    int points = 0;
    int commas = 0;
    int seen = 0;
    double unused;
    for (int line = q; line < lines.Count() && seen < 2000; ++line) {
        const std::string_view text = lines.Line(line);
        if (text.empty())
            continue;
        ++seen;
        const std::vector<std::string_view>& cells = splitter.Split(text, ',');
        const bool first = Numbers::TryParseNumber(cells[0], ",", unused);
        if (first != Numbers::TryParseNumber(cells[0], ".", unused))
            return false; // a first cell of one reading: the first column decides
        for (size_t j = 1; j < cells.size(); ++j) {
            const bool comma = Numbers::TryParseNumber(cells[j], ",", unused);
            const bool point = Numbers::TryParseNumber(cells[j], ".", unused);
            points += point && !comma;
            commas += comma && !point;
        }
    }
    return points > commas;
}

// No reservation beyond this many points in all: a first line of a hundred
// thousand columns must not ask for terabytes before a single point exists.
constexpr size_t MaxReservedPoints = size_t(1) << 24;

} // namespace

QString TDataImport::TitleFromCell(std::string_view cell)
{
    // Only the start is decoded: a cell of megabytes would otherwise be
    // converted, measured and drawn whole. Four bytes at most per character.
    const size_t most = size_t(MaxTitleLength) * 4;
    QString text = ToQString(cell.substr(0, most));
    if (text.size() <= MaxTitleLength && cell.size() <= most)
        return text;
    qsizetype keep = MaxTitleLength - 1;
    if (text[keep - 1].isHighSurrogate())
        --keep; // a character is kept whole or not at all
    text.truncate(keep);
    text += QChar(0x2026);
    return text;
}

bool TDataImport::TakeStrictUtf8(QByteArray& bytes)
{
    const qsizetype skip = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (!IsStrictUtf8Text(bytes, skip))
        return false;
    DataList.SetText(std::move(bytes), skip);
    return true;
}

void TDataImport::LoadDataFile(const QString& path)
{
    DataList.Clear();
    QByteArray bytes = ReadWholeFile(path);
    if (TakeStrictUtf8(bytes))
        return;
    bytes.clear();
    DataList.SetText(DecodeFallback(ReadWholeFile(path)));
}

void TDataImport::SetDataBytes(QByteArray bytes)
{
    DataList.Clear();
    if (!TakeStrictUtf8(bytes))
        DataList.SetText(DecodeFallback(bytes));
}

QString TDataImport::DecodeDataBytes(const QByteArray& bytes)
{
    const qsizetype skip = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (IsStrictUtf8Text(bytes, skip))
        return QString::fromUtf8(bytes.constData() + skip, bytes.size() - skip);
    return DecodeFallback(bytes);
}

QString TDataImport::TextOfMimeData(const QMimeData* data)
{
    if (!data)
        return QString();
    // The format Qt takes its text from; it decodes the bytes as UTF-8 and
    // puts U+FFFD for what is not.
    const QString format = data->hasFormat(QStringLiteral("text/plain;charset=utf-8"))
        ? QStringLiteral("text/plain;charset=utf-8")
        : QStringLiteral("text/plain");
    const QByteArray bytes = data->data(format);
    if (bytes.isEmpty() || IsStrictUtf8Text(bytes, 0))
        return data->text();
    return DecodeDataBytes(bytes);
}

void TDataImport::RemoveAllSeries(TCustomAxisPanel& chart)
{
    for (int i = chart.SeriesCount() - 1; i >= 0; --i)
        delete chart.GetSeries(i);
    // The selector never names a series that is gone.
    FSeriesNames.clear();
    FSelectedSeries = -1;
}

void TDataImport::BuildChart(TCustomAxisPanel& chart)
{
    if (DataList.IsEmpty())
        return;
    RemoveAllSeries(chart);
    chart.LeftAxis()->SetAutomatic(true);
    chart.BottomAxis()->SetAutomatic(true);
    FDelimiter = 0;
    FPreambleLines = 0;
    FHeaderLines = 0;
    FXUnit.clear();
    FSeriesUnits.clear();
    FLeftOut.clear();

    const int lineTotal = DataList.Count();
    int q = 0;
    while (q < lineTotal && DataList.Line(q).empty())
        ++q;
    if (q == lineTotal)
        throw EDataError(QStringLiteral("データがありません (すべての行が空です)"));

    const char delimiter = TCellSplitter::ChooseDelimiter(DataList.Line(q));
    FDelimiter = delimiter;

    // A text whose data block stands where its first line puts it (at that
    // line, or under it as a header) is read line by line as it always was;
    // one with a preamble above its block, or cells parted by semicolons or
    // spaces, is read through the table the reader finds.
    {
        const Numbers::TSeparators& regional = Numbers::RegionalSeparators();
        const TTable shape = ReadTableShape(DataList.Text(), {regional.Decimal, regional.Group});
        int next = q + 1;
        while (next < lineTotal && DataList.Line(next).empty())
            ++next;
        const bool asLines = shape.Delimiter == 0
            || (shape.Delimiter == delimiter && (shape.FirstLine == q || shape.FirstLine == next));
        if (!asLines) {
            BuildFromTable(chart);
            return;
        }
    }

    const std::string regional = Numbers::RegionalSeparators().Decimal.toStdString();
    std::string other = regional == "." ? "," : ".";
    std::string decimal = regional;
    const bool switched = ReadsWithOther(DataList, q, delimiter, regional, other)
        || (delimiter == ',' && CommaTextVotesForPoints(DataList, q, regional));
    if (switched)
        std::swap(decimal, other);
    FDecimal = QString::fromStdString(decimal);
    auto isNumber = [&decimal](std::string_view cell, double& value) {
        return Numbers::TryParseNumber(cell, decimal, value);
    };
    FSkipped = TSkipped();
    TCellSplitter splitter;
    const std::vector<std::string_view>& cells = splitter.Split(DataList.Line(q), delimiter, size_t(MaxColumns));
    // One series per column: past some thousands no chart shows them, and a
    // line of commas must not become a million series.
    if (cells.size() > size_t(MaxColumns))
        throw EDataError(QStringLiteral("最初の行の列が多すぎます (上限 %1 列)")
                             .arg(Numbers::FormatNumber(MaxColumns, u"#,##0")));

    LineCount = int(cells.size()) - 1;
    const std::vector<TChartSeries*> series = MakeSeries(chart, LineCount);

    double firstX = 0;
    if (isNumber(cells[0], firstX)) {
        for (int i = 0; i < LineCount; ++i) {
            const QString title = QStringLiteral("No") + QString::number(i);
            series[size_t(i)]->SetTitle(title);
            FSeriesNames.append(title);
        }
    } else {
        for (int i = 0; i < LineCount; ++i) {
            const QString title = TitleFromCell(cells[size_t(i) + 1]);
            series[size_t(i)]->SetTitle(title);
            FSeriesNames.append(title);
        }
        chart.BottomAxis()->Title()->SetCaption(TitleFromCell(cells[0]));
    }

    // One pass reads every number once: it keeps the running maxima of the
    // automatic magnification and the points, which are scaled once the
    // factors are known. The points are exactly those the rebuild adds line by
    // line, up to a number beyond the last series, which fails the rebuild
    // after the points before it are in.
    const bool scan = AutoSize;
    double xMaximum = -1e20;
    double yMaximum = -1e20;
    std::vector<std::vector<double>> xs(static_cast<size_t>(LineCount));
    std::vector<std::vector<double>> ys(static_cast<size_t>(LineCount));
    if (LineCount > 0) {
        size_t dataLines = 0;
        for (int line = q; line < lineTotal; ++line)
            dataLines += DataList.Line(line).empty() ? 0 : 1;
        if (dataLines * size_t(LineCount) <= MaxReservedPoints) {
            for (int i = 0; i < LineCount; ++i) {
                xs[size_t(i)].reserve(dataLines);
                ys[size_t(i)].reserve(dataLines);
                AdviseHugePages(xs[size_t(i)].data(), dataLines * sizeof(double));
                AdviseHugePages(ys[size_t(i)].data(), dataLines * sizeof(double));
            }
        }
    }

    bool collecting = true;
    size_t linesWithX = 0;
    size_t dataLinesWithoutX = 0;
    int errorLine = -1;
    int errorColumn = -1;
    for (int line = q; line < lineTotal; ++line) {
        const std::string_view text = DataList.Line(line);
        if (text.empty())
            continue;
        const std::vector<std::string_view>& row = splitter.Split(text, delimiter);
        double x;
        if (!isNumber(row[0], x)) {
            if (line > q && !IsBlankLine(text, delimiter)) {
                ++dataLinesWithoutX;
                ++FSkipped.Lines;
            }
            continue;
        }
        ++linesWithX;
        if (scan && std::fabs(x) > xMaximum)
            xMaximum = std::fabs(x);
        const int cellCount = int(row.size());
        for (int j = 1; j < cellCount; ++j) {
            double y;
            if (!isNumber(row[size_t(j)], y)) {
                CountSkipped(FSkipped, row[size_t(j)], decimal, other);
                continue;
            }
            if (scan && std::fabs(y) > yMaximum)
                yMaximum = std::fabs(y);
            if (!collecting)
                continue;
            if (j - 1 >= LineCount) {
                collecting = false;
                errorLine = line;
                errorColumn = j;
                continue;
            }
            xs[size_t(j - 1)].push_back(x);
            ys[size_t(j - 1)].push_back(y);
        }
        if (!collecting && !scan)
            break;
    }

    // Lines of data and not one number in the first column: the chart stays
    // empty, and the status bar says why.
    const bool noNumber = linesWithX == 0 && dataLinesWithoutX > 0;
    // When the first column has no number, that note says all; the count
    // of lines passed over would only repeat it.
    const QString notes = (noNumber ? NoNumberNote : QString()) + (switched ? DecimalNote(FDecimal) : QString())
        + (noNumber ? QString() : SkippedNote(FSkipped));
    SetStatus(xMaximum, yMaximum, notes);

    for (int i = 0; i < LineCount; ++i) {
        std::vector<double>& x = xs[size_t(i)];
        std::vector<double>& y = ys[size_t(i)];
        for (double& v : x)
            v *= xmag;
        for (double& v : y)
            v *= ymag;
        series[size_t(i)]->AddXYArrays(std::move(x), std::move(y));
    }

    if (errorLine >= 0) {
        throw EDataError(QStringLiteral("%1 行目の %2 列目の数値は、最初の行 (%3 列) を超える列にあります")
                             .arg(errorLine + 1)
                             .arg(errorColumn + 1)
                             .arg(LineCount + 1));
    }

    if (!FSeriesNames.isEmpty())
        FSelectedSeries = 0;
}

std::vector<TChartSeries*> TDataImport::MakeSeries(TCustomAxisPanel& chart, int count)
{
    std::vector<TChartSeries*> series;
    series.reserve(size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        auto* line = new TLineSeries(&chart);
        line->Pointer()->SetVisible(true);
        line->Pointer()->SetSize(2);
        line->Pointer()->SetStyle(psCircle);
        chart.AddSeries(line);
        series.push_back(line);
    }
    return series;
}

void TDataImport::SetStatus(double xMaximum, double yMaximum, const QString& notes)
{
    if (AutoSize) {
        Magnification::ComputeScalePrefix(xmag, xtani, xMaximum);
        Magnification::ComputeScalePrefix(ymag, ytani, yMaximum);
        FXScanFactor = xmag;
        FYScanFactor = ymag;
        FStatusText = Magnification::StatusText(xmag, xtani, ymag, ytani) + notes;
        FStatusIsNotes = false;
        ++FScanCount;
    } else if (!notes.isEmpty() || FStatusIsNotes) {
        // Without the automatic scan only the notes come and go.
        FStatusText = notes;
        FStatusIsNotes = !notes.isEmpty();
        ++FScanCount;
    }
}

void TDataImport::BuildFromTable(TCustomAxisPanel& chart)
{
    const Numbers::TSeparators& regional = Numbers::RegionalSeparators();
    const TTable table = ReadTable(DataList.Text(), {regional.Decimal, regional.Group});
    FDelimiter = table.Delimiter;
    FDecimal = table.Decimal;
    FSkipped = TSkipped();
    FPreambleLines = table.Report.PreambleLines;
    FHeaderLines = table.Report.HeaderLines;
    for (const TTableReport::TLeftOut& column : table.Report.LeftOut)
        FLeftOut.push_back({column.SourceColumn + 1, column.Reason});
    if (!table.Columns.empty())
        FXUnit = table.Columns.front().Unit;
    for (size_t i = 1; i < table.Columns.size(); ++i)
        FSeriesUnits.append(table.Columns[i].Unit);

    const int count = std::max(0, int(table.Columns.size()) - 1);
    if (count > MaxColumns)
        throw EDataError(QStringLiteral("最初の行の列が多すぎます (上限 %1 列)")
                             .arg(Numbers::FormatNumber(MaxColumns, u"#,##0")));
    LineCount = count;
    const std::vector<TChartSeries*> series = MakeSeries(chart, count);
    const bool named = table.Report.HeaderLines > 0
        || std::any_of(table.Columns.begin(), table.Columns.end(),
                       [](const TTableColumn& c) { return !c.Caption().isEmpty(); });
    for (int i = 0; i < count; ++i) {
        const QString title = named ? TitleFromCell(table.Columns[size_t(i) + 1].Caption().toStdString())
                                    : QStringLiteral("No") + QString::number(i);
        series[size_t(i)]->SetTitle(title);
        FSeriesNames.append(title);
    }
    if (named && !table.Columns.empty())
        chart.BottomAxis()->Title()->SetCaption(TitleFromCell(table.Columns.front().Caption().toStdString()));

    double xMaximum = -1e20;
    double yMaximum = -1e20;
    // A block always has a column of numbers; the empty list only guards.
    static const std::vector<double> none;
    const std::vector<double>& xs = table.Columns.empty() ? none : table.Columns.front().Values;
    for (double x : xs)
        if (!std::isnan(x))
            xMaximum = std::max(xMaximum, std::fabs(x));
    for (int i = 0; i < count; ++i)
        for (double y : table.Columns[size_t(i) + 1].Values)
            if (!std::isnan(y))
                yMaximum = std::max(yMaximum, std::fabs(y));
    QString notes;
    if (table.Report.PreambleLines > 0)
        notes += PreambleNote(table.Report.PreambleLines);
    if (table.Decimal != regional.Decimal)
        notes += DecimalNote(table.Decimal);
    SetStatus(xMaximum, yMaximum, notes);

    for (int i = 0; i < count; ++i) {
        const std::vector<double>& ys = table.Columns[size_t(i) + 1].Values;
        std::vector<double> x;
        std::vector<double> y;
        x.reserve(ys.size());
        y.reserve(ys.size());
        for (size_t r = 0; r < ys.size() && r < xs.size(); ++r) {
            if (std::isnan(xs[r]) || std::isnan(ys[r]))
                continue;
            x.push_back(xs[r] * xmag);
            y.push_back(ys[r] * ymag);
        }
        series[size_t(i)]->AddXYArrays(std::move(x), std::move(y));
    }
    if (!FSeriesNames.isEmpty())
        FSelectedSeries = 0;
}

bool TDataImport::BuildGuarded(TCustomAxisPanel& chart)
{
    FImportErrorCause.clear();
    try {
        BuildChart(chart);
        return true;
    } catch (const std::bad_alloc&) {
        // Not the data's fault: said as what it is, not as a data error.
        throw;
    } catch (const std::exception& e) {
        FImportErrorCause = QString::fromUtf8(e.what());
        return false;
    }
}

bool TDataImport::OpenFile(TCustomAxisPanel& chart, const QString& path)
{
    // The file is read before anything is reset: one that cannot be read
    // leaves the chart and the data as they were.
    return PasteBytes(chart, ReadWholeFile(path));
}

bool TDataImport::PasteBytes(TCustomAxisPanel& chart, QByteArray bytes)
{
    // The lines loaded before are kept aside, not copied: the new load
    // replaces them anyway.
    TDataList previous = std::move(DataList);
    try {
        SetDataBytes(std::move(bytes));
    } catch (const std::bad_alloc&) {
        DataList = std::move(previous);
        throw;
    }
    return LoadLines(chart, std::move(previous));
}

bool TDataImport::LoadLines(TCustomAxisPanel& chart, TDataList previous)
{
    FNoData = !DataList.HasData();
    if (FNoData) {
        DataList = std::move(previous);
        return true;
    }
    return LoadOrRestore(chart, std::move(previous), [&] {
        xmag = 1.0;
        ymag = 1.0;
        RemoveAllSeries(chart);
        return BuildGuarded(chart);
    });
}

bool TDataImport::LoadOrRestore(TCustomAxisPanel& chart, TDataList previous, const std::function<bool()>& load)
{
    const double previousXmag = xmag;
    const double previousYmag = ymag;
    const QString previousXtani = xtani;
    const QString previousYtani = ytani;
    const double previousXScan = FXScanFactor;
    const double previousYScan = FYScanFactor;
    const QString previousStatus = FStatusText;
    const bool previousStatusIsNotes = FStatusIsNotes;
    const QString previousCaption = chart.BottomAxis()->Title()->Caption();
    try {
        return load();
    } catch (const std::bad_alloc&) {
        // Out of memory half way: the new series go, which frees what they
        // took, and the chart of the lines before is built again.
        RemoveAllSeries(chart);
        DataList = std::move(previous);
        xmag = previousXmag;
        ymag = previousYmag;
        xtani = previousXtani;
        ytani = previousYtani;
        FXScanFactor = previousXScan;
        FYScanFactor = previousYScan;
        FStatusText = previousStatus;
        FStatusIsNotes = previousStatusIsNotes;
        chart.BottomAxis()->Title()->SetCaption(previousCaption);
        BuildGuarded(chart);
        throw;
    }
}

bool TDataImport::DropFile(TCustomAxisPanel& chart, const QString& path)
{
    return OpenFile(chart, path);
}

bool TDataImport::PasteText(TCustomAxisPanel& chart, const QString& clipboardText)
{
    // A UTF-16 unit is at most three bytes of UTF-8; the exact size is known
    // only once converted, so a text near the limit is converted to be sure.
    if (clipboardText.size() > MaxDataBytes
        || (clipboardText.size() * 3 > MaxDataBytes && clipboardText.toUtf8().size() > MaxDataBytes))
        throw EInputRefused(QString(), QStringLiteral("クリップボードのテキストは大きすぎて読み込めません (上限 %1 バイト)")
                                           .arg(LimitText()));
    TDataList previous = std::move(DataList);
    try {
        DataList.SetText(clipboardText);
    } catch (const std::bad_alloc&) {
        DataList = std::move(previous);
        throw;
    }
    return LoadLines(chart, std::move(previous));
}

bool TDataImport::ApplyXmag(TCustomAxisPanel& chart, const QString& text)
{
    double value;
    if (!Numbers::TryParseNumber(QStringView(text), value))
        return false;
    xmag = value;
    BuildChart(chart);
    return true;
}

bool TDataImport::ApplyYmag(TCustomAxisPanel& chart, const QString& text)
{
    double value;
    if (!Numbers::TryParseNumber(QStringView(text), value))
        return false;
    ymag = value;
    BuildChart(chart);
    return true;
}
