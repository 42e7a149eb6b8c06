#pragma once

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace sw {

// Runs work(0) ... work(count - 1) on up to `threads` worker threads and
// hands each result to consume() on the calling thread, in index order, as
// soon as it and all before it are done. Used where items are independent
// but what they produce must come out in a fixed order.
template <class Result>
void orderedParallel(size_t count, int threads, const std::function<Result(size_t)> &work,
                     const std::function<void(Result &&)> &consume)
{
    const size_t workers = std::min<size_t>(count, size_t(std::max(1, threads)));
    if (workers <= 1) {
        for (size_t i = 0; i < count; ++i)
            consume(work(i));
        return;
    }
    std::vector<std::optional<Result>> done(count);
    std::mutex mutex;
    std::condition_variable ready;
    size_t next = 0;
    auto run = [&] {
        for (;;) {
            size_t index;
            {
                std::lock_guard lock(mutex);
                if (next >= count)
                    return;
                index = next++;
            }
            Result result = work(index);
            std::lock_guard lock(mutex);
            done[index].emplace(std::move(result));
            ready.notify_one();
        }
    };
    std::vector<std::thread> pool;
    for (size_t i = 0; i < workers; ++i)
        pool.emplace_back(run);
    for (size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return done[i].has_value(); });
        Result result = std::move(*done[i]);
        done[i].reset();
        lock.unlock();
        consume(std::move(result));
    }
    for (std::thread &thread : pool)
        thread.join();
}

}  // namespace sw
