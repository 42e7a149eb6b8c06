#include "FolderWalker.h"

#include <QFile>

#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

// Folder descriptors kept open at once; deeper folders are opened by a path
// relative to the last one of these.
constexpr size_t kMaxOpenLevels = 64;

struct Level
{
    int fd = -1;                       // -1 beyond kMaxOpenLevels
    std::string relToAnchor;           // path from the anchor level when fd is -1
    dev_t dev = 0;
    ino_t ino = 0;
    std::vector<std::string> subdirs;  // read ahead, so the DIR stream can be closed
    size_t next = 0;
};

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

// Reads one folder completely: adds every entry's st_size, remembers the
// sub-folders. Takes ownership of fd only for the DIR stream (a duplicate).
qint64 readLevel(Level &level, int dirFd)
{
    const int streamFd = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    if (streamFd < 0)
        return 0;
    DIR *dir = fdopendir(streamFd);
    if (!dir) {
        ::close(streamFd);
        return 0;
    }
    qint64 total = 0;
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (isDotOrDotDot(name))
            continue;
        struct stat st;
        if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        total += st.st_size;
        if (S_ISDIR(st.st_mode))
            level.subdirs.emplace_back(name);
    }
    closedir(dir);
    return total;
}

bool onBranch(const std::vector<Level> &stack, const struct stat &st)
{
    for (const Level &level : stack)
        if (level.dev == st.st_dev && level.ino == st.st_ino)
            return true;
    return false;
}

// Opens a sub-folder of the top level; -1 when it cannot be opened. Below
// the last open level (the anchor) the path from the anchor is kept instead.
int openChild(const std::vector<Level> &stack, const std::string &name, std::string *relToAnchor)
{
    const Level &parent = stack.back();
    if (parent.fd >= 0) {
        if (stack.size() >= kMaxOpenLevels)
            *relToAnchor = name;
        return openat(parent.fd, name.c_str(), kOpenFlags);
    }
    *relToAnchor = parent.relToAnchor + '/' + name;
    return openat(stack[kMaxOpenLevels - 1].fd, relToAnchor->c_str(), kOpenFlags);
}

void closeLevel(Level &level)
{
    if (level.fd >= 0)
        ::close(level.fd);
}

}  // namespace

qint64 FolderWalker::totalSize(const QString &path)
{
    const int rootFd = ::open(QFile::encodeName(path).constData(), kOpenFlags);
    if (rootFd < 0)
        return 0;
    struct stat st;
    if (::fstat(rootFd, &st) != 0) {
        ::close(rootFd);
        return 0;
    }
    std::vector<Level> stack;
    stack.push_back(Level{rootFd, {}, st.st_dev, st.st_ino, {}, 0});
    qint64 total = readLevel(stack.back(), rootFd);

    while (!stack.empty()) {
        Level &top = stack.back();
        if (top.next >= top.subdirs.size()) {
            closeLevel(top);
            stack.pop_back();
            continue;
        }
        std::string rel;
        const int fd = openChild(stack, top.subdirs[top.next++], &rel);
        if (fd < 0)
            continue;
        if (fstat(fd, &st) != 0 || onBranch(stack, st)) {
            ::close(fd);
            continue;
        }
        Level child{fd, std::move(rel), st.st_dev, st.st_ino, {}, 0};
        total += readLevel(child, fd);
        if (stack.size() >= kMaxOpenLevels) {
            // Keep only the relative path; the anchor level stays open.
            ::close(child.fd);
            child.fd = -1;
        }
        stack.push_back(std::move(child));
    }
    return total;
}

std::optional<QStringList> FolderWalker::childNames(const QString &path)
{
    DIR *dir = path.isEmpty() ? nullptr : ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isDotOrDotDot(entry->d_name))
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

}  // namespace sw
