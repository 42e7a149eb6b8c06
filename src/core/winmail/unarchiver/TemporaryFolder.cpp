#include "TemporaryFolder.h"

#include "OwnFolder.h"
#include "TemporaryBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sw {

namespace {

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

QString numbered(const QString &path, int n)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    return info.dir().filePath(QStringLiteral("%1 %2%3").arg(stem).arg(n).arg(suffix));
}

}  // namespace

QString TemporaryFolder::make(const QString &prefix, QString *error)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const auto failed = [error](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    const TemporaryBase::Result temporary = TemporaryBase::resolve();
    if (!temporary.ok())
        return failed(temporary.error);
    const QString base = QDir(temporary.path).filePath(prefix);
    // mkdir fails on an existing name, so a name taken by anyone (or any
    // link planted there) is never reused: try another.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        QString path = base;
        for (int i = 0; i < 4; ++i)
            path += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)]);
        if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0)
            return path;
        if (errno != EEXIST)
            return failed(QStringLiteral("%1: %2").arg(temporary.path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    return failed(QStringLiteral("%1: no free name").arg(temporary.path));
}

bool TemporaryFolder::discard(const QString &folder)
{
    return OwnFolder::remove(folder);
}

QString TemporaryFolder::uniquePath(const QString &path)
{
    if (!exists(path))
        return path;
    for (int n = 2;; ++n) {
        const QString candidate = numbered(path, n);
        if (!exists(candidate))
            return candidate;
    }
}

QString TemporaryFolder::liftOut(const QString &folder, const QString &item)
{
    const QString beside = QFileInfo(folder).dir().filePath(QFileInfo(item).fileName());
    const QByteArray from = QFile::encodeName(item);
    // Still inside the private folder: nobody can swap the item meanwhile.
    const int fd = ::open(from.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    const bool madePrivate = fd >= 0 && ::fchmod(fd, 0700) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!madePrivate)
        return {};
    // RENAME_NOREPLACE: a name taken between the look and the move is not
    // overwritten; the next free name is tried instead.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString target = uniquePath(beside);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, QFile::encodeName(target).constData(), RENAME_NOREPLACE)
            == 0) {
            // The folder this run made, empty now: rmdir removes nothing else.
            ::rmdir(QFile::encodeName(folder).constData());
            return target;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

}  // namespace sw
