#include "app/window/FormSettings.h"

#include "settings/ExIniFile.h"
#include "settings/FormHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

const QString FormSection = QStringLiteral("FORM");
const QString PrefixInTitlesKey = QStringLiteral("PrefixInTitles");
const QString StyleSection = QStringLiteral("Style");

// A window as the settings component sees it.
class TWindowHost : public TFormHost {
public:
    explicit TWindowHost(QWidget& Window) : W(Window) {}

    int Left() const override { return W.pos().x(); }
    void SetLeft(int Value) override { W.move(Value, W.pos().y()); }
    int Top() const override { return W.pos().y(); }
    void SetTop(int Value) override { W.move(W.pos().x(), Value); }
    // The window's own size: the window manager's frame is not known before
    // the window shows, so this is what a restart can give back exactly.
    int Width() const override { return W.width(); }
    void SetWidth(int Value) override { W.resize(std::max(Value, W.minimumWidth()), W.height()); }
    int Height() const override { return W.height(); }
    void SetHeight(int Value) override { W.resize(W.width(), std::max(Value, W.minimumHeight())); }

    TWindowPlacement GetPlacement() const override
    {
        TWindowPlacement P;
        const QRect Normal = W.isMaximized() ? W.normalGeometry() : QRect(W.pos(), W.size());
        P.showCmd = W.isMaximized() ? 3 : 1;
        P.normalLeft = Normal.left();
        P.normalTop = Normal.top();
        P.normalRight = Normal.left() + Normal.width();
        P.normalBottom = Normal.top() + Normal.height();
        return P;
    }

    void SetPlacement(const TWindowPlacement& Placement) override
    {
        W.move(Placement.normalLeft, Placement.normalTop);
        W.resize(std::max(1, Placement.normalRight - Placement.normalLeft),
                 std::max(1, Placement.normalBottom - Placement.normalTop));
        if (Placement.showCmd == 3)
            W.showMaximized();
    }

private:
    QWidget& W;
};

} // namespace

QString TFormSettings::DefaultPath()
{
    const QString Name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".ini");
    const QString ProgramDir = QCoreApplication::applicationDirPath();
    const QFileInfo Beside(QDir(ProgramDir).filePath(Name));
    // Beside the program when it can be kept there; an installed program
    // keeps its settings in the user's configuration folder.
    if (QFileInfo(ProgramDir).isWritable() && (!Beside.exists() || Beside.isWritable()))
        return Beside.filePath();
    QString Config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (Config.isEmpty() || !QDir::isAbsolutePath(Config))
        Config = QDir::homePath() + QStringLiteral("/.config");
    const QString Folder = Config + QStringLiteral("/plotvane");
    QDir().mkpath(Folder);
    return Folder + u'/' + Name;
}

TFormSettings::TValues TFormSettings::Read(const TExIniFile& IniFile, QWidget& Window)
{
    TWindowHost Host(Window);
    IniFile.ReadFormPos(FormSection, QStringLiteral("POSITION"), Host);
    IniFile.ReadFormSize(FormSection, QStringLiteral("SIZE"), Host);
    TValues Values;
    Values.Scale = IniFile.ReadInteger(FormSection, QStringLiteral("scale"), 0);
    Values.PrefixInTitles = IniFile.ReadBool(FormSection, PrefixInTitlesKey, false);
    Values.Style = IniFile.ReadString(StyleSection, QStringLiteral("Name"), QStringLiteral("Windows"));
    return Values;
}

void TFormSettings::Write(TExIniFile& IniFile, QWidget& Window, const TValues& Values)
{
    const TWindowHost Host(Window);
    IniFile.WriteFormPos(FormSection, QStringLiteral("POSITION"), Host);
    IniFile.WriteFormSize(FormSection, QStringLiteral("SIZE"), Host);
    IniFile.WriteInteger(FormSection, QStringLiteral("scale"), Values.Scale);
    if (Values.PrefixInTitles || IniFile.ValueExists(FormSection, PrefixInTitlesKey))
        IniFile.WriteBool(FormSection, PrefixInTitlesKey, Values.PrefixInTitles);
    IniFile.WriteString(StyleSection, QStringLiteral("Name"), Values.Style);
}

void TFormSettings::EnsureOnScreen(QWidget& Window)
{
    const QRect Rect(Window.pos(), Window.size());
    for (QScreen* Screen : QGuiApplication::screens()) {
        const QRect Shared = Screen->availableGeometry().intersected(Rect);
        // Enough of it to take hold of.
        if (Shared.width() >= 48 && Shared.height() >= 32)
            return;
    }
    QScreen* Primary = QGuiApplication::primaryScreen();
    if (!Primary)
        return;
    const QRect Area = Primary->availableGeometry();
    Window.resize(std::min(Window.width(), Area.width()), std::min(Window.height(), Area.height()));
    Window.move(Area.topLeft());
}
