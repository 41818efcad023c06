#include "app/window/ChartView.h"

#include "chart/canvas/SystemColors.h"
#include "chart/panel/Chart.h"

#include <QEvent>
#include <QPainter>

#include <exception>
#include <new>

TChartView::TChartView(TChart* Chart, QWidget* Parent) : QWidget(Parent), FChart(Chart)
{
    // The chart paints every pixel itself from its own buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    FChart->SetHost(this);
    FChart->SetSize(width(), height());
}

TChartView::~TChartView()
{
    if (FChart->Host() == this)
        FChart->SetHost(nullptr);
}

void TChartView::RequestRepaint()
{
    update();
}

void TChartView::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    FChart->SetSize(width(), height());
}

// The panel colour is the running style's button face: a new palette is a
// new picture.
void TChartView::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::PaletteChange || Event->type() == QEvent::ApplicationPaletteChange
        || Event->type() == QEvent::StyleChange)
        FChart->Invalidate();
}

void TChartView::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    // A frame that fails is said in the picture, not in a message box: a box
    // would come back with every repaint.
    QString Error;
    try {
        FChart->Paint(this, TRect{0, 0, width(), height()});
    } catch (const std::bad_alloc&) {
        Error = QStringLiteral("メモリが足りません");
    } catch (const std::exception& e) {
        Error = QString::fromUtf8(e.what());
    }
    FPaintError = Error;
    if (Error.isEmpty())
        return;
    QPainter P(this);
    P.fillRect(rect(), QColor::fromRgb(0xF0, 0xF0, 0xF0));
    P.setPen(Qt::black);
    P.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, Error);
}
