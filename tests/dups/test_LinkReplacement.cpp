// SPDX-License-Identifier: GPL-3.0-or-later
// Copies replaced by links to the copy each set keeps, through the engine:
// each kind, what it keeps of the copy, and the hostile cases (a copy
// changed or swapped since the scan, a folder swapped for a link, another
// user's file, another file system); a snapshot of the tree before and
// after proves that only the listed copies changed and what was freed.

#include "support/FinderTestSupport.h"
#include "support/TreeSnapshot.h"

#include "core/dups/DupCopyLimit.h"
#include "core/dups/LinkReplacement.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/JobControl.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using sw::LinkKind;
using swtest::pattern;

namespace {

struct stat statOf(const QString &path)
{
    struct stat st = {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

// What a symbolic link holds, as written.
QString linkText(const QString &path)
{
    char target[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return n > 0 ? QFile::decodeName(QByteArray(target, int(n))) : QString();
}

class LinkEngine : public swtest::FinderFixture<ORDupDataCollection>
{
protected:
    QString put(const QString &rel, const QByteArray &bytes) { return tree.text(QStringLiteral("scan/") + rel, bytes); }

    // Scans and marks every copy of each set but the first.
    std::shared_ptr<ORDupData> scanAndMark(const QStringList &folders = {})
    {
        prepare(folders);
        auto data = engine().dupData();
        for (ORDupDataGroup &group : data->dupGroups)
            sw::DupCopyLimit::setGroupMarked(group, true, 0);
        return data;
    }

    sw::RemovalReport link(LinkKind kind)
    {
        sw::JobControl job;
        return engine().replaceWithLinks(job, kind);
    }

    static QString reasonOf(const sw::RemovalReport &report, const QString &path)
    {
        for (const sw::RemovalOutcome &outcome : report.outcomes())
            if (outcome.path == path)
                return outcome.failures.isEmpty() ? QStringLiteral("done") : outcome.failures.constFirst().reason;
        return QStringLiteral("not tried");
    }
};

class LinkKinds : public LinkEngine, public ::testing::WithParamInterface<LinkKind>
{
};

// Three sets in two folders, one copy with a second name elsewhere (its
// bytes stay on disk, so it frees nothing).
TEST_P(LinkKinds, OnlyTheMarkedCopiesChangeAndTheFreedSizeIsWhatWent)
{
    const QString a = put(QStringLiteral("a"), pattern(1, 30000));
    const QString b = put(QStringLiteral("sub/b"), pattern(1, 30000));
    const QString c = put(QStringLiteral("deep/er/c"), pattern(1, 30000));
    const QString x = put(QStringLiteral("x"), pattern(2, 20000));
    const QString y = put(QStringLiteral("y"), pattern(2, 20000));
    ASSERT_FALSE(swtest::hardLink(tree, y, QStringLiteral("elsewhere/y2")).isEmpty());
    ::chmod(QFile::encodeName(b).constData(), 0600);
    const struct stat bBefore = statOf(b);
    scanAndMark();
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());

    const sw::RemovalReport report = link(GetParam());

    ASSERT_TRUE(report.isClean()) << report.failures().value(0).reason.toStdString();
    EXPECT_EQ(report.outcomes().size(), 3);
    EXPECT_EQ(report.removedBytes(), 60000);  // y's bytes stay under its other name
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_TRUE(before.vanished(after).isEmpty());
    for (const QString &changed : before.changed(after))
        EXPECT_TRUE(changed == b || changed == c || changed == y) << changed.toStdString();
    for (const QString &copy : {b, c, y})
        EXPECT_EQ(swtest::FixtureTree::bytesAt(copy), swtest::FixtureTree::bytesAt(copy == y ? x : a));
    EXPECT_TRUE(QDir(tree.root()).entryList({QStringLiteral(".sweepwright-link.*")}, QDir::Hidden).isEmpty());
    const struct stat bAfter = statOf(b);
    switch (GetParam()) {
    case LinkKind::Hard:
        EXPECT_EQ(bAfter.st_ino, statOf(a).st_ino);
        EXPECT_EQ(statOf(a).st_nlink, 3u);
        break;
    case LinkKind::Symbolic:
        ASSERT_TRUE(S_ISLNK(bAfter.st_mode));
        EXPECT_EQ(QFile::symLinkTarget(b), a);
        EXPECT_EQ(linkText(b), QStringLiteral("../a"));  // relative: both below the scan folder
        break;
    case LinkKind::Reflink:
        EXPECT_EQ(bAfter.st_mode, bBefore.st_mode);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, LinkKinds, ::testing::Values(LinkKind::Hard, LinkKind::Symbolic),
                         [](const auto &info) { return sw::LinkReplacement::key(info.param).toStdString(); });

// A copy whose bytes changed, or that was replaced by another file of the
// same bytes, since the scan: skipped and left exactly as it is.
TEST_F(LinkEngine, CopyChangedOrReplacedSinceTheScanIsSkippedUntouched)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    const QString b = put(QStringLiteral("b"), pattern(1, 30000));
    const QString c = put(QStringLiteral("c"), pattern(1, 30000));
    scanAndMark();
    put(QStringLiteral("b"), swtest::changedAt(pattern(1, 30000), 29999));
    // The same bytes in another file (made while the old one exists, so it cannot reuse its inode).
    const QString other = put(QStringLiteral("c.new"), pattern(1, 30000));
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(c).constData()), 0);
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    const ino_t cIno = statOf(c).st_ino;

    const sw::RemovalReport report = link(LinkKind::Hard);

    EXPECT_EQ(report.failedCount(), 2);
    EXPECT_EQ(report.refusedCount(), 0);
    EXPECT_EQ(reasonOf(report, b), QStringLiteral("it changed since the scan"));
    EXPECT_EQ(reasonOf(report, c), QStringLiteral("it changed since the scan"));
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());
    EXPECT_EQ(statOf(c).st_ino, cIno);
    EXPECT_EQ(report.removedBytes(), 0);
}

// The folder holding a copy is swapped for a link to a folder of the same
// names elsewhere: never followed, nothing there or here changes.
TEST_F(LinkEngine, FolderSwappedForALinkIsRefusedAndNothingOutsideChanges)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    const QString b = put(QStringLiteral("sub/b"), pattern(1, 30000));
    tree.text(QStringLiteral("outside/b"), pattern(1, 30000));
    scanAndMark();
    ASSERT_TRUE(QDir().rename(scanned + QStringLiteral("/sub"), scanned + QStringLiteral("/sub.real")));
    tree.link(QStringLiteral("scan/sub"), tree.path(QStringLiteral("outside")));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());

    const sw::RemovalReport report = link(LinkKind::Hard);

    EXPECT_EQ(report.refusedCount(), 1);
    EXPECT_TRUE(reasonOf(report, b).contains(QStringLiteral("link"))) << reasonOf(report, b).toStdString();
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());
    EXPECT_EQ(statOf(tree.path(QStringLiteral("outside/b"))).st_nlink, 1u);
}

// Another user's copy, or a kept copy of another user's: refused, untouched.
TEST_F(LinkEngine, AnotherUsersFilesAreRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    put(QStringLiteral("a"), pattern(1, 30000));
    const QString b = put(QStringLiteral("b"), pattern(1, 30000));
    const QString x = put(QStringLiteral("x"), pattern(2, 20000));
    const QString y = put(QStringLiteral("y"), pattern(2, 20000));
    scanAndMark();
    ASSERT_EQ(::chown(QFile::encodeName(b).constData(), 65534, 65534), 0);
    ASSERT_EQ(::chown(QFile::encodeName(x).constData(), 65534, 65534), 0);
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());

    const sw::RemovalReport report = link(LinkKind::Symbolic);

    EXPECT_EQ(report.refusedCount(), 2);
    EXPECT_EQ(reasonOf(report, b), QStringLiteral("it belongs to another user"));
    EXPECT_EQ(reasonOf(report, y), QStringLiteral("it belongs to another user"));
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());
}

// Copies on two file systems (the fixture's and /dev/shm where that is
// another one): a hard link or a reflink is refused per item and nothing is
// deleted instead; a symbolic link reaches the kept copy by its full path.
TEST_F(LinkEngine, AcrossFileSystemsHardLinksAreRefusedAndSymbolicLinksAreAbsolute)
{
    QTemporaryDir other(QStringLiteral("/dev/shm/sweepwright-links-XXXXXX"));
    if (!other.isValid() || statOf(other.path()).st_dev == statOf(tree.root()).st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    const QString a = put(QStringLiteral("a"), pattern(1, 30000));
    const QString b = other.path() + QStringLiteral("/b");
    QFile file(b);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pattern(1, 30000));
    file.close();
    scanAndMark({scanned, other.path()});
    EXPECT_EQ(sw::LinkReplacement::defaultKind(*engine().tempDupData()), LinkKind::Symbolic);

    for (const LinkKind kind : {LinkKind::Hard, LinkKind::Reflink}) {
        const sw::RemovalReport report = link(kind);
        EXPECT_EQ(report.refusedCount(), 1);
        EXPECT_TRUE(reasonOf(report, b).contains(QStringLiteral("another file system")));
        EXPECT_EQ(swtest::FixtureTree::bytesAt(b), pattern(1, 30000));
        EXPECT_FALSE(S_ISLNK(statOf(b).st_mode));
    }
    const sw::RemovalReport report = link(LinkKind::Symbolic);
    EXPECT_TRUE(report.isClean());
    EXPECT_EQ(linkText(b), a);
    EXPECT_EQ(report.removedBytes(), 30000);
}

// A set whose copies are all marked keeps them all; a set without a flag
// is left alone.
TEST_F(LinkEngine, SetWithoutAnUnmarkedCopyOrFlagIsLeftAlone)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    put(QStringLiteral("b"), pattern(1, 30000));
    put(QStringLiteral("x"), pattern(2, 20000));
    put(QStringLiteral("y"), pattern(2, 20000));
    auto data = scanAndMark();
    for (ORDupDataItem &item : data->dupGroups[0].groupItems)
        item.isDel = true;
    data->dupGroups[1].isGroupDelFlag = 0;
    EXPECT_TRUE(sw::LinkReplacement::plan(*data).isEmpty());
    EXPECT_TRUE(link(LinkKind::Hard).outcomes().isEmpty());
}

TEST(LinkTarget, RelativeBelowOneFolderElseTheRealPath)
{
    EXPECT_EQ(sw::FileLink::symlinkTarget(QStringLiteral("/s/p/q/c"), QStringLiteral("/s/a/k"), QStringLiteral("/s"),
                                          QStringLiteral("/real/a/k")),
              QByteArray("../../a/k"));
    EXPECT_EQ(sw::FileLink::symlinkTarget(QStringLiteral("/s/c"), QStringLiteral("/t/k"), QString(),
                                          QStringLiteral("/real/t/k")),
              QByteArray("/real/t/k"));
}

}  // namespace
