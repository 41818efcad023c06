#pragma once

#include "core/ChangeNotifier.h"
#include "core/Color.h"

#include <QString>

enum TFontQuality { fqBest, fqNormal, fqDefault, fqClearType };

// Font style bits, as the settings file stores them.
enum TFontStyleBit { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The font settings of a chart element: face, size in points, colour, style
// bits, quality. The owner's change hook repaints its chart.
class TChartFont : public TChangeNotifier {
public:
    TChartFont();
    explicit TChartFont(std::function<void()> OnChange);

    // "Arial" 8 pt, or "ＭＳ Ｐゴシック" 9 pt when the locale's language is
    // Japanese; fixed at the first use.
    static const QString& DefaultName();
    static int DefaultSize();

    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { Set(FName, QString(Value)); }
    int Size() const { return FSize; }
    void SetSize(int Value) { Set(FSize, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    int Style() const { return FStyle; } // TFontStyleBit set
    void SetStyle(int Value) { Set(FStyle, Value); }
    TFontQuality Quality() const { return FQuality; }
    void SetQuality(TFontQuality Value) { Set(FQuality, Value); }
    int Charset() const { return FCharset; }
    void SetCharset(int Value) { Set(FCharset, Value); }

    void Assign(const TChartFont& Source);
    bool SameAs(const TChartFont& Other) const;

private:
    QString FName;
    int FSize;
    TColor FColor = clBlack;
    int FStyle = 0;
    TFontQuality FQuality = fqDefault;
    int FCharset = 1;
};
