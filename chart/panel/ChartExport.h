#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QMimeData;
class TCustomChartPanel;

enum TExportFormat { efBmp, efPng, efEmf, efSvg, efPdf };

// The chart's picture in the formats it leaves the program in: files chosen
// by their extension and the data of the two clipboard copies. Every frame
// is drawn off-screen at the chart's own size; the screen is not touched.
class TChartExport {
public:
    // The format the extension of FileName asks for, in any letter case;
    // nothing for any other extension.
    static std::optional<TExportFormat> FormatOfFile(const QString& FileName);
    // The extensions FormatOfFile knows, for messages and dialogs.
    static QString KnownExtensions();

    static QByteArray Encode(TCustomChartPanel& Chart, TExportFormat Format);
    // Encodes by the extension and writes the file. Throws EExportError for
    // an unknown extension (before anything is drawn) and when the file
    // cannot be written (any existing file then stays as it was).
    static void SaveToFile(TCustomChartPanel& Chart, const QString& FileName);
    // Writes through a temporary file renamed over the target, so a failure
    // never leaves half a file. Throws EExportError.
    static void WriteFile(const QString& FileName, const QByteArray& Bytes);

    // The bitmap copy: PNG and Qt's own image of the chart on its panel
    // colour (the screen's pixels when the screen is up to date).
    static std::unique_ptr<QMimeData> BitmapMimeData(TCustomChartPanel& Chart);
    // The metafile copy: the EMF under the names office programs on Linux
    // look for, and the same frame as SVG, so each takes the best it knows.
    static std::unique_ptr<QMimeData> MetafileMimeData(TCustomChartPanel& Chart);
};
