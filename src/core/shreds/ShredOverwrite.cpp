// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shreds/ShredOverwrite.h"

#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr qint64 kChunk = 1 << 20;
constexpr int kNameTries = 16;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ShredOverwrite)
};

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray hiddenName()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name(".sweepwright-shred-");
    for (int i = 0; i < 12; ++i)
        name.append(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return name;
}

// Renames name to a new hidden name in the same folder: the new name, or
// nullopt with errno set (EPERM, EACCES, EROFS: it could not be unlinked either).
std::optional<QByteArray> setAside(int folderFd, const char *name)
{
    for (int i = 0; i < kNameTries; ++i) {
        const QByteArray hidden = hiddenName();
        if (::renameat2(folderFd, name, folderFd, hidden.constData(), RENAME_NOREPLACE) == 0)
            return hidden;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// Puts the file back under its name and keeps it, saying why and where it is.
FolderTree::Unlinkable keep(int folderFd, const QByteArray &hidden, const char *name, const QString &why)
{
    if (::renameat2(folderFd, hidden.constData(), folderFd, name, RENAME_NOREPLACE) == 0)
        return {{}, Text::tr("%1; it was kept").arg(why)};
    return {{}, Text::tr("%1; it was kept as %2").arg(why, QFile::decodeName(hidden))};
}

bool isExamined(const struct stat &st, const FileIdentity &examined)
{
    return S_ISREG(st.st_mode) && st.st_dev == examined.dev && st.st_ino == examined.ino;
}

// Writes random bytes over [from, to); 0 or the error.
int overwriteRange(int fd, off_t from, off_t to, std::vector<quint32> &buffer)
{
    const char *bytes = reinterpret_cast<const char *>(buffer.data());
    while (from < to) {
        const size_t n = size_t(qMin<qint64>(to - from, kChunk));
        QRandomGenerator::global()->fillRange(buffer.data(), qsizetype(buffer.size()));
        const ssize_t written = ::pwrite(fd, bytes, n, from);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        from += written;
    }
    return 0;
}

// Overwrites the data extents of an open file of size bytes and flushes
// them; 0 or the error. Holes read as zeros and hold no old data.
int overwriteData(int fd, off_t size)
{
    std::vector<quint32> buffer(kChunk / sizeof(quint32));
    off_t data = 0;
    while (data < size) {
        data = ::lseek(fd, data, SEEK_DATA);
        if (data < 0)
            break;  // ENXIO: no data after this point
        off_t hole = ::lseek(fd, data, SEEK_HOLE);
        if (hole < 0)
            hole = size;
        if (const int error = overwriteRange(fd, data, qMin<off_t>(hole, size), buffer))
            return error;
        data = hole;
    }
    if (data < 0 && errno != ENXIO) {
        // A file system without SEEK_DATA: the whole file.
        if (const int error = overwriteRange(fd, 0, size, buffer))
            return error;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

FolderTree::Unlinkable overwriteBeforeUnlink(int folderFd, const char *name, const FileIdentity &examined)
{
    struct stat st;
    // Not a file of one name (another name keeps its contents), or no longer
    // the one examined: it is only unlinked.
    if (!S_ISREG(examined.mode) || ::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0
        || !isExamined(st, examined) || st.st_nlink != 1)
        return {name, {}};
    const std::optional<QByteArray> hidden = setAside(folderFd, name);
    if (!hidden) {
        if (errno == ENOENT)
            return {name, {}};  // gone meanwhile
        return {{}, Text::tr("it cannot be removed from its folder (%1); nothing was overwritten").arg(errorText(errno))};
    }
    if (::fstatat(folderFd, hidden->constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !isExamined(st, examined))
        return keep(folderFd, *hidden, name, Text::tr("it changed since it was examined"));
    const UniqueFd fd(::openat(folderFd, hidden->constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd)
        return {*hidden, {}};  // not the user's to write: it goes as it is
    if (::fstat(fd.get(), &st) != 0 || !isExamined(st, examined))
        return keep(folderFd, *hidden, name, Text::tr("it changed since it was examined"));
    if (st.st_nlink != 1)
        return {*hidden, {}};
    if (const int error = overwriteData(fd.get(), st.st_size))
        return keep(folderFd, *hidden, name,
                    Text::tr("its contents could not be overwritten (%1)").arg(errorText(error)));
    return {*hidden, {}};
}

}  // namespace sw
