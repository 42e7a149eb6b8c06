// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/ItemCopy.h"

#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace sw {

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// One copy run: walks the source below descriptors and collects what failed.
class Copier
{
public:
    QList<ItemCopy::Failure> failures;

    void entry(int srcDir, const QByteArray &name, int dstDir, const QByteArray &dstName, const QString &shown)
    {
        struct stat st;
        if (::fstatat(srcDir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return fail(shown, errorText(errno));
        if (S_ISREG(st.st_mode))
            file(srcDir, name, st, dstDir, dstName, shown);
        else if (S_ISDIR(st.st_mode))
            folder(srcDir, name, st, dstDir, dstName, shown);
        else if (S_ISLNK(st.st_mode))
            link(srcDir, name, dstDir, dstName, shown);
        else
            fail(shown, QCoreApplication::translate("ItemCopy", "Special file, not copied"));
    }

private:
    void fail(const QString &path, const QString &reason) { failures.append({path, reason}); }

    void file(int srcDir, const QByteArray &name, const struct stat &st, int dstDir, const QByteArray &dstName,
              const QString &shown)
    {
        UniqueFd in(::openat(srcDir, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (!in)
            return fail(shown, errorText(errno));
        // Not truncated on open: the target may be the source itself. A FIFO
        // in the way fails at once instead of waiting for a reader.
        UniqueFd out(::openat(dstDir, dstName.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                              st.st_mode & 0777));
        if (!out)
            return fail(shown, errorText(errno));
        struct stat target;
        if (::fstat(out.get(), &target) != 0)
            return fail(shown, errorText(errno));
        if (!S_ISREG(target.st_mode))
            return fail(shown, errorText(EEXIST));
        if (target.st_dev == st.st_dev && target.st_ino == st.st_ino)
            return fail(shown, QCoreApplication::translate("ItemCopy", "The copy would replace the original"));
        if (::ftruncate(out.get(), 0) != 0)
            return fail(shown, errorText(errno));
        std::vector<char> buffer(1 << 20);
        for (;;) {
            const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
            if (got == 0)
                break;
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                return fail(shown, errorText(errno));
            }
            for (ssize_t done = 0; done < got;) {
                const ssize_t put = ::write(out.get(), buffer.data() + done, size_t(got - done));
                if (put < 0 && errno == EINTR)
                    continue;
                if (put <= 0)
                    return fail(shown, errorText(put < 0 ? errno : ENOSPC));
                done += put;
            }
        }
        ::fchmod(out.get(), st.st_mode & 0777);
    }

    void folder(int srcDir, const QByteArray &name, const struct stat &st, int dstDir, const QByteArray &dstName,
                const QString &shown)
    {
        UniqueFd from(::openat(srcDir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!from)
            return fail(shown, errorText(errno));
        if (::mkdirat(dstDir, dstName.constData(), 0700) != 0 && errno != EEXIST)
            return fail(shown, errorText(errno));
        UniqueFd to(::openat(dstDir, dstName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!to)
            return fail(shown, errorText(errno));
        DIR *listing = ::fdopendir(::dup(from.get()));
        if (!listing)
            return fail(shown, errorText(errno));
        QList<QByteArray> names;
        while (const dirent *item = ::readdir(listing)) {
            const QByteArray child(item->d_name);
            if (child != "." && child != "..")
                names.append(child);
        }
        ::closedir(listing);
        for (const QByteArray &child : std::as_const(names))
            entry(from.get(), child, to.get(), child, shown + QLatin1Char('/') + QFile::decodeName(child));
        ::fchmod(to.get(), (st.st_mode & 0777) | 0700);
    }

    void link(int srcDir, const QByteArray &name, int dstDir, const QByteArray &dstName, const QString &shown)
    {
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlinkat(srcDir, name.constData(), target.data(), size_t(target.size()));
        if (length < 0 || length >= target.size())
            return fail(shown, errorText(length < 0 ? errno : ENAMETOOLONG));
        target.truncate(length);
        if (::symlinkat(target.constData(), dstDir, dstName.constData()) != 0)
            fail(shown, errorText(errno));
    }
};

}  // namespace

QList<ItemCopy::Failure> ItemCopy::copy(const QString &source, const QString &target)
{
    const QFileInfo from(QDir::cleanPath(source));
    const QFileInfo to(QDir::cleanPath(target));
    // A folder copied into itself would keep finding its own copy.
    const QString canonicalFrom = from.canonicalFilePath();
    const QString toInside = QFileInfo(to.path()).canonicalFilePath() + QLatin1Char('/') + to.fileName();
    if (!canonicalFrom.isEmpty() && from.isDir() && !from.isSymLink()
        && (toInside == canonicalFrom || toInside.startsWith(canonicalFrom + QLatin1Char('/'))))
        return {{source, QCoreApplication::translate("ItemCopy", "A folder cannot be copied into itself")}};

    Copier copier;
    UniqueFd srcDir(::open(QFile::encodeName(from.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    UniqueFd dstDir(::open(QFile::encodeName(to.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!srcDir || !dstDir)
        return {{source, errorText(errno)}};
    copier.entry(srcDir.get(), QFile::encodeName(from.fileName()), dstDir.get(), QFile::encodeName(to.fileName()),
                 from.filePath());
    return copier.failures;
}

}  // namespace sw
