// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FileLink.h"

#include "core/fs/FolderTree.h"
#include "core/fs/RemovalRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(sw::FileLink)
};

// Why an item is left as it is; refused: it was never tried.
struct Problem
{
    QString reason;
    bool refused = false;
};

// One side (the kept file or the copy), open and examined.
struct Opened
{
    AnchoredRoot::Item at;  // where it was reached; empty when through the other side's folder
    UniqueFd fd;
    struct stat st = {};
};

bool sameTimes(const struct timespec &a, const struct timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The contents as they were compared: same inode, size and modification time.
bool unchanged(const struct stat &now, const struct stat &then)
{
    return now.st_dev == then.st_dev && now.st_ino == then.st_ino && now.st_size == then.st_size
           && sameTimes(now.st_mtim, then.st_mtim);
}

Problem changed()
{
    return {Text::tr("it changed since the scan")};
}

uid_t effectiveUser()
{
    static const uid_t user = ::geteuid();
    return user;
}

// Opens side's file. near, when given, is the other side already opened:
// a file in the same folder is reached through that folder's descriptor.
std::optional<Problem> open(const FileLink::Side &side, Opened &out, const FileLink::Side *nearSide = nullptr,
                            const Opened *near = nullptr)
{
    const std::optional<QByteArray> relative = side.root ? side.root->relativeOf(side.path) : std::nullopt;
    if (!relative || relative->isEmpty())
        return Problem{Text::tr("it is not below the folder it was found in"), true};
    int parent = -1;
    QByteArray name;
    const auto folderOf = [](const QString &path) { return QStringView(path).left(path.lastIndexOf(QLatin1Char('/'))); };
    if (near && nearSide->root == side.root && folderOf(nearSide->path) == folderOf(side.path)) {
        parent = near->at.parent.get();
        name = relative->mid(relative->lastIndexOf('/') + 1);
    } else {
        std::optional<AnchoredRoot::Item> at = side.root->locate(*relative);
        if (!at) {
            // A folder on the way that became a link: ELOOP, or ENOTDIR where it is the last one.
            const int error = errno == ENOTDIR ? ELOOP : errno;
            return Problem{RemovalRun::reasonOf(error), error == ELOOP || error == EXDEV};
        }
        out.at = std::move(*at);
        parent = out.at.parent.get();
        name = out.at.name;
    }
    struct stat named;
    if (::fstatat(parent, name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0)
        return Problem{RemovalRun::reasonOf(errno)};
    if (!S_ISREG(named.st_mode))
        return changed();
    if ((side.ino != 0 && named.st_ino != side.ino) || (side.dev != 0 && named.st_dev != side.dev))
        return changed();
    if (named.st_uid != effectiveUser())
        return Problem{Text::tr("it belongs to another user"), true};
    out.fd = UniqueFd(::openat(parent, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!out.fd || ::fstat(out.fd.get(), &out.st) != 0)
        return Problem{RemovalRun::reasonOf(errno)};
    if (!unchanged(out.st, named))
        return changed();
    return std::nullopt;
}

// Whole contents equal, read side by side.
std::optional<Problem> compare(int a, int b, qint64 size)
{
    // Kept between calls: a run compares thousands of files, and fresh
    // buffers would be mapped and cleared for each.
    constexpr qint64 kChunk = 256 * 1024;
    thread_local std::vector<char> left(kChunk), right(kChunk);
    for (qint64 offset = 0; offset < size;) {
        const size_t want = size_t(qMin(kChunk, size - offset));
        const ssize_t n = ::pread(a, left.data(), want, offset);
        const ssize_t m = ::pread(b, right.data(), want, offset);
        if (n < 0 || m < 0)
            return Problem{RemovalRun::reasonOf(errno)};
        if (n != ssize_t(want) || m != ssize_t(want) || std::memcmp(left.data(), right.data(), want) != 0)
            return changed();
        offset += n;
    }
    return std::nullopt;
}

QByteArray tempName()
{
    return QByteArray(FileLink::kTempPrefix) + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

// The link (or clone) made under a fresh temporary name in the copy's folder.
class TempLink
{
public:
    TempLink(const Opened &kept, const Opened &copy) : m_kept(kept), m_copy(copy) {}
    ~TempLink() { discard(); }

    std::optional<Problem> make(LinkKind kind, const QByteArray &symlinkTarget);
    const QByteArray &name() const { return m_name; }
    void keep() { m_name.clear(); }
    void discard()
    {
        if (!m_name.isEmpty())
            ::unlinkat(m_copy.at.parent.get(), m_name.constData(), 0);
        m_name.clear();
    }

private:
    std::optional<Problem> makeHard();
    std::optional<Problem> makeClone();

    const Opened &m_kept;
    const Opened &m_copy;
    QByteArray m_name;
};

std::optional<Problem> TempLink::make(LinkKind kind, const QByteArray &symlinkTarget)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        m_name = tempName();
        std::optional<Problem> problem;
        if (kind == LinkKind::Hard)
            problem = makeHard();
        else if (kind == LinkKind::Reflink)
            problem = makeClone();
        else if (::symlinkat(symlinkTarget.constData(), m_copy.at.parent.get(), m_name.constData()) != 0) {
            const int error = errno;
            m_name.clear();
            problem = Problem{RemovalRun::reasonOf(errno = error)};
        }
        if (!problem || errno != EEXIST)
            return problem;
    }
    m_name.clear();
    return Problem{RemovalRun::reasonOf(EEXIST)};
}

std::optional<Problem> TempLink::makeHard()
{
    // Through the open descriptor: the very file that was compared, whatever
    // its name leads to now.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_kept.fd.get());
    if (::linkat(AT_FDCWD, self.constData(), m_copy.at.parent.get(), m_name.constData(), AT_SYMLINK_FOLLOW) != 0) {
        const int error = errno;
        m_name.clear();
        errno = error;
        if (error == EXDEV)
            return Problem{Text::tr("the kept copy is on another file system: a hard link cannot reach it"), true};
        return Problem{RemovalRun::reasonOf(error)};
    }
    struct stat made;
    if (::fstatat(m_copy.at.parent.get(), m_name.constData(), &made, AT_SYMLINK_NOFOLLOW) != 0
        || !unchanged(made, m_kept.st))
        return changed();
    return std::nullopt;
}

std::optional<Problem> TempLink::makeClone()
{
    const UniqueFd out(::openat(m_copy.at.parent.get(), m_name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out) {
        const int error = errno;
        m_name.clear();
        errno = error;
        return Problem{RemovalRun::reasonOf(error)};
    }
    if (::ioctl(out.get(), FICLONE, m_kept.fd.get()) != 0) {
        const int error = errno;
        if (error == EOPNOTSUPP || error == EXDEV || error == EINVAL || error == ENOTTY)
            return Problem{Text::tr("the file system cannot share data between files (reflink)"), true};
        return Problem{RemovalRun::reasonOf(error)};
    }
    // The clone is the copy from now on: its owner, mode and times.
    const struct timespec times[2] = {m_copy.st.st_atim, m_copy.st.st_mtim};
    if (::fchown(out.get(), m_copy.st.st_uid, m_copy.st.st_gid) != 0
        || ::fchmod(out.get(), m_copy.st.st_mode & 07777) != 0 || ::futimens(out.get(), times) != 0)
        return Problem{RemovalRun::reasonOf(errno)};
    return std::nullopt;
}

// Puts the link in the copy's place and the copy under the temporary name,
// in one step; undone when what went aside was not the copy compared.
std::optional<Problem> exchange(const Opened &copy, TempLink &temp)
{
    const int folder = copy.at.parent.get();
    const char *name = copy.at.name.constData();
    if (::renameat2(folder, temp.name().constData(), folder, name, RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL)
            return Problem{RemovalRun::reasonOf(errno)};
        // No exchange on this file system: check, then rename over.
        struct stat now;
        if (::fstatat(folder, name, &now, AT_SYMLINK_NOFOLLOW) != 0 || !unchanged(now, copy.st))
            return changed();
        if (::renameat(folder, temp.name().constData(), folder, name) != 0)
            return Problem{RemovalRun::reasonOf(errno)};
        temp.keep();
        return std::nullopt;
    }
    struct stat aside;
    if (::fstatat(folder, temp.name().constData(), &aside, AT_SYMLINK_NOFOLLOW) != 0 || !unchanged(aside, copy.st)) {
        ::renameat2(folder, temp.name().constData(), folder, name, RENAME_EXCHANGE);
        return changed();
    }
    const QByteArray oldCopy = temp.name();
    temp.keep();
    const auto id = FileIdentity::of(folder, oldCopy.constData());
    if (!id)
        return std::nullopt;
    const FolderTree::FileRemoval gone = FolderTree::removeFile(folder, oldCopy.constData(), *id);
    if (!gone.failure.isEmpty())
        return Problem{Text::tr("the link is in place, but the old copy stays as %1: %2")
                           .arg(QFile::decodeName(oldCopy), gone.failure)};
    return std::nullopt;
}

}  // namespace

QByteArray FileLink::symlinkTarget(const QString &copyPath, const QString &keptPath, const QString &commonRoot,
                                   const QString &keptRealPath)
{
    const QString root = QDir::cleanPath(commonRoot);
    const QString prefix = root == QLatin1String("/") ? root : root + QLatin1Char('/');
    if (!root.isEmpty() && copyPath.startsWith(prefix) && keptPath.startsWith(prefix)) {
        const QString folder = copyPath.left(copyPath.lastIndexOf(QLatin1Char('/')));
        return QFile::encodeName(QDir(folder).relativeFilePath(keptPath));
    }
    return QFile::encodeName(keptRealPath);
}

RemovalOutcome FileLink::replace(const Side &kept, const Side &copy, qint64 size, LinkKind kind)
{
    RemovalOutcome outcome;
    outcome.path = copy.path;
    outcome.size = size;
    const auto fail = [&](const Problem &problem) {
        outcome.refused = problem.refused;
        outcome.failures.append({copy.path, problem.reason});
        return outcome;
    };
    Opened keptFile, copyFile;
    if (const auto problem = open(copy, copyFile))
        return fail(*problem);
    if (const auto problem = open(kept, keptFile, &copy, &copyFile))
        return fail(*problem);
    if (keptFile.st.st_dev == copyFile.st.st_dev && keptFile.st.st_ino == copyFile.st.st_ino)
        return fail({Text::tr("it is the kept copy itself")});
    if (kind != LinkKind::Symbolic && keptFile.st.st_dev != copyFile.st.st_dev)
        return fail({kind == LinkKind::Hard
                         ? Text::tr("the kept copy is on another file system: a hard link cannot reach it")
                         : Text::tr("the kept copy is on another file system: a reflink cannot reach it"),
                     true});
    if (copyFile.st.st_size != keptFile.st.st_size)
        return fail(changed());
    if (const auto problem = compare(keptFile.fd.get(), copyFile.fd.get(), copyFile.st.st_size))
        return fail(*problem);
    QByteArray target;
    if (kind == LinkKind::Symbolic)
        target = symlinkTarget(copy.path, kept.path, kept.root == copy.root ? copy.root->path() : QString(),
                               kept.root->realPathOf(*kept.root->relativeOf(kept.path)));
    TempLink temp(keptFile, copyFile);
    if (const auto problem = temp.make(kind, target))
        return fail(*problem);
    // A hard link was checked against the kept file as it was made.
    struct stat keptNow;
    if (kind != LinkKind::Hard && (::fstat(keptFile.fd.get(), &keptNow) != 0 || !unchanged(keptNow, keptFile.st)))
        return fail(changed());
    if (const auto problem = exchange(copyFile, temp))
        return fail(*problem);
    outcome.removed = copyFile.st.st_nlink == 1 ? qint64(copyFile.st.st_size) : 0;
    return outcome;
}

}  // namespace sw
