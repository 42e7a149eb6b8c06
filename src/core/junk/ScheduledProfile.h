// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

namespace sw {

// The junk categories a scheduled cleaning takes, as the user chose them
// in the preferences. Until the user chooses, the categories scanned at
// every start whose finds start marked: nothing the user keeps (the Trash,
// the Downloads folder) goes unless the user ticks it.
class ScheduledProfile
{
public:
    // The chosen categories of the current layout, in scan order.
    static QList<qint64> categories();
    static void setCategories(const QList<qint64> &groupIDs);
    static QList<qint64> defaultCategories();
};

}  // namespace sw
