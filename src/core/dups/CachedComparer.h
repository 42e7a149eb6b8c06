// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/ContentComparer.h"

#include <vector>

namespace sw {

class DupHashCache;
class JobControl;

// ContentComparer::split with what the hash cache knows: files of one size
// whose whole digests it holds (their state unchanged) are grouped by them
// without being read. The other files are compared as ever, together with
// one file of each digest class, so that a new copy joins its class; each
// file read leaves its whole digest in the cache (one set apart before its
// end is read to it), so that no file is read twice in the same state.
// Without a cache, just ContentComparer::split.
class CachedComparer
{
public:
    static std::vector<std::vector<int>> split(const std::vector<ContentComparer::File> &files, qint64 size,
                                               DupHashCache *cache, const JobControl *job = nullptr);
};

}  // namespace sw
