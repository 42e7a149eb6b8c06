// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"

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
    // its open folder, its name and what it was when examined. It may move
    // the file to another name in the same folder first and work on it there
    // (the shredder overwrites a file only once it is certain to go); it
    // answers the name to unlink, or why the file stays. A hook that moved
    // the file and then keeps it puts it back under its name, or says in the
    // reason where it is.
    struct Unlinkable
    {
        QByteArray name;
        QString reason;  // non-empty: the file stays
    };
    using BeforeUnlink = std::function<Unlinkable(int folderFd, const char *name, const FileIdentity &id)>;
    // What became of one file asked to go.
    struct FileRemoval
    {
        qint64 removed = 0;     // its bytes, once it is gone
        bool vanished = false;  // it was gone already
        QString failure;        // why it stays
    };

    static qint64 measure(int folderFd, const Watch &watch = {});
    // What measure() counts, and the newest modification time (seconds since
    // the epoch) of the folder itself and of everything counted below it.
    struct Measured
    {
        qint64 bytes = 0;
        qint64 newest = 0;
    };
    static Measured measureWithNewest(int folderFd, const Watch &watch = {});
    // The names directly inside the open folder, hidden ones included, in
    // listing order; nullopt when it cannot be read.
    static std::optional<QStringList> names(int folderFd);
    // Returns the bytes removed.
    static qint64 removeContents(int folderFd, const FailureSink &failed, const Watch &watch = {},
                                 const BeforeUnlink &beforeUnlink = {});
    // Unlinks the file name (anything but a folder, examined as id) from its
    // open folder, through beforeUnlink when there is one. A file the hook
    // moved and that cannot be unlinked is put back under its name.
    static FileRemoval removeFile(int folderFd, const char *name, const FileIdentity &id,
                                  const BeforeUnlink &beforeUnlink = {});
};

}  // namespace sw
