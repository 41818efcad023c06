#include "app/DataList.h"

std::string_view TDataList::Line(int index) const
{
    const TExtent& e = FLines.at(size_t(index));
    return std::string_view(FText.constData() + e.Start, size_t(e.Length));
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
    qsizetype i = start;
    while (i < n) {
        const char c = data[i];
        if (c == '\n' || c == '\r') {
            FLines.push_back({start, i - start});
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        FLines.push_back({start, n - start});
}

void TDataList::SetText(const QString& text) { SetText(text.toUtf8()); }
