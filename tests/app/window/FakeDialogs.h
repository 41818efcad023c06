#pragma once

#include "app/window/FormDialogs.h"

#include <QStringList>

// Dialogs with scripted answers: each returns what the test put in its field
// (an empty name or nothing stands for Cancel) and records that it was asked.
class TFakeDialogs : public TFormDialogs {
public:
    QString OpenAnswer;
    QString PictureAnswer;
    QString SaveAnswer;
    std::optional<ChartCommands::TFontChoice> FontAnswer;
    std::optional<TColor> ColorAnswer;

    // What the dialogs were asked, in order: "open", "picture", "save",
    // "font", "color", "import error".
    QStringList Calls;
    QString PictureFilter;
    TExportFormat SaveFormat = efBmp;
    TColor FontPreset = clNone;
    int ImportErrors = 0;
    QString ImportErrorCause;

    QString OpenDataFile(QWidget*) override
    {
        Calls.append(QStringLiteral("open"));
        return OpenAnswer;
    }
    QString OpenPicture(QWidget*, const QString& Filter) override
    {
        Calls.append(QStringLiteral("picture"));
        PictureFilter = Filter;
        return PictureAnswer;
    }
    QString SavePicture(QWidget*, TExportFormat Format) override
    {
        Calls.append(QStringLiteral("save"));
        SaveFormat = Format;
        return SaveAnswer;
    }
    std::optional<ChartCommands::TFontChoice> ChooseFont(QWidget*, TColor Color) override
    {
        Calls.append(QStringLiteral("font"));
        FontPreset = Color;
        return FontAnswer;
    }
    std::optional<TColor> ChooseColor(QWidget*) override
    {
        Calls.append(QStringLiteral("color"));
        return ColorAnswer;
    }
    void ShowImportError(QWidget*, const QString& Cause) override
    {
        ImportErrorCause = Cause;
        Calls.append(QStringLiteral("import error"));
        ++ImportErrors;
    }
};
