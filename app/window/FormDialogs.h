#pragma once

#include "app/ChartCommands.h"
#include "chart/panel/ChartExport.h"
#include "core/Color.h"

#include <QString>

#include <optional>

class QWidget;

// The window's dialogs and message boxes, behind one face so the handlers can
// be tried without anyone at the keyboard. Each returns what the user chose,
// or nothing (an empty name) when the dialog was cancelled.
class TFormDialogs {
public:
    virtual ~TFormDialogs() = default;

    // The data file to open; any file may be chosen.
    virtual QString OpenDataFile(QWidget* Parent) = 0;
    // A picture file for the back wall; Filter is the dialog's file types.
    virtual QString OpenPicture(QWidget* Parent, const QString& Filter) = 0;
    // The name to save the chart under, offering the formats with Format
    // first; a name typed without an extension gets Format's. The dialog
    // asks before replacing a file.
    virtual QString SavePicture(QWidget* Parent, TExportFormat Format) = 0;
    // A font with its colour; the dialog starts from the last chosen font and
    // shows Color.
    virtual std::optional<ChartCommands::TFontChoice> ChooseFont(QWidget* Parent, TColor Color) = 0;
    // A colour; the dialog starts from the last chosen one.
    virtual std::optional<TColor> ChooseColor(QWidget* Parent) = 0;
    // The import error report: caption "情報", the error icon, OK; the
    // cause the import found (may be empty) under the fixed text.
    virtual void ShowImportError(QWidget* Parent, const QString& Cause) = 0;
};
