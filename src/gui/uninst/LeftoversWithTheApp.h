// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/AppTicks.h"
#include "gui/shell/WholeGroups.h"

namespace sw {

// The selection policy of the uninstaller's lists: whole applications as
// WholeGroups takes them, and a leftover's box only while AppTicks lets it
// be ticked (its application ticked, in the freedesktop layout).
struct LeftoversWithTheApp : WholeGroups
{
    static bool isItemCheckable(const ORAppDataGroup &group, qsizetype index)
    {
        return AppTicks::isItemTickable(group, index);
    }
    static QString itemCheckImage(const ORAppDataGroup &group, qsizetype index)
    {
        return isItemCheckable(group, index) ? selection::itemCheckImage(group, group.groupItems.at(index))
                                             : QStringLiteral("or_select_null");
    }
    static bool toggleItem(ORAppDataGroup &group, qsizetype index) { return AppTicks::toggleItem(group, index); }
};

}  // namespace sw
