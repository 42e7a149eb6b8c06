// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FolderWalker.h"

#include "core/fs/FolderNames.h"
#include "core/fs/FolderTree.h"
#include "core/fs/UniqueFd.h"

#include <QFile>
#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

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

// One thread's part of a walk: a stack of open folders, the deepest last.
struct FolderWalker::Branch
{
    std::vector<Level> stack;
    // Handed over from another thread: the folders above stack[0], still on
    // the branch for the loop check, and how many there are.
    std::vector<std::pair<dev_t, ino_t>> above;
    int depthAbove = 0;
    int worker = 0;
    std::shared_ptr<Shared> shared;  // null: a walk on the caller's thread alone
    int looked = 0;                  // entries this thread looked at, up to kEntriesOnOneThread
};

// What the threads of one walk share. Outlives the walk when a pool thread
// starts late: it then finds nothing to do and never touches the walker.
struct FolderWalker::Shared
{
    struct Part
    {
        Level level;
        std::vector<std::pair<dev_t, ino_t>> above;
        int depthAbove = 0;
    };

    FolderWalker *walker = nullptr;
    const Visitor *visit = nullptr;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Part> parts;  // handed over, not taken yet
    int busy = 0;            // threads walking a part
    int started = 1;         // threads taking parts, the caller's included
    std::atomic<int> waiting{0};
    std::atomic<bool> wantsThread{false};  // started < the walker's workers, once worth it
    std::atomic<bool> stopped{false};
};

FolderWalker::FolderWalker(Order order, int workers) : m_order(order), m_workers(std::max(1, workers)) {}
FolderWalker::~FolderWalker() = default;

// Opens a sub-folder of the branch's deepest folder and pushes it; false when
// it is not entered.
bool FolderWalker::enter(Branch &branch, const char *name, const struct stat &st)
{
    std::vector<Level> &stack = branch.stack;
    if (branch.depthAbove + int(stack.size()) >= kMaxDepth)
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
    level.read(m_order == Order::ByName && m_workers == 1);
    stack.push_back(std::move(level));
    return true;
}

FolderWalker::Step FolderWalker::visitChild(Branch &branch, const std::string &name, unsigned char type,
                                            const Visitor &visit)
{
    const std::vector<Level> &stack = branch.stack;
    Level &level = branch.stack.back();
    if (type == DT_LNK || type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK)
        return Step::Next;
    if (!FolderNames::isRepresentable(QByteArrayView(name.data(), qsizetype(name.size()))))
        return Step::Next;
    struct stat st;
    if (fstatat(level.fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Step::Next;  // vanished since the folder was read
    const int depth = branch.depthAbove + int(stack.size());
    const Entry entry{level.path, name.c_str(), level.serial, st, depth, branch.worker, level};
    if (S_ISREG(st.st_mode))
        return visit(entry) == Step::Stop ? Step::Stop : Step::Next;
    if (!S_ISDIR(st.st_mode))
        return Step::Next;
    const auto same = [&st](dev_t dev, ino_t ino) { return dev == st.st_dev && ino == st.st_ino; };
    const bool onBranch =
        std::any_of(stack.cbegin(), stack.cend(), [&same](const Level &l) { return same(l.st.st_dev, l.st.st_ino); })
        || std::any_of(branch.above.cbegin(), branch.above.cend(),
                       [&same](const std::pair<dev_t, ino_t> &id) { return same(id.first, id.second); });
    if (onBranch)
        return Step::Next;
    const Step step = visit(entry);
    if (step == Step::Next)
        enter(branch, name.c_str(), st);  // may move `level`: nothing below uses it
    return step;
}

void FolderWalker::closeAll(std::vector<Level> &stack)
{
    for (const Level &level : stack)
        ::close(level.fd);
    stack.clear();
}

// Gives a waiting thread (or one about to be started) half of the entries not
// yet looked at in the branch's shallowest folder that has two or more.
void FolderWalker::handOver(Branch &branch)
{
    Shared &shared = *branch.shared;
    std::vector<Level> &stack = branch.stack;
    const auto from = std::find_if(stack.begin(), stack.end(),
                                   [](const Level &l) { return l.children.size() - l.next >= 2; });
    if (from == stack.end())
        return;
    std::unique_lock lock(shared.mutex);
    const bool startThread = shared.started < shared.walker->m_workers;
    if (!startThread && size_t(shared.waiting.load()) <= shared.parts.size())
        return;
    Shared::Part part;
    part.level.fd = fcntl(from->fd, F_DUPFD_CLOEXEC, 0);
    if (part.level.fd < 0)
        return;
    part.level.path = from->path;
    part.level.serial = from->serial;
    part.level.st = from->st;
    const auto half = from->children.begin() + qsizetype(from->next + (from->children.size() - from->next) / 2);
    part.level.children.assign(std::make_move_iterator(half), std::make_move_iterator(from->children.end()));
    from->children.erase(half, from->children.end());
    part.above = branch.above;
    for (auto l = stack.begin(); l != from; ++l)
        part.above.emplace_back(l->st.st_dev, l->st.st_ino);
    part.depthAbove = branch.depthAbove + int(from - stack.begin());
    shared.parts.push_back(std::move(part));
    if (!startThread) {
        shared.changed.notify_one();
        return;
    }
    const int worker = shared.started++;
    shared.wantsThread.store(shared.started < shared.walker->m_workers);
    lock.unlock();
    QThreadPool::globalInstance()->start([s = branch.shared, worker] { work(s, worker); });
}

bool FolderWalker::walkBranch(Branch &branch, const Visitor &visit)
{
    std::vector<Level> &stack = branch.stack;
    Shared *shared = branch.shared.get();
    while (!stack.empty()) {
        if (shared) {
            // A walk that is over within a few thousand entries is not worth
            // a thread: it stays on the caller's (and keeps the order of a
            // walk on one).
            if (branch.worker == 0 && ++branch.looked == kEntriesOnOneThread)
                shared->wantsThread.store(true);
            if (shared->stopped.load(std::memory_order_relaxed)) {
                closeAll(stack);
                return false;
            }
            if (shared->waiting.load(std::memory_order_relaxed) > 0
                || shared->wantsThread.load(std::memory_order_relaxed))
                handOver(branch);
        }
        Level &level = stack.back();
        if (level.next >= level.children.size()) {
            ::close(level.fd);
            stack.pop_back();
            continue;
        }
        const Child &child = level.children[level.next++];
        if (visitChild(branch, child.name, child.type, visit) == Step::Stop) {
            if (shared)
                shared->stopped.store(true);  // the others stop after the entry they are on
            closeAll(stack);
            return false;
        }
    }
    return true;
}

// The loop of each thread of a walk on several: takes a part, walks it, and
// ends once nothing is queued and nobody walks (who walks may still hand
// over), or once the walk was stopped.
void FolderWalker::work(const std::shared_ptr<Shared> &shared, int worker)
{
    Shared &s = *shared;
    Branch branch;
    branch.worker = worker;
    branch.shared = shared;
    std::unique_lock lock(s.mutex);
    for (;;) {
        s.waiting.fetch_add(1);
        s.changed.wait(lock, [&s] { return s.stopped.load() || !s.parts.empty() || s.busy == 0; });
        s.waiting.fetch_sub(1);
        if (s.stopped.load() || s.parts.empty()) {
            for (const Shared::Part &part : s.parts)
                ::close(part.level.fd);
            s.parts.clear();
            s.changed.notify_all();
            return;
        }
        Shared::Part part = std::move(s.parts.front());
        s.parts.pop_front();
        ++s.busy;
        lock.unlock();
        // Never reallocated, so a level stays where it is while deeper ones are pushed.
        branch.stack.reserve(size_t(kMaxDepth) + 1);
        branch.stack.push_back(std::move(part.level));
        branch.above = std::move(part.above);
        branch.depthAbove = part.depthAbove;
        const bool completed = s.walker->walkBranch(branch, *s.visit);
        lock.lock();
        --s.busy;
        if (!completed)
            s.stopped.store(true);
        if (s.stopped.load() || (s.busy == 0 && s.parts.empty()))
            s.changed.notify_all();
    }
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
    top.read(m_order == Order::ByName && m_workers == 1);
    if (m_workers == 1) {
        Branch branch;
        // Never reallocated, so a level stays where it is while deeper ones are pushed.
        branch.stack.reserve(size_t(kMaxDepth) + 1);
        branch.stack.push_back(std::move(top));
        return walkBranch(branch, visit);
    }
    const auto shared = std::make_shared<Shared>();
    shared->walker = this;
    shared->visit = &visit;
    shared->parts.push_back(Shared::Part{std::move(top), {}, 0});
    work(shared, 0);
    // A stopped walk lets this thread go while others may still be on an
    // entry, calling visit, which lives with the caller: wait for them.
    std::unique_lock lock(shared->mutex);
    shared->changed.wait(lock, [&s = *shared] { return s.busy == 0; });
    return !shared->stopped.load();
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
