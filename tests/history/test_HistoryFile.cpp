// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: one line per run, bounded by age and size, private, and
// readable past damaged lines.

#include "core/history/HistoryFile.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

namespace {

using sw::HistoryFile;
using sw::HistoryItem;
using sw::HistoryRecord;

HistoryRecord runAt(const QDateTime &time, const QString &tag, int items = 1)
{
    HistoryRecord run = HistoryRecord::start(QStringLiteral("junk"));
    run.time = time;
    run.id = tag;
    for (int i = 0; i < items; ++i)
        run.items.append({QStringLiteral("/home/u/.cache/%1/%2").arg(tag).arg(i), 100, HistoryItem::Fate::Deleted, {}, {}});
    return run;
}

QStringList idsOf(const QList<HistoryRecord> &runs)
{
    QStringList ids;
    for (const HistoryRecord &run : runs)
        ids << run.id;
    return ids;
}

mode_t modeOf(const QString &path)
{
    struct stat st{};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

class HistoryFileTest : public ::testing::Test
{
protected:
    void SetUp() override { swtest::ensureCoreApplication(); }
    swtest::FixtureTree tree;
    QString folder = tree.path(QStringLiteral("state/sweepwright"));
};

// Runs past a year go at the next append; past the size bound the oldest go
// first, and the newest run stays even when it alone is over the bound.
TEST_F(HistoryFileTest, BoundDropsTheOldestRuns)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const HistoryFile file(folder, {365, 4000});
    ASSERT_EQ(file.append(runAt(now.addDays(-400), QStringLiteral("ancient"))), QString());
    ASSERT_EQ(file.append(runAt(now.addDays(-10), QStringLiteral("recent"))), QString());
    EXPECT_EQ(idsOf(file.read()), (QStringList{QStringLiteral("recent")}));

    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(file.append(runAt(now, QStringLiteral("run%1").arg(i))), QString());
    const QStringList kept = idsOf(file.read());
    EXPECT_LE(QFileInfo(file.path()).size(), 4000);
    EXPECT_FALSE(kept.contains(QStringLiteral("recent")));
    EXPECT_EQ(kept.constLast(), QStringLiteral("run39"));
    EXPECT_GT(kept.size(), 10);

    ASSERT_EQ(file.append(runAt(now, QStringLiteral("huge"), 100)), QString());
    EXPECT_EQ(idsOf(file.read()), (QStringList{QStringLiteral("huge")}));
}

// A line cut short by a crash, a line of garbage and a foreign object are
// skipped; the runs around them are read, and the next rewrite drops them.
TEST_F(HistoryFileTest, DamagedLinesAreSkipped)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const HistoryFile file(folder, {365, 1000});
    ASSERT_EQ(file.append(runAt(now, QStringLiteral("first"))), QString());
    QFile raw(file.path());
    ASSERT_TRUE(raw.open(QIODevice::Append));
    raw.write(runAt(now, QStringLiteral("cut")).toJson().left(40) + "\n\x01\xff garbage\n{\"tool\":\"x\"}\n");
    raw.close();
    ASSERT_EQ(file.append(runAt(now, QStringLiteral("last"))), QString());
    EXPECT_EQ(idsOf(file.read()), (QStringList{QStringLiteral("first"), QStringLiteral("last")}));

    ASSERT_EQ(file.append(runAt(now, QStringLiteral("over"), 12)), QString());
    EXPECT_FALSE(swtest::FixtureTree::bytesAt(file.path()).contains("garbage"));
}

// Only the user reads it: the folder 0700 and the file 0600, also when they
// were made wider before; a link planted as the file is never written through.
TEST_F(HistoryFileTest, StaysPrivateAndWritesThroughNoLink)
{
    const HistoryFile file(folder);
    tree.folder(QStringLiteral("state/sweepwright"));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    const QString elsewhere = tree.text(QStringLiteral("elsewhere"), "keep");
    tree.link(QStringLiteral("state/sweepwright/history.jsonl"), elsewhere);
    EXPECT_NE(file.append(runAt(QDateTime::currentDateTimeUtc(), QStringLiteral("a"))), QString());
    EXPECT_EQ(swtest::FixtureTree::bytesAt(elsewhere), QByteArray("keep"));

    QFile::remove(file.path());
    tree.text(QStringLiteral("state/sweepwright/history.jsonl"), "");
    ::chmod(QFile::encodeName(file.path()).constData(), 0644);
    ASSERT_EQ(file.append(runAt(QDateTime::currentDateTimeUtc(), QStringLiteral("b"))), QString());
    EXPECT_EQ(modeOf(folder), mode_t(0700));
    EXPECT_EQ(modeOf(file.path()), mode_t(0600));
    EXPECT_EQ(idsOf(file.read()), (QStringList{QStringLiteral("b")}));
}

}  // namespace
