// SPDX-License-Identifier: GPL-3.0-or-later
// 7zz as an extraction back-end, on archives built here with 7zz itself.

#include "core/foundation/JobControl.h"
#include "core/winmail/sevenzip/SevenZipProcess.h"
#include "core/winmail/sevenzip/StagingFolder.h"
#include "support/FixtureTree.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

using Status = sw::SevenZipProcess::Status;
using sw::SevenZipProcess;
using swtest::FixtureTree;

namespace {

bool run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

class SevenZipProcessTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (SevenZipProcess::program().isEmpty())
            GTEST_SKIP() << "7zz is not installed";
        tree.text(QStringLiteral("src/a.txt"), "hello\n");
        tree.text(QStringLiteral("src/sub/b.txt"), "world\n");
    }

    // A 7z of src with the password, its listing encrypted too.
    QString encryptedArchive()
    {
        const QString archive = tree.path(QStringLiteral("enc.7z"));
        EXPECT_TRUE(run(SevenZipProcess::program(),
                        {QStringLiteral("a"), QStringLiteral("-psecret ü"), QStringLiteral("-mhe=on"),
                         archive, QStringLiteral("src")},
                        tree.root()));
        return archive;
    }

    FixtureTree tree;
};

} // namespace

TEST_F(SevenZipProcessTest, AnEncryptedListingNeedsTheRightPassword)
{
    SevenZipProcess sevenZip(encryptedArchive());
    EXPECT_EQ(sevenZip.list().status, Status::PasswordRequired);
    sevenZip.setPassword(QStringLiteral("wrong"));
    EXPECT_EQ(sevenZip.list().status, Status::WrongPassword);

    sevenZip.setPassword(QStringLiteral("secret ü"));
    const SevenZipProcess::Result listing = sevenZip.list();
    ASSERT_EQ(listing.status, Status::Ok) << listing.message.toStdString();
    QStringList paths;
    for (const sw::sevenzip::Entry &entry : listing.entries) {
        paths.append(entry.path + (entry.folder ? QStringLiteral("/") : QString()));
        if (entry.path == QStringLiteral("src/a.txt")) {
            EXPECT_EQ(entry.size, 6);
            EXPECT_TRUE(entry.encrypted);
        }
    }
    paths.sort();
    EXPECT_EQ(paths, (QStringList{QStringLiteral("src/"), QStringLiteral("src/a.txt"),
                                  QStringLiteral("src/sub/"), QStringLiteral("src/sub/b.txt")}));
}

TEST_F(SevenZipProcessTest, ExtractsIntoTheStagingFolderOnlyWithTheRightPassword)
{
    const QString archive = encryptedArchive();
    sw::StagingFolder staging(tree.folder(QStringLiteral("dest")));
    ASSERT_TRUE(staging.isValid());
    SevenZipProcess sevenZip(archive);
    sevenZip.setPassword(QStringLiteral("secret"));
    EXPECT_EQ(sevenZip.extract(staging.path(), 12).status, Status::WrongPassword);

    sevenZip.setPassword(QStringLiteral("secret ü"));
    const SevenZipProcess::Result result = sevenZip.extract(staging.path(), 12);
    ASSERT_EQ(result.status, Status::Ok) << result.message.toStdString();
    QFile b(staging.path() + QStringLiteral("/src/sub/b.txt"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), "world\n");

    // Entries encrypted under a plain listing: no password is a missing one, not a wrong one.
    const QString plainListing = tree.path(QStringLiteral("entries.7z"));
    ASSERT_TRUE(run(SevenZipProcess::program(),
                    {QStringLiteral("a"), QStringLiteral("-psecret"), plainListing, QStringLiteral("src")},
                    tree.root()));
    sw::StagingFolder second(tree.folder(QStringLiteral("dest")));
    EXPECT_EQ(SevenZipProcess(plainListing).list().status, Status::Ok);
    EXPECT_EQ(SevenZipProcess(plainListing).extract(second.path(), 12).status, Status::PasswordRequired);
}

TEST_F(SevenZipProcessTest, FailuresAreToldApart)
{
    EXPECT_EQ(SevenZipProcess(tree.path(QStringLiteral("src/a.txt"))).list().status, Status::NotArchive);

    const QString archive = encryptedArchive();
    QFile file(archive);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();
    SevenZipProcess cutShort(archive);
    cutShort.setPassword(QStringLiteral("secret ü"));
    EXPECT_EQ(cutShort.list().status, Status::Damaged);

    const QString dest = tree.folder(QStringLiteral("dest"));
    EXPECT_EQ(SevenZipProcess(archive).extract(dest, qint64(1) << 62).status, Status::NoSpace);

    ::setenv("SWEEPWRIGHT_7ZZ", "/nonexistent/7zz", 1);
    EXPECT_EQ(SevenZipProcess(archive).list().status, Status::ProgramMissing);
    // A stand-in that reports some progress and then hangs: cancelling kills it.
    const QString standIn = tree.text(QStringLiteral("7zz"), "#!/bin/sh\nprintf '  5%%'\nexec sleep 600\n");
    QFile::setPermissions(standIn, QFile::ReadOwner | QFile::ExeOwner);
    ::setenv("SWEEPWRIGHT_7ZZ", QFile::encodeName(standIn).constData(), 1);
    sw::JobControl job;
    SevenZipProcess hanging(archive);
    hanging.setJob(&job);
    hanging.setProgressHandler([&job](int percent) {
        if (percent == 5)
            job.cancel();
    });
    EXPECT_EQ(hanging.extract(dest, 12).status, Status::Cancelled);
    // Nobody cancels, and it neither reads nor writes: it is stopped as damaged.
    ::setenv("SWEEPWRIGHT_STALL_LIMIT_MS", "1000", 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(SevenZipProcess(archive).extract(dest, 12).status, Status::Damaged);
    EXPECT_LT(clock.elapsed(), 10000);
    ::unsetenv("SWEEPWRIGHT_STALL_LIMIT_MS");
    ::unsetenv("SWEEPWRIGHT_7ZZ");
}

TEST_F(SevenZipProcessTest, ADiskImageOnlySevenZipReadsComesOutCheckedAndWithoutItsEscapes)
{
    const QString mke2fs = QStandardPaths::findExecutable(
        QStringLiteral("mke2fs"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (mke2fs.isEmpty())
        GTEST_SKIP() << "mke2fs is not installed";
    tree.link(QStringLiteral("src/passwd"), QStringLiteral("/etc/passwd"));
    tree.link(QStringLiteral("src/up"), QStringLiteral("../../outside"));
    tree.link(QStringLiteral("src/sibling"), QStringLiteral("a.txt"));
    const QString image = tree.path(QStringLiteral("disk.dd"));
    ASSERT_TRUE(run(mke2fs,
                    {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ext4"), QStringLiteral("-d"),
                     QStringLiteral("src"), image, QStringLiteral("2M")},
                    tree.root()));

    sw::StagingFolder staging(tree.folder(QStringLiteral("dest")));
    const SevenZipProcess::Result result = SevenZipProcess(image).extract(staging.path(), 0);
    // 7zz leaves out the relative link that climbs out, and that is no failure.
    ASSERT_EQ(result.status, Status::Ok) << result.message.toStdString();
    ASSERT_EQ(result.skipped.size(), 1);
    EXPECT_EQ(result.skipped.at(0).path, QStringLiteral("up"));
    ASSERT_TRUE(staging.check());
    const QString s = staging.path();
    EXPECT_EQ(QFile::symLinkTarget(s + QStringLiteral("/sibling")), s + QStringLiteral("/a.txt"));
    // 7zz anchors the absolute link in its output folder; it must not stay
    // absolute, or it would lead nowhere (or elsewhere) after the hand-over.
    char passwd[4096];
    ASSERT_GT(::readlink(QFile::encodeName(s + QStringLiteral("/passwd")).constData(), passwd, sizeof passwd),
              0);
    EXPECT_NE(passwd[0], '/');
    for (const sw::StagingFolder::Item &item : staging.items()) {
        if (item.type != sw::StagingFolder::Type::Link)
            continue;
        const QString target = QFileInfo(s + QLatin1Char('/') + item.path).symLinkTarget();
        EXPECT_TRUE(target.startsWith(s + QLatin1Char('/')))
            << item.path.toStdString() << " -> " << target.toStdString();
    }
}
