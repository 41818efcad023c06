#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

// Splits one line of data text into cells. Blanks belong to the cells; a cell
// that begins with a double quote runs to the next undoubled quote ("" inside
// stands for one quote, the enclosing quotes go), or to the end of the line
// when none follows; what follows a closing quote up to the next delimiter is
// a cell of its own. One splitter is reused for every line, so its buffers are
// allocated once.
class TCellSplitter {
public:
    // The cells stay valid until the next call or until the line's storage
    // goes.
    // With maxCells, splitting stops once more than maxCells cells are found,
    // so a line of millions of cells costs nothing to refuse.
    const std::vector<std::string_view>& Split(std::string_view line, char delimiter,
                                               size_t maxCells = size_t(-1));

    // TAB when the line holds one anywhere, otherwise the comma.
    static char ChooseDelimiter(std::string_view line);

private:
    std::vector<std::string_view> FCells;
    std::deque<std::string> FUnquoted; // a deque: growing it never moves the texts already handed out
    size_t FUnquotedUsed = 0;

    std::string_view Unquote(std::string_view body);
};
