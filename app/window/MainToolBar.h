#pragma once

#include <QToolBar>

class QAction;
class QKeySequence;
class QMainWindow;

// The window's toolbar across the top: open and paste the data, copy and
// save the chart as a metafile, copy and save it as a bitmap, each with its
// hint and shortcut. The window wires the buttons.
class TMainToolBar : public QToolBar {
public:
    // Made on Window's top edge; the buttons' actions belong to Window, so
    // their shortcuts work anywhere in it.
    explicit TMainToolBar(QMainWindow* Window);

    QAction* OpenBtn;
    QAction* PasteBtn;
    QAction* CopyEMFBtn;
    QAction* SaveEMFBtn;
    QAction* CopyBmpBtn;
    QAction* SaveBmpBtn;

    // The icons drawn in Ink, the text colour of the window's buttons.
    void RefreshIcons(const QColor& Ink);

private:
    QAction* AddButton(QMainWindow* Window, const QString& Hint, const QKeySequence& Shortcut);
    void AddGap();
};
