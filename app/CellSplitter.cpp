#include "app/CellSplitter.h"


char TCellSplitter::ChooseDelimiter(std::string_view line)
{
    return line.find('\t') != std::string_view::npos ? '\t' : ',';
}

std::string_view TCellSplitter::Unquote(std::string_view body)
{
    if (FUnquotedUsed == FUnquoted.size())
        FUnquoted.emplace_back();
    std::string& out = FUnquoted[FUnquotedUsed++];
    out.clear();
    for (size_t i = 0; i < body.size(); ++i) {
        out.push_back(body[i]);
        if (body[i] == '"')
            ++i; // the second quote of a doubled pair
    }
    return out;
}

const std::vector<std::string_view>& TCellSplitter::Split(std::string_view line, char delimiter, size_t maxCells)
{
    FCells.clear();
    FUnquotedUsed = 0;
    const char* const data = line.data();
    const size_t n = line.size();
    size_t pos = 0;
    bool afterQuoted = false; // the text after a closing quote never opens a quote
    while (true) {
        if (FCells.size() > maxCells)
            return FCells;
        if (!afterQuoted && pos < n && data[pos] == '"') {
            const size_t begin = pos + 1;
            size_t i = begin;
            bool doubled = false;
            bool closed = false;
            while (i < n) {
                if (data[i] == '"') {
                    if (i + 1 < n && data[i + 1] == '"') {
                        doubled = true;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                ++i;
            }
            const std::string_view body(data + begin, i - begin);
            FCells.push_back(doubled ? Unquote(body) : body);
            if (!closed)
                return FCells;
            pos = i + 1;
            if (pos == n)
                return FCells;
            if (data[pos] == delimiter) {
                ++pos;
                afterQuoted = false;
                if (pos == n) {
                    FCells.emplace_back();
                    return FCells;
                }
            } else {
                afterQuoted = true;
            }
            continue;
        }
        afterQuoted = false;
        // Cells are short: a plain loop beats a library call per cell.
        size_t end = pos;
        while (end < n && data[end] != delimiter)
            ++end;
        if (end == n) {
            FCells.emplace_back(data + pos, n - pos);
            return FCells;
        }
        FCells.emplace_back(data + pos, end - pos);
        pos = end + 1;
        if (pos == n) {
            FCells.emplace_back();
            return FCells;
        }
    }
}
