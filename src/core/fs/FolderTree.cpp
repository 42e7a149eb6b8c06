// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FolderTree.h"

#include "core/fs/FileIdentity.h"
#include "core/fs/FolderNames.h"
#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace sw {

namespace {

// Folder descriptors held open below the walked folder; the walked folder's
// own stays open throughout.
constexpr size_t kOpenLevels = 32;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString changedText()
{
    return QCoreApplication::translate("FolderTree", "changed while it was being removed");
}

struct Level
{
    UniqueFd fd;
    std::string name;  // in its parent; empty for the walked folder
    FileIdentity id;
    std::vector<std::string> entries;  // still to handle
    size_t next = 0;
    bool incomplete = false;           // something below it stays
};

class Walk
{
public:
    enum class Mode { Measure, Remove };

    Walk(Mode mode, const FolderTree::FailureSink &failed, const FolderTree::Watch &watch,
         const FolderTree::BeforeUnlink &beforeUnlink = {})
        : m_mode(mode), m_failed(failed), m_watch(watch), m_beforeUnlink(beforeUnlink)
    {
    }
    qint64 run(int folderFd);
    qint64 newest() const { return m_newest; }

private:
    void count(qint64 bytes);
    void counted(const FileIdentity &id);
    bool read(Level &level);
    void handle(const std::string &name);
    void removeEntry(Level &level, const std::string &name, const FileIdentity &id);
    void enter(const std::string &name, const FileIdentity &id);
    void leave();
    bool reopenParent();
    void fail(const std::string &name, const QString &reason);

    const Mode m_mode;
    const FolderTree::FailureSink &m_failed;
    const FolderTree::Watch &m_watch;
    const FolderTree::BeforeUnlink &m_beforeUnlink;
    std::vector<Level> m_stack;
    qint64 m_bytes = 0;
    qint64 m_newest = 0;  // when measuring
    bool m_stopped = false;
    bool m_stopRequested = false;
};

// Adds what an entry counts for (or gave back) and asks the watch whether to go on.
void Walk::count(qint64 bytes)
{
    m_bytes += bytes;
    if (m_watch && !m_stopRequested && !m_watch(bytes))
        m_stopRequested = true;
}

// An entry examined while measuring.
void Walk::counted(const FileIdentity &id)
{
    m_newest = std::max(m_newest, id.mtime);
    count(id.countedSize());
}

qint64 Walk::run(int folderFd)
{
    Level top;
    top.fd = UniqueFd(::fcntl(folderFd, F_DUPFD_CLOEXEC, 0));
    const auto id = top.fd ? FileIdentity::ofFd(top.fd.get()) : std::nullopt;
    if (!id || !id->isFolder()) {
        fail({}, errorText(id ? ENOTDIR : errno));
        return 0;
    }
    top.id = *id;
    m_newest = id->mtime;
    m_stack.push_back(std::move(top));
    if (!read(m_stack.back()))
        return 0;
    while (!m_stack.empty() && !m_stopped) {
        if (m_stopRequested) {
            // What is still listed stays, and so do the folders holding it.
            fail({}, QCoreApplication::translate("FolderTree", "stopped before the end; the rest stays"));
            break;
        }
        Level &level = m_stack.back();
        if (level.next < level.entries.size())
            handle(level.entries[level.next++]);
        else
            leave();
    }
    return m_bytes;
}

// Lists a folder. When measuring, what is not a folder is counted at once
// and only sub-folders are kept.
bool Walk::read(Level &level)
{
    DIR *dir = ::fdopendir(::fcntl(level.fd.get(), F_DUPFD_CLOEXEC, 0));
    if (!dir) {
        fail({}, errorText(errno));
        level.incomplete = true;
        return false;
    }
    ::rewinddir(dir);  // the duplicate shares its offset with the original
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (isDotOrDotDot(name))
            continue;
        if (m_mode == Mode::Measure && entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN) {
            if (const auto id = FileIdentity::of(level.fd.get(), name); id && !id->isFolder()) {
                counted(*id);
                if (m_stopRequested)
                    break;  // a partial measure is discarded anyway
                continue;
            }
        }
        level.entries.emplace_back(name);
    }
    ::closedir(dir);
    return true;
}

void Walk::handle(const std::string &name)
{
    Level &level = m_stack.back();
    const auto id = FileIdentity::of(level.fd.get(), name.c_str());
    if (!id) {
        if (errno != ENOENT)  // gone already: nothing to count or remove
            fail(name, errorText(errno));
        return;
    }
    if (!id->isFolder()) {
        if (m_mode == Mode::Measure)
            counted(*id);
        else
            removeEntry(level, name, *id);
        return;
    }
    if (!id->sameMount(level.id)) {
        if (m_mode == Mode::Remove)
            fail(name, QCoreApplication::translate("FolderTree", "another file system is mounted here; left alone"));
        return;
    }
    enter(name, *id);
}

void Walk::removeEntry(Level &level, const std::string &name, const FileIdentity &id)
{
    const FolderTree::FileRemoval gone = FolderTree::removeFile(level.fd.get(), name.c_str(), id, m_beforeUnlink);
    if (!gone.failure.isEmpty())
        fail(name, gone.failure);
    else if (!gone.vanished)
        count(gone.removed);
}

void Walk::enter(const std::string &name, const FileIdentity &id)
{
    Level &parent = m_stack.back();
    Level child;
    child.fd = UniqueFd(::openat(parent.fd.get(), name.c_str(), kFolderFlags));
    const auto opened = child.fd ? FileIdentity::ofFd(child.fd.get()) : std::nullopt;
    if (!opened) {
        if (errno != ENOENT)
            fail(name, errno == ELOOP || errno == ENOTDIR ? changedText() : errorText(errno));
        return;
    }
    if (!opened->sameFile(id) || !opened->sameMount(parent.id)) {
        fail(name, changedText());
        return;
    }
    if (m_mode == Mode::Measure)
        counted(id);
    child.name = name;
    child.id = *opened;
    m_stack.push_back(std::move(child));
    if (m_stack.size() > kOpenLevels + 1)
        m_stack[m_stack.size() - kOpenLevels - 1].fd.reset();
    read(m_stack.back());
}

// The top folder is done: close it and, when removing, remove it from its
// parent unless something inside it stays.
void Walk::leave()
{
    if (m_stack.size() == 1) {
        m_stack.pop_back();
        return;
    }
    if (!m_stack[m_stack.size() - 2].fd && !reopenParent()) {
        m_stopped = true;
        return;
    }
    Level top = std::move(m_stack.back());
    m_stack.pop_back();
    top.fd.reset();
    Level &parent = m_stack.back();
    if (m_mode == Mode::Measure)
        return;
    if (top.incomplete) {
        parent.incomplete = true;
        return;
    }
    if (::unlinkat(parent.fd.get(), top.name.c_str(), AT_REMOVEDIR) == 0)
        count(top.id.countedSize());
    else if (errno != ENOENT)
        fail(top.name, errorText(errno));
}

// The parent's descriptor was closed to bound the open ones: reach it again
// through "..", which must still lead to the folder that was entered.
bool Walk::reopenParent()
{
    Level &top = m_stack.back();
    Level &parent = m_stack[m_stack.size() - 2];
    UniqueFd up(::openat(top.fd.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto id = up ? FileIdentity::ofFd(up.get()) : std::nullopt;
    if (!id || !id->sameFile(parent.id)) {
        m_stack.pop_back();
        fail({}, QCoreApplication::translate("FolderTree", "a folder was moved while it was being walked; stopped"));
        return false;
    }
    parent.fd = std::move(up);
    return true;
}

// Reports name (in the top folder; empty: the top folder itself) and marks
// every folder above it as keeping something.
void Walk::fail(const std::string &name, const QString &reason)
{
    QByteArray rel;
    for (size_t i = 1; i < m_stack.size(); ++i)
        rel += QByteArray::fromStdString(m_stack[i].name) + '/';
    rel += QByteArray::fromStdString(name);
    if (rel.endsWith('/'))
        rel.chop(1);
    for (Level &level : m_stack)
        level.incomplete = true;
    if (m_failed)
        m_failed(rel, reason);
}

}  // namespace

qint64 FolderTree::measure(int folderFd, const Watch &watch)
{
    return Walk(Walk::Mode::Measure, {}, watch).run(folderFd);
}

FolderTree::Measured FolderTree::measureWithNewest(int folderFd, const Watch &watch)
{
    Walk walk(Walk::Mode::Measure, {}, watch);
    const qint64 bytes = walk.run(folderFd);
    return {bytes, walk.newest()};
}

std::optional<QStringList> FolderTree::names(int folderFd)
{
    FolderNames names(folderFd);
    if (!names.isOpen())
        return std::nullopt;
    QStringList out;
    while (const char *name = names.next())
        out.append(QFile::decodeName(name));
    return out;
}

qint64 FolderTree::removeContents(int folderFd, const FailureSink &failed, const Watch &watch,
                                  const BeforeUnlink &beforeUnlink)
{
    return Walk(Walk::Mode::Remove, failed, watch, beforeUnlink).run(folderFd);
}

FolderTree::FileRemoval FolderTree::removeFile(int folderFd, const char *name, const FileIdentity &id,
                                               const BeforeUnlink &beforeUnlink)
{
    FileRemoval out;
    Unlinkable target{QByteArray(name), QString()};
    if (beforeUnlink)
        target = beforeUnlink(folderFd, name, id);
    if (!target.reason.isEmpty()) {
        out.failure = target.reason;
        return out;
    }
    if (::unlinkat(folderFd, target.name.constData(), 0) == 0) {
        out.removed = id.countedSize();
        return out;
    }
    const int error = errno;
    out.vanished = error == ENOENT;
    if (out.vanished)
        return out;
    out.failure = error == EISDIR ? changedText() : errorText(error);
    if (target.name != name
        && ::renameat2(folderFd, target.name.constData(), folderFd, name, RENAME_NOREPLACE) != 0)
        out.failure = QCoreApplication::translate("FolderTree", "%1; it is left as %2")
                          .arg(out.failure, QFile::decodeName(target.name));
    return out;
}

}  // namespace sw
