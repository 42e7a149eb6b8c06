// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace sw {

// The walk of folders every tool shares: each folder's entries in name
// order, a sub-folder entered where it is met (a folder, then its contents),
// so a visitor sees a folder before anything inside it. A walker made with
// Order::AsRead leaves each folder's entries in the order the file system
// gives them; a caller that needs the sorted order of a few of them sorts
// those with walksBefore().
//
// The rules, the same for every tool:
//   - symbolic links are never followed (the root itself may be one), and
//     device nodes, FIFOs and sockets are never handed over: the visitor
//     sees regular files and folders only;
//   - a folder already on the current branch (the same device and inode: a
//     bind-mount loop) is neither handed over nor entered again;
//   - nothing more than kMaxDepth levels below the root is reached (a folder
//     at that depth is handed over but not entered), which bounds the open
//     descriptors;
//   - an entry whose name is not valid in the file-name encoding (UTF-8) is
//     passed over, folder and all: no path string could name it.
//
// Built on openat/fdopendir/fstatat: one fstatat per entry, nothing
// allocated per entry but its name. A folder is entered only when what
// opens under its name is still the folder just examined.
//
// A walker made with more than one worker walks parts of the tree on
// threads of the global pool besides the caller's, and calls the visitor
// from all of them at once (never twice for one entry); the order is then
// Order::AsRead whatever was asked. Work is handed over only when a thread
// waits for it: half of the entries not yet looked at in the shallowest
// folder that has some, so a handover is rare and usually large. The first
// kEntriesOnOneThread entries are looked at on the caller's thread alone, so
// a small walk costs no thread and keeps the order of a walk on one.
class FolderWalker
{
public:
    static constexpr int kMaxDepth = 256;
    // A walk on several workers uses the caller's thread alone for this many entries.
    static constexpr int kEntriesOnOneThread = 4096;

    struct Level;

    // One file or folder handed to the visitor; valid only during its call.
    struct Entry
    {
        const QByteArray &folder;  // native path of the folder holding it, no trailing '/'
        const char *name;          // native name
        quint32 folderSerial;      // a new number for every folder read
        const struct stat &st;     // the entry itself (lstat)
        int depth;                 // 1 for the root's own entries
        int worker;                // the thread calling the visitor: 0 the caller's, below workers()

        bool isFolder() const { return S_ISDIR(st.st_mode); }
        QByteArray nativePath() const;
        QString path() const;
        // What unlink would allow: write and search permission on the holding
        // folder and, in a sticky folder, ownership of the entry or the folder.
        bool deletable() const;

        Level &level;  // the walk's state of the holding folder (deletable() caches there)
    };

    // What the walk does after an entry.
    enum class Step {
        Next,  // goes on; a folder is entered
        Skip,  // goes on; a folder is not entered
        Stop,  // ends the walk
    };
    using Visitor = std::function<Step(const Entry &)>;

    enum class Order {
        ByName,  // each folder's entries sorted by name (bytes)
        AsRead,  // as the file system lists them: no sort per folder
    };

    explicit FolderWalker(Order order = Order::ByName, int workers = 1);
    ~FolderWalker();
    FolderWalker(const FolderWalker &) = delete;
    FolderWalker &operator=(const FolderWalker &) = delete;

    // Walks one root; a root that is missing or no folder gives nothing.
    // false when the visitor stopped the walk.
    bool walk(const QString &root, const Visitor &visit);

    int workers() const { return m_workers; }

    // The sum of st_size of everything below a folder, sub-folders' own
    // entries included, the folder itself excluded (FolderTree::measure):
    // no link is followed, no other mount entered. 0 for a missing path, a
    // link or anything that is not a folder.
    static qint64 totalSize(const QString &path);
    // The names of the folder's direct children, hidden ones included,
    // unsorted; nullopt when it cannot be listed.
    static std::optional<QStringList> childNames(const QString &path);

    // True when a sorted walk of one root reaches native path a before b:
    // paths compared name by name, each name byte by byte.
    static bool walksBefore(QByteArrayView a, QByteArrayView b);

private:
    struct Branch;
    struct Shared;

    bool enter(Branch &branch, const char *name, const struct stat &st);
    Step visitChild(Branch &branch, const std::string &name, unsigned char type, const Visitor &visit);
    bool walkBranch(Branch &branch, const Visitor &visit);
    static void work(const std::shared_ptr<Shared> &shared, int worker);
    static void handOver(Branch &branch);
    static void closeAll(std::vector<Level> &stack);

    std::atomic<quint32> m_serial{0};
    Order m_order;
    int m_workers;
};

}  // namespace sw
