// plotvane-render: the chart engine without the window, for scripts and tests.

#include "app/DataErrors.h"
#include "app/DataImport.h"
#include "app/JsonWriter.h"
#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartSeries.h"
#include "chart/ChartValueList.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <exception>

namespace {

const char* const Usage =
    "Usage: plotvane-render --describe [--no-autosize] [--xmag V] [--ymag V] [--summary] FILE\n"
    "\n"
    "Imports FILE (a CSV or TSV data file; '-' reads standard input as pasted text)\n"
    "into a fresh chart, as the window does, and prints one JSON object describing\n"
    "the result: delimiter, lineCount, xTitle, xmag, ymag, xtani, ytani, status,\n"
    "error and the series with their points.\n"
    "\n"
    "  --describe     print the import as JSON\n"
    "  --no-autosize  import with automatic magnification switched off\n"
    "  --xmag V       then apply V as the manual X factor (as the scale tab does)\n"
    "  --ymag V       then apply V as the manual Y factor\n"
    "  --summary      leave the points out\n"
    "  --help         show this text\n";

struct TOptions {
    bool Describe = false;
    bool NoAutoSize = false;
    bool Summary = false;
    QString Xmag;
    QString Ymag;
    bool HasXmag = false;
    bool HasYmag = false;
    QString File;
};

int Fail(const QString& message)
{
    std::fprintf(stderr, "plotvane-render: %s\n", message.toUtf8().constData());
    return 1;
}

QString ColorText(TColor c)
{
    return QStringLiteral("#%1%2%3")
        .arg(RedOf(c), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The text of the application's top-level error report.
QString TopLevelReport(const std::exception& e)
{
    QString text = QString::fromUtf8(e.what());
    if (!text.endsWith(u'.') && !text.endsWith(u'。'))
        text += u'.';
    return text;
}

void WriteDescription(TJsonWriter& json, const TDataImport& import, TChart& chart, const QString& error, bool summary)
{
    json.BeginObject();
    json.Key("delimiter");
    if (import.Delimiter() == 0)
        json.Null();
    else
        json.String(QString(QChar(import.Delimiter())));
    json.Key("lineCount");
    json.Integer(import.LineCount);
    json.Key("xTitle");
    json.String(chart.BottomAxis()->Title()->Caption());
    json.Key("xmag");
    json.Number(import.xmag);
    json.Key("ymag");
    json.Number(import.ymag);
    json.Key("xtani");
    json.String(import.xtani);
    json.Key("ytani");
    json.String(import.ytani);
    json.Key("status");
    json.String(import.StatusText());
    json.Key("error");
    if (error.isNull())
        json.Null();
    else
        json.String(error);
    json.Key("series");
    json.BeginArray();
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries* s = chart.GetSeries(i);
        json.BeginObject();
        json.Key("title");
        json.String(s->Title());
        json.Key("color");
        json.String(ColorText(s->SeriesColor()));
        json.Key("count");
        json.Integer(s->Count());
        json.Key("xMin");
        json.Number(s->MinXValue());
        json.Key("xMax");
        json.Number(s->MaxXValue());
        json.Key("yMin");
        json.Number(s->MinYValue());
        json.Key("yMax");
        json.Number(s->MaxYValue());
        if (!summary) {
            json.Key("points");
            json.BeginArray();
            for (int p = 0; p < s->Count(); ++p) {
                json.BeginArray();
                json.Number(s->GetxValue(p));
                json.Number(s->GetyValue(p));
                json.EndArray();
            }
            json.EndArray();
        }
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

int Describe(const TOptions& options)
{
    TChart chart;
    TDataImport import;
    import.AutoSize = !options.NoAutoSize;
    QString error;
    try {
        bool ok;
        if (options.File == QLatin1String("-")) {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return Fail(QStringLiteral("cannot read standard input"));
            ok = import.PasteText(chart, QString::fromUtf8(in.readAll()));
        } else {
            ok = import.OpenFile(chart, options.File);
        }
        if (!ok)
            error = TDataImport::ImportErrorText;
    } catch (const EFileError& e) {
        return Fail(QString::fromUtf8(e.what()));
    }
    // The manual factors rebuild without the import's guard: a failure is
    // what the top-level error report would show.
    try {
        if (options.HasXmag && !import.ApplyXmag(chart, options.Xmag))
            std::fprintf(stderr, "plotvane-render: --xmag: not a number, ignored\n");
        if (options.HasYmag && !import.ApplyYmag(chart, options.Ymag))
            std::fprintf(stderr, "plotvane-render: --ymag: not a number, ignored\n");
    } catch (const std::exception& e) {
        error = TopLevelReport(e);
    }
    TJsonWriter json;
    WriteDescription(json, import, chart, error, options.Summary);
    QByteArray text = json.Text();
    text += '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    TOptions options;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& target) {
            if (i + 1 >= args.size())
                return false;
            target = args[++i];
            return true;
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(Usage, stdout);
            return 0;
        } else if (a == QLatin1String("--describe")) {
            options.Describe = true;
        } else if (a == QLatin1String("--no-autosize")) {
            options.NoAutoSize = true;
        } else if (a == QLatin1String("--summary")) {
            options.Summary = true;
        } else if (a == QLatin1String("--xmag")) {
            if (!value(options.Xmag))
                return Fail(QStringLiteral("--xmag needs a value"));
            options.HasXmag = true;
        } else if (a == QLatin1String("--ymag")) {
            if (!value(options.Ymag))
                return Fail(QStringLiteral("--ymag needs a value"));
            options.HasYmag = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            std::fputs(Usage, stderr);
            return Fail(QStringLiteral("unknown option %1").arg(a));
        } else if (options.File.isNull()) {
            options.File = a;
        } else {
            std::fputs(Usage, stderr);
            return Fail(QStringLiteral("only one FILE may be given"));
        }
    }
    if (!options.Describe || options.File.isNull()) {
        std::fputs(Usage, stderr);
        return 1;
    }
    return Describe(options);
}
