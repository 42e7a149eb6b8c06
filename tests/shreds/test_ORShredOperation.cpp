// SPDX-License-Identifier: GPL-3.0-or-later
// The shredder's engine on fixture trees: what was listed goes, links go as
// links, a folder swapped for a link is not followed, the places that must
// never go are refused with a reason, and the reported size is what
// disappeared. Overwriting writes only the file that goes, and only once it
// is certain to go. A bind mount does not present a refused place under
// another name.

#include "core/platform/ORLayout.h"
#include "core/shreds/ORShredOperation.h"
#include "PrivateMounts.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using swtest::FixtureTree;
using swtest::TreeSnapshot;

class ShredTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ORLayout::set(ORLayout::Kind::Freedesktop, tree.folder(QStringLiteral("root")),
                      tree.folder(QStringLiteral("home")));
        shred().startOver();
    }
    void TearDown() override
    {
        shred().startOver();
        ORLayout::reset();
    }
    static ORShredOperation &shred() { return ORShredOperation::shareInstance(); }

    // Every path that vanished lies in one of items.
    static void expectOnlyListedGone(const TreeSnapshot &before, const TreeSnapshot &after, const QStringList &items)
    {
        for (const QString &path : before.vanished(after))
            EXPECT_TRUE(TreeSnapshot::isUnder(path, items)) << path.toStdString();
        EXPECT_TRUE(before.changed(after).isEmpty()) << before.changed(after).join(u' ').toStdString();
    }

    FixtureTree tree;
};

TEST_F(ShredTest, LinksGoAsLinksAndTheSizeIsWhatDisappeared)
{
    const QString target = tree.folder(QStringLiteral("data/target"));
    tree.file(QStringLiteral("data/target/keep"), 100);
    tree.file(QStringLiteral("drop/dir/a"), 10);
    tree.file(QStringLiteral("drop/dir/sub/b"), 20);
    tree.link(QStringLiteral("drop/dir/inner-link"), target);
    const QString dir = tree.path(QStringLiteral("drop/dir"));
    const QString link = tree.link(QStringLiteral("drop/link"), target);
    const QString file = tree.file(QStringLiteral("drop/file"), 5);
    const QString missing = tree.path(QStringLiteral("drop/missing"));
    const QStringList listed{dir, link, file, missing};
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    shred().setFolders(listed);
    shred().setFolders({tree.path(QStringLiteral("data"))});  // ignored while a list is held
    ASSERT_EQ(shred().folders()->size(), 4);
    // The folder counts for what is inside it, the inner link as a link.
    const auto &entries = before.entries();
    EXPECT_EQ(shred().folders()->at(0).shredSize,
              10 + 20 + entries.value(QFile::encodeName(dir + "/sub")).size
                  + entries.value(QFile::encodeName(dir + "/inner-link")).size);
    shred().shreddar();

    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    expectOnlyListedGone(before, after, listed);
    EXPECT_TRUE(tree.exists(QStringLiteral("data/target/keep")));
    EXPECT_FALSE(tree.exists(QStringLiteral("drop/dir")) || tree.exists(QStringLiteral("drop/link"))
                 || tree.exists(QStringLiteral("drop/file")));
    EXPECT_EQ(shred().shredSize(), before.bytesGone(after, {dir}));
    const sw::RemovalReport report = shred().report();
    ASSERT_EQ(report.failures().size(), 1);
    EXPECT_EQ(report.failures().constFirst().path, missing);
    EXPECT_FALSE(report.failures().constFirst().reason.isEmpty());
}

TEST_F(ShredTest, FoldersSwappedForLinksAfterListingLeaveTheirTargetsIntact)
{
    tree.file(QStringLiteral("data/target/keep"), 100);
    tree.file(QStringLiteral("data/inner/keep"), 30);
    tree.file(QStringLiteral("drop/dir/a"), 10);
    tree.file(QStringLiteral("drop/on-the-way/inner/b"), 10);
    const QString dir = tree.path(QStringLiteral("drop/dir"));
    const QString inner = tree.path(QStringLiteral("drop/on-the-way/inner"));
    shred().setFolders({dir, inner});
    EXPECT_EQ(shred().folders()->constFirst().shredSize, 10);

    // The listed folder itself becomes a link, and so does a folder on the way to another.
    QDir(dir).removeRecursively();
    tree.link(QStringLiteral("drop/dir"), tree.path(QStringLiteral("data/target")));
    QDir(tree.path(QStringLiteral("drop/on-the-way"))).removeRecursively();
    tree.link(QStringLiteral("drop/on-the-way"), tree.path(QStringLiteral("data")));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    shred().shreddar();
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_EQ(before.vanished(after), QStringList{dir});
    EXPECT_TRUE(tree.exists(QStringLiteral("data/target/keep")) && tree.exists(QStringLiteral("data/inner/keep")));
    EXPECT_EQ(shred().shredSize(), before.bytesGone(after));
    const QList<sw::RemovalFailure> failures = shred().report().failures();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures.constFirst().path, inner);
}

TEST_F(ShredTest, RootHomeItsHoldersAndProtectedPathsAreRefusedWithAReason)
{
    tree.file(QStringLiteral("home/notes"), 10);
    tree.file(QStringLiteral("root/etc/passwd"), 10);
    tree.file(QStringLiteral("root/var/lib/db"), 10);
    // A link on the way to the home: the home is judged where it really is.
    const QString top = tree.link(QStringLiteral("links/top"), tree.root());
    const QStringList refused{
        QStringLiteral("/"),
        ORLayout::realHome(),
        tree.path(QStringLiteral("home")),
        tree.path(QStringLiteral("home/sub/..")),
        tree.root(),                                   // holds the home
        tree.path(QStringLiteral("root")),             // the layout's root
        tree.path(QStringLiteral("root/etc/passwd")),  // protected
        tree.path(QStringLiteral("root/var/lib")),
        QStringLiteral("/usr"),
        top + QStringLiteral("/home"),
    };
    shred().setFolders(refused);
    // Nothing is attempted unless every refusal is known before the removal.
    const QList<ORShredItem> items = shred().folders().value_or(QList<ORShredItem>());
    ASSERT_EQ(items.size(), refused.size());
    for (const ORShredItem &item : items)
        ASSERT_FALSE(item.refusal.isEmpty()) << item.shredPath.toStdString();
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    shred().shreddar();

    EXPECT_EQ(TreeSnapshot::of(tree.root()).entries(), before.entries());
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/usr")));
    EXPECT_EQ(shred().shredSize(), 0);
    const sw::RemovalReport report = shred().report();
    ASSERT_EQ(report.outcomes().size(), refused.size());
    for (const sw::RemovalOutcome &outcome : report.outcomes()) {
        ASSERT_EQ(outcome.failures.size(), 1) << outcome.path.toStdString();
        EXPECT_FALSE(outcome.failures.constFirst().reason.isEmpty());
    }
}

TEST_F(ShredTest, OverwriteWritesTheRemovedFileAndNotAnotherNameOfIt)
{
    const QByteArray original(200000, 'x');
    const QString single = tree.text(QStringLiteral("drop/dir/single"), original);
    const QString linked = tree.text(QStringLiteral("drop/dir/linked"), original);
    const QString otherName = tree.path(QStringLiteral("data/other-name"));
    QDir().mkpath(tree.path(QStringLiteral("data")));
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(otherName).constData()), 0);
    const QString top = tree.text(QStringLiteral("drop/top"), original);
    // Open before the removal: what was written shows through these once the names are gone.
    QFile singleFile(single), topFile(top);
    ASSERT_TRUE(singleFile.open(QIODevice::ReadOnly) && topFile.open(QIODevice::ReadOnly));

    shred().setFolders({tree.path(QStringLiteral("drop/dir")), top});
    sw::JobControl job;
    const sw::RemovalReport report = shred().remove(job, true);
    EXPECT_TRUE(report.isClean());
    EXPECT_FALSE(tree.exists(QStringLiteral("drop/dir")) || tree.exists(QStringLiteral("drop/top")));

    for (QFile *gone : {&singleFile, &topFile}) {
        const QByteArray now = gone->readAll();
        EXPECT_EQ(now.size(), original.size());
        EXPECT_LT(now.count('x'), original.size() / 100) << gone->fileName().toStdString();
    }
    QFile other(otherName);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), original);
    EXPECT_EQ(QDir(tree.path(QStringLiteral("drop"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

// A file overwritten by half when the disk refused the rest stays under its
// own name, not under the hidden one it was set aside as.
TEST_F(ShredTest, OverwriteThatFailsHalfwayPutsTheFileBackUnderItsName)
{
    const QString big = tree.text(QStringLiteral("drop/dir/big"), QByteArray(200000, 'x'));
    tree.file(QStringLiteral("drop/dir/small"), 100);
    shred().setFolders({tree.path(QStringLiteral("drop/dir"))});
    // Writes past 64 KiB fail (EFBIG) while the limit holds.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited = before;
    limited.rlim_cur = 65536;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    sw::JobControl job;
    const sw::RemovalReport report = shred().remove(job, true);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(QDir(tree.path(QStringLiteral("drop/dir"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("big")});
    EXPECT_EQ(QFileInfo(big).size(), 200000);
    const QList<sw::RemovalFailure> failures = report.failures();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures.constFirst().path, big);
    EXPECT_TRUE(failures.constFirst().reason.endsWith(QStringLiteral("it was kept")))
        << failures.constFirst().reason.toStdString();
    EXPECT_EQ(report.removedBytes(), 100);
}

// Regression: with a bind mount of the fixture's top, "BIND/home" and
// "BIND/root/etc" were judged by their text, and the home and ROOT/etc went.
TEST_F(ShredTest, BindMountDoesNotPresentTheHomeOrAProtectedFolderUnderAnotherName)
{
    tree.file(QStringLiteral("home/notes"), 10);
    tree.file(QStringLiteral("root/etc/passwd"), 20);
    tree.file(QStringLiteral("root/usr/share/doc/readme"), 30);
    const QString file = tree.file(QStringLiteral("drop/file"), 5);
    FixtureTree mountPoints;
    const QString bind = mountPoints.folder(QStringLiteral("all"));
    const QString share = mountPoints.folder(QStringLiteral("share"));
    const swtest::PrivateMounts mounts;
    if (!mounts.bind(tree.root(), bind) || !mounts.bind(tree.path(QStringLiteral("root/usr/share")), share))
        GTEST_SKIP() << "mounting is not permitted here";
    const QStringList refused{bind + QStringLiteral("/home"), bind + QStringLiteral("/root/etc"),
                              bind + QStringLiteral("/root/usr/share/doc/readme"), share + QStringLiteral("/doc"),
                              bind};
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    shred().setFolders(refused + QStringList{bind + QStringLiteral("/drop/file")});
    for (const ORShredItem &item : shred().folders().value_or(QList<ORShredItem>()))
        EXPECT_EQ(item.refusal.isEmpty(), item.shredPath.endsWith(QStringLiteral("/drop/file")))
            << item.shredPath.toStdString() << ": " << item.refusal.toStdString();
    shred().shreddar();

    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), QStringList{file});
    EXPECT_EQ(shred().shredSize(), before.bytesGone(after));
    const sw::RemovalReport report = shred().report();
    EXPECT_EQ(report.refusedCount(), refused.size());
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        EXPECT_EQ(outcome.refused, refused.contains(outcome.path)) << outcome.path.toStdString();
}

}  // namespace
