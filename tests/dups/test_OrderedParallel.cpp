// SPDX-License-Identifier: GPL-3.0-or-later
// Work on several threads, results handed over in index order.

#include "core/dups/OrderedParallel.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

TEST(OrderedParallel, ResultsComeInIndexOrderEvenWhenLaterOnesFinishFirst)
{
    std::promise<void> secondDone;
    std::shared_future<void> second = secondDone.get_future().share();
    std::vector<size_t> consumed;
    sw::orderedParallel<size_t>(
        3, 2,
        [&](size_t i) {
            if (i == 0) {  // holds the first item until the second is done
                EXPECT_EQ(second.wait_for(std::chrono::seconds(30)), std::future_status::ready);
            }
            if (i == 1)
                secondDone.set_value();
            return i * 10;
        },
        [&](size_t &&result) { consumed.push_back(result); });
    EXPECT_EQ(consumed, (std::vector<size_t>{0, 10, 20}));
}

TEST(OrderedParallel, EveryItemIsWorkedOnceWhateverTheThreads)
{
    for (const int threads : {0, 1, 3, 8}) {
        std::vector<std::atomic<int>> calls(500);
        std::vector<size_t> consumed;
        sw::orderedParallel<size_t>(
            calls.size(), threads,
            [&](size_t i) {
                ++calls[i];
                return i;
            },
            [&](size_t &&result) { consumed.push_back(result); });
        ASSERT_EQ(consumed.size(), calls.size()) << threads;
        for (size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(consumed[i], i);
            EXPECT_EQ(calls[i].load(), 1);
        }
    }
}

TEST(OrderedParallel, RunsStartNoThreadsOfTheirOwn)
{
    QThreadPool *pool = QThreadPool::globalInstance();
    const QThread *caller = QThread::currentThread();
    std::atomic<int> elsewhere = 0;
    for (int run = 0; run < 5; ++run)
        sw::orderedParallel<int>(
            200, 4,
            [&](size_t) {
                const QThread *self = QThread::currentThread();
                if (self != caller && !pool->contains(self))
                    ++elsewhere;
                return 0;
            },
            [](int &&) {});
    EXPECT_EQ(elsewhere.load(), 0);
}

TEST(OrderedParallel, FinishesWhenThePoolHasNoThreadFree)
{
    QThreadPool *pool = QThreadPool::globalInstance();
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    QSemaphore busy;
    const int threads = pool->maxThreadCount();
    for (int i = 0; i < threads; ++i)
        pool->start([&busy, released] {
            busy.release();
            released.wait();
        });
    busy.acquire(threads);
    std::vector<size_t> consumed;
    auto run = std::async(std::launch::async, [&] {
        sw::orderedParallel<size_t>(
            50, 4, [](size_t i) { return i; }, [&](size_t &&result) { consumed.push_back(result); });
    });
    const bool finished = run.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    release.set_value();
    run.wait();
    pool->waitForDone();
    EXPECT_TRUE(finished);
    ASSERT_EQ(consumed.size(), 50u);
    for (size_t i = 0; i < consumed.size(); ++i)
        EXPECT_EQ(consumed[i], i);
}

TEST(OrderedParallel, NothingToDoConsumesNothing)
{
    int consumed = 0;
    sw::orderedParallel<int>(0, 4, [](size_t) { return 1; }, [&](int &&) { ++consumed; });
    EXPECT_EQ(consumed, 0);
}

}  // namespace
