#include "app/window/StandardDialogs.h"

#include "app/DataImport.h"
#include "app/window/FontDialog.h"
#include "app/window/QtColors.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

struct TFormatText {
    TExportFormat Format;
    const char* Filter;
    const char* Extension;
};

constexpr TFormatText Formats[] = {
    {efBmp, "ビットマップ (*.bmp)", "bmp"},
    {efPng, "PNG 画像 (*.png)", "png"},
    {efEmf, "エンハンス メタファイル (*.emf)", "emf"},
    {efSvg, "SVG 画像 (*.svg)", "svg"},
    {efPdf, "PDF 文書 (*.pdf)", "pdf"},
};

} // namespace

TStandardDialogs::TStandardDialogs()
{
    // The font dialog starts where the window's own font does.
    FLastFont = QFont(QStringLiteral("Tahoma"));
    FLastFont.setPointSize(8);
}

QString TStandardDialogs::Extension(TExportFormat Format)
{
    for (const TFormatText& F : Formats)
        if (F.Format == Format)
            return QString::fromLatin1(F.Extension);
    return QStringLiteral("bmp");
}

QStringList TStandardDialogs::SaveFilters(TExportFormat Format)
{
    QStringList Filters;
    for (const TFormatText& F : Formats)
        if (F.Format == Format)
            Filters.append(QString::fromUtf8(F.Filter));
    for (const TFormatText& F : Formats)
        if (F.Format != Format)
            Filters.append(QString::fromUtf8(F.Filter));
    return Filters;
}

QString TStandardDialogs::OpenDataFile(QWidget* Parent)
{
    const QString Name = QFileDialog::getOpenFileName(Parent, QStringLiteral("データを開く"), FLastFolder);
    if (!Name.isEmpty())
        FLastFolder = QFileInfo(Name).absolutePath();
    return Name;
}

QString TStandardDialogs::OpenPicture(QWidget* Parent, const QString& Filter)
{
    const QString Name = QFileDialog::getOpenFileName(Parent, QStringLiteral("画像選択"), FLastFolder, Filter);
    if (!Name.isEmpty())
        FLastFolder = QFileInfo(Name).absolutePath();
    return Name;
}

QString TStandardDialogs::SavePicture(QWidget* Parent, TExportFormat Format)
{
    QFileDialog Dialog(Parent, QStringLiteral("グラフを保存"), FLastFolder);
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setFileMode(QFileDialog::AnyFile);
    Dialog.setNameFilters(SaveFilters(Format));
    // Appended before the dialog checks for a file to replace, so the
    // question is asked about the name that will be written.
    Dialog.setDefaultSuffix(Extension(Format));
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty())
        return QString();
    const QString Name = Dialog.selectedFiles().constFirst();
    FLastFolder = QFileInfo(Name).absolutePath();
    return Name;
}

std::optional<ChartCommands::TFontChoice> TStandardDialogs::ChooseFont(QWidget* Parent, TColor Color)
{
    TFontDialog Dialog(Parent);
    Dialog.SetChoice(FLastFont, Color);
    if (Dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    FLastFont = Dialog.SelectedFont();
    return Dialog.Choice();
}

std::optional<TColor> TStandardDialogs::ChooseColor(QWidget* Parent)
{
    const QColor Chosen = QColorDialog::getColor(FLastColor.isValid() ? FLastColor : QColor(Qt::white), Parent);
    if (!Chosen.isValid())
        return std::nullopt;
    FLastColor = Chosen;
    return ToTColor(Chosen);
}

void TStandardDialogs::ShowImportError(QWidget* Parent, const QString& Cause)
{
    QMessageBox Box(QMessageBox::Critical, TDataImport::ImportErrorCaption, TDataImport::ImportErrorText,
                    QMessageBox::Ok, Parent);
    Box.setInformativeText(Cause);
    Box.exec();
}
