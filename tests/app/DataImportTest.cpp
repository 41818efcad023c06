#include "app/DataErrors.h"
#include "app/DataImport.h"
#include "chart/panel/Chart.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesPointer.h"
#include "core/TextCodec.h"

#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

Points PointsOf(TChart& chart, int index)
{
    Points out;
    TChartSeries* s = chart.GetSeries(index);
    for (int i = 0; i < s->Count(); ++i)
        out.emplace_back(s->GetxValue(i), s->GetyValue(i));
    return out;
}

class DataImport : public ::testing::Test {
protected:
    TChart Chart;
    TDataImport Import;

    bool Paste(const char* text) { return Import.PasteText(Chart, QString::fromUtf8(text)); }

    QString WriteFile(const QByteArray& bytes)
    {
        const QString path = Dir.filePath(QStringLiteral("data%1.csv").arg(++FileCount));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

private:
    QTemporaryDir Dir;
    int FileCount = 0;
};

} // namespace

TEST_F(DataImport, HeaderRowNamesTheSeriesAndTheXAxis)
{
    Import.AutoSize = false;
    ASSERT_TRUE(Paste("X,Y1,Y2\n1,10,40\n2,20,50\n"));
    EXPECT_EQ(Import.Delimiter(), ',');
    EXPECT_EQ(Import.LineCount, 2);
    ASSERT_EQ(Chart.SeriesCount(), 2);
    EXPECT_EQ(Chart.GetSeries(0)->Title(), "Y1");
    EXPECT_EQ(Chart.GetSeries(1)->Title(), "Y2");
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), "X");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 10}, {2, 20}}));
    EXPECT_EQ(PointsOf(Chart, 1), Points({{1, 40}, {2, 50}}));
    EXPECT_EQ(Import.SeriesNames(), QStringList({"Y1", "Y2"}));
    EXPECT_EQ(Import.SelectedSeries(), 0);
    // Every series gets a visible circle pointer of size 2 and the next palette colour.
    auto* line = dynamic_cast<TLineSeries*>(Chart.GetSeries(1));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->Pointer()->Visible());
    EXPECT_EQ(line->Pointer()->Size(), 2);
    EXPECT_EQ(line->Pointer()->Style(), psCircle);
    EXPECT_EQ(Chart.GetSeries(0)->SeriesColor(), 0xA36644u);
    EXPECT_EQ(Chart.GetSeries(1)->SeriesColor(), 0x359CF3u);
}

TEST_F(DataImport, NumericFirstLineNamesSeriesNoNAndKeepsTheXTitle)
{
    Chart.BottomAxis()->Title()->SetCaption(QStringLiteral("before"));
    ASSERT_TRUE(Paste("1\t10\t5\t7\n2\t20\t6\t8"));
    EXPECT_EQ(Import.Delimiter(), '\t');
    EXPECT_EQ(Import.SeriesNames(), QStringList({"No0", "No1", "No2"}));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), "before");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 10}, {2, 20}}));
}

TEST_F(DataImport, ExcessNumberFailsAfterThePointsBeforeIt)
{
    EXPECT_FALSE(Paste("1,2,3\n4,5,6,7\n8,9,10"));
    ASSERT_EQ(Chart.SeriesCount(), 2);
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 2}, {4, 5}}));
    EXPECT_EQ(PointsOf(Chart, 1), Points({{1, 3}, {4, 6}}));
    EXPECT_EQ(Import.SeriesNames(), QStringList({"No0", "No1"}));
    EXPECT_EQ(Import.SelectedSeries(), -1);
    // The scan had run over every line before the failure.
    EXPECT_FALSE(Import.StatusText().isEmpty());
    // A manual factor rebuild has no guard: the failure reaches the caller.
    Import.AutoSize = false;
    EXPECT_THROW(Import.ApplyXmag(Chart, QStringLiteral("2")), EDataError);
}

TEST_F(DataImport, CellsThatAreNotNumbersArePassedOver)
{
    EXPECT_TRUE(Paste("1,2,3\n4,5,6,"));
    EXPECT_TRUE(Paste("1,,3"));
    EXPECT_EQ(Chart.GetSeries(0)->Count(), 0);
    EXPECT_EQ(PointsOf(Chart, 1), Points({{1, 3}}));
    // A second line with another delimiter is a single non-numeric cell.
    EXPECT_TRUE(Paste("1\t2\n3,4"));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 2}}));
    // A short line feeds only the series it has cells for; junk excess cells are fine.
    EXPECT_TRUE(Paste("1,2,3\n4,5\n6,7,8,x,\"\""));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 2}, {4, 5}, {6, 7}}));
    EXPECT_EQ(PointsOf(Chart, 1), Points({{1, 3}, {6, 8}}));
}

TEST_F(DataImport, EmptyAndQuotedHeaderCells)
{
    EXPECT_TRUE(Paste("X,,Y2\n1,2,3"));
    EXPECT_EQ(Import.SeriesNames(), QStringList({"", "Y2"}));
    EXPECT_EQ(Chart.GetSeries(0)->Title(), "");
    EXPECT_TRUE(Paste("\"Time, s\",\"V \"\"a\"\"\"\n1,2"));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), "Time, s");
    EXPECT_EQ(Chart.GetSeries(0)->Title(), "V \"a\"");
}

// An empty paste, an empty file and lines that are all empty or blank are
// one case: no data, and nothing changes.
TEST_F(DataImport, TextWithoutDataLeavesEverythingAsItWas)
{
    ASSERT_TRUE(Paste("X,A\n1,2"));
    EXPECT_FALSE(Import.NoData());
    const QString status = Import.StatusText();
    const int scans = Import.ScanCount();
    auto unchanged = [&](const char* what) {
        EXPECT_TRUE(Import.NoData()) << what;
        EXPECT_EQ(Chart.SeriesCount(), 1) << what;
        EXPECT_EQ(Chart.GetSeries(0)->Count(), 1) << what;
        EXPECT_EQ(Import.DataList.Count(), 2) << what;
        EXPECT_EQ(Import.SeriesNames(), QStringList({"A"})) << what;
        EXPECT_EQ(Import.SelectedSeries(), 0) << what;
        EXPECT_EQ(Import.StatusText(), status) << what;
        EXPECT_EQ(Import.ScanCount(), scans) << what;
    };
    EXPECT_TRUE(Paste(""));
    unchanged("empty paste");
    EXPECT_TRUE(Paste("\n\n\n"));
    unchanged("empty lines");
    EXPECT_TRUE(Import.OpenFile(Chart, WriteFile("")));
    unchanged("empty file");
    EXPECT_TRUE(Import.OpenFile(Chart, WriteFile("\r\n  \t\r\n\n")));
    unchanged("blank lines");
    EXPECT_TRUE(Import.OpenFile(Chart, WriteFile("\xEF\xBB\xBF")));
    unchanged("a byte-order mark alone");
    ASSERT_TRUE(Paste("X,B\n3,4"));
    EXPECT_FALSE(Import.NoData());
    EXPECT_EQ(Import.SeriesNames(), QStringList({"B"}));
}

TEST_F(DataImport, BlankFirstLineGivesNoSeriesThenFails)
{
    EXPECT_FALSE(Paste("   \n1,5"));
    EXPECT_EQ(Chart.SeriesCount(), 0);
    EXPECT_EQ(Import.LineCount, 0);
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), "   ");
}

TEST_F(DataImport, RowsOutOfOrderAreStoredSortedByX)
{
    Import.AutoSize = false;
    ASSERT_TRUE(Paste("3,30\n1,10\n2,20\n1,11"));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 10}, {1, 11}, {2, 20}, {3, 30}}));
}

TEST_F(DataImport, AutomaticMagnificationScalesThePoints)
{
    ASSERT_TRUE(Paste("1500,0.0042\n2500,-0.001"));
    EXPECT_EQ(Import.xtani, "K");
    EXPECT_EQ(Import.xmag, 0.001);
    EXPECT_EQ(Import.ytani, "m");
    EXPECT_EQ(Import.ymag, 1000);
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1.5, 4.2}, {2.5, -1}}));
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("自動倍率　X軸= 0.001　単位 [ K ]   Y軸= 1,000　単位 [ m ]"));

    // The header contributes nothing; every Y cell counts.
    ASSERT_TRUE(Paste("X,Y\n1,5000"));
    EXPECT_EQ(Import.ymag, 0.001);
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 5}}));

    ASSERT_TRUE(Paste("X,Y\nx,y"));
    EXPECT_EQ(Import.StatusText(),
              QString::fromUtf8("自動倍率　X軸= 1　単位 [  ]   Y軸= 1　単位 [  ]") + TDataImport::NoNumberNote);
}

// Off-state currents and values beyond the tera band get their prefixes: the
// axis shows 20 .. 240 and 15 .. 30, and the status bar says so.
TEST_F(DataImport, FemtoAndPetaMagnify)
{
    ASSERT_TRUE(Paste("V,I\n0,2e-14\n1,2.4e-13"));
    EXPECT_EQ(Import.ytani, "f");
    const Points Currents = PointsOf(Chart, 0);
    ASSERT_EQ(Currents.size(), 2u);
    EXPECT_DOUBLE_EQ(Currents[0].second, 20);
    EXPECT_DOUBLE_EQ(Currents[1].second, 240);
    EXPECT_TRUE(Import.StatusText().endsWith(QString::fromUtf8("　単位 [ f ]"))) << Import.StatusText().toStdString();

    ASSERT_TRUE(Paste("1.5e16,1\n3e16,2"));
    EXPECT_EQ(Import.xtani, "P");
    const Points Big = PointsOf(Chart, 0);
    ASSERT_EQ(Big.size(), 2u);
    EXPECT_DOUBLE_EQ(Big[0].first, 15);
    EXPECT_DOUBLE_EQ(Big[1].first, 30);
    EXPECT_TRUE(Import.StatusText().startsWith(QString::fromUtf8("自動倍率　X軸= 0.000000000000001　単位 [ P ]")))
        << Import.StatusText().toStdString();
}

// Dates as X, a common spreadsheet paste: nothing can be plotted, and the
// status says why after the magnification text.
TEST_F(DataImport, NoNumberInTheFirstColumnIsSaid)
{
    ASSERT_TRUE(Paste("Date,Value\n2024/01/04,5\n2024/01/05,6\n"));
    EXPECT_EQ(Chart.GetSeries(0)->Count(), 0);
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("自動倍率　X軸= 1　単位 [  ]   Y軸= 1　単位 [  ]")
                                       + TDataImport::NoNumberNote);
    // A header alone, or numbers in the first column, say nothing of it.
    ASSERT_TRUE(Paste("Date,Value\n"));
    EXPECT_FALSE(Import.StatusText().endsWith(TDataImport::NoNumberNote));
    ASSERT_TRUE(Paste("X,Y\n1,a\n"));
    EXPECT_FALSE(Import.StatusText().endsWith(TDataImport::NoNumberNote));

    // Without the automatic scan the note comes alone, and goes with the
    // next load that has numbers.
    Import.AutoSize = false;
    const int Before = Import.ScanCount();
    ASSERT_TRUE(Paste("Date,Value\n2024/01/04,5\n"));
    EXPECT_EQ(Import.StatusText(), TDataImport::NoNumberNote);
    EXPECT_NE(Import.ScanCount(), Before);
    ASSERT_TRUE(Paste("X,Y\n1,2\n"));
    EXPECT_TRUE(Import.StatusText().isEmpty());
}

TEST_F(DataImport, ManualFactorsWhileAutoSizeIsOff)
{
    Import.AutoSize = false;
    ASSERT_TRUE(Paste("1500,3\n2500,4"));
    EXPECT_EQ(Import.xmag, 1);
    EXPECT_TRUE(Import.StatusText().isEmpty());
    EXPECT_TRUE(Import.ApplyXmag(Chart, QStringLiteral("2")));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{3000, 3}, {5000, 4}}));
    EXPECT_FALSE(Import.ApplyYmag(Chart, QStringLiteral("abc")));
    EXPECT_EQ(Import.ymag, 1);
    EXPECT_EQ(PointsOf(Chart, 0), Points({{3000, 3}, {5000, 4}}));
    EXPECT_TRUE(Import.ApplyYmag(Chart, QStringLiteral("-0.5")));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{3000, -1.5}, {5000, -2}}));
    // A new load starts again at factor 1.
    ASSERT_TRUE(Paste("1500,3"));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1500, 3}}));
}

TEST_F(DataImport, FilesDecodeByUtf8ThenByMarkOrCodePage)
{
    // UTF-16 LE with its mark.
    const QByteArray utf16 = TextCodec::Encode(QString::fromUtf8("時間,電圧\r\n1,2\r\n"), TextCodec::teUtf16LE, true);
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile(utf16)));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), QString::fromUtf8("時間"));
    EXPECT_EQ(Chart.GetSeries(0)->Title(), QString::fromUtf8("電圧"));

    // UTF-8 with a mark: the mark is not part of the X title.
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile("\xEF\xBB\xBFT,V\n1,2\n")));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), "T");

    // Not UTF-8 and no mark: the C locale's legacy code page, CP1252.
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile("caf\xE9,\xB5V\n1,2\n")));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), QString::fromUtf8("café"));
    EXPECT_EQ(Chart.GetSeries(0)->Title(), QString::fromUtf8("µV"));
}

// Bytes without a mark that are plainly something else than the legacy code
// page: Japanese CP932 under C.UTF-8 (whose page is CP1252), UTF-16 of either
// byte order. A file, standard input and a paste's raw bytes read the same.
TEST_F(DataImport, UnmarkedJapaneseAndUtf16FilesLoad)
{
    const QString text = QString::fromUtf8("時間,電圧(V)\r\n0,1.5\r\n1,2.5\r\n");
    const QByteArray cp932("\x8E\x9E\x8A\xD4,\x93\x64\x88\xB3(V)\r\n0,1.5\r\n1,2.5\r\n");
    for (const QByteArray& bytes : {cp932, TextCodec::Encode(text, TextCodec::teUtf16LE, false),
                                    TextCodec::Encode(text, TextCodec::teUtf16BE, false)}) {
        ASSERT_TRUE(Import.OpenFile(Chart, WriteFile(bytes)));
        EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), QString::fromUtf8("時間"));
        EXPECT_EQ(Import.SeriesNames(), QStringList({QString::fromUtf8("電圧(V)")}));
        EXPECT_EQ(PointsOf(Chart, 0), Points({{0, 1.5}, {1, 2.5}}));
        EXPECT_EQ(TDataImport::DecodeDataBytes(bytes), text);
        Import.DataList.Clear();
        Import.LoadDataFile(WriteFile(bytes));
        EXPECT_EQ(Import.DataList.Count(), 3);
    }
    // ASCII in UTF-16 is valid UTF-8 too: its zero bytes still tell it.
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile(TextCodec::Encode(u"X,Y\r\n3,4\r\n", TextCodec::teUtf16LE, false))));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{3, 4}}));
    // UTF-8 stays UTF-8, its mark skipped.
    EXPECT_EQ(TDataImport::DecodeDataBytes("\xEF\xBB\xBFX,\xC2\xB5V"), QString::fromUtf8("X,µV"));

    // Raw bytes of a paste that are not UTF-8 are decoded by the same rule;
    // Qt's own text is kept while they are.
    QMimeData pasted;
    pasted.setData(QStringLiteral("text/plain"), cp932);
    EXPECT_EQ(TDataImport::TextOfMimeData(&pasted), text);
    pasted.setText(QString::fromUtf8("時間,1"));
    EXPECT_EQ(TDataImport::TextOfMimeData(&pasted), QString::fromUtf8("時間,1"));
    EXPECT_TRUE(TDataImport::TextOfMimeData(nullptr).isEmpty());
}

TEST_F(DataImport, UnreadableFileThrowsAndLeavesEverythingAsItWas)
{
    ASSERT_TRUE(Paste("1,2"));
    Import.xmag = 2.0;
    EXPECT_THROW(Import.OpenFile(Chart, QStringLiteral("/nonexistent/plotvane.csv")), EFileError);
    EXPECT_EQ(Chart.SeriesCount(), 1);
    EXPECT_EQ(Import.DataList.Count(), 1);
    EXPECT_EQ(Import.SeriesNames(), QStringList({"No0"}));
    EXPECT_EQ(Import.xmag, 2.0);
}

TEST_F(DataImport, RebuildFromTheSameLinesGivesTheSameSeries)
{
    ASSERT_TRUE(Paste("a,b,c\n2,1,1e3\n1,2,2e3"));
    const Points before = PointsOf(Chart, 1);
    Import.BuildChart(Chart);
    EXPECT_EQ(Chart.SeriesCount(), 2);
    EXPECT_EQ(PointsOf(Chart, 1), before);
}

// Run under LANG=ja_JP.UTF-8: a Shift-JIS file loads through the fallback.
TEST_F(DataImport, LocaleJaShiftJisHeadersLoad)
{
    QString text = QString::fromUtf8("時間,電圧1,電流\r\n0,1.5,2\r\n1,2.5,3\r\n");
    QString decoded;
    QByteArray sjis;
    bool lossless = false;
    sjis = TextCodec::Encode(text, TextCodec::teAnsi, false, &lossless);
    ASSERT_TRUE(lossless);
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile(sjis)));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), QString::fromUtf8("時間"));
    EXPECT_EQ(Import.SeriesNames(), QStringList({QString::fromUtf8("電圧1"), QString::fromUtf8("電流")}));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{0, 1.5}, {1, 2.5}}));
}

// Run under LANG=de_DE.UTF-8: accented Latin headers of CP1252 files read as
// CP1252, though some of their bytes are CP932 pairs (E9 72 in Température).
TEST_F(DataImport, LocaleDeAccentedLatinFilesStayCp1252)
{
    for (const char* word : {"Température", "Größe", "Ångström", "Çà", "µs", "°C", "naïve", "Général", "élan"}) {
        const QString title = QString::fromUtf8(word);
        bool lossless = false;
        const QByteArray bytes = TextCodec::Encode(QStringLiteral("Zeit\t%1\r\n1\t2\r\n").arg(title),
                                                   TextCodec::teAnsi, false, &lossless);
        ASSERT_TRUE(lossless);
        ASSERT_TRUE(Import.OpenFile(Chart, WriteFile(bytes)));
        EXPECT_EQ(Import.SeriesNames(), QStringList({title})) << word;
    }
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile("\x8E\x9E\x8A\xD4\t\x93\x64\x88\xB3\r\n1\t2\r\n")));
    EXPECT_EQ(Import.SeriesNames(), QStringList({QString::fromUtf8("電圧")}));
}

// Run under LANG=de_DE.UTF-8: the comma is the decimal separator.
TEST_F(DataImport, LocaleDeDecimalCommaInATabFile)
{
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile("t\tU\n1,5\t2500\n2,5\t3000\n")));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1.5, 2.5}, {2.5, 3}}));
    ASSERT_TRUE(Paste("0,0000000042\t1"));
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("自動倍率　X軸= 1.000.000.000　単位 [ n ]   Y軸= 1　単位 [  ]"));
}

// A comma-separated file of decimal points under a decimal-comma locale: the
// whole numbers of its first column read either way, so its other cells
// decide, and every one of them reads.
TEST_F(DataImport, LocaleDeACommaFileOfDecimalPointsReadsEveryCell)
{
    Import.AutoSize = false;
    ASSERT_TRUE(Paste("n,a,b\n1,0.5,10\n2,1.5,20\n3,2.25,30\n"));
    EXPECT_EQ(Import.Decimal(), ".");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 0.5}, {2, 1.5}, {3, 2.25}}));
    EXPECT_EQ(Import.Skipped().Cells(), 0);
    // Whole numbers only, or quoted decimal commas: the region's comma stays.
    ASSERT_TRUE(Paste("n,a\n1,5\n2,6\n"));
    EXPECT_EQ(Import.Decimal(), ",");
    ASSERT_TRUE(Paste("n,a\n1,\"0,5\"\n2,\"1,5\"\n"));
    EXPECT_EQ(Import.Decimal(), ",");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1, 0.5}, {2, 1.5}}));
}

// A European spreadsheet's tab-separated decimal commas read under a locale
// of decimal points; the status bar says which separator was used.
TEST_F(DataImport, TheOtherDecimalSeparatorReadsWhenTheRegionalOneReadsNothing)
{
    ASSERT_TRUE(Paste("t\tU\n1,5\t2,25\n2,5\t3\n"));
    EXPECT_EQ(Import.Decimal(), ",");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1.5, 2.25}, {2.5, 3}}));
    EXPECT_TRUE(Import.StatusText().endsWith(QString::fromUtf8("（小数点「,」で読み込み）"))) << Import.StatusText().toStdString();

    // A later line the comma does not read keeps the regional separator, and
    // so does a first column the regional separator reads once.
    ASSERT_TRUE(Paste("t\tU\n1,5\t2\nabc\t3\n"));
    EXPECT_EQ(Import.Decimal(), ".");
    EXPECT_EQ(Chart.GetSeries(0)->Count(), 0);
    EXPECT_TRUE(Import.StatusText().endsWith(TDataImport::NoNumberNote));

    // Mixed: the regional point reads the first line, so the cells and the
    // line written with commas are passed over, and counted.
    ASSERT_TRUE(Paste("1.5\t2,5\t7\n2,5\t3\t8\n3.5\t4\t9\n"));
    EXPECT_EQ(Import.Decimal(), ".");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{3.5, 4}}));
    EXPECT_EQ(PointsOf(Chart, 1), Points({{1.5, 7}, {3.5, 9}}));
    EXPECT_EQ(Import.Skipped().OtherDecimal, 1);
    EXPECT_EQ(Import.Skipped().Lines, 1);
    EXPECT_TRUE(Import.StatusText().endsWith(QString::fromUtf8("（読み飛ばし: 1 セル、1 行）"))) << Import.StatusText().toStdString();

    // Texts the regional separator reads say nothing more than before.
    ASSERT_TRUE(Paste("X,Y\n1.5,2\n2,3\n"));
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("自動倍率　X軸= 1　単位 [  ]   Y軸= 1　単位 [  ]"));
}

TEST_F(DataImport, CellsPassedOverAreCountedByReason)
{
    ASSERT_TRUE(Paste("X,A,B\n1,1e400,nan\n2,inf,-Infinity\n3,abc,\n4,5,  \n,\n,,\nfoo,1\n5,6,-1E+999\n"));
    const TDataImport::TSkipped& s = Import.Skipped();
    EXPECT_EQ(s.BeyondDouble, 2);
    EXPECT_EQ(s.NanOrInf, 3);
    EXPECT_EQ(s.Text, 1);
    EXPECT_EQ(s.OtherDecimal, 0);
    EXPECT_EQ(s.Cells(), 6);
    // Rows of delimiters are empty rows, not data passed over.
    EXPECT_EQ(s.Lines, 1);
    EXPECT_EQ(PointsOf(Chart, 0), Points({{4, 5}, {5, 6}}));
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("自動倍率　X軸= 1　単位 [  ]   Y軸= 1　単位 [  ]（読み飛ばし: 6 セル、1 行）"));

    // Without the automatic scan the notes come alone and go with the next
    // load that passes over nothing.
    Import.AutoSize = false;
    ASSERT_TRUE(Paste("1,x\n"));
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("（読み飛ばし: 1 セル）"));
    ASSERT_TRUE(Paste("1,2\n"));
    EXPECT_TRUE(Import.StatusText().isEmpty());
    EXPECT_EQ(Import.Skipped().Cells(), 0);
}

// Run under LANG=de_DE.UTF-8: decimal points read when the comma reads no
// first cell, in a semicolon-free comma-separated file as other programs write it.
TEST_F(DataImport, LocaleDeDecimalPointsReadWhenTheCommaReadsNothing)
{
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile("t,U\n1.5,2.25\n2.5,3\n")));
    EXPECT_EQ(Import.Decimal(), ".");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1.5, 2.25}, {2.5, 3}}));
    EXPECT_TRUE(Import.StatusText().endsWith(QString::fromUtf8("（小数点「.」で読み込み）"))) << Import.StatusText().toStdString();
    // The regional comma still reads a tab-separated file as before.
    ASSERT_TRUE(Paste("t\tU\n1,5\t2,25\n"));
    EXPECT_EQ(Import.Decimal(), ",");
    EXPECT_EQ(PointsOf(Chart, 0), Points({{1.5, 2.25}}));
    EXPECT_FALSE(Import.StatusText().contains(QString::fromUtf8("小数点")));
}

// Files whose data block is not where their first line puts it are read
// through the table reader: the preamble is passed over and said.
TEST_F(DataImport, APreambleAboveTheDataIsPassedOverAndSaid)
{
    const char* Logger = "# Logger export\n"
                         "# Device: TL-4 v2.1\n"
                         "Sample rate,1000 Hz\n"
                         "Started,2024-03-05 10:20\n"
                         "\n"
                         "時間,温度,湿度\n"
                         "(ms),[°C],%\n"
                         "0.0,21.5,40.1\n"
                         "0.5,21.6,40.0\n"
                         "1.0,21.8,39.7\n";
    ASSERT_TRUE(Import.OpenFile(Chart, WriteFile(Logger)));
    ASSERT_EQ(Chart.SeriesCount(), 2);
    EXPECT_EQ(Import.SeriesNames(), (QStringList{QString::fromUtf8("温度 (°C)"), QString::fromUtf8("湿度 (%)")}));
    EXPECT_EQ(Chart.BottomAxis()->Title()->Caption(), QString::fromUtf8("時間 (ms)"));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{0, 21.5}, {0.5, 21.6}, {1.0, 21.8}}));
    EXPECT_EQ(Import.PreambleLines(), 4);
    EXPECT_EQ(Import.HeaderLines(), 2);
    EXPECT_TRUE(Import.StatusText().endsWith(QString::fromUtf8("（前置き 4 行）"))) << Import.StatusText().toStdString();
    EXPECT_EQ(Import.SelectedSeries(), 0);
    EXPECT_EQ(Import.XUnit(), "ms");
    EXPECT_EQ(Import.SeriesUnits(), (QStringList{QString::fromUtf8("°C"), "%"}));

    // Without AutoSize the note comes alone.
    Import.AutoSize = false;
    ASSERT_TRUE(Paste(Logger));
    EXPECT_EQ(Import.StatusText(), QString::fromUtf8("（前置き 4 行）"));
    // A tidy text after it reads as ever, and the note goes.
    ASSERT_TRUE(Paste("X,Y\n1,2\n2,3\n"));
    EXPECT_EQ(Import.StatusText(), QString());
    EXPECT_EQ(Import.PreambleLines(), 0);
}

TEST_F(DataImport, SemicolonsAndAlignedColumnsRead)
{
    Import.AutoSize = false;
    ASSERT_TRUE(Paste("Zeit;Spannung;Strom\n0,0;1,25;0,5\n0,1;1,30;0,6\n"));
    EXPECT_EQ(Import.Delimiter(), ';');
    EXPECT_EQ(Import.Decimal(), ",");
    EXPECT_EQ(Import.SeriesNames(), (QStringList{"Spannung", "Strom"}));
    EXPECT_EQ(PointsOf(Chart, 0), Points({{0.0, 1.25}, {0.1, 1.30}}));
    EXPECT_TRUE(Import.StatusText().endsWith(TDataImport::DecimalNote(QStringLiteral(","))));

    // A column of text labels is no series, and is said.
    ASSERT_TRUE(Paste("t;judge;v\n0,5;OK;1,5\n1,5;NG;2,5\n"));
    EXPECT_EQ(Import.SeriesNames(), (QStringList{"v"}));
    ASSERT_EQ(Import.LeftOut().size(), 1u);
    EXPECT_EQ(Import.LeftOut()[0].Column, 2);
    EXPECT_EQ(Import.LeftOut()[0].Reason, QString::fromUtf8("文字"));

    ASSERT_TRUE(Paste("  time     volt    amp\n  0.000    1.234   0.5\n  0.001    1.240   0.6\n"));
    EXPECT_EQ(Import.Delimiter(), ' ');
    EXPECT_EQ(Import.SeriesNames(), (QStringList{"volt", "amp"}));
    EXPECT_EQ(PointsOf(Chart, 1), Points({{0.0, 0.5}, {0.001, 0.6}}));
}
