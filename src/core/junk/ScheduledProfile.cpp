// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/ScheduledProfile.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/junk/ORJunkCategory.h"

namespace sw {

QList<qint64> ScheduledProfile::defaultCategories()
{
    QList<qint64> ids;
    for (const ORJunkCategory &c : ORJunkCategory::categories())
        if (c.initiallyMarked && ORPrefConfig::startupValue(c.switchKey).toBool())
            ids.append(c.groupID);
    return ids;
}

QList<qint64> ScheduledProfile::categories()
{
    const auto chosen = ORPrefConfig::scheduledCategories();
    if (!chosen)
        return defaultCategories();
    QList<qint64> ids;
    for (const ORJunkCategory &c : ORJunkCategory::categories())
        if (chosen->contains(c.groupID))
            ids.append(c.groupID);
    return ids;
}

void ScheduledProfile::setCategories(const QList<qint64> &groupIDs)
{
    ORPrefConfig::setScheduledCategories(groupIDs);
}

}  // namespace sw
