#include "EntryWriter.h"

#include "EntryPath.h"

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

QString tr(const char *text)
{
    return QCoreApplication::translate("sw::EntryWriter", text);
}

QString reasonFor(int error)
{
    switch (error) {
    case ELOOP:
    case ENOTDIR:
        return tr("a folder of its path is a link or a file");
    case EEXIST:
        return tr("an item of that name exists");
    case ENAMETOOLONG:
        return tr("the name is too long");
    case ENOSPC:
    case EDQUOT:
        return tr("Not enough free space");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
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
            if (::mkdirat(current, name.constData(), safeMode(0755, true)) == 0)
                m_newFolders.append(parts.mid(0, i + 1).join(QLatin1Char('/')));
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
    if (::mkdirat(parent, name.constData(), 0700) != 0 && errno != EEXIST)
        return failure(errno);
    // An existing folder of that name is merged into; anything else there
    // (a file, a link) refuses the entry.
    const int fd = ::openat(parent, name.constData(), kFolderFlags);
    if (fd < 0)
        return failure(errno);
    ::fchmod(fd, safeMode(mode, true));
    ::close(fd);
    if (m_options.keepsMetadata && mtime > 0)
        m_folderTimes.append({path, mtime});
    return {true, path.join(QLatin1Char('/')), {}, 0};
}

EntryWriter::Outcome EntryWriter::createFile(const QStringList &path, OpenFile &file)
{
    QString reason;
    int error = 0;
    const int parent = openFolder(path.mid(0, path.size() - 1), true, &reason, &error);
    if (parent < 0)
        return failure(error, reason);
    int fd = -1;
    const auto create = [&](const QByteArray &name) {
        fd = ::openat(parent, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        return fd < 0 ? errno : 0;
    };
    Outcome outcome = place(path, create);
    const QByteArray name = QFile::encodeName(path.last());
    if (!outcome.ok && outcome.error == EEXIST && m_options.overwrites) {
        // Written beside the old file and renamed over it when complete:
        // the old file is never opened, so a link in its place is replaced,
        // not followed, and a failed entry leaves the old file as it was.
        struct stat old;
        if (::fstatat(parent, name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(old.st_mode))
            return outcome;
        for (int n = 0; n < kMaxRenames && fd < 0; ++n) {
            const QByteArray temporary = '.' + name + ".part" + QByteArray::number(n);
            if (create(temporary) == 0)
                file.createdName = temporary;
        }
        if (fd < 0)
            return failure(errno);
        file.finalName = name;
        outcome = {true, path.join(QLatin1Char('/')), {}, 0};
    } else if (outcome.ok) {
        file.createdName = QFile::encodeName(outcome.path.section(QLatin1Char('/'), -1));
        file.finalName = file.createdName;
    } else {
        return outcome;
    }
    struct stat st;
    ::fstat(fd, &st);
    file.fd = fd;
    file.parentFd = ::fcntl(parent, F_DUPFD_CLOEXEC, 0);
    file.entryPath = path;
    file.path = outcome.path.split(QLatin1Char('/'));
    file.dev = st.st_dev;
    file.ino = st.st_ino;
    return outcome;
}

EntryWriter::Outcome EntryWriter::finishFile(OpenFile &file, qint64 size, mode_t mode, time_t mtime)
{
    // A trailing hole of a sparse entry is never written: the size says it.
    int error = 0;
    if ((file.end < size && ::ftruncate(file.fd, size) != 0)
        || ::fchmod(file.fd, safeMode(mode, false)) != 0)
        error = errno;
    if (!error && m_options.keepsMetadata && mtime > 0) {
        const timespec times[2] = {{0, UTIME_OMIT}, {mtime, 0}};
        ::futimens(file.fd, times);
    }
    if (!error && file.createdName != file.finalName
        && ::renameat(file.parentFd, file.createdName.constData(), file.parentFd, file.finalName.constData()) != 0)
        error = errno;
    if (error) {
        discardFile(file);
        return failure(error);
    }
    closeFd(file.fd);
    closeFd(file.parentFd);
    m_files.insert(file.entryPath.join(QLatin1Char('/')), file.path);
    return {true, file.path.join(QLatin1Char('/')), {}, 0};
}

void EntryWriter::discardFile(OpenFile &file)
{
    // Only the file this writer created a moment ago through its own
    // descriptor goes: the name is looked up in the same parent descriptor
    // and removed only while it still is that very inode. Nothing the user
    // had is touched, so this is undoing our own write, not a removal.
    struct stat st;
    if (file.parentFd >= 0
        && ::fstatat(file.parentFd, file.createdName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
        && st.st_dev == file.dev && st.st_ino == file.ino)
        ::unlinkat(file.parentFd, file.createdName.constData(), 0);
    closeFd(file.fd);
    closeFd(file.parentFd);
}

EntryWriter::Outcome EntryWriter::hardLink(const QStringList &path, const QStringList &target)
{
    const auto written = m_files.constFind(target.join(QLatin1Char('/')));
    if (written == m_files.cend())
        return failure(0, tr("hard link to an item that was not extracted"));
    QString reason;
    int error = 0;
    int targetParent = openFolder(written->mid(0, written->size() - 1), false, &reason, &error);
    if (targetParent < 0)
        return failure(error, reason);
    targetParent = ::fcntl(targetParent, F_DUPFD_CLOEXEC, 0);
    const int parent = openFolder(path.mid(0, path.size() - 1), true, &reason, &error);
    if (parent < 0) {
        ::close(targetParent);
        return failure(error, reason);
    }
    const QByteArray targetName = QFile::encodeName(written->last());
    const Outcome outcome = place(path, [&](const QByteArray &name) {
        // No AT_SYMLINK_FOLLOW: a link in the target's place would be linked
        // itself, never the file it points to.
        return ::linkat(targetParent, targetName.constData(), parent, name.constData(), 0) == 0 ? 0 : errno;
    });
    ::close(targetParent);
    if (outcome.ok)
        m_files.insert(path.join(QLatin1Char('/')), outcome.path.split(QLatin1Char('/')));
    return outcome;
}

void EntryWriter::addLink(const QStringList &path, const QString &target)
{
    m_links.append({path, target});
}

QList<EntryWriter::Outcome> EntryWriter::finishLinks()
{
    QList<Outcome> outcomes;
    for (const auto &[path, target] : std::as_const(m_links)) {
        Outcome outcome = failure(0, tr("link leads outside the destination"));
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
