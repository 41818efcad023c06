#include "app/DataList.h"

#include "core/HugePages.h"

#include <algorithm>
#include <cstring>

std::string_view TDataList::Line(int index) const
{
    const TExtent& e = FLines.at(size_t(index));
    return std::string_view(FText.constData() + e.Start, size_t(e.Length));
}

std::string_view TDataList::Text() const
{
    if (FLines.empty())
        return {};
    const qsizetype Start = FLines.front().Start;
    return std::string_view(FText.constData() + Start, size_t(FText.size() - Start));
}

QString TDataList::LineText(int index) const
{
    const std::string_view line = Line(index);
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

void TDataList::Clear()
{
    FText.clear();
    FText.squeeze();
    FLines.clear();
    FLines.shrink_to_fit();
}

void TDataList::SetText(QByteArray utf8, qsizetype skip)
{
    Clear();
    FText = std::move(utf8);
    const char* const data = FText.constData();
    const qsizetype n = FText.size();
    qsizetype start = std::min(skip, n);
    // One allocation for the extents of a large file instead of a doubling series.
    const size_t breaks = size_t(std::count(data + start, data + n, '\n'));
    FLines.reserve(breaks + 1);
    AdviseHugePages(FLines.data(), FLines.capacity() * sizeof(TExtent));
    // memchr finds the LF line ends fast; a CR in the stretch before one is
    // either half of a CR LF or a line end of its own.
    while (start < n) {
        const auto* lf = static_cast<const char*>(std::memchr(data + start, '\n', size_t(n - start)));
        const qsizetype stop = lf ? lf - data : n;
        qsizetype lineStart = start;
        const char* cr;
        while ((cr = static_cast<const char*>(std::memchr(data + lineStart, '\r', size_t(stop - lineStart))))) {
            const qsizetype at = cr - data;
            FLines.push_back({lineStart, at - lineStart});
            lineStart = at + 1;
            if (lineStart == stop && lf) {
                // CR LF: the LF belongs to this break.
                lineStart = -1;
                break;
            }
        }
        if (lineStart >= 0 && (lf || lineStart < n))
            FLines.push_back({lineStart, stop - lineStart});
        start = lf ? stop + 1 : n;
    }
}

void TDataList::SetText(const QString& text) { SetText(text.toUtf8()); }

bool TDataList::HasData() const
{
    for (size_t i = 0; i < FLines.size(); ++i) {
        const std::string_view line = Line(int(i));
        if (line.find_first_not_of(" \t") != std::string_view::npos)
            return true;
    }
    return false;
}
