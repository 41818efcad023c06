#include "app/RenderCommand.h"

#include "app/SystemPalette.h"

#include "app/ChartCommands.h"
#include "app/DataErrors.h"
#include "app/DataImport.h"
#include "app/PrefixInTitles.h"
#include "app/JsonWriter.h"
#include "app/RenderOptions.h"
#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/AxisException.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "chart/panel/ChartExport.h"
#include "chart/panel/FrameLayout.h"
#include "chart/panel/PlotvaneChart.h"

#include <QFile>
#include <QImage>

#include <cstdio>
#include <exception>
#include <new>
#include <utility>

namespace {

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

const QString NotEnoughMemory = QStringLiteral("メモリが足りません (not enough memory)");

// What a failure says: an allocation that failed is no fault of the input.
QString ErrorText(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return NotEnoughMemory;
    return QString::fromUtf8(e.what());
}

// The text of the application's top-level error report.
QString TopLevelReport(const std::exception& e)
{
    QString text = ErrorText(e);
    if (!text.endsWith(u'.') && !text.endsWith(u'。'))
        text += u'.';
    return text;
}

void WriteRect(TJsonWriter& json, const TRect& r)
{
    json.BeginArray();
    json.Integer(r.Left);
    json.Integer(r.Top);
    json.Integer(r.Right);
    json.Integer(r.Bottom);
    json.EndArray();
}

void WriteDescription(TJsonWriter& json, const TDataImport& import, TChart& chart, const QString& error,
                      const QString& cause, bool summary)
{
    json.BeginObject();
    json.Key("delimiter");
    if (import.Delimiter() == 0)
        json.Null();
    else
        json.String(QString(QChar(import.Delimiter())));
    auto textOrNull = [&json](const char* key, const QString& text) {
        json.Key(key);
        if (text.isEmpty())
            json.Null();
        else
            json.String(text);
    };
    textOrNull("decimal", import.Decimal());
    json.Key("preambleLines");
    json.Integer(import.PreambleLines());
    json.Key("headerLines");
    json.Integer(import.HeaderLines());
    textOrNull("xUnit", import.XUnit());
    json.Key("leftOut");
    json.BeginArray();
    for (const TDataImport::TLeftOut& column : import.LeftOut()) {
        json.BeginObject();
        json.Key("column");
        json.Integer(column.Column);
        json.Key("reason");
        json.String(column.Reason);
        json.EndObject();
    }
    json.EndArray();
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
    textOrNull("errorCause", cause);
    const TDataImport::TSkipped& skipped = import.Skipped();
    const std::pair<const char*, qint64> counts[] = {{"cells", skipped.Cells()},
                                                     {"lines", skipped.Lines},
                                                     {"beyondDouble", skipped.BeyondDouble},
                                                     {"nanOrInf", skipped.NanOrInf},
                                                     {"otherDecimal", skipped.OtherDecimal},
                                                     {"text", skipped.Text}};
    json.Key("skipped");
    json.BeginObject();
    for (const auto& [key, count] : counts) {
        json.Key(key);
        json.Integer(count);
    }
    json.EndObject();
    json.Key("series");
    json.BeginArray();
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries* s = chart.GetSeries(i);
        json.BeginObject();
        json.Key("title");
        json.String(s->Title());
        json.Key("color");
        json.String(ColorText(s->SeriesColor()));
        textOrNull("unit", i < import.SeriesUnits().size() ? import.SeriesUnits()[i] : QString());
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

void WriteAxes(TJsonWriter& json, const TChart& chart);

// Per series in list order: what the frame drew of it.
void WriteSeriesLayout(TJsonWriter& json, const TChart& chart)
{
    json.Key("series");
    json.BeginArray();
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const TChartSeries* s = chart.GetSeries(i);
        json.BeginObject();
        json.Key("title");
        json.String(s->Title());
        json.Key("color");
        json.String(ColorText(s->SeriesColor()));
        json.Key("active");
        json.Bool(s->Active());
        json.Key("count");
        json.Integer(s->Count());
        json.Key("firstValueIndex");
        json.Integer(s->FirstValueIndex());
        json.Key("lastValueIndex");
        json.Integer(s->LastValueIndex());
        int left = 0;
        int right = 0;
        int top = 0;
        int bottom = 0;
        s->PixelMarginsHoriz(left, right);
        s->PixelMarginsVert(top, bottom);
        json.Key("margins");
        json.BeginArray();
        json.Integer(left);
        json.Integer(top);
        json.Integer(right);
        json.Integer(bottom);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

void WriteLayout(TJsonWriter& json, const TChart& chart)
{
    const TFrameLayout& layout = chart.LastLayout();
    json.BeginObject();
    json.Key("bounds");
    WriteRect(json, layout.Bounds);
    json.Key("chartRect");
    json.BeginObject();
    json.Key("initial");
    WriteRect(json, layout.ChartRectInitial);
    json.Key("afterTitlesAndLegend");
    WriteRect(json, layout.ChartRectAfterTitlesAndLegend);
    json.Key("final");
    WriteRect(json, layout.ChartRectFinal);
    json.EndObject();
    json.Key("title");
    if (layout.TitleDrawn) {
        json.BeginObject();
        json.Key("bounds");
        WriteRect(json, layout.TitleBounds);
        json.Key("lines");
        json.BeginArray();
        for (const QString& line : layout.TitleLines)
            json.String(line);
        json.EndArray();
        json.EndObject();
    } else {
        json.Null();
    }
    WriteAxes(json, chart);
    if (layout.LegendDrawn) {
        json.Key("legend");
        json.BeginObject();
        json.Key("bounds");
        WriteRect(json, layout.LegendBounds);
        json.Key("items");
        json.BeginArray();
        for (const TFrameLegendItem& item : layout.LegendItems) {
            json.BeginObject();
            json.Key("text");
            json.String(item.Text);
            json.Key("symbol");
            WriteRect(json, item.Symbol);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    WriteSeriesLayout(json, chart);
    json.EndObject();
}

const char* AxisName(const TChart& chart, const TChartAxis* axis)
{
    static const char* const names[] = {"Bottom", "Top", "Left", "Right", "Depth", "DepthTop"};
    const auto& axes = chart.Axes();
    for (size_t i = 0; i < axes.size() && i < 6; ++i)
        if (axes[i] == axis)
            return names[i];
    return "Custom";
}

void WriteAxes(TJsonWriter& json, const TChart& chart)
{
    json.Key("axes");
    json.BeginObject();
    for (const TFrameAxis& axis : chart.LastLayout().Axes) {
        json.Key(AxisName(chart, axis.Axis));
        json.BeginObject();
        json.Key("IMinimum");
        json.Number(axis.Minimum);
        json.Key("IMaximum");
        json.Number(axis.Maximum);
        json.Key("increment");
        json.Number(axis.Increment);
        json.Key("IStartPos");
        json.Integer(axis.StartPos);
        json.Key("IEndPos");
        json.Integer(axis.EndPos);
        json.Key("FPosAxis");
        json.Integer(axis.PosAxis);
        json.Key("FPosLabels");
        json.Integer(axis.PosLabels);
        json.Key("FPosTitle");
        json.Integer(axis.PosTitle);
        json.Key("labels");
        json.BeginArray();
        for (const TFrameAxisLabel& label : axis.Labels) {
            json.BeginObject();
            json.Key("text");
            json.String(label.Text);
            json.Key("value");
            json.Number(label.Value);
            json.Key("pos");
            json.Integer(label.Pos);
            json.EndObject();
        }
        json.EndArray();
        json.Key("ticks");
        json.BeginArray();
        for (int tick : axis.Ticks)
            json.Integer(tick);
        json.EndArray();
        json.EndObject();
    }
    json.EndObject();
}

ChartCommands::TFontChoice ParseFont(const char* flag, const QString& text, TColor color)
{
    const QStringList parts = text.split(u',');
    bool ok = false;
    const int size = parts.size() >= 2 ? parts[1].trimmed().toInt(&ok) : 0;
    if (parts.size() < 2 || parts[0].trimmed().isEmpty() || !ok || size < 1 || size > 1000)
        throw EUsageError(QStringLiteral("%1: a font is FAMILY,SIZE[,bold][,italic] with a size of 1 to 1000, not %2")
                              .arg(QLatin1String(flag), text)
                              .toStdString());
    ChartCommands::TFontChoice font;
    font.Name = parts[0].trimmed();
    font.Size = size;
    font.Color = color;
    for (int i = 2; i < parts.size(); ++i) {
        const QString word = parts[i].trimmed().toLower();
        if (word == u"bold")
            font.Style |= fsBold;
        else if (word == u"italic")
            font.Style |= fsItalic;
        else
            throw EUsageError(QStringLiteral("%1: unknown font style %2").arg(QLatin1String(flag), parts[i]).toStdString());
    }
    return font;
}

void ApplyStyling(TChart& chart, const TRenderOptions& o)
{
    if (o.Title)
        ChartCommands::SetTitleText(chart, *o.Title);
    if (o.TitleFont)
        ChartCommands::SetTitleFont(chart, ParseFont("--title-font", *o.TitleFont, chart.Title()->Font()->Color()));
    if (o.TitleAlign)
        ChartCommands::SetTitleAlignment(chart, *o.TitleAlign);
    if (o.PanelColor)
        ChartCommands::SetPanelColor(chart, *o.PanelColor);
    if (o.WallColor)
        ChartCommands::SetWallColor(chart, *o.WallColor);
    if (o.WallPicture)
        ChartCommands::SetWallPicture(chart, *o.WallPicture);
    if (o.Shadow)
        ChartCommands::SetShadow(chart, true);
    if (o.Border)
        ChartCommands::SetBorder(chart, true);
    if (o.XTitle)
        ChartCommands::SetXAxisTitle(chart, *o.XTitle);
    if (o.YTitle)
        ChartCommands::SetYAxisTitle(chart, *o.YTitle);
    if (o.AxisFont)
        ChartCommands::SetAxisTitleFont(chart, ParseFont("--axis-font", *o.AxisFont, chart.LeftAxis()->Title()->Font()->Color()));
}

// A series setting that cannot be applied: the message names the series,
// the key and the value.
EUsageError BadSetting(const TRenderOptions::TSeriesSetting& s, const QString& wanted)
{
    return EUsageError(QStringLiteral("--series %1: %2 must be %3, not %4").arg(s.Index).arg(s.Key, wanted, s.Value).toStdString());
}

bool OnOff(const TRenderOptions::TSeriesSetting& s)
{
    if (s.Value == u"on")
        return true;
    if (s.Value == u"off")
        return false;
    throw BadSetting(s, QStringLiteral("on or off"));
}

int OneToHundred(const TRenderOptions::TSeriesSetting& s)
{
    bool ok = false;
    const int n = s.Value.toInt(&ok);
    if (!ok || n < 1 || n > 100)
        throw BadSetting(s, QStringLiteral("1 to 100"));
    return n;
}

int ItemOf(const QStringList& items, const TRenderOptions::TSeriesSetting& s)
{
    const int item = int(items.indexOf(s.Value));
    if (item < 0)
        throw BadSetting(s, QStringLiteral("one of ") + items.join(u", "));
    return item;
}

// The line tab's handlers on one series, and the legend tab.
void ApplySeriesSettings(TChart& chart, const TRenderOptions& o)
{
    if (o.LegendPosition)
        ChartCommands::SetLegendPosition(chart, *o.LegendPosition);
    for (const TRenderOptions::TSeriesSetting& s : o.SeriesSettings) {
        if (s.Index >= chart.SeriesCount())
            throw EUsageError(QStringLiteral("--series %1: there are %2 series").arg(s.Index).arg(chart.SeriesCount()).toStdString());
        if (s.Key == u"name")
            ChartCommands::SetSeriesTitle(chart, s.Index, s.Value);
        else if (s.Key == u"color")
            ChartCommands::SetSeriesColor(chart, s.Index, ParseHtmlColor(s.Value));
        else if (s.Key == u"width")
            ChartCommands::SetSeriesWidth(chart, s.Index, OneToHundred(s));
        else if (s.Key == u"style")
            ChartCommands::SetSeriesStyle(chart, s.Index,
                                          ItemOf({"solid", "dash", "dot", "dashdot", "dashdotdot"}, s));
        else if (s.Key == u"visible")
            ChartCommands::SetSeriesVisible(chart, s.Index, OnOff(s));
        else if (s.Key == u"marker")
            ChartCommands::SetMarkerVisible(chart, s.Index, OnOff(s));
        else if (s.Key == u"marker-style")
            ChartCommands::SetMarkerStyle(chart, s.Index, ItemOf({"rectangle", "circle", "triangle", "diamond"}, s));
        else if (s.Key == u"marker-size")
            ChartCommands::SetMarkerSize(chart, s.Index, OneToHundred(s));
        else if (s.Key == u"smooth")
            ChartCommands::SetSeriesSmoothed(chart, s.Index, OnOff(s));
    }
}

// The scale tab after a load: unchecking AutoSize makes both axes manual
// with the limits the last frame showed, then the range boxes apply.
void ApplyScaleTab(TChart& chart, const TRenderOptions& o)
{
    if (o.NoAutoSize && (o.DrawsFrame() || !o.AxisBoxes.empty())) {
        QImage scratch(o.Width, o.Height, QImage::Format_RGB32);
        chart.Draw(&scratch, TRect{0, 0, o.Width, o.Height});
        ChartCommands::SetAutoSize(chart, false);
    }
    static const char* const flags[] = {"--xmax", "--xmin", "--xinc", "--ymax", "--ymin", "--yinc"};
    for (const auto& [box, text] : o.AxisBoxes) {
        // The axis' own message does not say which axis or which flag.
        const QString flag = QStringLiteral("%1 %2").arg(QLatin1String(flags[box]), text);
        try {
            if (!ChartCommands::ApplyAxisBox(chart, ChartCommands::TAxisBox(box), text))
                std::fprintf(stderr, "plotvane-render: %s: not a number, ignored\n", flag.toUtf8().constData());
        } catch (const AxisException& e) {
            throw EUsageError(QStringLiteral("%1: %2 axis: %3")
                                  .arg(flag, box <= ChartCommands::abXInc ? QStringLiteral("X") : QStringLiteral("Y"),
                                       QString::fromUtf8(e.what()))
                                  .toStdString());
        }
    }
}

int Run(const TRenderOptions& o)
{
    // An output nobody can open is refused before anything is read or written.
    if (!o.Output.isEmpty() && !TChartExport::FormatOfFile(o.Output))
        return Fail(QStringLiteral("%1: the output must end in %2").arg(o.Output, TChartExport::KnownExtensions()));
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    chart->SetSystemPalette(ApplicationSystemPalette());
    // The control's size: what the exports draw at.
    chart->SetSize(o.Width, o.Height);
    TDataImport import;
    import.AutoSize = !o.NoAutoSize;
    QString error;
    // What the import found, shown under the fixed text of its error report.
    QString cause;
    try {
        bool ok;
        if (o.File == u"-") {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return Fail(QStringLiteral("cannot read standard input"));
            ok = import.PasteBytes(*chart, TDataImport::ReadStandardInput(in));
        } else {
            ok = import.OpenFile(*chart, o.File);
        }
        if (!ok) {
            error = TDataImport::ImportErrorText;
            cause = import.ImportErrorCause();
        } else if (import.NoData()) {
            // Nothing to draw: a script is told, and no picture replaces a good one.
            error = TDataImport::NoDataText;
        }
    } catch (const EFileError& e) {
        return Fail(ErrorText(e));
    }

    // The manual factors rebuild without the import's guard: a failure is
    // what the top-level error report would show.
    try {
        if (o.Xmag && !import.ApplyXmag(*chart, *o.Xmag))
            std::fprintf(stderr, "plotvane-render: --xmag: not a number, ignored\n");
        if (o.Ymag && !import.ApplyYmag(*chart, *o.Ymag))
            std::fprintf(stderr, "plotvane-render: --ymag: not a number, ignored\n");
    } catch (const std::exception& e) {
        error = TopLevelReport(e);
        cause.clear();
    }

    try {
        ApplyStyling(*chart, o);
        ApplySeriesSettings(*chart, o);
        ApplyScaleTab(*chart, o);
        TPrefixInTitles prefixes;
        prefixes.SetChecked(o.PrefixInTitles);
        prefixes.Apply(*chart, import);
    } catch (const std::exception& e) {
        return Fail(ErrorText(e));
    }

    if (o.Describe) {
        TJsonWriter json;
        WriteDescription(json, import, *chart, error, cause, o.Summary);
        QByteArray text = json.Text();
        text += '\n';
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    } else if (import.NoData()) {
        std::fprintf(stderr, "plotvane-render: %s: %s (no data)\n",
                     (o.File == u"-" ? QStringLiteral("standard input") : o.File).toUtf8().constData(),
                     error.toUtf8().constData());
    } else if (!error.isNull()) {
        std::fprintf(stderr, "plotvane-render: %s\n", error.toUtf8().constData());
        if (!cause.isEmpty())
            std::fprintf(stderr, "  %s\n", cause.toUtf8().constData());
    }
    // What the window would show of a failed import is half a chart: a
    // script gets the failure, and no picture or layout replaces a good one.
    if (!error.isNull())
        return 1;

    if (!o.DrawsFrame())
        return 0;

    if (o.Output.isEmpty()) {
        // A layout alone draws no pixel.
        try {
            chart->Layout(TRect{0, 0, o.Width, o.Height});
        } catch (const std::exception& e) {
            return Fail(ErrorText(e));
        }
    } else {
        QImage image(o.Width, o.Height, QImage::Format_RGB32);
        if (image.isNull())
            return Fail(NotEnoughMemory);
        try {
            chart->Draw(&image, TRect{0, 0, o.Width, o.Height});
            TChartExport::SaveToFile(*chart, o.Output);
        } catch (const std::exception& e) {
            return Fail(ErrorText(e));
        }
    }
    if (!o.LayoutFile.isEmpty()) {
        TJsonWriter json;
        WriteLayout(json, *chart);
        QByteArray text = json.Text();
        text += '\n';
        try {
            TChartExport::WriteFile(o.LayoutFile, text);
        } catch (const std::exception& e) {
            return Fail(ErrorText(e));
        }
    }
    return 0;
}

} // namespace

int RunRenderCommand(const TRenderOptions& Options)
{
    // Whatever step runs out of memory, the run ends with a message and a
    // failure status instead of an abort.
    try {
        return Run(Options);
    } catch (const std::exception& e) {
        return Fail(ErrorText(e));
    }
}
