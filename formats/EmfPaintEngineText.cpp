#include "formats/EmfPaintEngine.h"

#include "formats/EmfObjects.h"
#include "formats/MetafileRecords.h"

#include "core/Numbers.h"

#include <QFontMetricsF>
#include <QTextItem>

#include <algorithm>
#include <cmath>
#include <vector>

// Text becomes a font object and one EXTTEXTOUTW record with the natural
// advances of its characters.

void TEmfPaintEngine::drawTextItem(const QPointF& Position, const QTextItem& Item)
{
    IDecorationLines = 0;
    const QString text = Item.text();
    if (text.isEmpty())
        return;
    FlushPolyline();
    ApplyClip();

    const QFont font = Item.font();
    const QFontMetricsF metrics(font, paintDevice());
    // The x axis of the transform gives the text's direction and horizontal scale.
    const double scaleX = std::hypot(IXform.m11(), IXform.m12());
    const double scaleY = std::hypot(IXform.m21(), IXform.m22());
    const double degrees = std::atan2(-IXform.m12(), IXform.m11()) * 180.0 / M_PI;
    int escapement = Numbers::RoundInt(degrees * 10) % 3600;
    if (escapement < 0)
        escapement += 3600;
    double em = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kDpi / 72.0;
    if (!(em > 0))
        em = metrics.ascent() + metrics.descent();
    const int height = std::clamp(Numbers::RoundInt(em * (std::isfinite(scaleY) ? scaleY : 1.0)), 1, 100000);

    SelectObject(okFont, EmfObjects::FontFields(font, height, escapement), 0, EMR_EXTCREATEFONTINDIRECTW);
    const uint32_t color = EmfObjects::ColorRef(IPen.color());
    if (IDc.TextColor != color) {
        FWriter.BeginRecord(EMR_SETTEXTCOLOR);
        FWriter.U32(color);
        FWriter.EndRecord();
        IDc.TextColor = color;
    }

    // Natural advances: each character's place measured along the whole text
    // (so kerning counts), rounded from the running position so that they add
    // up. A long text is measured a character at a time instead.
    const qsizetype n = text.size();
    std::vector<int32_t> dx(static_cast<size_t>(n), 0);
    const double sx = std::isfinite(scaleX) && scaleX > 0 ? scaleX : 1.0;
    constexpr qsizetype kMaxPrefixMeasure = 256;
    double position = 0;
    int placed = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            continue; // the pair's advance goes on its second unit
        if (n <= kMaxPrefixMeasure) {
            position = metrics.horizontalAdvance(text, static_cast<int>(i + 1)) * sx;
        } else {
            const bool pair = i > 0 && text.at(i).isLowSurrogate() && text.at(i - 1).isHighSurrogate();
            const qsizetype start = pair ? i - 1 : i;
            position += metrics.horizontalAdvance(text.mid(start, i - start + 1)) * sx;
        }
        const int next = Numbers::RoundInt(position);
        dx[static_cast<size_t>(i)] = next - placed;
        placed = next;
    }

    const QPoint reference = Map(Position);
    const QRectF local(Position.x(), Position.y() - metrics.ascent(), metrics.horizontalAdvance(text),
                       metrics.ascent() + metrics.descent());
    const QRectF box = IXform.mapRect(local);
    const QRect bounds(QPoint(ToDevice(box.left()), ToDevice(box.top())),
                       QPoint(ToDevice(box.right()), ToDevice(box.bottom())));
    const uint32_t stringBytes = static_cast<uint32_t>(n) * 2;
    const uint32_t offDx = 76 + ((stringBytes + 3) & ~3u);

    FWriter.BeginRecord(EMR_EXTTEXTOUTW);
    FWriter.Rectl(bounds);
    FWriter.U32(1); // GM_COMPATIBLE
    FWriter.F32(static_cast<float>(100.0 * FScreenMillimeters.width() / FScreenPixels.width()));
    FWriter.F32(static_cast<float>(100.0 * FScreenMillimeters.height() / FScreenPixels.height()));
    FWriter.I32(reference.x());
    FWriter.I32(reference.y());
    FWriter.U32(static_cast<uint32_t>(n));
    FWriter.U32(76); // offString
    FWriter.U32(0);  // fOptions
    FWriter.Rectl(bounds);
    FWriter.U32(offDx);
    for (const QChar c : text)
        FWriter.U16(c.unicode());
    FWriter.Align4();
    for (const int32_t d : dx)
        FWriter.I32(d);
    FWriter.EndRecord();
    IDecorationLines = (font.underline() ? 1 : 0) + (font.strikeOut() ? 1 : 0);
}
