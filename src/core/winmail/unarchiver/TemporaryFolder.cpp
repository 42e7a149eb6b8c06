#include "TemporaryFolder.h"

#include "OwnFolder.h"
#include "TemporaryBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

bool TemporaryFolder::discard(const QString &folder, const FileIdentity &madeAs)
{
    return OwnFolder::remove(folder, madeAs);
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

}  // namespace sw
