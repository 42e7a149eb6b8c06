#pragma once

#include "InstalledApp.h"
#include "ORAppData.h"

#include <QList>
#include <QString>

namespace sw {

class JobControl;
class RemovalRun;

// One removal run of the uninstaller, in three passes so the user is asked
// for the administrator password as little as possible:
//   1. the user's own items, through the removal core, in order;
//   2. the items only an administrator may remove, all in one privileged
//      `rm` (one prompt), checked afterwards item by item;
//   3. the packages, each by its own package manager (PackageCommands).
// A dismissed password dialog ends the run: what was not done yet is
// reported as left in place. Every item gets an outcome in the run's report;
// only what really went is counted, and each removed item appears once in
// the record, with the bytes that went.
class AppRemoval
{
public:
    struct Marked
    {
        QString groupName;
        ORAppDataItem item;
        AppItemOrigin origin;
    };

    AppRemoval(RemovalRun &run, JobControl &job) : m_run(run), m_job(job) {}

    // The removal record: the removed items in removal order.
    ORAppDataGroup removeAll(const QList<Marked> &marked);

private:
    void removeOwn(const Marked &marked);
    bool removeAsAdministrator();  // false when the user cancelled
    void removePackages();
    void leaveInPlace(const Marked &marked, const QString &reason);
    void record(const Marked &marked, qint64 removed);
    void settle();

    RemovalRun &m_run;
    JobControl &m_job;
    qint64 m_startBytes = 0;
    QList<Marked> m_admin;
    QList<Marked> m_packages;
    ORAppDataGroup m_record;
};

}  // namespace sw
