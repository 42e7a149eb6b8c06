#include "PrivilegedRemoval.h"

#include "PkexecChild.h"
#include "STPrivilegedTask.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace sw {

namespace {

QStringList existing(const QStringList &paths)
{
    QStringList found;
    for (const QString &path : paths) {
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) == 0)
            found.append(path);
    }
    return found;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("PrivilegedRemoval", text);
}

}  // namespace

QString PrivilegedRemoval::Result::reason() const
{
    switch (outcome) {
    case Outcome::Ran:
        return tr("could not be removed with administrator rights (rm exited with %1)").arg(status);
    case Outcome::Cancelled:
        return tr("administrator authorisation was cancelled; left in place");
    case Outcome::Refused:
        return tr("administrator rights were not granted (%1); left in place").arg(status);
    case Outcome::Rejected:
        break;
    }
    return tr("could not be handed to the administrator removal; left in place");
}

bool PrivilegedRemoval::isAcceptablePath(const QString &path)
{
    // cleanPath() rewrites every form that could aim rm elsewhere than it reads
    // ("a/../b", "a/.", "a//b", and "link/", which would reach through a link).
    return QDir::isAbsolutePath(path) && path != QLatin1String("/") && QDir::cleanPath(path) == path;
}

PrivilegedRemoval::Result PrivilegedRemoval::removeAll(const QStringList &paths)
{
    Result result;
    for (const QString &path : paths) {
        if (!isAcceptablePath(path)) {
            qCWarning(lcPrivileged).noquote() << "Refusing to remove" << path << "with administrator rights";
            result.remaining = existing(paths);
            return result;
        }
    }
    if (paths.isEmpty())
        return result;

    // "/" as the working folder: it always exists, whatever the caller's own is.
    STPrivilegedTask task(
        QStringLiteral("/bin/rm"),
        QStringList{QStringLiteral("-rf"), QStringLiteral("--one-file-system"), QStringLiteral("--")} + paths,
        QStringLiteral("/"));
    result.status = task.launch();
    if (result.status == STPrivilegedTask::errAuthorizationSuccess) {
        task.waitUntilExit();
        result.outcome = Result::Outcome::Ran;
        result.status = task.terminationStatus();
    } else {
        result.outcome = result.status == STPrivilegedTask::errAuthorizationCanceled
                             ? Result::Outcome::Cancelled
                             : Result::Outcome::Refused;
    }
    result.remaining = existing(paths);
    return result;
}

}  // namespace sw
