// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

#include <sys/types.h>

namespace sw {

// What the removal core knows of one directory entry, from one statx call that
// never follows a link: its identity (device, inode and mount), its type, its
// owner and its logical size.
struct FileIdentity
{
    dev_t dev = 0;
    ino_t ino = 0;
    quint64 mountId = 0;
    bool hasMountId = false;  // kernels before 5.8 do not tell
    mode_t mode = 0;
    uid_t uid = 0;
    qint64 size = 0;
    qint64 mtime = 0;  // last modification, seconds since the epoch

    // The entry name in folderFd (errno set when it cannot be examined).
    static std::optional<FileIdentity> of(int folderFd, const char *name);
    // The file an open descriptor refers to.
    static std::optional<FileIdentity> ofFd(int fd);

    bool isFolder() const;
    bool isLink() const;
    // Device nodes, FIFOs and sockets: never opened, never counted.
    bool isSpecial() const;
    bool sameFile(const FileIdentity &other) const { return dev == other.dev && ino == other.ino; }
    // False when the two lie on different mounts, bind mounts of one file system included.
    bool sameMount(const FileIdentity &other) const;
    // The bytes the entry counts for when a tree is measured or removed:
    // st_size of files, links and folders, 0 for special files.
    qint64 countedSize() const { return isSpecial() ? 0 : size; }
};

}  // namespace sw
