#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

// The lines of the current data text, exactly as loaded: no trimming, empty
// lines kept. The text is held once, as UTF-8, with the extent of each line;
// a million-line file costs no million small strings, and the number cells
// are read straight from the bytes.
class TDataList {
public:
    int Count() const { return int(FLines.size()); }
    bool IsEmpty() const { return FLines.empty(); }
    // Some line holds a character other than a space or a TAB.
    bool HasData() const;
    std::string_view Line(int index) const;
    // The whole text, from the first line on (a byte-order mark left out).
    std::string_view Text() const;
    QString LineText(int index) const;

    void Clear();
    // Replaces the lines with those of `utf8` (which must be valid UTF-8),
    // split at CR LF, lone LF and lone CR; a break at the very end adds no
    // empty last line. `skip` leading bytes (a byte-order mark) are left out.
    void SetText(QByteArray utf8, qsizetype skip = 0);
    void SetText(const QString& text);

    // Bytes held, for the memory figures of the benchmarks.
    qsizetype TextBytes() const { return FText.size(); }

private:
    struct TExtent {
        qsizetype Start;
        qsizetype Length;
    };
    QByteArray FText;
    std::vector<TExtent> FLines;
};
