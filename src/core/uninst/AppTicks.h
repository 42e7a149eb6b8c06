// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORAppData.h"

namespace sw {

// What a tick of a whole application ticks: the application, its caches and
// its settings, never the user's data (its mail, documents, saved games),
// which goes only when the user ticks it on its own or asks for it.
//
// In the freedesktop layout the leftovers of an application go only with the
// application (the removal leaves those of one that stays in place), so a
// leftover can be ticked only while its application is.
class AppTicks
{
public:
    static bool tickedWithApplication(AppItemKind kind) { return kind != AppItemKind::Data; }
    // Ticks every item of group but the user's data (withData: every item),
    // or clears it; the group's flag and selected size follow.
    static void markApplication(ORAppDataGroup &group, bool marked, bool withData = false);
    // Whether the item at index may be ticked now.
    static bool isItemTickable(const ORAppDataGroup &group, qsizetype index);
    // Flips the item's tick; untaking the application untakes its leftovers
    // where they go only with it. False when the item cannot be ticked.
    static bool toggleItem(ORAppDataGroup &group, qsizetype index);
};

}  // namespace sw
