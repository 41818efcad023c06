#include "app/CellSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Cells(std::string_view line, char delimiter = ',')
{
    TCellSplitter splitter;
    std::vector<std::string> out;
    for (std::string_view cell : splitter.Split(line, delimiter))
        out.emplace_back(cell);
    return out;
}
using V = std::vector<std::string>;
} // namespace

TEST(CellSplitter, PlainCellsKeepTheirBlanksAndEmptyCells)
{
    EXPECT_EQ(Cells("1,000"), V({"1", "000"}));
    EXPECT_EQ(Cells(" 12 , x"), V({" 12 ", " x"}));
    EXPECT_EQ(Cells("1,,3"), V({"1", "", "3"}));
    EXPECT_EQ(Cells(",1"), V({"", "1"}));
    EXPECT_EQ(Cells("4,5,6,"), V({"4", "5", "6", ""}));
    EXPECT_EQ(Cells(","), V({"", ""}));
    EXPECT_EQ(Cells("a\"b,c"), V({"a\"b", "c"}));
    EXPECT_EQ(Cells("1,2\t3", '\t'), V({"1,2", "3"}));
}

TEST(CellSplitter, QuotedCells)
{
    EXPECT_EQ(Cells("\"a\"\"b\",1"), V({"a\"b", "1"}));
    EXPECT_EQ(Cells("\"ab\"cd,1"), V({"ab", "cd", "1"}));
    EXPECT_EQ(Cells("\"abc,1,2"), V({"abc,1,2"}));
    EXPECT_EQ(Cells("\"x,y\",\"\""), V({"x,y", ""}));
    EXPECT_EQ(Cells("\"a\","), V({"a", ""}));
    EXPECT_EQ(Cells("1,\"2\"\"\"\"3\""), V({"1", "2\"\"3"}));
    // Text after a closing quote is a plain cell even when it holds quotes.
    EXPECT_EQ(Cells("\"a\"b\"c,d"), V({"a", "b\"c", "d"}));
}

TEST(CellSplitter, UnquotedTextsStayValidAcrossManyCells)
{
    // Many doubled-quote cells in one line: earlier cells must not move.
    std::string line;
    V expected;
    for (int i = 0; i < 200; ++i) {
        line += "\"q\"\"" + std::to_string(i) + "\",";
        expected.push_back("q\"" + std::to_string(i));
    }
    expected.push_back("");
    EXPECT_EQ(Cells(line), expected);
}

TEST(CellSplitter, DelimiterComesFromTheFirstLine)
{
    EXPECT_EQ(TCellSplitter::ChooseDelimiter("1,2\t3"), '\t');
    EXPECT_EQ(TCellSplitter::ChooseDelimiter("1,2,3"), ',');
    EXPECT_EQ(TCellSplitter::ChooseDelimiter("abc"), ',');
}
