// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/sevenzip/StagingFolder.h"

#include "core/fs/FolderWalker.h"
#include "core/fs/RemovalRun.h"
#include "core/fs/UniqueFd.h"
#include "core/winmail/sevenzip/OwnFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcSevenZip)

namespace sw {

namespace {

const char kTemplate[] = "/.sweepwright-staging-XXXXXX";
constexpr mode_t kUnsafeBits = S_ISUID | S_ISGID | S_ISVTX | S_IWOTH;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(StagingFolder)
};

bool isValidUtf8(const QByteArray &name)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(name);
    return !decoder.hasError();
}

// Every byte outside ASCII, and '%', as %XX: always valid, and distinct
// names stay distinct.
QByteArray escapedName(const QByteArray &name)
{
    return name.toPercentEncoding(QByteArray(" !#$&'()*+,;=@[]^`{}~"));
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? name : folder + '/' + name;
}

QByteArray folderOf(const QByteArray &relative)
{
    const qsizetype slash = relative.lastIndexOf('/');
    return slash < 0 ? QByteArray() : relative.left(slash);
}

// target read from a link sitting in folder (both relative to the root),
// resolved as text; nullopt when it climbs above the root.
std::optional<QByteArray> lexicalTarget(const QByteArray &folder, const QByteArray &target)
{
    QList<QByteArray> parts = folder.isEmpty() ? QList<QByteArray>() : folder.split('/');
    for (const QByteArray &part : target.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            if (parts.isEmpty())
                return std::nullopt;
            parts.removeLast();
        } else {
            parts.append(part);
        }
    }
    return parts.join('/');
}

// The same target written relative to folder.
QByteArray relativeTarget(const QByteArray &folder, const QByteArray &target)
{
    const QList<QByteArray> from = folder.isEmpty() ? QList<QByteArray>() : folder.split('/');
    const QList<QByteArray> to = target.isEmpty() ? QList<QByteArray>() : target.split('/');
    qsizetype common = 0;
    while (common < from.size() && common < to.size() && from.at(common) == to.at(common))
        ++common;
    QList<QByteArray> parts(from.size() - common, QByteArray(".."));
    parts.append(to.mid(common));
    return parts.isEmpty() ? QByteArray(".") : parts.join('/');
}

// Whether following the link at relative, through whatever links it meets
// inside the root, stays below the root. Where the kernel cannot tell
// (no openat2), a target that climbs at all counts as leaving.
bool staysBeneath(int rootFd, const QByteArray &relative, const QByteArray &target)
{
    open_how how{};
    how.flags = O_PATH | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS | RESOLVE_NO_XDEV;
    const int fd = int(::syscall(SYS_openat2, rootFd, relative.constData(), &how, sizeof how));
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == ENOSYS)
        return !target.split('/').contains("..");
    // ENOENT: dangling, but its text stays inside, which was checked before.
    return errno != EXDEV && errno != ELOOP;
}

} // namespace

// One pass over the staging folder: what is there, and what must change.
struct StagingFolder::Walk
{
    struct Found
    {
        QByteArray relative;
        struct stat st;
        QByteArray linkTarget;
    };

    QList<Found> found;
    QList<QPair<QByteArray, QString>> doomed; // relative path, reason
    bool complete = true;

    void folder(int fd, const QByteArray &relative, int depth);
    void entry(int fd, const QByteArray &relative, const QByteArray &rawName, int depth);
    void enter(int fd, const QByteArray &name, const Found &item, int depth);
    static std::optional<QByteArray> validName(int fd, const QByteArray &name);
};

void StagingFolder::Walk::folder(int fd, const QByteArray &relative, int depth)
{
    const int own = ::dup(fd);
    DIR *dir = own >= 0 ? ::fdopendir(own) : nullptr;
    if (!dir) {
        if (own >= 0)
            ::close(own);
        complete = false;
        return;
    }
    std::vector<QByteArray> names;
    while (const dirent *e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (const QByteArray &name : names)
        entry(fd, relative, name, depth);
}

// The name, renamed first when it is not valid UTF-8; nullopt when it cannot be.
std::optional<QByteArray> StagingFolder::Walk::validName(int fd, const QByteArray &name)
{
    if (isValidUtf8(name))
        return name;
    QByteArray renamed = escapedName(name);
    for (int n = 2; ::renameat2(fd, name.constData(), fd, renamed.constData(), RENAME_NOREPLACE) != 0; ++n) {
        if (errno != EEXIST || n > 1000)
            return std::nullopt;
        renamed = escapedName(name) + ' ' + QByteArray::number(n);
    }
    return renamed;
}

void StagingFolder::Walk::entry(int fd, const QByteArray &relative, const QByteArray &rawName, int depth)
{
    const std::optional<QByteArray> name = validName(fd, rawName);
    if (!name) {
        complete = false;
        return;
    }
    Found item{joined(relative, *name), {}, {}};
    if (::fstatat(fd, name->constData(), &item.st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    const mode_t mode = item.st.st_mode;
    if (S_ISDIR(mode)) {
        enter(fd, *name, item, depth);
        return;
    }
    if (S_ISLNK(mode)) {
        char target[PATH_MAX];
        const ssize_t length = ::readlinkat(fd, name->constData(), target, sizeof target);
        item.linkTarget = QByteArray(target, length > 0 ? length : 0);
    } else if (S_ISREG(mode)) {
        // Nobody else can reach inside the 0700 folder to swap the file for a link meanwhile.
        if ((mode & kUnsafeBits) && ::fchmodat(fd, name->constData(), mode & 07777 & ~kUnsafeBits, 0) != 0)
            complete = false;
    } else {
        doomed.append({item.relative, Text::tr("device node, FIFO or socket")});
        return;
    }
    found.append(item);
}

void StagingFolder::Walk::enter(int fd, const QByteArray &name, const Found &item, int depth)
{
    if (depth >= FolderWalker::kMaxDepth) {
        doomed.append({item.relative, Text::tr("folder too deep")});
        return;
    }
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    mode_t wanted = item.st.st_mode & 07777;
    UniqueFd sub(::openat(fd, name.constData(), flags));
    // A folder the archive made unreadable to its owner is opened to them first.
    if (!sub && errno == EACCES && ::fchmodat(fd, name.constData(), wanted | S_IRWXU, 0) == 0) {
        wanted |= S_IRWXU;
        sub.reset(::openat(fd, name.constData(), flags));
    }
    struct stat opened;
    if (!sub || ::fstat(sub.get(), &opened) != 0 || opened.st_ino != item.st.st_ino) {
        complete = false;
        return;
    }
    if ((wanted & kUnsafeBits) && ::fchmod(sub.get(), wanted & ~kUnsafeBits) != 0)
        complete = false;
    found.append(item);
    folder(sub.get(), item.relative, depth + 1);
}

StagingFolder::StagingFolder(const QString &parent)
{
    QByteArray path = QFile::encodeName(QDir::cleanPath(parent)) + kTemplate;
    if (::mkdtemp(path.data())) {
        m_path = QFile::decodeName(path);
    } else {
        m_error = QString::fromLocal8Bit(::strerror(errno));
    }
}

bool StagingFolder::check()
{
    m_items.clear();
    m_removed.clear();
    if (!isValid())
        return false;
    const QByteArray root = QFile::encodeName(m_path);
    UniqueFd rootFd(::open(root.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!rootFd)
        return false;
    Walk walk;
    walk.folder(rootFd.get(), QByteArray(), 1);
    const QList<Link> links = sortOut(walk, root);

    RemovalRun removal(lcSevenZip, QStringLiteral("Fail to remove extracted item, error=%1"));
    QSet<QByteArray> gone;
    const auto remove = [&](const QByteArray &relative) {
        const QString path = QFile::decodeName(root + '/' + relative);
        if (!removal.remove(m_path, path, RemovalRun::Mode::Whole, 0, OwnFolder::anyUserFolder()).ok())
            walk.complete = false;
        gone.insert(relative);
    };
    for (const auto &[relative, reason] : std::as_const(walk.doomed)) {
        remove(relative);
        m_removed.append({QFile::decodeName(relative), reason});
    }
    for (const Link &link : links) {
        if (!link.rewrite)
            continue;
        remove(link.relative);
        if (::symlink(link.target.constData(), (root + '/' + link.relative).constData()) == 0)
            gone.remove(link.relative);
        else
            walk.complete = false;
    }
    // Only now, with every link in its final form, can a chain be followed.
    for (const Link &link : links) {
        if (!gone.contains(link.relative) && !staysBeneath(rootFd.get(), link.relative, link.target)) {
            remove(link.relative);
            m_removed.append(
                {QFile::decodeName(link.relative), Text::tr("link leads outside the destination")});
        }
    }
    listRemaining(walk, gone);
    return walk.complete;
}

QList<StagingFolder::Link> StagingFolder::sortOut(Walk &walk, const QByteArray &root)
{
    // Files also linked from outside: they have more links than the walk met.
    QHash<QPair<dev_t, ino_t>, nlink_t> seen;
    for (const Walk::Found &item : std::as_const(walk.found)) {
        if (S_ISREG(item.st.st_mode))
            ++seen[{item.st.st_dev, item.st.st_ino}];
    }
    QList<Link> links;
    for (const Walk::Found &item : std::as_const(walk.found)) {
        if (S_ISREG(item.st.st_mode) && item.st.st_nlink > seen.value({item.st.st_dev, item.st.st_ino}))
            walk.doomed.append({item.relative, Text::tr("file linked from outside")});
        if (!S_ISLNK(item.st.st_mode))
            continue;
        const QByteArray folder = folderOf(item.relative);
        Link link{item.relative, item.linkTarget, false};
        if (link.target.startsWith('/')) {
            // 7zz anchors an absolute link in its output folder; elsewhere it leads out.
            if (link.target.startsWith(root + '/')) {
                link.target = relativeTarget(folder, link.target.mid(root.size() + 1));
                link.rewrite = true;
            } else if (link.target == root) {
                link.target = relativeTarget(folder, QByteArray());
                link.rewrite = true;
            } else {
                link.target.clear();
            }
        }
        if (!link.target.isEmpty() && lexicalTarget(folder, link.target))
            links.append(link);
        else
            walk.doomed.append({item.relative, Text::tr("link leads outside the destination")});
    }
    return links;
}

void StagingFolder::listRemaining(const Walk &walk, const QSet<QByteArray> &gone)
{
    const auto isGone = [&gone](QByteArray relative) {
        for (; !relative.isEmpty(); relative = folderOf(relative)) {
            if (gone.contains(relative))
                return true;
        }
        return false;
    };
    for (const Walk::Found &item : walk.found) {
        if (isGone(item.relative))
            continue;
        const mode_t mode = item.st.st_mode;
        const Type type = S_ISDIR(mode) ? Type::Directory : S_ISLNK(mode) ? Type::Link : Type::File;
        m_items.append(
            {QFile::decodeName(item.relative), type, type == Type::File ? qint64(item.st.st_size) : 0});
    }
}

std::optional<QStringList> StagingFolder::handOver(const QString &destination)
{
    if (!isValid())
        return std::nullopt;
    const QByteArray destinationPath = QFile::encodeName(destination);
    UniqueFd target(::open(destinationPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    UniqueFd source(
        ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    const std::optional<QStringList> names = FolderWalker::childNames(m_path);
    if (!target || !source || !names) {
        m_error = QString::fromLocal8Bit(::strerror(errno));
        m_items.clear();
        return std::nullopt;
    }
    QStringList sorted = *names;
    sorted.sort();
    QStringList moved;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const QString &name = sorted.at(i);
        const QByteArray from = QFile::encodeName(name);
        QByteArray to = from;
        int n = 1;
        while (::renameat2(source.get(), from.constData(), target.get(), to.constData(), RENAME_NOREPLACE) !=
               0) {
            if (errno != EEXIST || ++n > 10000) {
                m_error = QString::fromLocal8Bit(::strerror(errno));
                for (const QString &left : sorted.mid(i))
                    retarget(left, std::nullopt);
                return std::nullopt;
            }
            to = QFile::encodeName(numberedName(name, n));
        }
        moved.append(QDir(destination).filePath(QFile::decodeName(to)));
        if (to != from)
            retarget(name, QFile::decodeName(to));
    }
    // Empty now; rmdir takes nothing else.
    if (::rmdir(QFile::encodeName(m_path).constData()) != 0)
        qCWarning(lcSevenZip).noquote() << "Cannot remove the staging folder" << m_path << ::strerror(errno);
    else
        m_path.clear();
    return moved;
}

bool StagingFolder::drop(const QString &relative, const QString &reason)
{
    if (!isValid())
        return false;
    RemovalRun removal(lcSevenZip, QStringLiteral("Fail to remove extracted item, error=%1"));
    const QString path = m_path + QLatin1Char('/') + relative;
    if (!removal.remove(m_path, path, RemovalRun::Mode::Whole, 0, OwnFolder::anyUserFolder()).ok())
        return false;
    retarget(relative, std::nullopt);
    m_removed.append({relative, reason});
    return true;
}

void StagingFolder::retarget(const QString &relative, const std::optional<QString> &to)
{
    const QString below = relative + QLatin1Char('/');
    for (qsizetype i = m_items.size() - 1; i >= 0; --i) {
        QString &path = m_items[i].path;
        if (path != relative && !path.startsWith(below))
            continue;
        if (to)
            path.replace(0, relative.size(), *to);
        else
            m_items.removeAt(i);
    }
}

bool StagingFolder::discard()
{
    if (!isValid())
        return true;
    if (!OwnFolder::remove(m_path))
        return false;
    m_path.clear();
    return true;
}

QString StagingFolder::numberedName(const QString &name, int n)
{
    // "report.txt" -> "report 2.txt"; a leading dot is no extension.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype split = dot > 0 ? dot : name.size();
    return name.left(split) + QLatin1Char(' ') + QString::number(n) + name.mid(split);
}

} // namespace sw
