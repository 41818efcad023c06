#include "chart/panel/ChartTitle.h"

#include "core/ChangeNotifier.h"
#include "chart/panel/CustomChartPanel.h"
#include "core/Numbers.h"

#include <algorithm>

namespace {
constexpr TColor clBlue = 0xFF0000;
}

TChartTitle::TChartTitle(TCustomChartPanel* AChart, bool AOnTop)
    : TStringsShape(AChart), FPanel(AChart), FOnTop(AOnTop)
{
    FTransparent = true;
    FTextAlign = taCenter;
    // The font's hook repaints; a default set while being built must not.
    FFont.SetOnChange({});
    FFont.SetColor(clBlue);
    FFont.SetOnChange([this] { Repaint(); });
}

TChartTitle::~TChartTitle() = default;

void TChartTitle::SetAlignment(TAlignment Value)
{
    if (Change(FAlignment, Value))
        Repaint();
}

void TChartTitle::SetAdjustFrame(bool Value)
{
    if (Change(FAdjustFrame, Value))
        Repaint();
}

void TChartTitle::SetVertMargin(int Value)
{
    if (Change(FVertMargin, Value))
        Repaint();
}

void TChartTitle::SetCustomPosition(bool Value)
{
    if (Change(FCustomPosition, Value))
        Repaint();
}

QStringList TChartTitle::ShownLines() const
{
    return GetText().split(QChar(13));
}

QString TChartTitle::GetText() const
{
    QString Text = TStringsShape::GetText();
    // A custom-positioned title is not laid out on the chart's width.
    return ICut && !FCustomPosition && Text == ICutFrom ? ICutText : Text;
}

void TChartTitle::ElideLines(int Room)
{
    ICut = false;
    CalcBounds();
    if (!FAutoSize || FShapeBounds.Width() <= Room)
        return;
    const QString Text = TStringsShape::GetText();
    FPanel->PrepareFont3D(FFont);
    const int MaxWidth = Room - (FShapeBounds.Width() - FPanel->MultiLineTextWidth(Text));
    QStringList Lines = Text.split(QChar(13));
    for (QString& Line : Lines)
        Line = FPanel->ElidedLine(Line, MaxWidth);
    ICutText = Lines.join(QChar(13));
    ICutFrom = Text;
    ICut = true;
    CalcBounds();
}

void TChartTitle::LayoutTitle()
{
    TCustomChartPanel& Chart = *FPanel;
    // The control is the rectangle the frame is drawn over.
    const TRect& Bounds = Chart.ChartBounds();
    const int ControlWidth = Bounds.Width();
    const int a = Chart.FrameWidth() + Numbers::RoundInt(0.02 * ControlWidth);
    const int Room = ControlWidth - 2 * a;

    // A title wider than the chart is cut with "…" rather than at the
    // picture's edge; the cut title spans the whole room.
    ElideLines(Room);
    const int ShapeWidth = ICut ? Room : FShapeBounds.Width();
    const int ShapeHeight = FShapeBounds.Height();
    const int h = FPen.Visible() && FPen.Width() > 1 ? FPen.Width() / 2 : 0;

    TRect Chartrect = Chart.ChartRect();
    const int y = FOnTop ? Chartrect.Top + h : Chartrect.Bottom - ShapeHeight - h;
    int x = Bounds.Left + a;
    int Width = ShapeWidth;
    if (FAdjustFrame) {
        switch (FAlignment) {
        case taLeftJustify: break;
        case taRightJustify: x = Bounds.Left + ControlWidth - ShapeWidth - a; break;
        case taCenter:
            // Centred on the plot, but never past the picture's right edge.
            x = std::min(Chart.ChartXCenter() - ShapeWidth / 2, Bounds.Left + ControlWidth - ShapeWidth);
            x = std::max(Bounds.Left + a, x);
            break;
        }
    } else {
        Width = Room;
    }
    FShapeBounds = {x, y, x + Width, y + ShapeHeight};

    if (FOnTop)
        Chartrect.Top = h + FVertMargin + FShapeBounds.Bottom;
    else
        Chartrect.Bottom = FShapeBounds.Top - h - FVertMargin;
    Chart.SetChartRect(Chartrect);
    Chart.ReCalcWidthHeight();
}
