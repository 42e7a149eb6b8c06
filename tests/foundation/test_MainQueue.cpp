// SPDX-License-Identifier: GPL-3.0-or-later
// The ordered, coalescing queue to the main thread, through its public faces:
// ORUtility::notifyOnMainThread and ORDispatch::main/mainSync.

#include "support/FixtureTree.h"

#include "core/foundation/MainQueue.h"
#include "core/foundation/ORDispatch.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <functional>
#include <thread>

namespace {

class MainQueueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        QCoreApplication::processEvents();
        sw::MainQueue::instance().flush();  // nothing left over from other tests
        for (const char *name : {"junksize", "junktitle", "getjunks"}) {
            const QString n = QString::fromLatin1(name);
            ORNotificationCenter::defaultCenter().addObserver(&observer, n, [this, n](const QVariant &o) {
                onMain &= QThread::currentThread() == qApp->thread();
                events.append(n + QLatin1Char(':') + (ORNotificationCenter::isNull(o) ? QStringLiteral("<null>")
                                                                                        : o.toString()));
            });
        }
    }

    // Runs the main event loop until pred holds (or a generous deadline passes).
    static bool processUntil(const std::function<bool()> &pred)
    {
        const QDeadlineTimer deadline(60000);
        while (!pred() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return pred();
    }

    // Runs work on another thread while the main thread is blocked, then
    // lets the main thread deliver everything it queued.
    void runOnWorkerWhileMainIsBlocked(const std::function<void()> &work)
    {
        std::thread worker(work);
        worker.join();
        std::atomic<bool> drained{false};
        ORDispatch::main([&] { drained = true; });
        ASSERT_TRUE(processUntil([&] { return drained.load(); }));
    }

    QObject observer;
    QStringList events;
    bool onMain = true;
};

TEST_F(MainQueueTest, OrderIsKeptAcrossProgressNotificationsAndBlocks)
{
    runOnWorkerWhileMainIsBlocked([this] {
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), 1);
        ORDispatch::main([this] { events.append(QStringLiteral("block1")); });
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), 2);
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), 3);
        ORUtility::notifyOnMainThread(QStringLiteral("getjunks"), QStringLiteral("x"));
        ORUtility::notifyOnMainThread(QStringLiteral("getjunks"), QStringLiteral("y"));
        ORDispatch::main([this] { events.append(QStringLiteral("block2")); });
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), 4);
    });
    // Progress between two other entries collapses to its last value; other
    // notifications are never merged.
    EXPECT_EQ(events, (QStringList{"junksize:1", "block1", "junksize:3", "getjunks:x", "getjunks:y", "block2",
                                   "junksize:4"}));
    EXPECT_TRUE(onMain);
}

TEST_F(MainQueueTest, EachProgressNameDeliversItsLastValue)
{
    runOnWorkerWhileMainIsBlocked([] {
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junktitle"), QStringLiteral("/a"));
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), 10);
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junktitle"), QStringLiteral("/b"));
        ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), 30);
    });
    QStringList sorted = events;
    sorted.sort();
    EXPECT_EQ(sorted, (QStringList{"junksize:30", "junktitle:/b"}));
}

TEST_F(MainQueueTest, AbsentObjectArrivesAsTheNullPlaceholder)
{
    runOnWorkerWhileMainIsBlocked([] { ORUtility::notifyOnMainThread(QStringLiteral("getjunks")); });
    EXPECT_EQ(events, QStringList{"getjunks:<null>"});
}

TEST_F(MainQueueTest, MillionProgressPostsWhileTheMainThreadIsBusyWakeItOnce)
{
    const quint64 before = sw::MainQueue::instance().wakeCount();
    runOnWorkerWhileMainIsBlocked([] {
        for (int i = 0; i < 1000000; ++i)
            ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), i);
    });
    // One wake-up for the whole burst, one for the drain block above.
    EXPECT_EQ(sw::MainQueue::instance().wakeCount() - before, 2u);
    EXPECT_EQ(events, QStringList{"junksize:999999"});
}

TEST_F(MainQueueTest, MillionProgressPostsWhileTheMainThreadListensQueueFewEvents)
{
    const quint64 before = sw::MainQueue::instance().wakeCount();
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        for (int i = 0; i < 1000000; ++i)
            ORUtility::notifyProgressOnMainThread(QStringLiteral("junksize"), i);
        finished = true;
    });
    const bool delivered =
        processUntil([&] { return finished && !events.isEmpty() && events.constLast() == "junksize:999999"; });
    worker.join();
    ASSERT_TRUE(delivered);
    EXPECT_LT(sw::MainQueue::instance().wakeCount() - before, 5000u);
    QList<int> values;
    for (const QString &e : std::as_const(events))
        values.append(e.section(QLatin1Char(':'), 1).toInt());
    EXPECT_TRUE(std::is_sorted(values.cbegin(), values.cend()));
    EXPECT_EQ(std::adjacent_find(values.cbegin(), values.cend()), values.cend());  // no value twice
    EXPECT_TRUE(onMain);
}

TEST_F(MainQueueTest, MainSyncRunsOnTheMainThreadAndWaits)
{
    std::atomic<bool> ranOnMain{false};
    std::atomic<bool> sawResult{false};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        int value = 0;
        ORDispatch::mainSync([&] {
            ranOnMain = QThread::currentThread() == qApp->thread();
            value = 42;
        });
        sawResult = value == 42;
        done = true;
    });
    EXPECT_TRUE(processUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(ranOnMain);
    EXPECT_TRUE(sawResult);
}

TEST_F(MainQueueTest, GlobalRunsTheBlockOffTheMainThread)
{
    std::atomic<bool> offMain{false};
    std::atomic<bool> done{false};
    ORDispatch::global(ORDispatch::Priority::Low, [&] {
        offMain = QThread::currentThread() != qApp->thread();
        ORDispatch::main([&] { done = true; });
    });
    EXPECT_TRUE(processUntil([&] { return done.load(); }));
    EXPECT_TRUE(offMain);
}

}  // namespace
