// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupHashCache.h"

#include "core/platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr char kMagic[8] = {'S', 'W', 'D', 'I', 'G', 'E', 'S', 'T'};

struct Header
{
    char magic[8];
    quint32 version;
    quint32 recordSize;
    quint64 count;
    quint32 generation;
    quint32 reserved;
    quint64 checksum;  // XXH3 (64 bits) of the records
};
static_assert(sizeof(Header) == 40);
static_assert(sizeof(DupHashCache::Record) == 80);

bool readFully(int fd, void *to, size_t length, off_t offset)
{
    auto *bytes = static_cast<char *>(to);
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, bytes + done, length - done, offset + off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// RegularFile's writeAll on the bytes as they lie in memory.
bool writeFully(int fd, const void *from, size_t length)
{
    return writeAll(fd, QByteArray::fromRawData(static_cast<const char *>(from), qsizetype(length)));
}

// The cache's folder, made 0700 when missing, opened without following a
// link; -1 when it is not a folder of ours.
int openFolder(const QString &folder)
{
    QDir().mkpath(QFileInfo(folder).path());
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return -1;
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || st.st_uid != geteuid() || ((st.st_mode & 07777) != 0700 && fchmod(fd, 0700) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

FileKey FileKey::of(const struct stat &st)
{
    return FileKey{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
                   qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                   qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
}

DupHashCache::DupHashCache(QString path, qint64 trustBeforeNs, size_t maxEntries)
    : m_path(std::move(path)), m_trustBeforeNs(trustBeforeNs), m_maxEntries(std::min(maxEntries, kMaxEntries))
{
}

DupHashCache::~DupHashCache() = default;

QString DupHashCache::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))  // a relative one is to be ignored
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/sweepwright/dup-digests");
}

bool DupHashCache::clear(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

bool DupHashCache::load()
{
    m_records.clear();
    m_used.reset();
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    Header header;
    const bool usable = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid()
        && readFully(fd, &header, sizeof header, 0) && std::memcmp(header.magic, kMagic, sizeof kMagic) == 0
        && header.version == kVersion && header.recordSize == sizeof(Record) && header.count <= kMaxEntries
        && quint64(st.st_size) == sizeof header + header.count * sizeof(Record);
    if (usable) {
        m_records.resize(size_t(header.count));
        if (!readFully(fd, m_records.data(), m_records.size() * sizeof(Record), sizeof header)
            || XXH3_64bits(m_records.data(), m_records.size() * sizeof(Record)) != header.checksum
            || std::adjacent_find(m_records.cbegin(), m_records.cend(),
                                  [](const Record &a, const Record &b) { return !(a.key < b.key); })
                != m_records.cend())
            m_records.clear();
    }
    ::close(fd);
    if (m_records.empty())
        return false;
    m_records.shrink_to_fit();
    m_generation = header.generation;
    m_used = std::make_unique<std::atomic<bool>[]>(m_records.size());
    return true;
}

std::vector<DupHashCache::Record> DupHashCache::merged()
{
    const quint32 generation = m_generation + 1;
    std::vector<Record> added;
    {
        const std::lock_guard lock(m_mutex);
        added.swap(m_added);
    }
    // A file's sampled and whole digests were stored apart: one record each.
    std::stable_sort(added.begin(), added.end(), [](const Record &a, const Record &b) { return a.key < b.key; });
    size_t kept = 0;
    for (size_t i = 0; i < added.size(); ++i) {
        if (kept > 0 && added[kept - 1].key == added[i].key) {
            Record &into = added[kept - 1];
            if (added[i].flags & kHasSampled)
                into.sampled = added[i].sampled;
            if (added[i].flags & kHasWhole)
                into.whole = added[i].whole;
            into.flags |= added[i].flags;
        } else {
            added[kept++] = added[i];
        }
        added[kept - 1].generation = generation;
    }
    added.resize(kept);
    std::vector<Record> out;
    out.reserve(m_records.size() + added.size());
    auto next = added.cbegin();
    for (size_t i = 0; i < m_records.size(); ++i) {
        const Record &old = m_records[i];
        for (; next != added.cend() && next->key < old.key; ++next)
            out.push_back(*next);
        Record record = old;
        if (m_used[i].load(std::memory_order_relaxed))
            record.generation = generation;
        if (next != added.cend() && next->key == old.key) {
            if (next->flags & kHasSampled)
                record.sampled = next->sampled;
            if (next->flags & kHasWhole)
                record.whole = next->whole;
            record.flags |= next->flags;
            record.generation = generation;
            ++next;
        }
        out.push_back(record);
    }
    out.insert(out.end(), next, added.cend());
    if (out.size() > m_maxEntries) {
        // The newest m_maxEntries, back in the order of their keys.
        std::nth_element(out.begin(), out.begin() + qsizetype(m_maxEntries), out.end(),
                         [](const Record &a, const Record &b) { return a.generation > b.generation; });
        out.resize(m_maxEntries);
        std::sort(out.begin(), out.end(), [](const Record &a, const Record &b) { return a.key < b.key; });
    }
    return out;
}

bool DupHashCache::save()
{
    const std::vector<Record> records = merged();
    const QFileInfo info(m_path);
    const int folder = openFolder(info.path());
    if (folder < 0)
        return false;
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray temporary =
        "." + name + "." + QByteArray::number(QRandomGenerator::system()->generate64(), 36) + ".tmp";
    const int fd = ::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool saved = false;
    if (fd >= 0) {
        Header header{};
        std::memcpy(header.magic, kMagic, sizeof kMagic);
        header.version = kVersion;
        header.recordSize = sizeof(Record);
        header.count = records.size();
        header.generation = m_generation + 1;
        header.checksum = XXH3_64bits(records.data(), records.size() * sizeof(Record));
        saved = writeFully(fd, &header, sizeof header)
            && writeFully(fd, records.data(), records.size() * sizeof(Record));
        saved = ::close(fd) == 0 && saved;
        // A link or anything else named like the cache is replaced, never followed.
        saved = saved && ::renameat(folder, temporary.constData(), folder, name.constData()) == 0;
        if (!saved)
            ::unlinkat(folder, temporary.constData(), 0);
    }
    ::close(folder);
    return saved;
}

const DupHashCache::Record *DupHashCache::find(const FileKey &key) const
{
    const auto it = std::lower_bound(m_records.cbegin(), m_records.cend(), key,
                                     [](const Record &r, const FileKey &k) { return r.key < k; });
    if (it == m_records.cend() || it->key != key)
        return nullptr;
    m_used[size_t(it - m_records.cbegin())].store(true, std::memory_order_relaxed);
    return &*it;
}

std::optional<Digest128> DupHashCache::sampled(const FileKey &key) const
{
    const Record *record = find(key);
    return record && (record->flags & kHasSampled) ? std::optional(record->sampled) : std::nullopt;
}

std::optional<Digest128> DupHashCache::whole(const FileKey &key) const
{
    const Record *record = find(key);
    return record && (record->flags & kHasWhole) ? std::optional(record->whole) : std::nullopt;
}

void DupHashCache::storeSampled(const FileKey &key, Digest128 digest)
{
    store(key, digest, false);
}

void DupHashCache::storeWhole(const FileKey &key, Digest128 digest)
{
    store(key, digest, true);
}

void DupHashCache::store(const FileKey &key, Digest128 digest, bool whole)
{
    if (!keeps(key))
        return;
    Record record;
    record.key = key;
    (whole ? record.whole : record.sampled) = digest;
    record.flags = whole ? kHasWhole : kHasSampled;
    const std::lock_guard lock(m_mutex);
    m_added.push_back(record);
}

}  // namespace sw
