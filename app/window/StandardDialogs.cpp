#include "app/window/StandardDialogs.h"

#include "app/DataImport.h"
#include "app/window/FontDialog.h"
#include "app/window/QtColors.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

const char* const TStandardDialogs::PictureFilter =
    "すべて (*.svg;*.wbmp;*.webp;*.svg;*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.tif;*.tiff)"
    "|*.svg;*.wbmp;*.webp;*.svg;*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.tif;*.tiff"
    "|Scalable Vector Graphics (*.svg)|*.svg"
    "|WBMP Images (*.wbmp)|*.wbmp"
    "|WebP Images (*.webp)|*.webp"
    "|Scalable Vector Graphics (*.svg)|*.svg"
    "|GIF 画像 (*.gif)|*.gif"
    "|JPEG イメージファイル (*.jpg)|*.jpg"
    "|JPEG イメージファイル (*.jpeg)|*.jpeg"
    "|Portable Network Graphics (*.png)|*.png"
    "|ビットマップ (*.bmp)|*.bmp"
    "|アイコン (*.ico)|*.ico"
    "|エンハンス メタファイル (*.emf)|*.emf"
    "|メタファイル (*.wmf)|*.wmf"
    "|TIFF 画像 (*.tif)|*.tif"
    "|TIFF 画像 (*.tiff)|*.tiff"
    "|PNG画像(*.png)|*.png";

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

QString TStandardDialogs::QtFilter(const QString& ClassicFilter)
{
    const QStringList Parts = ClassicFilter.split(u'|');
    QStringList Filters;
    for (int i = 0; i + 1 < Parts.size(); i += 2) {
        QString Text = Parts[i].trimmed();
        const qsizetype Open = Text.lastIndexOf(u'(');
        if (Open >= 0 && Text.endsWith(u')'))
            Text = Text.left(Open).trimmed();
        QString Patterns = Parts[i + 1];
        Patterns.replace(u';', u' ');
        Filters.append(Text + QStringLiteral(" (") + Patterns + u')');
    }
    return Filters.join(QStringLiteral(";;"));
}

QString TStandardDialogs::PictureFilters()
{
    return QtFilter(QString::fromUtf8(PictureFilter));
}
