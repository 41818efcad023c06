#include "chart/canvas/PlatformFont.h"

#include "chart/canvas/ChartFont.h"

bool TPlatformFont::Update(const QString& Name, double Size, int Style, TTextHint Hint, int Dpi,
                           QPaintDevice* Device)
{
    if (FValid && FSize == Size && FStyle == Style && FHint == Hint && FDpi == Dpi && FName == Name)
        return false;

    QFont font(Name);
    // Unknown faces fall back to the generic sans-serif family.
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(Size);
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    switch (Hint) {
    case thAntiAlias:
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
        break;
    case thSingleBitPerPixelGridFit:
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        break;
    case thClearTypeGridFit:
        // No sub-pixel rendering here: antialiased glyphs fitted to the grid.
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        break;
    }

    FValid = true;
    FName = Name;
    FSize = Size;
    FStyle = Style;
    FHint = Hint;
    FDpi = Dpi;
    FFont = font;
    FMetrics.emplace(font, Device);
    FPadding = Size * Dpi / 72.0 / 6.0;
    return true;
}
