#pragma once

#include "JobControl.h"

#include <csignal>

// Turns Ctrl-C (SIGINT) into a cancel request to one job while it lives. The
// handler only stores into the job's atomics, which is safe in a signal
// handler, so the job sees the request whichever thread runs it, with or
// without an event loop. A second Ctrl-C gets the handler that was there
// before, which comes back anyway when the watch is destroyed. One watch at
// a time.
class InterruptWatch
{
public:
    explicit InterruptWatch(sw::JobControl &job);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    // Whether Ctrl-C was pressed while the watch lived.
    bool fired() const;
};
