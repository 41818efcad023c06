#pragma once

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

// The separators of the user's region, handed in: the reader reads no global.
struct TRegionalSeparators {
    QString Decimal = QStringLiteral(".");
    QString Group = QStringLiteral(",");
};

enum TColumnKind { ckNumber, ckDateTime, ckText, ckEmpty };

// One column of the data block.
struct TTableColumn {
    TColumnKind Kind = ckEmpty;
    // From the header lines above the block, joined; empty without a header.
    QString Title;
    // From a line of units under the names, or a unit written in every cell.
    QString Unit;
    // Its place among the cells of a data line (0 = the first cell); -1 for
    // an X made from a time base.
    int SourceColumn = 0;
    // One value a data line; NaN where the line has no number there.
    std::vector<double> Values;
    // "Title (Unit)", or whichever of the two there is.
    QString Caption() const;
};

// What the reader passed over, and why.
struct TTableReport {
    // Lines above the block that belong to neither the block nor its header.
    int PreambleLines = 0;
    int HeaderLines = 0;
    bool UnitLine = false;
    // Lines below the block, and lines inside it of another layout.
    int SkippedLines = 0;
    // Columns that are no series, with the reason: "空" (empty), "文字"
    // (text), "設定" (numbers only beside the block's first lines).
    struct TLeftOut {
        int SourceColumn;
        QString Reason;
    };
    std::vector<TLeftOut> LeftOut;
    // Numbers read with grouping, or with a unit stripped off.
    bool Grouped = false;
    // X made from a time base above the samples (start + i × increment).
    bool TimeBase = false;
};

// The data block of a text: the longest run of lines that split into the
// same layout of numeric cells, with its header and units above it.
struct TTable {
    // '\t', ',', ';', or ' ' for runs of spaces; 0 without a block.
    char Delimiter = 0;
    // The decimal separator the block's numbers were read with.
    QString Decimal;
    // The first column is X; only columns of numbers (or dates) are here.
    std::vector<TTableColumn> Columns;
    // Line numbers (from 0) of the block's first and last line.
    int FirstLine = -1;
    int LastLine = -1;
    int Rows() const { return Columns.empty() ? 0 : int(Columns.front().Values.size()); }
    TTableReport Report;
};

// Reads a table out of UTF-8 text: a pure function of its input.
TTable ReadTable(std::string_view Utf8, const TRegionalSeparators& Regional);
// Where the block of a text is and what stands above it, from its first
// lines alone: the delimiter, the block's first line, the header and preamble
// counts; no columns.
TTable ReadTableShape(std::string_view Utf8, const TRegionalSeparators& Regional);
