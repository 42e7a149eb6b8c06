// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/ORJunkFilesCollection.h"

#include "core/foundation/MarkedRemoval.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORSelection.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/TitlePoster.h"
#include "core/fs/FolderNames.h"
#include "core/fs/FolderTree.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/RemovalRun.h"
#include "core/junk/JunkNotifications.h"
#include "core/junk/JunkOverlap.h"
#include "core/junk/TrashDeletionDate.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutexLocker>

#include <cstring>

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
    m_protectedPaths = std::make_unique<sw::ProtectedPaths::Cache>();
    m_keepList = sw::KeepList::current();
    m_scanAges = m_ageRules.value_or(sw::JunkAgeRules::fromSettings());
    m_scanStart = QDateTime::currentSecsSinceEpoch();
    auto data = std::make_shared<ORJunkData>();
    for (const ORJunkCategory &category : ORJunkCategory::categories()) {
        if (job.isCancelled())
            break;
        if (!m_switchReader(category.switchKey))
            continue;
        data->junkGroups.append(scanCategory(category.groupID));
    }
    m_roots.reset();
    m_protectedPaths.reset();
    m_keepList = sw::KeepList();
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

// Both are made by collect() for the scan it runs; only its steps ask.
sw::CategoryRoots &ORJunkFilesCollection::scanRoots()
{
    return *m_roots;
}

sw::ProtectedPaths::Cache &ORJunkFilesCollection::scanProtectedPaths()
{
    return *m_protectedPaths;
}

ORJunkDataGroup ORJunkFilesCollection::scanCategory(qint64 groupID)
{
    const auto category = ORJunkCategory::byID(groupID);  // offered in this layout: it has locations
    return fillGroup(groupID, category ? category->locations(scanRoots()) : JunkCandidates());
}

// What a group's category says of every candidate: looked up once, not per entry.
struct ORJunkFilesCollection::GroupRules
{
    QStringList userFolders;
    bool initiallyMarked = true;
    // Items count only when they last changed before it.
    std::optional<qint64> changedBefore;

    GroupRules(qint64 groupID, const sw::JunkAgeRules &ages, qint64 now)
        : userFolders(ORJunkCategory::userFoldersOf(groupID)), changedBefore(ages.changedBefore(groupID, now))
    {
        const auto category = ORJunkCategory::byID(groupID);
        initiallyMarked = !category || category->initiallyMarked;
    }
};

ORJunkDataGroup ORJunkFilesCollection::fillGroup(qint64 groupID, const JunkCandidates &candidates)
{
    ORJunkDataGroup group = makeGroup(groupID);
    group.olderThanDays = m_scanAges.days(groupID);
    if (group.olderThanDays > 0)
        group.groupInfo += QLatin1Char(' ')
                           + QCoreApplication::translate("ORJunkFilesCollection",
                                                         "Only items older than %n day(s) are listed.", nullptr,
                                                         int(group.olderThanDays));
    const GroupRules rules(groupID, m_scanAges, m_scanStart);
    sw::TitlePoster title(sw::junknote::kTitle, &scanJob());
    for (const JunkCandidate &c : candidates) {
        if (scanJob().isCancelled())
            break;
        addCandidate(group, c, rules, title);
    }
    title.flush();
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

// What path counts for below root; nothing when it does not lie below it
// or is protected. Most candidates are what a listing of their root found:
// those are judged by their name and measured through the root's own
// descriptor, with one statx for a file.
std::optional<sw::FolderTree::Measured> ORJunkFilesCollection::measureBelow(const sw::AnchoredRoot &root,
                                                                            const QString &path,
                                                                            const sw::FolderTree::Watch &watch)
{
    if (const QStringView name = root.entryName(path); !name.isEmpty()) {
        if (scanProtectedPaths().isProtectedEntry(root.path(), root.realPath(), name))
            return std::nullopt;
        return root.measureEntryWithNewest(name.toLocal8Bit(), watch);
    }
    const std::optional<QByteArray> relative = root.relativeOf(path);
    if (!relative || relative->isEmpty() || sw::ProtectedPaths::isProtected(path)
        || sw::ProtectedPaths::isProtected(root.realPathOf(*relative)))
        return std::nullopt;
    return root.measureWithNewest(path, watch);
}

// Whether an item whose newest change is newest passes its category's age
// rule. A Trash item's age is its deletion date; without one it is new.
bool ORJunkFilesCollection::oldEnough(const GroupRules &rules, const JunkCandidate &candidate, qint64 newest,
                                      const sw::AnchoredRoot &root, const QString &path,
                                      const sw::AnchoredRoot *companionRoot)
{
    if (!rules.changedBefore)
        return true;
    std::optional<qint64> changed = newest;
    if (candidate.agedByDeletion)
        changed = companionRoot ? sw::TrashDeletionDate::read(*companionRoot, candidate.companion)
                                : sw::TrashDeletionDate::read(root, path);
    return changed && *changed < *rules.changedBefore;
}

bool ORJunkFilesCollection::addCandidate(ORJunkDataGroup &group, const JunkCandidate &candidate,
                                         const GroupRules &rules, sw::TitlePoster &title)
{
    if (candidate.listing)
        return addListing(group, candidate, rules, title);
    const QString &path = candidate.path;
    sw::JobControl &job = scanJob();
    title.post(path);  // one of a few, and perhaps a big folder: shown right away
    job.addItems();
    const sw::FolderTree::Watch watch = countingWatch(job, title);
    sw::CategoryRoots &roots = scanRoots();
    const sw::AnchoredRoot *root = roots.open(candidate.root, rules.userFolders);
    const std::optional<sw::FolderTree::Measured> size = root ? measureBelow(*root, path, watch) : std::nullopt;
    if (!size)
        return false;
    const sw::AnchoredRoot *companionRoot =
        candidate.companion.isEmpty() ? nullptr : roots.open(candidate.companionRoot);
    if (!oldEnough(rules, candidate, size->newest, *root, path, companionRoot))
        return false;
    ORjunkDataItem item;
    item.itemSize = size->bytes;
    if (companionRoot) {
        item.companionRoot = companionRoot->path();
        item.companionPath = candidate.companion;
        item.itemSize += companionRoot->measure(candidate.companion, watch);
    }
    return keep(group, candidate, path, *root, rules, std::move(item));
}

// The entries of a listing, each judged by its raw name and measured through
// the root's descriptor: a path and an item are made only for those kept,
// and one title in many is posted.
bool ORJunkFilesCollection::addListing(ORJunkDataGroup &group, const JunkCandidate &listing,
                                       const GroupRules &rules, sw::TitlePoster &title)
{
    const sw::AnchoredRoot *root = scanRoots().openListed(listing.root, rules.userFolders);
    if (!root)
        return false;
    sw::FolderNames names(root->fd());
    const sw::ProtectedPaths::Cache::Entries protectedEntries =
        scanProtectedPaths().entries(root->path(), root->realPath());
    const QByteArray folder = QFile::encodeName(root->path());
    sw::JobControl &job = scanJob();
    const sw::FolderTree::Watch watch = countingWatch(job, title);
    bool added = false;
    while (const char *name = names.next()) {
        if (job.isCancelled())
            break;
        const QByteArray raw = QByteArray::fromRawData(name, qsizetype(std::strlen(name)));
        if ((listing.skipDSStore && raw == ".DS_Store") || !sw::FolderNames::isRepresentable(raw))
            continue;
        title.offer(folder, name);
        job.addItems();
        if (protectedEntries.all
            || (!protectedEntries.names.isEmpty() && protectedEntries.contains(QFile::decodeName(raw))))
            continue;
        const sw::FolderTree::Measured size = root->measureEntryWithNewest(raw, watch);
        if (size.bytes <= 0)
            continue;
        const QString path = listing.root + QLatin1Char('/') + QFile::decodeName(raw);
        if (!oldEnough(rules, listing, size.newest, *root, path, nullptr))
            continue;
        ORjunkDataItem item;
        item.itemSize = size.bytes;
        added |= keep(group, listing, path, *root, rules, std::move(item));
    }
    return added;
}

// Counts the entries of a folder being measured, shows the folder's path
// when its measure takes long, and stops it when the scan is cancelled.
sw::FolderTree::Watch ORJunkFilesCollection::countingWatch(sw::JobControl &job, sw::TitlePoster &title)
{
    return [&job, &title](qint64) {
        job.addItems();
        title.poll();
        return !job.isCancelled();
    };
}

// Makes the measured item of a candidate at path part of group; false when
// it is not kept.
bool ORJunkFilesCollection::keep(ORJunkDataGroup &group, const JunkCandidate &candidate, const QString &path,
                                 const sw::AnchoredRoot &root, const GroupRules &rules, ORjunkDataItem item)
{
    sw::JobControl &job = scanJob();
    // Measured partly when cancelled: the figure means nothing.
    if (job.isCancelled() || item.itemSize <= 0
        || (candidate.withDelRight && !ORUtility::isDeletableFileWithCurrentPermission(path)))
        return false;
    if (const QString kept = m_keepList.refusal(path); !kept.isEmpty()) {
        qCDebug(lcJunk).noquote() << QStringLiteral("Not listing %1: %2").arg(path, kept);
        return false;
    }
    item.itemPath = path;
    item.itemName = QFileInfo(path).fileName();
    item.itemIconPath = path;
    item.itemOwner = candidate.owner;
    item.itemRoot = root.path();
    item.needsAdmin = !candidate.withDelRight && needsAdmin(path);
    item.isDel = rules.initiallyMarked && candidate.initiallyMarked && !item.needsAdmin;
    item.isVisible = true;
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

// How a marked item goes: below the root it was found in, whole or emptied
// as its category says, with its Trash info file, by the administrator when
// the user's rights cannot take it.
sw::MarkedRemoval::Item ORJunkFilesCollection::removalOf(qint64 groupID, const ORjunkDataItem &item)
{
    using sw::MarkedRemoval;
    return {{item.itemRoot, item.itemPath,
             ORJunkCategory::removesWhole(groupID) ? sw::RemovalRun::Mode::Whole : sw::RemovalRun::Mode::Contents,
             item.itemSize, ORJunkCategory::userFoldersOf(groupID)},
            item.needsAdmin ? MarkedRemoval::Rights::Admin : MarkedRemoval::Rights::Own,
            item.companionRoot,
            item.companionPath};
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
    // The marked, visible items of the flagged groups, and where each one's
    // record is kept (a group's record, the item).
    QList<sw::MarkedRemoval::Item> items;
    QList<std::pair<qsizetype, const ORjunkDataItem *>> origins;
    QList<ORJunkDataGroup> removed;
    for (const ORJunkDataGroup &group : std::as_const(data->junkGroups)) {
        if (group.isGroupDelFlag == 0)
            continue;
        removed.append(ORJunkDataGroup::initJunkGroupWithID(group.groupID));
        removed.last().groupName = group.groupName;
        for (const ORjunkDataItem &item : group.groupItems) {
            if (item.isDel && item.isVisible) {
                items.append(removalOf(group.groupID, item));
                origins.append({removed.size() - 1, &item});
            }
        }
    }
    sw::MarkedRemoval removal(lcJunk);
    removal.setAdminAllowed(m_adminRemoval);
    for (const auto &[index, bytes] : removal.removeMarked(items, job))
        recordRemoval(removed[origins.at(index).first], *origins.at(index).second, bytes);
    removed.removeIf([](const ORJunkDataGroup &record) { return record.groupSize <= 0; });
    publishRemoval(std::move(removed), removal.report());
    return removal.report();
}
