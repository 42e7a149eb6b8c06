// SPDX-License-Identifier: GPL-3.0-or-later
// The extractor's engine on archives whose names a Russian or a Japanese
// system stored in its legacy encoding: GNU tar and bsdtar pack files that
// carry those very bytes as names, and zips as DOS and Windows tools write
// them, and the names come out as they were typed for a user of that
// language, under the default settings.

#include "ArchiveBuilder.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/winmail/ORFileDataCollection.h"
#include "support/FixtureTree.h"

#include <QProcess>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Status = sw::ExtractionOutcome::Status;

class ORFileDataCollectionNamesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.isValid());
        m_language = qgetenv("LANGUAGE");
        ORPrefConfig::setStorePath(tree.path(QStringLiteral("Sweepwright.conf")));
        ORPrefConfig::registerDefaults(ORPrefConfig::archiveDefaults()); // UTF-8, threshold 80
    }
    void TearDown() override
    {
        if (m_language.isNull())
            qunsetenv("LANGUAGE");
        else
            qputenv("LANGUAGE", m_language);
    }

    // Files (and their folders) under src named by the bytes of each name
    // in encoding; each file holds its name in UTF-8.
    void makeFiles(const QStringList &names, const char *encoding)
    {
        QStringEncoder encoder(encoding);
        ASSERT_TRUE(encoder.isValid());
        const QByteArray root = QFile::encodeName(tree.folder(QStringLiteral("src")));
        for (const QString &name : names) {
            const QByteArray raw = encoder.encode(name);
            ASSERT_FALSE(encoder.hasError()) << name.toStdString();
            const QList<QByteArray> parts = raw.split('/');
            QByteArray path = root;
            for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
                path += '/' + parts.at(i);
                ::mkdir(path.constData(), 0755);
            }
            path += '/' + parts.last();
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ASSERT_GE(fd, 0);
            const QByteArray content = name.toUtf8();
            EXPECT_EQ(::write(fd, content.constData(), size_t(content.size())), content.size());
            ::close(fd);
        }
    }

    void pack(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setWorkingDirectory(tree.path(QStringLiteral("src")));
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForFinished(60000)) << program.toStdString();
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    sw::ExtractionOutcome extract(const QString &archive, const char *language)
    {
        qputenv("LANGUAGE", language);
        sw::ExtractionRequest request;
        request.source = archive;
        request.destination = tree.folder(QLatin1String(language));
        sw::JobControl job;
        return ORFileDataCollection::shareInstance().extract(request, {}, job);
    }

    swtest::FixtureTree tree;
    QByteArray m_language;
};

} // namespace

TEST_F(ORFileDataCollectionNamesTest, Cp866NamesInATarComeOutCyrillicForARussianUser)
{
    const QStringList names = {QStringLiteral("Отчёт.txt"), QStringLiteral("Документы/Счёт за март.xls"),
                               QStringLiteral("ПРИКАЗ.DOC")};
    makeFiles(names, "cp866");
    const QString archive = tree.path(QStringLiteral("names.tar"));
    pack(QStringLiteral("tar"), {QStringLiteral("--format=gnu"), QStringLiteral("-cf"), archive, QStringLiteral(".")});

    const sw::ExtractionOutcome russian = extract(archive, "ru");
    ASSERT_EQ(russian.status, Status::Extracted) << russian.detail.toStdString();
    EXPECT_EQ(russian.encoding, QStringLiteral("cp866"));
    for (const QString &name : names)
        EXPECT_EQ(swtest::FixtureTree::bytesAt(tree.path(QStringLiteral("ru/") + name)), name.toUtf8()) << name.toStdString();

    // The language is what made it: an English user's code pages read
    // these bytes otherwise.
    const sw::ExtractionOutcome english = extract(archive, "en");
    ASSERT_EQ(english.status, Status::Extracted) << english.detail.toStdString();
    EXPECT_NE(english.encoding, QStringLiteral("cp866"));
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("en/") + names.first())));
}

TEST_F(ORFileDataCollectionNamesTest, EucJpNamesInACpioComeOutJapaneseForAJapaneseUser)
{
    // Too few for the detector alone, which took them for another code page.
    const QStringList names = {QStringLiteral("議事録.txt"), QStringLiteral("報告書.docx"),
                               QStringLiteral("写真/京都.jpg")};
    makeFiles(names, "EUC-JP");
    const QString archive = tree.path(QStringLiteral("names.cpio"));
    pack(QStringLiteral("bsdtar"), {QStringLiteral("--format"), QStringLiteral("newc"), QStringLiteral("-cf"), archive,
                                    QStringLiteral(".")});

    const sw::ExtractionOutcome outcome = extract(archive, "ja");
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(outcome.encoding, QStringLiteral("EUC-JP"));
    for (const QString &name : names)
        EXPECT_EQ(swtest::FixtureTree::bytesAt(tree.path(QStringLiteral("ja/") + name)), name.toUtf8()) << name.toStdString();
}

// A zip from a Windows tool stores names in the DOS code page of the
// system's language, with no UTF-8 flag: cp866 on a Russian one, cp437 on
// an English one. The detector took those German names for windows-1252
// ("Pr„sentation.ppt", "šbersicht.xls"), which reads them without a fault.
TEST_F(ORFileDataCollectionNamesTest, NamesOfAZipFromADosToolComeOutInTheUsersDosCodePage)
{
    struct Row
    {
        const char *language;
        const char *encoding;
        QStringList names;
    };
    const Row rows[] = {
        {"ru", "cp866", {QStringLiteral("ОТЧЕТ.TXT"), QStringLiteral("ПРИКАЗ.DOC"), QStringLiteral("СЧЕТ/МАРТ.XLS")}},
        {"en", "cp437", {QStringLiteral("Präsentation.ppt"), QStringLiteral("Übersicht.xls"), QStringLiteral("Größe/Maße.txt")}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.language);
        QStringEncoder encoder(row.encoding);
        swtest::ArchiveBuilder zip(QStringLiteral("zip"), true);
        for (const QString &name : row.names)
            zip.file(encoder.encode(name), name.toUtf8());
        const QString archive = tree.path(QStringLiteral("%1.zip").arg(QLatin1String(row.language)));
        ASSERT_TRUE(zip.write(archive));
        ASSERT_TRUE(swtest::ArchiveBuilder::markMadeOnDos(archive));

        const sw::ExtractionOutcome outcome = extract(archive, row.language);
        ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
        EXPECT_EQ(outcome.encoding, QLatin1String(row.encoding));
        for (const QString &name : row.names)
            EXPECT_EQ(swtest::FixtureTree::bytesAt(outcome.destination + QLatin1Char('/') + name), name.toUtf8())
                << name.toStdString();
    }
}
