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
// the keep rule picks, or the reference copies where there are some.
struct KeepOneCopy
{
    static bool isGroupCheckable(const ORDupDataGroup &group)
    {
        return selection::isGroupCheckable(group) && DupCopyLimit::markableCount(group) > 0;
    }
    static QString groupCheckImage(const ORDupDataGroup &group)
    {
        return isGroupCheckable(group) ? selection::groupCheckImage(group) : QStringLiteral("or_select_null");
    }
    static bool isItemCheckable(const ORDupDataGroup &group, qsizetype index)
    {
        return DupCopyLimit::isCopyCheckable(group, index);
    }
    static QString itemCheckImage(const ORDupDataGroup &group, qsizetype index)
    {
        return isItemCheckable(group, index) ? selection::itemCheckImage(group, group.groupItems.at(index))
                                             : QStringLiteral("or_select_null");
    }
    static bool toggleItem(ORDupDataGroup &group, qsizetype index)
    {
        return index >= 0 && index < group.groupItems.size()
               && DupCopyLimit::setCopyMarked(group, index, !group.groupItems.at(index).isDel);
    }
    // Every copy but the one the keeper keeps, or none.
    static void setGroupMarked(ORDupDataGroup &group, bool marked, const DupKeeper &keeper = DupKeeper())
    {
        DupCopyLimit::setGroupMarked(group, marked, marked ? keeper.keptCopy(group) : 0);
    }
};

}  // namespace sw
