// SPDX-License-Identifier: GPL-3.0-or-later
// The memory engine's clock and automatic release, on a fixture /proc with
// a clock of a few milliseconds and a release that only counts.

#include "core/foundation/ORPrefConfig.h"
#include "core/mem/MemoryMonitor.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>

#include <atomic>

namespace {

using namespace std::chrono_literals;
using sw::MemoryMonitor;
using sw::MemoryRelease;

// 10,000 kB installed; free as given, nothing inactive: usage is
// 100 - free / 100 percent.
QByteArray meminfo(int freeKiB, int activeKiB = 5000)
{
    return QStringLiteral("MemTotal: 10000 kB\nMemFree: %1 kB\nMemAvailable: %1 kB\nActive: %2 kB\nInactive: 0 kB\n")
        .arg(freeKiB)
        .arg(activeKiB)
        .toLatin1();
}

class MemoryMonitorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(m_tree.isValid());
        ORPrefConfig::setStorePath(m_tree.path(QStringLiteral("settings.conf")));
        qputenv("SWEEPWRIGHT_PROC", QFile::encodeName(m_tree.folder(QStringLiteral("proc"))));
        setFree(5000);
        m_monitor.setInterval(20ms);
        // What the safety rules do on a loaded machine: stop before anything.
        m_monitor.setRelease([this] {
            ++m_releases;
            return MemoryRelease::Result{0, 0, MemoryRelease::Stop::LowAvailable};
        });
        QObject::connect(&m_monitor, &MemoryMonitor::memoryRefreshed, [this] { ++m_refreshes; });
    }
    void TearDown() override
    {
        qunsetenv("SWEEPWRIGHT_PROC");
        ORPrefConfig::setStorePath(QString());
    }

    void setFree(int freeKiB, int activeKiB = 5000) const
    {
        m_tree.text(QStringLiteral("proc/meminfo"), meminfo(freeKiB, activeKiB));
    }
    // Runs the event loop for ms milliseconds, or until done holds.
    static bool spin(int ms, const std::function<bool()> &done = [] { return false; })
    {
        const QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            if (done())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return done();
    }
    void settle() { ASSERT_TRUE(spin(2000, [this] { return !m_monitor.isReleasing(); })); }

    swtest::FixtureTree m_tree;
    MemoryMonitor m_monitor;
    std::atomic<int> m_releases{0};
    int m_refreshes = 0;
};

// The clock started with the memory page, so automatic release did nothing
// until the page had been opened. It now runs from the start while
// automatic release is on, with no page at all, and stops with it.
TEST_F(MemoryMonitorTest, ClockRunsWhileAutomaticReleaseIsOnOrSomethingWatches)
{
    ORPrefConfig::setMemoryUsageEnable(90);
    m_monitor.preferencesChanged();
    EXPECT_FALSE(m_monitor.isRunning());
    EXPECT_FALSE(spin(100, [this] { return m_refreshes > 0; }));

    ORPrefConfig::setAutoMemoryEnable(true);
    m_monitor.preferencesChanged();
    EXPECT_TRUE(m_monitor.isRunning());
    EXPECT_EQ(m_refreshes, 1);  // at once
    EXPECT_TRUE(spin(2000, [this] { return m_refreshes >= 4; }));

    ORPrefConfig::setAutoMemoryEnable(false);
    m_monitor.preferencesChanged();
    EXPECT_FALSE(m_monitor.isRunning());
    const int stoppedAt = m_refreshes;
    spin(100);
    EXPECT_EQ(m_refreshes, stoppedAt);

    auto viewer = std::make_unique<QObject>();
    m_monitor.watch(viewer.get());
    EXPECT_TRUE(spin(2000, [&] { return m_refreshes >= stoppedAt + 3; }));
    viewer.reset();
    EXPECT_FALSE(m_monitor.isRunning());
    EXPECT_EQ(m_releases.load(), 0);  // 50 % never reached 90 %
}

// A release the safety rules stopped started again at every refresh (three
// "Released Memory 0 B" pop-ups in two minutes). The next automatic release
// now waits until usage has dropped below the threshold and risen again.
TEST_F(MemoryMonitorTest, AStoppedReleaseWaitsUntilUsageDropsAndRisesAgain)
{
    ORPrefConfig::setAutoMemoryEnable(true);
    ORPrefConfig::setMemoryUsageEnable(75);
    int finished = 0;
    QObject::connect(&m_monitor, &MemoryMonitor::releaseFinished, [&](qint64 released) {
        EXPECT_EQ(released, 0);
        ++finished;
    });
    setFree(2000);  // 80 %
    m_monitor.preferencesChanged();
    ASSERT_TRUE(spin(2000, [&] { return finished == 1; }));
    const int after = m_refreshes;
    ASSERT_TRUE(spin(2000, [&] { return m_refreshes >= after + 6; }));
    EXPECT_EQ(m_releases.load(), 1);

    setFree(4000);  // 60 %: armed again, nothing to release
    ASSERT_TRUE(spin(2000, [&] { return m_refreshes >= after + 9; }));
    EXPECT_EQ(m_releases.load(), 1);
    setFree(2000);
    ASSERT_TRUE(spin(2000, [&] { return finished == 2; }));
    EXPECT_EQ(m_releases.load(), 2);
    settle();

    // A release asked for by hand disarms the automatic one too.
    ASSERT_TRUE(m_monitor.freeMemory());
    EXPECT_FALSE(m_monitor.freeMemory());  // one at a time
    ASSERT_TRUE(spin(2000, [&] { return finished == 3; }));
    const int manual = m_refreshes;
    ASSERT_TRUE(spin(2000, [&] { return m_refreshes >= manual + 4; }));
    EXPECT_EQ(m_releases.load(), 3);
}

struct Threshold
{
    const char *name;
    int freeKiB;
    int activeKiB;
    bool automatic;
    bool releases;
};

class ThresholdRule : public MemoryMonitorTest, public ::testing::WithParamInterface<Threshold>
{
};

TEST_P(ThresholdRule, ARefreshReleasesAtTheThresholdOnly)
{
    ORPrefConfig::setAutoMemoryEnable(GetParam().automatic);
    ORPrefConfig::setMemoryUsageEnable(75);
    setFree(GetParam().freeKiB, GetParam().activeKiB);
    m_monitor.refreshMemUsage();
    EXPECT_EQ(m_monitor.isReleasing(), GetParam().releases);
    settle();
    EXPECT_EQ(m_releases.load(), GetParam().releases ? 1 : 0);
    EXPECT_FALSE(m_monitor.isRunning());  // a refresh by hand starts no clock
}

INSTANTIATE_TEST_SUITE_P(
    Usage, ThresholdRule,
    ::testing::Values(Threshold{"at_the_threshold", 2500, 5000, true, true},
                      Threshold{"a_hundredth_below", 2501, 5000, true, false},
                      Threshold{"automatic_release_off", 1000, 5000, false, false},
                      // 99 % by the old formula, from counters of more than is installed.
                      Threshold{"contradicting_counters", 100, 20000, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MemoryMonitorClock, FirstRefreshFallsOnTheNextMark)
{
    const auto at = [](int h, int m, int s) {
        return QDateTime(QDate(2026, 12, 9), QTime(h, m, s), Qt::UTC).toMSecsSinceEpoch();
    };
    const qint64 interval = MemoryMonitor::kInterval.count();
    EXPECT_EQ(MemoryMonitor::firstRefreshDelay(at(12, 0, 17), interval), 13000);
    EXPECT_EQ(MemoryMonitor::firstRefreshDelay(at(12, 0, 29), interval), 1000);
    EXPECT_EQ(MemoryMonitor::firstRefreshDelay(at(12, 0, 30), interval), 30000);
    EXPECT_EQ(MemoryMonitor::firstRefreshDelay(at(12, 0, 0) + 250, interval), 29750);
}

}  // namespace
