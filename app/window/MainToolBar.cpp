#include "app/window/MainToolBar.h"

#include "app/window/ControlScaler.h"
#include "app/window/ToolIcons.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>

TMainToolBar::TMainToolBar(QMainWindow* Window) : QToolBar(Window)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContentsMargins(0, 0, 0, 0);
    setFixedHeight(TControlScaler::ToolBarHeight);
    setIconSize(QSize(TControlScaler::ToolIconSize, TControlScaler::ToolIconSize));
    Window->addToolBar(Qt::TopToolBarArea, this);

    OpenBtn = AddButton(Window, QStringLiteral("データを開く"), QKeySequence::Open);
    PasteBtn = AddButton(Window, QStringLiteral("データー貼り付け"), QKeySequence::Paste);
    AddGap();
    CopyEMFBtn =
        AddButton(Window, QStringLiteral("グラフをEMFでコピー"), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    SaveEMFBtn =
        AddButton(Window, QStringLiteral("グラフをEMFで保存"), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    AddGap();
    CopyBmpBtn = AddButton(Window, QStringLiteral("グラフをBMPでコピー"), QKeySequence::Copy);
    SaveBmpBtn = AddButton(Window, QStringLiteral("グラフをBMPで保存"), QKeySequence::Save);
    RefreshIcons(Window->palette().color(QPalette::ButtonText));
}

QAction* TMainToolBar::AddButton(QMainWindow* Window, const QString& Hint, const QKeySequence& Shortcut)
{
    auto* Action = new QAction(Window);
    Action->setToolTip(Hint);
    Action->setText(Hint);
    if (!Shortcut.isEmpty()) {
        Action->setShortcut(Shortcut);
        Action->setToolTip(Hint + QStringLiteral(" (") + Shortcut.toString(QKeySequence::NativeText) + u')');
    }
    Action->setShortcutContext(Qt::WindowShortcut);
    addAction(Action);
    if (QWidget* Button = widgetForAction(Action))
        Button->setFixedSize(TControlScaler::ToolButtonWidth, TControlScaler::ToolButtonHeight);
    return Action;
}

void TMainToolBar::AddGap()
{
    auto* Gap = new QWidget;
    Gap->setFixedSize(TControlScaler::ToolGapWidth, TControlScaler::ToolButtonHeight);
    addWidget(Gap);
}

void TMainToolBar::RefreshIcons(const QColor& Ink)
{
    OpenBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("open"), Ink));
    PasteBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("paste"), Ink));
    CopyEMFBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("copy"), Ink));
    SaveEMFBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("save"), Ink));
    CopyBmpBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("copy"), Ink));
    SaveBmpBtn->setIcon(TToolIcons::ToolIcon(QStringLiteral("save"), Ink));
}
