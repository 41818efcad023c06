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
    : TChangeNotifier(std::move(OnChange)), FName(DefaultName()), FSize(DefaultSize())
{
}

const QString& TChartFont::DefaultName() { return Defaults().Name; }

int TChartFont::DefaultSize() { return Defaults().Size; }

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
