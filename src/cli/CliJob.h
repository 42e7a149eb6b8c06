// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"

#include <QString>

#include <functional>
#include <initializer_list>

// One long step of a command, a scan or a removal, with Ctrl-C turned into a
// cancel request to the job. On a terminal it runs on a worker thread while
// the main thread's loop shows its progress on stderr; otherwise it runs on
// the calling thread, which is all a redirected run needs.
class CliJob
{
public:
    // Runs work and returns when it is done; true when Ctrl-C was pressed
    // meanwhile (work was asked to stop and has stopped).
    static bool run(const QString &phase, const std::function<void(sw::JobControl &)> &work);
    // As run(), with each of stopSignals (SIGINT, SIGTERM, …) asking the work to
    // stop; returns the signal that did, else 0.
    static int runStoppable(const QString &phase, const std::function<void(sw::JobControl &)> &work,
                            std::initializer_list<int> stopSignals);
};
