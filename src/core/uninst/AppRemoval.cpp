#include "AppRemoval.h"

#include "AdminPass.h"
#include "JobControl.h"
#include "ORUtility.h"
#include "PackageCommands.h"
#include "ProtectedPaths.h"
#include "RemovalRun.h"
#include "UninstLog.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AppRemoval", text);
}

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

}  // namespace

ORAppDataGroup AppRemoval::removeAll(const QList<Marked> &marked)
{
    m_startBytes = m_job.progress().bytes;
    for (const Marked &item : marked) {
        if (m_job.isCancelled())
            break;
        m_record.groupName = item.groupName;
        if (item.origin.kind != InstalledApp::Kind::Bundle)
            m_packages.append(item);
        else if (userMayRemove(item.item.itemPath))
            removeOwn(item);
        else
            m_admin.append(item);
    }
    // The password prompt is not put to a user who asked to stop.
    if (!m_job.isCancelled() && removeAsAdministrator())
        removePackages();
    settle();
    return m_record;
}

void AppRemoval::removeOwn(const Marked &marked)
{
    m_job.setCurrentPath(marked.item.itemPath);
    const RemovalOutcome &outcome = m_run.remove(marked.origin.root, marked.item.itemPath, RemovalRun::Mode::Whole,
                                                 marked.item.itemSize, {CategoryRoots::kHomeEntries});
    record(marked, outcome.removed);
}

bool AppRemoval::removeAsAdministrator()
{
    if (m_admin.isEmpty())
        return true;
    AdminPass pass(m_run);
    for (const Marked &marked : std::as_const(m_admin))
        pass.add({marked.origin.root, marked.item.itemPath, RemovalRun::Mode::Whole, marked.item.itemSize,
                  {CategoryRoots::kHomeEntries}});
    const QList<RemovalOutcome> outcomes = pass.run();
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        record(m_admin.at(i), outcomes.at(i).removed);
        m_run.add(outcomes.at(i));
    }
    if (pass.status() != AdminPass::Status::Cancelled)
        return true;
    qCInfo(lcUninst) << "User cancelled";
    for (const Marked &marked : std::as_const(m_packages))
        leaveInPlace(marked, pass.reason());
    return false;
}

void AppRemoval::removePackages()
{
    for (qsizetype i = 0; i < m_packages.size(); ++i) {
        const Marked &marked = m_packages.at(i);
        if (m_job.isCancelled())
            return;
        m_job.setCurrentPath(marked.item.itemPath);
        const bool flatpak = marked.origin.kind == InstalledApp::Kind::Flatpak;
        PackageCommands::Outcome done = flatpak
            ? PackageCommands::uninstallFlatpak(marked.origin.identifier, marked.origin.installation)
            : PackageCommands::removeDebian(marked.origin.identifier);
        // flatpak's exit status is not the last word: the deployment must be gone.
        if (done.kind == PackageCommands::Outcome::Kind::Removed && flatpak
            && exists(marked.item.itemPath + QStringLiteral("/current/active")))
            done = {PackageCommands::Outcome::Kind::Failed, tr("flatpak left it installed")};
        if (done.kind != PackageCommands::Outcome::Kind::Removed) {
            leaveInPlace(marked, done.reason);
            if (done.kind == PackageCommands::Outcome::Kind::Cancelled) {
                qCInfo(lcUninst) << "User cancelled";
                for (const Marked &rest : m_packages.mid(i + 1))
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

void AppRemoval::leaveInPlace(const Marked &marked, const QString &reason)
{
    m_run.add({marked.item.itemPath, marked.item.itemSize, 0, {{marked.item.itemPath, reason}}});
}

void AppRemoval::record(const Marked &marked, qint64 removed)
{
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
