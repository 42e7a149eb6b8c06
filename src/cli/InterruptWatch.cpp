#include "InterruptWatch.h"

#include <atomic>
#include <thread>

namespace {

// Shared with the handler, which may run on any thread at any moment.
std::atomic<sw::JobControl *> g_job{nullptr};
std::atomic<int> g_inHandler{0};
std::atomic<bool> g_fired{false};
struct sigaction g_previous = {};

static_assert(std::atomic<sw::JobControl *>::is_always_lock_free && std::atomic<int>::is_always_lock_free
                  && std::atomic<bool>::is_always_lock_free,
              "the handler may only use lock-free atomics");

extern "C" void onSigint(int)
{
    g_inHandler.fetch_add(1);
    if (sw::JobControl *job = g_job.load()) {
        job->cancel();
        g_fired.store(true);
        // A second Ctrl-C ends the program at once, for whoever cannot wait
        // for the current item.
        ::sigaction(SIGINT, &g_previous, nullptr);
    }
    g_inHandler.fetch_sub(1);
}

}  // namespace

InterruptWatch::InterruptWatch(sw::JobControl &job)
{
    g_fired.store(false);
    g_job.store(&job);
    struct sigaction action = {};
    action.sa_handler = onSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &g_previous);
}

InterruptWatch::~InterruptWatch()
{
    ::sigaction(SIGINT, &g_previous, nullptr);
    g_job.store(nullptr);
    // A handler that read the job before it was cleared finishes with it
    // before the job (the caller's) may go.
    while (g_inHandler.load() != 0)
        std::this_thread::yield();
}

bool InterruptWatch::fired() const
{
    return g_fired.load();
}
