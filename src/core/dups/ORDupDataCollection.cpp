// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ORDupDataCollection.h"

#include "core/dups/DupCandidates.h"
#include "core/dups/DupCopyMarks.h"
#include "core/dups/DupNotifications.h"
#include "core/dups/DupStages.h"
#include "core/dups/LinkReplacement.h"
#include "core/dups/OrderedParallel.h"
#include "core/finder/FinderDefaults.h"
#include "core/finder/FinderFilter.h"
#include "core/finder/FinderRemoval.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/TitlePoster.h"
#include "core/fs/ProtectedPaths.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QFile>
#include <QLoggingCategory>
#include <QMutexLocker>
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
    std::shared_ptr<ORDupData> data = hold(scanGroups(job));
    releaseFreedMemory();
    return data;
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
                                     : equalSets(candidates, sameSizes.at(i), confirm, job);
        },
        [&](std::vector<CandidateSet> &&sets) {
            if (job.isCancelled())
                return;
            for (const CandidateSet &set : sets)
                buildGroup(*data, candidates, set, protectedPaths, title, job);
        });
    title.flush();
    return job.isCancelled() ? nullptr : data;
}

std::vector<CandidateSet> ORDupDataCollection::equalSets(const DupCandidates &candidates, const CandidateSet &sameSize,
                                                         bool confirm, const sw::JobControl &job)
{
    std::vector<CandidateSet> equal;
    const CandidateSet distinct = DupStages::dropHardLinks(candidates, sameSize);
    if (distinct.empty())
        return equal;
    for (CandidateSet &sameDigest : DupStages::groupByDigest(candidates, distinct, &job)) {
        // A package's sampled digest is made of its item names only: two
        // bundles of the same files with other contents share it, so
        // packages are always compared, whatever the caller asked.
        const bool packages = std::any_of(sameDigest.cbegin(), sameDigest.cend(),
                                          [&](quint32 i) { return candidates.at(i).package; });
        if (!confirm && !packages) {
            equal.push_back(std::move(sameDigest));
            continue;
        }
        for (CandidateSet &same : DupStages::confirmContents(candidates, sameDigest, &job))
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
    for (const QString &root : folders()) {
        candidates.beginRoot();
        const bool walked = walker.walk(root, [&](const sw::FinderEntry &entry) {
            if (!entry.isPackage && entry.st.st_size <= kMinimumSize)
                return;  // the common case: one fstatat and nothing else
            const qint64 size = entry.isPackage ? ORUtility::fileSizeByPath(entry.path()) : entry.sizeOfFile(lcDups);
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
        item.itemDev = quint64(st.st_dev);
        item.itemIno = quint64(st.st_ino);
        // A file was filed only when the user may delete it; a package is asked now.
        const bool deletable = candidates.at(index).package ? ORUtility::isDeletableFileWithCurrentPermission(path)
                                                            : candidates.at(index).deletable;
        if (item.itemSize <= 0 || !deletable || protectedPaths.isProtected(path))
            continue;
        group.groupSize += item.itemSize;
        group.groupItems.append(item);
    }
    if (group.groupItems.isEmpty())
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
    QList<sw::FinderRemoval::Item> marked;
    for (const ORDupDataGroup &group : std::as_const(data->dupGroups)) {
        if (group.isGroupDelFlag == 0 || !group.isVisible)
            continue;
        for (const ORDupDataItem &item : group.groupItems)
            if (item.isDel)
                marked.append({item.itemPath, item.itemSize});
    }
    sw::FinderRemoval removal(folders(), lcDups);
    removal.moveItems(marked, job);
    setRemovalReport(removal.report());
    return removal.report();
}

sw::RemovalReport ORDupDataCollection::replaceWithLinks(sw::JobControl &job, sw::LinkKind kind)
{
    setRemovalReport({});
    const std::shared_ptr<ORDupData> data = temp();
    if (!data)
        return {};
    sw::LinkReplacement links(folders(), lcDups);
    links.replace(*data, kind, job);
    setRemovalReport(links.report());
    return links.report();
}
