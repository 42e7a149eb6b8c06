#include "MemoryRelease.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

namespace sw {

MemoryRelease::MemoryRelease(Reader reader, Toucher touch)
    : m_reader(std::move(reader))
    , m_touch(std::move(touch))
{
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

QString MemoryRelease::stopText(Stop stop)
{
    switch (stop) {
    case Stop::Done:
        return QStringLiteral("done");
    case Stop::LowAvailable:
        return QStringLiteral("stopped: available memory near its floor");
    case Stop::Swapping:
        return QStringLiteral("stopped: the system began to swap");
    case Stop::Pressure:
        return QStringLiteral("stopped: memory pressure");
    case Stop::NoFigures:
        return QStringLiteral("stopped: memory figures unreadable");
    }
    return QString();
}

MemoryRelease::Result MemoryRelease::run()
{
    Result result;
    const std::optional<MemFigures> start = m_reader();
    if (!start) {
        result.stop = Stop::NoFigures;
        return result;
    }
    std::optional<MemFigures> now = start;
    for (int pass = 0; pass < kPasses && result.stop == Stop::Done; ++pass) {
        qint64 budget = std::max<qint64>(0, now->toMemory().available());
        while (budget > 0) {
            const qint64 chunk = std::min(kChunk, budget);
            if (const auto stop = stopRule(*now, start->swapFree, chunk)) {
                result.stop = *stop;
                break;
            }
            m_touch(chunk);
            result.touched += chunk;
            budget -= chunk;
            now = m_reader();
            if (!now) {
                result.stop = Stop::NoFigures;
                break;
            }
        }
    }
    if (const std::optional<MemFigures> after = m_reader())
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
