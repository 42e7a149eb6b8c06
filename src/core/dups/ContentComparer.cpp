// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ContentComparer.h"

#include "core/foundation/JobControl.h"

#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

// Reads of 64 KiB cost little more than larger ones (the kernel reads ahead
// on its own), and each thread comparing holds a few chunks at a time.
constexpr qint64 kRoundBudget = 1024 * 1024;  // bytes held per round, all files together
constexpr qint64 kMinChunk = 16 * 1024;
constexpr qint64 kMaxChunk = 64 * 1024;
// The first round is short and each round reads four times more, up to the
// chunk size: files that differ early stop early, equal ones are soon read
// in large chunks.
constexpr qint64 kFirstChunk = 16 * 1024;

// A read buffer: resizing it never clears it, since every byte used is read first.
struct Buffer
{
    std::unique_ptr<char[]> bytes;
    size_t capacity = 0;
    size_t length = 0;

    void resize(size_t n)
    {
        if (n > capacity) {
            bytes.reset(new char[n]);
            capacity = n;
        }
        length = n;
    }
    char *data() const { return bytes.get(); }
    size_t size() const { return length; }
};

// Opens and checks the files; the first kMaxOpenFiles stay open.
class Readers
{
public:
    Readers(const std::vector<ContentComparer::File> &files, qint64 size) : m_files(files), m_size(size)
    {
        m_fds.assign(files.size(), -1);
    }
    ~Readers()
    {
        for (const int fd : m_fds)
            if (fd >= 0)
                ::close(fd);
    }
    Readers(const Readers &) = delete;
    Readers &operator=(const Readers &) = delete;

    // Reads exactly buffer.size() bytes at offset; false on any failure.
    bool read(int index, qint64 offset, Buffer &buffer)
    {
        int fd = m_fds[size_t(index)];
        const bool transient = fd < 0 && m_open >= ContentComparer::kMaxOpenFiles;
        if (fd < 0) {
            fd = openChecked(m_files[size_t(index)]);
            if (fd < 0)
                return false;
            if (!transient) {
                m_fds[size_t(index)] = fd;
                ++m_open;
            }
        }
        const bool ok = readFully(fd, offset, buffer);
        if (transient)
            ::close(fd);
        return ok;
    }

    // A file of a class that is finished with.
    void release(int index)
    {
        int &fd = m_fds[size_t(index)];
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
            --m_open;
        }
    }

private:
    int openChecked(const ContentComparer::File &file) const
    {
        const int fd = ::open(file.path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat st;
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || quint64(st.st_dev) != file.device
            || quint64(st.st_ino) != file.inode || st.st_size != m_size) {
            ::close(fd);
            return -1;
        }
        posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        return fd;
    }

    static bool readFully(int fd, qint64 offset, Buffer &buffer)
    {
        size_t done = 0;
        while (done < buffer.size()) {
            const ssize_t n = ::pread(fd, buffer.data() + done, buffer.size() - done, off_t(offset + qint64(done)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;  // an error, or the file was cut short meanwhile
            done += size_t(n);
        }
        return true;
    }

    const std::vector<ContentComparer::File> &m_files;
    qint64 m_size;
    std::vector<int> m_fds;
    int m_open = 0;
};

// The running digests of the files read so far, when asked for.
class Digests
{
public:
    Digests(size_t count, bool wanted)
    {
        if (!wanted)
            return;
        m_states.resize(count);
        for (auto &state : m_states) {
            state.reset(XXH3_createState());
            XXH3_128bits_reset(state.get());
        }
    }
    void add(int index, const Buffer &chunk)
    {
        if (!m_states.empty())
            XXH3_128bits_update(m_states[size_t(index)].get(), chunk.data(), chunk.size());
    }
    // Digests of the files in classes, each read to its end.
    std::vector<std::optional<Digest128>> finish(const std::vector<std::vector<int>> &classes) const
    {
        std::vector<std::optional<Digest128>> out(m_states.size());
        for (const std::vector<int> &members : classes)
            for (const int index : members) {
                const XXH128_hash_t h = XXH3_128bits_digest(m_states[size_t(index)].get());
                out[size_t(index)] = Digest128{h.low64, h.high64};
            }
        return out;
    }

private:
    struct Free
    {
        void operator()(XXH3_state_t *state) const { XXH3_freeState(state); }
    };
    std::vector<std::unique_ptr<XXH3_state_t, Free>> m_states;
};

struct Part
{
    Buffer bytes;  // the chunk of the part's first file
    std::vector<int> members;
};

// Splits one class by the chunk at offset; keeps the parts of two or more.
void splitClass(Readers &readers, Digests &digests, const std::vector<int> &members, qint64 offset, qint64 length,
                std::vector<std::vector<int>> &kept, std::vector<Buffer> &pool)
{
    auto take = [&pool, length] {
        Buffer b;
        if (!pool.empty()) {
            b = std::move(pool.back());
            pool.pop_back();
        }
        b.resize(size_t(length));
        return b;
    };
    std::vector<Part> parts;
    Buffer scratch = take();
    for (const int index : members) {
        if (!readers.read(index, offset, scratch)) {
            readers.release(index);
            continue;
        }
        digests.add(index, scratch);
        const auto same = std::find_if(parts.begin(), parts.end(), [&scratch](const Part &p) {
            return std::memcmp(p.bytes.data(), scratch.data(), scratch.size()) == 0;
        });
        if (same != parts.end()) {
            same->members.push_back(index);
        } else {
            parts.push_back(Part{std::move(scratch), {index}});
            scratch = take();
        }
    }
    pool.push_back(std::move(scratch));
    for (Part &part : parts) {
        if (part.members.size() >= 2)
            kept.push_back(std::move(part.members));
        else
            readers.release(part.members.front());
        pool.push_back(std::move(part.bytes));
    }
}

}  // namespace

qint64 ContentComparer::chunkSize(size_t fileCount, qint64 size)
{
    qint64 chunk = kRoundBudget / qint64(std::max<size_t>(fileCount, 1));
    chunk = std::clamp(chunk, kMinChunk, kMaxChunk) / 4096 * 4096;
    return std::max<qint64>(1, std::min(chunk, size));
}

std::vector<std::vector<int>> ContentComparer::split(const std::vector<File> &files, qint64 size,
                                                     const JobControl *job,
                                                     std::vector<std::optional<Digest128>> *wholeDigests)
{
    if (wholeDigests)
        wholeDigests->assign(files.size(), std::nullopt);
    std::vector<std::vector<int>> classes;
    if (files.size() < 2)
        return classes;
    classes.emplace_back(files.size());
    for (size_t i = 0; i < files.size(); ++i)
        classes.front()[i] = int(i);
    Readers readers(files, size);
    Digests digests(files.size(), wholeDigests != nullptr);
    std::vector<Buffer> pool;
    const qint64 chunk = chunkSize(files.size(), size);
    qint64 step = std::min(chunk, kFirstChunk);
    // An empty file has no bytes to differ in: its class stands as it is.
    for (qint64 offset = 0; offset < size && !classes.empty();) {
        if (job && job->isCancelled())
            return {};
        const qint64 length = std::min(step, size - offset);
        std::vector<std::vector<int>> next;
        for (const std::vector<int> &members : classes)
            splitClass(readers, digests, members, offset, length, next, pool);
        // Parts of one class stay together in order, but two classes may
        // interleave: keep the list in the order of the files.
        std::sort(next.begin(), next.end(), [](const auto &a, const auto &b) { return a.front() < b.front(); });
        classes.swap(next);
        offset += length;
        step = std::min(chunk, step * 4);
    }
    if (wholeDigests)
        *wholeDigests = digests.finish(classes);
    return classes;
}

}  // namespace sw
