#include "app/TableReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// The reader on texts shaped like the files people have: tidy copies,
// logger exports with preambles, European spreadsheets, aligned tables.
namespace {

const TRegionalSeparators Point{QStringLiteral("."), QStringLiteral(",")};
const TRegionalSeparators Comma{QStringLiteral(","), QStringLiteral(".")};

std::vector<QString> Captions(const TTable& T)
{
    std::vector<QString> Out;
    for (const TTableColumn& C : T.Columns)
        Out.push_back(C.Caption());
    return Out;
}

TEST(TableReader, ATidyTextIsItsOwnBlock)
{
    const TTable T = ReadTable("X,Y1,Y2\r\n1,10,40\r\n2,20,50\r\n", Point);
    EXPECT_EQ(T.Delimiter, ',');
    EXPECT_EQ(T.Decimal, ".");
    EXPECT_EQ(Captions(T), (std::vector<QString>{"X", "Y1", "Y2"}));
    ASSERT_EQ(T.Rows(), 2);
    EXPECT_EQ(T.Columns[2].Values, (std::vector<double>{40, 50}));
    EXPECT_EQ(T.Report.PreambleLines, 0);
    EXPECT_EQ(T.Report.HeaderLines, 1);

    const TTable Tabs = ReadTable("1\t10\n2\t20\n", Comma);
    EXPECT_EQ(Tabs.Delimiter, '\t');
    EXPECT_EQ(Tabs.Columns.size(), 2u);
    EXPECT_EQ(Tabs.Columns[0].Title, "");
    EXPECT_EQ(Tabs.Report.HeaderLines, 0);
}

TEST(TableReader, ALoggerExportSkipsItsPreambleAndReadsNamesAndUnits)
{
    const std::string Text = "# Logger export\n"
                             "# Device: TL-4 v2.1\n"
                             "Sample rate,1000 Hz\n"
                             "Started,2024-03-05 10:20\n"
                             "\n"
                             "時間,温度,湿度\n"
                             "(ms),[°C],%\n"
                             "0.0,21.5,40.1\n"
                             "0.5,21.6,40.0\n"
                             "1.0,21.8,39.7\n"
                             "1.5,21.7,39.9\n";
    const TTable T = ReadTable(Text, Point);
    EXPECT_EQ(T.Delimiter, ',');
    EXPECT_EQ(Captions(T), (std::vector<QString>{"時間 (ms)", "温度 (°C)", "湿度 (%)"}));
    EXPECT_EQ(T.Report.PreambleLines, 4);
    EXPECT_EQ(T.Report.HeaderLines, 2);
    EXPECT_TRUE(T.Report.UnitLine);
    EXPECT_EQ(T.FirstLine, 7);
    EXPECT_EQ(T.Rows(), 4);
    EXPECT_DOUBLE_EQ(T.Columns[1].Values[2], 21.8);
}

TEST(TableReader, SeparatorsComeFromTheBlockNotTheRegion)
{
    // A European spreadsheet: semicolons and decimal commas, under any locale.
    const TTable Euro = ReadTable("Zeit;Spannung;Strom\n0,0;1,25;0,5\n0,1;1,30;0,6\n0,2;1,35;0,7\n", Point);
    EXPECT_EQ(Euro.Delimiter, ';');
    EXPECT_EQ(Euro.Decimal, ",");
    EXPECT_EQ(Euro.Columns[1].Values, (std::vector<double>{1.25, 1.30, 1.35}));

    // A text column keeps the comma split from scoring better: the header
    // that splits as the block does decides.
    const TTable Judged = ReadTable("t;judge;v\n0,5;OK;1,5\n1,5;NG;2,5\n", Point);
    EXPECT_EQ(Judged.Delimiter, ';');
    EXPECT_EQ(Captions(Judged), (std::vector<QString>{"t", "v"}));

    // Decimal points in a comma file under a decimal-comma locale; the Y
    // columns vote, not only the first one of whole numbers.
    const TTable Csv = ReadTable("n,a\n1,0.5\n2,1.5\n3,2.5\n", Comma);
    EXPECT_EQ(Csv.Decimal, ".");
    EXPECT_EQ(Csv.Columns[1].Values, (std::vector<double>{0.5, 1.5, 2.5}));

    // Only whole numbers: the region decides.
    EXPECT_EQ(ReadTable("1\t2\n3\t4\n", Comma).Decimal, ",");

    // An aligned table: runs of spaces.
    const TTable Aligned = ReadTable("   time      volt\n   0.000     1.234\n   0.001     1.240\n", Point);
    EXPECT_EQ(Aligned.Delimiter, ' ');
    EXPECT_EQ(Captions(Aligned), (std::vector<QString>{"time", "volt"}));
    EXPECT_EQ(Aligned.Columns[1].Values, (std::vector<double>{1.234, 1.240}));
}

TEST(TableReader, GroupedNumbersUnitsInCellsAndFullWidthDigitsRead)
{
    // A spreadsheet copy of formatted cells.
    const TTable Us = ReadTable("x\ty\n1\t1,234.568\n2\t12,345,678.5\n3\t-2,000\n", Point);
    EXPECT_EQ(Us.Decimal, ".");
    EXPECT_EQ(Us.Columns[1].Values, (std::vector<double>{1234.568, 12345678.5, -2000}));
    EXPECT_TRUE(Us.Report.Grouped);
    const TTable De = ReadTable("x\ty\n1\t1.234,5678\n2\t2.000.000,5\n", Point);
    EXPECT_EQ(De.Decimal, ",");
    EXPECT_EQ(De.Columns[1].Values, (std::vector<double>{1234.5678, 2000000.5}));
    const TTable Thin = ReadTable("x;y\n1;1\xE2\x80\xAF" "234,5\n2;12\xC2\xA0" "345,25\n", Point);
    EXPECT_EQ(Thin.Columns[1].Values, (std::vector<double>{1234.5, 12345.25}));
    // Not strict: "1,23.4" is no grouping, so no number.
    EXPECT_TRUE(std::isnan(ReadTable("x\ty\n1\t1,23.4\n2\t5.5\n", Point).Columns[1].Values[0]));

    const TTable Units = ReadTable("t,T,U\n0,13.1 °C,23.4V\n1,13.4 °C,23.5V\n", Point);
    EXPECT_EQ(Captions(Units), (std::vector<QString>{"t", "T (°C)", "U (V)"}));
    EXPECT_EQ(Units.Columns[2].Values, (std::vector<double>{23.4, 23.5}));

    const TTable Wide = ReadTable("１\t\xE2\x88\x92" "２.５\n２\t+３\n", Point);
    EXPECT_EQ(Wide.Columns[0].Values, (std::vector<double>{1, 2}));
    EXPECT_EQ(Wide.Columns[1].Values, (std::vector<double>{-2.5, 3}));
}

TEST(TableReader, EmptyAndTextColumnsAreNoSeries)
{
    const TTable Trailing = ReadTable("t,a,b,\n1,2,3,\n2,3,4,\n", Point);
    EXPECT_EQ(Trailing.Columns.size(), 3u);
    EXPECT_TRUE(Trailing.Report.LeftOut.empty());

    const TTable Labels = ReadTable("t,judge,v,,w\n1,OK,3,,5\n2,NG,4,,6\n", Point);
    EXPECT_EQ(Captions(Labels), (std::vector<QString>{"t", "v", "w"}));
    ASSERT_EQ(Labels.Report.LeftOut.size(), 2u);
    EXPECT_EQ(Labels.Report.LeftOut[0].SourceColumn, 1);
    EXPECT_EQ(Labels.Report.LeftOut[0].Reason, "文字");
    EXPECT_EQ(Labels.Report.LeftOut[1].Reason, "空");
}

TEST(TableReader, ALongBlockGoesOnPastTheSampleAndStopsAtAFooter)
{
    std::string Text = "Time,Value\n";
    for (int i = 0; i < 5000; ++i)
        Text += std::to_string(i) + "," + std::to_string(i % 7) + ".5\n";
    Text += "End of data\n";
    const TTable T = ReadTable(Text, Point);
    EXPECT_EQ(T.Rows(), 5000);
    EXPECT_EQ(T.Columns[1].Values.back(), 4999 % 7 + 0.5);
    EXPECT_EQ(T.Report.SkippedLines, 1);
}

TEST(TableReader, TextWithoutNumbersHasNoBlock)
{
    for (const char* Text : {"", "\n\n", "only words here\nand more\n", "a,b\nc,d\n"}) {
        const TTable T = ReadTable(Text, Point);
        EXPECT_EQ(T.Delimiter, 0) << Text;
        EXPECT_TRUE(T.Columns.empty());
    }
}

} // namespace

namespace {

TEST(TableReader, InstrumentLayoutsBesideASettingsBlockOrWithATimeBase)
{
    // Samples in columns 4-5 beside a settings block in columns 1-3: the
    // settings lines hold the first samples.
    std::string Scope = "Record Length,8,Points,-0.000004,0.01\n"
                        "Sample Interval,1e-06,s,-0.000003,0.02\n"
                        "Trigger Point,4,Samples,-0.000002,0.03\n";
    for (int i = 3; i < 8; ++i)
        Scope += ",,," + std::to_string(-4 + i) + "e-06,0.0" + std::to_string(i + 1) + "\n";
    const TTable T = ReadTable(Scope, Point);
    ASSERT_EQ(T.Columns.size(), 2u);
    EXPECT_EQ(T.Columns[0].SourceColumn, 3);
    EXPECT_EQ(T.Rows(), 8);
    EXPECT_DOUBLE_EQ(T.Columns[0].Values[0], -0.000004);
    EXPECT_DOUBLE_EQ(T.Columns[1].Values[2], 0.03);
    EXPECT_EQ(T.Report.PreambleLines, 0);
    ASSERT_EQ(T.Report.LeftOut.size(), 3u);
    EXPECT_EQ(T.Report.LeftOut[0].Reason, "文字");
    EXPECT_EQ(T.Report.LeftOut[1].Reason, "設定");
    EXPECT_FALSE(T.Report.TimeBase); // it has its own X

    // A time base in the header instead of an X column: the sequence number
    // gives way to start + i × increment.
    const TTable R = ReadTable("X,CH1,Start,Increment,\n"
                               "Sequence,Volt,-1.2e-03,2.0e-06\n"
                               "0,4.00e-02,\n1,4.40e-02,\n2,4.80e-02,\n3,5.20e-02,\n",
                               Point);
    ASSERT_EQ(R.Columns.size(), 2u);
    EXPECT_TRUE(R.Report.TimeBase);
    EXPECT_EQ(Captions(R), (std::vector<QString>{"X Sequence", "CH1 Volt"}));
    EXPECT_DOUBLE_EQ(R.Columns[0].Values[3], -1.2e-03 + 3 * 2e-06);
    EXPECT_DOUBLE_EQ(R.Columns[1].Values[1], 0.044);

    // Samples alone under a "Sample Interval" line: X is made.
    const TTable S = ReadTable("Sample Interval,0.5\nStart,10\n\nVolt\n1.5\n1.6\n1.7\n", Point);
    ASSERT_EQ(S.Columns.size(), 2u);
    EXPECT_EQ(S.Columns[0].SourceColumn, -1);
    EXPECT_EQ(S.Columns[0].Values, (std::vector<double>{10, 10.5, 11}));
    EXPECT_EQ(S.Columns[1].Title, "Volt");
}

} // namespace
