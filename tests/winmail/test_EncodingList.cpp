// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings offered for archive names and the integers stored for them.

#include "core/winmail/names/EncodingList.h"
#include "core/winmail/names/XADString.h"

#include <gtest/gtest.h>

using sw::EncodingList;

TEST(EncodingList, PopUpIsSortedWithNumbersByValueAndEndsWithDetectAutomatically)
{
    const QList<EncodingList::PopUpItem> items = EncodingList::shared().popUpItems();
    ASSERT_GT(items.size(), 20);
    EXPECT_EQ(items.last().value, 0);
    EXPECT_EQ(items.last().title, QStringLiteral("Detect automatically"));
    qsizetype gb2312 = -1, gb18030 = -1, latin1 = -1, shiftJis = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const EncodingList::PopUpItem &item = items.at(i);
        EXPECT_NE(item.value, 10) << "UTF-16 is not offered";
        EXPECT_FALSE(item.title.isEmpty());
        if (i + 1 < items.size()) {
            EXPECT_NE(item.value, 0);
        }
        gb2312 = item.value == 0x80000930 ? i : gb2312;
        gb18030 = item.value == 0x80000632 ? i : gb18030;
        latin1 = item.value == 5 ? i : latin1;
        shiftJis = item.value == 8 ? i : shiftJis;
    }
    ASSERT_GE(gb2312, 0);
    EXPECT_LT(gb2312, gb18030) << "GB 2312 before GB 18030";
    EXPECT_LT(shiftJis, latin1) << "sorted by title, not by value";
}

TEST(EncodingList, StoredValuesMapToConvertersAndBack)
{
    const EncodingList &list = EncodingList::shared();
    EXPECT_EQ(list.icuName(4), QStringLiteral("UTF-8"));
    EXPECT_EQ(list.icuName(8), QStringLiteral("Shift_JIS"));
    EXPECT_EQ(list.icuName(12), QStringLiteral("windows-1252"));
    EXPECT_TRUE(list.icuName(0).isEmpty());
    EXPECT_TRUE(list.icuName(10).isEmpty());
    // Stored values above 2^31 survive the int of the unarchiver's call.
    EXPECT_EQ(XADString::encodingNameForEncoding(int(0x80000632u)), QStringLiteral("GB18030"));

    EXPECT_EQ(list.valueForName(QStringLiteral("cp932")), 8);
    EXPECT_EQ(list.valueForName(QStringLiteral("sjis")), 8);
    EXPECT_EQ(list.valueForName(QStringLiteral("utf8")), 4);
    EXPECT_EQ(list.valueForName(QStringLiteral("latin1")), 5);
    EXPECT_EQ(list.valueForName(QStringLiteral("KOI8-R")), 0x80000A02);
    EXPECT_FALSE(list.valueForName(QStringLiteral("no-such-encoding")).has_value());
    // Each entry is the only one on its converter, or a name would reach the wrong value.
    for (const EncodingList::Encoding &encoding : list.encodings())
        EXPECT_EQ(list.valueForName(encoding.icuName), encoding.value) << encoding.icuName.toStdString();

    EXPECT_EQ(EncodingList::standardName(QStringLiteral("sjis")), QStringLiteral("Shift_JIS"));
    EXPECT_TRUE(EncodingList::standardName(QStringLiteral("no-such-encoding")).isEmpty());
}
