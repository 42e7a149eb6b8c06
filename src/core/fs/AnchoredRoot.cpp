// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/AnchoredRoot.h"

#include "core/fs/FolderTree.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
std::atomic<bool> g_openat2{true};

QString realPathOfFd(int fd, const QString &fallback)
{
    char buffer[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer - 1);
    if (n > 0 && buffer[0] == '/')
        return QFile::decodeName(QByteArray(buffer, n));
    char *resolved = ::realpath(QFile::encodeName(fallback).constData(), nullptr);
    const QString real = resolved ? QFile::decodeName(resolved) : fallback;
    std::free(resolved);
    return real;
}

// -1 with errno ENOSYS where the kernel has no openat2.
int openBeneath(int rootFd, const QByteArray &relative)
{
    if (!g_openat2.load())
        return errno = ENOSYS, -1;
    open_how how{};
    how.flags = kFolderFlags;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_NO_XDEV;
    int fd;
    do
        fd = int(::syscall(SYS_openat2, rootFd, relative.constData(), &how, sizeof how));
    while (fd < 0 && errno == EAGAIN);
    return fd;
}

UniqueFd openByComponents(int rootFd, const FileIdentity &rootId, const QByteArray &relative)
{
    UniqueFd current(::fcntl(rootFd, F_DUPFD_CLOEXEC, 0));
    for (const QByteArray &name : relative.split('/')) {
        UniqueFd next(::openat(current.get(), name.constData(), kFolderFlags));
        if (!next)
            return next;
        const auto id = FileIdentity::ofFd(next.get());
        if (!id || !id->sameMount(rootId)) {
            errno = id ? EXDEV : errno;
            return UniqueFd();
        }
        current = std::move(next);
    }
    return current;
}

}  // namespace

std::optional<AnchoredRoot> AnchoredRoot::open(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (!clean.startsWith(QLatin1Char('/')))
        return errno = EINVAL, std::nullopt;
    AnchoredRoot root;
    root.m_fd = UniqueFd(::open(QFile::encodeName(clean).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK));
    if (!root.m_fd)
        return std::nullopt;
    const auto id = FileIdentity::ofFd(root.m_fd.get());
    if (!id)
        return std::nullopt;
    root.m_id = *id;
    root.m_path = clean;
    root.m_realPath = realPathOfFd(root.m_fd.get(), clean);
    return root;
}

std::optional<QByteArray> AnchoredRoot::relativeOf(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    if (clean == m_path)
        return m_hiddenEntriesOnly ? std::nullopt : std::optional<QByteArray>(QByteArray());
    const QString prefix = m_path == QLatin1String("/") ? m_path : m_path + QLatin1Char('/');
    if (!clean.startsWith(prefix))
        return std::nullopt;
    const QByteArray relative = QFile::encodeName(clean.mid(prefix.size()));
    if (!isPlainRelative(relative))
        return std::nullopt;
    if (m_hiddenEntriesOnly && (!relative.startsWith('.') || relative.contains('/')))
        return std::nullopt;
    return relative;
}

bool AnchoredRoot::isPlainRelative(const QByteArray &relative)
{
    const QList<QByteArray> names = relative.split('/');
    return !relative.isEmpty() && std::none_of(names.cbegin(), names.cend(), [](const QByteArray &name) {
        return name.isEmpty() || name == "." || name == "..";
    });
}

QString AnchoredRoot::realPathOf(const QByteArray &relative) const
{
    if (relative.isEmpty())
        return m_realPath;
    return (m_realPath == QLatin1String("/") ? QString() : m_realPath) + QLatin1Char('/')
           + QFile::decodeName(relative);
}

QString AnchoredRoot::pathForProgram(const QByteArray &relative) const
{
    const std::optional<Item> item = locate(relative);
    struct stat st;
    if (!item || ::fstatat(item->parent.get(), item->name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return QString();
    return realPathOf(relative);
}

UniqueFd AnchoredRoot::openFolder(const QByteArray &relative) const
{
    if (relative.isEmpty())
        return UniqueFd(::fcntl(m_fd.get(), F_DUPFD_CLOEXEC, 0));
    const int fd = openBeneath(m_fd.get(), relative);
    if (fd >= 0 || errno != ENOSYS)
        return UniqueFd(fd);
    return openByComponents(m_fd.get(), m_id, relative);
}

std::optional<AnchoredRoot::Item> AnchoredRoot::locate(const QByteArray &relative) const
{
    if (relative.isEmpty())
        return errno = EINVAL, std::nullopt;
    const qsizetype slash = relative.lastIndexOf('/');
    Item item;
    item.parent = openFolder(slash < 0 ? QByteArray() : relative.left(slash));
    if (!item.parent)
        return std::nullopt;
    const auto parentId = FileIdentity::ofFd(item.parent.get());
    if (!parentId)
        return std::nullopt;
    item.parentId = *parentId;
    item.name = relative.mid(slash + 1);
    return item;
}

FolderTree::Measured AnchoredRoot::measureIn(int parent, const FileIdentity &parentId, const char *name,
                                             const FolderTree::Watch &watch)
{
    const auto id = FileIdentity::of(parent, name);
    if (!id || !id->sameMount(parentId))
        return {};
    if (!id->isFolder())
        return {id->countedSize(), id->mtime};
    const UniqueFd folder(::openat(parent, name, kFolderFlags));
    const auto opened = folder ? FileIdentity::ofFd(folder.get()) : std::nullopt;
    return opened && opened->sameFile(*id) ? FolderTree::measureWithNewest(folder.get(), watch)
                                           : FolderTree::Measured{};
}

qint64 AnchoredRoot::measure(const QString &path, const FolderTree::Watch &watch) const
{
    return measureWithNewest(path, watch).bytes;
}

FolderTree::Measured AnchoredRoot::measureWithNewest(const QString &path, const FolderTree::Watch &watch) const
{
    const std::optional<QByteArray> relative = relativeOf(path);
    if (!relative)
        return {};
    if (relative->isEmpty())
        return FolderTree::measureWithNewest(m_fd.get(), watch);
    if (!relative->contains('/'))
        return measureIn(m_fd.get(), m_id, relative->constData(), watch);
    const std::optional<Item> item = locate(*relative);
    return item ? measureIn(item->parent.get(), item->parentId, item->name.constData(), watch)
                : FolderTree::Measured{};
}

QStringView AnchoredRoot::entryName(const QString &path) const
{
    const bool top = m_path == QLatin1String("/");
    const qsizetype start = m_path.size() + (top ? 0 : 1);
    if (path.size() <= start || !path.startsWith(m_path) || (!top && path.at(m_path.size()) != QLatin1Char('/')))
        return {};
    const QStringView name = QStringView(path).mid(start);
    if (name.contains(QLatin1Char('/')) || name == u"." || name == u".."
        || (m_hiddenEntriesOnly && !name.startsWith(QLatin1Char('.'))))
        return {};
    return name;
}

qint64 AnchoredRoot::measureEntry(const QByteArray &name, const FolderTree::Watch &watch) const
{
    return measureEntryWithNewest(name, watch).bytes;
}

FolderTree::Measured AnchoredRoot::measureEntryWithNewest(const QByteArray &name, const FolderTree::Watch &watch) const
{
    return measureIn(m_fd.get(), m_id, name.constData(), watch);
}

void AnchoredRoot::setOpenat2Enabled(bool enabled)
{
    g_openat2 = enabled;
}

}  // namespace sw
