// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// One reading of the memory figures, every field in bytes.
struct ORMemory
{
    qint64 freeMemory = 0;
    qint64 activeMemory = 0;
    qint64 inactiveMemory = 0;
    qint64 wiredMemory = 0;
    qint64 filecacheMemory = 0;
    qint64 appMemory = 0;
    qint64 compressedMemory = 0;
    qint64 usedMemory = 0;
    // The figures as the kernel names them, which the memory page shows:
    // used (what cannot be given back), cached (what can), buffers and free
    // make up the installed memory; available is the kernel's MemAvailable;
    // swap apart.
    qint64 programsMemory = 0;
    qint64 cachedMemory = 0;
    qint64 buffersMemory = 0;
    qint64 memAvailable = 0;
    qint64 swapTotal = 0;
    qint64 swapUsed = 0;
    // False when the counters contradict each other: the fields are then
    // clamped to what could be, and there is no usage to tell.
    bool consistent = true;

    // What a release may reach: free pages and those the kernel can take back.
    qint64 available() const { return freeMemory + inactiveMemory; }
    // The installed memory.
    qint64 total() const { return usedMemory + freeMemory; }
    // 0 to 100; nothing when the figures are inconsistent or empty.
    std::optional<float> usagePercent() const
    {
        const double whole = double(usedMemory) + double(freeMemory) + double(inactiveMemory);
        if (!consistent || whole <= 0 || usedMemory < 0)
            return std::nullopt;
        return float(100.0 * double(usedMemory) / whole);
    }
};
