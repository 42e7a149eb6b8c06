#include "ShredOverwrite.h"

#include "UniqueFd.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr qint64 kChunk = 1 << 20;

QString failed(int error)
{
    return QCoreApplication::translate("ShredOverwrite", "its contents could not be overwritten (%1); it was kept")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
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

}  // namespace

QString overwriteBeforeUnlink(int folderFd, const char *name, const FileIdentity &examined)
{
    if (!S_ISREG(examined.mode))
        return QString();
    const UniqueFd fd(::openat(folderFd, name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd)
        return QString();  // not the user's to write, or no longer a file: it is only removed
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_dev != examined.dev
        || st.st_ino != examined.ino || st.st_nlink != 1)
        return QString();
    std::vector<quint32> buffer(kChunk / sizeof(quint32));
    // Data extents only: holes read as zeros and hold no old data.
    off_t data = 0;
    while (data < st.st_size) {
        data = ::lseek(fd.get(), data, SEEK_DATA);
        if (data < 0)
            break;  // ENXIO: no data after this point
        off_t hole = ::lseek(fd.get(), data, SEEK_HOLE);
        if (hole < 0)
            hole = st.st_size;
        if (const int error = overwriteRange(fd.get(), data, qMin<off_t>(hole, st.st_size), buffer))
            return failed(error);
        data = hole;
    }
    if (data < 0 && errno != ENXIO) {
        // A file system without SEEK_DATA: the whole file.
        if (const int error = overwriteRange(fd.get(), 0, st.st_size, buffer))
            return failed(error);
    }
    if (::fsync(fd.get()) != 0)
        return failed(errno);
    return QString();
}

}  // namespace sw
