// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/Trash.h"

#include "core/fs/AnchoredRoot.h"
#include "core/fs/UniqueFd.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr int kMaxNameAttempts = 10000;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Trash)
};

// "PATH: why": the removal core takes the path off again when it is the item's.
QString pathError(const QString &path, const QString &why)
{
    return QStringLiteral("%1: %2").arg(path, why);
}

QString systemError(const QByteArray &path, int error)
{
    return pathError(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(error)));
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// A folder at path (created with mode 0700, parents too, when missing).
bool makeFolder(const QByteArray &path, QString *error)
{
    struct stat st;
    if (::stat(path.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return true;
        *error = systemError(path, ENOTDIR);
        return false;
    }
    if (errno != ENOENT) {
        *error = systemError(path, errno);
        return false;
    }
    if (path != "/" && !makeFolder(parentOf(path), error))
        return false;
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        *error = systemError(path, errno);
        return false;
    }
    return true;
}

// files/ and info/ inside a trash folder; the trash folder's device.
std::optional<dev_t> prepareTrash(const QByteArray &trash, QString *error)
{
    if (!makeFolder(trash + "/files", error) || !makeFolder(trash + "/info", error))
        return std::nullopt;
    struct stat st;
    if (::stat((trash + "/files").constData(), &st) != 0) {
        *error = systemError(trash + "/files", errno);
        return std::nullopt;
    }
    return st.st_dev;
}

// The device of the nearest folder of path that exists.
dev_t deviceOfNearest(QByteArray path)
{
    struct stat st;
    while (::stat(path.constData(), &st) != 0 && path != "/")
        path = parentOf(path);
    return st.st_dev;
}

// The top folder (mount point) of the file system that holds canonicalFolder.
QByteArray topFolderOf(const QByteArray &canonicalFolder, dev_t device)
{
    QByteArray top = canonicalFolder;
    while (top != "/") {
        const QByteArray up = parentOf(top);
        struct stat st;
        if (::stat(up.constData(), &st) != 0 || st.st_dev != device)
            break;
        top = up;
    }
    return top;
}

// A folder we own, not a link, made with mode 0700 when missing.
bool ownFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

// $topdir/.Trash/$uid when an administrator made a sticky $topdir/.Trash
// (not a link), else $topdir/.Trash-$uid.
std::optional<QByteArray> topTrash(const QByteArray &top, dev_t device)
{
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::geteuid());
    QList<QByteArray> candidates;
    struct stat st;
    if (::lstat((base + "/.Trash").constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
        candidates << base + "/.Trash/" + uid;
    candidates << base + "/.Trash-" + uid;
    for (const QByteArray &trash : candidates) {
        QString ignored;
        if (!ownFolder(trash))
            continue;
        const std::optional<dev_t> dev = prepareTrash(trash, &ignored);
        if (dev && *dev == device)
            return trash;
    }
    return std::nullopt;
}

// The longest name an item may have in files/: its info file adds ".trashinfo".
constexpr qsizetype kMaxTrashedName = NAME_MAX - 10;
// An extension longer than this is not worth keeping when a name is shortened.
constexpr qsizetype kMaxKeptExtension = 16;

// The first bytes of text that fit in max bytes without cutting a UTF-8
// sequence in half.
QByteArray utf8Prefix(const QByteArray &text, qsizetype max)
{
    if (text.size() <= max)
        return text;
    qsizetype end = max;
    while (end > 0 && (static_cast<unsigned char>(text.at(end)) & 0xC0) == 0x80)
        --end;
    return text.left(end);
}

// "a.txt" -> "a.2.txt": the n-th name tried for an item called name, cut
// short (keeping the extension and the counter) where it would not fit.
QByteArray candidateName(const QByteArray &name, int n)
{
    const qsizetype dot = name.lastIndexOf('.');
    const bool hasExtension = dot > 0 && name.size() - dot <= kMaxKeptExtension;
    const QByteArray extension = hasExtension ? name.mid(dot) : QByteArray();
    const QByteArray counter = n == 1 ? QByteArray() : "." + QByteArray::number(n);
    const QByteArray stem = hasExtension ? name.left(dot) : name;
    return utf8Prefix(stem, kMaxTrashedName - extension.size() - counter.size()) + counter + extension;
}

struct Target
{
    QByteArray trash;     // the trash folder
    QByteArray infoPath;  // the original path as the info file records it
};

// Claims a free name in the trash by creating its info file; returns the name.
std::optional<QByteArray> claimName(const Target &target, const QByteArray &name, QString *error)
{
    const QByteArray info = Trash::trashInfo(QFile::decodeName(target.infoPath), QDateTime::currentDateTime());
    for (int n = 1; n <= kMaxNameAttempts; ++n) {
        const QByteArray candidate = candidateName(name, n);
        const QByteArray infoFile = target.trash + "/info/" + candidate + ".trashinfo";
        const int fd = ::open(infoFile.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            *error = systemError(infoFile, errno);
            return std::nullopt;
        }
        const bool written = writeAll(fd, info);
        const int writeError = errno;
        const bool closed = ::close(fd) == 0;
        struct stat st;
        // A leftover without its info file keeps its name too.
        const bool taken = ::lstat((target.trash + "/files/" + candidate).constData(), &st) == 0;
        if (written && closed && !taken)
            return candidate;
        ::unlink(infoFile.constData());
        if (!written || !closed) {
            *error = systemError(infoFile, written ? EIO : writeError);
            return std::nullopt;
        }
    }
    *error = pathError(QFile::decodeName(name), Text::tr("no free name in the trash"));
    return std::nullopt;
}

// The trash that can take an item of the given device, and the path its info
// file records. path is the item as named, realPath where it really is.
std::optional<Target> chooseTrash(const QByteArray &path, const QByteArray &realPath, dev_t device, QString *error)
{
    const QByteArray home = QFile::encodeName(Trash::homeTrash());
    if (deviceOfNearest(home) == device) {
        const std::optional<dev_t> dev = prepareTrash(home, error);
        if (!dev)
            return std::nullopt;
        if (*dev == device)
            return Target{home, path};
    }
    // Another file system: its own top-folder trash, with the path relative
    // to the top folder, as the desktop's trash expects there.
    const QByteArray folder = parentOf(realPath);
    const QByteArray top = topFolderOf(folder, device);
    const std::optional<QByteArray> trash = topTrash(top, device);
    if (!trash) {
        *error = pathError(QFile::decodeName(path),
                           Text::tr("no trash on its file system (%1)").arg(QFile::decodeName(top)));
        return std::nullopt;
    }
    const QByteArray relative = top == "/" ? realPath.mid(1) : realPath.mid(top.size() + 1);
    return Target{*trash, relative};
}

}  // namespace

QString Trash::homeTrash()
{
    return ORLayout::dataHome() + QStringLiteral("/Trash");
}

QByteArray Trash::encodePath(const QString &path)
{
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const char c : QFile::encodeName(path)) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
            || (c != '\0' && std::strchr("-._~/", c))) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

QByteArray Trash::trashInfo(const QString &path, const QDateTime &deletionDate)
{
    return "[Trash Info]\nPath=" + encodePath(path) + "\nDeletionDate="
           + deletionDate.toString(QStringLiteral("yyyy-MM-dd'T'hh:mm:ss")).toLatin1() + "\n";
}

QString Trash::moveToTrash(const QString &path, QString *trashedPath)
{
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith(QLatin1Char('/')) || clean == QLatin1String("/"))
        return pathError(path, Text::tr("not an absolute path of an item"));
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    const std::optional<AnchoredRoot> parent = AnchoredRoot::open(slash == 0 ? QStringLiteral("/") : clean.left(slash));
    if (!parent)
        return systemError(QFile::encodeName(clean), errno);
    const QByteArray name = QFile::encodeName(clean.mid(slash + 1));
    return moveToTrashAt(parent->fd(), name, clean, parent->realPathOf(name), trashedPath);
}

QString Trash::moveToTrashAt(int parentFd, const QByteArray &name, const QString &path, const QString &realPath,
                             QString *trashedPath)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::fstatat(parentFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return systemError(native, errno);
    QString error;
    const std::optional<Target> target = chooseTrash(native, QFile::encodeName(realPath), st.st_dev, &error);
    if (!target)
        return error;
    const UniqueFd files(::open((target->trash + "/files").constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!files)
        return systemError(target->trash + "/files", errno);
    const std::optional<QByteArray> claimed = claimName(*target, name, &error);
    if (!claimed)
        return error;
    // renameat(2) moves a link as the link and never copies; the item is
    // reached through its folder's descriptor, not by its path again.
    if (::renameat(parentFd, name.constData(), files.get(), claimed->constData()) != 0) {
        const int renameError = errno;
        ::unlink((target->trash + "/info/" + *claimed + ".trashinfo").constData());
        return systemError(native, renameError);
    }
    if (trashedPath)
        *trashedPath = QFile::decodeName(target->trash + "/files/" + *claimed);
    return QString();
}

}  // namespace sw
