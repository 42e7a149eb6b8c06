// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ORDupDataCollection.h"

#include "core/dups/DupCandidates.h"
#include "core/dups/DupCopyCheck.h"
#include "core/dups/DupHashCache.h"
#include "core/dups/DupCopyMarks.h"
#include "core/dups/DupNotifications.h"
#include "core/dups/DupSavedResult.h"
#include "core/dups/DupStages.h"
#include "core/dups/EmptyFinder.h"
#include "core/dups/LinkReplacement.h"
#include "core/dups/OrderedParallel.h"
#include "core/finder/FinderDefaults.h"
#include "core/finder/FinderFilter.h"
#include "core/finder/FinderRemoval.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/TitlePoster.h"
#include "core/fs/PathInside.h"
#include "core/fs/ProtectedPaths.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSet>
#include <QThread>

#include <sys/stat.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

Q_LOGGING_CATEGORY(lcDups, "sweepwright.dups", sw::logThreshold(QtInfoMsg))

using sw::CandidateSet;
using sw::DupCandidates;
using sw::DupStages;

ORDupDataCollection &ORDupDataCollection::shareInstance()
{
    static ORDupDataCollection instance;
    return instance;
}

ORDupDataCollection::ORDupDataCollection()
{
#ifdef __GLIBC__
    // A scan's large arrays (the candidates, their sets, the list of groups)
    // must go back to the system when freed. After the first such block is
    // freed, glibc raises the size from which it maps a block on its own, so
    // the next scans' arrays would come from a heap and stay there when
    // freed: memory would grow scan after scan. A fixed threshold keeps
    // every large block mapped on its own. Fixing it also fixes the size of
    // free memory at a heap's top that is given back at once, whose default
    // would have the walk's threads give back and take again a few pages at
    // a time; what is left free is given back after each scan.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024);
#endif
}

// --- defaults ------------------------------------------------------------------

QStringList ORDupDataCollection::defaultFolders()
{
    if (ORLayout::isMacOS())
        return {ORLayout::homePath(QStringLiteral("Documents")), ORLayout::homePath(QStringLiteral("Music"))};
    return sw::finder::userFolders({QStringLiteral("DESKTOP"), QStringLiteral("DOCUMENTS"), QStringLiteral("DOWNLOAD"),
                                    QStringLiteral("MUSIC"), QStringLiteral("PICTURES"), QStringLiteral("VIDEOS")});
}

QStringList ORDupDataCollection::defaultExcludeFolders()
{
    return sw::finder::defaultExcludeFolders();
}

QStringList ORDupDataCollection::defaultExcludeFiles()
{
    return sw::finder::defaultExcludeFiles() << QStringLiteral("tif") << QStringLiteral("jpeg");
}

// --- inputs and the published result -----------------------------------------

void ORDupDataCollection::setConfirmContents(bool confirm)
{
    m_confirmContents = confirm;
}

QString ORDupDataCollection::hashCachePath()
{
    return sw::DupHashCache::defaultPath();
}

bool ORDupDataCollection::clearHashCache()
{
    return sw::DupHashCache::clear(hashCachePath());
}

std::unique_ptr<sw::DupHashCache> ORDupDataCollection::openHashCache() const
{
    if (!useHashCache())
        return nullptr;
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    auto cache = std::make_unique<sw::DupHashCache>(hashCachePath(), now - m_hashCacheSettleNs.load());
    if (!cache->load())
        qCDebug(lcDups) << "No usable hash cache at" << hashCachePath();
    return cache;
}

std::shared_ptr<ORDupData> ORDupDataCollection::dupData()
{
    return published([this] { return startScan(); });
}

std::shared_ptr<ORDupData> ORDupDataCollection::tempDupData() const
{
    return temp();
}

void ORDupDataCollection::startOver()
{
    forget();
    m_groupSink = nullptr;
    setReferenceFolders({});
}

void ORDupDataCollection::setReferenceFolders(const QStringList &folders)
{
    QMutexLocker lock(&m_referenceMutex);
    m_referenceFolders = folders;
}

QStringList ORDupDataCollection::referenceFolders() const
{
    QMutexLocker lock(&m_referenceMutex);
    return m_referenceFolders;
}

QStringList ORDupDataCollection::walkedFolders() const
{
    QStringList walked = folders();
    const QStringList listed = walked;
    for (const QString &reference : referenceFolders()) {
        const QString clean = QDir::cleanPath(reference);
        const bool held = std::any_of(listed.cbegin(), listed.cend(), [&clean](const QString &folder) {
            return sw::isPathInside(clean, QDir::cleanPath(folder));
        });
        if (!held)
            walked.append(reference);
    }
    return walked;
}

std::shared_ptr<ORDupData> ORDupDataCollection::startScan()
{
    m_foundSize = 0;
    m_foundGroups = 0;
    return scanDup();
}

// --- the scan ------------------------------------------------------------------

std::shared_ptr<ORDupData> ORDupDataCollection::scan(sw::JobControl &job)
{
    m_foundSize = 0;
    m_foundGroups = 0;
    // The earlier result goes now rather than when this one is held: the
    // two never need room at once.
    hold(nullptr);
    std::shared_ptr<ORDupData> data = hold(scanChosen(job));
    releaseFreedMemory();
    return data;
}

std::shared_ptr<ORDupData> ORDupDataCollection::scanChosen(sw::JobControl &job)
{
    const QString saved = std::exchange(m_savedResult, QString());
    m_modifiedBefore.reset();
    m_heldMode = saved.isEmpty() ? m_scanMode : ScanMode::Duplicates;
    if (saved.isEmpty() && m_scanMode == ScanMode::Duplicates)
        return scanGroups(job);
    if (saved.isEmpty())
        return sw::EmptyFinder::scan(folders(), excludeFolders(), job);
    sw::DupSavedResult::Opened opened = sw::DupSavedResult::open(saved, &job);
    m_openNotes = opened.notes;
    m_openError = opened.error;
    // Its copies may lie anywhere: each is reached below its own folder.
    setFolders({});
    if (!opened.data && !job.isCancelled())
        return std::make_shared<ORDupData>();  // nothing held, told in the notes
    return opened.data;
}

std::shared_ptr<ORDupData> ORDupDataCollection::scanDup()
{
    sw::JobControl job;
    std::shared_ptr<ORDupData> data = scanGroups(job);
    releaseFreedMemory();
    return data;
}

void ORDupDataCollection::releaseFreedMemory()
{
    // The candidates, the workers' buffers and the result replaced are gone:
    // give their memory back, or each scan leaves the process larger than
    // the one before.
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

std::shared_ptr<ORDupData> ORDupDataCollection::scanGroups(sw::JobControl &job)
{
    auto data = std::make_shared<ORDupData>();
    const std::unique_ptr<sw::DupHashCache> cache = openHashCache();
    m_references = sw::DupReferenceFolders(referenceFolders());
    m_modifiedBefore = modifiedBeforeMs(QDateTime::currentMSecsSinceEpoch());
    const DupCandidates candidates = walk(job);
    if (job.isCancelled())
        return nullptr;
    const sw::CandidateSets sameSizes = DupStages::groupBySize(candidates);
    const bool confirm = confirmContents();
    sw::ProtectedPaths::Cache protectedPaths;
    sw::TitlePoster title(sw::dupnote::kTitle, &job);
    // Sizes are independent of each other: they are narrowed on all cores,
    // and their groups built in order, largest size first. Once cancelled,
    // every size left is passed over.
    sw::orderedParallel<std::vector<CandidateSet>>(
        sameSizes.size(), QThread::idealThreadCount(),
        [&](size_t i) {
            return job.isCancelled() ? std::vector<CandidateSet>()
                                     : equalSets(candidates, sameSizes.at(i), confirm, job, cache.get());
        },
        [&](std::vector<CandidateSet> &&sets) {
            if (job.isCancelled())
                return;
            for (const CandidateSet &set : sets)
                buildGroup(*data, candidates, set, protectedPaths, title, job);
        });
    title.flush();
    if (job.isCancelled())
        return nullptr;
    if (cache && !cache->save())
        qCWarning(lcDups) << "Could not save the hash cache at" << hashCachePath();
    return data;
}

std::vector<CandidateSet> ORDupDataCollection::equalSets(const DupCandidates &candidates, const CandidateSet &sameSize,
                                                         bool confirm, const sw::JobControl &job,
                                                         sw::DupHashCache *cache)
{
    std::vector<CandidateSet> equal;
    const CandidateSet distinct = DupStages::dropHardLinks(candidates, sameSize);
    if (distinct.empty())
        return equal;
    for (CandidateSet &sameDigest : DupStages::groupByDigest(candidates, distinct, &job, cache)) {
        // A package's sampled digest is made of its item names only: two
        // bundles of the same files with other contents share it, so
        // packages are always compared, whatever the caller asked.
        const bool packages = std::any_of(sameDigest.cbegin(), sameDigest.cend(),
                                          [&](quint32 i) { return candidates.at(i).package; });
        if (!confirm && !packages) {
            equal.push_back(std::move(sameDigest));
            continue;
        }
        for (CandidateSet &same : DupStages::confirmContents(candidates, sameDigest, &job, cache))
            equal.push_back(std::move(same));
    }
    return equal;
}

bool ORDupDataCollection::sizeGroupDup(DupCandidates &sizeMap, const QString &path, bool flag)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    const qint64 size = flag ? ORUtility::fileSizeByPath(path) : ORUtility::sizeOfFile(path);
    if (size <= kMinimumSize)
        return false;
    sizeMap.add(path, size, quint64(st.st_dev), quint64(st.st_ino), flag, true);
    return true;
}

DupCandidates ORDupDataCollection::walk(sw::JobControl &job)
{
    DupCandidates candidates;
    sw::TitlePoster title(sw::dupnote::kTitle, &job);
    sw::FinderFilter walker(excludeFolders(), excludeFiles(), job, &title);
    for (const QString &root : walkedFolders()) {
        candidates.beginRoot();
        const bool walked = walker.walk(root, [&](const sw::FinderEntry &entry) {
            if (!entry.isPackage && entry.st.st_size <= kMinimumSize)
                return;  // the common case: one fstatat and nothing else
            // An original the user may not delete still shows what its copies are.
            const bool original = !entry.deletable && m_references.holdsFolder(entry.folder);
            const qint64 size = entry.isPackage ? ORUtility::fileSizeByPath(entry.path())
                                : original      ? qint64(entry.st.st_size)
                                                : entry.sizeOfFile(lcDups);
            if (size > kMinimumSize)
                candidates.add(entry.folder, entry.folderSerial, entry.name, size, quint64(entry.st.st_dev),
                               quint64(entry.st.st_ino), entry.isPackage, entry.deletable);
        });
        if (!walked)
            return {};
    }
    title.flush();
    candidates.squeeze();
    return candidates;
}

void ORDupDataCollection::buildGroup(ORDupData &data, const DupCandidates &candidates, const CandidateSet &set,
                                     sw::ProtectedPaths::Cache &protectedPaths, sw::TitlePoster &title,
                                     sw::JobControl &job)
{
    ORDupDataGroup group;
    group.groupItems.reserve(qsizetype(set.size()));
    for (const quint32 index : set) {
        // Looked at again only now, for the few that are in a group: the
        // candidates need not carry it.
        const QByteArray nativePath = candidates.nativePath(index);
        struct stat st;
        if (::lstat(nativePath.constData(), &st) != 0)
            continue;  // gone since the walk
        title.offer(nativePath);
        const QString path = QFile::decodeName(nativePath);
        ORDupDataItem item;
        item.itemPath = path;
        item.itemName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        item.itemSize = candidates.at(index).size;
        item.itemModTime = sw::modTimeMs(st);
        // Never removed, an original is listed wherever it lies.
        item.isReference = m_references.holds(path);
        item.isTooNew = m_modifiedBefore && item.itemModTime >= *m_modifiedBefore;
        item.itemDev = quint64(st.st_dev);
        item.itemIno = quint64(st.st_ino);
        // A file was filed only when the user may delete it; a package is asked now.
        const bool deletable = candidates.at(index).package ? ORUtility::isDeletableFileWithCurrentPermission(path)
                                                            : candidates.at(index).deletable;
        if (item.itemSize <= 0 || (!item.isReference && (!deletable || protectedPaths.isProtected(path))))
            continue;
        group.groupSize += item.itemSize;
        group.groupItems.append(item);
    }
    // Originals and recent copies only: nothing to select.
    if (std::all_of(group.groupItems.cbegin(), group.groupItems.cend(),
                    [](const ORDupDataItem &item) { return item.staysPut(); }))
        return;
    // The set is named after a copy without a copy mark where one has none:
    // "report", not "Copy of report".
    const auto unmarked = std::find_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                       [](const ORDupDataItem &item) { return !sw::dupmarks::hasCopyMark(item.itemName); });
    const ORDupDataItem &first = unmarked != group.groupItems.cend() ? *unmarked : group.groupItems.constFirst();
    group.groupPath = first.itemPath;
    group.groupName = first.itemName;
    group.groupType = sw::FinderFilter::extensionOf(first.itemName);
    data.dupTotalSize += group.groupSize;
    m_foundSize += group.groupSize;
    m_foundGroups += 1;
    job.setBytes(m_foundSize);
    ORUtility::notifyProgressOnMainThread(sw::dupnote::kSize, QVariantList{m_foundSize, m_foundGroups});
    if (m_groupSink)
        m_groupSink(group);
    else
        data.dupGroups.append(std::move(group));
}

// --- removal -------------------------------------------------------------------

QString ORDupDataCollection::referenceRefusal()
{
    return QCoreApplication::translate("ORDupDataCollection", "In a reference folder: originals are never removed");
}

// Why a copy stays whoever marked it: it lies in a reference folder (as the
// folders are now), or it was modified within the scan's age limit (then or
// since).
std::optional<QString> ORDupDataCollection::stayRefusal(const ORDupDataItem &item,
                                                        sw::DupReferenceFolders &references) const
{
    if (item.isReference || references.holds(item.itemPath))
        return referenceRefusal();
    if (!m_modifiedBefore)
        return std::nullopt;
    struct stat st;
    const bool recent = item.isTooNew
                        || (::lstat(QFile::encodeName(item.itemPath).constData(), &st) == 0
                            && sw::modTimeMs(st) >= *m_modifiedBefore);
    if (!recent)
        return std::nullopt;
    return QCoreApplication::translate("ORDupDataCollection", "Modified in the last %n day(s): only older copies go",
                                       nullptr, olderThanDays());
}

QList<sw::FinderRemoval::Item> ORDupDataCollection::markedItems(const ORDupData &data) const
{
    QList<sw::FinderRemoval::Item> marked;
    // Whoever marked them, copies in reference folders stay.
    sw::DupReferenceFolders references(referenceFolders());
    for (const ORDupDataGroup &group : data.dupGroups) {
        if (group.isGroupDelFlag == 0 || !group.isVisible)
            continue;
        // Sets grouped by cached digests were not read at the scan: every
        // copy is compared with the one kept before it goes. A set marked
        // whole keeps nothing to compare with.
        const auto kept = std::find_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                       [](const ORDupDataItem &item) { return !item.isDel; });
        // Empty finds are not copies of one another: nothing to compare.
        const bool check = confirmContents() && m_heldMode == ScanMode::Duplicates && kept != group.groupItems.cend();
        for (const ORDupDataItem &item : group.groupItems) {
            if (!item.isDel)
                continue;
            std::optional<QString> refusal =
                check ? sw::DupCopyCheck::refusal(kept->itemPath, item.itemPath) : std::nullopt;
            if (!refusal)
                refusal = stayRefusal(item, references);
            marked.append({item.itemPath, item.itemSize, refusal.value_or(QString())});
        }
    }
    return marked;
}

void ORDupDataCollection::deleteDups()
{
    doDelDups();
}

void ORDupDataCollection::doDelDups()
{
    sw::JobControl job;
    remove(job);
}

sw::RemovalReport ORDupDataCollection::remove(sw::JobControl &job)
{
    setRemovalReport({});
    const std::shared_ptr<ORDupData> data = temp();
    if (!data)
        return {};
    sw::FinderRemoval removal(folders(), lcDups);
    if (m_heldMode == ScanMode::Empty)
        removal.setBeforeTrash(&sw::EmptyFinder::stillEmpty);
    removal.moveItems(markedItems(*data), job);
    setRemovalReport(removal.report());
    return removal.report();
}

sw::RemovalReport ORDupDataCollection::replaceWithLinks(sw::JobControl &job, sw::LinkKind kind)
{
    setRemovalReport({});
    const std::shared_ptr<ORDupData> data = temp();
    if (!data || m_heldMode != ScanMode::Duplicates)
        return {};  // empty finds have no copy to link to
    QList<sw::LinkReplacement::Pair> pairs = sw::LinkReplacement::plan(*data);
    // Whoever marked them, copies in reference folders stay files of their own.
    sw::DupReferenceFolders references(referenceFolders());
    for (sw::LinkReplacement::Pair &pair : pairs)
        if (const std::optional<QString> refusal = stayRefusal(*pair.copy, references))
            pair.refusal = *refusal;
    sw::LinkReplacement links(folders(), lcDups);
    links.replace(pairs, kind, job);
    setRemovalReport(links.report());
    return links.report();
}
