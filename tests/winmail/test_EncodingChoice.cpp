// SPDX-License-Identifier: GPL-3.0-or-later
// Which encoding an archive's non-UTF-8 names are decoded with: the user's
// choice, the detector, and the legacy encodings of the user's language.

#include "core/foundation/ORPrefConfig.h"
#include "core/winmail/names/EncodingChoice.h"
#include "core/winmail/names/XADString.h"

#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using sw::EncodingChoice;

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Encodes with Qt's converter, which is ICU's for these names.
QList<QByteArray> encoded(const QStringList &texts, const char *encoding)
{
    QStringEncoder encoder(encoding);
    EXPECT_TRUE(encoder.isValid()) << encoding;
    QList<QByteArray> raw;
    for (const QString &text : texts) {
        raw.append(encoder.encode(text));
        EXPECT_FALSE(encoder.hasError()) << encoding << ": " << text.toStdString();
    }
    return raw;
}

XADString names(const QStringList &texts, const char *encoding)
{
    return XADString(encoded(texts, encoding));
}

const QStringList &japaneseNames()
{
    static const QStringList texts = {
        QStringLiteral("会議資料/第三四半期の売上報告.xlsx"), QStringLiteral("見積書_2023年度.pdf"),
        QStringLiteral("新しいフォルダー/写真/京都旅行.jpg"), QStringLiteral("報告書（最終版）.docx"),
        QStringLiteral("契約書の控え.pdf"),                  QStringLiteral("議事録/打ち合わせメモ.txt"),
    };
    return texts;
}

const QStringList &russianNames()
{
    static const QStringList texts = {
        QStringLiteral("Отчёт за 2023 год.doc"),   QStringLiteral("Договор аренды/Приложение 1.pdf"),
        QStringLiteral("Фотографии/Москва летом.jpg"), QStringLiteral("ПРИКАЗ.DOC"),
        QStringLiteral("Бухгалтерия/Счёт-фактура.xls"), QStringLiteral("Письмо директору.txt"),
    };
    return texts;
}

const QStringList &greekNames()
{
    static const QStringList texts = {
        QStringLiteral("Έγγραφα/Αναφορά 2023.doc"), QStringLiteral("Φωτογραφίες/Αθήνα καλοκαίρι.jpg"),
        QStringLiteral("Συμβόλαιο ενοικίασης.pdf"), QStringLiteral("Λογαριασμός ρεύματος.xls"),
        QStringLiteral("Παρουσίαση έργου.ppt"),
    };
    return texts;
}

const QStringList &westernNames()
{
    static const QStringList texts = {
        QStringLiteral("Café crème.txt"),     QStringLiteral("Über uns/Straße.pdf"),
        QStringLiteral("Niño español.doc"),   QStringLiteral("Größenübersicht.xls"),
        QStringLiteral("Français/Leçon 1.doc"),
    };
    return texts;
}

struct LanguageRow
{
    const char *encoding;
    const char *language;
    QStringList texts;
};

void PrintTo(const LanguageRow &row, std::ostream *os)
{
    *os << row.encoding << " under " << row.language;
}

class EncodingChoiceLanguage : public testing::TestWithParam<LanguageRow>
{
};

} // namespace

// Names of the user's language come back as they were typed, whether the
// user left the choice to the program or kept the default (UTF-8, which
// does not read them): the single-byte pages of the language all read
// every byte, and the detector does not know the DOS ones.
TEST_P(EncodingChoiceLanguage, NamesComeBackAsTyped)
{
    const LanguageRow &row = GetParam();
    const XADString raw = names(row.texts, row.encoding);
    const QString language = QString::fromLatin1(row.language);
    for (const QString &chosen : {QString(), QStringLiteral("UTF-8")}) {
        const QString encoding = EncodingChoice::choose(raw, chosen, 80, language);
        for (qsizetype i = 0; i < row.texts.size(); ++i)
            EXPECT_EQ(XADString::decode(raw.names().at(i), encoding), row.texts.at(i))
                << "read as " << encoding.toStdString() << ", chosen " << chosen.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, EncodingChoiceLanguage,
    testing::Values(
        LanguageRow{"cp866", "ru", russianNames()}, LanguageRow{"KOI8-R", "ru", russianNames()},
        LanguageRow{"windows-1251", "ru", russianNames()},
        LanguageRow{"cp866", "ru",
                    {QStringLiteral("Отчёт.txt"), QStringLiteral("Документы/Счёт за март.xls"),
                     QStringLiteral("ПРИКАЗ.DOC")}},
        LanguageRow{"Shift_JIS", "ja", japaneseNames()}, LanguageRow{"EUC-JP", "ja", japaneseNames()},
        LanguageRow{"EUC-JP", "ja",
                    {QStringLiteral("議事録.txt"), QStringLiteral("報告書.docx"), QStringLiteral("写真/京都.jpg")}},
        LanguageRow{"GBK", "zh",
                    {QStringLiteral("会议记录/第三季度销售报告.xlsx"), QStringLiteral("新建文件夹/照片/北京旅游.jpg"),
                     QStringLiteral("合同（最终版）.docx"), QStringLiteral("项目计划书.pdf"),
                     QStringLiteral("员工通讯录.csv")}},
        LanguageRow{"Big5", "zh",
                    {QStringLiteral("會議記錄/第三季銷售報告.xlsx"), QStringLiteral("新增資料夾/照片/台北旅遊.jpg"),
                     QStringLiteral("合約（最終版）.docx"), QStringLiteral("專案計畫書.pdf"),
                     QStringLiteral("員工通訊錄.csv")}},
        LanguageRow{"EUC-KR", "ko",
                    {QStringLiteral("회의록/3분기 매출 보고서.xlsx"), QStringLiteral("새 폴더/사진/서울 여행.jpg"),
                     QStringLiteral("계약서(최종).docx"), QStringLiteral("프로젝트 계획서.pdf"),
                     QStringLiteral("직원 연락처.csv")}},
        LanguageRow{"cp737", "el", greekNames()}, LanguageRow{"windows-1253", "el", greekNames()},
        LanguageRow{"cp437", "en", westernNames()},
        LanguageRow{"cp850", "de",
                    {QStringLiteral("Søren Kierkegaard.pdf"), QStringLiteral("São Paulo/Ação.doc"),
                     QStringLiteral("Ólafur Arnalds.mp3"), QStringLiteral("Ísland 2019/Þingvellir.jpg"),
                     QStringLiteral("Ærø.txt"), QStringLiteral("Bjørn Ørsted.doc")}},
        LanguageRow{"windows-1252", "fr",
                    {QStringLiteral("Café crème.txt"), QStringLiteral("Résumé – été.doc"),
                     QStringLiteral("Übersicht Größen.pdf"), QStringLiteral("naïve façade.jpg"),
                     QStringLiteral("Œuvres complètes.pdf")}}),
    [](const testing::TestParamInfo<LanguageRow> &info) {
        std::string name = std::string(info.param.encoding) + "_" + info.param.language + "_"
                           + std::to_string(info.index);
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// Names in kanji alone read as Chinese in GBK as plausibly as Japanese in
// EUC-JP (the detector: EUC-JP 76 %, GB18030 62 %): the user's language
// decides, unless the detector is sure beyond the threshold of another.
TEST(EncodingChoice, AnAnswerOutsideTheLanguageWinsATieOnlyAboveTheThreshold)
{
    const XADString kanji = names({QStringLiteral("会議資料/売上報告.xlsx"), QStringLiteral("見積書.pdf"),
                                   QStringLiteral("写真/京都旅行.jpg"), QStringLiteral("報告書.docx"),
                                   QStringLiteral("契約書.pdf"), QStringLiteral("議事録.txt")},
                                  "EUC-JP");
    ASSERT_EQ(kanji.encoding(), QStringLiteral("EUC-JP"));
    ASSERT_TRUE(kanji.canDecodeWithEncoding(QStringLiteral("GBK")));
    EXPECT_EQ(EncodingChoice::choose(kanji, QString(), 80, QStringLiteral("zh")), QStringLiteral("GBK"));
    EXPECT_EQ(EncodingChoice::choose(kanji, QString(), 70, QStringLiteral("zh")), QStringLiteral("EUC-JP"));
    EXPECT_EQ(EncodingChoice::choose(kanji, QString(), 80, QStringLiteral("ja")), QStringLiteral("EUC-JP"));
}

// An answer the detector is not sure of still wins where it reads the
// names better than every encoding of the user's language: Cyrillic names
// for a western user, Japanese ones whatever the threshold.
TEST(EncodingChoice, AnAnswerOutsideTheLanguageThatReadsTheNamesBetterWins)
{
    EXPECT_EQ(EncodingChoice::choose(names(russianNames(), "windows-1251"), QString(), 80, QStringLiteral("en")),
              QStringLiteral("windows-1251"));
    EXPECT_EQ(EncodingChoice::choose(names(japaneseNames(), "EUC-JP"), QString(), 101, QStringLiteral("zh")),
              QStringLiteral("EUC-JP"));
}

TEST(EncodingChoice, TheDefaultSettingsReadShiftJisNamesThroughTheDetector)
{
    QTemporaryDir dir;
    ORPrefConfig::setStorePath(dir.filePath(QStringLiteral("Sweepwright.conf")));
    ORPrefConfig::registerDefaults(
        ORPrefConfig::archiveDefaults()); // "filenameEncoding" 4 (UTF-8), threshold 80

    const XADString sjis = names(japaneseNames(), "Shift_JIS");
    const QString en = QStringLiteral("en");
    EXPECT_EQ(EncodingChoice::chooseFromSettings(sjis, en), QStringLiteral("Shift_JIS"));
    EXPECT_EQ(EncodingChoice::choose(sjis, qint64(0), 80, en), QStringLiteral("Shift_JIS"));
    // Chosen and able to read them, right or not: the user's word.
    EXPECT_EQ(EncodingChoice::choose(sjis, qint64(12), 80, en), QStringLiteral("windows-1252"))
        << "windows-1252 happens to map every byte of these names";
    EXPECT_EQ(EncodingChoice::choose(sjis, QStringLiteral("ISO-8859-5"), 80, en), QStringLiteral("ISO-8859-5"));
    // Chosen but unable to: as if the choice were automatic.
    EXPECT_EQ(EncodingChoice::choose(sjis, QStringLiteral("US-ASCII"), 80, en), QStringLiteral("Shift_JIS"));
    EXPECT_EQ(EncodingChoice::choose(sjis, QStringLiteral("EUC-KR"), 80, QStringLiteral("ko")),
              QStringLiteral("Shift_JIS"));
}

TEST(EncodingChoice, AChosenEncodingThatReadsTheNamesWinsOverTheDetector)
{
    const XADString western = names({QStringLiteral("Café.txt"), QStringLiteral("Übersicht.pdf")}, "windows-1252");
    const QString ru = QStringLiteral("ru");
    EXPECT_EQ(EncodingChoice::choose(western, qint64(0x80000410), 80, ru), QStringLiteral("cp850"));
    EXPECT_EQ(EncodingChoice::choose(western, qint64(12), 80, ru), QStringLiteral("windows-1252"));
    // An unknown stored value is the automatic choice: none of the Russian
    // pages reads them as well as the western ones do.
    const QString automatic = EncodingChoice::choose(western, qint64(999), 100, ru);
    EXPECT_EQ(XADString::decode(western.names().at(0), automatic), QStringLiteral("Café.txt")) << automatic.toStdString();
}
