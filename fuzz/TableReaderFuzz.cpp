// Data text of any bytes through the table reader: line and cell splitting
// for every delimiter, the block and its header, number reading with grouping
// and units. The first byte picks the region's decimal separator.

#include "app/TableReader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size > 1 << 16)
        return 0;
    TRegionalSeparators Regional;
    if (Size > 0 && (Data[0] & 1))
        Regional = {QStringLiteral(","), QStringLiteral(".")};
    const TTable Table = ReadTable(std::string_view(reinterpret_cast<const char*>(Data), Size), Regional);
    // Every column as long as the block, and the block inside the text.
    for (const TTableColumn& Column : Table.Columns)
        if (int(Column.Values.size()) != Table.Rows() || Column.SourceColumn < -1)
            std::abort();
    if (!Table.Columns.empty() && (Table.FirstLine < 0 || Table.LastLine < Table.FirstLine))
        std::abort();
    return 0;
}
