#include "app/TableReader.h"

#include "app/CellSplitter.h"
#include "core/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {

// How many lines decide the delimiter and the block's layout; the rest of a
// long file is only checked against that layout.
constexpr size_t SampleLines = 2000;
// The most text lines above the block that make its header.
constexpr int MaxHeaderLines = 3;

enum TCellKind : unsigned char { kEmpty, kNumber, kText };

// What a cell reads as: with the point as decimal separator, with the comma,
// and the unit written after the number.
struct TCell {
    TCellKind Kind = kEmpty;
    bool ReadsWithPoint = false;
    bool ReadsWithComma = false;
    std::string Suffix;
};

// The lines of Text, at most MaxLines of them.
std::vector<std::string_view> SplitLines(std::string_view Text, size_t MaxLines)
{
    std::vector<std::string_view> Lines;
    size_t Begin = 0;
    for (size_t i = 0; i < Text.size() && Lines.size() < MaxLines; ++i) {
        if (Text[i] != '\n' && Text[i] != '\r')
            continue;
        Lines.push_back(Text.substr(Begin, i - Begin));
        if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n')
            ++i;
        Begin = i + 1;
    }
    if (Begin < Text.size() && Lines.size() < MaxLines)
        Lines.push_back(Text.substr(Begin));
    return Lines;
}

std::string_view Trim(std::string_view S)
{
    while (!S.empty() && (S.front() == ' ' || S.front() == '\t'))
        S.remove_prefix(1);
    while (!S.empty() && (S.back() == ' ' || S.back() == '\t'))
        S.remove_suffix(1);
    return S;
}

bool Blank(std::string_view S)
{
    return Trim(S).empty();
}

// Full-width digits and signs, U+2212 minus and the no-break and thin spaces
// as the plain ASCII they stand for.
std::string Normalised(std::string_view S)
{
    std::string Out;
    Out.reserve(S.size());
    for (size_t i = 0; i < S.size(); ++i) {
        const auto c = static_cast<unsigned char>(S[i]);
        if (c == 0xEF && i + 2 < S.size() && static_cast<unsigned char>(S[i + 1]) == 0xBC) {
            const auto d = static_cast<unsigned char>(S[i + 2]);
            if (d >= 0x90 && d <= 0x99) { // ０..９
                Out += char('0' + (d - 0x90));
                i += 2;
                continue;
            }
            if (d == 0x8B || d == 0x8D || d == 0x8E || d == 0x8C) { // ＋ － ． ，
                Out += d == 0x8B ? '+' : d == 0x8D ? '-' : d == 0x8E ? '.' : ',';
                i += 2;
                continue;
            }
        }
        if (c == 0xE2 && i + 2 < S.size() && static_cast<unsigned char>(S[i + 1]) == 0x88
            && static_cast<unsigned char>(S[i + 2]) == 0x92) { // −
            Out += '-';
            i += 2;
            continue;
        }
        if (c == 0xC2 && i + 1 < S.size() && static_cast<unsigned char>(S[i + 1]) == 0xA0) { // no-break space
            Out += '\x01';
            ++i;
            continue;
        }
        if (c == 0xE2 && i + 2 < S.size() && static_cast<unsigned char>(S[i + 1]) == 0x80
            && (static_cast<unsigned char>(S[i + 2]) == 0x89 || static_cast<unsigned char>(S[i + 2]) == 0xAF)) {
            Out += '\x01'; // thin and narrow no-break space
            i += 2;
            continue;
        }
        Out += S[i];
    }
    return Out;
}

// The number with its strict thousands grouping taken out: groups of three
// after one to three digits, by `Group` (or a space of any kind, marked \x01,
// or a plain space when the decimal separator is the comma). Empty when the
// grouping is not strict.
std::string Ungrouped(const std::string& S, char Decimal)
{
    const char Group = Decimal == '.' ? ',' : '.';
    size_t Start = 0;
    while (Start < S.size() && (S[Start] == '+' || S[Start] == '-'))
        ++Start;
    size_t End = S.find(Decimal, Start);
    if (End == std::string::npos) {
        End = S.find_first_of("eE", Start);
        if (End == std::string::npos)
            End = S.size();
    }
    const std::string_view Whole(S.data() + Start, End - Start);
    char Used = 0;
    int Run = 0;
    int Groups = 0;
    std::string Digits;
    for (char c : Whole) {
        if (c >= '0' && c <= '9') {
            ++Run;
            Digits += c;
            continue;
        }
        const bool IsGroup = c == Group || c == '\x01' || (c == ' ' && Decimal == ',');
        if (!IsGroup || (Used && c != Used) || Run == 0 || (Groups == 0 ? Run > 3 : Run != 3))
            return {};
        Used = c;
        Run = 0;
        ++Groups;
    }
    if (Groups == 0 || Run != 3)
        return {};
    return S.substr(0, Start) + Digits + S.substr(End);
}

bool ReadsWith(const std::string& S, char Decimal, double& Value, bool& Grouped)
{
    const std::string_view Separator(&Decimal, 1);
    if (S.find('\x01') == std::string::npos && Numbers::TryParseNumber(S, Separator, Value))
        return true;
    const std::string Plain = Ungrouped(S, Decimal);
    if (!Plain.empty() && Numbers::TryParseNumber(Plain, Separator, Value)) {
        Grouped = true;
        return true;
    }
    return false;
}

// A unit after the number: letters, °, %, µ and the like, not a digit or a
// separator, at most 12 bytes.
bool SplitSuffix(const std::string& S, std::string& Number, std::string& Suffix)
{
    size_t i = S.size();
    while (i > 0) {
        const auto c = static_cast<unsigned char>(S[i - 1]);
        if ((c >= '0' && c <= '9') || c == '.' || c == ',')
            break;
        --i;
    }
    if (i == 0 || i == S.size() || S.size() - i > 12)
        return false;
    Number = std::string(Trim(std::string_view(S).substr(0, i)));
    Suffix = std::string(Trim(std::string_view(S).substr(i)));
    return !Number.empty() && !Suffix.empty() && Number.back() >= '0' && Number.back() <= '9';
}

TCell Classify(std::string_view Raw, char Delimiter)
{
    TCell Cell;
    const std::string_view Text = Trim(Raw);
    if (Text.empty())
        return Cell;
    const std::string S = Normalised(Text);
    double Value;
    bool Grouped = false;
    Cell.ReadsWithPoint = ReadsWith(S, '.', Value, Grouped);
    // A comma inside a comma-separated cell came quoted: it groups, it never
    // separates decimals there.
    Cell.ReadsWithComma = Delimiter != ',' && ReadsWith(S, ',', Value, Grouped);
    if (Cell.ReadsWithPoint || Cell.ReadsWithComma) {
        Cell.Kind = kNumber;
        return Cell;
    }
    std::string Number;
    if (SplitSuffix(S, Number, Cell.Suffix)) {
        Cell.ReadsWithPoint = ReadsWith(Number, '.', Value, Grouped);
        Cell.ReadsWithComma = Delimiter != ',' && ReadsWith(Number, ',', Value, Grouped);
        if (Cell.ReadsWithPoint || Cell.ReadsWithComma) {
            Cell.Kind = kNumber;
            return Cell;
        }
    }
    Cell.Suffix.clear();
    Cell.Kind = kText;
    return Cell;
}

// The cells of a line: runs of spaces for ' ', otherwise the quoted split.
const std::vector<std::string_view>& SplitCells(TCellSplitter& Splitter, std::vector<std::string_view>& Runs,
                                                 std::string_view Line, char Delimiter)
{
    if (Delimiter != ' ')
        return Splitter.Split(Line, Delimiter);
    Runs.clear();
    size_t i = 0;
    while (i < Line.size()) {
        while (i < Line.size() && (Line[i] == ' ' || Line[i] == '\t'))
            ++i;
        const size_t Begin = i;
        while (i < Line.size() && Line[i] != ' ' && Line[i] != '\t')
            ++i;
        if (i > Begin)
            Runs.push_back(Line.substr(Begin, i - Begin));
    }
    return Runs;
}

// The kinds of a line's cells, trailing empty cells left out.
using TLayout = std::vector<TCellKind>;

TLayout LayoutOf(const std::vector<std::string_view>& Cells, char Delimiter)
{
    TLayout Layout;
    Layout.reserve(Cells.size());
    for (std::string_view Cell : Cells)
        Layout.push_back(Classify(Cell, Delimiter).Kind);
    while (!Layout.empty() && Layout.back() == kEmpty)
        Layout.pop_back();
    return Layout;
}

bool HasNumber(const TLayout& Layout)
{
    return std::find(Layout.begin(), Layout.end(), kNumber) != Layout.end();
}

// A data line fits a block of the same width whose first numeric column it
// shares; an empty or non-numeric cell elsewhere is a cell passed over.
bool Fits(const TLayout& Line, const TLayout& Block)
{
    if (Line.size() > Block.size() || !HasNumber(Line))
        return false;
    const size_t First = size_t(std::find(Block.begin(), Block.end(), kNumber) - Block.begin());
    return First < Line.size() && Line[First] == kNumber
        && std::all_of(Line.begin(), Line.begin() + First, [](TCellKind k) { return k != kNumber; });
}

struct TBlock {
    char Delimiter = 0;
    size_t First = 0; // line indexes, inclusive
    size_t Last = 0;
    TLayout Layout;   // of its first line, the widest
    size_t Lines = 0; // data lines in it
    long Score = std::numeric_limits<long>::min();
};

// The longest run of fitting lines for one delimiter (rows of nothing but
// blanks and delimiters are empty rows inside it), scored by its numeric
// cells less its text cells, which tells the delimiters apart.
TBlock BestBlock(const std::vector<std::string_view>& Lines, size_t Count, char Delimiter)
{
    TCellSplitter Splitter;
    std::vector<std::string_view> Runs;
    TBlock Best;
    TBlock Run;
    bool Open = false;
    for (size_t i = 0; i < Count; ++i) {
        if (Lines[i].empty())
            continue;
        const TLayout Layout = LayoutOf(SplitCells(Splitter, Runs, Lines[i], Delimiter), Delimiter);
        if (Layout.empty())
            continue;
        long LineScore = 0;
        for (TCellKind k : Layout)
            LineScore += k == kNumber ? 1 : k == kText ? -1 : 0;
        if (Open && Fits(Layout, Run.Layout)) {
            Run.Last = i;
            ++Run.Lines;
            Run.Score += LineScore;
        } else if (HasNumber(Layout)) {
            Open = true;
            Run = {Delimiter, i, i, Layout, 1, LineScore};
        } else {
            Open = false;
        }
        if (Open && (Run.Lines > Best.Lines || (Run.Lines == Best.Lines && Run.Score > Best.Score)))
            Best = Run;
    }
    return Best;
}

bool UnitLike(std::string_view Cell)
{
    const std::string_view S = Trim(Cell);
    if (S.size() >= 2 && ((S.front() == '(' && S.back() == ')') || (S.front() == '[' && S.back() == ']')))
        return true;
    return S.size() <= 6 && S.find(' ') == std::string_view::npos
        && std::none_of(S.begin(), S.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QString UnitText(std::string_view Cell)
{
    std::string_view S = Trim(Cell);
    if (S.size() >= 2 && ((S.front() == '(' && S.back() == ')') || (S.front() == '[' && S.back() == ']')))
        S = Trim(S.substr(1, S.size() - 2));
    return QString::fromUtf8(S.data(), qsizetype(S.size()));
}

std::string Lower(std::string_view S)
{
    std::string Out(Trim(S));
    for (char& c : Out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return Out;
}

// The number a settings cell names: the next cell to its right, or the cell
// under it on the next line.
bool SettingValue(const std::vector<std::vector<std::string>>& Rows, size_t Row, size_t Column, char Decimal,
                  double& Value)
{
    const std::string_view Separator(&Decimal, 1);
    if (Column + 1 < Rows[Row].size()
        && Numbers::TryParseNumber(Normalised(Trim(Rows[Row][Column + 1])), Separator, Value))
        return true;
    return Row + 1 < Rows.size() && Column < Rows[Row + 1].size()
        && Numbers::TryParseNumber(Normalised(Trim(Rows[Row + 1][Column])), Separator, Value);
}

// A time base written above the samples ("Start" and "Increment", or a
// "Sample Interval"): where the samples have no X of their own (only a
// sequence number, or nothing), X is start + i × increment.
void ApplyTimeBase(TTable& Table, const std::vector<std::string_view>& Lines, size_t BlockFirst, char Delimiter,
                   char Decimal)
{
    if (Table.Columns.empty())
        return;
    const size_t From = BlockFirst > 200 ? BlockFirst - 200 : 0;
    double Start = 0;
    double Increment = 0;
    bool HasIncrement = false;
    TCellSplitter Splitter;
    std::vector<std::string_view> Runs;
    // The settings may be written with another delimiter than a block of
    // one column shows.
    for (char By : {Delimiter, '\t', ',', ';'}) {
        std::vector<std::vector<std::string>> Rows;
        for (size_t i = From; i < BlockFirst; ++i) {
            const std::vector<std::string_view>& Split = SplitCells(Splitter, Runs, Lines[i], By);
            Rows.emplace_back(Split.begin(), Split.end());
        }
        for (size_t r = 0; r < Rows.size(); ++r) {
            for (size_t c = 0; c < Rows[r].size(); ++c) {
                const std::string Name = Lower(Rows[r][c]);
                double Value;
                if ((Name == "start" || Name == "x start" || Name == "start time")
                    && SettingValue(Rows, r, c, Decimal, Value))
                    Start = Value;
                else if ((Name == "increment" || Name == "x increment" || Name == "sample interval")
                         && SettingValue(Rows, r, c, Decimal, Value) && Value > 0 && std::isfinite(Value)) {
                    Increment = Value;
                    HasIncrement = true;
                }
            }
        }
        if (HasIncrement)
            break;
        Start = 0;
    }
    if (!HasIncrement)
        return;
    std::vector<double> Times(Table.Columns.front().Values.size());
    for (size_t i = 0; i < Times.size(); ++i)
        Times[i] = Start + double(i) * Increment;
    TTableColumn& First = Table.Columns.front();
    if (Table.Columns.size() == 1) {
        TTableColumn X;
        X.Kind = ckNumber;
        X.SourceColumn = -1;
        X.Values = std::move(Times);
        Table.Columns.insert(Table.Columns.begin(), std::move(X));
        Table.Report.TimeBase = true;
        return;
    }
    // A sequence number counts the samples: it is no X.
    for (size_t i = 1; i < First.Values.size(); ++i)
        if (!(First.Values[i] == First.Values[i - 1] + 1))
            return;
    First.Values = std::move(Times);
    Table.Report.TimeBase = true;
}

} // namespace

QString TTableColumn::Caption() const
{
    if (Unit.isEmpty())
        return Title;
    if (Title.isEmpty())
        return Unit;
    return QStringLiteral("%1 (%2)").arg(Title, Unit);
}

namespace {

TTable Read(std::string_view Utf8, const TRegionalSeparators& Regional, bool ShapeOnly)
{
    TTable Table;
    if (Utf8.size() >= 3 && Utf8.substr(0, 3) == "\xEF\xBB\xBF")
        Utf8.remove_prefix(3);
    const std::vector<std::string_view> Lines
        = SplitLines(Utf8, ShapeOnly ? SampleLines : std::numeric_limits<size_t>::max());
    const size_t Sample = std::min(Lines.size(), SampleLines);

    // Whether the line over a block splits into as many cells as the block
    // has: a header of that delimiter.
    auto HeaderFits = [&Lines](const TBlock& Candidate) {
        size_t i = Candidate.First;
        while (i > 0 && Lines[i - 1].empty())
            --i;
        if (i == 0)
            return false;
        TCellSplitter Splitter;
        std::vector<std::string_view> Runs;
        return SplitCells(Splitter, Runs, Lines[i - 1], Candidate.Delimiter).size() == Candidate.Layout.size();
    };
    TBlock Block;
    bool BlockHeaderFits = false;
    for (char Delimiter : {'\t', ',', ';', ' '}) {
        // The longest block; of blocks as long, the one of more numbers and
        // fewer texts (a comma split of "1,5;2,5" is as long as the semicolon
        // one, with a text in every line), then the one its header fits.
        const TBlock Candidate = BestBlock(Lines, Sample, Delimiter);
        if (Candidate.Lines == 0)
            continue;
        const bool HeaderMatches = HeaderFits(Candidate);
        if (Candidate.Lines > Block.Lines || (Candidate.Lines == Block.Lines && Candidate.Score > Block.Score)
            || (Candidate.Lines == Block.Lines && Candidate.Score == Block.Score && HeaderMatches && !BlockHeaderFits)) {
            Block = Candidate;
            BlockHeaderFits = HeaderMatches;
        }
    }
    if (Block.Delimiter == 0 || Block.Score <= 0)
        return Table;
    const char Delimiter = Block.Delimiter;

    // A block that reaches the end of the sample goes on as far as its lines
    // fit: that is found while its values are read.
    TCellSplitter Splitter;
    std::vector<std::string_view> Runs;
    const bool Extends = Block.Last + 1 == Sample && Sample < Lines.size();
    Table.Delimiter = Delimiter;
    const size_t Width = Block.Layout.size();

    // The decimal separator by a vote of the sampled cells that read one way
    // only (whole numbers read either way), and the unit each column writes
    // after its numbers: the same unit in every sampled number, or none.
    int PointVotes = 0;
    int CommaVotes = 0;
    // The block's own columns: numeric somewhere in the sampled lines.
    std::vector<bool> Core(Width, false);
    std::vector<std::string> Suffixes(Width);
    std::vector<bool> OneSuffix(Width, true);
    std::vector<bool> SuffixSeen(Width, false);
    size_t Sampled = 0;
    for (size_t i = Block.First; i <= Block.Last && Sampled < SampleLines; ++i) {
        if (Lines[i].empty())
            continue;
        ++Sampled;
        const std::vector<std::string_view>& Split = SplitCells(Splitter, Runs, Lines[i], Delimiter);
        for (size_t c = 0; c < Width && c < Split.size(); ++c) {
            const TCell Cell = Classify(Split[c], Delimiter);
            if (Cell.Kind != kNumber)
                continue;
            Core[c] = true;
            if (Cell.ReadsWithPoint != Cell.ReadsWithComma)
                (Cell.ReadsWithPoint ? PointVotes : CommaVotes) += 1;
            if (!SuffixSeen[c]) {
                Suffixes[c] = Cell.Suffix;
                SuffixSeen[c] = true;
            }
            OneSuffix[c] = OneSuffix[c] && Cell.Suffix == Suffixes[c];
        }
    }
    char Decimal = Regional.Decimal == QStringLiteral(",") ? ',' : '.';
    if (PointVotes != CommaVotes)
        Decimal = PointVotes > CommaVotes ? '.' : ',';
    if (Delimiter == ',')
        Decimal = '.';
    Table.Decimal = QString(QChar(Decimal));
    const std::string_view DecimalText(&Decimal, 1);

    // A block beside a settings block (an instrument's "Record Length, 2500"
    // lines to the left of its first samples): lines above it with a number
    // in every one of its columns are its first lines.
    while (Block.First > 0) {
        const std::vector<std::string_view>& Split = SplitCells(Splitter, Runs, Lines[Block.First - 1], Delimiter);
        bool Numbers = Split.size() >= Width;
        for (size_t c = 0; c < Width && Numbers; ++c)
            Numbers = !Core[c] || Classify(Split[c], Delimiter).Kind == kNumber;
        if (!Numbers)
            break;
        --Block.First;
    }

    // The header: up to three text lines right above the block, the last of
    // them a line of units when it looks like one under a line of names.
    std::vector<std::vector<std::string>> Header; // top line first
    size_t Top = Block.First;
    for (size_t i = Block.First; i > 0 && int(Header.size()) < MaxHeaderLines;) {
        --i;
        // A blank line parts the header from what stands above it.
        if (Blank(Lines[i]))
            break;
        const std::vector<std::string_view>& Split = SplitCells(Splitter, Runs, Lines[i], Delimiter);
        TLayout Layout = LayoutOf(Split, Delimiter);
        // Cells right of the block's columns (a time base's values beside
        // the names) are no part of the header.
        if (Layout.size() > Width)
            Layout.resize(Width);
        if (HasNumber(Layout) || Layout.empty() || (Header.empty() && Layout.size() < std::min<size_t>(Width, 2)))
            break;
        // The splitter's buffers are reused: the header keeps copies.
        Header.insert(Header.begin(), std::vector<std::string>(Split.begin(), Split.end()));
        Top = i;
    }
    Table.Report.HeaderLines = int(Header.size());
    std::vector<QString> Units(Width);
    if (Header.size() >= 2
        && std::all_of(Header.back().begin(), Header.back().end(),
                       [](const std::string& c) { return Blank(c) || UnitLike(c); })) {
        for (size_t c = 0; c < Width && c < Header.back().size(); ++c)
            Units[c] = UnitText(Header.back()[c]);
        Header.pop_back();
        Table.Report.UnitLine = true;
    }
    for (size_t i = 0; i < Top; ++i)
        Table.Report.PreambleLines += Lines[i].empty() ? 0 : 1;
    if (ShapeOnly) {
        Table.FirstLine = int(Block.First);
        Table.LastLine = int(Block.Last);
        return Table;
    }
    // Every line of the block read once; the common plain number goes
    // straight to the number reader.
    std::vector<std::vector<double>> Values(Width);
    for (std::vector<double>& Column : Values)
        Column.reserve(Extends ? Lines.size() - Block.First : Block.Last - Block.First + 1);
    std::vector<bool> AnyNumber(Width, false);
    std::vector<bool> AnyText(Width, false);
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> Row(Width);
    TLayout Layout(Width);
    const size_t End = Extends ? Lines.size() - 1 : Block.Last;
    for (size_t i = Block.First; i <= End; ++i) {
        if (Lines[i].empty())
            continue;
        const std::vector<std::string_view>& Split = SplitCells(Splitter, Runs, Lines[i], Delimiter);
        for (size_t c = 0; c < Width; ++c) {
            const std::string_view Cell = c < Split.size() ? Trim(Split[c]) : std::string_view();
            double Value = NaN;
            bool Read = false;
            if (!Cell.empty()) {
                Read = Numbers::TryParseNumber(Cell, DecimalText, Value);
                if (!Read) {
                    const std::string S = Normalised(Cell);
                    bool Grouped = false;
                    Read = ReadsWith(S, Decimal, Value, Grouped);
                    std::string Number;
                    std::string Suffix;
                    if (!Read && OneSuffix[c] && !Suffixes[c].empty() && SplitSuffix(S, Number, Suffix)
                        && Suffix == Suffixes[c])
                        Read = ReadsWith(Number, Decimal, Value, Grouped);
                    Table.Report.Grouped = Table.Report.Grouped || Grouped;
                }
            }
            Row[c] = Read ? Value : NaN;
            Layout[c] = Cell.empty() ? kEmpty : Read ? kNumber : kText;
        }
        if (i > Block.Last) {
            // Past the sample: the block ends at the first line of another
            // layout (a footer, a second table).
            TLayout Trimmed(Layout);
            while (!Trimmed.empty() && Trimmed.back() == kEmpty)
                Trimmed.pop_back();
            if (Split.size() > Width ? !Blank(Split[Width]) : false)
                break;
            if (!Fits(Trimmed, Block.Layout))
                break;
            Block.Last = i;
        }
        for (size_t c = 0; c < Width; ++c) {
            AnyNumber[c] = AnyNumber[c] || Layout[c] == kNumber;
            AnyText[c] = AnyText[c] || Layout[c] == kText;
            Values[c].push_back(Row[c]);
        }
    }
    Table.FirstLine = int(Block.First);
    Table.LastLine = int(Block.Last);
    for (size_t i = Block.Last + 1; i < Lines.size(); ++i)
        Table.Report.SkippedLines += Blank(Lines[i]) ? 0 : 1;

    for (size_t c = 0; c < Width; ++c) {
        if (!AnyNumber[c] || !Core[c]) {
            const QString Reason = AnyNumber[c] ? QStringLiteral("設定")
                : AnyText[c]                    ? QStringLiteral("文字")
                                                : QStringLiteral("空");
            Table.Report.LeftOut.push_back({int(c), Reason});
            continue;
        }
        TTableColumn Column;
        Column.Kind = ckNumber;
        Column.SourceColumn = int(c);
        QStringList Parts;
        for (const auto& Row : Header) {
            if (c >= Row.size())
                continue;
            const std::string_view Cell = Trim(Row[c]);
            const QString Part = QString::fromUtf8(Cell.data(), qsizetype(Cell.size()));
            if (!Part.isEmpty() && !Parts.contains(Part))
                Parts.append(Part);
        }
        Column.Title = Parts.join(QChar(u' '));
        Column.Unit = Units[c];
        // A unit written in every number of the column is the column's unit.
        if (Column.Unit.isEmpty() && OneSuffix[c] && !Suffixes[c].empty())
            Column.Unit = QString::fromStdString(Suffixes[c]);
        Column.Values = std::move(Values[c]);
        Table.Columns.push_back(std::move(Column));
    }
    ApplyTimeBase(Table, Lines, Block.First, Delimiter, Decimal);
    return Table;
}

} // namespace

TTable ReadTable(std::string_view Utf8, const TRegionalSeparators& Regional)
{
    return Read(Utf8, Regional, false);
}

TTable ReadTableShape(std::string_view Utf8, const TRegionalSeparators& Regional)
{
    return Read(Utf8, Regional, true);
}
