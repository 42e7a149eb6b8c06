// SPDX-License-Identifier: GPL-3.0-or-later
// Which copy each keep rule keeps, and that it is the one left unmarked.

#include "core/dups/DupCopyLimit.h"
#include "core/dups/DupKeeper.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

using sw::DupKeepRule;
using sw::DupKeeper;

namespace {

ORDupDataItem copy(const QString &path, qint64 modTime)
{
    ORDupDataItem item;
    item.itemPath = path;
    item.itemSize = 100;
    item.itemModTime = modTime;
    return item;
}

}  // namespace

TEST(DupKeeper, EachRulePicksItsCopyAndTiesGoToTheShorterThenEarlierPath)
{
    ORDupDataGroup group;
    group.groupItems = {copy("/home/u/Music/long/name/a.mp3", 500), copy("/home/u/b/a.mp3", 900),
                        copy("/home/u/Downloads/a.mp3", 200), copy("/home/u/c.mp3", 900),
                        copy("/home/u/Pictures/a.mp3", 200)};
    group.groupSize = 500;
    EXPECT_EQ(DupKeeper(DupKeepRule::Oldest).keptCopy(group), 4);  // 200 twice: the shorter path
    EXPECT_EQ(DupKeeper(DupKeepRule::Newest).keptCopy(group), 3);  // 900 twice: the shorter path
    EXPECT_EQ(DupKeeper(DupKeepRule::ShortestPath).keptCopy(group), 3);
    EXPECT_EQ(DupKeeper(DupKeepRule::FirstFound).keptCopy(group), 0);
    EXPECT_EQ(DupKeeper(DupKeepRule::Oldest).keptCopy(ORDupDataGroup()), -1);

    sw::DupCopyLimit::setGroupMarked(group, true, DupKeeper(DupKeepRule::Oldest).keptCopy(group));
    for (qsizetype i = 0; i < group.groupItems.size(); ++i)
        EXPECT_EQ(group.groupItems.at(i).isDel, i != 4) << i;
    EXPECT_EQ(group.groupSelectedSize, 400);
}

// The best original avoids the layout's own Downloads (as user-dirs.dirs
// names it), Trash and temporary folders; a temporary folder that holds the
// home is the user's world and avoided by nothing.
TEST(DupKeeper, BestOriginalAvoidsTheLayoutsTransientPlaces)
{
    const QString root = QStringLiteral("/r");
    const QString home = QStringLiteral("/r/tmp/home");  // not read: no user-dirs.dirs there
    ORLayout::set(ORLayout::Kind::Freedesktop, root, home);
    const DupKeeper keeper(DupKeepRule::BestOriginal);
    const auto kept = [&keeper](const QStringList &paths) {
        ORDupDataGroup group;
        for (const QString &path : paths)
            group.groupItems.append(copy(path, 100 * (group.groupItems.size() + 1)));
        return keeper.keptCopy(group);
    };
    EXPECT_EQ(kept({home + "/Downloads/a.pdf", home + "/Documents/a.pdf"}), 1);
    EXPECT_EQ(kept({home + "/.local/share/Trash/files/a.pdf", home + "/a.pdf"}), 1);
    EXPECT_EQ(kept({root + "/var/tmp/a.pdf", home + "/a.pdf"}), 1);
    EXPECT_EQ(kept({home + "/a.pdf", home + "/b/a.pdf"}), 0);  // /r/tmp holds the home: the oldest
    ORLayout::set(ORLayout::Kind::MacOS, root, QStringLiteral("/r/Users/u"));
    ORDupDataGroup mac;
    mac.groupItems = {copy("/r/Users/u/.Trash/a.pdf", 100), copy("/r/Users/u/a.pdf", 200)};
    EXPECT_EQ(DupKeeper(DupKeepRule::BestOriginal).keptCopy(mac), 1);
    ORLayout::reset();
}

// Reference copies (in folders of originals) under every keep rule: never
// marked, all of them kept; the rule decides only in a set without one.
struct ReferenceRow
{
    const char *name;
    QList<bool> reference;  // per copy
};

void PrintTo(const ReferenceRow &row, std::ostream *os)
{
    *os << row.name;
}

class DupKeeperReference : public ::testing::TestWithParam<std::tuple<DupKeepRule, ReferenceRow>>
{
};

TEST_P(DupKeeperReference, ReferenceCopiesStayAndEveryOtherCopyMayGo)
{
    const auto &[rule, row] = GetParam();
    ORDupDataGroup group;
    // The oldest, the newest, the shortest path and the first found are
    // other copies, so every rule would keep a copy that is not a reference
    // one if it were asked.
    const QStringList paths{"/d/first/a.bin", "/d/o/a.bin", "/d/newest/a.bin", "/d/a", "/d/Downloads/a (1).bin"};
    const QList<qint64> times{300, 100, 900, 500, 200};
    for (qsizetype i = 0; i < row.reference.size(); ++i) {
        group.groupItems.append(copy(paths.at(i), times.at(i)));
        group.groupItems.last().isReference = row.reference.at(i);
    }
    group.groupSize = 100 * group.groupItems.size();
    const qsizetype references = row.reference.count(true);
    const DupKeeper keeper(rule);
    const qsizetype kept = keeper.keptCopy(group);
    ASSERT_GE(kept, 0);
    EXPECT_EQ(group.groupItems.at(kept).isReference, references > 0);

    sw::DupCopyLimit::setGroupMarked(group, true, kept);
    qsizetype marked = 0;
    for (const ORDupDataItem &item : std::as_const(group.groupItems)) {
        EXPECT_FALSE(item.isDel && item.isReference) << item.itemPath.toStdString();
        marked += item.isDel ? 1 : 0;
    }
    // With a reference copy every other copy goes; without, all but one.
    const qsizetype others = group.groupItems.size() - references;
    EXPECT_EQ(marked, references > 0 ? others : others - 1);
    EXPECT_EQ(group.isGroupDelFlag, 2);
    EXPECT_EQ(group.groupSelectedSize, 100 * marked);

    // By hand: a reference copy's tick is locked, marked or not.
    for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
        if (!group.groupItems.at(i).isReference)
            continue;
        EXPECT_FALSE(sw::DupCopyLimit::isCopyCheckable(group, i));
        EXPECT_FALSE(sw::DupCopyLimit::setCopyMarked(group, i, true));
        EXPECT_FALSE(group.groupItems.at(i).isDel);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, DupKeeperReference,
    ::testing::Combine(::testing::ValuesIn(sw::dupkeep::rules()),
                       ::testing::Values(ReferenceRow{"OneReferenceThreeOthers", {false, false, true, false}},
                                         ReferenceRow{"TwoReferencesTwoOthers", {true, false, false, true}},
                                         ReferenceRow{"LastIsReference", {false, false, false, false, true}},
                                         ReferenceRow{"NoReference", {false, false, false, false}})),
    [](const auto &info) {
        return sw::dupkeep::key(std::get<0>(info.param)).remove(u'-').toStdString() + "_"
               + std::get<1>(info.param).name;
    });
