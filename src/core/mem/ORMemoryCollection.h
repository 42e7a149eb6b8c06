// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mem/MemoryRelease.h"
#include "core/mem/ORDisk.h"
#include "core/mem/ORMemory.h"

#include <QString>

#include <optional>

// The memory tool's engine: the memory figures from the kernel's counters
// (sw::MemFigures, under $SWEEPWRIGHT_PROC when set), the disk figures of
// the volume that holds the Documents folder, and the memory release
// (sw::MemoryRelease). Readings are cheap and safe on any thread; the
// memory page owns one collection and the command line makes its own.
class ORMemoryCollection
{
public:
    ORMemoryCollection() = default;

    // A fresh reading; nothing when the counters cannot be read.
    std::optional<ORMemory> memory() const;
    // The volume of documentsFolder(), or of the home when there is no such
    // folder. Logs "Fail to get disk space, <reason>" and gives nothing on
    // failure.
    std::optional<ORDisk> diskSpace() const;
    // Releases memory on the calling thread (seconds on a large machine):
    // run it off the main thread.
    sw::MemoryRelease::Result releaseMemory() const;

    // The Documents folder of the layout: the XDG DOCUMENTS folder, or
    // HOME/Documents in the macos layout.
    static QString documentsFolder();
};
