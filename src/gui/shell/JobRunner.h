// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"
#include "core/foundation/ToolEngine.h"
#include "core/fs/RemovalReport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace sw {

// Runs one engine's scan or removal (or another job) at a time on the global thread pool and
// brings its progress and its end back to the main thread. Progress is
// polled from the job's counters about ten times a second (never one event
// per file); cancel() asks the engine to stop after the item it is on.
//
// The job's state is shared with the worker, so the runner (and the page
// that owns it) may be destroyed while the engine still works: the engine
// is then told to stop and its end is dropped.
class JobRunner : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPollInterval = 100;  // ms

    explicit JobRunner(QObject *parent = nullptr);
    ~JobRunner() override;

    // Starts engine.scan(); scanFinished() follows. False while a job runs.
    template <ToolEngine Engine>
    bool scan(Engine &engine)
    {
        return start([&engine](Job &job) { job.completed = engine.scan(job.control) != nullptr; },
                     Kind::Scan);
    }
    // Starts engine.remove(); removalFinished() follows. False while a job runs.
    template <ToolEngine Engine>
    bool remove(Engine &engine)
    {
        return removeWith([&engine](JobControl &control) { return engine.remove(control); });
    }

    // Starts work, a removal that is not an engine's remove() (one that
    // lists what it removes first); removalFinished() follows with its report.
    // False while a job runs.
    bool removeWith(std::function<RemovalReport(JobControl &)> work)
    {
        return start(
            [work = std::move(work)](Job &job) {
                job.report = work(job.control);
                job.completed = true;
            },
            Kind::Removal);
    }

    // Starts work, a job that is neither a scan nor a removal (an extraction);
    // scanFinished() follows with work's answer. False while a job runs.
    bool run(std::function<bool(JobControl &)> work)
    {
        return start([work = std::move(work)](Job &job) { job.completed = work(job.control); }, Kind::Scan);
    }

    // Asks the running job to stop; its end still arrives as usual.
    void cancel();
    bool isRunning() const { return m_job != nullptr; }
    bool isCancelling() const;
    // The running job's progress (zero when none runs).
    JobControl::Progress progress() const;
    // The job that ended last: how long it ran (from its start to its end's
    // arrival on the main thread) and its final progress.
    struct LastRun
    {
        std::chrono::milliseconds time{0};
        JobControl::Progress progress;
    };
    const LastRun &lastRun() const { return m_lastRun; }

signals:
    void progressChanged(qint64 items, qint64 bytes, const QString &currentPath);
    // completed is false when the scan was cancelled: the engine holds no
    // result then. A scan that ended before it saw the cancel completes.
    void scanFinished(bool completed);
    // What the removal did; cancelled, the items it reached before it stopped.
    void removalFinished(const sw::RemovalReport &report, bool cancelled);

private:
    enum class Kind { Scan, Removal };
    struct Job
    {
        JobControl control;
        Kind kind = Kind::Scan;
        bool completed = false;  // the engine returned a result (scan) or a report (removal)
        RemovalReport report;
    };

    bool start(std::function<void(Job &)> work, Kind kind);
    void poll();
    void finish(const std::shared_ptr<Job> &job);

    std::shared_ptr<Job> m_job;
    QTimer m_poll;
    QElapsedTimer m_clock;
    LastRun m_lastRun;
};

}  // namespace sw
