#include "ORDupDataCollection.h"

#include "DupCandidates.h"
#include "DupStages.h"
#include "ORBigDataCollection.h"
#include "FinderRemoval.h"
#include "ORLayout.h"
#include "OrderedParallel.h"
#include "ORUtility.h"
#include "ProtectedPaths.h"
#include "ScanWalker.h"
#include "TitlePoster.h"

#include <QFile>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QThread>

#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcDups, "sweepwright.dups", QtInfoMsg)

using sw::CandidateSet;
using sw::DupCandidates;
using sw::DupStages;

ORDupDataCollection &ORDupDataCollection::shareInstance()
{
    static ORDupDataCollection instance;
    return instance;
}

// --- defaults ------------------------------------------------------------------

QStringList ORDupDataCollection::defaultFolders()
{
    if (ORLayout::isMacOS())
        return {ORLayout::homePath(QStringLiteral("Documents")), ORLayout::homePath(QStringLiteral("Music"))};
    return {ORLayout::userDir(QStringLiteral("DOCUMENTS"), QStringLiteral("Documents")),
            ORLayout::userDir(QStringLiteral("MUSIC"), QStringLiteral("Music"))};
}

QStringList ORDupDataCollection::defaultExcludeFolders()
{
    return ORBigDataCollection::defaultExcludeFolders();
}

QStringList ORDupDataCollection::defaultExcludeFiles()
{
    return ORBigDataCollection::defaultExcludeFiles() << QStringLiteral("tif") << QStringLiteral("jpeg");
}

// --- inputs and the published result -----------------------------------------

void ORDupDataCollection::setConfirmContents(bool confirm)
{
    m_confirmContents = confirm;
}

std::shared_ptr<ORDupData> ORDupDataCollection::dupData()
{
    return published([this] {
        qCDebug(lcDups) << "dupData";
        return startScan();
    });
}

std::shared_ptr<ORDupData> ORDupDataCollection::tempDupData() const
{
    return temp();
}

void ORDupDataCollection::startOver()
{
    qCDebug(lcDups) << Q_FUNC_INFO;
    forget();
}

std::shared_ptr<ORDupData> ORDupDataCollection::startScan()
{
    qCDebug(lcDups) << Q_FUNC_INFO;
    m_foundSize = 0;
    m_foundGroups = 0;
    return scanDup();
}

// --- the scan ------------------------------------------------------------------

std::shared_ptr<ORDupData> ORDupDataCollection::scanDup()
{
    auto data = std::make_shared<ORDupData>();
    const DupCandidates candidates = walk();
    const std::vector<CandidateSet> sameSizes = DupStages::groupBySize(candidates);
    const bool confirm = confirmContents();
    // Sizes are independent of each other: they are narrowed on all cores,
    // and their groups built in order, largest size first.
    sw::orderedParallel<std::vector<CandidateSet>>(
        sameSizes.size(), QThread::idealThreadCount(),
        [&](size_t i) { return equalSets(candidates, sameSizes[i], confirm); },
        [&](std::vector<CandidateSet> &&sets) {
            for (const CandidateSet &set : sets)
                buildGroup(*data, candidates, set);
        });
    return data;
}

std::vector<CandidateSet> ORDupDataCollection::equalSets(const DupCandidates &candidates, const CandidateSet &sameSize,
                                                         bool confirm)
{
    std::vector<CandidateSet> equal;
    const CandidateSet distinct = DupStages::dropHardLinks(candidates, sameSize);
    if (distinct.empty())
        return equal;
    for (CandidateSet &sameDigest : DupStages::groupByDigest(candidates, distinct)) {
        // A package's sampled digest is made of its item names only: two
        // bundles of the same files with other contents share it, so
        // packages are always compared, whatever the caller asked.
        const bool packages = std::any_of(sameDigest.cbegin(), sameDigest.cend(),
                                          [&](quint32 i) { return candidates.at(i).package; });
        if (!confirm && !packages) {
            equal.push_back(std::move(sameDigest));
            continue;
        }
        for (CandidateSet &same : DupStages::confirmContents(candidates, sameDigest))
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
    sizeMap.add(path, size, quint64(st.st_dev), quint64(st.st_ino), flag);
    return true;
}

DupCandidates ORDupDataCollection::walk()
{
    DupCandidates candidates;
    sw::TitlePoster title(QStringLiteral("dupicon"));
    sw::ScanWalker walker(excludeFolders(), excludeFiles(), &title);
    for (const QString &root : folders()) {
        walker.walk(root, [&](const sw::ScanEntry &entry) {
            if (!entry.isPackage && entry.st.st_size <= kMinimumSize)
                return;  // the common case: one fstatat and nothing else
            const qint64 size = entry.isPackage ? ORUtility::fileSizeByPath(entry.path()) : entry.sizeOfFile(lcDups());
            if (size > kMinimumSize)
                candidates.add(entry.folder, entry.folderSerial, entry.name, size, quint64(entry.st.st_dev),
                               quint64(entry.st.st_ino), entry.isPackage, entry.deletable);
        });
    }
    title.flush();
    return candidates;
}

void ORDupDataCollection::buildGroup(ORDupData &data, const DupCandidates &candidates, const CandidateSet &set)
{
    ORDupDataGroup group;
    for (const quint32 index : set) {
        const QString path = candidates.path(index);
        ORUtility::notifyOnMainThread(QStringLiteral("dupicon"), path);
        ORDupDataItem item;
        item.itemPath = path;
        item.itemName = path.section(QLatin1Char('/'), -1);
        item.itemSize = candidates.at(index).size;
        // A file was filed only when the user may delete it; a package is asked now.
        const bool deletable = candidates.at(index).package ? ORUtility::isDeletableFileWithCurrentPermission(path)
                                                            : candidates.at(index).deletable;
        if (item.itemSize <= 0 || !deletable || sw::ProtectedPaths::isProtected(path))
            continue;
        group.groupSize += item.itemSize;
        group.groupItems.append(item);
    }
    if (group.groupItems.isEmpty())
        return;
    const ORDupDataItem &first = group.groupItems.constFirst();
    group.groupPath = first.itemPath;
    group.groupName = first.itemName;
    group.groupType = sw::ScanWalker::extensionOf(first.itemName);
    data.dupGroups.append(group);
    data.dupTotalSize += group.groupSize;
    m_foundSize += group.groupSize;
    m_foundGroups += 1;
    ORUtility::notifyOnMainThread(QStringLiteral("duplicatesize"), QVariantList{m_foundSize, m_foundGroups});
}

// --- removal -------------------------------------------------------------------

void ORDupDataCollection::deleteDups()
{
    doDelDups();
}

void ORDupDataCollection::doDelDups()
{
    qCDebug(lcDups) << Q_FUNC_INFO;
    setRemovalReport({});
    const std::shared_ptr<ORDupData> data = temp();
    if (!data)
        return;
    sw::FinderRemoval removal(folders(), lcDups());
    for (const ORDupDataGroup &group : std::as_const(data->dupGroups)) {
        if (group.isGroupDelFlag == 0 || !group.isVisible)
            continue;
        for (const ORDupDataItem &item : group.groupItems)
            if (item.isDel)
                removal.moveItem(item.itemPath, item.itemSize);
    }
    setRemovalReport(removal.report());
}
