#pragma once

#include "ORAppData.h"

namespace sw {

// What a tick of a whole application ticks: the application, its caches and
// its settings, never the user's data (its mail, documents, saved games),
// which goes only when the user ticks it on its own or asks for it.
class AppTicks
{
public:
    static bool tickedWithApplication(AppItemKind kind) { return kind != AppItemKind::Data; }
    // Ticks every item of group but the user's data (withData: every item),
    // or clears it; the group's flag and selected size follow.
    static void markApplication(ORAppDataGroup &group, bool marked, bool withData = false);
};

}  // namespace sw
