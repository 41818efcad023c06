#include "app/window/TabRows.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

TTabRows::TTabRows(QWidget* Parent) : QTabBar(Parent)
{
    setUsesScrollButtons(false);
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setMouseTracking(true);
}

int TTabRows::LayoutWidth() const
{
    // The bar spans its tab widget, whatever width the widget gave it.
    const QWidget* Owner = parentWidget();
    return Owner ? Owner->width() : width();
}

TTabRows::TLayout TTabRows::Compute(int Width) const
{
    TLayout L;
    const int N = count();
    L.Rects.resize(size_t(N));
    L.RowOf.resize(size_t(N));
    if (N == 0)
        return L;
    Width = std::max(Width, 1);
    // Rows filled left to right, a new row when the next tab does not fit.
    std::vector<std::vector<int>> Rows(1);
    int Used = 0;
    int TabHeight = 0;
    for (int i = 0; i < N; ++i) {
        const QSize Size = tabSizeHint(i);
        TabHeight = std::max(TabHeight, Size.height());
        if (Used > 0 && Used + Size.width() > Width) {
            Rows.emplace_back();
            Used = 0;
        }
        Rows.back().push_back(i);
        Used += Size.width();
    }
    // The row of the shown tab lies next to the page.
    const int Current = currentIndex();
    auto Shown = std::find_if(Rows.begin(), Rows.end(), [Current](const std::vector<int>& Row) {
        return std::find(Row.begin(), Row.end(), Current) != Row.end();
    });
    if (Shown != Rows.end() && Shown != Rows.end() - 1)
        std::rotate(Shown, Shown + 1, Rows.end());

    L.Rows = int(Rows.size());
    L.Height = TabHeight * L.Rows;
    const bool Stretch = L.Rows > 1;
    for (int r = 0; r < L.Rows; ++r) {
        const std::vector<int>& Row = Rows[size_t(r)];
        int Natural = 0;
        for (int i : Row)
            Natural += tabSizeHint(i).width();
        int X = 0;
        int Spare = Stretch ? std::max(0, Width - Natural) : 0;
        for (size_t k = 0; k < Row.size(); ++k) {
            const int i = Row[k];
            const int Extra = Stretch ? Spare / int(Row.size() - k) : 0;
            Spare -= Extra;
            const int W = tabSizeHint(i).width() + Extra;
            L.Rects[size_t(i)] = QRect(X, r * TabHeight, W, TabHeight);
            L.RowOf[size_t(i)] = r;
            X += W;
        }
    }
    return L;
}

int TTabRows::RowCount() const
{
    return Compute(LayoutWidth()).Rows;
}

QRect TTabRows::RowTabRect(int Index) const
{
    const TLayout L = Compute(LayoutWidth());
    return Index >= 0 && Index < int(L.Rects.size()) ? L.Rects[size_t(Index)] : QRect();
}

int TTabRows::RowTabAt(const QPoint& Pos) const
{
    const TLayout L = Compute(LayoutWidth());
    for (int i = 0; i < int(L.Rects.size()); ++i)
        if (L.Rects[size_t(i)].contains(Pos) && isTabEnabled(i))
            return i;
    return -1;
}

QSize TTabRows::sizeHint() const
{
    const int Width = LayoutWidth();
    return QSize(Width, Compute(Width).Height);
}

QSize TTabRows::minimumSizeHint() const
{
    return sizeHint();
}

void TTabRows::tabLayoutChange()
{
    QTabBar::tabLayoutChange();
    updateGeometry();
}

void TTabRows::paintEvent(QPaintEvent*)
{
    const TLayout L = Compute(LayoutWidth());
    QStylePainter Painter(this);
    const int Current = currentIndex();
    // The shown tab last, so its raised shape lies over its neighbours.
    for (int Pass = 0; Pass < 2; ++Pass) {
        for (int i = 0; i < count(); ++i) {
            if ((i == Current) != (Pass == 1))
                continue;
            QStyleOptionTab Option;
            initStyleOption(&Option, i);
            Option.rect = L.Rects[size_t(i)];
            const int Row = L.RowOf[size_t(i)];
            const bool First = i == 0 || L.RowOf[size_t(i - 1)] != Row;
            const bool Last = i == count() - 1 || L.RowOf[size_t(i + 1)] != Row;
            Option.position = First && Last ? QStyleOptionTab::OnlyOneTab
                : First                     ? QStyleOptionTab::Beginning
                : Last                      ? QStyleOptionTab::End
                                            : QStyleOptionTab::Middle;
            Option.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
            if (i == Current)
                Option.state |= QStyle::State_Selected;
            if (i == FHover)
                Option.state |= QStyle::State_MouseOver;
            // Only the row next to the page joins it.
            if (Row != L.Rows - 1)
                Option.selectedPosition = QStyleOptionTab::NotAdjacent;
            // Style sheets place a tab's label by the bar's own single-row
            // layout: the tab is drawn there, moved onto its row.
            const QRect Own = tabRect(i);
            Painter.save();
            Painter.translate(Option.rect.topLeft() - Own.topLeft());
            Option.rect.moveTopLeft(Own.topLeft());
            Painter.drawControl(QStyle::CE_TabBarTab, Option);
            Painter.restore();
        }
    }
}

void TTabRows::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton) {
        Event->ignore();
        return;
    }
    const int Index = RowTabAt(Event->position().toPoint());
    if (Index >= 0) {
        setCurrentIndex(Index);
        updateGeometry();
        update();
    }
    Event->accept();
}

void TTabRows::mouseMoveEvent(QMouseEvent* Event)
{
    const int Hover = RowTabAt(Event->position().toPoint());
    if (Hover != FHover) {
        FHover = Hover;
        update();
    }
    Event->accept();
}

void TTabRows::mouseReleaseEvent(QMouseEvent* Event)
{
    Event->accept();
}

void TTabRows::leaveEvent(QEvent* Event)
{
    FHover = -1;
    update();
    QTabBar::leaveEvent(Event);
}
