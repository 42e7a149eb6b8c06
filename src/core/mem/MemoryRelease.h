// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mem/MemFigures.h"

#include <QString>

#include <functional>
#include <optional>

namespace sw {

// Releasing memory by asking for it: touching pages makes the kernel take
// back inactive pages and file cache to supply them, and what it took back
// shows as free memory afterwards.
//
// Holding all free and inactive memory at once, as the simple way does,
// pushes running programs into swap or wakes the out-of-memory killer, which
// ends someone's program. So memory is touched one chunk of at most 64 MiB at
// a time and each chunk is given back at once; before every chunk the
// figures are read again and the release stops early when
//   - MemAvailable would fall below max(10 % of MemTotal, 512 MiB),
//   - SwapFree has fallen by more than 64 MiB since the release began, or
//   - the memory pressure ("some avg10") is above 10 %.
// Three passes, each touching at most the free and inactive memory of its
// start. Figures that contradict each other end it before anything is
// touched. Whatever the figures say, one release does at most kMaxChunks
// chunks and runs at most kMaxSeconds: figures that never change (a frozen
// or made-up PROC) once kept it going for a quarter of an hour. The released
// amount is the change of free memory, which may be negative when other
// programs took memory meanwhile.
class MemoryRelease
{
public:
    using Reader = std::function<std::optional<MemFigures>()>;
    // Touches that many bytes and gives them back before returning.
    using Toucher = std::function<void(qint64 bytes)>;
    // Milliseconds since some fixed moment.
    using Clock = std::function<qint64()>;

    enum class Stop { Done, LowAvailable, Swapping, Pressure, NoFigures, Inconsistent, Bound };

    struct Result
    {
        qint64 released = 0;  // free memory after minus free memory before
        qint64 touched = 0;   // bytes touched over all passes
        Stop stop = Stop::Done;
    };

    static constexpr qint64 kChunk = qint64(64) << 20;
    static constexpr int kPasses = 3;
    static constexpr qint64 kMinFloor = qint64(512) << 20;
    static constexpr qint64 kSwapSlack = qint64(64) << 20;
    static constexpr double kPressureLimit = 10.0;
    // The bound of one release: 64 GiB touched, one minute.
    static constexpr int kMaxChunks = 1024;
    static constexpr qint64 kMaxSeconds = 60;

    explicit MemoryRelease(Reader reader = &MemFigures::read, Toucher touch = &touchAndGiveBack,
                           Clock clock = &steadyMilliseconds);

    // Runs on the calling thread until done or stopped.
    Result run();

    // The MemAvailable the release never goes below.
    static qint64 floor(qint64 memTotal);
    // Why touching chunk more bytes now must not happen, if it must not.
    static std::optional<Stop> stopRule(const MemFigures &now, qint64 startSwapFree, qint64 chunk);
    // Why the release ended, in English as scripts read it ("done",
    // "stopped: memory pressure"), and as the user reads it.
    static QString stopKey(Stop stop);
    static QString stopText(Stop stop);
    // Maps bytes of fresh anonymous memory, writes one byte per page and
    // unmaps them; a mapping that fails is skipped.
    static void touchAndGiveBack(qint64 bytes);
    static qint64 steadyMilliseconds();

private:
    // The stop before the next chunk, if any: the rules, then the bound.
    std::optional<Stop> stopBefore(const MemFigures &now, const MemFigures &start, qint64 chunk, int chunks,
                                   qint64 startedMs) const;

    Reader m_reader;
    Toucher m_touch;
    Clock m_clock;
};

}  // namespace sw
