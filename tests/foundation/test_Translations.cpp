// SPDX-License-Identifier: GPL-3.0-or-later
// The English plural forms cover every text with a count: a text the
// English file lacks would read "1 item(s)". lupdate lists the texts as the
// sources have them now (the test skips where lupdate is not installed).

#include "support/FixtureTree.h"

#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QProcess>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message
{
    QStringList forms;
    bool finished = false;
};

// The numerus messages of a .ts file, by "context|source".
QHash<QString, Message> numerusMessages(const QString &path)
{
    QHash<QString, Message> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() && !xml.isEndElement())
            continue;
        const auto name = xml.name();
        if (xml.isEndElement()) {
            if (name == QLatin1String("message") && numerus)
                out.insert(context + QLatin1Char('|') + source, message);
            continue;
        }
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            message = Message();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
        } else if (name == QLatin1String("numerusform")) {
            message.forms.append(xml.readElementText());
        }
    }
    return out;
}

TEST(Translations, EveryTextWithACountHasItsEnglishForms)
{
    const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    if (!QFile::exists(lupdate))
        GTEST_SKIP() << "lupdate is not installed";
    swtest::FixtureTree tree;
    const QString fresh = tree.path(QStringLiteral("fresh.ts"));
    QProcess run;
    run.start(lupdate, {QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/src"), QStringLiteral("-extensions"),
                        QStringLiteral("cpp,h"), QStringLiteral("-pluralonly"), QStringLiteral("-locations"),
                        QStringLiteral("none"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    const QHash<QString, Message> committed =
        numerusMessages(QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/resources/translations/sweepwright_en.ts"));
    const QHash<QString, Message> wanted = numerusMessages(fresh);
    ASSERT_FALSE(wanted.isEmpty());
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        const Message found = committed.value(it.key());
        EXPECT_TRUE(found.finished && found.forms.size() == 2 && !found.forms.contains(QString()))
            << it.key().toStdString() << " has no English forms: run scripts/update-plurals.py";
    }
}

}  // namespace
