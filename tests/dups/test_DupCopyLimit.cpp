// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate result's selection: one copy of every group stays unmarked.

#include "core/dups/DupCopyLimit.h"

#include <gtest/gtest.h>

using sw::DupCopyLimit;

namespace {

constexpr qint64 kCopy = 1000;

ORDupDataGroup groupOf(int copies)
{
    ORDupDataGroup group;
    for (int i = 0; i < copies; ++i) {
        ORDupDataItem item;
        item.itemPath = QStringLiteral("/d/copy%1").arg(i);
        item.itemSize = kCopy;
        group.groupItems.append(item);
    }
    group.groupSize = kCopy * copies;
    return group;
}

std::vector<bool> marks(const ORDupDataGroup &group)
{
    std::vector<bool> out;
    for (const ORDupDataItem &item : group.groupItems)
        out.push_back(item.isDel);
    return out;
}

TEST(DupCopyLimit, GroupButtonMarksAllButTheFirstThenClears)
{
    ORDupDataGroup group = groupOf(3);
    DupCopyLimit::groupButtonClick(group);
    EXPECT_EQ(marks(group), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(group.isGroupDelFlag, 2);
    EXPECT_EQ(group.groupSelectedSize, 2 * kCopy);
    EXPECT_EQ(DupCopyLimit::markedCount(group), 2);
    DupCopyLimit::groupButtonClick(group);
    EXPECT_EQ(marks(group), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(group.isGroupDelFlag, 0);
    EXPECT_EQ(group.groupSelectedSize, 0);
}

TEST(DupCopyLimit, LastUnmarkedCopyCannotBeMarked)
{
    ORDupDataGroup group = groupOf(3);
    DupCopyLimit::setGroupMarked(group, true);
    EXPECT_FALSE(DupCopyLimit::isCopyCheckable(group, 0));
    EXPECT_FALSE(DupCopyLimit::setCopyMarked(group, 0, true));
    EXPECT_EQ(marks(group), (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(DupCopyLimit::setCopyMarked(group, 1, false));
    EXPECT_EQ(group.isGroupDelFlag, 1);
    EXPECT_EQ(group.groupSelectedSize, kCopy);
    EXPECT_TRUE(DupCopyLimit::isCopyCheckable(group, 0));
    EXPECT_TRUE(DupCopyLimit::setCopyMarked(group, 0, true));
    EXPECT_EQ(marks(group), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(group.isGroupDelFlag, 2);
    EXPECT_EQ(group.groupSelectedSize, group.groupSize - kCopy);
}

TEST(DupCopyLimit, WhateverIsClickedOneCopyStaysUnmarked)
{
    for (int copies = 1; copies <= 5; ++copies) {
        ORDupDataGroup group = groupOf(copies);
        // Every order of clicks "on" reaches at most copies - 1 marks.
        for (int round = 0; round < 3; ++round)
            for (int i = copies - 1; i >= 0; --i)
                DupCopyLimit::setCopyMarked(group, i, true);
        EXPECT_EQ(DupCopyLimit::markedCount(group), copies - 1) << copies;
        EXPECT_EQ(group.isGroupDelFlag, copies > 1 ? 2 : 0) << copies;
    }
}

TEST(DupCopyLimit, GroupOfSizeZeroAndBadRowsChangeNothing)
{
    ORDupDataGroup empty = groupOf(2);
    empty.groupSize = 0;
    EXPECT_FALSE(DupCopyLimit::setCopyMarked(empty, 1, true));
    ORDupDataGroup group = groupOf(2);
    EXPECT_FALSE(DupCopyLimit::setCopyMarked(group, -1, true));
    EXPECT_FALSE(DupCopyLimit::setCopyMarked(group, 2, true));
    EXPECT_FALSE(DupCopyLimit::setCopyMarked(group, 1, false));
    EXPECT_EQ(DupCopyLimit::markedCount(group), 0);
}

}  // namespace
