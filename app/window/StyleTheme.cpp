#include "app/window/StyleTheme.h"

#include <QFile>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <memory>

namespace {

// Our own small files: anything larger is not one of them.
constexpr qint64 MaxFileBytes = 64 * 1024;
constexpr int MaxColorLines = 400;

struct TRoleName {
    QPalette::ColorRole Role;
    const char* Name;
};

constexpr TRoleName RoleNames[] = {
    {QPalette::WindowText, "WindowText"},   {QPalette::Button, "Button"},
    {QPalette::Light, "Light"},             {QPalette::Midlight, "Midlight"},
    {QPalette::Dark, "Dark"},               {QPalette::Mid, "Mid"},
    {QPalette::Text, "Text"},               {QPalette::BrightText, "BrightText"},
    {QPalette::ButtonText, "ButtonText"},   {QPalette::Base, "Base"},
    {QPalette::Window, "Window"},           {QPalette::Shadow, "Shadow"},
    {QPalette::Highlight, "Highlight"},     {QPalette::HighlightedText, "HighlightedText"},
    {QPalette::Link, "Link"},               {QPalette::LinkVisited, "LinkVisited"},
    {QPalette::AlternateBase, "AlternateBase"}, {QPalette::ToolTipBase, "ToolTipBase"},
    {QPalette::ToolTipText, "ToolTipText"}, {QPalette::PlaceholderText, "PlaceholderText"},
};

QByteArray ReadBounded(const QString& Path)
{
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(MaxFileBytes);
}

QPalette FusionPalette()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette();
}

} // namespace

TStyleTheme TStyleTheme::FromText(const QByteArray& ColorText, const QByteArray& StyleSheetText)
{
    TStyleTheme theme;
    theme.Palette = FusionPalette();

    static const QRegularExpression line(
        QStringLiteral("^\\s*([A-Za-z][A-Za-z.]*)\\s*=\\s*(#[0-9A-Fa-f]{6})\\s*$"));
    const QList<QByteArray> lines = ColorText.left(MaxFileBytes).split('\n');
    for (int i = 0; i < lines.size() && i < MaxColorLines; ++i) {
        const QRegularExpressionMatch m = line.match(QString::fromUtf8(lines[i]));
        if (m.hasMatch())
            theme.Colors.insert(m.captured(1), m.captured(2).toLower());
    }

    // Active colours first, so that a group override wins whatever the line order.
    for (const TRoleName& r : RoleNames) {
        const QString name = QLatin1String(r.Name);
        const auto active = theme.Colors.constFind(name);
        if (active == theme.Colors.cend()) {
            theme.Missing.append(name);
            continue;
        }
        theme.Palette.setColor(QPalette::All, r.Role, QColor(*active));
        for (const auto& [prefix, group] : {std::pair{QStringLiteral("Inactive."), QPalette::Inactive},
                                            std::pair{QStringLiteral("Disabled."), QPalette::Disabled}}) {
            const auto over = theme.Colors.constFind(prefix + name);
            if (over != theme.Colors.cend())
                theme.Palette.setColor(group, r.Role, QColor(*over));
        }
    }

    // Substitute the longest names first so that @Button never eats @ButtonText.
    QStringList keys = theme.Colors.keys();
    std::sort(keys.begin(), keys.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    theme.StyleSheet = QString::fromUtf8(StyleSheetText.left(MaxFileBytes));
    for (const QString& key : keys)
        theme.StyleSheet.replace(u'@' + key, theme.Colors.value(key));
    return theme;
}

TStyleTheme TStyleTheme::Load(const QString& Stem)
{
    return FromText(ReadBounded(QStringLiteral(":/styles/%1.colors").arg(Stem)),
                    ReadBounded(QStringLiteral(":/styles/%1.qss").arg(Stem)));
}
