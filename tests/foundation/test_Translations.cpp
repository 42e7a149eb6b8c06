// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the sources show is in every language's file, finished, with
// the placeholders of its source; and the English file has the plural forms
// of every text with a count (else it would read "1 item(s)"). lupdate lists
// the texts as the sources have them now (the tests skip where it is not
// installed).

#include "support/FixtureTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QStringList kLanguages = {QStringLiteral("de"), QStringLiteral("es"),    QStringLiteral("fr"),
                                QStringLiteral("ja"), QStringLiteral("pt_BR"), QStringLiteral("ru"),
                                QStringLiteral("zh_CN")};

struct Message
{
    bool numerus = false;
    QStringList forms;  // one for a text without a count
    bool finished = false;
};

// The messages of a .ts file, by "context|source".
QHash<QString, Message> readTs(const QString &path)
{
    QHash<QString, Message> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isEndElement() && name == QLatin1String("message"))
            out.insert(context + QLatin1Char('|') + source, message);
        if (!xml.isStartElement())
            continue;
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!message.numerus)
                message.forms.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            message.forms.append(xml.readElementText());
        }
    }
    return out;
}

QString tsFile(const QString &language)
{
    return QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/resources/translations/sweepwright_%1.ts").arg(language);
}

// The texts of the sources as lupdate finds them now, or nothing when it is not installed.
QHash<QString, Message> textsOfTheSources(const swtest::FixtureTree &tree, const QStringList &extra = {})
{
    const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    if (!QFile::exists(lupdate))
        return {};
    const QString fresh = tree.path(QStringLiteral("fresh.ts"));
    QProcess run;
    run.start(lupdate, QStringList{QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/src"), QStringLiteral("-I"),
                                   QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/src"), QStringLiteral("-extensions"),
                                   QStringLiteral("cpp,h"), QStringLiteral("-locations"), QStringLiteral("none"),
                                   QStringLiteral("-ts"), fresh}
                           + extra);
    if (!run.waitForFinished(180000) || run.exitCode() != 0)
        ADD_FAILURE() << "lupdate failed: " << run.readAllStandardError().toStdString();
    // lupdate warns where a text would be looked up under another context
    // than the one it files it under (a class without Q_OBJECT, a free
    // function's tr()), which no translation would then reach.
    const QString warnings = QString::fromLocal8Bit(run.readAllStandardError());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
    return readTs(fresh);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(?:\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

TEST(Translations, EveryLanguageHasEveryTextFinishedWithTheSourcesPlaceholders)
{
    swtest::FixtureTree tree;
    const QHash<QString, Message> wanted = textsOfTheSources(tree);
    if (wanted.isEmpty())
        GTEST_SKIP() << "lupdate is not installed";
    for (const QString &language : kLanguages) {
        const QHash<QString, Message> committed = readTs(tsFile(language));
        int faults = 0;
        for (auto it = wanted.cbegin(); it != wanted.cend() && faults < 20; ++it) {
            const QString where = language + QLatin1Char(' ') + it.key();
            const auto found = committed.constFind(it.key());
            if (found == committed.cend() || !found->finished || found->forms.contains(QString())) {
                ADD_FAILURE() << where.toStdString() << ": missing or unfinished (make translations)";
                ++faults;
                continue;
            }
            const QString source = it.key().section(QLatin1Char('|'), 1);
            for (const QString &form : found->forms)
                if (placeholders(form) != placeholders(source)) {
                    ADD_FAILURE() << where.toStdString() << ": placeholders differ in \"" << form.toStdString() << '"';
                    ++faults;
                }
        }
    }
}

TEST(Translations, EveryTextWithACountHasItsEnglishForms)
{
    swtest::FixtureTree tree;
    const QHash<QString, Message> wanted = textsOfTheSources(tree, {QStringLiteral("-pluralonly")});
    if (wanted.isEmpty())
        GTEST_SKIP() << "lupdate is not installed";
    const QHash<QString, Message> committed = readTs(tsFile(QStringLiteral("en")));
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        const Message found = committed.value(it.key());
        EXPECT_TRUE(found.finished && found.forms.size() == 2 && !found.forms.contains(QString()))
            << it.key().toStdString() << " has no English forms: run scripts/update-plurals.py";
    }
}

// The compiled-in files load for every language, so a user's locale finds them.
TEST(Translations, EveryLanguageIsCompiledIn)
{
    for (const QString &language : kLanguages) {
        QTranslator translator;
        EXPECT_TRUE(translator.load(QLocale(language), QStringLiteral("sweepwright"), QStringLiteral("_"),
                                    QStringLiteral(":/i18n")))
            << language.toStdString();
        EXPECT_FALSE(translator.isEmpty()) << language.toStdString();
    }
}

}  // namespace
