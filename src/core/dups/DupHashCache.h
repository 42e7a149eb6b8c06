// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>
#include <compare>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct stat;

namespace sw {

// What identifies one state of a file: a write changes the modification and
// the change time, a rename over it the inode, and restoring the
// modification time afterwards changes the change time again.
struct FileKey
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;

    static FileKey of(const struct stat &st);
    auto operator<=>(const FileKey &) const = default;
};

// A 128-bit XXH3 digest.
struct Digest128
{
    quint64 low = 0;
    quint64 high = 0;
    auto operator<=>(const Digest128 &) const = default;
};

// The duplicate finder's digests of files between scans: for each file state
// (FileKey) the sampled digest and, once the file was read whole, the
// digest of its whole contents. It saves reading for grouping only; what is
// removed is still compared byte for byte first.
//
// One file, "dup-digests" in $XDG_CACHE_HOME/sweepwright (~/.cache when
// unset): a header (magic, version, record size, count, generation,
// checksum) and fixed records sorted by key. A file that is not a regular
// file of ours, has another version, a wrong size or checksum, or unsorted
// records is ignored as a whole. Saving writes a temporary file in the same
// folder (0600; the folder 0700, never through a link) and renames it over.
// At most kMaxEntries are kept, those used longest ago dropped first.
//
// Lookups and stores may come from several threads at once; load and save
// from one, with no lookup running.
class DupHashCache
{
public:
    static constexpr quint32 kVersion = 1;
    static constexpr size_t kMaxEntries = 1000000;  // 80 MB on disk at most
    // A file changed this recently may still change within the same clock
    // tick without its times showing it: its digests are not kept.
    static constexpr qint64 kSettleNs = 2'000'000'000;

    // trustBeforeNs: only states whose change time lies before it are
    // stored (the scan's start less kSettleNs in use). Saving keeps at most
    // maxEntries.
    DupHashCache(QString path, qint64 trustBeforeNs, size_t maxEntries = kMaxEntries);
    ~DupHashCache();
    DupHashCache(const DupHashCache &) = delete;
    DupHashCache &operator=(const DupHashCache &) = delete;

    static QString defaultPath();
    // Removes the file at path (never what a link there points to); true
    // when none is left.
    static bool clear(const QString &path);

    // Reads the file; an unreadable or unusable one leaves the cache empty
    // (false).
    bool load();
    // Writes what was loaded and stored, false when it could not; what was
    // stored is then held no more.
    bool save();

    std::optional<Digest128> sampled(const FileKey &key) const;
    std::optional<Digest128> whole(const FileKey &key) const;
    // Whether a digest of the state key would be kept (it settled).
    bool keeps(const FileKey &key) const { return key.ctimeNs < m_trustBeforeNs; }
    void storeSampled(const FileKey &key, Digest128 digest);
    void storeWhole(const FileKey &key, Digest128 digest);

    size_t loadedCount() const { return m_records.size(); }

    // One file state as stored, 80 bytes.
    struct Record
    {
        FileKey key;
        Digest128 sampled;
        Digest128 whole;
        quint32 generation = 0;  // the last save that saw it used
        quint32 flags = 0;       // kHasSampled | kHasWhole
    };
    static constexpr quint32 kHasSampled = 1;
    static constexpr quint32 kHasWhole = 2;

private:
    const Record *find(const FileKey &key) const;
    void store(const FileKey &key, Digest128 digest, bool whole);
    // The records to save, sorted by key; takes what was stored.
    std::vector<Record> merged();

    QString m_path;
    qint64 m_trustBeforeNs;
    size_t m_maxEntries;
    quint32 m_generation = 0;
    std::vector<Record> m_records;  // as loaded, sorted by key
    std::unique_ptr<std::atomic<bool>[]> m_used;  // per loaded record
    mutable std::mutex m_mutex;
    std::vector<Record> m_added;  // this scan's, in the order stored
};

}  // namespace sw
