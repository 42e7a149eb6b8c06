// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/JunkAgeRules.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/junk/ORJunkCategory.h"

#include <algorithm>

namespace sw {

namespace {
int bounded(qint64 days)
{
    return int(std::clamp<qint64>(days, 0, JunkAgeRules::kMaxDays));
}
}  // namespace

JunkAgeRules JunkAgeRules::fromSettings()
{
    JunkAgeRules rules;
    for (const ORJunkCategory &category : ORJunkCategory::categories())
        if (ORPrefConfig::junkAgeEnable(category.switchKey))
            rules.setDays(category.groupID,
                          int(ORPrefConfig::junkAgeDays(category.switchKey, offeredDays(category.groupID))));
    return rules;
}

JunkAgeRules JunkAgeRules::everyCategory(int days)
{
    JunkAgeRules rules;
    rules.m_every = bounded(days);
    return rules;
}

int JunkAgeRules::offeredDays(qint64 groupID)
{
    return groupID == junk::Downloads || groupID == junk::Trash ? 30 : 0;
}

int JunkAgeRules::days(qint64 groupID) const
{
    return m_days.value(groupID, m_every);
}

void JunkAgeRules::setDays(qint64 groupID, int days)
{
    m_days.insert(groupID, bounded(days));
}

std::optional<qint64> JunkAgeRules::changedBefore(qint64 groupID, qint64 nowSecs) const
{
    const int d = days(groupID);
    if (d <= 0)
        return std::nullopt;
    return nowSecs - qint64(d) * 24 * 60 * 60;
}

}  // namespace sw
