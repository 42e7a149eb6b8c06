// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <algorithm>

#include <sys/statvfs.h>

namespace sw {

// What an extraction must leave free on a file system of totalBytes: 1 GiB,
// or 5 % of a file system too small for that to be modest.
constexpr qint64 freeSpaceReserve(qint64 totalBytes)
{
    return std::min<qint64>(qint64(1) << 30, totalBytes / 20);
}

// The same for inodes: every file, folder and link takes one, and a small
// archive of empty files can use them all up while the blocks stay free.
constexpr qint64 freeInodeReserve(qint64 totalInodes)
{
    return std::min<qint64>(qint64(1) << 16, totalInodes / 20);
}

// Whether writing moreBytes in moreInodes new items to the file system fs
// describes still leaves both reserves free. A file system that keeps no
// count of inodes (f_files 0: btrfs, some FUSE mounts) is not refused for them.
inline bool leavesReserve(const struct statvfs &fs, qint64 moreBytes, qint64 moreInodes)
{
    const qint64 unit = qint64(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
    const qint64 available = qint64(fs.f_bavail) * unit;
    if (available - std::max<qint64>(moreBytes, 0) < freeSpaceReserve(qint64(fs.f_blocks) * unit))
        return false;
    return fs.f_files == 0
           || qint64(fs.f_favail) - std::max<qint64>(moreInodes, 0) >= freeInodeReserve(qint64(fs.f_files));
}

}  // namespace sw
