// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bigs/ORBigDataCollection.h"

#include "core/bigs/BigNotifications.h"
#include "core/finder/FinderDefaults.h"
#include "core/finder/FinderFilter.h"
#include "core/finder/FinderRemoval.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/TitlePoster.h"
#include "core/fs/ProtectedPaths.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <vector>

#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcBigs, "sweepwright.bigs", sw::logThreshold(QtInfoMsg))

namespace {

// Threads for the walk at most.
constexpr int kMaxWalkThreads = 4;

struct Band
{
    qint64 bigID;
    qint64 lower;
    const char *name;
    const char *info;
};

// Smallest band first: the order of the groups. The bounds are in the units
// every size is shown in (base 1000), so a band's name and its files agree.
constexpr Band kBands[] = {
    {4, 32'000'000, QT_TRANSLATE_NOOP("ORBigDataCollection", "32 MB to 128 MB"),
     QT_TRANSLATE_NOOP("ORBigDataCollection", "Files of 32 MB and more, below 128 MB")},
    {3, 128'000'000, QT_TRANSLATE_NOOP("ORBigDataCollection", "128 MB to 256 MB"),
     QT_TRANSLATE_NOOP("ORBigDataCollection", "Files of 128 MB and more, below 256 MB")},
    {2, 256'000'000, QT_TRANSLATE_NOOP("ORBigDataCollection", "256 MB to 512 MB"),
     QT_TRANSLATE_NOOP("ORBigDataCollection", "Files of 256 MB and more, below 512 MB")},
    {1, 512'000'000, QT_TRANSLATE_NOOP("ORBigDataCollection", "512 MB to 1 GB"),
     QT_TRANSLATE_NOOP("ORBigDataCollection", "Files of 512 MB and more, below 1 GB")},
    {0, 1'000'000'000, QT_TRANSLATE_NOOP("ORBigDataCollection", "1 GB and more"),
     QT_TRANSLATE_NOOP("ORBigDataCollection", "Files of 1 GB and more")},
};

const Band *bandByID(qint64 bigID)
{
    for (const Band &band : kBands)
        if (band.bigID == bigID)
            return &band;
    return nullptr;
}

}  // namespace

ORBigDataCollection &ORBigDataCollection::shareInstance()
{
    static ORBigDataCollection instance;
    return instance;
}

// --- defaults ------------------------------------------------------------------

QStringList ORBigDataCollection::defaultFolders()
{
    if (ORLayout::isMacOS())
        return {ORLayout::homePath(QStringLiteral("Documents")), ORLayout::homePath(QStringLiteral("Movies"))};
    return sw::finder::userFolders(
        {QStringLiteral("DOCUMENTS"), QStringLiteral("DOWNLOAD"), QStringLiteral("VIDEOS"), QStringLiteral("PICTURES")});
}

QStringList ORBigDataCollection::defaultExcludeFolders()
{
    return sw::finder::defaultExcludeFolders();
}

QStringList ORBigDataCollection::defaultExcludeFiles()
{
    return sw::finder::defaultExcludeFiles();
}

// --- inputs and the published result -----------------------------------------

std::shared_ptr<ORBigData> ORBigDataCollection::bigData()
{
    return published([this] { return startScan(); });
}

std::shared_ptr<ORBigData> ORBigDataCollection::tempBigData() const
{
    return temp();
}

void ORBigDataCollection::startOver()
{
    forget();
    for (qint64 id = 0; id <= 4; ++id)
        bandList(id).clear();
}

std::shared_ptr<ORBigData> ORBigDataCollection::startScan()
{
    m_foundTotal = 0;
    return scanBig();
}

std::shared_ptr<ORBigData> ORBigDataCollection::scan(sw::JobControl &job)
{
    m_foundTotal = 0;
    return hold(scanBands(job));
}

// --- the scan ------------------------------------------------------------------

std::optional<qint64> ORBigDataCollection::bandOfSize(qint64 size)
{
    std::optional<qint64> found;
    for (const Band &band : kBands)
        if (size >= band.lower)
            found = band.bigID;
    return found;
}

QString ORBigDataCollection::bandName(qint64 bigID)
{
    const Band *band = bandByID(bigID);
    return band ? QCoreApplication::translate("ORBigDataCollection", band->name) : QString();
}

QString ORBigDataCollection::bandInfo(qint64 bigID)
{
    const Band *band = bandByID(bigID);
    return band ? QCoreApplication::translate("ORBigDataCollection", band->info) : QString();
}

QList<ORBigDataItem> &ORBigDataCollection::bandList(qint64 bigID)
{
    switch (bigID) {
    case 4: return big64MArray;
    case 3: return big128MArray;
    case 2: return big256MArray;
    case 1: return big512MArray;
    default: return big1GArray;
    }
}

std::shared_ptr<ORBigData> ORBigDataCollection::scanBig()
{
    sw::JobControl job;
    return scanBands(job);
}

std::shared_ptr<ORBigData> ORBigDataCollection::scanBands(sw::JobControl &job)
{
    auto data = std::make_shared<ORBigData>();
    for (qint64 id = 0; id <= 4; ++id)
        bandList(id).clear();
    sw::TitlePoster title(sw::bignote::kTitle, &job);
    // The walk is bound by the kernel's work per entry, which the cores share;
    // more threads than that only wait on each other.
    sw::FinderFilter walker(excludeFolders(), excludeFiles(), job, &title,
                            std::min(QThread::idealThreadCount(), kMaxWalkThreads));
    // The walk does not sort: what it finds is put into the order of a sorted
    // walk before it is listed. A file reached through several links (or
    // through overlapping folders) is listed once, as the first path found.
    struct Found
    {
        int root;
        QByteArray path;
        qint64 size;
        struct stat st;
    };
    std::vector<Found> found;
    QSet<QPair<quint64, quint64>> seen;
    qint64 seenBytes = 0;
    std::mutex foundMutex;  // the walk's threads find files at once
    const std::optional<qint64> modifiedBefore = modifiedBeforeMs(QDateTime::currentMSecsSinceEpoch());
    int rootIndex = 0;
    for (const QString &root : folders()) {
        const bool walked = walker.walk(root, [&](const sw::FinderEntry &entry) {
            if (!entry.isPackage && entry.st.st_size < kMinimumSize)
                return;  // the common case: one fstatat and nothing else
            if (modifiedBefore && sw::modTimeMs(entry.st) >= *modifiedBefore)
                return;
            const qint64 size =
                entry.isPackage ? ORUtility::folderSizeAtPath2(entry.path()) : entry.sizeOfFile(lcBigs);
            if (size < kMinimumSize)
                return;
            const std::lock_guard lock(foundMutex);
            found.push_back(Found{rootIndex, entry.nativePath(), size, entry.st});
            if (!seen.contains({quint64(entry.st.st_dev), quint64(entry.st.st_ino)})) {
                seen.insert({quint64(entry.st.st_dev), quint64(entry.st.st_ino)});
                seenBytes += size;
                job.setBytes(seenBytes);
            }
        });
        if (!walked)
            break;
        ++rootIndex;
    }
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.root != b.root ? a.root < b.root : sw::FolderWalker::walksBefore(a.path, b.path);
    });
    sw::ProtectedPaths::Cache protectedPaths;
    QSet<QPair<quint64, quint64>> listed;
    for (const Found &f : found) {
        if (job.isCancelled())
            break;
        const QString path = QFile::decodeName(f.path);
        const QPair<quint64, quint64> id(quint64(f.st.st_dev), quint64(f.st.st_ino));
        if (listed.contains(id) || protectedPaths.isProtected(path))
            continue;
        listed.insert(id);
        bigGroupWithSize(path, f.size, f.st);
    }
    job.setBytes(m_foundTotal);
    if (job.isCancelled()) {
        for (qint64 id = 0; id <= 4; ++id)
            bandList(id).clear();
        return nullptr;
    }
    title.flush();
    for (const Band &band : kBands) {
        const QList<ORBigDataItem> &list = bandList(band.bigID);
        if (!list.isEmpty())
            bigDataWithGroup(list, *data, band.bigID, bandName(band.bigID), bandInfo(band.bigID));
    }
    return data;
}

void ORBigDataCollection::bigGroupWithSize(const QString &path, qint64 size)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) == 0)
        bigGroupWithSize(path, size, st);
}

void ORBigDataCollection::bigGroupWithSize(const QString &path, qint64 size, const struct stat &st)
{
    const std::optional<qint64> band = bandOfSize(size);
    if (!band)
        return;
    ORBigDataItem item;
    item.itemPath = path;
    item.itemName = path.section(QLatin1Char('/'), -1);
    item.itemSize = size;
    item.itemModDate = ORUtility::friendlyDate(qint64(st.st_mtime));
    item.itemModTime = sw::modTimeMs(st);
    item.isDel = false;
    item.isVisible = true;
    m_foundTotal += size;
    ORUtility::notifyProgressOnMainThread(sw::bignote::kSize, m_foundTotal);
    bandList(*band).append(item);
}

void ORBigDataCollection::bigDataWithGroup(const QList<ORBigDataItem> &band, ORBigData &bigData, qint64 bigGroup,
                                           const QString &groupName, const QString &groupInfo)
{
    ORBigDataGroup group;
    for (const ORBigDataItem &item : band) {
        group.groupSize += item.itemSize;
        group.groupItems.append(item);
    }
    group.groupSelectedSize = 0;
    group.isGroupDelFlag = 0;
    group.bigID = bigGroup;
    group.groupName = groupName;
    group.groupInfo = groupInfo;
    group.isVisible = true;
    bigData.bigTotalSize += group.groupSize;
    bigData.bigGroups.append(group);
}

// --- removal -------------------------------------------------------------------

void ORBigDataCollection::deleteBigs()
{
    sw::JobControl job;
    remove(job);
}

sw::RemovalReport ORBigDataCollection::remove(sw::JobControl &job)
{
    setRemovalReport({});
    const std::shared_ptr<ORBigData> data = temp();
    if (!data)
        return {};
    QList<sw::FinderRemoval::Item> marked;
    for (const ORBigDataGroup &group : std::as_const(data->bigGroups)) {
        if (group.isGroupDelFlag == 0 || !group.isVisible)
            continue;
        for (const ORBigDataItem &item : group.groupItems)
            if (item.isDel && item.isVisible)
                marked.append({item.itemPath, item.itemSize});
    }
    sw::FinderRemoval removal(folders(), lcBigs);
    removal.moveItems(marked, job);
    setRemovalReport(removal.report());
    return removal.report();
}
