#include "chart/axes/ChartContext.h"

#include "chart/canvas/ChartCanvas.h"

#include <algorithm>

void TChartContext::PrepareFont3D(const TChartFont& Font)
{
    Canvas()->AssignFont(Font);
}

TMultiLineTextSize TChartContext::MultiLineTextSize(const QString& Text)
{

    TMultiLineTextSize Result;
    TChartCanvas* C = Canvas();
    qsizetype Start = 0;
    for (;;) {
        const qsizetype End = Text.indexOf(QChar(13), Start);
        const QString Line = Text.mid(Start, End < 0 ? -1 : End - Start);
        Result.Width = std::max(Result.Width, C->TextWidth(Line));
        ++Result.NumLines;
        if (End < 0)
            break;
        Start = End + 1;
        // A line feed right after the separator belongs to it.
        if (Start < Text.size() && Text[Start] == QChar(10))
            ++Start;
    }
    Result.Height = Result.NumLines * C->TextHeight(QStringLiteral("W"));
    return Result;
}

void TChartContext::ReCalcWidthHeight()
{
    TRect& R = FChartRect;
    R.Left = std::max(R.Left, FChartBounds.Left);
    R.Top = std::max(R.Top, FChartBounds.Top);
    if (R.Right < R.Left)
        R.Right = R.Left + 1;
    if (R.Bottom < R.Top)
        R.Bottom = R.Top + 1;
    FChartWidth = R.Right - R.Left;
    FChartHeight = R.Bottom - R.Top;
    FChartXCenter = (R.Left + R.Right) / 2;
    FChartYCenter = (R.Top + R.Bottom) / 2;
}
