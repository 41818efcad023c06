#include "app/RenderOptions.h"

#include <QRegularExpression>

namespace {

QString Take(const QStringList& args, int& i, const QString& flag)
{
    if (i + 1 >= args.size())
        throw EUsageError(QStringLiteral("%1 needs a value").arg(flag).toStdString());
    return args[++i];
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
           "  plotvane-render FILE -o OUT.bmp|OUT.png [--size WxH] [--layout OUT.json] [styling]\n"
           "\n"
           "Imports FILE (a CSV or TSV data file; '-' reads standard input as pasted text)\n"
           "into the program's chart, as the window does.\n"
           "\n"
           "  --describe          print the import as one JSON object (delimiter, lineCount,\n"
           "                      xTitle, xmag, ymag, xtani, ytani, status, error, series)\n"
           "  --summary           leave the points out of --describe\n"
           "  --no-autosize       import with automatic magnification switched off\n"
           "  --xmag V, --ymag V  then apply V as a manual factor (as the scale tab does)\n"
           "  -o OUT              write one frame as a BMP or PNG file\n"
           "  --size WxH          frame size (default 781x590)\n"
           "  --layout OUT.json   write the rectangles the frame computed\n"
           "  --title TEXT        chart title\n"
           "  --title-align left|center|right\n"
           "  --title-font FAMILY,SIZE[,bold][,italic]\n"
           "  --panel-color #RRGGBB   colour around the plot area\n"
           "  --wall-color #RRGGBB    colour inside the plot area\n"
           "  --wall-picture FILE     picture stretched over the plot area\n"
           "  --shadow, --border  panel shadow, panel border\n"
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
    return o;
}
