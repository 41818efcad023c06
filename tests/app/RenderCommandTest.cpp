#include <QFile>
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
