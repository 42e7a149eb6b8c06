// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/EntryWriter.h"

#include "core/winmail/unarchiver/EntryPath.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace sw {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int kMaxRenames = 10000;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(sw::EntryWriter)
};

QString reasonFor(int error)
{
    switch (error) {
    case ELOOP:
    case ENOTDIR:
        return Text::tr("a folder of its path is a link or a file");
    case EEXIST:
        return Text::tr("an item of that name exists");
    case ENAMETOOLONG:
        return Text::tr("the name is too long");
    case ENOSPC:
    case EDQUOT:
        return Text::tr("Not enough free space");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// A hidden name for a file while it is written or moved into place. An
// entry may well have such a name: O_EXCL and RENAME_NOREPLACE keep what is
// there safe all the same.
QByteArray hiddenName(const char *kind, int n)
{
    return QByteArray(".sweepwright-") + kind + '-' + QByteArray::number(::getpid()) + '-' + QByteArray::number(n);
}

EntryWriter::Outcome failure(int error, const QString &reason = {})
{
    return {false, {}, reason.isEmpty() ? reasonFor(error) : reason, error};
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

}  // namespace

EntryWriter::EntryWriter(int rootFd, Options options) : m_root(rootFd), m_options(options) {}

EntryWriter::~EntryWriter()
{
    closeFd(m_cachedFd);
}

mode_t EntryWriter::safeMode(mode_t mode, bool folder) const
{
    const mode_t owner = folder ? S_IRWXU : (S_IRUSR | S_IWUSR);
    if (!m_options.keepsMetadata)
        return folder ? 0755 : 0644;
    // 0775: no setuid, setgid or sticky bit, and nobody else may write.
    return (mode & 0775) | owner;
}

QByteArray EntryWriter::uniqueName(const QByteArray &name, int n)
{
    // "photo.jpg" -> "photo 2.jpg"; a leading dot is part of the name.
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray number = ' ' + QByteArray::number(n);
    if (dot <= 0)
        return name + number;
    return name.left(dot) + number + name.mid(dot);
}

int EntryWriter::openFolder(const QStringList &parts, bool create, QString *reason, int *error)
{
    if (parts.isEmpty())
        return m_root;
    if (m_cachedFd >= 0 && parts == m_cachedParts)
        return m_cachedFd;
    // Start below the cached folder when it lies on the way.
    qsizetype start = 0;
    int current = m_root;
    if (m_cachedFd >= 0 && m_cachedParts.size() < parts.size() && parts.mid(0, m_cachedParts.size()) == m_cachedParts) {
        start = m_cachedParts.size();
        current = m_cachedFd;
    }
    for (qsizetype i = start; i < parts.size(); ++i) {
        const QByteArray name = QFile::encodeName(parts.at(i));
        int next = ::openat(current, name.constData(), kFolderFlags);
        if (next < 0 && errno == ENOENT && create) {
            if (::mkdirat(current, name.constData(), safeMode(0755, true)) == 0) {
                const QString made = parts.mid(0, i + 1).join(QLatin1Char('/'));
                m_newFolders.append(made);
                m_madeFolders.insert(made);
            }
            next = ::openat(current, name.constData(), kFolderFlags);
        }
        const int saved = errno;
        if (current != m_root && current != m_cachedFd)
            ::close(current);
        if (next < 0) {
            *error = saved;
            *reason = reasonFor(saved);
            return -1;
        }
        current = next;
    }
    closeFd(m_cachedFd);
    m_cachedFd = current;
    m_cachedParts = parts;
    return current;
}

EntryWriter::Outcome EntryWriter::place(const QStringList &path,
                                        const std::function<int(const QByteArray &)> &make)
{
    const QByteArray name = QFile::encodeName(path.last());
    QByteArray tried = name;
    int error = make(tried);
    for (int n = 2; error == EEXIST && m_options.renames && n < kMaxRenames; ++n) {
        tried = uniqueName(name, n);
        error = make(tried);
    }
    if (error != 0)
        return failure(error);
    QStringList written = path;
    written.last() = QFile::decodeName(tried);
    return {true, written.join(QLatin1Char('/')), {}, 0};
}

EntryWriter::Outcome EntryWriter::makeFolder(const QStringList &path, mode_t mode, time_t mtime)
{
    QString reason;
    int error = 0;
    const int parent = openFolder(path.mid(0, path.size() - 1), true, &reason, &error);
    if (parent < 0)
        return failure(error, reason);
    const QByteArray name = QFile::encodeName(path.last());
    const QString joined = path.join(QLatin1Char('/'));
    const bool made = ::mkdirat(parent, name.constData(), 0700) == 0;
    if (!made && errno != EEXIST)
        return failure(errno);
    if (made)
        m_madeFolders.insert(joined);
    // An existing folder of that name is merged into; anything else there
    // (a file, a link) refuses the entry.
    const int fd = ::openat(parent, name.constData(), kFolderFlags);
    if (fd < 0)
        return failure(errno);
    // One the user had keeps its mode and time ("-C ~" must not open up
    // ~/.ssh); one this run made takes the archive's.
    if (!m_madeFolders.contains(joined)) {
        ::close(fd);
        Outcome kept{true, joined, {}, 0};
        kept.existing = true;
        return kept;
    }
    ::fchmod(fd, safeMode(mode, true));
    ::close(fd);
    if (m_options.keepsMetadata && mtime > 0)
        m_folderTimes.append({path, mtime});
    return {true, joined, {}, 0};
}

EntryWriter::Outcome EntryWriter::createFile(const QStringList &path, OpenFile &file)
{
    QString reason;
    int error = 0;
    const int parent = openFolder(path.mid(0, path.size() - 1), true, &reason, &error);
    if (parent < 0)
        return failure(error, reason);
    // A clash that would refuse the entry at the end refuses it now, before
    // its bytes are read.
    const QByteArray name = QFile::encodeName(path.last());
    struct stat old;
    if (!m_options.renames && ::fstatat(parent, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0
        && (!m_options.overwrites || S_ISDIR(old.st_mode)))
        return failure(EEXIST);
    // A nameless file is named through /proc/self/fd at the end.
    static const bool canName = ::access("/proc/self/fd", X_OK) == 0;
    int fd = canName ? ::openat(parent, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600) : -1;
    if (fd < 0) {
        // No O_TMPFILE here (some network and FUSE file systems): a hidden
        // name, never one an entry could have, in the same folder.
        for (int n = 0; n < kMaxRenames && fd < 0; ++n) {
            file.hiddenName = hiddenName("part", n);
            fd = ::openat(parent, file.hiddenName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0600);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            return failure(errno);
    }
    struct stat st;
    ::fstat(fd, &st);
    file.fd = fd;
    file.parentFd = ::fcntl(parent, F_DUPFD_CLOEXEC, 0);
    file.entryPath = path;
    file.path = path;
    file.dev = st.st_dev;
    file.ino = st.st_ino;
    return {true, path.join(QLatin1Char('/')), {}, 0};
}

EntryWriter::Outcome EntryWriter::name(OpenFile &file)
{
    const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(file.fd);
    // Linking the nameless file, or renaming the hidden one, fails on a
    // taken name: place() then tries the next when renaming.
    const auto give = [&](const QByteArray &name) {
        const int done = file.hiddenName.isEmpty()
                             ? ::linkat(AT_FDCWD, descriptor.constData(), file.parentFd, name.constData(),
                                        AT_SYMLINK_FOLLOW)
                             : ::renameat2(file.parentFd, file.hiddenName.constData(), file.parentFd,
                                           name.constData(), RENAME_NOREPLACE);
        return done == 0 ? 0 : errno;
    };
    Outcome outcome = place(file.entryPath, give);
    if (outcome.ok || outcome.error != EEXIST || !m_options.overwrites)
        return outcome;
    // Replacing: never a folder; a link or file there is replaced, not
    // followed, in one rename, so the old file stays whole until then.
    const QByteArray name = QFile::encodeName(file.entryPath.last());
    struct stat old;
    if (::fstatat(file.parentFd, name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(old.st_mode))
        return outcome;
    if (file.hiddenName.isEmpty()) {
        for (int n = 0; n < kMaxRenames; ++n) {
            const QByteArray hidden = hiddenName("part", n);
            if (::linkat(AT_FDCWD, descriptor.constData(), file.parentFd, hidden.constData(), AT_SYMLINK_FOLLOW) == 0) {
                file.hiddenName = hidden;
                break;
            }
            if (errno != EEXIST)
                return failure(errno);
        }
    }
    if (::renameat(file.parentFd, file.hiddenName.constData(), file.parentFd, name.constData()) != 0)
        return failure(errno);
    file.hiddenName.clear();
    return {true, file.entryPath.join(QLatin1Char('/')), {}, 0};
}

EntryWriter::Outcome EntryWriter::finishFile(OpenFile &file, qint64 size, mode_t mode, time_t mtime)
{
    // A trailing hole of a sparse entry is never written: the size says it.
    int error = 0;
    if ((file.end < size && ::ftruncate(file.fd, size) != 0) || ::fchmod(file.fd, safeMode(mode, false)) != 0)
        error = errno;
    if (!error && m_options.keepsMetadata && mtime > 0) {
        const timespec times[2] = {{0, UTIME_OMIT}, {mtime, 0}};
        ::futimens(file.fd, times);
    }
    Outcome named = error ? failure(error) : name(file);
    if (!named.ok) {
        discardFile(file);
        return named;
    }
    named.size = size;
    file.path = named.path.split(QLatin1Char('/'));
    const QString key = file.entryPath.join(QLatin1Char('/'));
    m_files.insert(key, {file.path, {file.dev, file.ino}});
    closeFd(file.fd);
    closeFd(file.parentFd);
    return named;
}

void EntryWriter::discardFile(OpenFile &file)
{
    // A nameless file goes with its descriptor. A hidden one goes only
    // while its name is still the very inode this writer created: nothing
    // the user had is touched, so this is undoing our own write.
    struct stat st;
    if (file.parentFd >= 0 && !file.hiddenName.isEmpty()
        && ::fstatat(file.parentFd, file.hiddenName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
        && st.st_dev == file.dev && st.st_ino == file.ino)
        ::unlinkat(file.parentFd, file.hiddenName.constData(), 0);
    closeFd(file.fd);
    closeFd(file.parentFd);
}

EntryWriter::Outcome EntryWriter::hardLink(const QStringList &path, const QStringList &target)
{
    const QString targetKey = target.join(QLatin1Char('/'));
    const auto written = m_files.constFind(targetKey);
    if (written == m_files.cend())
        return failure(0, Text::tr("hard link to an item that was not extracted"));
    QString reason;
    int error = 0;
    const QStringList &targetPath = written->path;
    int targetParent = openFolder(targetPath.mid(0, targetPath.size() - 1), false, &reason, &error);
    if (targetParent < 0)
        return failure(error, reason);
    targetParent = ::fcntl(targetParent, F_DUPFD_CLOEXEC, 0);
    const int parent = openFolder(path.mid(0, path.size() - 1), true, &reason, &error);
    if (parent < 0) {
        ::close(targetParent);
        return failure(error, reason);
    }
    const QByteArray targetName = QFile::encodeName(targetPath.last());
    Outcome outcome = place(path, [&](const QByteArray &name) {
        // No AT_SYMLINK_FOLLOW: a link in the target's place would be linked
        // itself, never the file it points to.
        return ::linkat(targetParent, targetName.constData(), parent, name.constData(), 0) == 0 ? 0 : errno;
    });
    ::close(targetParent);
    if (!outcome.ok)
        return outcome;
    const QString key = path.join(QLatin1Char('/'));
    m_files.insert(key, {outcome.path.split(QLatin1Char('/')), m_files.value(targetKey).identity});
    m_linkedTo.insert(key, m_linkedTo.value(targetKey, targetKey));
    struct stat st;
    const QByteArray name = QFile::encodeName(outcome.path.section(QLatin1Char('/'), -1));
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        outcome.size = st.st_size;
    return outcome;
}

QStringList EntryWriter::joinLinks(const QStringList &path, const QStringList &target)
{
    const QString key = path.join(QLatin1Char('/'));
    const QString first = m_linkedTo.value(target.join(QLatin1Char('/')), target.join(QLatin1Char('/')));
    const auto written = m_files.constFind(key);
    if (written == m_files.cend() || !m_files.contains(first))
        return {};
    QString reason;
    int error = 0;
    const QStringList &writtenPath = written->path;
    const int parent = openFolder(writtenPath.mid(0, writtenPath.size() - 1), false, &reason, &error);
    const int fd = parent < 0 ? -1
                              : ::openat(parent, QFile::encodeName(writtenPath.last()).constData(),
                                         O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    const QPair<dev_t, ino_t> old = m_files.value(first).identity;
    const QPair<dev_t, ino_t> now = written->identity;
    QStringList joined;
    for (auto it = m_files.begin(); it != m_files.end(); ++it) {
        const bool member = it.key() == first || m_linkedTo.value(it.key()) == first;
        if (member && it.key() != key && relink(fd, it->path, old)) {
            joined.append(it->path.join(QLatin1Char('/')));
            it->identity = now;
        }
    }
    ::close(fd);
    m_linkedTo.insert(key, first);
    return joined;
}

bool EntryWriter::relink(int fd, const QStringList &path, const QPair<dev_t, ino_t> &old)
{
    QString reason;
    int error = 0;
    const int parent = openFolder(path.mid(0, path.size() - 1), false, &reason, &error);
    const QByteArray name = QFile::encodeName(path.last());
    struct stat st;
    if (parent < 0 || ::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0
        || st.st_dev != old.first || st.st_ino != old.second)
        return false;
    const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(fd);
    const QByteArray hidden = hiddenName("link", 0);
    if (::linkat(AT_FDCWD, descriptor.constData(), parent, hidden.constData(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    if (::renameat(parent, hidden.constData(), parent, name.constData()) == 0)
        return true;
    ::unlinkat(parent, hidden.constData(), 0);
    return false;
}

void EntryWriter::addLink(const QStringList &path, const QString &target)
{
    m_links.append({path, target});
}

QList<EntryWriter::Outcome> EntryWriter::finishLinks()
{
    QList<Outcome> outcomes;
    for (const auto &[path, target] : std::as_const(m_links)) {
        Outcome outcome = failure(0, Text::tr("link leads outside the destination"));
        QString reason;
        int error = 0;
        const int parent = EntryPath::linkStaysInside(path, target)
                               ? openFolder(path.mid(0, path.size() - 1), true, &reason, &error)
                               : -1;
        const QByteArray bytes = QFile::encodeName(target);
        if (parent >= 0)
            outcome = place(path, [&](const QByteArray &name) {
                return ::symlinkat(bytes.constData(), parent, name.constData()) == 0 ? 0 : errno;
            });
        else if (error)
            outcome = failure(error, reason);
        if (!outcome.ok)
            outcome.path = path.join(QLatin1Char('/'));
        outcomes.append(outcome);
    }
    m_links.clear();
    return outcomes;
}

void EntryWriter::finishFolders()
{
    // Deepest first, so setting a folder's time is not undone by a child's.
    for (qsizetype i = m_folderTimes.size() - 1; i >= 0; --i) {
        const auto &[path, mtime] = m_folderTimes.at(i);
        QString reason;
        int error = 0;
        const int fd = openFolder(path, false, &reason, &error);
        if (fd < 0)
            continue;
        const timespec times[2] = {{0, UTIME_OMIT}, {mtime, 0}};
        ::futimens(fd, times);
    }
    m_folderTimes.clear();
}

QStringList EntryWriter::takeNewFolders()
{
    return std::exchange(m_newFolders, {});
}

}  // namespace sw
