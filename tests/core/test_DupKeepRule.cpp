// Which copy the auto-select keeps, and that it is the one left unmarked.

#include "DupCopyLimit.h"
#include "DupKeepRule.h"
#include "ORLayout.h"

#include <gtest/gtest.h>

using sw::DupKeepRule;

namespace {

ORDupDataItem copy(const char *path, qint64 modTime)
{
    ORDupDataItem item;
    item.itemPath = QString::fromLatin1(path);
    item.itemSize = 100;
    item.itemModTime = modTime;
    return item;
}

}  // namespace

TEST(DupKeepRule, EachRulePicksItsCopyAndTiesGoToTheShorterThenEarlierPath)
{
    ORDupDataGroup group;
    group.groupItems = {copy("/home/u/Music/long/name/a.mp3", 500), copy("/home/u/b/a.mp3", 900),
                        copy("/home/u/Downloads/a.mp3", 200), copy("/home/u/c.mp3", 900),
                        copy("/home/u/Pictures/a.mp3", 200)};
    group.groupSize = 500;
    EXPECT_EQ(sw::dupkeep::keptCopy(group, DupKeepRule::Oldest), 4);  // 200 twice: the shorter path
    EXPECT_EQ(sw::dupkeep::keptCopy(group, DupKeepRule::Newest), 3);  // 900 twice: the shorter path
    EXPECT_EQ(sw::dupkeep::keptCopy(group, DupKeepRule::ShortestPath), 3);
    EXPECT_EQ(sw::dupkeep::keptCopy(group, DupKeepRule::FirstFound), 0);
    EXPECT_EQ(sw::dupkeep::keptCopy(ORDupDataGroup(), DupKeepRule::Oldest), -1);

    sw::DupCopyLimit::setGroupMarked(group, true, sw::dupkeep::keptCopy(group, DupKeepRule::Oldest));
    for (qsizetype i = 0; i < group.groupItems.size(); ++i)
        EXPECT_EQ(group.groupItems.at(i).isDel, i != 4) << i;
    EXPECT_EQ(group.groupSelectedSize, 400);
}

TEST(DupKeepRule, KeysRoundTripAndTheDefaultFollowsTheLayout)
{
    for (const QString &key : sw::dupkeep::keys())
        EXPECT_EQ(sw::dupkeep::key(*sw::dupkeep::fromKey(key)), key);
    EXPECT_FALSE(sw::dupkeep::fromKey(QStringLiteral("largest")).has_value());
    ORLayout::set(ORLayout::Kind::MacOS, QStringLiteral("/nonexistent"), QStringLiteral("/nonexistent"));
    EXPECT_EQ(sw::dupkeep::defaultRule(), DupKeepRule::FirstFound);
    ORLayout::set(ORLayout::Kind::Freedesktop, QStringLiteral("/nonexistent"), QStringLiteral("/nonexistent"));
    EXPECT_EQ(sw::dupkeep::defaultRule(), DupKeepRule::Oldest);
    ORLayout::reset();
}
