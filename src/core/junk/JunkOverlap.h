// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORJunkData.h"

namespace sw {

// Junk categories overlap: a cache folder listed whole by one category may
// hold a browser cache another category lists, and a file may be listed by
// two categories. Totals over the whole result count each byte once: an item
// adds nothing when a folder holding it (or the same path) is counted already.
// Each group's own sizes stay what the group found.
class JunkOverlap
{
public:
    // Every item of the result.
    static qint64 totalSize(const ORJunkData &data);
    // The items removal would take: marked, not hidden by a search, in
    // groups whose flag is not 0.
    static qint64 selectedSize(const ORJunkData &data);
};

}  // namespace sw
