#include "ORJunkFilesCollection.h"

#include "FileRemover.h"
#include "FreedesktopJunkLocations.h"
#include "MacJunkLocations.h"
#include "ORLayout.h"
#include "ORPrefConfig.h"
#include "ORUtility.h"
#include "ProtectedPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutexLocker>

#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcJunk, "sweepwright.junk")

using sw::FreedesktopJunkLocations;
using sw::JunkCandidates;
using sw::MacJunkLocations;

namespace {
constexpr qint64 kTrashID = 6;
constexpr qint64 kDownloadsID = 8;

void logFailure(const QString &error)
{
    qCWarning(lcJunk).noquote() << QStringLiteral("Fail to remove junk, error=%1").arg(error);
}
}  // namespace

ORJunkFilesCollection &ORJunkFilesCollection::shareInstance()
{
    static ORJunkFilesCollection instance;
    return instance;
}

ORJunkFilesCollection::ORJunkFilesCollection()
    : m_switchReader([](const QString &key) { return ORPrefConfig::boolForKey(key); })
{
}

void ORJunkFilesCollection::setSwitchReader(SwitchReader reader)
{
    m_switchReader = std::move(reader);
}

std::shared_ptr<ORJunkData> ORJunkFilesCollection::junkData()
{
    return m_result.get([this] { return startScan(); });
}

std::shared_ptr<ORJunkData> ORJunkFilesCollection::tempJunkData() const
{
    return m_result.temp();
}

void ORJunkFilesCollection::startOver()
{
    m_result.reset();
}

QList<ORJunkDataGroup> ORJunkFilesCollection::junkDataDel() const
{
    QMutexLocker lock(&m_mutex);
    return m_junkDataDel;
}

std::shared_ptr<ORJunkData> ORJunkFilesCollection::startScan()
{
    m_foundTotal = 0;
    auto data = std::make_shared<ORJunkData>();
    qint64 total = 0;
    for (const ORJunkCategory &category : ORJunkCategory::categories()) {
        if (!m_switchReader(category.switchKey))
            continue;
        data->junkGroups.append(scanCategory(category.groupID));
        total += data->junkGroups.constLast().groupSize;
    }
    data->junkTotalSize = total;
    return data;
}

ORJunkDataGroup ORJunkFilesCollection::scanCategory(qint64 groupID)
{
    switch (groupID) {
    case 0: return getAppJunks();
    case 1: return getLeftOver();
    case 2: return getSysCache();
    case 3: return getSysLog();
    case 10: return getMailJunk();
    case 9: return getItuneJunk();
    case 13: return getIOSBackups();
    case 12: return getIOSUpdates();
    case kTrashID: return getTrashJunk();
    case kDownloadsID: return getDownloadJunk();
    case 14: return getXcodeJunk();
    case 7: return getBrowserJunk();
    default: return makeGroup(groupID);
    }
}

qint64 ORJunkFilesCollection::measure(const QString &path)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    if (S_ISLNK(st.st_mode))
        return st.st_size;
    if (S_ISDIR(st.st_mode))
        return ORUtility::folderSizeAtPath2(path);
    return ORUtility::fileSizeByPath(path);
}

bool ORJunkFilesCollection::addElementToGroup(ORJunkDataGroup &group, const QString &path, bool withDelRight)
{
    ORUtility::notifyOnMainThread(QStringLiteral("junktitle"), path);
    if (sw::ProtectedPaths::isProtected(path))
        return false;
    ORjunkDataItem item;
    item.itemPath = path;
    item.itemName = QFileInfo(path).fileName();
    item.itemIconPath = path;
    item.itemSize = measure(path);
    item.isDel = group.groupID != 12 && group.groupID != 13;
    item.isVisible = true;
    if (item.itemSize <= 0 || (withDelRight && !ORUtility::isDeletableFileWithCurrentPermission(path)))
        return false;
    group.groupSize += item.itemSize;
    group.groupItems.append(item);
    m_foundTotal += item.itemSize;
    ORUtility::notifyOnMainThread(QStringLiteral("junksize"), m_foundTotal);
    return true;
}

ORJunkDataGroup ORJunkFilesCollection::makeGroup(qint64 groupID)
{
    ORJunkDataGroup group = ORJunkDataGroup::initJunkGroupWithID(groupID);
    const auto category = ORJunkCategory::byID(groupID);
    if (category) {
        group.groupName = category->groupName();
        group.groupInfo = category->groupInfo();
    }
    group.isGroupDelFlag = (category && !category->initiallyMarked) ? 0 : 2;
    return group;
}

namespace {
ORJunkDataGroup finish(ORJunkDataGroup group)
{
    group.groupSelectedSize = group.isGroupDelFlag == 2 ? group.groupSize : 0;
    return group;
}
}  // namespace

#define OR_JUNK_CATEGORY(op, groupID, macCandidates, linuxCandidates)                                        \
    ORJunkDataGroup ORJunkFilesCollection::op()                                                              \
    {                                                                                                        \
        ORJunkDataGroup group = makeGroup(groupID);                                                          \
        const JunkCandidates candidates = ORLayout::isMacOS() ? (macCandidates) : (linuxCandidates);       \
        for (const auto &c : candidates)                                                                     \
            addElementToGroup(group, c.path, c.withDelRight);                                                \
        return finish(group);                                                                                \
    }

namespace {
JunkCandidates macAppJunks()
{
    JunkCandidates all = MacJunkLocations::scanLibaryCache();
    all += MacJunkLocations::scanContainerCache();
    all += MacJunkLocations::scanAppLog();
    all += MacJunkLocations::scanTempCache();
    return all;
}
}  // namespace

OR_JUNK_CATEGORY(getAppJunks, 0, macAppJunks(), FreedesktopJunkLocations::appJunk())
OR_JUNK_CATEGORY(getLeftOver, 1, MacJunkLocations::leftovers(), FreedesktopJunkLocations::leftovers())
OR_JUNK_CATEGORY(getSysCache, 2, MacJunkLocations::sysCaches(), FreedesktopJunkLocations::sysCaches())
OR_JUNK_CATEGORY(getSysLog, 3, MacJunkLocations::sysLogs(), FreedesktopJunkLocations::sysLogs())
OR_JUNK_CATEGORY(getMailJunk, 10, MacJunkLocations::mailJunk(), FreedesktopJunkLocations::mailJunk())
OR_JUNK_CATEGORY(getItuneJunk, 9, MacJunkLocations::itunesJunk(), JunkCandidates())
OR_JUNK_CATEGORY(getIOSBackups, 13, MacJunkLocations::iosBackups(), JunkCandidates())
OR_JUNK_CATEGORY(getIOSUpdates, 12, MacJunkLocations::iosUpdates(), JunkCandidates())
OR_JUNK_CATEGORY(getTrashJunk, kTrashID, MacJunkLocations::trash(), FreedesktopJunkLocations::trash())
OR_JUNK_CATEGORY(getDownloadJunk, kDownloadsID, MacJunkLocations::downloads(), FreedesktopJunkLocations::downloads())
OR_JUNK_CATEGORY(getXcodeJunk, 14, MacJunkLocations::xcode(), FreedesktopJunkLocations::developerCaches())
OR_JUNK_CATEGORY(getBrowserJunk, 7, MacJunkLocations::browser(), FreedesktopJunkLocations::browser())

#undef OR_JUNK_CATEGORY

QStringList ORJunkFilesCollection::keepFolders() const
{
    QStringList keep = ORUtility::sysCacheDirectory();
    keep << ORLayout::trashDir() << ORLayout::trashDir() + QStringLiteral("/files") << ORLayout::downloadDir()
         << ORLayout::cacheHome() << ORLayout::rootPath(QStringLiteral("var/log"))
         << ORLayout::homePath(QStringLiteral("Library")) << ORLayout::homePath(QStringLiteral("Library/Caches"));
    return keep;
}

void ORJunkFilesCollection::deleteJunks()
{
    m_delSize = 0;
    const std::shared_ptr<ORJunkData> data = tempJunkData();
    if (!data)
        return;
    qint64 selected = 0;
    for (const ORJunkDataGroup &group : std::as_const(data->junkGroups))
        if (group.isGroupDelFlag != 0)
            selected += group.groupSelectedSize;
    if (selected <= 0)
        return;
    // Read once per removal: it looks at the settings of the user's folders.
    const QStringList keep = keepFolders();
    QList<ORJunkDataGroup> removed;
    for (const ORJunkDataGroup &group : std::as_const(data->junkGroups)) {
        if (group.isGroupDelFlag == 0)
            continue;
        ORJunkDataGroup record = ORJunkDataGroup::initJunkGroupWithID(group.groupID);
        record.groupName = group.groupName;
        for (const ORjunkDataItem &item : group.groupItems)
            if (item.isDel && item.isVisible)
                removeItem(group, item, keep, record);
        if (record.groupSize > 0)
            removed.append(record);
    }
    QMutexLocker lock(&m_mutex);
    m_junkDataDel = removed;
}

void ORJunkFilesCollection::removeItem(const ORJunkDataGroup &group, const ORjunkDataItem &item,
                                       const QStringList &keep, ORJunkDataGroup &record)
{
    const QString &path = item.itemPath;
    // The path is looked at again: it may have changed since the scan.
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0) {
        logFailure(QStringLiteral("%1: No such file or directory").arg(path));
        return;
    }
    if (sw::ProtectedPaths::isProtected(path) || sw::ProtectedPaths::isKeepFolder(path, keep)) {
        logFailure(QStringLiteral("%1: protected folder").arg(path));
        return;
    }
    const bool whole = group.groupID == kTrashID || group.groupID == kDownloadsID || !S_ISDIR(st.st_mode);
    if (whole) {
        const bool trashed = group.groupID == kTrashID && ORLayout::isFreedesktop();
        removePath(path, trashed ? FreedesktopJunkLocations::trashInfoPath(path) : QString(), item.itemSize, record);
        return;
    }
    for (const QString &name : ORUtility::contentsOfFolder(path)) {
        const QString entry = path + QLatin1Char('/') + name;
        removePath(entry, QString(), measure(entry), record);
    }
}

bool ORJunkFilesCollection::removePath(const QString &path, const QString &trashInfo, qint64 size,
                                       ORJunkDataGroup &record)
{
    QString error;
    if (!sw::FileRemover::removeItem(path, &error)) {
        logFailure(error);
        return false;
    }
    if (!trashInfo.isEmpty())
        QFile::remove(trashInfo);
    m_delSize += size;
    ORjunkDataItem removed;
    removed.itemPath = path;
    removed.itemName = QFileInfo(path).fileName();
    removed.itemSize = size;
    record.groupItems.append(removed);
    record.groupSize += size;
    return true;
}
