#include "app/window/PageControl.h"

#include "app/window/TabRows.h"

#include <algorithm>

TPageControl::TPageControl(QWidget* Parent) : QTabWidget(Parent)
{
    setTabBar(new TTabRows(this));
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

int TPageControl::RowCount() const
{
    return static_cast<const TTabRows*>(tabBar())->RowCount();
}

void TPageControl::resizeEvent(QResizeEvent* Event)
{
    // The rows depend on the width: the bar's height is asked for anew.
    tabBar()->updateGeometry();
    QTabWidget::resizeEvent(Event);
}

namespace {

int WidestTab(const QTabBar* Bar)
{
    int Widest = 0;
    for (int i = 0; i < Bar->count(); ++i)
        Widest = std::max(Widest, Bar->tabRect(i).width());
    return Widest;
}

} // namespace

QSize TPageControl::sizeHint() const
{
    QSize Size = QTabWidget::sizeHint();
    Size.setWidth(WidestTab(tabBar()) + 8);
    return Size;
}

QSize TPageControl::minimumSizeHint() const
{
    QSize Size = QTabWidget::minimumSizeHint();
    Size.setWidth(WidestTab(tabBar()) + 8);
    return Size;
}
