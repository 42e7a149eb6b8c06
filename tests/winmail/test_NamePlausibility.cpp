// SPDX-License-Identifier: GPL-3.0-or-later
// What makes a decoded name look typed or garbled: names as people write
// them count nothing (else a right decoding could lose to a wrong one), the
// marks of a wrong code page each count.

#include "core/winmail/names/NamePlausibility.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

struct Row
{
    const char *label;
    QString name;
    int implausible;
};

class NamePlausibilityRows : public testing::TestWithParam<Row>
{
};

} // namespace

TEST_P(NamePlausibilityRows, Counts)
{
    const Row &row = GetParam();
    EXPECT_EQ(sw::NamePlausibility::implausibleCharacters(row.name), row.implausible) << row.name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NamePlausibilityRows,
    testing::Values(
        Row{"camel case and digits", QStringLiteral("iPhone 15 ProMax_v2.final.txt"), 0},
        Row{"kanji kana and long vowel mark", QStringLiteral("新しいフォルダー/報告書（最終版）.docx"), 0},
        Row{"half-width katakana", QStringLiteral("ﾃﾞｰﾀ.TXT"), 0},
        Row{"Hangul", QStringLiteral("새 폴더/서울 여행.jpg"), 0},
        Row{"guillemets and dash", QStringLiteral("Отчёт «Ромашка» – март.doc"), 0},
        Row{"combining diaeresis", QStringLiteral("nai\u0308ve.txt"), 0},
        Row{"Greek letters in a Latin word (cp437)", QStringLiteral("CafΘ crΦme.txt"), 3},
        Row{"capital after small (cp850)", QStringLiteral("CafÚ crÞme.txt"), 2},
        Row{"symbols, no-break space, soft hyphen (windows-1251)",
            QStringLiteral("„®Ј®ў®а \u00A0аҐ\u00AD¤л"), 7},
        Row{"private use and half-width comma (Big5 or EUC-JP as GBK, cp932)",
            QStringLiteral("\uE000資料\uFF64.txt"), 2}),
    [](const testing::TestParamInfo<Row> &info) {
        std::string name = info.param.label;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });
