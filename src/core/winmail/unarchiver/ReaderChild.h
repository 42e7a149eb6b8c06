// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>

namespace sw {

// The child process side of ArchiveReader: opens the archive with libarchive
// and answers the commands read from its socket (see ReaderWire.h) until
// the parent closes it or goes. Every byte it reads from the file is added to
// progress, memory the parent shares, so the parent can tell a slow reader
// from one that spins. Never returns: the process ends with _exit().
class ReaderChild
{
public:
    struct Setup
    {
        int socket = -1;
        const char *path = nullptr;
        bool stream = false;  // one compressed stream (raw format) rather than an archive
        std::atomic<int64_t> *progress = nullptr;
    };

    [[noreturn]] static void run(const Setup &setup);
};

}  // namespace sw
