// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mem/MemoryRelease.h"

#include <QCoreApplication>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace sw {

MemoryRelease::MemoryRelease(Reader reader, Toucher touch, Clock clock)
    : m_reader(std::move(reader))
    , m_touch(std::move(touch))
    , m_clock(std::move(clock))
{
}

qint64 MemoryRelease::steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint64 MemoryRelease::floor(qint64 memTotal)
{
    return std::max(memTotal / 10, kMinFloor);
}

std::optional<MemoryRelease::Stop> MemoryRelease::stopRule(const MemFigures &now, qint64 startSwapFree, qint64 chunk)
{
    if (now.memAvailable - chunk < floor(now.memTotal))
        return Stop::LowAvailable;
    if (startSwapFree - now.swapFree > kSwapSlack)
        return Stop::Swapping;
    if (now.pressureSome10 > kPressureLimit)
        return Stop::Pressure;
    return std::nullopt;
}

namespace {

const char *stopSource(MemoryRelease::Stop stop)
{
    using Stop = MemoryRelease::Stop;
    switch (stop) {
    case Stop::Done: return QT_TRANSLATE_NOOP("MemoryRelease", "done");
    case Stop::LowAvailable: return QT_TRANSLATE_NOOP("MemoryRelease", "stopped: available memory near its floor");
    case Stop::Swapping: return QT_TRANSLATE_NOOP("MemoryRelease", "stopped: the system began to swap");
    case Stop::Pressure: return QT_TRANSLATE_NOOP("MemoryRelease", "stopped: memory pressure");
    case Stop::NoFigures: return QT_TRANSLATE_NOOP("MemoryRelease", "stopped: memory figures unreadable");
    case Stop::Inconsistent: return QT_TRANSLATE_NOOP("MemoryRelease", "stopped: memory figures inconsistent");
    case Stop::Bound: return QT_TRANSLATE_NOOP("MemoryRelease", "stopped: the most one release may do was done");
    }
    return "";
}

}  // namespace

QString MemoryRelease::stopKey(Stop stop)
{
    return QString::fromLatin1(stopSource(stop));
}

QString MemoryRelease::stopText(Stop stop)
{
    return QCoreApplication::translate("MemoryRelease", stopSource(stop));
}

std::optional<MemoryRelease::Stop> MemoryRelease::stopBefore(const MemFigures &now, const MemFigures &start,
                                                             qint64 chunk, int chunks, qint64 startedMs) const
{
    if (!now.isConsistent())
        return Stop::Inconsistent;
    if (const auto stop = stopRule(now, start.swapFree, chunk))
        return stop;
    if (chunks >= kMaxChunks || m_clock() - startedMs >= kMaxSeconds * 1000)
        return Stop::Bound;
    return std::nullopt;
}

MemoryRelease::Result MemoryRelease::run()
{
    Result result;
    const qint64 startedMs = m_clock();
    const std::optional<MemFigures> start = m_reader();
    if (!start || !start->isConsistent()) {
        result.stop = start ? Stop::Inconsistent : Stop::NoFigures;
        return result;
    }
    std::optional<MemFigures> now = start;
    int chunks = 0;
    for (int pass = 0; pass < kPasses && result.stop == Stop::Done; ++pass) {
        qint64 budget = std::clamp<qint64>(now->toMemory().available(), 0, now->memTotal);
        while (budget > 0) {
            const qint64 chunk = std::min(kChunk, budget);
            if (const auto stop = stopBefore(*now, *start, chunk, chunks, startedMs)) {
                result.stop = *stop;
                break;
            }
            m_touch(chunk);
            ++chunks;
            result.touched += chunk;
            budget -= chunk;
            now = m_reader();
            if (!now) {
                result.stop = Stop::NoFigures;
                break;
            }
        }
    }
    const std::optional<MemFigures> after = m_reader();
    if (after && after->isConsistent())
        result.released = after->memFree - start->memFree;
    return result;
}

void MemoryRelease::touchAndGiveBack(qint64 bytes)
{
    if (bytes <= 0)
        return;
    const size_t size = size_t(bytes);
    void *map = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (map == MAP_FAILED)
        return;
    // Huge pages where the kernel offers them: one fault per 2 MiB instead of
    // per 4 KiB makes the release tens of times faster (four minutes become
    // seconds on a 24 GiB machine); without them this is only a hint.
    ::madvise(map, size, MADV_HUGEPAGE);
    // One write per small page makes the kernel supply every page.
    const size_t page = size_t(::sysconf(_SC_PAGESIZE));
    volatile char *p = static_cast<char *>(map);
    for (size_t at = 0; at < size; at += page)
        p[at] = 1;
    ::munmap(map, size);
}

}  // namespace sw
