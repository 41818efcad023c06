#include "settings/ExIniFile.h"
#include "settings/IniValues.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Run under de_DE.UTF-8: decimal comma, short date "dd.MM.yy".

TEST(LocaleDeSettings, FloatUsesTheRegionalDecimalSeparator)
{
    QTemporaryDir dir;
    TExIniFile ini;
    ini.SetFileName(dir.filePath("de.ini"));
    ini.WriteFloat("S", "f", 1.5);
    EXPECT_EQ(ini.ReadString("S", "f", ""), "1,5");
    EXPECT_EQ(ini.ReadFloat("S", "f", 0), 1.5);
    ini.WriteString("S", "dot", "1.5");
    EXPECT_EQ(ini.ReadFloat("S", "dot", -1), -1);
}

TEST(LocaleDeSettings, DatesKeepTheirCentury)
{
    QTemporaryDir dir;
    TExIniFile ini;
    ini.SetFileName(dir.filePath("de.ini"));
    const double day = double(QDate(2024, 5, 6).toJulianDay() - QDate(1899, 12, 30).toJulianDay());
    ini.WriteDate("S", "d", day);
    EXPECT_EQ(ini.ReadString("S", "d", ""), "06.05.2024");
    EXPECT_EQ(ini.ReadDate("S", "d", 0), day);
    ini.WriteDateTime("S", "dt", day + 0.5);
    EXPECT_EQ(ini.ReadString("S", "dt", ""), "06.05.2024 12:00:00");
    EXPECT_EQ(ini.ReadDateTime("S", "dt", 0), day + 0.5);
}
