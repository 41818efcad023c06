#pragma once

#include <QTabWidget>

// Tabbed pages whose tab captions go on several rows when they do not fit on
// one, the row of the shown tab next to the page, as classic tab controls do.
class TPageControl : public QTabWidget {
public:
    explicit TPageControl(QWidget* Parent = nullptr);

    // Rows the captions take at the present width.
    int RowCount() const;

    // The tab bar spans the control; what the control asks for is its widest
    // tab, the rest being the splitter's to give.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* Event) override;
};
