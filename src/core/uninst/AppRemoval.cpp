// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/AppRemoval.h"

#include "core/foundation/AdminPass.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/DpkgDatabase.h"
#include "core/uninst/PackageCommands.h"
#include "core/uninst/PackageKitRemoval.h"
#include "core/uninst/UninstLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AppRemoval)
};

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Whether the user's own rights take the item whole: its folder must let it
// go and, for a real folder, the folder must let its entries go. Deeper
// locked entries are found by the removal itself and reported.
bool userMayRemove(const QString &path)
{
    if (!ORUtility::isDeletableFileWithCurrentPermission(path))
        return false;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return true;
    return ::eaccess(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

// Whether what an application's own item stands for is still installed:
// the bundle, the Flatpak's deployment, the package in the dpkg status or
// in PackageKit's answer.
bool stillInstalled(const AppRemoval::Marked &self)
{
    switch (self.origin.kind) {
    case InstalledApp::Kind::Bundle:
        return exists(self.item.itemPath);
    case InstalledApp::Kind::Flatpak:
        return exists(self.item.itemPath + QStringLiteral("/current/active"));
    case InstalledApp::Kind::Debian:
        return DpkgDatabase::isInstalled(self.origin.identifier);
    case InstalledApp::Kind::Package:
        return PackageKitRemoval::isInstalled(self.origin.packageId);
    }
    return true;
}

}  // namespace

ORAppDataGroup AppRemoval::removeAll(const QList<Application> &apps)
{
    m_startBytes = m_job.progress().bytes;
    m_apps = apps;
    m_states = QList<State>(apps.size());
    removeApplications();
    judgeApplications();
    if (!m_job.isCancelled())
        removeLeftovers();
    settle();
    return m_record;
}

void AppRemoval::removeApplications()
{
    QList<Marked> admin;
    QList<Marked> packages;
    for (qsizetype i = 0; i < m_apps.size(); ++i) {
        const std::optional<Marked> &self = m_apps.at(i).self;
        if (!self)
            continue;
        m_states[i].asked = true;
        if (m_job.isCancelled())
            return;
        if (self->origin.kind != InstalledApp::Kind::Bundle)
            packages.append(*self);
        else if (userMayRemove(self->item.itemPath))
            removeOwn(*self);
        else
            admin.append(*self);
    }
    // The password prompt is not put to a user who asked to stop.
    if (m_job.isCancelled())
        return;
    if (const QString why = admin.isEmpty() ? QString() : removeAsAdministrator(admin); !why.isEmpty()) {
        stop(why);
        for (const Marked &package : std::as_const(packages))
            leaveInPlace(package, m_stopReason);
        return;
    }
    removePackages(packages);
}

void AppRemoval::judgeApplications()
{
    for (qsizetype i = 0; i < m_apps.size(); ++i) {
        const std::optional<Marked> &self = m_apps.at(i).self;
        State &state = m_states[i];
        if (!state.asked)
            continue;
        state.gone = !stillInstalled(*self);
        if (state.gone)
            continue;
        state.why = Text::tr("it is still installed");
        for (const RemovalOutcome &outcome : m_run.report().outcomes())
            if (outcome.path == self->item.itemPath && !outcome.ok())
                state.why = outcome.failures.constFirst().reason;
    }
}

QString AppRemoval::heldBack(const QString &path, qsizetype listedBy) const
{
    for (qsizetype i = 0; i < m_apps.size(); ++i) {
        const State &state = m_states.at(i);
        if ((i != listedBy && !m_apps.at(i).listed.contains(path)) || state.gone)
            continue;
        const bool own = i == listedBy;
        const QString &name = m_apps.at(i).groupName;
        if (state.asked)
            return own ? Text::tr("left in place: the application itself was not removed (%1)").arg(state.why)
                       : Text::tr("left in place: %1, which also uses it, was not removed (%2)").arg(name, state.why);
        if (!ORLayout::isMacOS())
            return own ? Text::tr("left in place: the application itself is not being removed")
                       : Text::tr("left in place: %1, which also uses it, is not being removed").arg(name);
    }
    return {};
}

void AppRemoval::removeLeftovers()
{
    QSet<QString> seen;
    QList<Marked> admin;
    for (qsizetype i = 0; i < m_apps.size(); ++i) {
        for (const Marked &leftover : m_apps.at(i).leftovers) {
            if (m_job.isCancelled())
                return;
            if (seen.contains(leftover.item.itemPath))
                continue;  // listed by another application too: one outcome
            seen.insert(leftover.item.itemPath);
            QString why = heldBack(leftover.item.itemPath, i);
            if (why.isEmpty())
                why = m_stopReason;
            if (!why.isEmpty())
                leaveInPlace(leftover, why);
            else if (userMayRemove(leftover.item.itemPath))
                removeOwn(leftover);
            else
                admin.append(leftover);
        }
    }
    if (const QString why = admin.isEmpty() ? QString() : removeAsAdministrator(admin); !why.isEmpty())
        stop(why);
}

void AppRemoval::removeOwn(const Marked &marked)
{
    m_job.setCurrentPath(marked.item.itemPath);
    const RemovalOutcome &outcome = m_run.moveToTrashBelow(marked.origin.root, marked.item.itemPath,
                                                           marked.item.itemSize, {CategoryRoots::kHomeEntries});
    if (outcome.ok())
        ++m_trashed;
    record(marked, outcome.removed);
}

QString AppRemoval::removeAsAdministrator(const QList<Marked> &items)
{
    AdminPass pass(m_run);
    for (const Marked &marked : items)
        pass.add({marked.origin.root, marked.item.itemPath, RemovalRun::Mode::Whole, marked.item.itemSize,
                  {CategoryRoots::kHomeEntries}});
    const QList<RemovalOutcome> outcomes = pass.run();
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        record(items.at(i), outcomes.at(i).removed);
        m_run.add(outcomes.at(i));
    }
    return pass.status() == AdminPass::Status::Cancelled ? pass.reason() : QString();
}

PackageCommands::Outcome AppRemoval::removePackage(const Marked &marked) const
{
    const AppItemOrigin &origin = marked.origin;
    PackageCommands::Outcome done;
    QString leftInstalled;
    switch (origin.kind) {
    case InstalledApp::Kind::Flatpak:
        done = PackageCommands::uninstallFlatpak(origin.identifier, origin.installation);
        leftInstalled = Text::tr("flatpak left it installed");
        break;
    case InstalledApp::Kind::Package:
        done = PackageKitRemoval::remove(origin.packageId, m_job);
        leftInstalled = Text::tr("PackageKit left it installed");
        break;
    case InstalledApp::Kind::Debian:
        done = PackageCommands::removeDebian(origin.identifier);
        leftInstalled = Text::tr("apt-get left it installed");
        break;
    case InstalledApp::Kind::Bundle:
        return done;  // never a package: removeApplications keeps bundles apart
    }
    // The exit status is not the last word: the deployment or the package must be gone.
    if (done.kind == PackageCommands::Outcome::Kind::Removed && stillInstalled(marked))
        done = {PackageCommands::Outcome::Kind::Failed, leftInstalled};
    return done;
}

void AppRemoval::removePackages(const QList<Marked> &packages)
{
    for (qsizetype i = 0; i < packages.size(); ++i) {
        const Marked &marked = packages.at(i);
        if (m_job.isCancelled())
            return;
        m_job.setCurrentPath(marked.item.itemPath);
        const PackageCommands::Outcome done = removePackage(marked);
        if (done.kind != PackageCommands::Outcome::Kind::Removed) {
            leaveInPlace(marked, done.reason);
            if (done.kind == PackageCommands::Outcome::Kind::Cancelled) {
                stop(done.reason);
                for (const Marked &rest : packages.mid(i + 1))
                    leaveInPlace(rest, done.reason);
                return;
            }
            continue;
        }
        record(marked, marked.item.itemSize);
        m_run.add({marked.item.itemPath, marked.item.itemSize, marked.item.itemSize, {}});
        settle();
    }
}

void AppRemoval::stop(const QString &reason)
{
    qCInfo(lcUninst) << "User cancelled";
    m_stopReason = reason;
}

void AppRemoval::leaveInPlace(const Marked &marked, const QString &reason)
{
    m_record.groupName = marked.groupName;
    m_run.add({marked.item.itemPath, marked.item.itemSize, 0, {{marked.item.itemPath, reason}}});
}

void AppRemoval::record(const Marked &marked, qint64 removed)
{
    m_record.groupName = marked.groupName;
    if (removed > 0) {
        ORAppDataItem gone = marked.item;
        gone.itemSize = removed;
        m_record.groupItems.append(gone);
        m_record.groupSize += removed;
        m_job.addItems();
    }
    settle();
}

void AppRemoval::settle()
{
    m_job.setBytes(m_startBytes + m_run.report().removedBytes());
}

}  // namespace sw
