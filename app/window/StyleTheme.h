#pragma once

#include <QMap>
#include <QPalette>
#include <QString>
#include <QStringList>

// One carried visual style: a full palette and a style sheet, read from the
// pair of files resources/styles/<Stem>.colors and <Stem>.qss.
//
// The colour file holds lines `Key=#rrggbb`; `#` starts a comment line. A key
// that names a palette role sets that role in every colour group; the prefixes
// `Inactive.` and `Disabled.` override one group. Any other key is a colour of
// the style sheet only. In the style sheet `@Key` (colour-file keys, with their
// group prefix where given) stands for that colour, so the two files never
// disagree about a colour.
class TStyleTheme {
public:
    // Loads the carried style of that file stem; a missing file leaves the
    // defaults (Qt's Fusion palette, no style sheet) and lists every role as missing.
    static TStyleTheme Load(const QString& Stem);
    // Parses the text of a colour file; `Missing` then lists the active roles
    // the file does not give.
    static TStyleTheme FromText(const QByteArray& Colors, const QByteArray& StyleSheet);

    QPalette Palette;
    QString StyleSheet;
    QStringList Missing;
    // Every colour of the file by key, "#rrggbb".
    QMap<QString, QString> Colors;
};
