#include "DupStages.h"

#include "ContentComparer.h"
#include "JobControl.h"
#include "ORUtility.h"
#include "PackageComparer.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <set>

namespace sw {

namespace {

CandidateSet pick(const CandidateSet &set, const std::vector<int> &positions)
{
    CandidateSet out;
    out.reserve(positions.size());
    for (const int p : positions)
        out.push_back(set[size_t(p)]);
    return out;
}

// Applies a comparer that answers in positions to the part of set that
// matches wantPackages.
template <class Split>
void confirmKind(const DupCandidates &candidates, const CandidateSet &set, bool wantPackages, Split split,
                 std::vector<CandidateSet> &out)
{
    CandidateSet part;
    for (const quint32 index : set)
        if (candidates.at(index).package == wantPackages)
            part.push_back(index);
    if (part.size() < 2)
        return;
    for (const std::vector<int> &positions : split(part))
        out.push_back(pick(part, positions));
}

}  // namespace

std::vector<CandidateSet> DupStages::groupBySize(const DupCandidates &candidates)
{
    std::vector<quint32> order(size_t(candidates.count()));
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&candidates](quint32 a, quint32 b) {
        return candidates.at(a).size > candidates.at(b).size;
    });
    std::vector<CandidateSet> sets;
    for (size_t begin = 0; begin < order.size();) {
        size_t end = begin + 1;
        while (end < order.size() && candidates.at(order[end]).size == candidates.at(order[begin]).size)
            ++end;
        if (end - begin >= 2)
            sets.emplace_back(order.begin() + qsizetype(begin), order.begin() + qsizetype(end));
        begin = end;
    }
    return sets;
}

CandidateSet DupStages::dropHardLinks(const DupCandidates &candidates, const CandidateSet &set)
{
    std::set<std::pair<quint64, quint64>> seen;
    CandidateSet out;
    for (const quint32 index : set) {
        const DupCandidates::Candidate &c = candidates.at(index);
        if (seen.insert({c.device, c.inode}).second)
            out.push_back(index);
    }
    if (out.size() < 2)
        out.clear();
    return out;
}

std::vector<CandidateSet> DupStages::groupByDigest(const DupCandidates &candidates, const CandidateSet &set,
                                                   const JobControl *job)
{
    QHash<QString, size_t> slot;
    std::vector<CandidateSet> sets;
    for (const quint32 index : set) {
        if (job && job->isCancelled())
            return {};
        const QString path = candidates.path(index);
        const QString digest = candidates.at(index).package ? ORUtility::lazyHashPackage(path)
                                                            : ORUtility::lazyMD5File(path);
        if (digest.isEmpty())
            continue;
        const auto it = slot.constFind(digest);
        if (it == slot.constEnd()) {
            slot.insert(digest, sets.size());
            sets.push_back({index});
        } else {
            sets[*it].push_back(index);
        }
    }
    std::erase_if(sets, [](const CandidateSet &s) { return s.size() < 2; });
    return sets;
}

std::vector<CandidateSet> DupStages::confirmContents(const DupCandidates &candidates, const CandidateSet &set,
                                                     const JobControl *job)
{
    std::vector<CandidateSet> out;
    confirmKind(candidates, set, false, [&candidates, job](const CandidateSet &files) {
        std::vector<ContentComparer::File> list;
        for (const quint32 index : files)
            list.push_back({candidates.nativePath(index), candidates.at(index).device, candidates.at(index).inode});
        return ContentComparer::split(list, candidates.at(files.front()).size, job);
    }, out);
    if (job && job->isCancelled())
        return {};
    confirmKind(candidates, set, true, [&candidates](const CandidateSet &packages) {
        std::vector<QByteArray> list;
        for (const quint32 index : packages)
            list.push_back(candidates.nativePath(index));
        return PackageComparer::split(list);
    }, out);
    std::sort(out.begin(), out.end(), [](const CandidateSet &a, const CandidateSet &b) { return a.front() < b.front(); });
    return out;
}

}  // namespace sw
