// plotvane: the window.

#include "app/window/Form1.h"
#include "app/window/PlotvaneApplication.h"
#include "app/window/StyleManager.h"
#include "app/window/ToolIcons.h"

#include <QFileInfo>

int main(int argc, char** argv)
{
    TPlotvaneApplication App(argc, argv);
    TStyleManager::CaptureSystemStyle();
    QApplication::setWindowIcon(TToolIcons::AppIcon());
    TForm1 Form1;
    Form1.show();
    // Without a window manager nobody else gives the window the keyboard.
    Form1.activateWindow();
    Form1.raise();
    // `plotvane FILE` opens FILE as a drop on the window would.
    const QStringList Arguments = App.arguments();
    if (Arguments.size() > 1) {
        const QString Path = Arguments[1];
        QMetaObject::invokeMethod(
            &Form1,
            [&Form1, Path] {
                TPlotvaneApplication::Guard([&] { Form1.WMDropFiles(QFileInfo(Path).absoluteFilePath()); });
            },
            Qt::QueuedConnection);
    }
    return App.exec();
}
