// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"

#include <csignal>
#include <initializer_list>

// Turns Ctrl-C (SIGINT), or each of the signals given, into a cancel request
// to one job while it lives. The handler only stores into the job's atomics,
// which is safe in a signal handler, so the job sees the request whichever
// thread runs it, with or without an event loop. A second signal of the same
// kind gets the handler that was there before, which comes back anyway when
// the watch is destroyed. One watch at a time.
class InterruptWatch
{
public:
    explicit InterruptWatch(sw::JobControl &job, std::initializer_list<int> stopSignals = {SIGINT});
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    // Whether a watched signal came while the watch lived.
    bool fired() const { return caught() != 0; }
    // The first watched signal that came, else 0.
    int caught() const;
};
