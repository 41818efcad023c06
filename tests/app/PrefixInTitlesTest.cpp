#include "app/ChartCommands.h"
#include "app/DataImport.h"
#include "app/PrefixInTitles.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/Chart.h"

#include <gtest/gtest.h>

namespace {

class PrefixInTitles : public ::testing::Test {
protected:
    TChart Chart;
    TDataImport Import;
    TPrefixInTitles Prefixes;

    bool Paste(const char* text) { return Import.PasteText(Chart, QString::fromUtf8(text)); }
    QString XTitle() { return Chart.BottomAxis()->Title()->Caption(); }
    QString YTitle() { return Chart.LeftAxis()->Title()->Caption(); }
    void Check(bool Checked)
    {
        Prefixes.SetChecked(Checked);
        Prefixes.Apply(Chart, Import);
    }
};

} // namespace

// 0.25 to 0.75 V plot as 250 to 750: the picture itself says "m".
TEST_F(PrefixInTitles, CheckedTitlesCarryThePrefixesInUse)
{
    ASSERT_TRUE(Paste("Frequency (Hz),V\n1000000,0.25\n2000000,0.75\n"));
    ASSERT_EQ(Import.xtani, QStringLiteral("M"));
    ASSERT_EQ(Import.ytani, QStringLiteral("m"));
    Prefixes.Apply(Chart, Import);
    EXPECT_EQ(XTitle(), QStringLiteral("Frequency (Hz)"));
    EXPECT_EQ(YTitle(), QString());

    const int Before = Chart.InvalidateCount();
    Check(true);
    EXPECT_EQ(XTitle(), QStringLiteral("Frequency (Hz) [M]"));
    EXPECT_EQ(YTitle(), QStringLiteral("[m]"));
    EXPECT_GT(Chart.InvalidateCount(), Before);
    // Applied again: nothing doubles.
    Prefixes.Apply(Chart, Import);
    EXPECT_EQ(XTitle(), QStringLiteral("Frequency (Hz) [M]"));

    Check(false);
    EXPECT_EQ(XTitle(), QStringLiteral("Frequency (Hz)"));
    EXPECT_EQ(YTitle(), QString());
}

TEST_F(PrefixInTitles, TitlesGivenAnewAndFactorsChanged)
{
    Check(true);
    ASSERT_TRUE(Paste("Frequency (Hz),V\n1000000,0.25\n2000000,0.75\n"));
    Prefixes.Apply(Chart, Import);
    ASSERT_EQ(XTitle(), QStringLiteral("Frequency (Hz) [M]"));

    // A title typed in takes the prefix; unchecking gives it back as typed.
    ChartCommands::SetYAxisTitle(Chart, QStringLiteral("Level"));
    Prefixes.Apply(Chart, Import);
    EXPECT_EQ(YTitle(), QStringLiteral("Level [m]"));

    // A manual factor is no prefix: that axis' title goes plain, the other
    // keeps its prefix.
    Import.AutoSize = false;
    ASSERT_TRUE(Import.ApplyXmag(Chart, QStringLiteral("2")));
    Prefixes.Apply(Chart, Import);
    EXPECT_EQ(XTitle(), QStringLiteral("Frequency (Hz)"));
    EXPECT_EQ(YTitle(), QStringLiteral("Level [m]"));

    // A load without the scan: factors 1, no prefixes.
    ASSERT_TRUE(Paste("t,V\n1000000,0.25\n2000000,0.75\n"));
    Prefixes.Apply(Chart, Import);
    EXPECT_EQ(XTitle(), QStringLiteral("t"));
    EXPECT_EQ(YTitle(), QStringLiteral("Level"));

    // Numbers that need no prefix leave the titles alone.
    Import.AutoSize = true;
    ASSERT_TRUE(Paste("t,V\n1,25\n2,75\n"));
    Prefixes.Apply(Chart, Import);
    EXPECT_EQ(XTitle(), QStringLiteral("t"));
    EXPECT_EQ(YTitle(), QStringLiteral("Level"));
    Check(false);
    EXPECT_EQ(YTitle(), QStringLiteral("Level"));
}
