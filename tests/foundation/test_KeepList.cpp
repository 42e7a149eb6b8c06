// SPDX-License-Identifier: GPL-3.0-or-later
// The keep list's verdicts on a fixture home: paths, links, patterns.

#include "core/foundation/KeepList.h"
#include "core/platform/ORLayout.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

namespace {

struct Row
{
    const char *name;
    QStringList entries;  // "~" is the fixture's home
    const char *item;     // below the home
    bool kept;
};

class KeepListVerdict : public ::testing::TestWithParam<Row>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        home = tree.folder(QStringLiteral("home"));
        ORLayout::set(ORLayout::Kind::Freedesktop, QString(), home);
        tree.file(QStringLiteral("home/Downloads/disc.iso"), 4);
        tree.file(QStringLiteral("home/Downloads/old/disc.iso"), 4);
        tree.file(QStringLiteral("home/Downloads/notes.txt"), 4);
        tree.file(QStringLiteral("home/Keep/inner/deep.txt"), 4);
        tree.file(QStringLiteral("home/Photos/cat.jpg"), 4);
        tree.link(QStringLiteral("home/Desktop/shortcut"), home + QStringLiteral("/Keep"));
    }
    void TearDown() override { ORLayout::reset(); }

    swtest::FixtureTree tree;
    QString home;
};

TEST_P(KeepListVerdict, ItemIsKeptOrFree)
{
    const Row &row = GetParam();
    const sw::KeepList keep(row.entries);
    const QString why = keep.refusal(home + QLatin1Char('/') + QLatin1String(row.item));
    EXPECT_EQ(!why.isEmpty(), row.kept) << why.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeepListVerdict,
    ::testing::Values(
        Row{"KeptFolderItself", {QStringLiteral("~/Keep")}, "Keep", true},
        Row{"FileInsideAKeptFolder", {QStringLiteral("~/Keep")}, "Keep/inner/deep.txt", true},
        Row{"FolderHoldingAKeptFolder", {QStringLiteral("~/Keep/inner")}, "Keep", true},
        Row{"KeptFolderReachedThroughALink", {QStringLiteral("~/Keep")}, "Desktop/shortcut/inner/deep.txt", true},
        Row{"LinkedPathKeptReachesTheRealFolder", {QStringLiteral("~/Desktop/shortcut")}, "Keep/inner", true},
        Row{"SiblingOfAKeptFolderIsFree", {QStringLiteral("~/Keep")}, "Photos/cat.jpg", false},
        Row{"KeptFileOnly", {QStringLiteral("~/Photos/cat.jpg")}, "Photos/cat.jpg", true},
        Row{"FolderHoldingAKeptFile", {QStringLiteral("~/Photos/cat.jpg")}, "Photos", true},
        Row{"PathPatternMatchesItsFolderOnly", {QStringLiteral("~/Downloads/*.iso")}, "Downloads/disc.iso", true},
        Row{"PathPatternStopsAtSlash", {QStringLiteral("~/Downloads/*.iso")}, "Downloads/old/disc.iso", false},
        Row{"PathPatternLeavesOtherNames", {QStringLiteral("~/Downloads/*.iso")}, "Downloads/notes.txt", false},
        Row{"NamePatternMatchesAtAnyDepth", {QStringLiteral("*.iso")}, "Downloads/old/disc.iso", true},
        Row{"FolderHoldingANamePatternMatch", {QStringLiteral("*.iso")}, "Downloads/old", true},
        Row{"FolderMatchingAPatternKeepsItsContents", {QStringLiteral("~/Ke?p")}, "Keep/inner/deep.txt", true},
        Row{"RelativeEntryLiesInTheHome", {QStringLiteral("Keep/inner")}, "Keep/inner/deep.txt", true},
        Row{"EmptyListKeepsNothing", {}, "Keep", false}),
    [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

}  // namespace
