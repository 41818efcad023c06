#include "app/window/StyleManager.h"
#include "app/window/StyleTheme.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QRegularExpression>
#include <QStyle>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QStringList Themes = {QStringLiteral("Auric"), QStringLiteral("Glow"), QStringLiteral("Sky"),
                            QStringLiteral("Turquoise Gray")};

// WCAG 2 contrast ratio of two opaque colours.
double Luminance(const QColor& c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class StyleManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        TStyleManager::CaptureSystemStyle();
        TStyleManager::SetErrorReporter([this](const QString& text) { Reported.append(text); });
    }
    void TearDown() override
    {
        TStyleManager::TrySetStyle(QStringLiteral("Windows"), false);
        TStyleManager::SetErrorReporter(nullptr);
    }
    QStringList Reported;
};

} // namespace

TEST_F(StyleManagerTest, NamesTheSystemStyleFirstThenTheCarriedThemes)
{
    EXPECT_EQ(TStyleManager::StyleNames(),
              QStringList({"Windows", "Auric", "Glow", "Sky", "Turquoise Gray"}));
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Windows"));
}

TEST_F(StyleManagerTest, AppliesANameWithoutRegardToCaseAndReportsItsOwnSpelling)
{
    EXPECT_TRUE(TStyleManager::TrySetStyle(QStringLiteral("glow"), true));
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Glow"));
    EXPECT_TRUE(TStyleManager::TrySetStyle(QStringLiteral("TURQUOISE GRAY"), true));
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Turquoise Gray"));
    EXPECT_TRUE(TStyleManager::TrySetStyle(QStringLiteral("windows"), true));
    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Windows"));
    EXPECT_TRUE(Reported.isEmpty());
}

TEST_F(StyleManagerTest, AnUnknownNameKeepsTheStyleAndIsReportedOnlyWhenAsked)
{
    ASSERT_TRUE(TStyleManager::TrySetStyle(QStringLiteral("Sky"), true));
    const QPalette sky = QApplication::palette();
    const QString sheet = qApp->styleSheet();

    EXPECT_FALSE(TStyleManager::TrySetStyle(QStringLiteral("Nope"), true));
    ASSERT_EQ(Reported.size(), 1);
    EXPECT_EQ(Reported[0], QStringLiteral("スタイル 'Nope' が見つかりません"));

    EXPECT_FALSE(TStyleManager::TrySetStyle(QStringLiteral("Sky "), false));
    EXPECT_FALSE(TStyleManager::TrySetStyle(QString(), false));
    EXPECT_EQ(Reported.size(), 1);

    EXPECT_EQ(TStyleManager::ActiveStyleName(), QStringLiteral("Sky"));
    EXPECT_EQ(QApplication::palette(), sky);
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

TEST_F(StyleManagerTest, EachThemeRecoloursTheWindowAndWindowsBringsBackTheStartingLook)
{
    const QPalette system = QApplication::palette();
    const QString systemStyle = QApplication::style()->name();
    for (const QString& name : Themes) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(TStyleManager::TrySetStyle(name, false));
        const QPalette p = QApplication::palette();
        EXPECT_NE(p.color(QPalette::Button), system.color(QPalette::Button));
        EXPECT_NE(p.color(QPalette::Window), system.color(QPalette::Window));
        EXPECT_FALSE(qApp->styleSheet().isEmpty());

        ASSERT_TRUE(TStyleManager::TrySetStyle(QStringLiteral("Windows"), false));
        EXPECT_EQ(QApplication::palette(), system);
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
        EXPECT_EQ(QApplication::style()->name(), systemStyle);
    }
}

TEST_F(StyleManagerTest, EachThemeIsCompleteAndLegible)
{
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::Text, QPalette::Base},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase},
    };
    for (const QString& name : Themes) {
        SCOPED_TRACE(name.toStdString());
        QString stem = name;
        stem.remove(u' ');
        const TStyleTheme theme = TStyleTheme::Load(stem);
        EXPECT_TRUE(theme.Missing.isEmpty()) << theme.Missing.join(u',').toStdString();
        // Every @colour of the sheet has a value in the colour file.
        QString rules = theme.StyleSheet;
        rules.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                        QRegularExpression::DotMatchesEverythingOption));
        EXPECT_FALSE(rules.contains(u'@')) << rules.toStdString();
        // Sizes of type belong to the window's UI scale, never to a theme.
        static const QRegularExpression fontRule(QStringLiteral("font(-[a-z]+)?\\s*:"),
                                                 QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(theme.StyleSheet.contains(fontRule));

        const QPalette& p = theme.Palette;
        for (const auto& [fore, back] : pairs) {
            const double active = Contrast(p.color(QPalette::Active, fore), p.color(QPalette::Active, back));
            EXPECT_GE(active, 4.5) << "roles " << fore << "/" << back;
            EXPECT_EQ(p.color(QPalette::Inactive, fore), p.color(QPalette::Active, fore));
        }
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            // Disabled text must look disabled: fainter than the enabled text.
            const QPalette::ColorRole back = text == QPalette::Text ? QPalette::Base
                                             : text == QPalette::ButtonText ? QPalette::Button
                                                                             : QPalette::Window;
            EXPECT_LT(Contrast(p.color(QPalette::Disabled, text), p.color(QPalette::Disabled, back)),
                      Contrast(p.color(QPalette::Active, text), p.color(QPalette::Active, back)) / 2)
                << "role " << text;
        }
        // A placeholder is a grey hint, not text the user typed.
        EXPECT_NE(p.color(QPalette::PlaceholderText), p.color(QPalette::Text));
        EXPECT_LT(Contrast(p.color(QPalette::PlaceholderText), p.color(QPalette::Base)),
                  Contrast(p.color(QPalette::Text), p.color(QPalette::Base)));
    }
}

TEST(StyleTheme, ReadsRolesGroupOverridesAndSheetColoursAndSkipsWhatItCannotRead)
{
    const TStyleTheme theme = TStyleTheme::FromText(
        "# comment\n"
        "Disabled.Button=#010203\n"
        "Button=#112233\n"
        "ButtonText = #AABBCC \n"
        "Window=#12345\n"          // too short: not read
        "Text=red\n"               // not a colour of this format
        "Accent=#445566\n",
        "QPushButton { background: @Button; color: @ButtonText; border: 1px solid @Accent; }");
    EXPECT_EQ(theme.Palette.color(QPalette::Active, QPalette::Button), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(theme.Palette.color(QPalette::Inactive, QPalette::Button), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(theme.Palette.color(QPalette::Disabled, QPalette::Button), QColor(1, 2, 3));
    EXPECT_EQ(theme.Palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(0xaa, 0xbb, 0xcc));
    EXPECT_TRUE(theme.Missing.contains(QStringLiteral("Window")));
    EXPECT_TRUE(theme.Missing.contains(QStringLiteral("Text")));
    EXPECT_FALSE(theme.Missing.contains(QStringLiteral("Button")));
    EXPECT_EQ(theme.StyleSheet,
              QStringLiteral("QPushButton { background: #112233; color: #aabbcc; border: 1px solid #445566; }"));
}

TEST(StyleTheme, AMissingThemeFileGivesAUsablePaletteAndNoSheet)
{
    const TStyleTheme theme = TStyleTheme::Load(QStringLiteral("NoSuchTheme"));
    EXPECT_TRUE(theme.StyleSheet.isEmpty());
    EXPECT_EQ(theme.Missing.size(), 20);
    EXPECT_GE(Contrast(theme.Palette.color(QPalette::Text), theme.Palette.color(QPalette::Base)), 4.5);
}

TEST(PlotvaneResources, EveryCarriedFileIsInTheProgram)
{
    for (const char* path :
         {":/icons/open.svg", ":/icons/paste.svg", ":/icons/copy.svg", ":/icons/save.svg",
          ":/icons/check.svg", ":/icons/plotvane.svg", ":/styles/Auric.colors", ":/styles/Auric.qss",
          ":/styles/Glow.colors", ":/styles/Glow.qss", ":/styles/Sky.colors", ":/styles/Sky.qss",
          ":/styles/TurquoiseGray.colors", ":/styles/TurquoiseGray.qss", ":/help/Memo2.txt"}) {
        QFile f(QString::fromLatin1(path));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
        EXPECT_GT(f.size(), 0) << path;
    }
}
