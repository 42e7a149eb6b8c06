// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"

namespace sw {

// The duplicate result page's selection rules: one copy of every group always
// stays unmarked, whatever is clicked. A copy in a reference folder is never
// marked, nor is one too new for the scan's age limit; a group holding such
// a copy keeps it, and its other copies may all be marked. A group's flag is 0 with no copy marked, 2 with every copy that may
// be marked marked and 1 in between; its selected size is the sum of its
// marked copies' sizes. Every function keeps flag and selected size up to
// date.
class DupCopyLimit
{
public:
    static qsizetype markedCount(const ORDupDataGroup &group);
    static qint64 groupFlag(const ORDupDataGroup &group);
    // How many copies may be marked at once: those that do not stay put
    // (ORDupDataItem::staysPut), less the one kept when none stays put.
    static qsizetype markableCount(const ORDupDataGroup &group);
    // Whether a copy stays put (a reference copy, or one too new).
    static bool hasReferenceCopy(const ORDupDataGroup &group);

    // A copy's check box. Marking the last unmarked copy, or anything in a
    // group of size 0, changes nothing; answers whether the mark changed.
    static bool setCopyMarked(ORDupDataGroup &group, qsizetype index, bool marked);
    // Whether the copy's box can be clicked: not in a group of size 0, not a
    // reference copy, and not the one unmarked copy of a group whose other
    // copies are all marked.
    static bool isCopyCheckable(const ORDupDataGroup &group, qsizetype index);

    // The group's check button and the auto-select: a group with a marked copy
    // is cleared, an unmarked one gets every copy but the kept one marked.
    static void groupButtonClick(ORDupDataGroup &group, qsizetype kept = 0);
    // Every copy but the kept one (marked), or none. Reference copies are
    // never marked; where there is one, kept is not needed and not spared.
    static void setGroupMarked(ORDupDataGroup &group, bool marked, qsizetype kept = 0);
};

}  // namespace sw
