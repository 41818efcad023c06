#include "chart/axes/CustomTextShape.h"

#include "core/ChangeNotifier.h"
#include "chart/axes/ChartContext.h"
#include "chart/canvas/ChartCanvas.h"

#include <QStringList>

#include <algorithm>

TCustomTextShape::TCustomTextShape(TChartContext* AChart) : TCustomShape(AChart) {}

TCustomTextShape::~TCustomTextShape() = default;

void TCustomTextShape::SetText(const QString& Value)
{
    if (Change(FText, Value))
        Repaint();
}

void TCustomTextShape::SetTextAlign(TAlignment Value)
{
    if (Change(FTextAlign, Value))
        Repaint();
}

void TCustomTextShape::SetTextFormat(TTextFormat Value)
{
    if (Change(FTextFormat, Value))
        Repaint();
}

void TCustomTextShape::SetClipText(bool Value)
{
    if (Change(FClipText, Value))
        Repaint();
}

void TCustomTextShape::SetMargins(const TShapeMargins& Value)
{
    if (Change(FMargins, Value))
        Repaint();
}

TShapeMargins TCustomTextShape::PixelMargins(int W, int H)
{
    TShapeMargins M;
    M.Units = maPixels;
    if (FTransparent)
        return M;
    switch (FMargins.Units) {
    case maPixels:
        return FMargins;
    case maPercentSize:
        M.Left = FMargins.Left * W / 100;
        M.Right = FMargins.Right * W / 100;
        M.Top = FMargins.Top * H / 100;
        M.Bottom = FMargins.Bottom * H / 100;
        return M;
    case maPercentFont: {
        const int FontHeight = FParentChart->Canvas()->TextHeight(QStringLiteral("W"));
        M.Left = FMargins.Left * FontHeight / 100;
        M.Right = FMargins.Right * FontHeight / 100;
        M.Top = FMargins.Top * FontHeight / 100;
        M.Bottom = FMargins.Bottom * FontHeight / 100;
        return M;
    }
    }
    return M;
}

int TCustomTextShape::FrameTextOffset() const
{
    return !FTransparent && FPen.Visible() ? FPen.Width() / 2 + 1 : 0;
}

void TCustomTextShape::CalcBounds()
{
    if (!FAutoSize)
        return;
    FShapeBounds.Right = FShapeBounds.Left;
    FShapeBounds.Bottom = FShapeBounds.Top;
    const QString Text = GetText();
    if (Text.isEmpty()) {
        FLines = 0;
        return;
    }
    FParentChart->PrepareFont3D(FFont);
    const TMultiLineTextSize Size = FParentChart->MultiLineTextSize(Text);
    FLines = Size.NumLines;
    int W = Size.Width;
    int H = Size.Height;
    if (!FTransparent && FPen.Visible()) {
        W += FPen.Width() + 1;
        H += FPen.Width() + 1;
    }
    const TShapeMargins M = PixelMargins(W, H);
    FShapeBounds.Right = std::max(FShapeBounds.Right, FShapeBounds.Left + W + 2 * (M.Left + M.Right));
    FShapeBounds.Bottom = FShapeBounds.Top + H + M.Top + M.Bottom;
}

void TCustomTextShape::DrawContents()
{
    TChartCanvas& C = *FParentChart->Canvas();
    C.SetBackMode(cbmTransparent);
    FParentChart->PrepareFont3D(FFont);
    QString Text = GetText();
    Text.remove(QChar(10));
    if (Text.isEmpty())
        Text = QStringLiteral(" ");
    const QStringList Lines = Text.split(QChar(13));

    const int W = FShapeBounds.Width();
    const int H = FShapeBounds.Height();
    const TShapeMargins M = PixelMargins(W, H);
    int y = FShapeBounds.Top + M.Top + FrameTextOffset();
    int x;
    switch (FTextAlign) {
    case taLeftJustify:
        x = FShapeBounds.Left + M.Left;
        C.SetTextAlign(ta_LeftTop);
        break;
    case taRightJustify:
        x = FShapeBounds.Right - M.Right;
        C.SetTextAlign(ta_Right);
        break;
    case taCenter:
    default:
        x = (FShapeBounds.Left + FShapeBounds.Right) / 2;
        C.SetTextAlign(ta_Center);
        break;
    }

    const bool Clip = FClipText && !FAutoSize;
    if (Clip)
        C.ClipRectangle(FShapeBounds);
    const int LineHeight = Lines.size() > 1 ? C.TextHeight(QStringLiteral("W")) : 0;
    for (const QString& Line : Lines) {
        C.TextOut(x, y, Line);
        y += LineHeight;
    }
    if (Clip)
        C.UnClipRectangle();
}
