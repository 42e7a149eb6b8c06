#include "AppRemoval.h"

#include "JobControl.h"
#include "ORUtility.h"
#include "PackageCommands.h"
#include "PrivilegedRemoval.h"
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
    // rm is given the real path of each item, and only while no link lies on
    // its way below its anchor, so it cannot be steered elsewhere by a link.
    QStringList paths;
    QList<const AnchoredRoot *> roots;
    for (const Marked &marked : std::as_const(m_admin)) {
        const AnchoredRoot *root = m_run.roots().open(marked.origin.root, {CategoryRoots::kHomeEntries});
        const std::optional<QByteArray> relative = root ? root->relativeOf(marked.item.itemPath) : std::nullopt;
        const QString real = relative && !relative->isEmpty() ? root->pathForProgram(*relative) : QString();
        const bool usable = !real.isEmpty() && !ProtectedPaths::isProtected(real) && PrivilegedRemoval::isAcceptablePath(real);
        roots.append(usable ? root : nullptr);
        paths.append(usable ? real : QString());
    }
    QStringList given = paths;
    given.removeAll(QString());
    const PrivilegedRemoval::Result result = PrivilegedRemoval::removeAll(given);
    for (qsizetype i = 0; i < m_admin.size(); ++i) {
        const Marked &marked = m_admin.at(i);
        if (!roots.at(i)) {
            leaveInPlace(marked, tr("cannot be reached below its folder; left in place"));
            continue;
        }
        if (result.outcome != PrivilegedRemoval::Result::Outcome::Ran) {
            leaveInPlace(marked, result.reason());
            continue;
        }
        RemovalOutcome outcome{marked.item.itemPath, marked.item.itemSize, 0, {}};
        const qint64 left = roots.at(i)->measure(marked.item.itemPath);
        outcome.removed = qMax<qint64>(0, marked.item.itemSize - left);
        if (left > 0 || result.remaining.contains(paths.at(i)))
            outcome.failures.append({marked.item.itemPath, result.reason()});
        record(marked, outcome.removed);
        m_run.add(std::move(outcome));
    }
    if (result.outcome != PrivilegedRemoval::Result::Outcome::Cancelled)
        return true;
    qCInfo(lcUninst) << "User cancelled";
    for (const Marked &marked : std::as_const(m_packages))
        leaveInPlace(marked, result.reason());
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
