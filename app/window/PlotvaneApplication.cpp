#include "app/window/PlotvaneApplication.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

#include <exception>
#include <new>

namespace {

std::function<void(const QString&)>& Reporter()
{
    static std::function<void(const QString&)> reporter;
    return reporter;
}

} // namespace

TPlotvaneApplication::TPlotvaneApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Plotvane"));
    setApplicationDisplayName(QStringLiteral("Plotvane"));
    setOrganizationName(QStringLiteral("plotvane"));
    setDesktopFileName(QStringLiteral("plotvane"));
    // The interface is Japanese whatever the locale: Qt's own dialogs too.
    auto* Translator = new QTranslator(this);
    if (Translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(Translator);
}

QString TPlotvaneApplication::ReportText(const QString& message)
{
    QString text = message.trimmed();
    if (!text.endsWith(u'.') && !text.endsWith(u'。'))
        text += u'.';
    return text;
}

void TPlotvaneApplication::SetReporter(std::function<void(const QString&)> reporter)
{
    Reporter() = std::move(reporter);
}

void TPlotvaneApplication::ShowException(const QString& message)
{
    const QString text = ReportText(message);
    if (Reporter()) {
        Reporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Plotvane"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void TPlotvaneApplication::Guard(const std::function<void()>& Action)
{
    try {
        Action();
    } catch (const std::bad_alloc&) {
        ShowException(QStringLiteral("メモリが足りません"));
    } catch (const std::exception& e) {
        ShowException(QString::fromUtf8(e.what()));
    }
}

bool TPlotvaneApplication::notify(QObject* receiver, QEvent* event)
{
    bool Result = false;
    Guard([&] { Result = QApplication::notify(receiver, event); });
    return Result;
}
