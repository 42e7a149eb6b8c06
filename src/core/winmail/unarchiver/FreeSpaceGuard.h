// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace sw {

// Keeps an extraction from filling the destination's file system: writing
// must leave at least min(1 GiB, 5 % of the file system) free, and as many
// inodes as min(65536, 5 % of them). The file system is asked (fstatvfs)
// before a large file or one of unknown size, every few dozen items and
// again every few MiB written, so an entry that lies about its size, a
// stream whose size is unknown until it ends, or thousands of empty files
// are stopped too. Asking per block or per item would cost a system call
// each; every 4 MiB and every 64 items bound the overshoot to that much.
class FreeSpaceGuard
{
public:
    explicit FreeSpaceGuard(int destinationFd) : m_fd(destinationFd) {}

    // Before an item is made: a file of size bytes (-1: unknown), or a
    // folder or link (0).
    bool roomFor(qint64 size);
    // An item made later on (a symbolic link, made at the end), counted now.
    bool roomForLater();
    // After n more bytes were written; false when writing must stop.
    bool wrote(qint64 n);

private:
    bool leavesReserve(qint64 moreBytes) const;

    int m_fd;
    qint64 m_sinceCheck = 0;
    int m_itemsSinceCheck = 0;
    qint64 m_later = 0;
};

}  // namespace sw
