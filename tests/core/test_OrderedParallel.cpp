// Work on several threads, results handed over in index order.

#include "OrderedParallel.h"

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

TEST(OrderedParallel, NothingToDoConsumesNothing)
{
    int consumed = 0;
    sw::orderedParallel<int>(0, 4, [](size_t) { return 1; }, [&](int &&) { ++consumed; });
    EXPECT_EQ(consumed, 0);
}

}  // namespace
