// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/EmptyFinder.h"

#include "core/dups/DupNotifications.h"
#include "core/finder/FinderFilter.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/TitlePoster.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(EmptyFinder)
};

struct Folder
{
    bool empty = true;  // holds nothing but empty folders
    qint64 bytes = 0;   // the sizes of the folders below it
    qint64 own = 0;     // its own size, which its holder counts
    qint64 modTime = 0;
};

// One walk of the chosen folders; lists into groups when it has them.
class EmptyWalk
{
public:
    EmptyWalk(const QStringList &excludeFolders, JobControl *job, ORDupDataGroup *groups)
        : m_exclude(excludeFolders), m_job(job), m_groups(groups), m_title(dupnote::kTitle, job)
    {
    }

    // Looks through the open folder at path; nothing below a folder that is
    // empty as a whole is listed (its top is, by whoever holds it).
    Folder visit(int fd, const QByteArray &path, dev_t device, int depth);
    void flush() { m_title.flush(); }

private:
    // Whether the entry name counts as content of its folder.
    bool isContent(int fd, const QByteArray &path, const char *name, dev_t device, int depth, Folder &folder);
    void list(EmptyFinder::Kind kind, const QByteArray &path, qint64 size, qint64 modTime);

    const QStringList &m_exclude;
    JobControl *m_job;
    ORDupDataGroup *m_groups;  // one per kind; nullptr: nothing is listed
    TitlePoster m_title;
    ProtectedPaths::Cache m_protected;
};

bool isHidden(const char *name)
{
    return name[0] == '.';
}

void EmptyWalk::list(EmptyFinder::Kind kind, const QByteArray &path, qint64 size, qint64 modTime)
{
    if (!m_groups)
        return;
    const QString text = QFile::decodeName(path);
    if (m_protected.isProtected(text) || !ORUtility::isDeletableFileWithCurrentPermission(text))
        return;
    ORDupDataItem item;
    item.itemPath = text;
    item.itemName = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    item.itemSize = size;
    item.itemModTime = modTime;
    m_groups[kind].groupItems.append(item);
    m_groups[kind].groupSize += size;
}

bool EmptyWalk::isContent(int fd, const QByteArray &path, const char *name, dev_t device, int depth, Folder &folder)
{
    struct stat st;
    if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;  // gone since it was listed
    const QByteArray child = path + '/' + name;
    m_title.offer(child);
    if (m_job)
        m_job->addItems();
    const bool listable = !isHidden(name);
    if (S_ISLNK(st.st_mode)) {
        struct stat target;
        const bool broken = ::fstatat(fd, name, &target, 0) != 0
                            && (errno == ENOENT || errno == ELOOP || errno == ENOTDIR);
        if (broken && listable)
            list(EmptyFinder::BrokenLinks, child, st.st_size, modTimeMs(st));
        return true;
    }
    if (S_ISREG(st.st_mode)) {
        if (st.st_size == 0 && listable)
            list(EmptyFinder::EmptyFiles, child, 0, modTimeMs(st));
        return true;
    }
    if (!S_ISDIR(st.st_mode) || st.st_dev != device || depth >= EmptyFinder::kMaxDepth || !listable
        || ORUtility::isExcludedFolder(m_exclude, QFile::decodeName(child)))
        return true;
    const UniqueFd sub(::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!sub.isValid())
        return true;
    const Folder inner = visit(sub.get(), child, device, depth + 1);
    if (!inner.empty)
        return true;
    folder.bytes = inner.bytes;
    folder.own = st.st_size;
    folder.modTime = modTimeMs(st);
    return false;
}

Folder EmptyWalk::visit(int fd, const QByteArray &path, dev_t device, int depth)
{
    Folder folder;
    const int listFd = ::dup(fd);
    DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        return {false, 0};
    }
    // Empty sub-folders are listed only once it is known that this folder is
    // not empty as a whole.
    QList<QPair<QByteArray, Folder>> emptyBelow;
    while (const dirent *entry = ::readdir(dir)) {
        if (m_job && m_job->isCancelled())
            break;
        const char *name = entry->d_name;
        if (qstrcmp(name, ".") == 0 || qstrcmp(name, "..") == 0)
            continue;
        Folder sub;
        if (isContent(fd, path, name, device, depth, sub))
            folder.empty = false;
        else
            emptyBelow.append({path + '/' + name, sub});
        folder.bytes += sub.bytes + sub.own;
    }
    ::closedir(dir);
    if (!folder.empty || depth == 0)
        for (const auto &[below, sub] : std::as_const(emptyBelow))
            list(EmptyFinder::EmptyFolders, below, sub.bytes, sub.modTime);
    return folder;
}

}  // namespace

QString EmptyFinder::title(Kind kind)
{
    switch (kind) {
    case EmptyFiles:
        return Text::tr("Empty files");
    case EmptyFolders:
        return Text::tr("Empty folders");
    case BrokenLinks:
        return Text::tr("Broken links");
    }
    return {};
}

std::shared_ptr<ORDupData> EmptyFinder::scan(const QStringList &folders, const QStringList &excludeFolders,
                                             JobControl &job)
{
    ORDupDataGroup groups[3];
    EmptyWalk walk(excludeFolders, &job, groups);
    for (const QString &root : folders) {
        const QByteArray native = QFile::encodeName(root);
        const UniqueFd fd(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat st;
        if (!fd.isValid() || ::fstat(fd.get(), &st) != 0 || ORUtility::isExcludedFolder(excludeFolders, root))
            continue;
        walk.visit(fd.get(), native.endsWith('/') ? native.chopped(1) : native, st.st_dev, 0);
    }
    walk.flush();
    if (job.isCancelled())
        return nullptr;
    auto data = std::make_shared<ORDupData>();
    for (Kind kind : {EmptyFiles, EmptyFolders, BrokenLinks}) {
        ORDupDataGroup &group = groups[kind];
        if (group.groupItems.isEmpty())
            continue;
        group.groupName = title(kind);
        group.groupPath = group.groupItems.constFirst().itemPath;
        group.allMayGo = true;
        data->dupTotalSize += group.groupSize;
        data->dupGroups.append(std::move(group));
    }
    return data;
}

QString EmptyFinder::stillEmpty(int folderFd, const QByteArray &name)
{
    struct stat st;
    if (::fstatat(folderFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};  // the removal tells a vanished entry itself
    if (S_ISLNK(st.st_mode)) {
        struct stat target;
        return ::fstatat(folderFd, name.constData(), &target, 0) != 0 ? QString()
                                                                       : Text::tr("its target exists now");
    }
    if (S_ISREG(st.st_mode))
        return st.st_size == 0 ? QString() : Text::tr("it is no longer empty");
    if (!S_ISDIR(st.st_mode))
        return Text::tr("it is no longer what was found");
    const UniqueFd fd(::openat(folderFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    EmptyWalk walk(QStringList(), nullptr, nullptr);
    if (!fd.isValid() || !walk.visit(fd.get(), name, st.st_dev, 1).empty)
        return Text::tr("it holds more than empty folders now");
    return {};
}

}  // namespace sw
