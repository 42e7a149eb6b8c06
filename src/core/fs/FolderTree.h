#pragma once

#include "FileIdentity.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace sw {

// Measures or removes everything below an open folder, never following a
// symbolic link and never entering another mount (a mount point below is
// left alone: it counts 0 when measuring and is reported when removing).
//
// Both walks count the same bytes for the same tree: st_size of every file,
// link and folder below, the folder itself excluded, special files as 0.
// A removal adds an entry's bytes only once it is gone, so what it reports is
// what disappeared.
//
// The walk holds a bounded number of folder descriptors, so trees tens of
// thousands of levels deep are handled: a folder whose descriptor was
// closed is reopened through ".." of its child and must still be the folder
// that was entered (same device and inode), else the walk stops there. A
// sub-folder is entered only when the folder opened under its name is the
// one examined a moment before, so a folder swapped for a link or for
// another folder during the walk is never entered.
//
// A watch lets the caller follow a long walk and stop it between entries: a
// stopped measure returns what it counted so far (a partial figure the
// caller discards); a stopped removal leaves the rest in place, reports the
// walked folder as stopped, and returns exactly the bytes that went.
class FolderTree
{
public:
    // Told of each entry that stays: its path relative to the walked folder
    // and why.
    using FailureSink = std::function<void(const QByteArray &relativePath, const QString &reason)>;
    // Told of each entry counted (measure) or removed (removal) with its
    // bytes; returning false stops the walk before the next entry.
    using Watch = std::function<bool(qint64 bytes)>;
    // Told of each file (anything but a folder) just before it is unlinked:
    // its open folder, its name and what it was when examined. A non-empty
    // reason keeps the file, which is then reported with that reason.
    using BeforeUnlink = std::function<QString(int folderFd, const char *name, const FileIdentity &id)>;

    static qint64 measure(int folderFd, const Watch &watch = {});
    // The names directly inside the open folder, hidden ones included, in
    // listing order; nullopt when it cannot be read.
    static std::optional<QStringList> names(int folderFd);
    // Returns the bytes removed.
    static qint64 removeContents(int folderFd, const FailureSink &failed, const Watch &watch = {},
                                 const BeforeUnlink &beforeUnlink = {});
};

}  // namespace sw
