#pragma once

#include "app/window/FormDialogs.h"

#include <QColor>
#include <QFont>

// The dialogs a person sees: Qt's file, font and colour dialogs and message
// boxes. The font and colour dialogs keep the last choice between uses.
class TStandardDialogs : public TFormDialogs {
public:
    TStandardDialogs();

    QString OpenDataFile(QWidget* Parent) override;
    QString OpenPicture(QWidget* Parent, const QString& Filter) override;
    QString SavePicture(QWidget* Parent, TExportFormat Format) override;
    std::optional<ChartCommands::TFontChoice> ChooseFont(QWidget* Parent, TColor Color) override;
    std::optional<TColor> ChooseColor(QWidget* Parent) override;
    void ShowImportError(QWidget* Parent, const QString& Cause) override;

    // The file types of the save dialog, Format's first.
    static QStringList SaveFilters(TExportFormat Format);
    static QString Extension(TExportFormat Format);
    // The file types of the back picture's open dialog, as one classic
    // filter text ("text|patterns|text|patterns"), and in Qt's form.
    static const char* const PictureFilter;
    static QString PictureFilters();
    // The Qt form of a classic filter text.
    static QString QtFilter(const QString& ClassicFilter);

private:
    QFont FLastFont;
    QColor FLastColor;
    QString FLastFolder;
};
