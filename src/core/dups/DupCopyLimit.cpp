// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupCopyLimit.h"

#include "core/foundation/ORSelection.h"

#include <algorithm>

namespace sw {

qsizetype DupCopyLimit::markedCount(const ORDupDataGroup &group)
{
    return std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                         [](const ORDupDataItem &item) { return item.isDel; });
}

bool DupCopyLimit::hasReferenceCopy(const ORDupDataGroup &group)
{
    return std::any_of(group.groupItems.cbegin(), group.groupItems.cend(),
                       [](const ORDupDataItem &item) { return item.staysPut(); });
}

qsizetype DupCopyLimit::markableCount(const ORDupDataGroup &group)
{
    const qsizetype others = std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                           [](const ORDupDataItem &item) { return !item.staysPut(); });
    return hasReferenceCopy(group) ? others : qMax<qsizetype>(0, others - 1);
}

qint64 DupCopyLimit::groupFlag(const ORDupDataGroup &group)
{
    const qsizetype marked = markedCount(group);
    if (marked == 0)
        return 0;
    return marked < markableCount(group) ? 1 : 2;
}

namespace {
void refresh(ORDupDataGroup &group)
{
    group.isGroupDelFlag = DupCopyLimit::groupFlag(group);
    group.groupSelectedSize = selection::markedSize(group);
}
}  // namespace

bool DupCopyLimit::isCopyCheckable(const ORDupDataGroup &group, qsizetype index)
{
    if (group.groupSize <= 0 || index < 0 || index >= group.groupItems.size())
        return false;
    if (group.groupItems[index].staysPut())
        return false;
    return group.groupItems[index].isDel || markedCount(group) < markableCount(group);
}

bool DupCopyLimit::setCopyMarked(ORDupDataGroup &group, qsizetype index, bool marked)
{
    if (!isCopyCheckable(group, index) || group.groupItems[index].isDel == marked)
        return false;
    group.groupItems[index].isDel = marked;
    refresh(group);
    return true;
}

void DupCopyLimit::setGroupMarked(ORDupDataGroup &group, bool marked, qsizetype kept)
{
    if (hasReferenceCopy(group))
        kept = -1;
    else if (kept < 0 || kept >= group.groupItems.size())
        kept = 0;
    for (qsizetype i = 0; i < group.groupItems.size(); ++i)
        group.groupItems[i].isDel = marked && i != kept && !group.groupItems[i].staysPut();
    refresh(group);
}

void DupCopyLimit::groupButtonClick(ORDupDataGroup &group, qsizetype kept)
{
    setGroupMarked(group, group.isGroupDelFlag == 0, kept);
}

}  // namespace sw
