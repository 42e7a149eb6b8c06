#include "ORJunkFilesCollection.h"

#include "FolderTree.h"
#include "JunkAdminRemoval.h"
#include "JunkNotifications.h"
#include "JunkOverlap.h"
#include "LogCategory.h"
#include "ORLayout.h"
#include "ORPrefConfig.h"
#include "ORSelection.h"
#include "ORUtility.h"
#include "ProtectedPaths.h"
#include "RemovalRun.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutexLocker>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcJunk, "sweepwright.junk", sw::logThreshold(QtDebugMsg))

using sw::JunkCandidate;
using sw::JunkCandidates;

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

sw::RemovalReport ORJunkFilesCollection::removalReport() const
{
    QMutexLocker lock(&m_mutex);
    return m_report;
}

std::shared_ptr<ORJunkData> ORJunkFilesCollection::scan(sw::JobControl &job)
{
    m_result.reset();  // a cancelled scan leaves nothing behind
    const std::shared_ptr<ORJunkData> data = collect(job);
    if (!data)
        return nullptr;
    return m_result.get([&data] { return data; });
}

std::shared_ptr<ORJunkData> ORJunkFilesCollection::startScan()
{
    sw::JobControl job;
    return collect(job);
}

std::shared_ptr<ORJunkData> ORJunkFilesCollection::collect(sw::JobControl &job)
{
    m_foundTotal = 0;
    m_job = &job;
    m_roots = std::make_unique<sw::CategoryRoots>(lcJunk);
    auto data = std::make_shared<ORJunkData>();
    for (const ORJunkCategory &category : ORJunkCategory::categories()) {
        if (job.isCancelled())
            break;
        if (!m_switchReader(category.switchKey))
            continue;
        data->junkGroups.append(scanCategory(category.groupID));
    }
    m_roots.reset();
    m_job = nullptr;
    if (job.isCancelled())
        return nullptr;
    data->junkTotalSize = sw::JunkOverlap::totalSize(*data);
    data->junkSelectedSize = sw::JunkOverlap::selectedSize(*data);
    job.setBytes(data->junkTotalSize);
    if (m_foundTotal != data->junkTotalSize)  // overlapping items counted once
        ORUtility::notifyProgressOnMainThread(sw::junknote::kSize, data->junkTotalSize);
    return data;
}

sw::CategoryRoots &ORJunkFilesCollection::scanRoots()
{
    // A category scanned on its own (outside startScan) gets roots of its own.
    if (!m_roots)
        m_roots = std::make_unique<sw::CategoryRoots>(lcJunk);
    return *m_roots;
}

ORJunkDataGroup ORJunkFilesCollection::scanCategory(qint64 groupID)
{
    const auto category = ORJunkCategory::byID(groupID);  // offered in this layout: it has locations
    return fillGroup(groupID, category ? category->locations(scanRoots()) : JunkCandidates());
}

ORJunkDataGroup ORJunkFilesCollection::fillGroup(qint64 groupID, const JunkCandidates &candidates)
{
    ORJunkDataGroup group = makeGroup(groupID);
    for (const JunkCandidate &c : candidates) {
        if (scanJob().isCancelled())
            break;
        addElementToGroup(group, c);
    }
    // Items only an administrator may remove, and some a category proposes,
    // start unmarked, so the flag follows the items when there are some.
    if (!group.groupItems.isEmpty() && group.isGroupDelFlag != 0)
        group.isGroupDelFlag = sw::selection::checkItemSelectStatus(group);
    group.groupSelectedSize = group.isGroupDelFlag == 0 ? 0 : sw::selection::markedSize(group);
    return group;
}

// In the freedesktop layout a system cache or log entry the user may not
// remove is still listed, for removal with administrator rights. An emptied
// folder needs write access to itself, anything else to its folder.
bool ORJunkFilesCollection::needsAdmin(const QString &path) const
{
    if (ORLayout::isMacOS() || ::geteuid() == 0)
        return false;
    if (ORUtility::isDirOfPath(path) && !ORUtility::isSymbolicLink(path))
        return ::eaccess(QFile::encodeName(path).constData(), W_OK | X_OK) != 0;
    return !ORUtility::isDeletableFileWithCurrentPermission(path);
}

bool ORJunkFilesCollection::addElementToGroup(ORJunkDataGroup &group, const QString &path, bool withDelRight)
{
    return addElementToGroup(group, JunkCandidate{QFileInfo(path).path(), path, withDelRight, {}, {}});
}

bool ORJunkFilesCollection::addElementToGroup(ORJunkDataGroup &group, const JunkCandidate &candidate)
{
    const QString &path = candidate.path;
    sw::JobControl &job = scanJob();
    ORUtility::notifyProgressOnMainThread(sw::junknote::kTitle, path);
    job.setCurrentPath(path);
    job.addItems();
    const sw::FolderTree::Watch watch = [&job](qint64) {
        job.addItems();
        return !job.isCancelled();
    };
    sw::CategoryRoots &roots = scanRoots();
    const sw::AnchoredRoot *root = roots.open(candidate.root, ORJunkCategory::userFoldersOf(group.groupID));
    const std::optional<QByteArray> relative = root ? root->relativeOf(path) : std::nullopt;
    if (!relative || relative->isEmpty() || sw::ProtectedPaths::isProtected(path)
        || sw::ProtectedPaths::isProtected(root->realPathOf(*relative)))
        return false;
    ORjunkDataItem item;
    item.itemPath = path;
    item.itemName = QFileInfo(path).fileName();
    item.itemIconPath = path;
    item.itemOwner = candidate.owner;
    item.itemRoot = root->path();
    item.itemSize = root->measure(path, watch);
    if (!candidate.companion.isEmpty()) {
        if (const sw::AnchoredRoot *companionRoot = roots.open(candidate.companionRoot)) {
            item.companionRoot = companionRoot->path();
            item.companionPath = candidate.companion;
            item.itemSize += companionRoot->measure(candidate.companion, watch);
        }
    }
    if (job.isCancelled())
        return false;  // measured partly: the figure means nothing
    item.needsAdmin = !candidate.withDelRight && needsAdmin(path);
    const auto category = ORJunkCategory::byID(group.groupID);
    item.isDel = (!category || category->initiallyMarked) && candidate.initiallyMarked && !item.needsAdmin;
    item.isVisible = true;
    if (item.itemSize <= 0 || (candidate.withDelRight && !ORUtility::isDeletableFileWithCurrentPermission(path)))
        return false;
    group.groupSize += item.itemSize;
    group.groupItems.append(item);
    m_foundTotal += item.itemSize;
    job.setBytes(m_foundTotal);
    ORUtility::notifyProgressOnMainThread(sw::junknote::kSize, m_foundTotal);
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

ORJunkDataGroup ORJunkFilesCollection::getAppJunks()
{
    return scanCategory(sw::junk::AppJunk);
}

ORJunkDataGroup ORJunkFilesCollection::getLeftOver()
{
    return scanCategory(sw::junk::Leftovers);
}

ORJunkDataGroup ORJunkFilesCollection::getSysCache()
{
    return scanCategory(sw::junk::SysCache);
}

ORJunkDataGroup ORJunkFilesCollection::getSysLog()
{
    return scanCategory(sw::junk::SysLog);
}

ORJunkDataGroup ORJunkFilesCollection::getMailJunk()
{
    return scanCategory(sw::junk::Mail);
}

ORJunkDataGroup ORJunkFilesCollection::getItuneJunk()
{
    return scanCategory(sw::junk::ITunes);
}

ORJunkDataGroup ORJunkFilesCollection::getIOSBackups()
{
    return scanCategory(sw::junk::IOSBackups);
}

ORJunkDataGroup ORJunkFilesCollection::getIOSUpdates()
{
    return scanCategory(sw::junk::IOSUpdates);
}

ORJunkDataGroup ORJunkFilesCollection::getTrashJunk()
{
    return scanCategory(sw::junk::Trash);
}

ORJunkDataGroup ORJunkFilesCollection::getDownloadJunk()
{
    return scanCategory(sw::junk::Downloads);
}

ORJunkDataGroup ORJunkFilesCollection::getXcodeJunk()
{
    return scanCategory(sw::junk::Xcode);
}

ORJunkDataGroup ORJunkFilesCollection::getBrowserJunk()
{
    return scanCategory(sw::junk::Browser);
}

namespace {
// The removal record of a group: what went, with the bytes that went.
void recordRemoval(ORJunkDataGroup &record, const ORjunkDataItem &item, qint64 removed)
{
    if (removed <= 0)
        return;
    ORjunkDataItem gone;
    gone.itemPath = item.itemPath;
    gone.itemName = item.itemName;
    gone.itemSize = removed;
    record.groupItems.append(gone);
    record.groupSize += removed;
}
}  // namespace

void ORJunkFilesCollection::publishRemoval(QList<ORJunkDataGroup> removed, sw::RemovalReport report)
{
    QMutexLocker lock(&m_mutex);
    m_junkDataDel = std::move(removed);
    m_report = std::move(report);
}

void ORJunkFilesCollection::deleteJunks()
{
    sw::JobControl job;
    remove(job);
}

sw::RemovalReport ORJunkFilesCollection::remove(sw::JobControl &job)
{
    publishRemoval({}, {});  // a removal that takes nothing reports nothing
    const std::shared_ptr<ORJunkData> data = tempJunkData();
    if (!data)
        return {};
    qint64 selected = 0;
    for (const ORJunkDataGroup &group : std::as_const(data->junkGroups))
        if (group.isGroupDelFlag != 0)
            selected += group.groupSelectedSize;
    if (selected <= 0)
        return {};
    sw::RemovalRun run(lcJunk);
    // Bytes count up entry by entry while a folder is emptied and are set
    // from the report after each item, so they end exactly at what went.
    const qint64 startBytes = job.progress().bytes;
    run.setWatch([&job](qint64 bytes) {
        job.addBytes(bytes);
        return !job.isCancelled();
    });
    const auto settle = [&] { job.setBytes(startBytes + run.report().removedBytes()); };
    sw::JunkAdminRemoval admin(m_adminRemoval);
    QList<ORJunkDataGroup> removed;
    for (const ORJunkDataGroup &group : std::as_const(data->junkGroups)) {
        if (group.isGroupDelFlag == 0 || job.isCancelled())
            continue;
        const auto mode = ORJunkCategory::removesWhole(group.groupID) ? sw::RemovalRun::Mode::Whole
                                                                      : sw::RemovalRun::Mode::Contents;
        ORJunkDataGroup record = ORJunkDataGroup::initJunkGroupWithID(group.groupID);
        record.groupName = group.groupName;
        for (const ORjunkDataItem &item : group.groupItems) {
            if (job.isCancelled())
                break;
            if (!item.isDel || !item.isVisible)
                continue;
            if (item.needsAdmin) {
                admin.add(group.groupID, item);  // after the user's own items
                continue;
            }
            job.setCurrentPath(item.itemPath);
            const sw::RemovalOutcome &outcome = run.remove(item.itemRoot, item.itemPath, mode, item.itemSize,
                                                           ORJunkCategory::userFoldersOf(group.groupID));
            if (outcome.ok() && !item.companionPath.isEmpty())
                run.removeCompanion(item.companionRoot, item.companionPath, 0);
            const sw::RemovalOutcome &done = run.report().outcomes().constLast();
            recordRemoval(record, item, done.removed);
            if (done.ok())
                job.addItems();
            settle();
        }
        removed.append(record);
    }
    // The password prompt is not put to a user who asked to stop.
    if (!job.isCancelled()) {
        for (const auto &[groupID, item] : admin.run(run)) {
            job.addItems();
            for (ORJunkDataGroup &record : removed)
                if (record.groupID == groupID)
                    recordRemoval(record, item, item.itemSize);
        }
        settle();
    }
    removed.removeIf([](const ORJunkDataGroup &record) { return record.groupSize <= 0; });
    sw::RemovalReport report = run.report();
    publishRemoval(std::move(removed), report);
    return report;
}
