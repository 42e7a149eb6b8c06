#include "FreeSpaceGuard.h"

#include "FreeSpaceReserve.h"

#include <sys/statvfs.h>

#include <algorithm>

namespace sw {

namespace {
constexpr qint64 kCheckEvery = 4 << 20;
// Small files between two checks: each takes at least a block, whatever it holds.
constexpr int kFilesBetweenChecks = 64;
}  // namespace

bool FreeSpaceGuard::leavesReserve(qint64 more) const
{
    struct statvfs fs;
    if (::fstatvfs(m_fd, &fs) != 0)
        return true;  // a file system that cannot tell (some FUSE mounts) is not refused
    const qint64 unit = qint64(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
    const qint64 total = qint64(fs.f_blocks) * unit;
    const qint64 available = qint64(fs.f_bavail) * unit;
    const qint64 reserve = freeSpaceReserve(total);
    return available - std::max<qint64>(more, 0) >= reserve;
}

bool FreeSpaceGuard::roomFor(qint64 size)
{
    // A small file of known size is counted in by wrote() like any other
    // bytes; asking the file system before each one would cost a call per
    // file of an archive of thousands.
    if (size >= 0 && m_sinceCheck + size < kCheckEvery && ++m_filesSinceCheck < kFilesBetweenChecks)
        return true;
    m_sinceCheck = 0;
    m_filesSinceCheck = 0;
    return leavesReserve(size);
}

bool FreeSpaceGuard::wrote(qint64 n)
{
    m_sinceCheck += n;
    if (m_sinceCheck < kCheckEvery)
        return true;
    m_sinceCheck = 0;
    m_filesSinceCheck = 0;
    return leavesReserve(kCheckEvery);
}

}  // namespace sw
