// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupCopyLimit.h"
#include "core/dups/DupKeeper.h"
#include "core/foundation/ORSelection.h"

namespace sw {

// The selection policy of the duplicate result page: one copy of every group
// always stays unmarked (DupCopyLimit), so a group of one copy has nothing
// to tick and the box of the copy that must stay is disabled, as are the
// boxes of copies in reference folders. Marking a whole group keeps the copy
// the keep rule picks, or the reference copies where there are some. In a
// group whose items all may go (empty finds) no item has to stay.
struct KeepOneCopy
{
    // Empty finds weigh 0 bytes, and are still there to be ticked.
    static bool isGroupCheckable(const ORDupDataGroup &group)
    {
        return group.allMayGo ? !group.groupItems.isEmpty()
                              : selection::isGroupCheckable(group) && DupCopyLimit::markableCount(group) > 0;
    }
    static QString groupCheckImage(const ORDupDataGroup &group)
    {
        return selection::checkImage(isGroupCheckable(group), group.isGroupDelFlag);
    }
    static bool isItemCheckable(const ORDupDataGroup &group, qsizetype index)
    {
        return group.allMayGo ? index >= 0 && index < group.groupItems.size()
                              : DupCopyLimit::isCopyCheckable(group, index);
    }
    static QString itemCheckImage(const ORDupDataGroup &group, qsizetype index)
    {
        const bool checkable = isItemCheckable(group, index);
        return selection::checkImage(checkable, checkable && group.groupItems.at(index).isDel ? 2 : 0);
    }
    static bool toggleItem(ORDupDataGroup &group, qsizetype index)
    {
        if (index < 0 || index >= group.groupItems.size())
            return false;
        if (!group.allMayGo)
            return DupCopyLimit::setCopyMarked(group, index, !group.groupItems.at(index).isDel);
        selection::setItemMarked(group, index, !group.groupItems.at(index).isDel);
        return true;
    }
    // Every copy but the one the keeper keeps (every item where all may go), or none.
    static void setGroupMarked(ORDupDataGroup &group, bool marked, const DupKeeper &keeper = DupKeeper())
    {
        if (group.allMayGo)
            selection::setGroupMarked(group, marked);
        else
            DupCopyLimit::setGroupMarked(group, marked, marked ? keeper.keptCopy(group) : 0);
    }
};

}  // namespace sw
