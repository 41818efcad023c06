#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    TRun run = Render({QStringLiteral("--describe"), QStringLiteral("-")}, "1,2\n3,4,5\n");
    ASSERT_EQ(run.ExitCode, 0);
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

    run = Render({QStringLiteral("--describe"), QStringLiteral("-")}, "");
    o = Json(run);
    EXPECT_TRUE(o["delimiter"].isNull());
    EXPECT_TRUE(o["error"].isNull());
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
    TRun run = Render({QStringLiteral("-"), QStringLiteral("--layout"), layout, QStringLiteral("--no-autosize"),
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
