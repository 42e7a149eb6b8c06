// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a finished copy where the user asked: over a link another user
// planted (to a file of ours, or to nothing), over a file, into nothing, as
// a copy or a move, within one file system and across two.

#include "core/foundation/JobControl.h"
#include "core/pdf/OutputPlacement.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using sw::OutputPlacement;
using swtest::FixtureTree;
using swtest::TreeSnapshot;

namespace {

bool isRegularFile(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

struct Row
{
    const char *name;
    OutputPlacement::Mode mode;
    const char *linkTarget;  // what a planted link at the target names; null: no link
};

class OutputPlacementTest : public ::testing::TestWithParam<Row>
{
protected:
    void SetUp() override { ASSERT_TRUE(tree.isValid()); }
    FixtureTree tree;
};

}  // namespace

// The copy replaces the link itself: the file it named is untouched, a
// dangling one's target is never made, and no hidden file stays behind.
TEST_P(OutputPlacementTest, ALinkAtTheTargetIsReplacedNeverFollowed)
{
    const Row row = GetParam();
    const QString from = tree.text(QStringLiteral("private/copy.pdf"), "%PDF-1.5 the copy");
    tree.text(QStringLiteral("home/.bashrc"), "alias ls='ls -F'\n");
    const QString target = tree.path(QStringLiteral("shared/out.pdf"));
    tree.folder(QStringLiteral("shared"));
    if (row.linkTarget) {
        ASSERT_FALSE(tree.link(QStringLiteral("shared/out.pdf"), tree.path(QLatin1String(row.linkTarget))).isEmpty());
    }
    const TreeSnapshot home = TreeSnapshot::of(tree.path(QStringLiteral("home")));

    sw::JobControl job;
    EXPECT_EQ(OutputPlacement::place(from, target, row.mode, true, job), QString());
    EXPECT_TRUE(isRegularFile(target));
    EXPECT_EQ(FixtureTree::bytesAt(target), "%PDF-1.5 the copy");
    EXPECT_EQ(TreeSnapshot::of(tree.path(QStringLiteral("home"))).entries(), home.entries());
    EXPECT_EQ(QDir(tree.path(QStringLiteral("shared"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("out.pdf")});
    EXPECT_EQ(FixtureTree::existsAt(from), row.mode == OutputPlacement::Mode::Copy);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OutputPlacementTest,
    ::testing::Values(Row{"copyOverLinkToBashrc", OutputPlacement::Mode::Copy, "home/.bashrc"},
                      Row{"moveOverLinkToBashrc", OutputPlacement::Mode::Move, "home/.bashrc"},
                      Row{"copyOverDanglingLink", OutputPlacement::Mode::Copy, "home/.profile"},
                      Row{"moveOverDanglingLink", OutputPlacement::Mode::Move, "home/.profile"},
                      Row{"copyIntoNothing", OutputPlacement::Mode::Copy, nullptr},
                      Row{"moveIntoNothing", OutputPlacement::Mode::Move, nullptr}),
    [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

TEST(OutputPlacement, WithoutReplaceAnythingThereStaysAndAFolderIsNeverATarget)
{
    FixtureTree tree;
    const QString from = tree.text(QStringLiteral("copy.pdf"), "new");
    const QString file = tree.text(QStringLiteral("mine.pdf"), "mine");
    const QString link = tree.link(QStringLiteral("link.pdf"), tree.path(QStringLiteral("nowhere")));
    const QString folder = tree.folder(QStringLiteral("folder.pdf"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    for (const QString &target : {file, link})
        EXPECT_TRUE(OutputPlacement::place(from, target, OutputPlacement::Mode::Move, false, job)
                        .contains(QStringLiteral("already exists")));
    EXPECT_TRUE(OutputPlacement::place(from, folder, OutputPlacement::Mode::Move, true, job)
                    .contains(QStringLiteral("is a folder")));
    EXPECT_EQ(TreeSnapshot::of(tree.root()).entries(), before.entries());
}

// /dev/shm is another file system than the temporary folder on most
// machines: the move copies beside the target and removes its own file.
TEST(OutputPlacement, AMoveAcrossFileSystemsCopiesBesideTheTargetThenRemovesTheSource)
{
    FixtureTree tree;
    QTemporaryDir other(QStringLiteral("/dev/shm/sweepwright-test-XXXXXX"));
    struct stat a, b;
    if (!other.isValid() || ::stat(QFile::encodeName(tree.root()).constData(), &a) != 0
        || ::stat(QFile::encodeName(other.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "no second file system at hand";
    const QString from = tree.text(QStringLiteral("copy.pdf"), QByteArray(3 << 20, 'p'));
    const QString target = other.filePath(QStringLiteral("out.pdf"));
    sw::JobControl job;
    EXPECT_EQ(OutputPlacement::place(from, target, OutputPlacement::Mode::Move, true, job),
              QString());
    EXPECT_EQ(FixtureTree::bytesAt(target), QByteArray(3 << 20, 'p'));
    EXPECT_FALSE(FixtureTree::existsAt(from));
    EXPECT_EQ(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("out.pdf")});
}
