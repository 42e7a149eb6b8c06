// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/TrashRestore.h"

#include "core/fs/AnchoredRoot.h"
#include "core/fs/RemovalRun.h"
#include "core/fs/UniqueFd.h"
#include "core/platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TrashRestore)
};

constexpr qint64 kMaxInfoBytes = 64 * 1024;

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// The top folder of the file system a trash folder serves: the home trash
// holds absolute paths, so only $topdir/.Trash-$uid and $topdir/.Trash/$uid
// need it.
QString topFolderOf(const QString &trash)
{
    const QString up = parentOf(trash);
    if (QDir(trash).dirName().startsWith(QLatin1String(".Trash-")))
        return up;
    return QDir(up).dirName() == QLatin1String(".Trash") ? parentOf(up) : up;
}

std::optional<QByteArray> readInfo(const QString &infoFolder, const QByteArray &name, QString *reason)
{
    const std::optional<AnchoredRoot> info = AnchoredRoot::open(infoFolder);
    const UniqueFd fd(info ? ::openat(info->fd(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                           : -1);
    std::optional<QByteArray> text = fd ? readRegularFd(fd.get(), kMaxInfoBytes) : std::nullopt;
    if (!text)
        *reason = Text::tr("its record in the Trash is missing");
    return text;
}

// A file system without RENAME_NOREPLACE (some network ones) gets a check
// just before a plain rename: the window between them is all it loses.
bool renameNoReplace(int fromFd, const QByteArray &from, int toFd, const QByteArray &to)
{
    if (::renameat2(fromFd, from.constData(), toFd, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL)
        return false;
    struct stat st;
    if (::fstatat(toFd, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(fromFd, from.constData(), toFd, to.constData()) == 0;
}

}  // namespace

QString TrashRestore::originalPath(const QByteArray &info, const QString &topFolder)
{
    for (const QByteArray &line : info.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.startsWith("Path="))
            continue;
        const QString path = QFile::decodeName(QByteArray::fromPercentEncoding(trimmed.mid(5)));
        if (path.isEmpty())
            return QString();
        return QDir::cleanPath(path.startsWith(QLatin1Char('/')) ? path : topFolder + QLatin1Char('/') + path);
    }
    return QString();
}

QString TrashRestore::putBack(const QString &trashedPath, const QString &original)
{
    const QString trashed = QDir::cleanPath(trashedPath);
    const QString target = QDir::cleanPath(original);
    const QString filesFolder = parentOf(trashed);
    const QString trash = parentOf(filesFolder);
    const QByteArray name = QFile::encodeName(QDir(trashed).dirName());
    if (QDir(filesFolder).dirName() != QLatin1String("files") || !target.startsWith(QLatin1Char('/'))
        || target == QLatin1String("/"))
        return Text::tr("not an item of a Trash");
    const std::optional<AnchoredRoot> files = AnchoredRoot::open(filesFolder);
    struct stat st;
    if (!files || ::fstatat(files->fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Text::tr("it is no longer in the Trash");
    QString reason;
    const std::optional<QByteArray> info = readInfo(trash + QStringLiteral("/info"), name + ".trashinfo", &reason);
    if (!info)
        return reason;
    const std::optional<AnchoredRoot> parent = AnchoredRoot::open(parentOf(target));
    if (!parent)
        return Text::tr("its folder %1 is no longer there").arg(parentOf(target));
    const QByteArray targetName = QFile::encodeName(QDir(target).dirName());
    const QString named = originalPath(*info, topFolderOf(trash));
    if (named != target && named != parent->realPathOf(targetName))
        return Text::tr("the Trash's record names another place: %1").arg(named);
    // RENAME_NOREPLACE: whatever appeared at the place since stays untouched.
    if (!renameNoReplace(files->fd(), name, parent->fd(), targetName)) {
        if (errno == EEXIST)
            return Text::tr("something of that name is there now");
        return RemovalRun::reasonOf(errno);
    }
    if (const std::optional<AnchoredRoot> infoFolder = AnchoredRoot::open(trash + QStringLiteral("/info")))
        ::unlinkat(infoFolder->fd(), (name + ".trashinfo").constData(), 0);
    return QString();
}

}  // namespace sw
