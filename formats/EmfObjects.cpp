#include "formats/EmfObjects.h"

#include "formats/EmfWriter.h"
#include "core/Numbers.h"

#include <QGradient>

#include <algorithm>
#include <vector>

namespace EmfObjects {

uint32_t ColorRef(const QColor& Color)
{
    const QColor c = Color.toRgb();
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

bool IsJapaneseFace(const QString& Face)
{
    for (const QChar c : Face) {
        const ushort u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    static const char* const names[] = {"IPAPGothic", "IPAGothic", "IPAPMincho", "IPAMincho", "IPAexGothic",
                                        "IPAexMincho", "MS PGothic", "MS Gothic", "MS UI Gothic", "MS PMincho",
                                        "MS Mincho", "Meiryo", "Yu Gothic", "Yu Mincho", "CJK JP", "TakaoPGothic",
                                        "VL PGothic", "VL Gothic"};
    for (const char* name : names)
        if (Face.contains(QLatin1String(name), Qt::CaseInsensitive))
            return true;
    return false;
}

QByteArray PenFields(const QPen& Pen, double Scale)
{
    TEmfWriter fields;
    const int width = std::clamp(Numbers::RoundInt(Pen.widthF() * Scale), 1, 100000);
    uint32_t style = 0;
    std::vector<uint32_t> entries;
    switch (Pen.style()) {
    case Qt::DashLine: style = 1; break;
    case Qt::DotLine: style = 2; break;
    case Qt::DashDotLine: style = 3; break;
    case Qt::DashDotDotLine: style = 4; break;
    case Qt::CustomDashLine: {
        const QList<qreal> pattern = Pen.dashPattern();
        // The classic patterns, in pen widths, are the PS_ styles, which every
        // renderer dashes (LibreOffice draws user styles solid).
        static const QList<qreal> classic[] = {{3, 1}, {1, 1}, {3, 1, 1, 1}, {3, 1, 1, 1, 1, 1}};
        for (uint32_t i = 0; i < 4; ++i)
            if (pattern == classic[i])
                style = i + 1;
        if (style != 0)
            break;
        // Qt's pattern is in pen widths; EMF's user style in logical units.
        style = 7;
        for (const qreal d : pattern)
            entries.push_back(static_cast<uint32_t>(std::clamp(Numbers::RoundInt(d * width), 1, 100000)));
        if (entries.size() % 2 != 0 || entries.size() > 16)
            entries.clear();
        if (entries.empty())
            style = 0;
        break;
    }
    default: break;
    }
    switch (Pen.capStyle()) {
    case Qt::SquareCap: style |= 0x100; break;
    case Qt::FlatCap: style |= 0x200; break;
    default: break;
    }
    switch (Pen.joinStyle()) {
    case Qt::BevelJoin: style |= 0x1000; break;
    case Qt::MiterJoin:
    case Qt::SvgMiterJoin: style |= 0x2000; break;
    default: break;
    }
    style |= 0x10000; // PS_GEOMETRIC
    // offBmi, cbBmi, offBits, cbBits, then the LogPenEx.
    for (int i = 0; i < 4; ++i)
        fields.U32(0);
    fields.U32(style);
    fields.U32(static_cast<uint32_t>(width));
    fields.U32(0); // BS_SOLID
    fields.U32(ColorRef(Pen.color()));
    fields.U32(0); // hatch
    fields.U32(static_cast<uint32_t>(entries.size()));
    for (const uint32_t e : entries)
        fields.U32(e);
    return fields.Data();
}

QByteArray BrushFields(const QBrush& Brush)
{
    TEmfWriter fields;
    // Gradients and textures have no plain-EMF brush: their first colour fills.
    QColor color = Brush.color();
    if (const QGradient* gradient = Brush.gradient(); gradient && !gradient->stops().isEmpty())
        color = gradient->stops().front().second;
    uint32_t lbStyle = 0; // BS_SOLID
    uint32_t hatch = 0;
    switch (Brush.style()) {
    case Qt::HorPattern: lbStyle = 2; hatch = 0; break;
    case Qt::VerPattern: lbStyle = 2; hatch = 1; break;
    case Qt::FDiagPattern: lbStyle = 2; hatch = 2; break;
    case Qt::BDiagPattern: lbStyle = 2; hatch = 3; break;
    case Qt::CrossPattern: lbStyle = 2; hatch = 4; break;
    case Qt::DiagCrossPattern: lbStyle = 2; hatch = 5; break;
    default: break;
    }
    fields.U32(lbStyle);
    fields.U32(ColorRef(color));
    fields.U32(hatch);
    return fields.Data();
}

QByteArray FontFields(const QFont& Font, int Height, int Escapement)
{
    TEmfWriter fields;
    const QString face = Font.family().left(31);
    fields.I32(-Height);
    fields.I32(0);
    fields.I32(Escapement);
    fields.I32(Escapement);
    fields.I32(Font.weight() >= QFont::DemiBold ? 700 : 400);
    fields.U8(Font.italic() ? 1 : 0);
    fields.U8(Font.underline() ? 1 : 0);
    fields.U8(Font.strikeOut() ? 1 : 0);
    fields.U8(IsJapaneseFace(face) ? 128 : 1);
    fields.U8(0); // OutPrecision
    fields.U8(0); // ClipPrecision
    fields.U8(4); // ANTIALIASED_QUALITY
    fields.U8(0); // PitchAndFamily
    for (int i = 0; i < 32; ++i)
        fields.U16(i < face.size() ? face.at(i).unicode() : 0);
    for (int i = 0; i < 64 + 32 + 32; ++i) // FullName, Style, Script
        fields.U16(0);
    fields.U32(0x08007664); // signature
    fields.U32(0);          // NumAxes
    return fields.Data();
}

} // namespace EmfObjects
