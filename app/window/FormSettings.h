#pragma once

#include <QString>

class QWidget;
class TExIniFile;

// What the window keeps in its settings file and where that file lies: the
// window's place and size ("FORM" POSITION.X/.Y, SIZE.XSize/.YSize), the UI
// scale entry ("FORM" scale), the prefix box ("FORM" PrefixInTitles) and the
// visual style ("Style" Name).
class TFormSettings {
public:
    // Beside the program when that folder is writable, otherwise in the
    // user's configuration folder.
    static QString DefaultPath();

    struct TValues {
        // The scale selector's entry, -1 for none.
        int Scale = 0;
        bool PrefixInTitles = false;
        QString Style;
    };
    // Puts the stored place and size on Window and returns the rest, missing
    // keys giving the defaults.
    static TValues Read(const TExIniFile& IniFile, QWidget& Window);
    // Place, size, scale, prefix box and style, in this order; a file that
    // never had the prefix box checked keeps its six keys.
    static void Write(TExIniFile& IniFile, QWidget& Window, const TValues& Values);

    // A window of which no screen shows enough to take hold of goes to the
    // primary screen's corner, no larger than that screen.
    static void EnsureOnScreen(QWidget& Window);
};
