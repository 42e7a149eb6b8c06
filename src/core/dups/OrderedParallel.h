// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace sw {

// Runs work(0) ... work(count - 1) on up to `threads` threads and hands each
// result to consume() on the calling thread, in index order, as soon as it
// and all before it are done. Used where items are independent but what
// they produce must come out in a fixed order.
//
// The calling thread is one of the threads: it works on the next item
// whenever the result it waits for is not ready. The others come from the
// process's one thread pool (QThreadPool::globalInstance()), so repeated
// runs start no threads of their own (glibc gives each new thread a heap of
// its own, and memory would grow run after run), and a run finishes even
// when the pool has no thread free for it.
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
    // Shared with the pool's tasks: one that starts after the run is over
    // finds nothing left to claim and never touches work.
    struct State
    {
        std::mutex mutex;
        std::condition_variable ready;
        // Results not yet consumed: only those of the items in flight, not
        // a slot for every item.
        std::map<size_t, Result> done;
        size_t next = 0;
        size_t count = 0;
        const std::function<Result(size_t)> *work = nullptr;

        // Claims and works on one item; false when none is left.
        bool step(std::unique_lock<std::mutex> &lock)
        {
            if (next >= count)
                return false;
            const size_t index = next++;
            lock.unlock();
            Result result = (*work)(index);
            lock.lock();
            done.emplace(index, std::move(result));
            ready.notify_all();
            return true;
        }
    };
    const auto state = std::make_shared<State>();
    state->count = count;
    state->work = &work;
    for (size_t i = 1; i < workers; ++i)
        QThreadPool::globalInstance()->start([state] {
            std::unique_lock lock(state->mutex);
            while (state->step(lock)) {
            }
        });
    for (size_t i = 0; i < count; ++i) {
        std::unique_lock lock(state->mutex);
        while (!state->done.contains(i))
            if (!state->step(lock))
                state->ready.wait(lock, [&] { return state->done.contains(i); });
        Result result = std::move(state->done.extract(i).mapped());
        lock.unlock();
        consume(std::move(result));
    }
}

}  // namespace sw
