// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/ORExtDataCollection.h"

#include "core/extensions/ExtNotifications.h"
#include "core/foundation/MarkedRemoval.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcExt, "sweepwright.extensions", sw::logThreshold(QtDebugMsg))

namespace {

bool existsAt(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The removal record: what went, with the bytes that went, each item once
// (an add-on finished with administrator rights adds to its first entry).
void recordRemoval(ORExtGroup &record, const ORExtItem &item, qint64 removed)
{
    if (removed <= 0)
        return;
    record.groupSize += removed;
    for (ORExtItem &listed : record.groupItems)
        if (listed.itemPath == item.itemPath) {
            listed.itemSize += removed;
            return;
        }
    ORExtItem gone = item;
    gone.itemSize = removed;
    gone.isDel = false;
    record.groupItems.append(gone);
}

}  // namespace

ORExtDataCollection &ORExtDataCollection::shareInstance()
{
    static ORExtDataCollection instance;
    return instance;
}

ORExtDataCollection::ORExtDataCollection()
    : m_switchReader([](const QString &key) { return ORPrefConfig::boolForKey(key); }),
      m_adminRule([](const QString &path) {
          return ::geteuid() != 0 && existsAt(path) && !ORUtility::isDeletableFileWithCurrentPermission(path);
      })
{
}

void ORExtDataCollection::setSwitchReader(SwitchReader reader)
{
    m_switchReader = std::move(reader);
}

void ORExtDataCollection::setAdminRule(AdminRule rule)
{
    m_adminRule = std::move(rule);
}

std::shared_ptr<ORExtData> ORExtDataCollection::extData()
{
    return m_result.get([this] { return startScan(); });
}

std::shared_ptr<ORExtData> ORExtDataCollection::tempExtData() const
{
    return m_result.temp();
}

void ORExtDataCollection::startOver()
{
    m_result.reset();
    QMutexLocker lock(&m_mutex);
    m_extDataDel.clear();
    m_itemRoots.clear();
}

qint64 ORExtDataCollection::delSize() const
{
    return removalReport().removedBytes();
}

ORExtGroup ORExtDataCollection::delGroup() const
{
    QMutexLocker lock(&m_mutex);
    return m_delGroup;
}

QList<ORExtGroup> ORExtDataCollection::extDataDel() const
{
    QMutexLocker lock(&m_mutex);
    return m_extDataDel;
}

sw::RemovalReport ORExtDataCollection::removalReport() const
{
    QMutexLocker lock(&m_mutex);
    return m_report;
}

std::shared_ptr<ORExtData> ORExtDataCollection::scan(sw::JobControl &job)
{
    m_result.reset();  // a cancelled scan leaves nothing behind
    const std::shared_ptr<ORExtData> data = collect(job);
    if (!data)
        return nullptr;
    return m_result.get([&data] { return data; });
}

std::shared_ptr<ORExtData> ORExtDataCollection::startScan()
{
    sw::JobControl job;
    return collect(job);
}

std::shared_ptr<ORExtData> ORExtDataCollection::collect(sw::JobControl &job)
{
    m_job = &job;
    {
        QMutexLocker lock(&m_mutex);
        m_itemRoots.clear();
    }
    auto data = std::make_shared<ORExtData>();
    for (const ORExtCategory &category : ORExtCategory::categories()) {
        if (job.isCancelled())
            break;
        if (m_switchReader(category.skipKey))
            continue;
        data->extGroups.append(scanCategory(category.groupID));
        data->extTotalSize += data->extGroups.constLast().groupSize;
    }
    m_job = nullptr;
    if (job.isCancelled())
        return nullptr;
    job.setBytes(data->extTotalSize);
    return data;
}

ORExtGroup ORExtDataCollection::scanCategory(qint64 groupID)
{
    ORExtGroup group = ORExtGroup::initFromGroupID(groupID);
    const std::optional<ORExtCategory> category = ORExtCategory::byID(groupID);
    if (!category)
        return group;
    group.groupName = category->groupName();
    group.groupInfo = category->groupInfo();
    sw::JobControl &job = scanJob();
    const sw::FolderTree::Watch watch = [&job](qint64) {
        job.addItems();
        return !job.isCancelled();
    };
    sw::CategoryRoots roots(lcExt);
    QSet<QString> seen;  // real paths: one add-on reached through two folders is listed once
    QHash<QString, QString> itemRoots;
    for (const sw::ext::Candidate &candidate : category->locations(roots)) {
        if (job.isCancelled())
            break;
        const sw::AnchoredRoot *root = roots.open(candidate.root);
        const std::optional<QByteArray> relative = root ? root->relativeOf(candidate.path) : std::nullopt;
        if (!relative || relative->isEmpty())
            continue;
        const QString real = root->realPathOf(*relative);
        if (sw::ProtectedPaths::isProtected(candidate.path) || sw::ProtectedPaths::isProtected(real)
            || seen.contains(real))
            continue;
        seen.insert(real);
        ORUtility::notifyProgressOnMainThread(sw::extnote::kTitle, candidate.path);
        job.setCurrentPath(candidate.path);
        job.addItems();
        ORExtItem item;
        item.itemPath = candidate.path;
        item.itemName = candidate.name.isEmpty() ? QFileInfo(candidate.path).completeBaseName() : candidate.name;
        item.itemOwner = candidate.owner.isEmpty() ? category->ownerName() : candidate.owner;
        item.itemProfile = candidate.profile;
        item.itemEnabled = candidate.enabled;
        item.itemSize = root->measure(candidate.path, watch);
        if (item.itemSize <= 0 || job.isCancelled())
            continue;
        group.groupSize += item.itemSize;
        group.groupItems.append(item);
        itemRoots.insert(item.itemPath, root->path());
        job.addBytes(item.itemSize);
    }
    QMutexLocker lock(&m_mutex);
    m_itemRoots.insert(itemRoots);
    return group;
}

ORExtGroup ORExtDataCollection::getExtensions()
{
    return scanCategory(sw::ext::Extensions);
}

ORExtGroup ORExtDataCollection::getPreference()
{
    return scanCategory(sw::ext::Preferences);
}

ORExtGroup ORExtDataCollection::getInternetPI()
{
    return scanCategory(sw::ext::Internet);
}

ORExtGroup ORExtDataCollection::getQuickLookPI()
{
    return scanCategory(sw::ext::QuickLook);
}

ORExtGroup ORExtDataCollection::getSpotLightPI()
{
    return scanCategory(sw::ext::Spotlight);
}

void ORExtDataCollection::deleteExtensions()
{
    sw::JobControl job;
    remove(job);
}

sw::RemovalReport ORExtDataCollection::remove(sw::JobControl &job)
{
    const std::shared_ptr<ORExtData> data = tempExtData();
    qint64 selected = 0;
    if (data)
        for (const ORExtGroup &group : std::as_const(data->extGroups))
            if (group.isGroupDelFlag != 0)
                selected += group.groupSelectedSize;
    {
        QMutexLocker lock(&m_mutex);
        m_report.clear();  // delSize 0; the previous record stays when nothing is selected
    }
    if (selected < 1)
        return {};
    QHash<QString, QString> itemRoots;
    {
        QMutexLocker lock(&m_mutex);
        itemRoots = m_itemRoots;
    }
    // An add-on goes whole, below the root it was found in. What the user's
    // rights cannot take (a folder of another owner inside it) goes with
    // administrator rights.
    using sw::MarkedRemoval;
    QList<MarkedRemoval::Item> items;
    QList<const ORExtItem *> origins;
    ORExtGroup record = ORExtGroup::initFromGroupID(0);
    for (const ORExtGroup &group : std::as_const(data->extGroups)) {
        if (group.isGroupDelFlag == 0)
            continue;
        record.groupID = group.groupID;
        for (const ORExtItem &item : group.groupItems) {
            if (!item.isDel)
                continue;
            const QString root = itemRoots.value(item.itemPath, QFileInfo(item.itemPath).path());
            const auto rights = m_adminRule(item.itemPath) ? MarkedRemoval::Rights::Admin
                                                           : MarkedRemoval::Rights::OwnThenAdmin;
            items.append({{root, item.itemPath, sw::RemovalRun::Mode::Whole, item.itemSize, {}}, rights, {}, {}});
            origins.append(&item);
        }
    }
    MarkedRemoval removal(lcExt);
    for (const auto &[index, bytes] : removal.removeMarked(items, job))
        recordRemoval(record, *origins.at(index), bytes);
    QMutexLocker lock(&m_mutex);
    m_delGroup = record;
    m_extDataDel.clear();
    if (record.groupSize > 0)
        m_extDataDel.append(record);
    m_report = removal.report();
    return m_report;
}
