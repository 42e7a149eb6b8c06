// SPDX-License-Identifier: GPL-3.0-or-later
// The memory release on a simulated machine: each stop rule ends it before
// the chunk that would break it, and it never touches more than its passes
// allow.

#include "core/mem/MemoryRelease.h"

#include <gtest/gtest.h>

#include <vector>

using sw::MemFigures;
using sw::MemoryRelease;

namespace {

constexpr qint64 MiB = qint64(1) << 20;
constexpr qint64 GiB = qint64(1) << 30;

// A machine whose figures the test changes after every touched chunk.
struct Machine
{
    MemFigures now;
    std::function<void(MemFigures &, qint64 chunk)> onTouch = [](MemFigures &, qint64) {};
    std::vector<qint64> chunks;
    std::vector<qint64> availableAtTouch;
    int readsLeft = 1 << 30;
    qint64 ms = 0;  // the release's clock
    qint64 msPerChunk = 1;

    MemoryRelease release()
    {
        return MemoryRelease(
            [this]() -> std::optional<MemFigures> {
                if (readsLeft-- <= 0)
                    return std::nullopt;
                return now;
            },
            [this](qint64 chunk) {
                chunks.push_back(chunk);
                availableAtTouch.push_back(now.memAvailable);
                onTouch(now, chunk);
                ms += msPerChunk;
            },
            [this] { return ms; });
    }
    qint64 touched() const
    {
        qint64 sum = 0;
        for (qint64 c : chunks)
            sum += c;
        return sum;
    }
};

// 16 GiB installed, 1000 MiB free and 300 MiB inactive, plenty available.
MemFigures roomyMachine()
{
    MemFigures f;
    f.memTotal = 16 * GiB;
    f.memFree = 1000 * MiB;
    f.inactive = 300 * MiB;
    f.memAvailable = 12 * GiB;
    f.swapFree = 4 * GiB;
    return f;
}

}  // namespace

TEST(MemoryRelease, TouchesThreePassesOfFreeAndInactiveInChunksAndReportsTheChangeOfFree)
{
    Machine machine;
    machine.now = roomyMachine();
    // The kernel hands back 10 MiB of cache per chunk.
    machine.onTouch = [](MemFigures &f, qint64) { f.memFree += 10 * MiB; };
    const MemoryRelease::Result result = machine.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::Done);
    for (qint64 chunk : machine.chunks)
        EXPECT_LE(chunk, MemoryRelease::kChunk);
    // Pass budgets grow with the free memory the earlier passes released:
    // 1300 MiB = 21 chunks, then 1510 MiB = 24 chunks, then 1750 MiB = 28.
    EXPECT_EQ(machine.chunks.size(), 21u + 24u + 28u);
    EXPECT_EQ(result.touched, (1300 + 1510 + 1750) * MiB);
    EXPECT_EQ(result.touched, machine.touched());
    EXPECT_EQ(result.released, 73 * 10 * MiB);

    // Other programs took memory meanwhile: a negative release.
    Machine busy;
    busy.now = roomyMachine();
    busy.onTouch = [](MemFigures &f, qint64) { f.memFree -= 5 * MiB; };
    EXPECT_LT(busy.release().run().released, 0);
}

TEST(MemoryRelease, EachStopRuleEndsTheReleaseBeforeTheChunkThatWouldBreakIt)
{
    // MemAvailable falls as programs start: never below max(10 %, 512 MiB).
    Machine low;
    low.now = roomyMachine();
    low.now.memAvailable = 1900 * MiB;  // floor of 16 GiB: 1638.4 MiB
    low.onTouch = [](MemFigures &f, qint64) { f.memAvailable -= 100 * MiB; };
    MemoryRelease::Result result = low.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::LowAvailable);
    ASSERT_FALSE(low.chunks.empty());
    for (size_t i = 0; i < low.chunks.size(); ++i)
        EXPECT_GE(low.availableAtTouch[i] - low.chunks[i], MemoryRelease::floor(low.now.memTotal));
    EXPECT_LT(low.now.memAvailable - MemoryRelease::kChunk, MemoryRelease::floor(low.now.memTotal));
    EXPECT_EQ(MemoryRelease::floor(4 * GiB), 512 * MiB);  // small machines keep 512 MiB

    // A small machine near its floor touches nothing at all.
    Machine small;
    small.now = roomyMachine();
    small.now.memTotal = 2 * GiB;
    small.now.memAvailable = 560 * MiB;
    EXPECT_EQ(small.release().run().stop, MemoryRelease::Stop::LowAvailable);
    EXPECT_TRUE(small.chunks.empty());

    // Swap in use grows: more than 64 MiB since the start stops it.
    Machine swapping;
    swapping.now = roomyMachine();
    swapping.onTouch = [](MemFigures &f, qint64) { f.swapFree -= 30 * MiB; };
    result = swapping.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::Swapping);
    EXPECT_EQ(swapping.chunks.size(), 3u);  // 90 MiB fell after the third chunk

    // Pressure: 10 % is still allowed, above it stops.
    Machine pressed;
    pressed.now = roomyMachine();
    pressed.now.pressureSome10 = 10.0;
    pressed.onTouch = [&pressed](MemFigures &f, qint64) {
        if (pressed.chunks.size() == 5)
            f.pressureSome10 = 10.01;
    };
    result = pressed.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::Pressure);
    EXPECT_EQ(pressed.chunks.size(), 5u);

    // Figures that cannot be read stop it; none at the start touches nothing.
    Machine blind;
    blind.now = roomyMachine();
    blind.readsLeft = 4;
    EXPECT_EQ(blind.release().run().stop, MemoryRelease::Stop::NoFigures);
    EXPECT_EQ(blind.chunks.size(), 4u);  // four readings: the start and three after chunks
    Machine none;
    none.readsLeft = 0;
    result = none.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::NoFigures);
    EXPECT_EQ(result.touched, 0);
    EXPECT_EQ(result.released, 0);
}

// Figures that never change kept a release going for a quarter of an hour
// (a frozen /proc of a large machine); contradicting ones made no sense of
// it at all. A release now ends at its bound of work or time, and does
// nothing on figures that contradict each other.
TEST(MemoryRelease, FrozenOrContradictingFiguresEndAtTheBound)
{
    Machine frozen;  // 4 TiB, nearly all of it free, forever
    frozen.now = roomyMachine();
    frozen.now.memTotal = qint64(4096) * GiB;
    frozen.now.memFree = frozen.now.memAvailable = qint64(4000) * GiB;
    MemoryRelease::Result result = frozen.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::Bound);
    EXPECT_EQ(frozen.chunks.size(), size_t(MemoryRelease::kMaxChunks));
    EXPECT_EQ(result.touched, MemoryRelease::kMaxChunks * MemoryRelease::kChunk);

    Machine slow;  // each chunk takes two seconds
    slow.now = frozen.now;
    slow.msPerChunk = 2000;
    EXPECT_EQ(slow.release().run().stop, MemoryRelease::Stop::Bound);
    EXPECT_EQ(slow.chunks.size(), size_t(MemoryRelease::kMaxSeconds / 2));

    Machine contradicting;  // more free than installed
    contradicting.now = roomyMachine();
    contradicting.now.memFree = 20 * GiB;
    result = contradicting.release().run();
    EXPECT_EQ(result.stop, MemoryRelease::Stop::Inconsistent);
    EXPECT_TRUE(contradicting.chunks.empty());
    EXPECT_EQ(result.released, 0);

    Machine turning;  // the counters go wrong during the release
    turning.now = roomyMachine();
    turning.onTouch = [](MemFigures &f, qint64) { f.inactive = 17 * GiB; };
    EXPECT_EQ(turning.release().run().stop, MemoryRelease::Stop::Inconsistent);
    EXPECT_EQ(turning.chunks.size(), 1u);
}
