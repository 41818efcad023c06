#include "app/window/ControlScaler.h"

#include "app/window/StyleManager.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>

int TControlScaler::Scaled(int Value, int Percent)
{
    return int(std::lround(double(Value) * Percent / 100.0));
}

void TControlScaler::Record(QWidget* Control, const QRect& Rect)
{
    FDesigned.push_back({Control, Rect});
    Control->setGeometry(Rect);
}

QRect TControlScaler::DesignedGeometry(const QWidget* Control) const
{
    for (const TDesigned& D : FDesigned)
        if (D.Control == Control)
            return D.Rect;
    return QRect();
}

void TControlScaler::PlaceControls() const
{
    const int Percent = FPercent;
    for (const TDesigned& D : FDesigned) {
        int Width = Scaled(D.Rect.width(), Percent);
        // A check box's caption is never cut: a style with a wider mark or a
        // wider font makes it longer to the right.
        if (qobject_cast<QCheckBox*>(D.Control))
            Width = std::max(Width, D.Control->sizeHint().width());
        D.Control->setGeometry(Scaled(D.Rect.left(), Percent), Scaled(D.Rect.top(), Percent), Width,
                               Scaled(D.Rect.height(), Percent));
    }
}

void TControlScaler::Apply(int Percent)
{
    Percent = std::clamp(Percent, 50, 400);
    const int Old = FPercent;
    FPercent = Percent;
    QMainWindow* Window = FFrame.Window;
    QToolBar* ToolBar = FFrame.ToolBar;
    QSplitter* Splitter = FFrame.Splitter;
    QFont Font = QApplication::font();
    Font.setPixelSize(Scaled(FontPixels, Percent));
    QApplication::setFont(Font);
    Window->setFont(Font);
    // Widgets under a style sheet keep the font they were polished with:
    // the carried style is put on again so they take the new one.
    if (!qApp->styleSheet().isEmpty())
        TStyleManager::TrySetStyle(TStyleManager::ActiveStyleName(), false, Window);
    PlaceControls();
    ToolBar->setIconSize(QSize(Scaled(ToolIconSize, Percent), Scaled(ToolIconSize, Percent)));
    for (QAction* Action : ToolBar->actions()) {
        if (QWidget* Button = ToolBar->widgetForAction(Action)) {
            if (qobject_cast<QToolButton*>(Button))
                Button->setFixedSize(Scaled(ToolButtonWidth, Percent), Scaled(ToolButtonHeight, Percent));
            else
                Button->setFixedSize(Scaled(ToolGapWidth, Percent), Scaled(ToolButtonHeight, Percent));
        }
    }
    // Last: the toolbar's layout resets its minimum when the items change.
    ToolBar->setFixedHeight(Scaled(ToolBarHeight, Percent));
    FFrame.StatusBar->setFixedHeight(Scaled(StatusBarHeight, Percent));
    FFrame.EdgeStrip->setFixedWidth(Scaled(SplitterWidth, Percent));
    Splitter->setHandleWidth(Scaled(SplitterWidth, Percent));
    FFrame.Panel->setFixedHeight(Scaled(Panel1Height, Percent));
    const QList<int> Sizes = Splitter->sizes();
    const int Page = Sizes.size() == 2 && Sizes[1] > 0 ? int(std::lround(double(Sizes[1]) * Percent / Old))
                                                       : Scaled(PageControlWidth, Percent);
    QSize Size(int(std::lround(double(Window->width()) * Percent / Old)),
               int(std::lround(double(Window->height()) * Percent / Old)));
    // A larger scale never pushes the window past its screen.
    if (QScreen* Screen = Window->screen())
        Size = Size.boundedTo(Screen->availableGeometry().size());
    Window->resize(Size);
    Splitter->setSizes({std::max(1, Splitter->width() - Page - Splitter->handleWidth()), Page});
}
