// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupKeepRule.h"
#include "core/dups/DupOriginal.h"
#include "core/foundation/ORDupData.h"

namespace sw {

// A keep rule ready for the groups of a result: the best-original rule reads
// the layout's places once, not once per group.
class DupKeeper
{
public:
    explicit DupKeeper(DupKeepRule rule = DupKeepRule::FirstFound);

    DupKeepRule rule() const { return m_rule; }
    // The index of the copy the rule keeps; -1 for an empty group. A group
    // with copies in reference folders keeps those: the first is named.
    qsizetype keptCopy(const ORDupDataGroup &group) const;

private:
    DupKeepRule m_rule;
    DupOriginal m_original;
};

}  // namespace sw
