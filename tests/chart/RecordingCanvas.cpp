#include "RecordingCanvas.h"

std::vector<TRecordingCanvas::TCall> TRecordingCanvas::Of(const QString& Op) const
{
    std::vector<TCall> Result;
    for (const TCall& c : Calls)
        if (c.Op == Op)
            Result.push_back(c);
    return Result;
}

int TRecordingCanvas::IndexOf(const QString& Op, int From) const
{
    for (int i = std::max(From, 0); i < int(Calls.size()); ++i)
        if (Calls[size_t(i)].Op == Op)
            return i;
    return -1;
}

TRect TRecordingCanvas::InitWindow(QPaintDevice*, const TRect& rect, bool, TColor)
{
    ++InitWindowCount;
    Calls.clear();
    FBackMode = cbmOpaque;
    return {0, 0, rect.Width(), rect.Height()};
}

void TRecordingCanvas::ShowImage(QPaintDevice*, const TRect&)
{
    ++ShowImageCount;
    FDirty = false;
}

bool TRecordingCanvas::ReDrawBitmap(QPaintDevice*, const TRect&)
{
    if (FDirty)
        return false;
    ++ReDrawCount;
    return true;
}

void TRecordingCanvas::Record(const QString& Op, const TRect& R, const QString& Text, int Extra)
{
    TCall c;
    c.Op = Op;
    c.R = R;
    c.Text = Text;
    c.BrushColor = FBrush.Color();
    c.BrushStyle = FBrush.Style();
    c.PenColor = FPen.Color();
    c.PenStyle = FPen.Style();
    c.PenWidth = FPen.Width();
    c.Alpha = FTransparency;
    c.Align = FTextAlign;
    c.Extra = Extra;
    c.FontColor = FFont.Color();
    Calls.push_back(c);
}
