#include "app/PrefixInTitles.h"

#include "app/DataImport.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/panel/CustomAxisPanel.h"

QString TPrefixInTitles::TitleWithPrefix(const QString& Title, const QString& Prefix)
{
    if (Prefix.isEmpty())
        return Title;
    const QString Bracketed = u'[' + Prefix + u']';
    return Title.isEmpty() ? Bracketed : Title + u' ' + Bracketed;
}

void TPrefixInTitles::ApplyTo(TChartAxisTitle& Title, TKept& Kept, const QString& Prefix)
{
    const QString Caption = Title.Caption();
    // Anything but what was set here last is a title given anew.
    if (!Kept.Known || Caption != Kept.Shown)
        Kept.Given = Caption;
    Kept.Known = true;
    Kept.Shown = FChecked ? TitleWithPrefix(Kept.Given, Prefix) : Kept.Given;
    Title.SetCaption(Kept.Shown);
}

void TPrefixInTitles::Apply(TCustomAxisPanel& Chart, const TDataImport& Import)
{
    ApplyTo(*Chart.BottomAxis()->Title(), FX, Import.XPrefixInUse());
    ApplyTo(*Chart.LeftAxis()->Title(), FY, Import.YPrefixInUse());
}
