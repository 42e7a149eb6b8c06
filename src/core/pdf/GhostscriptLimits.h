// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <chrono>

#include <unistd.h>

namespace sw {

// What one Ghostscript run may take. A small hostile document (a "bomb")
// can make gs allocate without end or work on one page for ever; gs gets a
// cap on its address space, and a run that finishes no page for too long is
// stopped.
struct GhostscriptLimits
{
    // gs may use at most this share of the machine's memory: a quarter.
    static constexpr int kMemoryShareOfRam = 4;
    // The longest a real page takes is seconds; a page that takes minutes is
    // a document built to stall gs.
    static constexpr std::chrono::seconds kPageStall{120};

    qint64 memoryBytes = 0;                  // gs's RLIMIT_AS; 0: none
    std::chrono::milliseconds pageStall{0};  // 0: none

    static GhostscriptLimits standard()
    {
        const qint64 ram = qint64(::sysconf(_SC_PHYS_PAGES)) * qint64(::sysconf(_SC_PAGE_SIZE));
        return {ram > 0 ? ram / kMemoryShareOfRam : 0, kPageStall};
    }
};

}  // namespace sw
