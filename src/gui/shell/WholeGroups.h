// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORSelection.h"

namespace sw {

// The selection policy of the result pages whose check boxes take whole
// groups or single items freely (junk, large files): the shared rules of
// sw::selection. A policy answers for the check boxes of both lists, so the
// models and the page never do their own arithmetic.
struct WholeGroups
{
    template <class Group>
    static bool isGroupCheckable(const Group &group)
    {
        return selection::isGroupCheckable(group);
    }
    template <class Group>
    static QString groupCheckImage(const Group &group)
    {
        return selection::groupCheckImage(group);
    }
    template <class Group>
    static bool isItemCheckable(const Group &group, qsizetype)
    {
        return selection::isGroupCheckable(group);
    }
    template <class Group>
    static QString itemCheckImage(const Group &group, qsizetype index)
    {
        return selection::itemCheckImage(group, group.groupItems.at(index));
    }
    // Flips the item's mark; false when its box cannot be clicked.
    template <class Group>
    static bool toggleItem(Group &group, qsizetype index)
    {
        if (!isItemCheckable(group, index))
            return false;
        selection::setItemMarked(group, index, !group.groupItems.at(index).isDel);
        return true;
    }
    template <class Group>
    static void setGroupMarked(Group &group, bool marked)
    {
        selection::setGroupMarked(group, marked);
    }
};

}  // namespace sw
