// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/ORAppDataCollection.h"

#include "core/foundation/ORUtility.h"
#include "core/fs/CategoryRoots.h"
#include "core/fs/FolderTree.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/RemovalRun.h"
#include "core/fs/UniqueFd.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/AppImageSource.h"
#include "core/uninst/AppNotifications.h"
#include "core/uninst/AppRemoval.h"
#include "core/uninst/DpkgAppSource.h"
#include "core/uninst/FlatpakAppSource.h"
#include "core/uninst/HomeAppSource.h"
#include "core/uninst/LeftoverFinder.h"
#include "core/uninst/LeftoverKinds.h"
#include "core/uninst/MacAppSource.h"
#include "core/uninst/PackageKitAppSource.h"
#include "core/uninst/UninstLog.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <fcntl.h>

Q_LOGGING_CATEGORY(lcUninst, "sweepwright.uninst", sw::logThreshold(QtDebugMsg))

using sw::AppItemOrigin;
using sw::InstalledApp;

ORAppDataCollection &ORAppDataCollection::shareInstance()
{
    static ORAppDataCollection instance;
    return instance;
}

ORAppDataCollection::ORAppDataCollection() = default;
ORAppDataCollection::~ORAppDataCollection() = default;

std::shared_ptr<ORAppData> ORAppDataCollection::appData()
{
    return m_result.get([this] { return startScan(); });
}

std::shared_ptr<ORAppData> ORAppDataCollection::tempAppData() const
{
    return m_result.temp();
}

void ORAppDataCollection::startOver()
{
    m_result.reset();
    QMutexLocker lock(&m_mutex);
    m_appArray.clear();
    m_apps.clear();
    m_origins.clear();
}

QStringList ORAppDataCollection::appArray() const
{
    QMutexLocker lock(&m_mutex);
    return m_appArray;
}

std::shared_ptr<ORAppData> ORAppDataCollection::scan(sw::JobControl &job)
{
    startOver();  // a cancelled scan leaves nothing behind
    const std::shared_ptr<ORAppData> data = collect(job);
    if (!data)
        return nullptr;
    return m_result.get([&data] { return data; });
}

std::shared_ptr<ORAppData> ORAppDataCollection::startScan()
{
    return scanApp();
}

std::shared_ptr<ORAppData> ORAppDataCollection::scanApp()
{
    sw::JobControl job;
    return collect(job);
}

std::shared_ptr<ORAppData> ORAppDataCollection::collect(sw::JobControl &job)
{
    m_job = &job;
    m_foundTotal = 0;
    m_roots = std::make_unique<sw::CategoryRoots>(lcUninst);
    {
        QMutexLocker lock(&m_mutex);
        m_origins.clear();
    }
    auto data = std::make_shared<ORAppData>();
    sw::InstalledApps apps = getAppWithContent();
    // Whether a leftover is an application's alone is judged against all of
    // them, those not listed included.
    QStringList installations;
    for (const auto &installation : sw::FlatpakAppSource::installations())
        installations.append(installation.path);
    m_finder = std::make_unique<sw::LeftoverFinder>(apps, installations);
    m_keepList = sw::KeepList::current();
    apps.removeIf([](const InstalledApp &app) { return !app.shown; });
    for (const InstalledApp &app : std::as_const(apps)) {
        if (job.isCancelled())
            break;
        ORUtility::notifyProgressOnMainThread(sw::appnote::kTitle, app.bundlePath);
        job.setCurrentPath(app.bundlePath);
        data->appGroups.append(groupFor(app));
        data->appTotalSize += data->appGroups.constLast().groupSize;
    }
    m_roots.reset();
    m_finder.reset();
    m_keepList = sw::KeepList();
    m_job = nullptr;
    if (job.isCancelled())
        return nullptr;
    QMutexLocker lock(&m_mutex);
    m_apps = apps;
    return data;
}

sw::CategoryRoots &ORAppDataCollection::scanRoots()
{
    if (!m_roots)
        m_roots = std::make_unique<sw::CategoryRoots>(lcUninst);
    return *m_roots;
}

sw::InstalledApps ORAppDataCollection::getAppWithContent(const QString &folder)
{
    sw::JobControl &job = scanJob();
    sw::InstalledApps apps;
    if (ORLayout::isMacOS()) {
        apps = sw::MacAppSource::find(job, folder);
    } else {
        apps = sw::FlatpakAppSource::find(job);
        apps += sw::AppImageSource::find(job);
        apps += sw::HomeAppSource::find(job);
        // Chosen once per scan: an item remembers which way it is removed.
        const std::optional<sw::InstalledApps> packaged = sw::PackageKitAppSource::find(job);
        apps += packaged ? *packaged : sw::DpkgAppSource::find(job);
    }
    QStringList paths;
    for (const InstalledApp &app : std::as_const(apps)) {
        if (!app.shown)
            continue;
        ORUtility::notifyProgressOnMainThread(sw::appnote::kTitle, app.bundlePath);
        paths.append(app.bundlePath);
    }
    QMutexLocker lock(&m_mutex);
    m_appArray = paths;
    return apps;
}

ORAppDataGroup ORAppDataCollection::groupFor(const InstalledApp &app)
{
    ORAppDataGroup group;
    group.groupName = app.groupName;
    group.appSource = app.source;
    group.appIcon = app.icon;
    group.appIdentifier = app.identifier.isEmpty() ? app.desktopId : app.identifier;
    addBundleItem(app, group);
    getAppCache(app, group);
    getAppSupprt(app, group);
    getAppPreference(app, group);
    return group;
}

void ORAppDataCollection::addBundleItem(const InstalledApp &app, ORAppDataGroup &group)
{
    switch (app.kind) {
    case InstalledApp::Kind::Bundle:
        if (addItemToGroup(app.bundlePath, group, app.bundleRoot))
            group.groupItems.last().kind = sw::AppItemKind::App;
        return;
    case InstalledApp::Kind::Debian:
    case InstalledApp::Kind::Package:
        appendItem(group, app.bundlePath, app.packageSize, {app.kind, {}, app.identifier, {}, app.packageId});
        return;
    case InstalledApp::Kind::Flatpak: {
        // Only measured: the deployment lies in a system folder nothing deletes.
        sw::JobControl &job = scanJob();
        const sw::UniqueFd folder(::open(QFile::encodeName(app.bundlePath).constData(),
                                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder)
            return;
        const qint64 size = sw::FolderTree::measure(folder.get(), [&job](qint64) {
            job.addItems();
            return !job.isCancelled();
        });
        if (!job.isCancelled())
            appendItem(group, app.bundlePath, size, {app.kind, {}, app.identifier, app.installation, {}});
        return;
    }
    }
}

void ORAppDataCollection::getAppCache(const InstalledApp &app, ORAppDataGroup &group)
{
    if (m_finder)  // made by a scan, for the applications it lists
        addCandidates(m_finder->caches(app), group);
}

void ORAppDataCollection::getAppSupprt(const InstalledApp &app, ORAppDataGroup &group)
{
    if (!m_finder)  // made by a scan, for the applications it lists
        return;
    const QString sandbox = ORLayout::homePath(QStringLiteral(".var/app/")) + app.identifier;
    for (const QString &path : m_finder->support(app)) {
        if (scanJob().isCancelled())
            return;
        if (app.kind == InstalledApp::Kind::Flatpak && path == sandbox)
            addSandboxFolders(path, group);
        else
            addLeftover(path, group);
    }
}

// A Flatpak's HOME/.var/app/ID is listed by what it holds (cache, config,
// data, ...), so that its caches and settings can go without its data. Each
// is reached below HOME/.var/app, where ID itself is never followed as a
// link; a sandbox folder that is no folder is listed whole.
void ORAppDataCollection::addSandboxFolders(const QString &sandbox, ORAppDataGroup &group)
{
    const QString base = QFileInfo(sandbox).path();
    const sw::AnchoredRoot *root = scanRoots().open(base);
    const sw::UniqueFd folder = root ? root->openFolder(QFile::encodeName(QFileInfo(sandbox).fileName())) : sw::UniqueFd();
    const std::optional<QStringList> names = folder ? sw::FolderTree::names(folder.get()) : std::nullopt;
    if (!names) {
        addLeftover(sandbox, group);
        return;
    }
    for (const QString &name : *names)
        addLeftover(sandbox + QLatin1Char('/') + name, group, base);
}

void ORAppDataCollection::getAppPreference(const InstalledApp &app, ORAppDataGroup &group)
{
    if (m_finder)  // made by a scan, for the applications it lists
        addCandidates(m_finder->preferences(app), group);
}

void ORAppDataCollection::addCandidates(const QStringList &candidates, ORAppDataGroup &group)
{
    for (const QString &path : candidates) {
        if (scanJob().isCancelled())
            return;
        addLeftover(path, group);
    }
}

bool ORAppDataCollection::addLeftover(const QString &path, ORAppDataGroup &group, const QString &root)
{
    if (const QString kept = m_keepList.refusal(path); !kept.isEmpty()) {
        qCDebug(lcUninst).noquote() << QStringLiteral("Not listing %1: %2").arg(path, kept);
        return false;
    }
    return addItemToGroup(path, group, root);
}

bool ORAppDataCollection::addItemToGroup(const QString &path, ORAppDataGroup &group, const QString &root)
{
    sw::JobControl &job = scanJob();
    job.addItems();
    // Leftovers directly in the home (HOME/.E) are anchored at the home, which
    // then reaches its hidden entries and nothing else.
    const sw::AnchoredRoot *anchor = scanRoots().open(root.isEmpty() ? QFileInfo(path).path() : root,
                                                      {sw::CategoryRoots::kHomeEntries});
    const std::optional<QByteArray> relative = anchor ? anchor->relativeOf(path) : std::nullopt;
    if (!relative || relative->isEmpty() || sw::ProtectedPaths::isProtected(path)
        || sw::ProtectedPaths::isProtected(anchor->realPathOf(*relative)))
        return false;
    const qint64 size = anchor->measure(path, [&job](qint64) {
        job.addItems();
        return !job.isCancelled();
    });
    if (job.isCancelled())
        return false;  // measured partly: the figure means nothing
    return appendItem(group, path, size, {InstalledApp::Kind::Bundle, anchor->path(), {}, {}, {}});
}

bool ORAppDataCollection::appendItem(ORAppDataGroup &group, const QString &path, qint64 size,
                                     const AppItemOrigin &origin)
{
    // One path is one item, however many names led to it.
    const bool listed = std::any_of(group.groupItems.cbegin(), group.groupItems.cend(),
                                    [&path](const ORAppDataItem &item) { return item.itemPath == path; });
    if (size <= 0 || listed)
        return false;
    ORAppDataItem item;
    item.itemPath = path;
    item.itemSize = size;
    item.kind = sw::LeftoverKinds::kindOf(path);
    if (origin.kind != InstalledApp::Kind::Bundle) {
        item.itemName = origin.identifier;
        item.kind = sw::AppItemKind::App;
    }
    group.groupItems.append(item);
    group.groupSize += size;
    {
        QMutexLocker lock(&m_mutex);
        m_origins.insert(path, origin);
    }
    m_foundTotal += size;
    scanJob().setBytes(m_foundTotal);
    return true;
}

void ORAppDataCollection::deleteApps()
{
    sw::JobControl job;
    remove(job);
}

sw::RemovalReport ORAppDataCollection::remove(sw::JobControl &job)
{
    publishRemoval({}, {}, 0);
    const std::shared_ptr<ORAppData> data = tempAppData();
    if (!data)
        return {};
    const QList<sw::AppRemoval::Application> apps = markedApplications(*data);
    sw::RemovalRun run(lcUninst, QStringLiteral("Fail to remove big, error=%1"));
    run.setWatch([&job](qint64 bytes) {
        job.addBytes(bytes);
        return !job.isCancelled();
    });
    sw::AppRemoval removal(run, job);
    const ORAppDataGroup record = removal.removeAll(apps);
    publishRemoval(record, run.report(), removal.trashedCount());
    return run.report();
}

QList<sw::AppRemoval::Application> ORAppDataCollection::markedApplications(const ORAppData &data) const
{
    QMutexLocker lock(&m_mutex);
    QList<sw::AppRemoval::Application> apps;
    for (qsizetype i = 0; i < data.appGroups.size(); ++i) {
        const ORAppDataGroup &group = data.appGroups.at(i);
        sw::AppRemoval::Application app{m_apps.value(i), group.groupName, std::nullopt, {}, {}};
        const bool groupMarked = group.isGroupDelFlag != 0 && group.isVisible;
        for (const ORAppDataItem &item : group.groupItems) {
            app.listed.append(item.itemPath);
            if (!groupMarked || !item.isDel || !item.isVisible || !m_origins.contains(item.itemPath))
                continue;
            const sw::AppRemoval::Marked marked{group.groupName, item, m_origins.value(item.itemPath)};
            if (item.itemPath == app.app.bundlePath)
                app.self = marked;
            else
                app.leftovers.append(marked);
        }
        apps.append(app);
    }
    return apps;
}

sw::InstalledApps ORAppDataCollection::installedApps() const
{
    QMutexLocker lock(&m_mutex);
    return m_apps;
}

void ORAppDataCollection::publishRemoval(const ORAppDataGroup &record, const sw::RemovalReport &report,
                                         qsizetype trashed)
{
    QMutexLocker lock(&m_mutex);
    m_delGroup = record;
    m_report = report;
    m_trashed = trashed;
}

qsizetype ORAppDataCollection::trashedCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_trashed;
}

qint64 ORAppDataCollection::delSize() const
{
    return removalReport().removedBytes();
}

ORAppDataGroup ORAppDataCollection::delGroup() const
{
    QMutexLocker lock(&m_mutex);
    return m_delGroup;
}

QList<ORAppDataItem> ORAppDataCollection::appDataDel() const
{
    QMutexLocker lock(&m_mutex);
    return m_delGroup.groupItems;
}

sw::RemovalReport ORAppDataCollection::removalReport() const
{
    QMutexLocker lock(&m_mutex);
    return m_report;
}
