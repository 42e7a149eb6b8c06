#include "FolderWalker.h"

#include "FolderTree.h"
#include "UniqueFd.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// A name that a path string can carry: the tools pass paths around as
// strings, and a name that is no valid text in the file-name encoding would
// come back as another name.
bool representable(const std::string &name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return true;
    const QByteArray bytes = QByteArray::fromRawData(name.data(), qsizetype(name.size()));
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

struct Child
{
    std::string name;
    unsigned char type;
};

}  // namespace

struct FolderWalker::Level
{
    int fd = -1;
    QByteArray path;
    quint32 serial = 0;
    std::vector<Child> children;
    size_t next = 0;
    int mayWrite = -1;  // -1 not asked yet
    struct stat st{};

    // Reads the folder's names, sorted when asked.
    void read(bool sorted)
    {
        const int streamFd = fcntl(fd, F_DUPFD_CLOEXEC, 0);
        DIR *dir = streamFd < 0 ? nullptr : fdopendir(streamFd);
        if (!dir) {
            if (streamFd >= 0)
                ::close(streamFd);
            return;
        }
        while (const dirent *entry = readdir(dir))
            if (!isDotOrDotDot(entry->d_name))
                children.push_back(Child{entry->d_name, entry->d_type});
        closedir(dir);
        if (sorted)
            std::sort(children.begin(), children.end(), [](const Child &a, const Child &b) { return a.name < b.name; });
    }
};

QByteArray FolderWalker::Entry::nativePath() const
{
    return folder + '/' + name;
}

QString FolderWalker::Entry::path() const
{
    return QFile::decodeName(nativePath());
}

bool FolderWalker::Entry::deletable() const
{
    if (level.mayWrite < 0)
        level.mayWrite = faccessat(level.fd, ".", W_OK | X_OK, AT_EACCESS) == 0 ? 1 : 0;
    if (level.mayWrite == 0)
        return false;
    if (!(level.st.st_mode & S_ISVTX))
        return true;
    const uid_t uid = geteuid();
    return uid == 0 || st.st_uid == uid || level.st.st_uid == uid;
}

FolderWalker::FolderWalker(Order order) : m_order(order) {}
FolderWalker::~FolderWalker() = default;

// Opens a folder of the top level and pushes it; false when it is not entered.
bool FolderWalker::enter(std::vector<Level> &stack, const char *name, const struct stat &st)
{
    if (stack.size() >= size_t(kMaxDepth))
        return false;
    const int fd = openat(stack.back().fd, name, kOpenFlags);
    if (fd < 0)
        return false;
    Level level;
    level.fd = fd;
    // What opened must be the folder examined a moment ago.
    if (fstat(fd, &level.st) != 0 || level.st.st_dev != st.st_dev || level.st.st_ino != st.st_ino) {
        ::close(fd);
        return false;
    }
    level.path = stack.back().path + '/' + name;
    level.serial = ++m_serial;
    level.read(m_order == Order::ByName);
    stack.push_back(std::move(level));
    return true;
}

FolderWalker::Step FolderWalker::visitChild(std::vector<Level> &stack, const std::string &name, unsigned char type,
                                            const Visitor &visit)
{
    Level &level = stack.back();
    if (type == DT_LNK || type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK)
        return Step::Next;
    if (!representable(name))
        return Step::Next;
    struct stat st;
    if (fstatat(level.fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Step::Next;  // vanished since the folder was read
    const int depth = int(stack.size());
    if (S_ISREG(st.st_mode))
        return visit(Entry{level.path, name.c_str(), level.serial, st, depth, level}) == Step::Stop ? Step::Stop
                                                                                                    : Step::Next;
    if (!S_ISDIR(st.st_mode))
        return Step::Next;
    const bool onBranch = std::any_of(stack.cbegin(), stack.cend(), [&st](const Level &l) {
        return l.st.st_dev == st.st_dev && l.st.st_ino == st.st_ino;
    });
    if (onBranch)
        return Step::Next;
    const Step step = visit(Entry{level.path, name.c_str(), level.serial, st, depth, level});
    if (step == Step::Next)
        enter(stack, name.c_str(), st);  // may move `level`: nothing below uses it
    return step;
}

void FolderWalker::closeAll(std::vector<Level> &stack)
{
    for (const Level &level : stack)
        ::close(level.fd);
    stack.clear();
}

bool FolderWalker::walk(const QString &root, const Visitor &visit)
{
    QString clean = root;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    if (clean.isEmpty())
        return true;
    Level top;
    top.path = clean == QLatin1String("/") ? QByteArray() : QFile::encodeName(clean);
    // The root is opened as named: a root that is a link to a folder is walked.
    top.fd = ::open(QFile::encodeName(clean).constData(), kOpenFlags & ~O_NOFOLLOW);
    if (top.fd < 0)
        return true;
    if (fstat(top.fd, &top.st) != 0) {
        ::close(top.fd);
        return true;
    }
    top.serial = ++m_serial;
    top.read(m_order == Order::ByName);
    std::vector<Level> stack;
    // Never reallocated, so a level stays where it is while deeper ones are pushed.
    stack.reserve(size_t(kMaxDepth) + 1);
    stack.push_back(std::move(top));
    while (!stack.empty()) {
        Level &level = stack.back();
        if (level.next >= level.children.size()) {
            ::close(level.fd);
            stack.pop_back();
            continue;
        }
        const Child &child = level.children[level.next++];
        if (visitChild(stack, child.name, child.type, visit) == Step::Stop) {
            closeAll(stack);
            return false;
        }
    }
    return true;
}

bool FolderWalker::walksBefore(QByteArrayView a, QByteArrayView b)
{
    // A folder's contents come right after it and before its next sibling:
    // the separator weighs less than any byte a name can hold.
    const auto weight = [](char c) { return c == '/' ? 0 : int(static_cast<unsigned char>(c)); };
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return weight(a[i]) < weight(b[i]);
    return a.size() < b.size();
}

// --- path-string entry points for callers without a walk --------------------------

qint64 FolderWalker::totalSize(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const UniqueFd folder(::open(QFile::encodeName(path).constData(), kOpenFlags));
    return folder ? FolderTree::measure(folder.get()) : 0;
}

std::optional<QStringList> FolderWalker::childNames(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const UniqueFd folder(::open(QFile::encodeName(path).constData(), kOpenFlags & ~O_NOFOLLOW));
    return folder ? FolderTree::names(folder.get()) : std::nullopt;
}

}  // namespace sw
