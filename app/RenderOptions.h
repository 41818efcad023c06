#pragma once

#include "core/Color.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

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

    // Axes
    std::optional<QString> XTitle;
    std::optional<QString> YTitle;
    std::optional<QString> AxisFont; // FAMILY,SIZE[,bold][,italic]
    // The scale tab's "倍率を軸名に表示".
    bool PrefixInTitles = false;
    // The scale tab's range boxes in command-line order: (box, text) with box
    // 0..5 for xmax, xmin, xinc, ymax, ymin, yinc.
    std::vector<std::pair<int, QString>> AxisBoxes;

    // Legend and series
    std::optional<int> LegendPosition; // 0 left, 1 right, 2 top, 3 bottom
    // --series N:KEY=VALUE[,KEY=VALUE...] in command-line order.
    struct TSeriesSetting {
        int Index = 0;
        QString Key;
        QString Value;
    };
    std::vector<TSeriesSetting> SeriesSettings;

    bool DrawsFrame() const { return !Output.isEmpty() || !LayoutFile.isEmpty(); }

    // Throws EUsageError.
    static TRenderOptions Parse(const QStringList& Arguments);
    static const char* Usage();
};

// "#RRGGBB" to a colour; throws EUsageError.
TColor ParseHtmlColor(const QString& Text);
