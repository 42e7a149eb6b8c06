#pragma once

#include <QtGlobal>

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

    // What a release may reach: free pages and those the kernel can take back.
    qint64 available() const { return freeMemory + inactiveMemory; }
    // The installed memory.
    qint64 total() const { return usedMemory + freeMemory; }
    // 0 to 100; 0 when nothing was read.
    float usagePercent() const
    {
        const double whole = double(usedMemory) + double(freeMemory) + double(inactiveMemory);
        return whole > 0 ? float(100.0 * double(usedMemory) / whole) : 0.0f;
    }
};
