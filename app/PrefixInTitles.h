#pragma once

#include <QString>

class TChartAxisTitle;
class TCustomAxisPanel;
class TDataImport;

// The scale tab's "倍率を軸名に表示": while checked, each axis title carries
// the prefix its axis' numbers were magnified with, in brackets ("Frequency
// (Hz) [M]"; "[M]" for an empty title), so that a copied or saved picture
// says what the numbers mean. The titles as the user or the import gave them
// are kept: unchecking gives them back, and a title given anew (a new header
// row, an edited name) takes the prefix at the next Apply.
class TPrefixInTitles {
public:
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; }

    // Brings both axis titles up to date with the prefixes `Import` has in
    // use; a changed title repaints the chart.
    void Apply(TCustomAxisPanel& Chart, const TDataImport& Import);

    // Title with " [Prefix]" after it, "[Prefix]" alone for an empty title,
    // and Title itself without a prefix.
    static QString TitleWithPrefix(const QString& Title, const QString& Prefix);

private:
    struct TKept {
        bool Known = false;
        QString Given; // the title as given
        QString Shown; // what Apply set
    };
    void ApplyTo(TChartAxisTitle& Title, TKept& Kept, const QString& Prefix);

    bool FChecked = false;
    TKept FX;
    TKept FY;
};
