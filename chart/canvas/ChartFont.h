#pragma once

#include "core/Color.h"

#include <QString>

#include <functional>
#include <utility>

enum TFontQuality { fqBest, fqNormal, fqDefault, fqClearType };

// Font style bits, as the settings file stores them.
enum TFontStyleBit { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The font settings of a chart element: face, size in points, colour, style
// bits, quality. The owner's change hook repaints its chart.
class TChartFont {
public:
    TChartFont();
    explicit TChartFont(std::function<void()> OnChange);
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    // "Arial" 8 pt, or "ＭＳ Ｐゴシック" 9 pt when the locale's language is
    // Japanese; fixed at the first use.
    static const QString& DefaultName();
    static int DefaultSize();

    const QString& Name() const { return FName; }
    void SetName(const QString& Value);
    int Size() const { return FSize; }
    void SetSize(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Style() const { return FStyle; } // TFontStyleBit set
    void SetStyle(int Value);
    TFontQuality Quality() const { return FQuality; }
    void SetQuality(TFontQuality Value);
    int Charset() const { return FCharset; }
    void SetCharset(int Value);

    void Assign(const TChartFont& Source);
    bool SameAs(const TChartFont& Other) const;
    void SetOnChange(std::function<void()> OnChange) { FOnChange = std::move(OnChange); }

private:
    QString FName;
    int FSize;
    TColor FColor = clBlack;
    int FStyle = 0;
    TFontQuality FQuality = fqDefault;
    int FCharset = 1;
    std::function<void()> FOnChange;

    void Changed();
};
