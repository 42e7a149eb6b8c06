// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupStages.h"

#include "core/dups/CachedComparer.h"
#include "core/dups/ContentComparer.h"
#include "core/dups/DupHashCache.h"
#include "core/dups/PackageComparer.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/PackageSignature.h"

#include <xxhash.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// What a candidate's samples hash to: files and packages never share one.
struct SampledDigest
{
    quint64 low;
    quint64 high;
    bool package;

    bool operator==(const SampledDigest &) const = default;
    struct Hash
    {
        size_t operator()(const SampledDigest &d) const { return size_t(d.low); }
    };
};

// Three 4 KiB samples (the start, a third and two thirds in; fewer for a
// file under 8 KiB), hashed together: the bytes ORUtility::lazyMD5File
// reads. Only the walked file is read (a regular file, the same device and
// inode, never through a link; opening a FIFO put in its place does not
// block and a device node cannot be put there without privilege). nullopt
// when it is not there any more or yields no bytes. The cache answers for a
// file it knows in this state.
std::optional<SampledDigest> fileDigest(const QByteArray &path, quint64 device, quint64 inode, DupHashCache *cache)
{
    constexpr quint64 kSample = 4096;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buffer[3 * kSample];
    size_t filled = 0;
    struct stat st;
    const bool walked = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && quint64(st.st_dev) == device
        && quint64(st.st_ino) == inode && st.st_size > 0;
    if (walked && cache) {
        if (const std::optional<Digest128> known = cache->sampled(FileKey::of(st))) {
            ::close(fd);
            return SampledDigest{known->low, known->high, false};
        }
    }
    if (walked) {
        const quint64 length = quint64(st.st_size);
        const quint64 n = std::min<quint64>(3, length / kSample + 1);
        const quint64 step = length / n;
        for (quint64 i = 0; i < n; ++i) {
            const ssize_t got = ::pread(fd, buffer + filled, kSample, off_t(i * step));
            if (got <= 0)
                break;
            filled += size_t(got);
        }
    }
    ::close(fd);
    if (filled == 0)
        return std::nullopt;
    const XXH128_hash_t h = XXH3_128bits(buffer, filled);
    if (cache)
        cache->storeSampled(FileKey::of(st), Digest128{h.low64, h.high64});
    return SampledDigest{h.low64, h.high64, false};
}

// A package's name signature, hashed.
std::optional<SampledDigest> packageDigest(const QString &path)
{
    const std::optional<QString> signature = PackageSignature::signature(path);
    if (!signature)
        return std::nullopt;
    const QByteArray bytes = signature->toUtf8();
    const XXH128_hash_t h = XXH3_128bits(bytes.constData(), size_t(bytes.size()));
    return SampledDigest{h.low64, h.high64, true};
}

}  // namespace

CandidateSets DupStages::groupBySize(const DupCandidates &candidates)
{
    std::vector<quint32> order(size_t(candidates.count()));
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&candidates](quint32 a, quint32 b) {
        return candidates.at(a).size > candidates.at(b).size;
    });
    // Runs of one size, as [begin, end) in order; counted first so that the
    // sets are stored without growing.
    const auto forEachRun = [&](auto &&visit) {
        for (size_t begin = 0; begin < order.size();) {
            size_t end = begin + 1;
            while (end < order.size() && candidates.at(order[end]).size == candidates.at(order[begin]).size)
                ++end;
            if (end - begin >= 2)
                visit(begin, end);
            begin = end;
        }
    };
    size_t sets = 0;
    size_t members = 0;
    forEachRun([&](size_t begin, size_t end) {
        ++sets;
        members += end - begin;
    });
    CandidateSets out;
    out.reserve(sets, members);
    forEachRun([&](size_t begin, size_t end) {
        const auto set = std::span<quint32>(order).subspan(begin, end - begin);
        std::sort(set.begin(), set.end(),
                  [&candidates](quint32 a, quint32 b) { return candidates.foundBefore(a, b); });
        out.add(set);
    });
    return out;
}

CandidateSet DupStages::dropHardLinks(const DupCandidates &candidates, const CandidateSet &set)
{
    std::set<std::pair<quint64, quint64>> seen;
    CandidateSet out;
    for (const quint32 index : set) {
        if (seen.insert({candidates.device(index), candidates.at(index).inode}).second)
            out.push_back(index);
    }
    if (out.size() < 2)
        out.clear();
    return out;
}

std::vector<CandidateSet> DupStages::groupByDigest(const DupCandidates &candidates, const CandidateSet &set,
                                                   const JobControl *job, DupHashCache *cache)
{
    std::unordered_map<SampledDigest, size_t, SampledDigest::Hash> slot;
    std::vector<CandidateSet> sets;
    for (const quint32 index : set) {
        if (job && job->isCancelled())
            return {};
        const DupCandidates::Candidate &c = candidates.at(index);
        const std::optional<SampledDigest> digest =
            c.package ? packageDigest(candidates.path(index))
                      : fileDigest(candidates.nativePath(index), candidates.device(index), c.inode, cache);
        if (!digest)
            continue;
        const auto [it, added] = slot.try_emplace(*digest, sets.size());
        if (added)
            sets.push_back({index});
        else
            sets[it->second].push_back(index);
    }
    std::erase_if(sets, [](const CandidateSet &s) { return s.size() < 2; });
    return sets;
}

std::vector<CandidateSet> DupStages::confirmContents(const DupCandidates &candidates, const CandidateSet &set,
                                                     const JobControl *job, DupHashCache *cache)
{
    std::vector<CandidateSet> out;
    confirmKind(candidates, set, false, [&candidates, job, cache](const CandidateSet &files) {
        std::vector<ContentComparer::File> list;
        for (const quint32 index : files)
            list.push_back({candidates.nativePath(index), candidates.device(index), candidates.at(index).inode});
        return CachedComparer::split(list, candidates.at(files.front()).size, cache, job);
    }, out);
    if (job && job->isCancelled())
        return {};
    confirmKind(candidates, set, true, [&candidates](const CandidateSet &packages) {
        std::vector<QByteArray> list;
        for (const quint32 index : packages)
            list.push_back(candidates.nativePath(index));
        return PackageComparer::split(list);
    }, out);
    std::sort(out.begin(), out.end(), [&candidates](const CandidateSet &a, const CandidateSet &b) {
        return candidates.foundBefore(a.front(), b.front());
    });
    return out;
}

}  // namespace sw
