#include "chart/canvas/ChartFont.h"

#include <QLocale>

namespace {

struct TFontDefaults {
    QString Name;
    int Size;
};

// Decided once, from the locale the program started with.
const TFontDefaults& Defaults()
{
    static const TFontDefaults defaults = [] {
        if (QLocale::system().language() == QLocale::Japanese)
            return TFontDefaults{QString::fromUtf8("ＭＳ Ｐゴシック"), 9};
        return TFontDefaults{QStringLiteral("Arial"), 8};
    }();
    return defaults;
}

} // namespace

TChartFont::TChartFont() : FName(DefaultName()), FSize(DefaultSize()) {}

TChartFont::TChartFont(std::function<void()> OnChange)
    : FName(DefaultName()), FSize(DefaultSize()), FOnChange(std::move(OnChange))
{
}

const QString& TChartFont::DefaultName() { return Defaults().Name; }

int TChartFont::DefaultSize() { return Defaults().Size; }

void TChartFont::SetName(const QString& Value)
{
    if (FName != Value) {
        FName = Value;
        Changed();
    }
}

void TChartFont::SetSize(int Value)
{
    if (FSize != Value) {
        FSize = Value;
        Changed();
    }
}

void TChartFont::SetColor(TColor Value)
{
    if (FColor != Value) {
        FColor = Value;
        Changed();
    }
}

void TChartFont::SetStyle(int Value)
{
    if (FStyle != Value) {
        FStyle = Value;
        Changed();
    }
}

void TChartFont::SetQuality(TFontQuality Value)
{
    if (FQuality != Value) {
        FQuality = Value;
        Changed();
    }
}

void TChartFont::SetCharset(int Value)
{
    if (FCharset != Value) {
        FCharset = Value;
        Changed();
    }
}

void TChartFont::Assign(const TChartFont& Source)
{
    if (&Source == this || SameAs(Source))
        return;
    FName = Source.FName;
    FSize = Source.FSize;
    FColor = Source.FColor;
    FStyle = Source.FStyle;
    FQuality = Source.FQuality;
    FCharset = Source.FCharset;
    Changed();
}

bool TChartFont::SameAs(const TChartFont& Other) const
{
    return FName == Other.FName && FSize == Other.FSize && FColor == Other.FColor && FStyle == Other.FStyle
        && FQuality == Other.FQuality && FCharset == Other.FCharset;
}

void TChartFont::Changed()
{
    if (FOnChange)
        FOnChange();
}
