// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/JobRunner.h"

#include "core/foundation/ORDispatch.h"

#include <QPointer>

namespace sw {

JobRunner::JobRunner(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(kPollInterval);
    connect(&m_poll, &QTimer::timeout, this, &JobRunner::poll);
}

JobRunner::~JobRunner()
{
    // Nobody is left to show the outcome: stop the engine soon.
    if (m_job)
        m_job->control.cancel();
}

bool JobRunner::start(std::function<void(Job &)> work, Kind kind)
{
    if (m_job)
        return false;
    auto job = std::make_shared<Job>();
    job->kind = kind;
    m_job = job;
    m_clock.start();
    m_poll.start();
    QPointer<JobRunner> self(this);
    ORDispatch::global(ORDispatch::Priority::Background, [self, job, work = std::move(work)] {
        work(*job);
        // Queued behind the progress the engine posted, so the page sees
        // the last of it before the end.
        ORDispatch::main([self, job] {
            if (self)
                self->finish(job);
        });
    });
    return true;
}

void JobRunner::cancel()
{
    if (m_job)
        m_job->control.cancel();
}

bool JobRunner::isCancelling() const
{
    return m_job && m_job->control.isCancelled();
}

JobControl::Progress JobRunner::progress() const
{
    return m_job ? m_job->control.progress() : JobControl::Progress{};
}

void JobRunner::poll()
{
    if (!m_job)
        return;
    const JobControl::Progress now = m_job->control.progress();
    emit progressChanged(now.items, now.bytes, now.currentPath);
}

void JobRunner::finish(const std::shared_ptr<Job> &job)
{
    if (job != m_job)
        return;
    poll();
    m_poll.stop();
    m_job.reset();
    m_lastRun = {std::chrono::milliseconds(m_clock.elapsed()), job->control.progress()};
    if (job->kind == Kind::Scan)
        emit scanFinished(job->completed);
    else
        emit removalFinished(job->report, job->control.isCancelled());
}

}  // namespace sw
