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
