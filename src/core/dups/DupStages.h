#pragma once

#include "DupCandidates.h"

#include <vector>

namespace sw {

class JobControl;

// The stages of the duplicate scan after its walk, each narrowing sets of
// candidates that may be duplicates. A set always lists candidates in walk
// order, so its first member is the first path found. The later stages stop
// between files (between chunks, when reading contents) once their job is
// cancelled; what they answer then is of no use.
class DupStages
{
public:
    // Sets of two or more candidates of one size, the largest size first.
    static std::vector<CandidateSet> groupBySize(const DupCandidates &candidates);

    // The set with every further path to a file already in it left out (same
    // device and inode: hard links, or a folder walked twice); empty when
    // fewer than two remain.
    static CandidateSet dropHardLinks(const DupCandidates &candidates, const CandidateSet &set);

    // Sets of two or more with the same sampled digest (ORUtility's lazy
    // digests), in the order their digests first appear. A candidate without
    // a digest (unreadable, empty) is left out.
    static std::vector<CandidateSet> groupByDigest(const DupCandidates &candidates, const CandidateSet &set,
                                                   const JobControl *job = nullptr);

    // Sets of two or more whose contents are equal byte for byte (packages:
    // items, sizes and contents), in the order of their first members.
    static std::vector<CandidateSet> confirmContents(const DupCandidates &candidates, const CandidateSet &set,
                                                     const JobControl *job = nullptr);
};

}  // namespace sw
