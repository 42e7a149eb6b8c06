// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mem/MemoryMonitor.h"

#include "core/foundation/ORDispatch.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/mem/ORMemoryCollection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QTimer>

namespace sw {

MemoryMonitor &MemoryMonitor::shareInstance()
{
    // Owned by the application, so its timer goes before the event loop does.
    static MemoryMonitor *const instance = new MemoryMonitor(QCoreApplication::instance());
    return *instance;
}

MemoryMonitor::MemoryMonitor(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_reader([] { return ORMemoryCollection().memory(); })
    , m_release([] { return MemoryRelease().run(); })
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        refreshMemUsage();
        scheduleNextMark();
    });
}

MemoryMonitor::~MemoryMonitor() = default;

void MemoryMonitor::setInterval(std::chrono::milliseconds interval)
{
    m_interval = interval;
    if (m_timer->isActive())
        scheduleNextMark();
}

void MemoryMonitor::setReader(Reader reader)
{
    m_reader = std::move(reader);
}

void MemoryMonitor::setRelease(Release release)
{
    m_release = std::move(release);
}

qint64 MemoryMonitor::firstRefreshDelay(qint64 nowMs, qint64 intervalMs)
{
    // Marks counted from the epoch; 2001-01-01, which other clocks count
    // from, lies on a 30-second mark of it, so both give the same marks.
    const qint64 into = ((nowMs % intervalMs) + intervalMs) % intervalMs;
    return intervalMs - into;
}

void MemoryMonitor::preferencesChanged()
{
    m_automatic = ORPrefConfig::autoMemoryEnable();
    updateClock();
}

void MemoryMonitor::watch(QObject *viewer)
{
    if (!viewer || m_viewers.contains(viewer))
        return;
    m_viewers.insert(viewer);
    connect(viewer, &QObject::destroyed, this, [this, viewer] {
        m_viewers.remove(viewer);
        updateClock();
    });
    updateClock();
}

bool MemoryMonitor::isRunning() const
{
    return m_running;
}

// Started: a refresh at once, then on the marks. Stopped: no more refreshes.
void MemoryMonitor::updateClock()
{
    const bool wanted = m_automatic || !m_viewers.isEmpty();
    if (wanted == m_running)
        return;
    m_running = wanted;
    if (!m_running) {
        m_timer->stop();
        return;
    }
    if (m_releasing)
        return;  // its end starts the clock
    refreshMemUsage();
    scheduleNextMark();
}

void MemoryMonitor::scheduleNextMark()
{
    if (!m_running || m_releasing)
        return;
    const qint64 interval = qMax<qint64>(1, m_interval.count());
    m_timer->start(int(firstRefreshDelay(QDateTime::currentMSecsSinceEpoch(), interval)));
}

void MemoryMonitor::refreshMemUsage()
{
    const std::optional<ORMemory> fresh = m_reader();
    if (!fresh)
        return;
    m_memory = fresh;
    emit memoryRefreshed(*fresh);
    const std::optional<float> usage = fresh->usagePercent();
    if (!usage)
        return;
    if (*usage < float(ORPrefConfig::memoryUsageEnable())) {
        m_armed = true;
        return;
    }
    if (m_armed && !m_releasing && ORPrefConfig::autoMemoryEnable())
        freeMemory();
}

bool MemoryMonitor::freeMemory()
{
    if (m_releasing)
        return false;
    m_releasing = true;
    m_armed = false;
    m_timer->stop();
    emit releaseStarted();
    QPointer<MemoryMonitor> self(this);
    ORDispatch::global(ORDispatch::Priority::Low, [self, release = m_release] {
        const MemoryRelease::Result result = release();
        ORDispatch::main([self, result] {
            if (self)
                self->finishRelease(result);
        });
    });
    return true;
}

void MemoryMonitor::finishRelease(const MemoryRelease::Result &result)
{
    m_releasing = false;
    emit releaseFinished(result.released);
    // A refresh at once (it may arm the next release, never start one: the
    // figures would have to drop below the threshold first), then the marks.
    if (m_running) {
        refreshMemUsage();
        scheduleNextMark();
    } else if (const std::optional<ORMemory> fresh = m_reader()) {
        m_memory = fresh;
        emit memoryRefreshed(*fresh);
    }
}

}  // namespace sw
