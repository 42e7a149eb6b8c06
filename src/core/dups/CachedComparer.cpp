// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/CachedComparer.h"

#include "core/dups/DupHashCache.h"
#include "core/foundation/JobControl.h"

#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

// The state of file as it is now, while it is still the regular file walked.
std::optional<FileKey> keyOf(const ContentComparer::File &file, qint64 size)
{
    struct stat st;
    if (::lstat(file.path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || quint64(st.st_dev) != file.device
        || quint64(st.st_ino) != file.inode || st.st_size != size)
        return std::nullopt;
    return FileKey::of(st);
}

// The digest of the whole of a file the comparison set apart before its
// end: read once more now, it is never read again while it stays as it is.
std::optional<Digest128> wholeDigest(const ContentComparer::File &file, const FileKey &key)
{
    const int fd = ::open(file.path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    std::optional<Digest128> digest;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && FileKey::of(st) == key) {
        posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
        XXH3_128bits_reset(state.get());
        constexpr size_t kChunk = 64 * 1024;
        const auto buffer = std::make_unique<char[]>(kChunk);
        qint64 total = 0;
        for (;;) {
            const ssize_t n = ::read(fd, buffer.get(), kChunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            XXH3_128bits_update(state.get(), buffer.get(), size_t(n));
            total += n;
        }
        if (total == key.size) {
            const XXH128_hash_t h = XXH3_128bits_digest(state.get());
            digest = Digest128{h.low64, h.high64};
        }
    }
    ::close(fd);
    return digest;
}

}  // namespace

std::vector<std::vector<int>> CachedComparer::split(const std::vector<ContentComparer::File> &files, qint64 size,
                                                    DupHashCache *cache, const JobControl *job)
{
    if (!cache)
        return ContentComparer::split(files, size, job);
    std::vector<std::optional<FileKey>> keys(files.size());
    std::map<Digest128, std::vector<int>> known;  // classes by cached digest
    std::vector<int> toRead;
    for (size_t i = 0; i < files.size(); ++i) {
        keys[i] = keyOf(files[i], size);
        const std::optional<Digest128> digest = keys[i] ? cache->whole(*keys[i]) : std::nullopt;
        if (digest)
            known[*digest].push_back(int(i));
        else
            toRead.push_back(int(i));
    }
    std::map<int, Digest128> classOf;  // the file read for each known class
    if (!toRead.empty()) {
        for (const auto &[digest, members] : known) {
            toRead.push_back(members.front());
            classOf[members.front()] = digest;
        }
        std::sort(toRead.begin(), toRead.end());
    }
    std::vector<ContentComparer::File> list;
    for (const int p : toRead)
        list.push_back(files[size_t(p)]);
    std::vector<std::optional<Digest128>> digests;
    const std::vector<std::vector<int>> parts =
        list.size() < 2 ? std::vector<std::vector<int>>() : ContentComparer::split(list, size, job, &digests);
    for (size_t j = 0; j < digests.size(); ++j) {
        const std::optional<FileKey> &key = keys[size_t(toRead[j])];
        if (!key || !cache->keeps(*key) || (job && job->isCancelled()))
            continue;
        if (!digests[j])
            digests[j] = wholeDigest(list[j], *key);
        if (digests[j])
            cache->storeWhole(*key, *digests[j]);
    }

    std::vector<std::vector<int>> out;
    for (const std::vector<int> &part : parts) {
        std::vector<int> joined;
        for (const int j : part) {
            const auto rep = classOf.find(toRead[size_t(j)]);
            if (rep == classOf.end()) {
                joined.push_back(toRead[size_t(j)]);
                continue;
            }
            const auto members = known.find(rep->second);
            joined.insert(joined.end(), members->second.cbegin(), members->second.cend());
            known.erase(members);
        }
        std::sort(joined.begin(), joined.end());
        out.push_back(std::move(joined));
    }
    // The classes none of the files read joined stand as the cache has them.
    for (const auto &[digest, members] : known)
        if (members.size() >= 2)
            out.push_back(members);
    std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) { return a.front() < b.front(); });
    return out;
}

}  // namespace sw
