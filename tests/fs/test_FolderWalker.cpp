// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/fs/FolderWalker.h"
#include "support/FixtureTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using sw::FolderWalker;

constexpr int kLoopSiblings = FolderWalker::kEntriesOnOneThread + 1000;

qint64 lstatSize(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_size : -1;
}

class FolderWalkerTest : public ::testing::Test
{
protected:
    QString path(const QString &rel) const { return m_tree.path(rel); }

    // Every entry the walk hands over, relative to root; folders named in
    // skip are not entered, and the walk stops after stopAt.
    QStringList walked(const QString &root, const QStringList &skip = {}, const QString &stopAt = {},
                       bool *completed = nullptr) const
    {
        QStringList seen;
        FolderWalker walker;
        const QString prefix = root + QLatin1Char('/');
        const bool done = walker.walk(root, [&](const FolderWalker::Entry &entry) {
            const QString rel = entry.path().mid(prefix.size());
            seen << rel + (entry.isFolder() ? QStringLiteral("/") : QString());
            if (rel == stopAt)
                return FolderWalker::Step::Stop;
            return skip.contains(rel) ? FolderWalker::Step::Skip : FolderWalker::Step::Next;
        });
        if (completed)
            *completed = done;
        return seen;
    }

    swtest::FixtureTree m_tree;
};

TEST_F(FolderWalkerTest, walkHandsOverFilesAndFoldersInOrderButNoLinkSpecialFileOrBadName)
{
    m_tree.file("tree/b/inner", 1);
    m_tree.file("tree/a", 1);
    m_tree.file("tree/c/skipped/deep", 1);
    m_tree.file("tree/d", 1);
    m_tree.link("tree/link-to-b", path("tree/b"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("tree/fifo")).constData(), 0600), 0);
    const QByteArray bad = QFile::encodeName(path("tree")) + "/bad\xff";
    ASSERT_EQ(::mkdir(bad.constData(), 0755), 0);
    ASSERT_EQ(::close(::open((bad + "/inside").constData(), O_WRONLY | O_CREAT, 0644)), 0);

    bool completed = false;
    EXPECT_EQ(walked(path("tree"), {QStringLiteral("c/skipped")}, {}, &completed),
              (QStringList{"a", "b/", "b/inner", "c/", "c/skipped/", "d"}));
    EXPECT_TRUE(completed);
    EXPECT_EQ(walked(path("tree"), {}, QStringLiteral("b/inner"), &completed), (QStringList{"a", "b/", "b/inner"}));
    EXPECT_FALSE(completed);
    // The root may itself be a link.
    m_tree.link("rootlink", path("tree/b"));
    EXPECT_EQ(walked(path("rootlink")), QStringList{"inner"});
}

TEST_F(FolderWalkerTest, unsortedWalkSortedAfterwardsIsTheSortedWalk)
{
    // Names around the separator's place: "a b" and "a-c" sort after the
    // folder "a" and everything in it, though ' ' and '-' come before '/'.
    for (const char *rel : {"t/ab", "t/a.d/x", "t/a-c", "t/a b", "t/a0", "t/a/z/deep", "t/a/y", "t/A",
                            "t/\xc3\xa9", "t/a/z2"})
        m_tree.file(QString::fromUtf8(rel), 1);
    const auto paths = [this](FolderWalker::Order order) {
        std::vector<QByteArray> seen;
        FolderWalker(order).walk(path("t"), [&seen](const FolderWalker::Entry &entry) {
            seen.push_back(entry.nativePath());
            return FolderWalker::Step::Next;
        });
        return seen;
    };
    const std::vector<QByteArray> sorted = paths(FolderWalker::Order::ByName);
    std::vector<QByteArray> asRead = paths(FolderWalker::Order::AsRead);
    ASSERT_EQ(sorted.size(), 13u);
    std::sort(asRead.begin(), asRead.end(), FolderWalker::walksBefore);
    EXPECT_EQ(asRead, sorted);
}

TEST_F(FolderWalkerTest, walkReachesNothingDeeperThanItsLimit)
{
    QString rel = QStringLiteral("deep");
    for (int level = 0; level < FolderWalker::kMaxDepth + 2; ++level)
        rel += QStringLiteral("/d");
    ASSERT_FALSE(m_tree.folder(rel).isEmpty());
    int deepest = 0;
    FolderWalker walker;
    walker.walk(path("deep"), [&deepest](const FolderWalker::Entry &entry) {
        deepest = std::max(deepest, entry.depth);
        return FolderWalker::Step::Next;
    });
    EXPECT_EQ(deepest, FolderWalker::kMaxDepth);
}

// Run in a child with a mount namespace of its own: tree/sub/loop is tree
// itself, bound there. Exits 77 when no namespace or bind mount can be had.
// Enough entries in sub for a walk on several threads to hand part of sub
// over, with the loop in it or not.
int walkThroughBindMountLoop(const QString &tree, int workers)
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return 77;
        auto write = [](const char *file, const QByteArray &text) {
            const int fd = ::open(file, O_WRONLY);
            const bool ok = fd >= 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size();
            if (fd >= 0)
                ::close(fd);
            return ok;
        };
        if (!write("/proc/self/setgroups", "deny") || !write("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
            || !write("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
            return 77;
    }
    const QByteArray native = QFile::encodeName(tree);
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount(native.constData(), (native + "/sub/loop").constData(), nullptr, MS_BIND, nullptr) != 0)
        return 77;
    std::mutex mutex;
    QStringList seen;
    FolderWalker walker(FolderWalker::Order::AsRead, workers);
    walker.walk(tree, [&](const FolderWalker::Entry &entry) {
        const std::lock_guard lock(mutex);
        seen << entry.path().mid(tree.size() + 1);
        return FolderWalker::Step::Next;
    });
    QStringList expected{"f", "sub"};
    for (int i = 0; i < kLoopSiblings; ++i)
        expected << QStringLiteral("sub/x%1").arg(i);
    seen.sort();
    expected.sort();
    return seen == expected ? 0 : 1;
}

TEST_F(FolderWalkerTest, walkDoesNotEnterAFolderAgainThroughABindMount)
{
    m_tree.file("tree/f", 1);
    m_tree.folder("tree/sub/loop");
    const QByteArray sub = QFile::encodeName(path("tree/sub"));
    for (int i = 0; i < kLoopSiblings; ++i)
        ASSERT_EQ(::close(::open((sub + "/x" + QByteArray::number(i)).constData(), O_WRONLY | O_CREAT, 0644)), 0);
    for (const int workers : {1, 2}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(walkThroughBindMountLoop(path("tree"), workers));
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77)
            GTEST_SKIP() << "no bind mount can be made here";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the walk on " << workers << " threads went round the loop";
    }
}

// After the test above, which forks: the pool's threads start here.
TEST_F(FolderWalkerTest, walkOnSeveralThreadsHandsOverEachEntryOnceAtItsDepthAndStops)
{
    for (int d = 0; d < 20; ++d)
        for (int s = 0; s < 5; ++s) {
            const QByteArray folder = QFile::encodeName(m_tree.folder(QStringLiteral("t/d%1/s%2").arg(d).arg(s)));
            for (int f = 0; f < 60; ++f)
                ASSERT_EQ(::close(::open((folder + "/f" + QByteArray::number(f)).constData(), O_WRONLY | O_CREAT, 0644)),
                          0);
        }
    // Once the visitor has said stop it keeps saying so, as a cancelled
    // caller does; every call after that is counted in lateCalls.
    const auto walk = [this](int workers, int stopAfter, bool *completed, int *lateCalls = nullptr) {
        std::mutex mutex;
        std::vector<std::pair<QByteArray, int>> seen;
        int late = 0;
        FolderWalker walker(FolderWalker::Order::AsRead, workers);
        *completed = walker.walk(path("t"), [&](const FolderWalker::Entry &entry) {
            EXPECT_LT(entry.worker, workers);
            const std::lock_guard lock(mutex);
            if (int(seen.size()) == stopAfter) {
                ++late;
                return FolderWalker::Step::Stop;
            }
            seen.emplace_back(entry.nativePath(), entry.depth);
            return int(seen.size()) == stopAfter ? FolderWalker::Step::Stop : FolderWalker::Step::Next;
        });
        // The walk has returned: no thread may call the visitor any more.
        if (lateCalls)
            *lateCalls = late;
        std::sort(seen.begin(), seen.end());
        return seen;
    };
    bool completed = false;
    const auto one = walk(1, -1, &completed);
    ASSERT_EQ(one.size(), 20u + 100u + 6000u);
    EXPECT_EQ(walk(3, -1, &completed), one);
    EXPECT_TRUE(completed);
    // A thread whose visit says stop stops: each of the others at most once more.
    int lateCalls = 0;
    EXPECT_EQ(walk(3, 5000, &completed, &lateCalls).size(), 5000u);
    EXPECT_FALSE(completed);
    EXPECT_LE(lateCalls, 2);
}
TEST_F(FolderWalkerTest, folderSizeSumsEveryEntryWithoutFollowingLinks)
{
    m_tree.file("outside/big", 1 << 20);
    m_tree.file("tree/a", 100);
    m_tree.file("tree/sub/b", 300);
    ASSERT_EQ(::link(QFile::encodeName(path("tree/a")).constData(), QFile::encodeName(path("tree/sub/a2")).constData()),
              0);
    m_tree.link("tree/dirlink", path("outside"));
    m_tree.link("tree/sub/loop", QStringLiteral("."));
    m_tree.file("tree/.hidden", 7);

    const qint64 expected = 100 + 300 + 100 + 7 + lstatSize(path("tree/sub")) + lstatSize(path("tree/dirlink"))
        + lstatSize(path("tree/sub/loop"));
    EXPECT_EQ(FolderWalker::totalSize(path("tree")), expected);
    EXPECT_EQ(FolderWalker::totalSize(path("tree/")), expected);
}

TEST_F(FolderWalkerTest, folderSizeOfSomethingThatIsNotAFolderIsZero)
{
    m_tree.file("tree/a", 100);
    m_tree.link("treelink", path("tree"));
    EXPECT_EQ(FolderWalker::totalSize(path("tree/a")), 0);
    EXPECT_EQ(FolderWalker::totalSize(path("treelink")), 0);
    EXPECT_EQ(FolderWalker::totalSize(path("missing")), 0);
    EXPECT_EQ(FolderWalker::totalSize(QString()), 0);
    EXPECT_EQ(ORUtility::folderSizeAtPath2(path("tree/a")), 0);
}

TEST_F(FolderWalkerTest, folderSizeReachesTreesDeeperThanItsOpenFolderLimit)
{
    QString rel = QStringLiteral("deep");
    qint64 expected = 0;
    for (int level = 0; level < 150; ++level) {
        rel += QStringLiteral("/d");
        ASSERT_FALSE(m_tree.folder(rel).isEmpty());
    }
    m_tree.file(rel + QStringLiteral("/leaf"), 4242);
    expected += 4242;
    for (QString p = rel; p != QLatin1String("deep"); p = p.left(p.lastIndexOf(QLatin1Char('/'))))
        expected += lstatSize(path(p));
    EXPECT_EQ(FolderWalker::totalSize(path("deep")), expected);
}

TEST_F(FolderWalkerTest, folderSizeSkipsUnreadableFolders)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    m_tree.file("tree/open/a", 10);
    m_tree.file("tree/closed/b", 1000);
    ASSERT_EQ(::chmod(QFile::encodeName(path("tree/closed")).constData(), 0), 0);
    const qint64 expected = 10 + lstatSize(path("tree/open")) + lstatSize(path("tree/closed"));
    EXPECT_EQ(FolderWalker::totalSize(path("tree")), expected);
    ::chmod(QFile::encodeName(path("tree/closed")).constData(), 0700);
}

TEST_F(FolderWalkerTest, childNamesIncludeHiddenOnesAndFailOnAnythingButAFolder)
{
    m_tree.file("d/.hidden", 1);
    m_tree.file("d/shown", 1);
    QStringList names = FolderWalker::childNames(path("d")).value_or(QStringList());
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral(".hidden"), QStringLiteral("shown")}));
    EXPECT_FALSE(FolderWalker::childNames(path("missing")).has_value());
    EXPECT_FALSE(FolderWalker::childNames(path("d/shown")).has_value());
    EXPECT_TRUE(ORUtility::contentsOfFolder(path("missing")).isEmpty());
}

}  // namespace
