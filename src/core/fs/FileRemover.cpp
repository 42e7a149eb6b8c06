#include "FileRemover.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

struct Failure
{
    QString message;
    void note(const char *what, const QByteArray &name, int err)
    {
        if (message.isEmpty())
            message = QStringLiteral("%1 %2: %3")
                          .arg(QString::fromLatin1(what), QString::fromLocal8Bit(name),
                               QString::fromLocal8Bit(std::strerror(err)));
    }
};

// Empties the folder open as dirFd (which this takes over), depth first.
bool emptyFolderAt(int dirFd, Failure &failure)
{
    DIR *dir = fdopendir(dirFd);
    if (!dir) {
        failure.note("open", QByteArray(), errno);
        close(dirFd);
        return false;
    }
    bool ok = true;
    while (dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        struct stat st;
        if (fstatat(dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) {
                failure.note("stat", name, errno);
                ok = false;
            }
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            const int child = openat(dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0 || !emptyFolderAt(child, failure)) {
                if (child < 0)
                    failure.note("open", name, errno);
                ok = false;
                continue;
            }
            if (unlinkat(dirfd(dir), name, AT_REMOVEDIR) != 0) {
                failure.note("remove", name, errno);
                ok = false;
            }
        } else if (unlinkat(dirfd(dir), name, 0) != 0 && errno != ENOENT) {
            failure.note("remove", name, errno);
            ok = false;
        }
    }
    closedir(dir);
    return ok;
}

}  // namespace

bool FileRemover::removeItem(const QString &path, QString *error)
{
    const QByteArray native = QFile::encodeName(path);
    Failure failure;
    struct stat st;
    bool ok = true;
    if (lstat(native.constData(), &st) != 0) {
        failure.note("stat", native, errno);
        ok = false;
    } else if (!S_ISDIR(st.st_mode)) {
        if (unlink(native.constData()) != 0) {
            failure.note("remove", native, errno);
            ok = false;
        }
    } else {
        const int fd = open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            failure.note("open", native, errno);
            ok = false;
        } else {
            ok = emptyFolderAt(fd, failure);
            if (ok && rmdir(native.constData()) != 0) {
                failure.note("remove", native, errno);
                ok = false;
            }
        }
    }
    if (!ok && error)
        *error = failure.message;
    return ok;
}

}  // namespace sw
