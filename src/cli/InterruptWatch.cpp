// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InterruptWatch.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Shared with the handler, which may run on any thread at any moment.
std::atomic<sw::JobControl *> g_job{nullptr};
std::atomic<int> g_inHandler{0};
std::atomic<int> g_fired{0};
struct sigaction g_previous[NSIG] = {};
std::vector<int> g_watched;  // touched only outside the handler

static_assert(std::atomic<sw::JobControl *>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the handler may only use lock-free atomics");

extern "C" void onSignal(int number)
{
    g_inHandler.fetch_add(1);
    if (sw::JobControl *job = g_job.load()) {
        job->cancel();
        int none = 0;
        g_fired.compare_exchange_strong(none, number);
        // A second one ends the program at once, for whoever cannot wait
        // for the current item.
        ::sigaction(number, &g_previous[number], nullptr);
    }
    g_inHandler.fetch_sub(1);
}

}  // namespace

InterruptWatch::InterruptWatch(sw::JobControl &job, std::initializer_list<int> stopSignals)
{
    g_fired.store(0);
    g_job.store(&job);
    g_watched.assign(stopSignals.begin(), stopSignals.end());
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : g_watched)
        ::sigaction(number, &action, &g_previous[number]);
}

InterruptWatch::~InterruptWatch()
{
    for (int number : g_watched)
        ::sigaction(number, &g_previous[number], nullptr);
    g_job.store(nullptr);
    // A handler that read the job before it was cleared finishes with it
    // before the job (the caller's) may go.
    while (g_inHandler.load() != 0)
        std::this_thread::yield();
}

int InterruptWatch::caught() const
{
    return g_fired.load();
}
