#pragma once

#include <QTabBar>

#include <vector>

// The tab bar of TPageControl: the tabs laid out in rows across the bar's
// width, each row stretched to the full width when there are several, and
// drawn and hit-tested by this layout.
class TTabRows : public QTabBar {
public:
    explicit TTabRows(QWidget* Parent = nullptr);

    int RowCount() const;
    // The rectangle of tab Index in the present layout.
    QRect RowTabRect(int Index) const;
    int RowTabAt(const QPoint& Pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void tabLayoutChange() override;

private:
    struct TLayout {
        std::vector<QRect> Rects;
        std::vector<int> RowOf;
        int Rows = 0;
        int Height = 0;
    };
    // The layout for a bar Width wide.
    TLayout Compute(int Width) const;
    int LayoutWidth() const;

    int FHover = -1;
};
