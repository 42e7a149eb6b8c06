// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli memory, run as a program on a fixture /proc and home.

#include "CliRunner.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr qint64 KiB = 1024;

// 4 GiB installed and only 500 MiB available: below the 512 MiB floor, so a
// release must not touch anything.
const char kMeminfo[] = "MemTotal:        4194304 kB\n"
                        "MemFree:          300000 kB\n"
                        "MemAvailable:     512000 kB\n"
                        "Buffers:           20000 kB\n"
                        "Cached:           400000 kB\n"
                        "Active:          2000000 kB\n"
                        "Inactive:         900000 kB\n"
                        "Unevictable:        1000 kB\n"
                        "SwapTotal:       2000000 kB\n"
                        "SwapFree:        1000000 kB\n"
                        "AnonPages:       2500000 kB\n"
                        "Shmem:             50000 kB\n"
                        "SUnreclaim:        30000 kB\n"
                        "KernelStack:        8000 kB\n"
                        "PageTables:        20000 kB\n";

}  // namespace

TEST(MemoryCommand, PrintsTheFixtureFiguresAndAReleaseNearTheFloorTouchesNothing)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    tree.text(QStringLiteral("proc/meminfo"), kMeminfo);
    tree.text(QStringLiteral("proc/pressure/memory"), "some avg10=0.00 avg60=0.00 avg300=0.00 total=0\n");
    const QString home = tree.folder(QStringLiteral("home/Documents"));
    const QStringList env{QStringLiteral("SWEEPWRIGHT_PROC=") + tree.path(QStringLiteral("proc"))};
    auto run = [&](const QStringList &args) {
        return swtest::runCli(QStringList{QStringLiteral("memory"), QStringLiteral("--home"),
                                          tree.path(QStringLiteral("home")), QStringLiteral("--json")}
                                  + args,
                              tree.path(QStringLiteral("config")), QString(), env);
    };

    const swtest::CliRun shown = run({});
    ASSERT_EQ(shown.code, 0) << shown.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(shown.out).object();
    EXPECT_EQ(json.keys(), (QStringList{"activeMemory", "appMemory", "buffersMemory", "cachedMemory",
                                        "compressedMemory", "disk", "filecacheMemory", "freeMemory",
                                        "inactiveMemory", "memAvailable", "programsMemory", "swapTotal", "swapUsed", "usagePercent",
                                        "usedMemory", "wiredMemory"}));
    EXPECT_EQ(json.value("programsMemory").toInteger(), (4194304 - 512000) * KiB);
    EXPECT_EQ(json.value("cachedMemory").toInteger(), (512000 - 300000 - 20000) * KiB);
    EXPECT_EQ(json.value("swapUsed").toInteger(), 1000000 * KiB);
    EXPECT_EQ(json.value("freeMemory").toInteger(), 300000 * KiB);
    EXPECT_EQ(json.value("activeMemory").toInteger(), 2000000 * KiB);
    EXPECT_EQ(json.value("inactiveMemory").toInteger(), 900000 * KiB);
    EXPECT_EQ(json.value("wiredMemory").toInteger(), (1000 + 8000 + 20000 + 30000) * KiB);
    EXPECT_EQ(json.value("filecacheMemory").toInteger(), (400000 + 20000 - 50000) * KiB);
    EXPECT_EQ(json.value("appMemory").toInteger(), (2500000 + 50000) * KiB);
    EXPECT_EQ(json.value("compressedMemory").toInteger(), 0);
    EXPECT_EQ(json.value("usedMemory").toInteger(), (4194304 - 300000) * KiB);
    // 3894304 / (3894304 + 300000 + 900000)
    EXPECT_DOUBLE_EQ(json.value("usagePercent").toDouble(), 76.44);
    const QJsonObject disk = json.value("disk").toObject();
    EXPECT_GT(disk.value("total").toInteger(), 0);
    EXPECT_LE(disk.value("free").toInteger(), disk.value("total").toInteger());

    const swtest::CliRun released = run({QStringLiteral("--release")});
    ASSERT_EQ(released.code, 0) << released.err.toStdString();
    const QJsonObject after = QJsonDocument::fromJson(released.out).object();
    EXPECT_EQ(after.value("touchedMemory").toInteger(), 0);
    EXPECT_EQ(after.value("releasedMemory").toInteger(), 0);
    EXPECT_EQ(after.value("releaseEnd").toString(), "stopped: available memory near its floor");

    // No meminfo: a clear error, no figures.
    QFile::remove(tree.path(QStringLiteral("proc/meminfo")));
    const swtest::CliRun missing = run({});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("cannot read the memory figures"));
}

// Counters of more memory than is installed (a damaged or made-up meminfo)
// gave a usage of -99,999,896 %, and a release on them ran for a quarter of
// an hour. The figures are now kept to the installed size, the usage is
// unavailable, and a release stops before it touches anything.
TEST(MemoryCommand, ContradictingFiguresShowNoUsageAndReleaseNothing)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    tree.text(QStringLiteral("proc/meminfo"), QByteArray(kMeminfo).replace("MemTotal:        4194304",
                                                                           "MemTotal:             42"));
    tree.folder(QStringLiteral("home/Documents"));
    const QStringList env{QStringLiteral("SWEEPWRIGHT_PROC=") + tree.path(QStringLiteral("proc"))};
    auto run = [&](const QStringList &args) {
        return swtest::runCli(QStringList{QStringLiteral("memory"), QStringLiteral("--home"),
                                          tree.path(QStringLiteral("home"))}
                                  + args,
                              tree.path(QStringLiteral("config")), QString(), env);
    };

    const swtest::CliRun json = run({QStringLiteral("--json"), QStringLiteral("--release")});
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    const QJsonObject figures = QJsonDocument::fromJson(json.out).object();
    EXPECT_TRUE(figures.value("usagePercent").isNull());
    EXPECT_EQ(figures.value("freeMemory").toInteger(), 42 * KiB);
    EXPECT_EQ(figures.value("usedMemory").toInteger(), 0);
    EXPECT_EQ(figures.value("touchedMemory").toInteger(), 0);
    EXPECT_EQ(figures.value("releasedMemory").toInteger(), 0);
    EXPECT_EQ(figures.value("releaseEnd").toString(), "stopped: memory figures inconsistent");

    const swtest::CliRun text = run({});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith("Memory (usage unavailable: the figures contradict each other)\n"))
        << text.out.toStdString();
}
