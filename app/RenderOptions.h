#pragma once

#include "core/Color.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

// A command line that cannot be understood; the text says why.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The flags of plotvane-render.
struct TRenderOptions {
    QString File;
    bool Help = false;

    // Import
    bool Describe = false;
    bool Summary = false;
    bool NoAutoSize = false;
    std::optional<QString> Xmag;
    std::optional<QString> Ymag;

    // Frame
    QString Output;
    QString LayoutFile;
    int Width = 781;
    int Height = 590;

    // Chart styling, applied as the window's handlers apply them
    std::optional<QString> Title;
    std::optional<int> TitleAlign; // 0 left, 1 centre, 2 right
    std::optional<QString> TitleFont; // FAMILY,SIZE[,bold][,italic]
    std::optional<TColor> PanelColor;
    std::optional<TColor> WallColor;
    std::optional<QString> WallPicture;
    bool Shadow = false;
    bool Border = false;

    bool DrawsFrame() const { return !Output.isEmpty() || !LayoutFile.isEmpty(); }

    // Throws EUsageError.
    static TRenderOptions Parse(const QStringList& Arguments);
    static const char* Usage();
};

// "#RRGGBB" to a colour; throws EUsageError.
TColor ParseHtmlColor(const QString& Text);
