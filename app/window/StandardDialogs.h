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

private:
    QFont FLastFont;
    QColor FLastColor;
    QString FLastFolder;
};
