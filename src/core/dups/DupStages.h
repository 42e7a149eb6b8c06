// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupCandidates.h"

#include <vector>

namespace sw {

class DupHashCache;
class JobControl;

// The stages of the duplicate scan after its walk, each narrowing sets of
// candidates that may be duplicates. A set always lists candidates in the
// order a sorted walk finds them (DupCandidates::foundBefore), so its first
// member is the first path found. The later stages stop
// between files (between chunks, when reading contents) once their job is
// cancelled; what they answer then is of no use.
class DupStages
{
public:
    // Sets of two or more candidates of one size, the largest size first,
    // each sorted into the order found.
    static CandidateSets groupBySize(const DupCandidates &candidates);

    // The set with every further path to a file already in it left out (same
    // device and inode: hard links, or a folder walked twice); empty when
    // fewer than two remain.
    static CandidateSet dropHardLinks(const DupCandidates &candidates, const CandidateSet &set);

    // Sets of two or more with the same sampled digest (a 128-bit XXH3 of the
    // samples ORUtility's lazy digests read; of the name signature for a
    // package), in the order their digests first appear. A candidate
    // without a digest (unreadable, empty) is left out. With a cache, a
    // file's digest is taken from it while the file is unchanged, and kept
    // there once read.
    static std::vector<CandidateSet> groupByDigest(const DupCandidates &candidates, const CandidateSet &set,
                                                   const JobControl *job = nullptr, DupHashCache *cache = nullptr);

    // Sets of two or more whose contents are equal byte for byte (packages:
    // items, sizes and contents), in the order of their first members. With
    // a cache, files whose whole digests it holds are grouped by them
    // (CachedComparer).
    static std::vector<CandidateSet> confirmContents(const DupCandidates &candidates, const CandidateSet &set,
                                                     const JobControl *job = nullptr, DupHashCache *cache = nullptr);
};

}  // namespace sw
