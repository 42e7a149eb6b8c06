// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mem/ORMemory.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace sw {

// The kernel's own memory counters, read from PROC/meminfo (kB there, bytes
// here) and PROC/pressure/memory. PROC is $SWEEPWRIGHT_PROC when set, so the
// tests can hand in made-up figures, else /proc.
//
// Only MemTotal and MemFree are required; a counter an older kernel lacks
// (Zswap, SUnreclaim, MemAvailable) reads as 0, or as MemFree for
// MemAvailable. A system without pressure accounting reads as no pressure.
struct MemFigures
{
    qint64 memTotal = 0;
    qint64 memFree = 0;
    qint64 memAvailable = 0;
    qint64 active = 0;
    qint64 inactive = 0;
    qint64 unevictable = 0;
    qint64 kernelStack = 0;
    qint64 pageTables = 0;
    qint64 sUnreclaim = 0;
    qint64 cached = 0;
    qint64 buffers = 0;
    qint64 shmem = 0;
    qint64 anonPages = 0;
    qint64 zswap = 0;
    qint64 swapTotal = 0;
    qint64 swapFree = 0;
    // "some avg10" of the memory pressure: the share of the last ten seconds
    // in which some task waited for memory, in percent.
    double pressureSome10 = 0;

    // The figures of meminfo's text and the pressure file's text (may be
    // empty); nothing when meminfo lacks MemTotal or MemFree.
    static std::optional<MemFigures> parse(QByteArrayView meminfo, QByteArrayView pressure);
    // The figures of procFolder() now.
    static std::optional<MemFigures> read();
    static QString procFolder();

    // Whether the counters can describe one machine: something installed,
    // and no part larger than the whole (free and inactive pages are apart,
    // so even their sum is not). A damaged or made-up file fails this, and
    // its usage (once -99,999,896 %) means nothing.
    bool isConsistent() const;

    // The figures the pages show: unevictable, kernel stacks, page tables and
    // unreclaimable slab are "wired"; the page cache without shared memory is
    // the file cache; anonymous pages and shared memory belong to programs.
    // Each is kept between 0 and MemTotal; inconsistent counters are marked
    // so (ORMemory::consistent) and give no usage.
    // The page's own figures follow free(1): used is what is not available
    // (MemTotal - MemAvailable), cached is the rest of what is available
    // beyond free memory and buffers, so that used, cached, buffers and free
    // add up to MemTotal. A MemAvailable below MemFree + Buffers (a damaged
    // file) leaves no cache and counts the rest as used.
    ORMemory toMemory() const;
};

}  // namespace sw
