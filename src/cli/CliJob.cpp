// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliJob.h"

#include "cli/InterruptWatch.h"
#include "cli/ProgressLine.h"
#include "core/foundation/MainQueue.h"
#include "core/foundation/ORDispatch.h"

#include <QEventLoop>

#include <cstdio>

bool CliJob::run(const QString &phase, const std::function<void(sw::JobControl &)> &work)
{
    return runStoppable(phase, work, {SIGINT}) != 0;
}

int CliJob::runStoppable(const QString &phase, const std::function<void(sw::JobControl &)> &work,
                         std::initializer_list<int> stopSignals)
{
    sw::JobControl job;
    InterruptWatch interrupt(job, stopSignals);
    ProgressLine progress(stderr, job, phase);
    if (!progress.isEnabled()) {
        // Nothing to draw: the work runs right here, without a second thread
        // or an event loop, and whatever it queued for the main thread is
        // delivered after it, as the loop would have done.
        work(job);
        sw::MainQueue::instance().flush();
        return interrupt.caught();
    }
    QEventLoop loop;
    ORDispatch::global(ORDispatch::Priority::Default, [&] {
        work(job);
        ORDispatch::main([&loop] { loop.quit(); });
    });
    loop.exec();
    progress.clear();
    return interrupt.caught();
}
