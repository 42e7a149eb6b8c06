// Removal with administrator rights: one privileged rm for the whole list, a
// report of what is still there, and no run at all for a doubtful path.

#include "FixtureTree.h"
#include "PkexecStandIn.h"

#include "PrivilegedRemoval.h"

#include <gtest/gtest.h>

namespace {

using sw::PrivilegedRemoval;
using swtest::FixtureTree;
using swtest::PkexecStandIn;
using Outcome = PrivilegedRemoval::Result::Outcome;

class PrivilegedRemovalTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tree.isValid()); }
    FixtureTree tree;
    PkexecStandIn pkexec;
};

TEST_F(PrivilegedRemovalTest, RemovesEveryListedItemWithOneAuthorisation)
{
    const QStringList paths{tree.file(QStringLiteral("a.log"), 10),
                            tree.folder(QStringLiteral("cache/deep/er")),
                            tree.link(QStringLiteral("shortcut"), tree.folder(QStringLiteral("kept"))),
                            tree.path(QStringLiteral("never-was"))};
    tree.file(QStringLiteral("cache/deep/er/f"), 1);
    tree.file(QStringLiteral("kept/inside"), 1);

    const PrivilegedRemoval::Result result = PrivilegedRemoval::removeAll(paths);
    EXPECT_EQ(result.outcome, Outcome::Ran);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.remaining, QStringList());
    EXPECT_TRUE(tree.exists(QStringLiteral("kept/inside")));  // the link went, not what it pointed to
    EXPECT_EQ(pkexec.starts(), QStringList{QStringLiteral("/bin/rm -rf --one-file-system -- ") +
                                           paths.join(QLatin1Char(' '))});
}

struct RefusalRow
{
    const char *name;
    const char *mode;
    Outcome outcome;
    qint32 status;
};

class PrivilegedRemovalRefusal : public PrivilegedRemovalTest,
                                 public ::testing::WithParamInterface<RefusalRow>
{
};

TEST_P(PrivilegedRemovalRefusal, LeavesEverythingInPlaceAndSaysWhy)
{
    pkexec.setMode(GetParam().mode);
    const QStringList paths{tree.file(QStringLiteral("a"), 1), tree.file(QStringLiteral("b/c"), 1)};
    const PrivilegedRemoval::Result result = PrivilegedRemoval::removeAll(paths);
    EXPECT_EQ(result.outcome, GetParam().outcome);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.remaining, paths);
}

INSTANTIATE_TEST_SUITE_P(Answers, PrivilegedRemovalRefusal,
                         ::testing::Values(RefusalRow{"dialog_dismissed", "cancel", Outcome::Cancelled,
                                                      -60006},
                                           RefusalRow{"not_authorised", "deny", Outcome::Refused, -60005}),
                         [](const auto &info) { return std::string(info.param.name); });

struct DoubtfulRow
{
    const char *name;
    const char *path;
    bool inFixture;  // path is relative to the fixture root
};

class PrivilegedRemovalDoubtful : public PrivilegedRemovalTest,
                                  public ::testing::WithParamInterface<DoubtfulRow>
{
};

TEST_P(PrivilegedRemovalDoubtful, AsksNothingAndRemovesNothing)
{
    const QString kept = tree.file(QStringLiteral("victim/file"), 1);
    const QString path = QString::fromLatin1(GetParam().path);
    const QStringList paths{kept, GetParam().inFixture ? tree.path(path) : path};

    const PrivilegedRemoval::Result result = PrivilegedRemoval::removeAll(paths);
    EXPECT_EQ(result.outcome, Outcome::Rejected);
    EXPECT_TRUE(tree.exists(QStringLiteral("victim/file")));
    EXPECT_TRUE(result.remaining.contains(kept));
    EXPECT_EQ(pkexec.starts(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Paths, PrivilegedRemovalDoubtful,
                         ::testing::Values(DoubtfulRow{"relative", "victim", false},
                                           DoubtfulRow{"empty", "", false}, DoubtfulRow{"root", "/", false},
                                           DoubtfulRow{"parent_inside", "victim/../victim", true},
                                           DoubtfulRow{"parent_at_end", "victim/file/..", true},
                                           DoubtfulRow{"trailing_slash", "victim/", true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrivilegedRemovalTest, AnEmptyListAsksNothing)
{
    const PrivilegedRemoval::Result result = PrivilegedRemoval::removeAll({});
    EXPECT_EQ(result.outcome, Outcome::Rejected);
    EXPECT_EQ(pkexec.starts(), QStringList());
}

}  // namespace
