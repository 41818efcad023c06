#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The program's pictures, drawn from the SVG files in resources/icons/ at
// every size the UI scale can ask for, so they stay crisp from 100 % to 200 %.
class TToolIcons {
public:
    // A toolbar picture (":/icons/<Name>.svg": "open", "paste", "copy", "save")
    // in the ink colour Ink: the files are drawn in the one ink #1f1f1f, which
    // is replaced so the pictures follow the style's button text colour.
    // An unknown name gives a null icon.
    static QIcon ToolIcon(const QString& Name, const QColor& Ink);
    // The apply button's picture of the one-line edits.
    static QIcon CheckIcon();
    // The program's own icon.
    static QIcon AppIcon();

    // The ink colour of the toolbar files.
    static constexpr const char* FileInk = "#1f1f1f";
};
