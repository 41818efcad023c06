#include "app/window/ChartView.h"

#include "app/SystemPalette.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartMouse.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/SeriesPointer.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <new>

TChartView::TChartView(TChart* Chart, QWidget* Parent) : QWidget(Parent), FChart(Chart), FSettle(new QTimer(this))
{
    FSettle->setSingleShot(true);
    FSettle->setInterval(SettleMilliseconds);
    QObject::connect(FSettle, &QTimer::timeout, this, [this] { Settle(); });
    // The chart paints every pixel itself from its own buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    // Hover highlighting follows the mouse without a button down.
    setMouseTracking(true);
    FChart->SetHost(this);
    FChart->SetSize(width(), height());
    FChart->SetSystemPalette(ApplicationSystemPalette());
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
        || Event->type() == QEvent::StyleChange) {
        FChart->SetSystemPalette(ApplicationSystemPalette());
        FChart->Invalidate();
    }
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
    if (Error.isEmpty()) {
        PaintBand();
        return;
    }
    QPainter P(this);
    P.fillRect(rect(), QColor::fromRgb(0xF0, 0xF0, 0xF0));
    P.setPen(Qt::black);
    P.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, Error);
}

// The rubber band over the picture just copied from the buffer, in not-XOR
// mode: silver over the back colour, visible over anything.
void TChartView::PaintBand()
{
    const TChartMouse& Mouse = *FChart->Mouse();
    if (!Mouse.BandVisible())
        return;
    const TRect Band = Mouse.Band();
    const TColor C = FChart->ZoomBandColor();
    QPainter P(this);
    P.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    QPen Pen(QColor(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF)));
    Pen.setWidth(FChart->Zoom()->Pen()->Width());
    Pen.setCapStyle(Qt::FlatCap);
    Pen.setJoinStyle(Qt::MiterJoin);
    P.setPen(Pen);
    P.setBrush(Qt::NoBrush);
    P.drawRect(QRect(QPoint(std::min(Band.Left, Band.Right), std::min(Band.Top, Band.Bottom)),
                     QPoint(std::max(Band.Left, Band.Right), std::max(Band.Top, Band.Bottom))));
}

namespace {

TMouseButton ChartButton(Qt::MouseButton Button)
{
    switch (Button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

// The shortest text that reads back as the value, after the factor is
// undone to 15 significant digits (so 123 µs shows as 0.000123, not as the
// product's last-bit residue).
QString NumberText(double Value)
{
    char Digits[32];
    std::snprintf(Digits, sizeof Digits, "%.15g", Value);
    const double Rounded = std::strtod(Digits, nullptr);
    char Shortest[32];
    const auto Result = std::to_chars(Shortest, Shortest + sizeof Shortest, Rounded);
    return QString::fromLatin1(Shortest, int(Result.ptr - Shortest));
}

// Text broken into lines of at most Columns characters, after a space where
// one is near, so that a long name fits on the screen as a tooltip; nothing
// is left out.
QString Wrapped(const QString& Text, qsizetype Columns)
{
    QString Result;
    qsizetype Start = 0;
    while (Text.size() - Start > Columns) {
        qsizetype Break = Text.lastIndexOf(u' ', Start + Columns - 1);
        Break = Break > Start + Columns / 2 ? Break + 1 : Start + Columns;
        // Never between the halves of a surrogate pair.
        if (Text[Break - 1].isHighSurrogate())
            --Break;
        Result += Text.mid(Start, Break - Start) + u'\n';
        Start = Break;
    }
    return Result + Text.mid(Start);
}

} // namespace

void TChartView::mousePressEvent(QMouseEvent* Event)
{
    const QPoint P = Event->position().toPoint();
    FChart->Mouse()->MouseDown(ChartButton(Event->button()), P.x(), P.y());
    Event->accept();
}

void TChartView::mouseMoveEvent(QMouseEvent* Event)
{
    const QPoint P = Event->position().toPoint();
    const int Before = FChart->InvalidateCount();
    FChart->Mouse()->MouseMove(P.x(), P.y());
    if (FChart->InvalidateCount() != Before)
        QuickUntilRest();
    Event->accept();
}

void TChartView::mouseReleaseEvent(QMouseEvent* Event)
{
    const QPoint P = Event->position().toPoint();
    FChart->Mouse()->MouseUp(ChartButton(Event->button()), P.x(), P.y());
    // A gesture that ends shows the exact frame at once.
    if (!FChart->Mouse()->GestureActive())
        Settle();
    Event->accept();
}

void TChartView::QuickUntilRest()
{
    FChart->SetQuickFrames(true);
    FSettle->start();
}

void TChartView::Settle()
{
    FSettle->stop();
    if (FChart->QuickFrames())
        FChart->SetQuickFrames(false);
}

void TChartView::wheelEvent(QWheelEvent* Event)
{
    // 120 is one notch; finer wheels and touchpads add up to whole steps.
    FWheelRest += Event->angleDelta().y();
    const int Steps = FWheelRest / 120;
    FWheelRest -= Steps * 120;
    if (Steps != 0) {
        FChart->Mouse()->MouseWheel(Steps);
        QuickUntilRest();
    }
    Event->accept();
}

void TChartView::leaveEvent(QEvent* Event)
{
    QWidget::leaveEvent(Event);
    if (!FChart->Mouse()->GestureActive())
        FChart->Mouse()->MouseLeave();
}

void TChartView::SetMagnification(double XFactor, double YFactor)
{
    FXFactor = XFactor;
    FYFactor = YFactor;
}

QString TChartView::PointToolTip(int X, int Y) const
{
    for (int i = FChart->SeriesCount() - 1; i >= 0; --i) {
        auto* Series = dynamic_cast<TCustomSeries*>(FChart->GetSeries(i));
        if (!Series || !Series->Active())
            continue;
        const int Hit = Series->Clicked(X, Y);
        if (Hit < 0)
            continue;
        // On a point: the nearer end of what was hit, within the marker.
        const int Reach = Series->ClickTolerance()
            + std::max(3, Series->Pointer()->Visible() ? Series->Pointer()->Size() : 0);
        int Best = -1;
        long long BestDistance = 0;
        for (int Index : {Hit, Hit + 1}) {
            if (Index >= Series->Count())
                continue;
            const long long DX = Series->CalcXPos(Index) - X;
            const long long DY = Series->CalcYPos(Index) - Y;
            if (std::abs(DX) > Reach || std::abs(DY) > Reach)
                continue;
            const long long Distance = DX * DX + DY * DY;
            if (Best < 0 || Distance < BestDistance) {
                Best = Index;
                BestDistance = Distance;
            }
        }
        if (Best < 0)
            continue;
        const double XValue = FXFactor != 0 ? Series->GetxValue(Best) / FXFactor : Series->GetxValue(Best);
        const double YValue = FYFactor != 0 ? Series->GetyValue(Best) / FYFactor : Series->GetyValue(Best);
        return QStringLiteral("%1\nX = %2\nY = %3").arg(Series->Title(), NumberText(XValue), NumberText(YValue));
    }
    return QString();
}

QString TChartView::LegendToolTip(int X, int Y) const
{
    const TChartLegend* Legend = FChart->Legend();
    const int Index = Legend->Clicked(X, Y) - Legend->FirstValue();
    if (Index < 0 || Index >= Legend->ShownItems() || !Legend->Item(Index).Elided)
        return QString();
    QString Text = Legend->Item(Index).Text;
    return Wrapped(Text.replace(QChar(6), QChar(u' ')), 80);
}

bool TChartView::event(QEvent* Event)
{
    if (Event->type() == QEvent::ToolTip) {
        auto* Help = static_cast<QHelpEvent*>(Event);
        const QPoint At = Help->pos();
        QString Text;
        if (!FChart->Mouse()->GestureActive()) {
            // The legend lies over the plot.
            Text = LegendToolTip(At.x(), At.y());
            if (Text.isEmpty())
                Text = PointToolTip(At.x(), At.y());
        }
        if (Text.isEmpty()) {
            QToolTip::hideText();
            Event->ignore();
        } else {
            QToolTip::showText(Help->globalPos(), Text, this);
        }
        return true;
    }
    return QWidget::event(Event);
}
