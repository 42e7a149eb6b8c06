// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORAppData.h"
#include "core/uninst/InstalledApp.h"
#include "core/uninst/PackageCommands.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

class JobControl;
class RemovalRun;

// One removal run of the uninstaller: the applications first, then their
// leftovers, and a leftover only once its application is verifiably gone.
//   1. The applications themselves: bundles the user may remove are moved
//      to the Trash through the removal core (so they can be put back), the
//      others removed together with administrator rights, then the
//      packages, each by its own package manager (PackageCommands,
//      PackageKitRemoval).
//   2. Each application is checked: a bundle's path must be gone, a
//      Flatpak's deployment, a package from the dpkg status or PackageKit.
//   3. The leftovers, each path once however many applications list it:
//      those of applications that went, to the Trash as the bundles, the
//      ones only an administrator may remove together. A leftover of an
//      application that stays (its removal failed, or it was not asked for)
//      is left in place with the reason. In the macos layout a leftover
//      ticked without its application goes as ticked.
// A dismissed password dialog ends the run: what was not done yet is
// reported as left in place. Every item gets one outcome in the run's
// report; only what really went is counted, and each removed item appears
// once in the record, with the bytes that went.
class AppRemoval
{
public:
    struct Marked
    {
        QString groupName;
        ORAppDataItem item;
        AppItemOrigin origin;
    };

    // One application of the scan and what of it is to go.
    struct Application
    {
        InstalledApp app;
        QString groupName;
        std::optional<Marked> self;  // its own item, when marked
        QList<Marked> leftovers;     // its marked leftovers, in order
        QStringList listed;          // every path its group lists, marked or not
    };

    AppRemoval(RemovalRun &run, JobControl &job) : m_run(run), m_job(job) {}

    // apps: every application of the scan. Returns the removal record: the
    // removed items in removal order.
    ORAppDataGroup removeAll(const QList<Application> &apps);
    // How many items went to the Trash.
    qsizetype trashedCount() const { return m_trashed; }

private:
    // What became of an application in this run.
    struct State
    {
        bool asked = false;  // its own item was marked
        bool gone = false;   // verifiably removed
        QString why;         // asked and not gone: why it stays
    };

    void removeApplications();
    void judgeApplications();
    void removeLeftovers();
    QString heldBack(const QString &path, qsizetype listedBy) const;
    void removeOwn(const Marked &marked);
    // The items only an administrator may remove, in one privileged pass;
    // why the run ends when the user dismissed the password dialog, else empty.
    QString removeAsAdministrator(const QList<Marked> &items);
    void removePackages(const QList<Marked> &packages);
    PackageCommands::Outcome removePackage(const Marked &marked) const;
    void stop(const QString &reason);
    void leaveInPlace(const Marked &marked, const QString &reason);
    void record(const Marked &marked, qint64 removed);
    void settle();

    RemovalRun &m_run;
    JobControl &m_job;
    qint64 m_startBytes = 0;
    QList<Application> m_apps;
    QList<State> m_states;  // by application
    QString m_stopReason;   // set when the run ended early
    ORAppDataGroup m_record;
    qsizetype m_trashed = 0;
};

}  // namespace sw
