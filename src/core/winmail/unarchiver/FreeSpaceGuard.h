#pragma once

#include <QtGlobal>

namespace sw {

// Keeps an extraction from filling the destination's file system: writing
// must leave at least min(1 GiB, 5 % of the file system) free. The free
// space is asked for (fstatvfs) before a large file or one of unknown size,
// every few dozen small files and again every few MiB written, so an entry
// that lies about its size, or a stream whose size is unknown until it
// ends, is stopped too. Asking per block would cost a
// system call per 64 KiB; every 4 MiB bounds the overshoot to that much.
class FreeSpaceGuard
{
public:
    explicit FreeSpaceGuard(int destinationFd) : m_fd(destinationFd) {}

    // Before a file of size bytes (-1: unknown) is created.
    bool roomFor(qint64 size);
    // After n more bytes were written; false when writing must stop.
    bool wrote(qint64 n);

private:
    bool leavesReserve(qint64 more) const;

    int m_fd;
    qint64 m_sinceCheck = 0;
    int m_filesSinceCheck = 0;
};

}  // namespace sw
