#include "app/DataList.h"
#include "core/TextCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace {
QStringList Lines(const TDataList& list)
{
    QStringList out;
    for (int i = 0; i < list.Count(); ++i)
        out.append(list.LineText(i));
    return out;
}
} // namespace

TEST(DataList, SplitsLikeTheTextRuleOnEveryMixOfBreaks)
{
    // The byte splitter must agree with the reference rule on any text.
    std::mt19937 random(7);
    const char alphabet[] = {'a', 'b', '\r', '\n', ' '};
    for (int round = 0; round < 2000; ++round) {
        QByteArray text;
        const int length = int(random() % 12);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        TDataList list;
        list.SetText(text);
        ASSERT_EQ(Lines(list), TextCodec::SplitLines(QString::fromLatin1(text))) << text.toPercentEncoding().constData();
    }
}

TEST(DataList, SkipsTheMarkAndKeepsNonAsciiText)
{
    TDataList list;
    list.SetText(QByteArray("\xEF\xBB\xBF時間,V\r\n1,2"), 3);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.LineText(0), QString::fromUtf8("時間,V"));
    EXPECT_EQ(list.Line(1), "1,2");
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
}
