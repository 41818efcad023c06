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

QString TChartContext::ElidedLine(const QString& Line, int MaxWidth)
{
    TChartCanvas* C = Canvas();
    if (C->TextWidth(Line) <= MaxWidth)
        return Line;
    const QString Ellipsis(QChar(0x2026));
    auto Cut = [&](qsizetype n) {
        // Never between the halves of a surrogate pair.
        if (n > 0 && Line[n - 1].isHighSurrogate())
            --n;
        while (n > 0 && Line[n - 1].isSpace())
            --n;
        return Line.left(n) + Ellipsis;
    };
    // The widths grow with the length: the longest start that fits.
    qsizetype Low = 0;
    qsizetype High = Line.size();
    while (Low < High) {
        const qsizetype Mid = (Low + High + 1) / 2;
        if (C->TextWidth(Cut(Mid)) <= MaxWidth)
            Low = Mid;
        else
            High = Mid - 1;
    }
    return Cut(Low);
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
