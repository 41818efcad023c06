#include "app/window/StyleManager.h"

#include "app/window/StyleTheme.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

const QString SystemStyleName = QStringLiteral("Windows");

struct TStyleState {
    bool Captured = false;
    QString PlatformStyle;
    QPalette PlatformPalette;
    QString Active = SystemStyleName;
    std::function<void(const QString&)> Reporter;
};

TStyleState& State()
{
    static TStyleState state;
    return state;
}

// "Turquoise Gray" lives in resources/styles/TurquoiseGray.*.
QString FileStem(const QString& Name)
{
    QString stem = Name;
    stem.remove(u' ');
    return stem;
}

// Drops the old sheet before the style changes so that the sheet's proxy
// never wraps a style that is about to go, then sets the new look.
void Apply(QStyle* Style, const QPalette& Palette, const QString& StyleSheet)
{
    qApp->setStyleSheet(QString());
    if (Style)
        QApplication::setStyle(Style);
    QApplication::setPalette(Palette);
    if (!StyleSheet.isEmpty())
        qApp->setStyleSheet(StyleSheet);
}

} // namespace

void TStyleManager::CaptureSystemStyle()
{
    TStyleState& s = State();
    if (s.Captured)
        return;
    s.Captured = true;
    s.PlatformStyle = QApplication::style()->name();
    s.PlatformPalette = QApplication::palette();
}

QStringList TStyleManager::StyleNames()
{
    return {SystemStyleName, QStringLiteral("Auric"), QStringLiteral("Glow"), QStringLiteral("Sky"),
            QStringLiteral("Turquoise Gray")};
}

QString TStyleManager::ActiveStyleName()
{
    return State().Active;
}

QString TStyleManager::NotFoundText(const QString& Name)
{
    return QStringLiteral("スタイル '%1' が見つかりません").arg(Name);
}

void TStyleManager::SetErrorReporter(std::function<void(const QString&)> Reporter)
{
    State().Reporter = std::move(Reporter);
}

bool TStyleManager::TrySetStyle(const QString& Name, bool ShowError, QWidget* Parent)
{
    CaptureSystemStyle();
    TStyleState& s = State();

    QString canonical;
    for (const QString& known : StyleNames())
        if (known.compare(Name, Qt::CaseInsensitive) == 0)
            canonical = known;

    if (canonical.isEmpty()) {
        if (ShowError) {
            const QString text = NotFoundText(Name);
            if (s.Reporter) {
                s.Reporter(text);
            } else {
                QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                                QMessageBox::Close, Parent);
                box.exec();
            }
        }
        return false;
    }

    if (canonical == SystemStyleName) {
        // A platform style that the factory cannot make again falls back to Fusion.
        QStyle* style = QStyleFactory::create(s.PlatformStyle);
        if (!style)
            style = QStyleFactory::create(QStringLiteral("Fusion"));
        Apply(style, s.PlatformPalette, QString());
    } else {
        const TStyleTheme theme = TStyleTheme::Load(FileStem(canonical));
        Apply(QStyleFactory::create(QStringLiteral("Fusion")), theme.Palette, theme.StyleSheet);
    }
    s.Active = canonical;
    return true;
}
