// SPDX-License-Identifier: GPL-3.0-or-later
// The tree walk under every measure and removal: links removed as links,
// special files never opened, the same bytes counted by both walks, trees
// far deeper than the open descriptors allow, walks stopped midway, and a
// folder swapped for a link while the removal runs.

#include "core/fs/FolderTree.h"
#include "core/fs/UniqueFd.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using swtest::FixtureTree;
using swtest::TreeSnapshot;

sw::UniqueFd openFolder(const QString &path)
{
    return sw::UniqueFd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

struct Removed
{
    qint64 bytes = 0;
    QStringList failures;
};

Removed removeContents(const QString &folder)
{
    Removed out;
    const sw::UniqueFd fd = openFolder(folder);
    out.bytes = sw::FolderTree::removeContents(fd.get(), [&out](const QByteArray &rel, const QString &why) {
        out.failures.append(QString::fromUtf8(rel) + QStringLiteral(": ") + why);
    });
    return out;
}

// Lowers the open-descriptor limit for a while.
class DescriptorLimit
{
public:
    explicit DescriptorLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};

TEST(FolderTree, RemovalTakesLinksAsLinksLeavesTheirTargetsAndCountsWhatWent)
{
    FixtureTree tree;
    tree.file(QStringLiteral("outside/keep/precious"), 700);
    tree.file(QStringLiteral("cache/a"), 100);
    tree.file(QStringLiteral("cache/sub/b"), 300);
    tree.folder(QStringLiteral("cache/sub/empty"));
    tree.link(QStringLiteral("cache/to-folder"), tree.path(QStringLiteral("outside/keep")));
    tree.link(QStringLiteral("cache/sub/to-file"), tree.path(QStringLiteral("outside/keep/precious")));
    tree.link(QStringLiteral("cache/sub/loop"), QStringLiteral(".."));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("cache/sub/fifo"))).constData(), 0600), 0);
    // A device node: only root may make one; opening it would read the device.
    const bool node = ::mknod(QFile::encodeName(tree.path(QStringLiteral("cache/null"))).constData(),
                              S_IFCHR | 0600, makedev(1, 3)) == 0;

    const sw::UniqueFd fd = openFolder(tree.path(QStringLiteral("cache")));
    const qint64 measured = sw::FolderTree::measure(fd.get());
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const Removed removed = removeContents(tree.path(QStringLiteral("cache")));
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_TRUE(removed.failures.isEmpty()) << removed.failures.join('\n').toStdString();
    EXPECT_EQ(TreeSnapshot::of(tree.path(QStringLiteral("cache"))).entries().size(), 1);  // the folder stays
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(gone.startsWith(tree.path(QStringLiteral("cache/")))) << gone.toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(removed.bytes, before.bytesGone(after));
    EXPECT_EQ(measured, removed.bytes);
    EXPECT_EQ(node, !tree.exists(QStringLiteral("cache/null")) && node);
}

TEST(FolderTree, TreesDeeperThanTheDescriptorLimitAreMeasuredAndRemovedWhole)
{
    FixtureTree tree;
    constexpr int kLevels = 20000;
    // Built through descriptors: the path of the deepest folder is far longer
    // than any path a system call accepts.
    {
        sw::UniqueFd level = openFolder(tree.folder(QStringLiteral("deep")));
        for (int i = 0; i < kLevels; ++i) {
            ASSERT_EQ(::mkdirat(level.get(), "d", 0700), 0) << i;
            level = sw::UniqueFd(::openat(level.get(), "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            ASSERT_TRUE(level.isValid()) << i;
        }
        const sw::UniqueFd leaf(::openat(level.get(), "leaf", O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        ASSERT_EQ(::write(leaf.get(), "12345", 5), 5);
    }
    struct stat dirStat;
    ASSERT_EQ(::stat(QFile::encodeName(tree.path(QStringLiteral("deep/d"))).constData(), &dirStat), 0);
    const qint64 expected = qint64(kLevels) * dirStat.st_size + 5;

    const sw::UniqueFd fd = openFolder(tree.path(QStringLiteral("deep")));
    qint64 measured = 0;
    Removed removed;
    {
        const DescriptorLimit limit(96);
        measured = sw::FolderTree::measure(fd.get());
        removed = removeContents(tree.path(QStringLiteral("deep")));
    }
    EXPECT_EQ(measured, expected);
    EXPECT_EQ(removed.bytes, expected);
    EXPECT_TRUE(removed.failures.isEmpty()) << removed.failures.mid(0, 3).join('\n').toStdString();
    EXPECT_FALSE(tree.exists(QStringLiteral("deep/d")));
}

// A walk stopped by its watch (a cancelled job) ends between two entries: a
// measure returns early, a removal leaves the rest, says so, and counts
// exactly what went; links among the entries are removed, never followed.
TEST(FolderTree, StoppedWalksEndBetweenEntriesAndCountExactlyWhatWent)
{
    FixtureTree tree;
    tree.file(QStringLiteral("outside/precious"), 700);
    for (int i = 0; i < 400; ++i) {
        const QString rel = QStringLiteral("cache/d%1/e%2").arg(i % 4).arg(i);
        if (i % 5 == 0)
            tree.link(rel, tree.path(i % 2 ? QStringLiteral("outside/precious") : QStringLiteral("outside")));
        else
            tree.file(rel, 10 + i);
    }
    const sw::UniqueFd fd = openFolder(tree.path(QStringLiteral("cache")));
    const qint64 whole = sw::FolderTree::measure(fd.get());
    int seen = 0;
    const qint64 partial = sw::FolderTree::measure(fd.get(), [&seen](qint64) { return ++seen < 50; });
    EXPECT_EQ(seen, 50);
    EXPECT_LT(partial, whole);

    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    int removedEntries = 0;
    qint64 watched = 0;
    QStringList failures;
    const qint64 removed = sw::FolderTree::removeContents(
        fd.get(), [&](const QByteArray &rel, const QString &why) { failures.append(QString::fromUtf8(rel) + why); },
        [&](qint64 bytes) {
            watched += bytes;
            return ++removedEntries < 150;
        });
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_EQ(removedEntries, 150);
    EXPECT_EQ(removed, watched);
    EXPECT_EQ(removed, before.bytesGone(after));
    EXPECT_EQ(before.vanished(after).size(), 150);
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(gone.startsWith(tree.path(QStringLiteral("cache/")))) << gone.toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(QFileInfo(tree.path(QStringLiteral("outside/precious"))).size(), 700);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.constFirst().contains(QStringLiteral("stopped"))) << failures.constFirst().toStdString();
    EXPECT_EQ(sw::FolderTree::measure(fd.get()), whole - removed);
}

// Another user who may write in a cache folder swaps one of its folders with a
// link to the home, over and over, while the folder is being emptied.
TEST(FolderTree, FolderSwappedForALinkDuringRemovalIsNeverFollowed)
{
    FixtureTree tree;
    for (int i = 0; i < 200; ++i)
        tree.file(QStringLiteral("home/docs/file%1").arg(i), 10 + i);
    const QString victim = tree.path(QStringLiteral("home"));
    const QByteArray swapped = QFile::encodeName(tree.path(QStringLiteral("home/.cache/app/sub")));
    const QByteArray link = QFile::encodeName(tree.path(QStringLiteral("home/.cache/app/lnk")));
    const TreeSnapshot homeBefore = TreeSnapshot::of(tree.path(QStringLiteral("home/docs")));

    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 20 && clock.elapsed() < 4000; ++round) {
        for (int i = 0; i < 300; ++i)
            tree.file(QStringLiteral("home/.cache/app/sub/d%1/f").arg(i % 30) + QString::number(i), 1 + i);
        ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), link.constData()), 0);
        const TreeSnapshot before = TreeSnapshot::of(tree.path(QStringLiteral("home/.cache")));
        std::atomic<bool> stop{false};
        std::thread swapper([&] {
            while (!stop.load())
                ::renameat2(AT_FDCWD, swapped.constData(), AT_FDCWD, link.constData(), RENAME_EXCHANGE);
        });
        const Removed removed = removeContents(tree.path(QStringLiteral("home/.cache")));
        stop = true;
        swapper.join();
        // Put the names back where the swaps left them exchanged, so both
        // pictures name the same entries the same way.
        struct stat st;
        if (::lstat(link.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            if (::lstat(swapped.constData(), &st) == 0)
                ::renameat2(AT_FDCWD, swapped.constData(), AT_FDCWD, link.constData(), RENAME_EXCHANGE);
            else
                ::rename(link.constData(), swapped.constData());
        }
        const TreeSnapshot after = TreeSnapshot::of(tree.path(QStringLiteral("home/.cache")));

        EXPECT_EQ(TreeSnapshot::of(tree.path(QStringLiteral("home/docs"))).entries(), homeBefore.entries());
        EXPECT_TRUE(tree.exists(QStringLiteral("home/docs")));
        EXPECT_EQ(removed.bytes, before.bytesGone(after)) << "round " << round;
        ::unlink(link.constData());  // whatever the swaps left behind
        removeContents(tree.path(QStringLiteral("home/.cache")));
    }
}

}  // namespace
