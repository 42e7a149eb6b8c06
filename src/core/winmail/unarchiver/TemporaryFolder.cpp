// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/TemporaryFolder.h"

#include "core/platform/TemporaryBase.h"
#include "core/winmail/sevenzip/OwnFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TemporaryFolder)
};

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kRandomLetters = 4;
constexpr qint64 kYoungestAbandonedSeconds = 60;

// The locks this process holds on the folders it made, by path: an open
// descriptor of the folder with flock on it, which the kernel lets go of
// however the process ends.
class HeldFolders
{
public:
    static HeldFolders &instance()
    {
        static HeldFolders held;
        return held;
    }
    void hold(const QString &path)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return;
        }
        QMutexLocker lock(&m_mutex);
        m_fds.insert(path, fd);
    }
    void release(const QString &path)
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_fds.constFind(path);
        if (it == m_fds.cend())
            return;
        ::close(*it);
        m_fds.erase(it);
    }

private:
    QMutex m_mutex;
    QHash<QString, int> m_fds;
};

bool hasRandomSuffix(const QString &name, const QString &prefix)
{
    if (name.size() != prefix.size() + kRandomLetters || !name.startsWith(prefix))
        return false;
    const QByteArray suffix = name.mid(prefix.size()).toLatin1();
    return std::all_of(suffix.cbegin(), suffix.cend(), [](char c) { return std::strchr(kLetters, c) && c; });
}

// Removes folder when it is one of the user's private folders, old enough,
// and no process holds its lock.
bool removeWhenAbandoned(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const std::optional<FileIdentity> identity = FileIdentity::ofFd(fd);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const bool candidate = identity && ::fstat(fd, &st) == 0 && st.st_uid == ::getuid()
                           && (st.st_mode & 07777) == 0700 && now - st.st_mtime >= kYoungestAbandonedSeconds
                           && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = candidate && OwnFolder::remove(folder, *identity);
    ::close(fd);
    return removed;
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
        for (int i = 0; i < kRandomLetters; ++i)
            path += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)]);
        if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0) {
            HeldFolders::instance().hold(path);
            return path;
        }
        if (errno != EEXIST)
            return failed(QStringLiteral("%1: %2").arg(temporary.path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    return failed(QStringLiteral("%1: %2").arg(temporary.path, Text::tr("no free name")));
}

bool TemporaryFolder::discard(const QString &folder)
{
    const bool gone = OwnFolder::remove(folder);
    HeldFolders::instance().release(folder);
    return gone;
}

bool TemporaryFolder::discard(const QString &folder, const FileIdentity &madeAs)
{
    const bool gone = OwnFolder::remove(folder, madeAs);
    HeldFolders::instance().release(folder);
    return gone;
}

int TemporaryFolder::removeAbandoned(const QStringList &prefixes)
{
    const TemporaryBase::Result temporary = TemporaryBase::resolve();
    if (!temporary.ok())
        return 0;
    const QDir base(temporary.path);
    int removed = 0;
    for (const QString &name : base.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const bool named = std::any_of(prefixes.cbegin(), prefixes.cend(),
                                       [&name](const QString &prefix) { return hasRandomSuffix(name, prefix); });
        if (named && removeWhenAbandoned(base.filePath(name)))
            ++removed;
    }
    return removed;
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
