// SPDX-License-Identifier: GPL-3.0-or-later
// What the detector makes of an archive's names, and decoding that never
// loses a name.

#include "core/winmail/names/XADString.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QStringList &japaneseNames()
{
    static const QStringList names = {
        QStringLiteral("会議資料/第三四半期の売上報告.xlsx"),
        QStringLiteral("見積書_2023年度.pdf"),
        QStringLiteral("新しいフォルダ/写真/京都旅行.jpg"),
        QStringLiteral("報告書（最終版）.docx"),
        QStringLiteral("契約書の控え.pdf"),
        QStringLiteral("プレゼンテーション資料.pptx"),
        QStringLiteral("議事録/打ち合わせメモ.txt"),
        QStringLiteral("社員名簿と連絡先一覧.csv"),
    };
    return names;
}

QList<QByteArray> encoded(const QStringList &names, const char *encoding)
{
    QStringEncoder encoder(encoding);
    QList<QByteArray> raw;
    for (const QString &name : names)
        raw.append(encoder.encode(name));
    return raw;
}

} // namespace

TEST(XADString, ShiftJisNamesMadeOnAJapaneseSystemAreDetectedAndDecoded)
{
    const XADString names(encoded(japaneseNames(), "Shift_JIS"));
    EXPECT_EQ(names.encoding(), QStringLiteral("Shift_JIS"));
    EXPECT_GE(names.confidence(), 0.8);
    EXPECT_LE(names.confidence(), 1.0);
    EXPECT_TRUE(names.canDecodeWithEncoding(QStringLiteral("Shift_JIS")));
    EXPECT_TRUE(names.canDecodeWithEncoding(QStringLiteral("cp932")));
    EXPECT_FALSE(names.canDecodeWithEncoding(QStringLiteral("UTF-8")));
    for (qsizetype i = 0; i < names.names().size(); ++i)
        EXPECT_EQ(XADString::decode(names.names().at(i), names.encoding()), japaneseNames().at(i));
}

TEST(XADString, WesternNamesAreNotTakenForJapanese)
{
    const XADString names(
        encoded({QStringLiteral("Café crème.txt"), QStringLiteral("Résumé – été.doc"),
                 QStringLiteral("Übersicht Größen.pdf"), QStringLiteral("naïve façade.jpg")},
                "windows-1252"));
    EXPECT_TRUE(names.canDecodeWithEncoding(QStringLiteral("windows-1252")));
    EXPECT_FALSE(names.canDecodeWithEncoding(QStringLiteral("UTF-8")));
    EXPECT_FALSE(names.canDecodeWithEncoding(QStringLiteral("Shift_JIS")));
    EXPECT_FALSE(names.canDecodeWithEncoding(QStringLiteral("no-such-encoding")));
    // ICU answers ISO-8859-1 or windows-1252 depending on the bytes; both read these names.
    EXPECT_EQ(XADString::decode(names.names().at(1), names.encoding()), QStringLiteral("Résumé – été.doc"));
    EXPECT_TRUE(XADString(QList<QByteArray>()).encoding().isEmpty());
}

struct DecodeRow
{
    const char *label;
    QByteArray raw;
    const char *encoding;
    QString expected;
};

class XADStringDecode : public testing::TestWithParam<DecodeRow>
{
};

TEST_P(XADStringDecode, NoNameIsLost)
{
    const DecodeRow &row = GetParam();
    EXPECT_EQ(XADString::decode(row.raw, QString::fromLatin1(row.encoding)), row.expected) << row.label;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, XADStringDecode,
    testing::Values(DecodeRow{"bad byte in UTF-8",
                              QByteArray("a\xFF"
                                         "b"),
                              "UTF-8", QStringLiteral("a%FFb")},
                    DecodeRow{"percent kept when nothing is escaped", QByteArray("100%41.txt"), "UTF-8",
                              QStringLiteral("100%41.txt")},
                    DecodeRow{"percent escaped beside an escape", QByteArray("100%41\xC3.txt"), "UTF-8",
                              QStringLiteral("100%2541%C3.txt")},
                    DecodeRow{"decoding resumes after a bad byte", QByteArray("\x93\xFA\x80\x96\x7B"),
                              "Shift_JIS", QStringLiteral("日%80本")},
                    DecodeRow{"sequence cut short at the end", QByteArray("x\x93"), "Shift_JIS",
                              QStringLiteral("x%93")},
                    DecodeRow{"unassigned byte of ISO-8859-3", QByteArray("caf\xE9\xA5"), "ISO-8859-3",
                              QStringLiteral("café%A5")},
                    DecodeRow{"encoding ICU does not know", QByteArray("caf\xE9"), "no-such-encoding",
                              QStringLiteral("caf%E9")}),
    [](const testing::TestParamInfo<DecodeRow> &info) {
        std::string name = info.param.label;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });
