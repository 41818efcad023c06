// plotvane-render: the chart engine without the window, for scripts and tests.

#include "app/RenderCommand.h"
#include "app/RenderOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace {

// Qt's own warnings (an SVG feature it skips, a font it lacks) are held back
// until the program has said what it has to say, so that whoever reads the
// error stream finds the program's message first. A flood is cut short.
constexpr int MaxHeldMessages = 100;
std::mutex HeldLock;
QStringList HeldMessages;
int DroppedMessages = 0;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QString line = qFormatLogMessage(type, context, message);
    const std::lock_guard<std::mutex> lock(HeldLock);
    if (type == QtFatalMsg) {
        // Qt aborts next: what was held goes out first.
        for (const QString& held : HeldMessages)
            std::fprintf(stderr, "%s\n", held.toLocal8Bit().constData());
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return;
    }
    if (HeldMessages.size() < MaxHeldMessages)
        HeldMessages.append(line);
    else
        ++DroppedMessages;
}

void ReleaseMessages()
{
    qInstallMessageHandler(nullptr);
    const std::lock_guard<std::mutex> lock(HeldLock);
    for (const QString& line : HeldMessages)
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    if (DroppedMessages > 0)
        std::fprintf(stderr, "(%d more messages from Qt)\n", DroppedMessages);
    HeldMessages.clear();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    TRenderOptions options;
    try {
        options = TRenderOptions::Parse(arguments);
    } catch (const EUsageError& e) {
        std::fprintf(stderr, "plotvane-render: %s\n\n%s", e.what(), TRenderOptions::Usage());
        return 1;
    }
    if (options.Help) {
        std::fputs(TRenderOptions::Usage(), stdout);
        return 0;
    }

    qInstallMessageHandler(HoldMessage);
    // Fonts need the GUI application; a describe-only run starts faster
    // without it. Drawing never needs a display.
    std::unique_ptr<QCoreApplication> app;
    if (options.DrawsFrame()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Without a session (a script, CI) give Qt a private runtime folder
        // rather than have it warn on every run.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/plotvane-runtime-" + QByteArray::number(getuid());
            if (QDir().mkpath(QString::fromLocal8Bit(dir)))
                QFile::setPermissions(QString::fromLocal8Bit(dir), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", dir);
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const int status = RunRenderCommand(options);
    ReleaseMessages();
    return status;
}
