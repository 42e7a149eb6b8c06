// SPDX-License-Identifier: GPL-3.0-or-later
// The memory figures from the kernel's counters: which counters make which
// figure, and what a damaged or older meminfo gives.

#include "core/mem/MemFigures.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 KiB = 1024;

// A meminfo of a recent kernel (figures in kB, as the kernel writes them).
const char kMeminfo[] = "MemTotal:        8000000 kB\n"
                        "MemFree:         1000000 kB\n"
                        "MemAvailable:    5000000 kB\n"
                        "Buffers:           50000 kB\n"
                        "Cached:          3000000 kB\n"
                        "SwapCached:            0 kB\n"
                        "Active:          2500000 kB\n"
                        "Inactive:        3500000 kB\n"
                        "Active(anon):     900000 kB\n"
                        "Inactive(anon):   100000 kB\n"
                        "Unevictable:       16000 kB\n"
                        "SwapFree:        2000000 kB\n"
                        "Zswap:             70000 kB\n"
                        "AnonPages:       1200000 kB\n"
                        "Shmem:            200000 kB\n"
                        "SUnreclaim:        40000 kB\n"
                        "KernelStack:       12000 kB\n"
                        "PageTables:        30000 kB\n"
                        "HugePages_Total:       0\n";

struct Row
{
    const char *name;
    QByteArray meminfo;
    QByteArray pressure;
    std::optional<ORMemory> memory;
    qint64 available = 0;  // MemAvailable
    double pressureSome10 = 0;
    bool consistent = true;
};

ORMemory memory(qint64 free, qint64 active, qint64 inactive, qint64 wired, qint64 filecache, qint64 app,
                qint64 compressed, qint64 used)
{
    return ORMemory{free * KiB, active * KiB, inactive * KiB, wired * KiB, filecache * KiB, app * KiB,
                    compressed * KiB, used * KiB};
}

QByteArray without(const char *line)
{
    return QByteArray(kMeminfo).replace(line, "");
}

}  // namespace

TEST(MemFigures, CountersMakeTheFiguresAndDamagedFilesReadNothing)
{
    const ORMemory full = memory(1000000, 2500000, 3500000, 16000 + 12000 + 30000 + 40000, 3000000 + 50000 - 200000,
                                 1200000 + 200000, 70000, 8000000 - 1000000);
    ORMemory olderKernel = full;  // no Zswap, no SUnreclaim, no MemAvailable
    olderKernel.compressedMemory = 0;
    olderKernel.wiredMemory -= 40000 * KiB;
    ORMemory sharedOverCache = full;  // tmpfs larger than the cache counters: no negative cache
    sharedOverCache.filecacheMemory = 0;
    sharedOverCache.appMemory = (1200000 + 4000000) * KiB;
    ORMemory damagedLine = full;  // a counter that is not a number counts as absent
    damagedLine.activeMemory = 0;
    // Parts larger than the whole gave a usage of -99,999,896 %: each is
    // kept to the whole, and the usage is unavailable.
    const qint64 whole = 1000;
    const ORMemory partsAboveTotal = memory(whole, whole, whole, whole, whole, whole, whole, 0);

    const Row rows[] = {
        {"full", kMeminfo, "some avg10=12.50 avg60=3.00 avg300=1.00 total=123\nfull avg10=1.00\n", full,
         5000000 * KiB, 12.5},
        {"olderKernel", without("Zswap:             70000 kB\n").replace("SUnreclaim:        40000 kB\n", "")
                            .replace("MemAvailable:    5000000 kB\n", ""),
         "", olderKernel, 1000000 * KiB, 0},
        {"sharedOverCache", QByteArray(kMeminfo).replace("Shmem:            200000", "Shmem:           4000000"),
         "garbage", sharedOverCache, 5000000 * KiB, 0},
        {"damagedLine", QByteArray(kMeminfo).replace("Active:          2500000", "Active:   -25x"),
         "some avg10=nan", damagedLine, 5000000 * KiB, 0},
        {"partsAboveTotal", QByteArray(kMeminfo).replace("MemTotal:        8000000", "MemTotal:           1000"), "",
         partsAboveTotal, 5000000 * KiB, 0, false},
        {"hugeCounter", QByteArray(kMeminfo).replace("MemFree:         1000000", "MemFree: 99999999999999999999"),
         "", std::nullopt},
        {"noTotal", without("MemTotal:        8000000 kB\n"), "", std::nullopt},
        {"empty", "", "", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto figures = sw::MemFigures::parse(row.meminfo, row.pressure);
        ASSERT_EQ(figures.has_value(), row.memory.has_value());
        if (!figures)
            continue;
        const ORMemory m = figures->toMemory();
        EXPECT_EQ(m.freeMemory, row.memory->freeMemory);
        EXPECT_EQ(m.activeMemory, row.memory->activeMemory);
        EXPECT_EQ(m.inactiveMemory, row.memory->inactiveMemory);
        EXPECT_EQ(m.wiredMemory, row.memory->wiredMemory);
        EXPECT_EQ(m.filecacheMemory, row.memory->filecacheMemory);
        EXPECT_EQ(m.appMemory, row.memory->appMemory);
        EXPECT_EQ(m.compressedMemory, row.memory->compressedMemory);
        EXPECT_EQ(m.usedMemory, row.memory->usedMemory);
        EXPECT_EQ(figures->memAvailable, row.available);
        EXPECT_EQ(figures->pressureSome10, row.pressureSome10);
        EXPECT_EQ(m.consistent, row.consistent);
        EXPECT_EQ(m.usagePercent().has_value(), row.consistent);
    }
    // Derived figures: available, total and usage percent.
    EXPECT_EQ(full.available(), 4500000 * KiB);
    EXPECT_EQ(full.total(), 8000000 * KiB);
    EXPECT_FLOAT_EQ(full.usagePercent().value_or(-1), float(100.0 * 7000000 / (7000000 + 1000000 + 3500000)));
    EXPECT_FALSE(ORMemory().usagePercent().has_value());
}

// The page's figures follow free(1). Used once took the page cache in, so
// memory looked full on every machine that had read a few files; and it
// must leave out what the kernel can give back, and the bar add up.
TEST(MemFigures, UsedCachedBuffersAndFreeMakeTheInstalledMemory)
{
    struct LinuxRow
    {
        const char *name;
        QByteArray meminfo;
        qint64 used, cached, swapTotal, swapUsed;  // kB
    };
    const QByteArray withSwap = QByteArray(kMeminfo) + "SwapTotal:       3000000 kB\n";
    const LinuxRow rows[] = {
        {"usedIsWhatIsNotAvailable", withSwap, 8000000 - 5000000, 5000000 - 1000000 - 50000, 3000000, 1000000},
        {"noSwap", kMeminfo, 8000000 - 5000000, 5000000 - 1000000 - 50000, 0, 0},
        {"availableBelowFreeAndBuffers",
         QByteArray(kMeminfo).replace("MemAvailable:    5000000", "MemAvailable:     500000"),
         8000000 - 1000000 - 50000, 0, 0, 0},
        {"swapFreeAboveTotal", QByteArray(withSwap).replace("SwapFree:        2000000", "SwapFree:        9000000"),
         8000000 - 5000000, 5000000 - 1000000 - 50000, 3000000, 0},
    };
    for (const LinuxRow &row : rows) {
        SCOPED_TRACE(row.name);
        const auto figures = sw::MemFigures::parse(row.meminfo, {});
        ASSERT_TRUE(figures.has_value());
        const ORMemory m = figures->toMemory();
        EXPECT_EQ(m.programsMemory, row.used * KiB);
        EXPECT_EQ(m.cachedMemory, row.cached * KiB);
        EXPECT_EQ(m.buffersMemory, 50000 * KiB);
        EXPECT_EQ(m.programsMemory + m.cachedMemory + m.buffersMemory + m.freeMemory, 8000000 * KiB);
        EXPECT_EQ(m.swapTotal, row.swapTotal * KiB);
        EXPECT_EQ(m.swapUsed, row.swapUsed * KiB);
    }
}

TEST(MemFigures, ReadsTheProcFolderOfTheEnvironmentAndCopesWithoutPressureFile)
{
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    tree.text(QStringLiteral("proc/meminfo"), kMeminfo);
    qputenv("SWEEPWRIGHT_PROC", tree.path(QStringLiteral("proc")).toLocal8Bit());
    auto figures = sw::MemFigures::read();
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->memTotal, 8000000 * KiB);
    EXPECT_EQ(figures->swapFree, 2000000 * KiB);
    EXPECT_EQ(figures->pressureSome10, 0);

    tree.text(QStringLiteral("proc/pressure/memory"), "some avg10=0.25 avg60=0.00 avg300=0.00 total=9\n");
    figures = sw::MemFigures::read();
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->pressureSome10, 0.25);

    // A FIFO in meminfo's place must not hang the reading.
    QFile::remove(tree.path(QStringLiteral("proc/meminfo")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("proc/meminfo"))).constData(), 0600), 0);
    EXPECT_FALSE(sw::MemFigures::read().has_value());
    qputenv("SWEEPWRIGHT_PROC", tree.path(QStringLiteral("missing")).toLocal8Bit());
    EXPECT_FALSE(sw::MemFigures::read().has_value());
    qunsetenv("SWEEPWRIGHT_PROC");
}
