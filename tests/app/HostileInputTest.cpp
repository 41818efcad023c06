// Inputs given carelessly or with intent: each ends in a chart or a message,
// never in a hang, an abort or a replaced file.

#include "app/DataErrors.h"
#include "app/DataImport.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct TRun {
    bool Finished = false;
    bool Crashed = false;
    int ExitCode = -1;
    QString Err;
};

// The sanitizers reserve terabytes of address space: no limit can be set.
bool UnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

// plotvane-render with its address space limited (where it can be), so that
// a run reading without end fails fast instead of taking the machine's memory.
TRun Render(const QStringList& args, const QByteArray& input = {}, rlim_t memory = rlim_t(3) << 30,
            int timeoutMs = 60000)
{
    QProcess p;
    if (!UnderAddressSanitizer()) {
        p.setChildProcessModifier([memory] {
            const rlimit limit{memory, memory};
            setrlimit(RLIMIT_AS, &limit);
        });
    }
    p.start(QStringLiteral(PLOTVANE_RENDER), args);
    p.write(input);
    p.closeWriteChannel();
    TRun run;
    run.Finished = p.waitForFinished(timeoutMs);
    if (!run.Finished) {
        p.kill();
        p.waitForFinished();
    }
    run.Crashed = p.exitStatus() != QProcess::NormalExit;
    run.ExitCode = p.exitCode();
    run.Err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

QByteArray Columns(int cells)
{
    QByteArray line = "x";
    for (int i = 1; i < cells; ++i)
        line += ",c" + QByteArray::number(i);
    line += '\n';
    for (int row = 0; row < 3; ++row) {
        line += QByteArray::number(row);
        for (int i = 1; i < cells; ++i)
            line += ',' + QByteArray::number(i + row);
        line += '\n';
    }
    return line;
}

} // namespace

TEST(HostileInput, AFirstLineOfTooManyCellsIsADataErrorNamingTheLimit)
{
    TChart chart;
    TDataImport import;
    EXPECT_TRUE(import.PasteText(chart, QString::fromLatin1(Columns(10000))));
    EXPECT_EQ(chart.SeriesCount(), 9999);
    EXPECT_EQ(chart.GetSeries(9998)->Title(), "c9999");

    // A line of commas gives no series at all, and says why.
    import.DataList.SetText(QByteArray(150000, ','));
    try {
        import.BuildChart(chart);
        ADD_FAILURE() << "150,001 cells were taken";
    } catch (const EDataError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("10,000"))) << e.what();
    }
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_FALSE(import.PasteText(chart, QString::fromLatin1(Columns(10001))));
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(HostileInput, ManySeriesComeAndGoWithoutSearchingTheList)
{
    // A list that searched or regrew itself on every change took minutes here.
    TChart chart;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 2; ++round) {
        std::vector<TChartSeries*> series;
        for (int i = 0; i < 100000; ++i) {
            auto* s = new TChartSeries(&chart);
            chart.AddSeries(s);
            series.push_back(s);
        }
        ASSERT_EQ(chart.SeriesCount(), 100000);
        for (int i = 0; i < 100000; i += 997)
            ASSERT_EQ(chart.SeriesList()->IndexOf(series[size_t(i)]), i);
        // A few from the front and the middle, then the rest from the back
        // as the import removes them.
        for (int i = 0; i < 100; ++i) {
            delete series[size_t(i)];
            delete series[size_t(50000 + i)];
        }
        EXPECT_EQ(chart.SeriesList()->IndexOf(series[77777]), 77777 - 200);
        EXPECT_EQ(chart.GetSeries(0), series[100]);
        EXPECT_EQ(chart.SeriesList()->IndexOf(series[50000]), -1);
        for (int i = 99999; i >= 0; --i)
            if (i >= 50100 || (i >= 100 && i < 50000))
                delete series[size_t(i)];
        EXPECT_EQ(chart.SeriesCount(), 0);
    }
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(HostileInput, TenThousandColumnsLoadAndDrawInAboutASecond)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("wide.png"));
    QElapsedTimer timer;
    timer.start();
    const TRun run = Render({QStringLiteral("-"), QStringLiteral("-o"), out}, Columns(10000));
    const qint64 elapsed = timer.elapsed();
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(QFile::exists(out));
    // About a second on a quiet machine; the bound leaves room for a busy one.
    EXPECT_LT(elapsed, 8000);
}

TEST(HostileInput, HeaderTitlesAreCutButTheDataIsNot)
{
    TChart chart;
    TDataImport import;
    const QByteArray huge(100000, 'a');
    ASSERT_TRUE(import.PasteText(chart, QString::fromLatin1(huge + ',' + huge + "\n1,2\n")));
    const QString expected = QString(1023, u'a') + QChar(0x2026);
    EXPECT_EQ(chart.GetSeries(0)->Title(), expected);
    EXPECT_EQ(import.SeriesNames(), QStringList({expected}));
    EXPECT_EQ(chart.BottomAxis()->Title()->Caption(), expected);
    EXPECT_EQ(import.DataList.LineText(0).size(), 200001);

    // Short titles stay whole; a character outside the BMP is kept whole or not at all.
    ASSERT_TRUE(import.PasteText(chart, QStringLiteral("x,") + QString(1024, u'b') + QStringLiteral("\n1,2\n")));
    EXPECT_EQ(chart.GetSeries(0)->Title(), QString(1024, u'b'));
    const QString smiles = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(600);
    ASSERT_TRUE(import.PasteText(chart, QStringLiteral("x,") + smiles + QStringLiteral("\n1,2\n")));
    const QString cut = chart.GetSeries(0)->Title();
    EXPECT_EQ(cut, smiles.left(1022) + QChar(0x2026));
}

TEST(HostileInput, DevicesPipesAndHugeFilesAreRefusedBeforeTheyAreRead)
{
    QTemporaryDir dir;
    TRun run = Render({QStringLiteral("--describe"), QStringLiteral("/dev/zero")});
    ASSERT_TRUE(run.Finished);
    EXPECT_FALSE(run.Crashed);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("/dev/zero"))) << run.Err.toStdString();

    // Nobody writes to the pipe: opening it must not wait.
    const QString fifo = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    run = Render({QStringLiteral("--describe"), fifo}, {}, rlim_t(3) << 30, 20000);
    ASSERT_TRUE(run.Finished);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(fifo)) << run.Err.toStdString();

    // A sparse file one byte over the limit takes no disk and is never read.
    const QString big = dir.filePath(QStringLiteral("big.csv"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1,2\n");
    ASSERT_TRUE(file.resize(TDataImport::MaxDataBytes + 1));
    file.close();
    QElapsedTimer timer;
    timer.start();
    run = Render({QStringLiteral("--describe"), big});
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(big)) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QStringLiteral("1,073,741,824"))) << run.Err.toStdString();

    // The window's way in says the same.
    TChart chart;
    TDataImport import;
    try {
        import.OpenFile(chart, QStringLiteral("/dev/zero"));
        ADD_FAILURE() << "/dev/zero was read";
    } catch (const EFileError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("/dev/zero")));
    }
}

TEST(HostileInput, RunningOutOfMemoryIsAMessageAndAFailure)
{
    if (UnderAddressSanitizer())
        GTEST_SKIP() << "needs an address space limit";
    // Good data, more of it than 400 MB of address space holds once parsed.
    QByteArray text;
    text.reserve(100 << 20);
    while (text.size() < (100 << 20))
        text += "1.25,2.5,3.75,4.125\n";
    const TRun run = Render({QStringLiteral("--describe"), QStringLiteral("--summary"), QStringLiteral("-")}, text,
                            rlim_t(400) << 20);
    ASSERT_TRUE(run.Finished);
    EXPECT_FALSE(run.Crashed) << run.Err.toStdString();
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("メモリが足りません"))) << run.Err.toStdString();
}

// The address space this process has mapped, in bytes.
rlim_t MappedBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return rlim_t(line.mid(7).trimmed().split(' ').value(0).toULongLong()) * 1024;
    return 0;
}

// Loads a text too large for the memory left and exits with 0 when the load
// failed as out of memory and the chart before it is back.
[[noreturn]] void LoadBeyondMemory()
{
    TChart chart;
    TDataImport import;
    if (!import.PasteText(chart, QStringLiteral("x,a,b\n1,2,3\n2,4,6\n")))
        std::_Exit(2);
    QString big;
    big.reserve(8 << 20);
    while (big.size() < (8 << 20) - 8)
        big += QStringLiteral("1,2,3\n");
    big = big.repeated(6);
    // Room for little more than what the process has.
    const rlim_t room = MappedBytes() + (rlim_t(200) << 20);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    bool outOfMemory = false;
    try {
        import.PasteText(chart, big);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    const bool kept = chart.SeriesCount() == 2 && chart.GetSeries(1)->Title() == u"b"
        && chart.GetSeries(1)->Count() == 2 && chart.BottomAxis()->Title()->Caption() == u"x"
        && import.DataList.Count() == 3 && import.SeriesNames() == QStringList({"a", "b"});
    std::_Exit(!outOfMemory ? 3 : kept ? 0 : 4);
}

TEST(HostileInput, RunningOutOfMemoryInALoadKeepsThePreviousChart)
{
    if (UnderAddressSanitizer())
        GTEST_SKIP() << "needs an address space limit";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(LoadBeyondMemory(), ::testing::ExitedWithCode(0), "");
}

TEST(HostileInput, AFailedImportWritesNoPicture)
{
    QTemporaryDir dir;
    const QString e = dir.filePath(QStringLiteral("e.csv"));
    const QString old = dir.filePath(QStringLiteral("old.png"));
    const QString layout = dir.filePath(QStringLiteral("old.json"));
    for (const auto& [path, bytes] : {std::pair{e, QByteArray("x,a\n1,2,3\n")}, std::pair{old, QByteArray("picture")},
                                      std::pair{layout, QByteArray("layout")}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const TRun run = Render({e, QStringLiteral("-o"), old, QStringLiteral("--layout"), layout});
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Err.contains(TDataImport::ImportErrorText)) << run.Err.toStdString();
    for (const auto& [path, bytes] : {std::pair{old, QByteArray("picture")}, std::pair{layout, QByteArray("layout")}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bytes);
    }
}
