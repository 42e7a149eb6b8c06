// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupKeeper.h"

#include <algorithm>

namespace sw {

DupKeeper::DupKeeper(DupKeepRule rule)
    : m_rule(rule), m_original(rule == DupKeepRule::BestOriginal ? DupOriginal::ofLayout() : DupOriginal({}))
{
}

qsizetype DupKeeper::keptCopy(const ORDupDataGroup &group) const
{
    const QList<ORDupDataItem> &copies = group.groupItems;
    if (copies.isEmpty())
        return -1;
    // A copy in a reference folder is the original, whatever the rule says.
    const auto reference = std::find_if(copies.cbegin(), copies.cend(),
                                        [](const ORDupDataItem &item) { return item.isReference; });
    if (reference != copies.cend())
        return reference - copies.cbegin();
    // So is a copy too new to go: the others may all go, and do.
    const auto recent = std::find_if(copies.cbegin(), copies.cend(),
                                     [](const ORDupDataItem &item) { return item.isTooNew; });
    if (recent != copies.cend())
        return recent - copies.cbegin();
    // Ties keep the earlier copy: min_element returns the first of equals.
    auto shorter = [](const ORDupDataItem &a, const ORDupDataItem &b) { return a.itemPath.size() < b.itemPath.size(); };
    auto pick = [&](auto less) { return std::min_element(copies.cbegin(), copies.cend(), less) - copies.cbegin(); };
    switch (m_rule) {
    case DupKeepRule::BestOriginal: return m_original.keptCopy(copies);
    case DupKeepRule::Oldest:
        return pick([&](const ORDupDataItem &a, const ORDupDataItem &b) {
            return a.itemModTime != b.itemModTime ? a.itemModTime < b.itemModTime : shorter(a, b);
        });
    case DupKeepRule::Newest:
        return pick([&](const ORDupDataItem &a, const ORDupDataItem &b) {
            return a.itemModTime != b.itemModTime ? a.itemModTime > b.itemModTime : shorter(a, b);
        });
    case DupKeepRule::ShortestPath: return pick(shorter);
    case DupKeepRule::FirstFound: break;
    }
    return 0;
}

}  // namespace sw
