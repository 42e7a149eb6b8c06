// Which encoding an archive's non-UTF-8 names are decoded with, from the settings.

#include "EncodingChoice.h"
#include "ORPrefConfig.h"
#include "XADString.h"

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

XADString names(const QStringList &texts, const char *encoding)
{
    QStringEncoder encoder(encoding);
    QList<QByteArray> raw;
    for (const QString &text : texts)
        raw.append(encoder.encode(text));
    return XADString(raw);
}

XADString shiftJisNames()
{
    return names({QStringLiteral("会議資料/第三四半期の売上報告.xlsx"), QStringLiteral("見積書_2023年度.pdf"),
                  QStringLiteral("新しいフォルダ/写真/京都旅行.jpg"), QStringLiteral("報告書（最終版）.docx"),
                  QStringLiteral("契約書の控え.pdf"), QStringLiteral("議事録/打ち合わせメモ.txt")},
                 "Shift_JIS");
}

XADString westernNames()
{
    return names({QStringLiteral("Café.txt"), QStringLiteral("Übersicht.pdf")}, "windows-1252");
}

} // namespace

TEST(EncodingChoice, TheDefaultSettingsReadShiftJisNamesThroughTheDetector)
{
    QTemporaryDir dir;
    ORPrefConfig::setStorePath(dir.filePath(QStringLiteral("Sweepwright.conf")));
    ORPrefConfig::registerDefaults(
        ORPrefConfig::archiveDefaults()); // "filenameEncoding" 4 (UTF-8), threshold 80

    const XADString sjis = shiftJisNames();
    EXPECT_EQ(EncodingChoice::chooseFromSettings(sjis), QStringLiteral("Shift_JIS"));
    EXPECT_EQ(EncodingChoice::choose(sjis, qint64(0), 80), QStringLiteral("Shift_JIS"));
    // Chosen but unable to read them: the detector's answer all the same.
    EXPECT_EQ(EncodingChoice::choose(sjis, qint64(12), 80), QStringLiteral("windows-1252"))
        << "windows-1252 happens to map every byte of these names";
    EXPECT_EQ(EncodingChoice::choose(sjis, QStringLiteral("ISO-8859-5"), 80), QStringLiteral("ISO-8859-5"));
    EXPECT_EQ(EncodingChoice::choose(sjis, QStringLiteral("US-ASCII"), 80), QStringLiteral("Shift_JIS"));

    ORPrefConfig::setObject(QStringLiteral("filenameEncoding"), QStringLiteral("0"));
    ORPrefConfig::setObject(QStringLiteral("autoDetectionThreshold"), QStringLiteral("101"));
    EXPECT_EQ(EncodingChoice::chooseFromSettings(sjis), QStringLiteral("windows-1252"))
        << "below the threshold";
}

TEST(EncodingChoice, AChosenEncodingThatReadsTheNamesWinsOverTheDetector)
{
    const XADString western = westernNames();
    EXPECT_EQ(EncodingChoice::choose(western, qint64(0x80000410), 80), QStringLiteral("cp850"));
    EXPECT_EQ(EncodingChoice::choose(western, qint64(12), 80), QStringLiteral("windows-1252"));
    // An unknown stored value is the automatic choice; with so few names the
    // detector is not sure enough, and the fallback reads them right anyway.
    EXPECT_EQ(EncodingChoice::choose(western, qint64(999), 100), QStringLiteral("windows-1252"));
}
