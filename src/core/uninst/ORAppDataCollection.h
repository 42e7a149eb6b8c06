// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"
#include "core/foundation/KeepList.h"
#include "core/foundation/ORAppData.h"
#include "core/foundation/PublishedResult.h"
#include "core/foundation/ToolEngine.h"
#include "core/fs/RemovalReport.h"
#include "core/uninst/AppRemoval.h"
#include "core/uninst/InstalledApp.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

namespace sw {
class CategoryRoots;
class LeftoverFinder;
}

// The uninstaller's engine, one per process.
//
// A scan asks the layout's application sources for the installed
// applications (macos: the bundles below ROOT/Applications; freedesktop:
// Flatpak installations, AppImages, applications kept in the home, system
// packages with a desktop entry: PackageKit's when it answers, else those of
// dpkg's database), then builds one group per application: its
// bundle item first, then the leftovers LeftoverFinder proposes (caches,
// support files, settings), each measured once below the folder it was found
// in, the way the removal core counts. Finding applications is cheap (a few
// listings, one property list or desktop entry each); measuring bundles and
// leftover folders is the expensive part, and it stops between entries when
// the scan is cancelled. "apptitle" carries each application's bundle path.
//
// Each item carries its kind (sw::LeftoverKinds): the application itself, a
// cache, settings, or the user's data, which a tick of the whole application
// leaves alone (sw::AppTicks). A Flatpak's HOME/.var/app/ID is listed by its
// folders for that reason.
//
// Removal takes the marked, visible items of the visible groups whose flag is
// not 0 (sw::AppRemoval): the applications first (what the user may remove
// moved to the Trash through sw::RemovalRun, anchored at the folder each was
// found in, so it can be put back; Flatpak
// applications by flatpak, system packages by PackageKit or apt-get, as the
// scan found them, each package only when a simulated removal takes nothing
// else along), then the leftovers of
// those that are verifiably gone, each path once, to the Trash as well.
// Items only an administrator may remove are deleted together in one
// privileged pass. A dismissed
// password dialog stops the run. What failed or stayed is reported with its
// reason and never counted in delSize().
class ORAppDataCollection
{
public:
    using Data = ORAppData;

    static ORAppDataCollection &shareInstance();

    // The engine contract (sw::ToolEngine): scan() publishes its result and
    // returns it, nullptr when cancelled; remove() removes what is marked in it.
    std::shared_ptr<ORAppData> scan(sw::JobControl &job);
    sw::RemovalReport remove(sw::JobControl &job);
    std::shared_ptr<ORAppData> result() const { return tempAppData(); }
    // Forgets the result and the application list; the removal record stays.
    void startOver();

    std::shared_ptr<ORAppData> tempAppData() const;
    // The applications of the published result, one for each of its groups, in order.
    sw::InstalledApps installedApps() const;

    // Bytes removed by the last removal run.
    qint64 delSize() const;
    // What the last removal did, item by item.
    sw::RemovalReport removalReport() const;
    // How many items the last removal moved to the Trash.
    qsizetype trashedCount() const;

    // --- used only by the tests ---------------------------------------------
    // The published result; runs the scan on the calling thread when none is held.
    std::shared_ptr<ORAppData> appData();
    // A scan nobody watches; its result is not published.
    std::shared_ptr<ORAppData> startScan();
    // The applications of the layout (macos: the bundles below folder, at
    // any depth; an empty folder means the layout's own places), with those
    // the menu hides (InstalledApp::shown false) that a scan does not list.
    sw::InstalledApps getAppWithContent(const QString &folder = QString());
    // The removal record: every removed item once, in removal order, with the
    // bytes that went; named after the last application processed.
    ORAppDataGroup delGroup() const;
    // One entry per removed item.
    QList<ORAppDataItem> appDataDel() const;

private:
    ORAppDataCollection();
    bool scanAppDataFlag() const { return true; }
    std::shared_ptr<ORAppData> scanApp();
    // The bundle paths of the applications the last scan found, in order.
    QStringList appArray() const;
    // The steps of a scan, in their order of use.
    void getAppCache(const sw::InstalledApp &app, ORAppDataGroup &group);
    void getAppSupprt(const sw::InstalledApp &app, ORAppDataGroup &group);
    void getAppPreference(const sw::InstalledApp &app, ORAppDataGroup &group);
    // Measures path below root (default: the folder holding it) and appends
    // it to group when it has a size and is not in the group yet.
    bool addItemToGroup(const QString &path, ORAppDataGroup &group, const QString &root = QString());
    // addItemToGroup() for what an application left behind: never what the user keeps.
    bool addLeftover(const QString &path, ORAppDataGroup &group, const QString &root = QString());
    // remove() with nobody watching.
    void deleteApps();
    ~ORAppDataCollection();
    std::shared_ptr<ORAppData> collect(sw::JobControl &job);
    ORAppDataGroup groupFor(const sw::InstalledApp &app);
    void addBundleItem(const sw::InstalledApp &app, ORAppDataGroup &group);
    void addCandidates(const QStringList &candidates, ORAppDataGroup &group);
    void addSandboxFolders(const QString &sandbox, ORAppDataGroup &group);
    bool appendItem(ORAppDataGroup &group, const QString &path, qint64 size, const sw::AppItemOrigin &origin);
    sw::JobControl &scanJob() const { return m_job ? *m_job : m_ownJob; }
    sw::CategoryRoots &scanRoots();
    void publishRemoval(const ORAppDataGroup &record, const sw::RemovalReport &report, qsizetype trashed);
    QList<sw::AppRemoval::Application> markedApplications(const ORAppData &data) const;

    mutable QMutex m_mutex;  // guards what the removal publishes and the scan's lists
    sw::PublishedResult<ORAppData> m_result;
    QStringList m_appArray;
    sw::InstalledApps m_apps;  // the published result's, by group
    QHash<QString, sw::AppItemOrigin> m_origins;  // by item path, for the removal
    ORAppDataGroup m_delGroup;
    sw::RemovalReport m_report;
    qsizetype m_trashed = 0;
    qint64 m_foundTotal = 0;
    std::unique_ptr<sw::CategoryRoots> m_roots;  // the scan's
    std::unique_ptr<sw::LeftoverFinder> m_finder;  // the scan's
    sw::KeepList m_keepList;  // the scan's
    sw::JobControl *m_job = nullptr;             // the scan's
    // Outside a scan progress goes here, where nobody reads or cancels it.
    mutable sw::JobControl m_ownJob;
};

static_assert(sw::ToolEngine<ORAppDataCollection>);
