// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/finder/FinderEngine.h"
#include "core/dups/DupHashCache.h"
#include "core/dups/DupReferenceFolders.h"
#include "core/finder/FinderRemoval.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORDupData.h"
#include "core/foundation/ToolEngine.h"
#include "core/fs/FileLink.h"
#include "core/fs/ProtectedPaths.h"

#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sw {
class DupCandidates;
class TitlePoster;
}

// The duplicate finder's engine, one per process.
//
// The scan is a funnel of stages, each cheaper per file than the next and
// each run only on what the one before left:
//   walk             one fstatat per entry; files of 16 KiB and less, links,
//                    excluded folders and package insides never get further
//   group by size    only sizes shared by two or more candidates go on
//   drop hard links  paths to the same file (device and inode) count once,
//                    as the first path found
//   sampled digest   three 4 KiB samples per file (XXH3), a name signature
//                    per package: splits most sets of unequal files
//   confirm contents the survivors of a digest set are read in lock-step
//                    chunks and split wherever their bytes differ, so files
//                    that only agree where they were sampled are not
//                    reported; packages compare their items' relative
//                    paths, sizes and contents
//   build groups     one group per set, largest size first, items in the
//                    order found; each copy is looked at again for its
//                    modification time, and copies gone since the walk or
//                    that the user may not delete are dropped
// Confirmation reads each file at most once and keeps a bounded number of
// files open; setConfirmContents(false) stops after the sampled digest for
// files (packages are always confirmed: their digest holds no content).
// Progress: "dupicon" (the path looked at, coalesced) and "duplicatesize"
// (a list of two numbers: bytes found, groups found).
//
// Removal moves every marked copy of the groups whose flag is not 0 to the
// freedesktop Trash through sw::FinderRemoval, each below the folder it was
// found in; a failure is logged ("Fail to remove junk, error=...") and
// reported.
//
// Reference folders hold the originals: they are walked too (after the
// folders, unless a folder holds them), their copies are marked isReference
// and kept in a set even where the user may not delete them, and a set of
// reference copies only is not listed. The removal refuses any copy in one,
// marked or not, as the folders are at that moment (sw::DupReferenceFolders).
//
// With an age limit (olderThanDays()) every set is still found whole, but
// copies modified within it are marked isTooNew and stay as reference copies
// do; a set is listed only when a copy may go. The removal refuses a copy
// that is too new now as well.
//
// Progress (sw::JobControl): items are the entries looked at, bytes the size
// of the groups built so far, the current path the one last posted as
// "dupicon". A cancelled scan stops at the next entry, file digest or chunk
// read and holds nothing; a cancelled removal stops after the item it is on.
//
// Folders, exclusions, delSize() and the removal report come from
// sw::FinderEngine.
class ORDupDataCollection : public sw::FinderEngine<ORDupData>
{
public:
    using Data = ORDupData;
    // Only files (and packages) larger than this take part.
    static constexpr qint64 kMinimumSize = 16384;

    static ORDupDataCollection &shareInstance();

    // The engine contract (sw::ToolEngine): a new scan, held when it ends;
    // nullptr when cancelled.
    std::shared_ptr<ORDupData> scan(sw::JobControl &job);
    // Moves the marked copies to the Trash; see the overview.
    sw::RemovalReport remove(sw::JobControl &job);
    // Replaces the marked copies by links of that kind to the copy each set
    // keeps (see sw::LinkReplacement), reported as remove() reports.
    sw::RemovalReport replaceWithLinks(sw::JobControl &job, sw::LinkKind kind);

    // The published result; runs the scan on the calling thread when none is
    // held. Call it from a background thread when a scan may run.
    std::shared_ptr<ORDupData> dupData();
    std::shared_ptr<ORDupData> tempDupData() const;
    // Resets both progress counters and returns a fresh result of scanDup().
    std::shared_ptr<ORDupData> startScan();
    // Forgets the result, the folders, both exclusion lists and the group sink.
    void startOver();
    // With a sink, each group goes to it as it is built (in the result's
    // order, on the scanning thread) instead of into the result, which then
    // holds the totals only: a listing of a large tree needs no memory for
    // what it has printed. An empty sink keeps the groups again.
    using GroupSink = std::function<void(const ORDupDataGroup &)>;
    void setGroupSink(GroupSink sink) { m_groupSink = std::move(sink); }

    // Folders of originals (see the overview); none until set, forgotten by
    // startOver().
    void setReferenceFolders(const QStringList &folders);
    QStringList referenceFolders() const;

    // true (the default): a set of files is reported only when their whole
    // contents are equal. false: for files, equal size and sampled digest
    // suffice (quick, but files that differ outside the samples are reported
    // as duplicates); packages are compared either way.
    void setConfirmContents(bool confirm);
    bool confirmContents() const { return m_confirmContents.load(); }

    // What the next scans look for: sets of copies, or empty files, empty
    // folders and broken links (sw::EmptyFinder), whose removal moves an item
    // only while it is still empty or broken.
    enum class ScanMode { Duplicates, Empty };
    void setScanMode(ScanMode mode) { m_scanMode = mode; }
    ScanMode scanMode() const { return m_scanMode; }
    // The held result's mode.
    ScanMode heldMode() const { return m_heldMode; }
    // A result saved as JSON that the next scan opens and checks against the
    // disk (sw::DupSavedResult) instead of walking the folders; used once.
    // Its copies are then moved below their own folders.
    void setSavedResult(const QString &file) { m_savedResult = file; }
    // What the last opening of a saved result left out, and why it failed
    // (empty when it did not).
    QStringList openNotes() const { return m_openNotes; }
    QString openError() const { return m_openError; }
    // true (the default): digests of files that did not change since an
    // earlier scan come from the hash cache (sw::DupHashCache, loaded and
    // saved by the scan on its own thread) instead of being read again.
    void setUseHashCache(bool on) { m_useHashCache = on; }
    bool useHashCache() const { return m_useHashCache.load(); }
    static QString hashCachePath();
    // The window's setting of it (absent: on).
    static constexpr char kHashCacheKey[] = "dupHashCache";
    // Removes the cache's file; false when it stays.
    static bool clearHashCache();

    // What the pages and the command line scan unless told otherwise: the
    // user's desktop, documents, downloads, music, pictures and videos
    // (macos layout: documents and music), hidden folders and docsets left
    // out, and 35 extensions (those of the large-file finder, "tif", "jpeg").
    static QStringList defaultFolders();
    static QStringList defaultExcludeFolders();
    static QStringList defaultExcludeFiles();

    // --- used only by the tests ---------------------------------------------
    // remove() with nobody watching.
    void deleteDups();
    // How long ago a file must have changed for its digests to be cached.
    void setHashCacheSettleNs(qint64 ns) { m_hashCacheSettleNs = ns; }

private:
    ORDupDataCollection();
    bool scanDupDataFlag() const { return true; }
    std::shared_ptr<ORDupData> scanDup();
    void doDelDups();
    // Sizes one candidate (a package when flag is set) and files it in
    // sizeMap when it is larger than kMinimumSize; answers whether it was filed.
    bool sizeGroupDup(sw::DupCandidates &sizeMap, const QString &path, bool flag);
    // The scan itself: nullptr when job was cancelled.
    std::shared_ptr<ORDupData> scanGroups(sw::JobControl &job);
    // Hands the heap's free memory back to the system after a scan.
    static void releaseFreedMemory();
    sw::DupCandidates walk(sw::JobControl &job);
    // Candidates of one size narrowed to the sets of equal files.
    static std::vector<std::vector<quint32>> equalSets(const sw::DupCandidates &candidates,
                                                       const std::vector<quint32> &sameSize, bool confirm,
                                                       const sw::JobControl &job, sw::DupHashCache *cache);
    // The cache as saved, or nullptr when it is not used.
    std::unique_ptr<sw::DupHashCache> openHashCache() const;
    // Why a copy in a reference folder stays.
    static QString referenceRefusal();
    std::optional<QString> stayRefusal(const ORDupDataItem &item, sw::DupReferenceFolders &references) const;
    // The marked items of the groups to act on, each copy checked against its
    // group's kept copy first when the scan compared whole contents; copies
    // in reference folders carry their refusal.
    QList<sw::FinderRemoval::Item> markedItems(const ORDupData &data) const;
    void buildGroup(ORDupData &data, const sw::DupCandidates &candidates, const std::vector<quint32> &set,
                    sw::ProtectedPaths::Cache &protectedPaths, sw::TitlePoster &title, sw::JobControl &job);

    // The scan the mode and a saved result ask for.
    std::shared_ptr<ORDupData> scanChosen(sw::JobControl &job);

    std::atomic<bool> m_confirmContents{true};
    // Set between scans, from the thread that starts them.
    ScanMode m_scanMode = ScanMode::Duplicates;
    ScanMode m_heldMode = ScanMode::Duplicates;
    QString m_savedResult;
    QStringList m_openNotes;
    QString m_openError;
    std::atomic<bool> m_useHashCache{true};
    std::atomic<qint64> m_hashCacheSettleNs{sw::DupHashCache::kSettleNs};
    // The folders walked: the folders, then each reference folder none of them holds.
    QStringList walkedFolders() const;

    mutable QMutex m_referenceMutex;
    QStringList m_referenceFolders;
    sw::DupReferenceFolders m_references;  // the scan's, read by its walk and its groups
    // The held scan's age limit (ms since the epoch): copies modified since stay.
    std::optional<qint64> m_modifiedBefore;
    GroupSink m_groupSink;
    qint64 m_foundSize = 0;    // bytes in the groups built so far
    qint64 m_foundGroups = 0;  // groups built so far
};

static_assert(sw::ToolEngine<ORDupDataCollection>);
