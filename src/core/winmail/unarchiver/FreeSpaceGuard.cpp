// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/FreeSpaceGuard.h"

#include "core/winmail/sevenzip/FreeSpaceReserve.h"

#include <sys/statvfs.h>

namespace sw {

namespace {
constexpr qint64 kCheckEvery = 4 << 20;
// Items between two checks: each takes an inode and at least a block,
// whatever it holds.
constexpr int kItemsBetweenChecks = 64;
}  // namespace

bool FreeSpaceGuard::leavesReserve(qint64 moreBytes) const
{
    struct statvfs fs;
    if (::fstatvfs(m_fd, &fs) != 0)
        return true;  // a file system that cannot tell (some FUSE mounts) is not refused
    return sw::leavesReserve(fs, moreBytes, kItemsBetweenChecks + m_later);
}

bool FreeSpaceGuard::roomFor(qint64 size)
{
    // A small item of known size is counted in by wrote() like any other
    // bytes; asking the file system before each one would cost a call per
    // item of an archive of thousands.
    if (size >= 0 && m_sinceCheck + size < kCheckEvery && ++m_itemsSinceCheck < kItemsBetweenChecks)
        return true;
    m_sinceCheck = 0;
    m_itemsSinceCheck = 0;
    return leavesReserve(size);
}

bool FreeSpaceGuard::roomForLater()
{
    ++m_later;
    return roomFor(0);
}

bool FreeSpaceGuard::wrote(qint64 n)
{
    m_sinceCheck += n;
    if (m_sinceCheck < kCheckEvery)
        return true;
    m_sinceCheck = 0;
    m_itemsSinceCheck = 0;
    return leavesReserve(kCheckEvery);
}

}  // namespace sw
