// SPDX-License-Identifier: GPL-3.0-or-later
// One removal run: items reached below their root without following a link
// (with openat2 and with the walk one component at a time), the outcome of
// an item that went earlier in the run or vanished before it, and moves to
// the Trash that cannot be redirected.

#include "core/fs/AnchoredRoot.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/ORLayout.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRemovalTest, "sweepwright.test.removal")

namespace {

using swtest::FixtureTree;
using swtest::TreeSnapshot;
using Mode = sw::RemovalRun::Mode;

class RemovalRunTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        sw::AnchoredRoot::setOpenat2Enabled(GetParam());
        ORLayout::set(ORLayout::Kind::Freedesktop, tree.folder(QStringLiteral("root")), tree.folder(QStringLiteral("home")));
        cache = tree.folder(QStringLiteral("home/.cache"));
    }
    void TearDown() override
    {
        sw::AnchoredRoot::setOpenat2Enabled(true);
        ORLayout::reset();
    }

    FixtureTree tree;
    QString cache;
};

TEST_P(RemovalRunTest, FolderOnTheWaySwappedForALinkIsNotFollowed)
{
    tree.file(QStringLiteral("home/.cache/app/sub/item"), 10);
    tree.file(QStringLiteral("home/Documents/sub/item"), 99);
    const QString item = cache + QStringLiteral("/app/sub/item");
    // Between the scan and the removal, app becomes a link to the documents.
    QDir(cache + QStringLiteral("/app")).removeRecursively();
    tree.link(QStringLiteral("home/.cache/app"), tree.path(QStringLiteral("home/Documents")));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    sw::RemovalRun run(lcRemovalTest);
    for (Mode mode : {Mode::Whole, Mode::Contents}) {
        const sw::RemovalOutcome &outcome = run.remove(cache, item, mode, 10);
        EXPECT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.removed, 0);
    }
    EXPECT_EQ(TreeSnapshot::of(tree.root()).entries(), before.entries());
    EXPECT_EQ(run.report().failedCount(), 2);
}

TEST_P(RemovalRunTest, ItemGoneWithItsFolderIsASuccessAndAVanishedOneIsNot)
{
    tree.file(QStringLiteral("home/.cache/mozilla/firefox/p/cache2/e1"), 100);
    tree.file(QStringLiteral("home/.cache/mozilla/other"), 20);
    const QString cache2 = cache + QStringLiteral("/mozilla/firefox/p/cache2");
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    sw::RemovalRun run(lcRemovalTest);
    const qint64 folderBytes = run.remove(cache, cache + QStringLiteral("/mozilla"), Mode::Contents, 0).removed;
    const sw::RemovalOutcome inside = run.remove(cache, cache2, Mode::Contents, 100);
    const sw::RemovalOutcome vanished = run.remove(cache, cache + QStringLiteral("/never-there"), Mode::Contents, 5);

    EXPECT_TRUE(inside.ok());
    EXPECT_EQ(inside.removed, 0);  // its bytes went, and counted, with the folder
    EXPECT_TRUE(inside.withFolder);
    EXPECT_FALSE(vanished.ok());
    EXPECT_FALSE(vanished.withFolder);
    EXPECT_EQ(vanished.left(), 5);
    EXPECT_EQ(run.report().removedBytes(), folderBytes);
    EXPECT_EQ(run.report().removedBytes(), before.bytesGone(TreeSnapshot::of(tree.root())));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.cache/mozilla")));
}

TEST_P(RemovalRunTest, TopFoldersAndProtectedFoldersNeverGoWhole)
{
    tree.file(QStringLiteral("home/.cache/a"), 10);
    tree.file(QStringLiteral("root/etc/passwd"), 10);
    tree.link(QStringLiteral("home/.cache/etc"), tree.path(QStringLiteral("root/etc")));
    sw::RemovalRun run(lcRemovalTest);
    EXPECT_FALSE(run.remove(cache, cache, Mode::Whole, 10).ok());
    EXPECT_FALSE(run.remove(cache, cache + QStringLiteral("/etc/passwd"), Mode::Whole, 10).ok());
    EXPECT_FALSE(run.remove(tree.path(QStringLiteral("root/etc")), tree.path(QStringLiteral("root/etc/passwd")),
                            Mode::Whole, 10)
                     .ok());
    EXPECT_TRUE(tree.exists(QStringLiteral("root/etc/passwd")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.cache/a")));
}

TEST_P(RemovalRunTest, MoveToTheTrashIsNotRedirectedByALinkOnTheWay)
{
    const QString film = tree.file(QStringLiteral("home/Videos/show/s01.mkv"), 100);
    tree.file(QStringLiteral("home/Documents/show/s01.mkv"), 50);
    const QString videos = tree.path(QStringLiteral("home/Videos"));
    QDir(videos + QStringLiteral("/show")).removeRecursively();
    tree.link(QStringLiteral("home/Videos/show"), tree.path(QStringLiteral("home/Documents/show")));

    sw::RemovalRun run(lcRemovalTest);
    EXPECT_FALSE(run.moveToTrash(videos, film, 100).ok());
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Documents/show/s01.mkv")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/Trash/files/s01.mkv")));
}

TEST_P(RemovalRunTest, ChosenItemGoesWholeUnlessItHoldsTheHomeOrItsFolderMovedOrAFileIsHeldBack)
{
    tree.file(QStringLiteral("work/dir/a"), 10);
    tree.file(QStringLiteral("work/dir/keep"), 20);
    tree.file(QStringLiteral("work/other/b"), 30);
    tree.link(QStringLiteral("work/dir/docs"), tree.path(QStringLiteral("home")));
    const QString dir = tree.path(QStringLiteral("work/dir"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    sw::RemovalRun run(lcRemovalTest);
    run.setBeforeUnlink([](int, const char *name, const sw::FileIdentity &) {
        return qstrcmp(name, "keep") == 0 ? sw::FolderTree::Unlinkable{{}, QStringLiteral("held back")}
                                          : sw::FolderTree::Unlinkable{name, {}};
    });
    const sw::RemovalOutcome held = run.removeChosen(dir, 0);
    EXPECT_FALSE(run.removeChosen(tree.path(QStringLiteral("home")), 0).ok());
    EXPECT_FALSE(run.removeChosen(tree.root(), 0).ok());  // holds the home
    // Chosen when its folder was elsewhere: a link on the way changed since.
    EXPECT_FALSE(run.removeChosen(tree.path(QStringLiteral("work/other")), 0, tree.path(QStringLiteral("home"))).ok());

    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), (QStringList{dir + QStringLiteral("/a"), dir + QStringLiteral("/docs")}));
    EXPECT_EQ(held.removed, before.bytesGone(after));
    ASSERT_EQ(held.failures.size(), 1);
    EXPECT_EQ(held.failures.constFirst().path, dir + QStringLiteral("/keep"));
}

INSTANTIATE_TEST_SUITE_P(Walks, RemovalRunTest, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "openat2" : "componentByComponent"; });

}  // namespace
