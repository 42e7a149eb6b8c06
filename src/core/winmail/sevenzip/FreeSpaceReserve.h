#pragma once

#include <QtGlobal>

#include <algorithm>

namespace sw {

// What an extraction must leave free on a file system of totalBytes: 1 GiB,
// or 5 % of a file system too small for that to be modest.
constexpr qint64 freeSpaceReserve(qint64 totalBytes)
{
    return std::min<qint64>(qint64(1) << 30, totalBytes / 20);
}

}  // namespace sw
