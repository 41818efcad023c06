#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The visual style service of the window: the system look ("Windows") and the
// carried themes, each Qt's Fusion style with a palette and a style sheet of
// its own. Works on the one QApplication; use it from the GUI thread only.
class TStyleManager {
public:
    // Records the platform's style and the application palette as the program
    // started, which "Windows" brings back. Call once after the QApplication
    // exists and before any style change; the first TrySetStyle records them
    // itself when nobody did.
    static void CaptureSystemStyle();

    // "Windows" first, then the carried themes.
    static QStringList StyleNames();

    // Applies the style whose name matches Name without regard to case and
    // returns true. An unknown name returns false and keeps the present style;
    // with ShowError the user is told in an error box owned by Parent.
    static bool TrySetStyle(const QString& Name, bool ShowError, QWidget* Parent = nullptr);

    // The name of the style in use, as StyleNames spells it.
    static QString ActiveStyleName();

    // The error text for an unknown style name.
    static QString NotFoundText(const QString& Name);
    // Replaces the error box (tests see the text instead of a modal box);
    // nullptr restores the box.
    static void SetErrorReporter(std::function<void(const QString&)> Reporter);
};
