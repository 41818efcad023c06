#pragma once

#include <QApplication>

#include <functional>

// The application object: any std::exception that escapes a handler becomes
// the top-level error report (a message box with the program title, the
// failure's own text ending in a full stop, the error icon and OK), and the
// program keeps running.
class TPlotvaneApplication : public QApplication {
public:
    TPlotvaneApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The report's text for a failure: the message with a full stop added
    // when it ends in none.
    static QString ReportText(const QString& message);
    // Shows the report (tests replace it to see what would be shown).
    static void ShowException(const QString& message);
    static void SetReporter(std::function<void(const QString&)> reporter);
    // Runs Action; a failure becomes the report and the program goes on.
    static void Guard(const std::function<void()>& Action);
};
