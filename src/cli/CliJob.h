#pragma once

#include "JobControl.h"

#include <QString>

#include <functional>

// One long step of a command, a scan or a removal: run on a worker thread
// while the main thread's loop shows the job's progress on stderr (on a
// terminal only) and turns Ctrl-C into a cancel request to the job.
class CliJob
{
public:
    // Runs work and returns when it is done; true when Ctrl-C was pressed
    // meanwhile (work was asked to stop and has stopped).
    static bool run(const QString &phase, const std::function<void(sw::JobControl &)> &work);
};
