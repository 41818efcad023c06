#include "core/TextCodec.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

struct TRun {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

TRun Render(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(PLOTVANE_RENDER), args);
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QJsonObject Json(const TRun& run)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.Out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.Out.constData();
    return doc.object();
}

} // namespace

TEST(RenderCommand, DescribesAnImportAsJson)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Time,A,B\n3,0.1,2500\n1,0.2,-1\n2,0.30000000000000004,7\n");
    f.close();

    const TRun run = Render({QStringLiteral("--describe"), path});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    const QJsonObject o = Json(run);
    EXPECT_EQ(o["delimiter"].toString(), ",");
    EXPECT_EQ(o["lineCount"].toInt(), 2);
    EXPECT_EQ(o["xTitle"].toString(), "Time");
    EXPECT_EQ(o["ymag"].toDouble(), 0.001);
    EXPECT_EQ(o["ytani"].toString(), "K");
    EXPECT_TRUE(o["error"].isNull());
    const QJsonArray series = o["series"].toArray();
    ASSERT_EQ(series.size(), 2);
    const QJsonObject a = series[0].toObject();
    EXPECT_EQ(a["title"].toString(), "A");
    EXPECT_EQ(a["color"].toString(), "#4466A3");
    EXPECT_EQ(a["count"].toInt(), 3);
    EXPECT_EQ(a["xMin"].toDouble(), 1);
    const QJsonArray points = a["points"].toArray();
    ASSERT_EQ(points.size(), 3);
    EXPECT_EQ(points[0].toArray()[0].toDouble(), 1);
    // Round-trip numbers: the exact product survives the text.
    EXPECT_EQ(points[1].toArray()[1].toDouble(), 0.30000000000000004 * 0.001);
    EXPECT_TRUE(run.Out.contains("\"xMax\":3,"));

    const TRun summary = Render({QStringLiteral("--describe"), QStringLiteral("--summary"), path});
    EXPECT_FALSE(Json(summary)["series"].toArray()[0].toObject().contains("points"));
}

TEST(RenderCommand, StandardInputIsPastedTextAndErrorsAreReported)
{
    // The report still comes; the failure shows in the status too.
    TRun run = Render({QStringLiteral("--describe"), QStringLiteral("-")}, "1,2\n3,4,5\n");
    ASSERT_EQ(run.ExitCode, 1);
    QJsonObject o = Json(run);
    EXPECT_EQ(o["error"].toString(), QString::fromUtf8("エラーが発生しました データを確認してください"));
    EXPECT_EQ(o["series"].toArray()[0].toObject()["count"].toInt(), 2);

    run = Render({QStringLiteral("--describe"), QStringLiteral("--no-autosize"), QStringLiteral("--xmag"),
                  QStringLiteral("2"), QStringLiteral("-")},
                 "1500,3\n");
    o = Json(run);
    EXPECT_EQ(o["xmag"].toDouble(), 2);
    EXPECT_EQ(o["status"].toString(), "");
    EXPECT_EQ(o["series"].toArray()[0].toObject()["xMax"].toDouble(), 3000);

    // No data is a failure that says so.
    run = Render({QStringLiteral("--describe"), QStringLiteral("-")}, "\n\n");
    EXPECT_EQ(run.ExitCode, 1);
    o = Json(run);
    EXPECT_TRUE(o["delimiter"].isNull());
    EXPECT_EQ(o["error"].toString(), QString::fromUtf8("データがありません"));
    QTemporaryDir dir;
    const QString never = dir.filePath(QStringLiteral("never.png"));
    run = Render({QStringLiteral("-"), QStringLiteral("-o"), never}, "");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.Err).contains(QString::fromUtf8("standard input: データがありません (no data)")))
        << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(never));
}

TEST(RenderCommand, DescribeSaysTheSeparatorAndWhatWasSkipped)
{
    const QJsonObject o = Json(Render({QStringLiteral("--describe"), QStringLiteral("--summary"), QStringLiteral("-")},
                                      "t\tU\n1,5\t2,25\n2,5\tnan\n3,5\t1.5\n"));
    EXPECT_EQ(o["decimal"].toString(), ",");
    const QJsonObject skipped = o["skipped"].toObject();
    EXPECT_EQ(skipped["cells"].toInt(), 2);
    EXPECT_EQ(skipped["lines"].toInt(), 0);
    EXPECT_EQ(skipped["nanOrInf"].toInt(), 1);
    EXPECT_EQ(skipped["otherDecimal"].toInt(), 1);
    EXPECT_TRUE(o["status"].toString().endsWith(QString::fromUtf8("（小数点「,」で読み込み）（読み飛ばし: 2 セル）")))
        << o["status"].toString().toStdString();
}

// Piped bytes are decoded as a file is: CP932 and unmarked UTF-16 too.
TEST(RenderCommand, StandardInputInCp932AndUtf16)
{
    const QByteArray cp932("\x8E\x9E\x8A\xD4,\x93\x64\x88\xB3\r\n1,2\r\n");
    const QByteArray utf16 = TextCodec::Encode(QString::fromUtf8("時間,電圧\r\n1,2\r\n"), TextCodec::teUtf16LE, false);
    for (const QByteArray& input : {cp932, utf16}) {
        const TRun run = Render({QStringLiteral("--describe"), QStringLiteral("-")}, input);
        ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
        const QJsonObject o = Json(run);
        EXPECT_EQ(o["xTitle"].toString(), QString::fromUtf8("時間"));
        const QJsonObject series = o["series"].toArray()[0].toObject();
        EXPECT_EQ(series["title"].toString(), QString::fromUtf8("電圧"));
        EXPECT_EQ(series["count"].toInt(), 1);
    }
}

TEST(RenderCommand, UnreadableFileAndBadUsageExitWithOne)
{
    TRun run = Render({QStringLiteral("--describe"), QStringLiteral("/nonexistent/x.csv")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("/nonexistent/x.csv"));
    EXPECT_EQ(Render({QStringLiteral("--bogus")}).ExitCode, 1);
    run = Render({QStringLiteral("--help")});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Out.contains("Usage"));
}

TEST(RenderCommand, DrawsAFrameAndWritesItsLayout)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("c.bmp"));
    const QString layout = dir.filePath(QStringLiteral("c.json"));
    TRun run = Render({QStringLiteral("-"), QStringLiteral("-o"), bmp, QStringLiteral("--layout"), layout,
                       QStringLiteral("--border")},
                      "X,Y\n1,2\n2,3\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    QImage image(bmp);
    EXPECT_EQ(image.size(), QSize(781, 590));
    QFile f(layout);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    EXPECT_EQ(o["bounds"].toArray(), QJsonArray({0, 0, 781, 590}));
    EXPECT_EQ(o["chartRect"].toObject()["initial"].toArray(), QJsonArray({24, 24, 757, 566}));
    EXPECT_EQ(o["title"].toObject()["lines"].toArray(), QJsonArray({QString::fromUtf8("タイトル")}));

    run = Render({QStringLiteral("-"), QStringLiteral("-o"), dir.filePath(QStringLiteral("s.png")), QStringLiteral("--size"),
                  QStringLiteral("400x300")},
                 "1,2\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("s.png"))).size(), QSize(400, 300));
}

TEST(RenderCommand, LayoutListsTheDrawnLegend)
{
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("l.json"));
    TRun run = Render({QStringLiteral("-"), QStringLiteral("--layout"), layout}, "X,Volts,Amps\n1,2,3\n2,3,4\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    QFile f(layout);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    const QJsonObject legend = o["legend"].toObject();
    const QJsonArray bounds = legend["bounds"].toArray();
    ASSERT_EQ(bounds.size(), 4);
    // On the right, and the plot area ends left of it.
    EXPECT_LT(o["chartRect"].toObject()["afterTitlesAndLegend"].toArray()[2].toInt(), bounds[0].toInt());
    const QJsonArray items = legend["items"].toArray();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].toObject()["text"].toString(), QStringLiteral("Volts"));
    EXPECT_EQ(items[1].toObject()["text"].toString(), QStringLiteral("Amps"));
    EXPECT_EQ(items[1].toObject()["symbol"].toArray().size(), 4);

    // The layout alone is the layout of the drawn picture, to the byte.
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray alone = f.readAll();
    f.close();
    const QString drawn = dir.filePath(QStringLiteral("d.json"));
    run = Render({QStringLiteral("-"), QStringLiteral("-o"), dir.filePath(QStringLiteral("d.png")),
                  QStringLiteral("--layout"), drawn, QStringLiteral("--x-title"), QStringLiteral("時間")},
                 "X,Volts,Amps\n1,2,3\n2,3,4\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    run = Render({QStringLiteral("-"), QStringLiteral("--layout"), layout, QStringLiteral("--x-title"),
                  QStringLiteral("時間")},
                 "X,Volts,Amps\n1,2,3\n2,3,4\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    QFile d(drawn);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), d.readAll());
    EXPECT_NE(alone.indexOf("\"Bottom\""), -1);

    // No series, no legend.
    run = Render({QStringLiteral("-"), QStringLiteral("--layout"), layout}, "1\n2\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QJsonDocument::fromJson(f.readAll()).object().contains(QStringLiteral("legend")));
}

TEST(RenderCommand, AFailingFlagWritesNothing)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    TRun run = Render({QStringLiteral("-"), QStringLiteral("-o"), out, QStringLiteral("--wall-picture"),
                       dir.filePath(QStringLiteral("picture.xyz"))},
                      "1,2\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.Err).contains(QString::fromUtf8("画像のファイル拡張子 (.xyz) が不明です")))
        << run.Err.constData();
    EXPECT_FALSE(QFile::exists(out));

    for (const QStringList& bad : {QStringList{"-", "-o", out, "--title-align", "middle"},
                                   QStringList{"-", "-o", out, "--size", "0x10"},
                                   QStringList{"-", "-o", out, "--panel-color", "red"},
                                   QStringList{"-", "-o", out, "--title-font", "Arial"},
                                   QStringList{"-"}}) {
        run = Render(bad, "1,2\n");
        EXPECT_EQ(run.ExitCode, 1) << bad.join(' ').toUtf8().constData();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(RenderCommand, AxesInTheLayoutAndTheScaleTabFlags)
{
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("a.json"));
    // The range boxes uncheck AutoSize by themselves.
    TRun run = Render({QStringLiteral("-"), QStringLiteral("--layout"), layout,
                       QStringLiteral("--ymin"), QStringLiteral("0"), QStringLiteral("--ymax"), QStringLiteral("1"),
                       QStringLiteral("--yinc"), QStringLiteral("0.1"), QStringLiteral("--x-title"), QStringLiteral("t")},
                      "X,Y\n0,0.2\n10,0.8\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    QFile f(layout);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject axes = QJsonDocument::fromJson(f.readAll()).object()["axes"].toObject();
    ASSERT_TRUE(axes.contains("Bottom"));
    ASSERT_TRUE(axes.contains("Left"));
    EXPECT_FALSE(axes.contains("Top"));
    const QJsonObject left = axes["Left"].toObject();
    EXPECT_EQ(left["IMinimum"].toDouble(), 0);
    EXPECT_EQ(left["IMaximum"].toDouble(), 1);
    const QJsonArray labels = left["labels"].toArray();
    ASSERT_EQ(labels.size(), 11);
    EXPECT_EQ(labels[0].toObject()["text"].toString(), "1");
    EXPECT_EQ(labels[10].toObject()["text"].toString(), "0");
    EXPECT_EQ(left["ticks"].toArray().size(), 11);

    // A refused range prints the axis' message and writes nothing.
    const QString out = dir.filePath(QStringLiteral("b.png"));
    run = Render({QStringLiteral("-"), QStringLiteral("-o"), out, QStringLiteral("--no-autosize"), QStringLiteral("--xmin"),
                  QStringLiteral("60")},
                 "1,5\n50,6\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("Axis Minimum Value must be <= Maximum")) << run.Err.constData();
    EXPECT_FALSE(QFile::exists(out));
}

// Each message says which flag, series or axis it is about and what the
// program found, and nothing of Qt's comes before it.
TEST(RenderCommand, MessagesNameTheFlagTheAxisAndTheCause)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("m.png"));
    const QByteArray data = "X,A,B\n0,1,5\n10,9,2\n";
    const struct {
        QStringList Flags;
        QByteArray Says;
    } cases[] = {
        {{"--series", "0:width=0"}, "--series 0: width must be 1 to 100, not 0"},
        {{"--series", "1:marker-size=x"}, "--series 1: marker-size must be 1 to 100, not x"},
        {{"--series", "0:style=wavy"}, "--series 0: style must be one of solid, dash, dot, dashdot, dashdotdot, not wavy"},
        {{"--series", "1:smooth=yes"}, "--series 1: smooth must be on or off, not yes"},
        {{"--title-font", "Serif,0"}, "--title-font: "},
        {{"--xmin", "60"}, "--xmin 60: X axis: Axis Minimum Value must be <= Maximum"},
        {{"--ymax", "-5"}, "--ymax -5: Y axis: Axis Maximum Value must be >= Minimum"},
    };
    for (const auto& c : cases) {
        const TRun run = Render(QStringList{"-", "-o", out} + c.Flags, data);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Err.contains(c.Says)) << run.Err.constData();
    }
    TRun run = Render({"-", "-o", out, "--ymin", "abc"}, data);
    EXPECT_TRUE(run.Err.contains("--ymin abc: not a number, ignored")) << run.Err.constData();

    // The import error, then the cause the import found.
    run = Render({"-", "-o", out}, "x,a\n1,2,3\n");
    const QByteArray fixed = QStringLiteral("エラーが発生しました データを確認してください").toUtf8();
    const QByteArray cause = QStringLiteral("2 行目の 3 列目").toUtf8();
    EXPECT_TRUE(run.Err.contains(fixed) && run.Err.indexOf(cause) > run.Err.indexOf(fixed)) << run.Err.constData();
    run = Render({"--describe", "-"}, "x,a\n1,2,3\n");
    EXPECT_EQ(Json(run)["error"].toString().toUtf8(), fixed);
    EXPECT_TRUE(Json(run)["errorCause"].toString().toUtf8().contains(cause));

    // A picture the SVG renderer warns about, then a write that fails.
    const QString svg = dir.filePath(QStringLiteral("w.svg"));
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
            "<rect width='10' height='10' fill='url(#none)'/><use href='#absent'/></svg>");
    f.close();
    run = Render({"-", "-o", dir.filePath(QStringLiteral("no/such/m.png")), "--wall-picture", svg}, data);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.startsWith("plotvane-render: ")) << run.Err.constData();
}

namespace {

// One frame of two series with the given styling flags: its layout and picture.
struct TFrame {
    TRun Run;
    QJsonObject Layout;
    QImage Image;

    QJsonArray Rect(const char* key, const char* stage = nullptr) const
    {
        const QJsonObject o = Layout[QLatin1String(key)].toObject();
        return (stage ? o[QLatin1String(stage)] : o[QStringLiteral("bounds")]).toArray();
    }
    QJsonObject Series(int i) const { return Layout["series"].toArray()[i].toObject(); }
};

TFrame RenderFrame(const QStringList& flags)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("f.png"));
    const QString json = dir.filePath(QStringLiteral("f.json"));
    TFrame frame{Render(QStringList{"-", "-o", png, "--layout", json} + flags, "X,A,B\n0,1,5\n10,9,2\n"), {}, {}};
    QFile f(json);
    if (f.open(QIODevice::ReadOnly))
        frame.Layout = QJsonDocument::fromJson(f.readAll()).object();
    frame.Image = QImage(png);
    EXPECT_EQ(frame.Run.ExitCode, 0) << flags.join(' ').toUtf8().constData() << ": " << frame.Run.Err.constData();
    return frame;
}

} // namespace

TEST(RenderCommand, LegendFlagPutsTheLegendOnThatSideOfThePlot)
{
    // [left, top, right, bottom] of the legend against the plot area it left.
    const std::pair<const char*, std::function<bool(const QJsonArray&, const QJsonArray&)>> sides[] = {
        {"left", [](const QJsonArray& l, const QJsonArray& p) { return l[2].toInt() <= p[0].toInt(); }},
        {"right", [](const QJsonArray& l, const QJsonArray& p) { return l[0].toInt() >= p[2].toInt(); }},
        {"top", [](const QJsonArray& l, const QJsonArray& p) { return l[3].toInt() <= p[1].toInt(); }},
        {"bottom", [](const QJsonArray& l, const QJsonArray& p) { return l[1].toInt() >= p[3].toInt(); }},
    };
    for (const auto& [side, beside] : sides) {
        const TFrame frame = RenderFrame({"--legend", side});
        EXPECT_TRUE(beside(frame.Rect("legend"), frame.Rect("chartRect", "afterTitlesAndLegend"))) << side;
    }
}

TEST(RenderCommand, SeriesFlagsReachTheirSeries)
{
    const TFrame base = RenderFrame({});
    TFrame frame = RenderFrame({"--series", "0:name=Foo,color=#FF0000,visible=off", //
                                "--series", "1:smooth=on,marker=off", "--series", "0:name=Bar"});
    EXPECT_EQ(frame.Series(0)["title"].toString(), "Bar"); // the later flag wins
    EXPECT_EQ(frame.Series(0)["color"].toString(), "#FF0000");
    EXPECT_FALSE(frame.Series(0)["active"].toBool());
    EXPECT_EQ(frame.Series(1)["title"].toString(), "B");
    EXPECT_TRUE(frame.Series(1)["active"].toBool());
    // Smoothed: the frame drew samples of the curve; no marker: no margins.
    EXPECT_GT(frame.Series(1)["count"].toInt(), base.Series(1)["count"].toInt());
    EXPECT_EQ(frame.Series(1)["margins"].toArray(), QJsonArray({0, 0, 0, 0}));

    frame = RenderFrame({"--series", "1:marker-size=10"});
    EXPECT_GT(frame.Series(1)["margins"].toArray()[0].toInt(), base.Series(1)["margins"].toArray()[0].toInt());
    EXPECT_EQ(frame.Series(0)["margins"].toArray(), base.Series(0)["margins"].toArray());

    // What only the picture shows.
    for (const char* setting : {"0:width=6", "0:style=dash", "0:marker-style=diamond"})
        EXPECT_NE(RenderFrame({"--series", setting}).Image, base.Image) << setting;
}

TEST(RenderCommand, WallColorShadowAndAxisFontChangeTheFrame)
{
    const TFrame base = RenderFrame({"--y-title", "Volts"});
    const auto wallPixels = [](const TFrame& frame) {
        const QJsonArray r = frame.Rect("chartRect", "final");
        int count = 0;
        for (int y = r[1].toInt() + 1; y < r[3].toInt() - 1; ++y)
            for (int x = r[0].toInt() + 1; x < r[2].toInt() - 1; ++x)
                count += frame.Image.pixel(x, y) == qRgb(0, 255, 0);
        return double(count) / ((r[2].toInt() - r[0].toInt()) * (r[3].toInt() - r[1].toInt()));
    };
    EXPECT_EQ(wallPixels(base), 0);
    EXPECT_GT(wallPixels(RenderFrame({"--wall-color", "#00FF00"})), 0.8);

    // The shadow takes its room off the panel and darkens the corner.
    const TFrame shadow = RenderFrame({"--y-title", "Volts", "--shadow"});
    EXPECT_LT(shadow.Rect("chartRect", "initial")[2].toInt(), base.Rect("chartRect", "initial")[2].toInt());
    EXPECT_LT(shadow.Rect("chartRect", "initial")[3].toInt(), base.Rect("chartRect", "initial")[3].toInt());
    EXPECT_LT(qGray(shadow.Image.pixel(770, 580)), qGray(base.Image.pixel(770, 580)));

    // Larger axis titles push the plot area in from the left and the bottom.
    const TFrame big = RenderFrame({"--y-title", "Volts", "--axis-font", "Serif,30,bold"});
    EXPECT_GT(big.Rect("chartRect", "final")[0].toInt(), base.Rect("chartRect", "final")[0].toInt());
    EXPECT_LT(big.Rect("chartRect", "final")[3].toInt(), base.Rect("chartRect", "final")[3].toInt());
}

TEST(RenderCommand, BadStylingValuesFailWithoutWriting)
{
    const QStringList bad[] = {
        {"--series", "2:name=x"}, // there are two series
        {"--series", "-1:name=x"},     {"--series", "x:name=a"},       {"--series", "0"},
        {"--series", "0:bogus=1"},     {"--series", "0:width=0"},      {"--series", "0:width=101"},
        {"--series", "0:width=x"},     {"--series", "0:marker-size=0"}, {"--series", "0:style=wavy"},
        {"--series", "0:visible=yes"}, {"--series", "0:color=red"},    {"--series", "0:marker-style=star"},
        {"--legend", "middle"},        {"--wall-color", "#GG0000"},    {"--wall-color", "00FF00"},
        {"--axis-font", "Serif"},      {"--axis-font", "Serif,0"},     {"--axis-font", "Serif,12,underline"},
        {"--series"},                  {"--legend"},
    };
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    for (const QStringList& flags : bad) {
        const TRun run = Render(QStringList{"-", "-o", out} + flags, "X,A,B\n0,1,5\n10,9,2\n");
        EXPECT_EQ(run.ExitCode, 1) << flags.join(' ').toUtf8().constData();
        EXPECT_TRUE(run.Err.contains("plotvane-render: ")) << run.Err.constData();
        EXPECT_FALSE(QFile::exists(out)) << flags.join(' ').toUtf8().constData();
    }
}

// Every export format by its extension, opened by an independent reader:
// Qt for the bitmaps, librsvg for SVG, poppler for PDF (installed by the
// set-up script).
TEST(RenderCommand, WritesEachFormatByExtensionAndOthersOpenIt)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("d.csv"));
    QFile f(data);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("時間,電圧\n0,1\n1,3\n2,2\n");
    f.close();
    const QString size = QStringLiteral("320x240");
    auto Out = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };

    for (const char* name : {"c.bmp", "c.PNG"}) {
        const TRun run = Render({data, QStringLiteral("-o"), Out(name), QStringLiteral("--size"), size});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
        EXPECT_EQ(QImage(Out(name)).size(), QSize(320, 240)) << name;
    }

    ASSERT_EQ(Render({data, QStringLiteral("-o"), Out("c.svg"), QStringLiteral("--size"), size}).ExitCode, 0);
    QProcess rsvg;
    rsvg.start(QStringLiteral("rsvg-convert"), {Out("c.svg"), QStringLiteral("-o"), Out("svg.png")});
    ASSERT_TRUE(rsvg.waitForFinished(60000)) << "rsvg-convert (librsvg2-bin) is needed";
    EXPECT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().constData();
    EXPECT_EQ(QImage(Out("svg.png")).size(), QSize(320, 240));

    ASSERT_EQ(Render({data, QStringLiteral("-o"), Out("c.Pdf"), QStringLiteral("--size"), size}).ExitCode, 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {Out("c.Pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    EXPECT_EQ(text.exitCode(), 0);
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(words.contains(QStringLiteral("電圧"))) << words.toStdString();
    QProcess page;
    page.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), Out("c.Pdf"), Out("pdf")});
    ASSERT_TRUE(page.waitForFinished(60000));
    EXPECT_EQ(QImage(Out("pdf.png")).size(), QSize(320, 240));

    // Any other extension is refused before anything is written.
    const TRun bad = Render({data, QStringLiteral("-o"), Out("c.jpg")});
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_TRUE(bad.Err.contains(".pdf")) << bad.Err.constData();
    EXPECT_FALSE(QFile::exists(Out("c.jpg")));
}

// 0.25 to 0.75 plot as 250 to 750: with the flag the titles say "m" (and "M"
// for the frequencies), and the left title, empty before, takes its band.
TEST(RenderCommand, PrefixInTitlesFlag)
{
    QTemporaryDir dir;
    const QByteArray data = "Frequency (Hz),V\n1000000,0.25\n2000000,0.75\n";
    auto Run = [&](const QStringList& flags) {
        const QString layout = dir.filePath(QStringLiteral("p.json"));
        TRun run = Render(QStringList{"-", "--describe", "--summary", "--layout", layout} + flags, data);
        EXPECT_EQ(run.ExitCode, 0) << run.Err.constData();
        QFile f(layout);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        return std::make_pair(Json(run)["xTitle"].toString(), o["chartRect"].toObject()["final"].toArray()[0].toInt());
    };
    const auto [PlainTitle, PlainLeft] = Run({});
    EXPECT_EQ(PlainTitle, QStringLiteral("Frequency (Hz)"));
    const auto [Title, Left] = Run({QStringLiteral("--prefix-in-titles")});
    EXPECT_EQ(Title, QStringLiteral("Frequency (Hz) [M]"));
    EXPECT_GT(Left, PlainLeft);
    EXPECT_TRUE(Render({QStringLiteral("--help")}).Out.contains("--prefix-in-titles"));
}
