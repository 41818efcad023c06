#include "app/RenderOptions.h"

#include <QRegularExpression>

namespace {

QString Take(const QStringList& args, int& i, const QString& flag)
{
    if (i + 1 >= args.size())
        throw EUsageError(QStringLiteral("%1 needs a value").arg(flag).toStdString());
    return args[++i];
}

// N:KEY=VALUE[,KEY=VALUE...]; the values are checked when applied.
void ParseSeries(const QString& text, std::vector<TRenderOptions::TSeriesSetting>& out)
{
    const qsizetype colon = text.indexOf(u':');
    bool ok = false;
    const int index = colon > 0 ? text.left(colon).toInt(&ok) : -1;
    if (!ok || index < 0)
        throw EUsageError(QStringLiteral("--series wants N:KEY=VALUE[,KEY=VALUE...]: %1").arg(text).toStdString());
    static const QStringList keys = {"name", "color", "width", "style", "visible", "marker", "marker-style",
                                     "marker-size", "smooth"};
    for (const QString& pair : text.mid(colon + 1).split(u',')) {
        const qsizetype eq = pair.indexOf(u'=');
        const QString key = eq > 0 ? pair.left(eq) : QString();
        if (!keys.contains(key))
            throw EUsageError(QStringLiteral("--series: unknown setting %1").arg(pair).toStdString());
        out.push_back({index, key, pair.mid(eq + 1)});
    }
}

} // namespace

TColor ParseHtmlColor(const QString& Text)
{
    static const QRegularExpression pattern(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch m = pattern.match(Text);
    if (!m.hasMatch())
        throw EUsageError(QStringLiteral("not a colour of the form #RRGGBB: %1").arg(Text).toStdString());
    const unsigned rgb = m.captured(1).toUInt(nullptr, 16);
    return RGBColor(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

const char* TRenderOptions::Usage()
{
    return "Usage:\n"
           "  plotvane-render --describe [--no-autosize] [--xmag V] [--ymag V] [--summary] FILE\n"
           "  plotvane-render FILE -o OUT.bmp|png|emf|svg|pdf [--size WxH] [--layout OUT.json] [styling]\n"
           "\n"
           "Imports FILE (a CSV or TSV data file; '-' reads standard input as pasted text)\n"
           "into the program's chart, as the window does.\n"
           "\n"
           "  --describe          print the import as one JSON object (delimiter, lineCount,\n"
           "                      xTitle, xmag, ymag, xtani, ytani, status, error,\n"
           "                      errorCause, series)\n"
           "  --summary           leave the points out of --describe\n"
           "  --no-autosize       import with AutoSize unchecked (no automatic magnification);\n"
           "                      then both axes go manual with the data limits of a first\n"
           "                      frame, as unchecking the box after a load does\n"
           "  --xmag V, --ymag V  then apply V as a manual factor (as the scale tab does)\n"
           "  -o OUT              write one frame as a BMP, PNG, EMF, SVG or PDF file, chosen\n"
           "                      by the extension in any letter case\n"
           "  --size WxH          frame size (default 781x590)\n"
           "  --layout OUT.json   write the rectangles the frame computed\n"
           "  --title TEXT        chart title\n"
           "  --title-align left|center|right\n"
           "  --title-font FAMILY,SIZE[,bold][,italic]\n"
           "  --panel-color #RRGGBB   colour around the plot area\n"
           "  --wall-color #RRGGBB    colour inside the plot area\n"
           "  --wall-picture FILE     picture stretched over the plot area\n"
           "  --shadow, --border  panel shadow, panel border\n"
           "  --legend left|right|top|bottom\n"
           "  --series N:KEY=VALUE[,KEY=VALUE...]   series N (from 0): name, color (#RRGGBB),\n"
           "                      width (1-100), style (solid, dash, dot, dashdot, dashdotdot),\n"
           "                      visible (on/off), marker (on/off), marker-style (rectangle,\n"
           "                      circle, triangle, diamond), marker-size (1-100), smooth (on/off)\n"
           "  --x-title TEXT, --y-title TEXT   axis titles\n"
           "  --axis-font FAMILY,SIZE[,bold][,italic]   font of both axis titles\n"
           "  --prefix-in-titles  append each axis' prefix in brackets to its title\n"
           "                      (\"Frequency (Hz) [M]\"; \"[M]\" for an empty title), as\n"
           "                      the scale tab's check box does\n"
           "  --xmin V, --xmax V, --xinc V, --ymin V, --ymax V, --yinc V\n"
           "                      the scale tab's range boxes (after the import); they imply\n"
           "                      --no-autosize, as the boxes work only with AutoSize unchecked\n"
           "  --help              show this text\n";
}

TRenderOptions TRenderOptions::Parse(const QStringList& args)
{
    TRenderOptions o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--help" || a == u"-h") {
            o.Help = true;
        } else if (a == u"--describe") {
            o.Describe = true;
        } else if (a == u"--summary") {
            o.Summary = true;
        } else if (a == u"--no-autosize") {
            o.NoAutoSize = true;
        } else if (a == u"--xmag") {
            o.Xmag = Take(args, i, a);
        } else if (a == u"--ymag") {
            o.Ymag = Take(args, i, a);
        } else if (a == u"-o") {
            o.Output = Take(args, i, a);
        } else if (a == u"--layout") {
            o.LayoutFile = Take(args, i, a);
        } else if (a == u"--size") {
            static const QRegularExpression size(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
            const QString value = Take(args, i, a);
            const QRegularExpressionMatch m = size.match(value);
            if (!m.hasMatch() || m.captured(1).toInt() < 1 || m.captured(2).toInt() < 1
                || m.captured(1).toInt() > 20000 || m.captured(2).toInt() > 20000)
                throw EUsageError(QStringLiteral("--size wants WxH, each 1 to 20000: %1").arg(value).toStdString());
            o.Width = m.captured(1).toInt();
            o.Height = m.captured(2).toInt();
        } else if (a == u"--title") {
            o.Title = Take(args, i, a);
        } else if (a == u"--title-align") {
            const QString value = Take(args, i, a);
            if (value == u"left")
                o.TitleAlign = 0;
            else if (value == u"center")
                o.TitleAlign = 1;
            else if (value == u"right")
                o.TitleAlign = 2;
            else
                throw EUsageError(QStringLiteral("--title-align wants left, center or right").toStdString());
        } else if (a == u"--title-font") {
            o.TitleFont = Take(args, i, a);
        } else if (a == u"--panel-color") {
            o.PanelColor = ParseHtmlColor(Take(args, i, a));
        } else if (a == u"--wall-color") {
            o.WallColor = ParseHtmlColor(Take(args, i, a));
        } else if (a == u"--wall-picture") {
            o.WallPicture = Take(args, i, a);
        } else if (a == u"--x-title") {
            o.XTitle = Take(args, i, a);
        } else if (a == u"--y-title") {
            o.YTitle = Take(args, i, a);
        } else if (a == u"--axis-font") {
            o.AxisFont = Take(args, i, a);
        } else if (a == u"--prefix-in-titles") {
            o.PrefixInTitles = true;
        } else if (a == u"--xmax" || a == u"--xmin" || a == u"--xinc" || a == u"--ymax" || a == u"--ymin"
                   || a == u"--yinc") {
            static const QStringList boxes = {"--xmax", "--xmin", "--xinc", "--ymax", "--ymin", "--yinc"};
            const int box = int(boxes.indexOf(a));
            o.AxisBoxes.emplace_back(box, Take(args, i, a));
        } else if (a == u"--legend") {
            static const QStringList positions = {"left", "right", "top", "bottom"};
            const int position = int(positions.indexOf(Take(args, i, a)));
            if (position < 0)
                throw EUsageError("--legend wants left, right, top or bottom");
            o.LegendPosition = position;
        } else if (a == u"--series") {
            ParseSeries(Take(args, i, a), o.SeriesSettings);
        } else if (a == u"--shadow") {
            o.Shadow = true;
        } else if (a == u"--border") {
            o.Border = true;
        } else if (a.startsWith(u"-") && a != u"-") {
            throw EUsageError(QStringLiteral("unknown option %1").arg(a).toStdString());
        } else if (o.File.isNull()) {
            o.File = a;
        } else {
            throw EUsageError("only one FILE may be given");
        }
    }
    if (o.Help)
        return o;
    if (o.File.isNull())
        throw EUsageError("no FILE given");
    if (!o.Describe && !o.DrawsFrame())
        throw EUsageError("nothing to do: give --describe, -o OUT or --layout OUT.json");
    // The range boxes work only with AutoSize unchecked, as in the window.
    if (!o.AxisBoxes.empty())
        o.NoAutoSize = true;
    return o;
}
