// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mem/MemoryRelease.h"
#include "core/mem/ORMemory.h"

#include <QObject>
#include <QSet>

#include <chrono>
#include <functional>
#include <optional>

class QTimer;

namespace sw {

// The memory tool's clock and its releases, apart from any page: the memory
// page and the tray only show what it tells and ask it to release.
//
// The clock refreshes the figures on the marks of its interval (30 seconds,
// on the wall clock's 30-second marks) while automatic release is on
// ("automemory") or something watches the figures (the memory page), from
// the start of the program. A refresh at or above the threshold of
// "memoryusage" starts a release when automatic release is on and the
// release is armed. Every release disarms it; only a refresh below the
// threshold arms it again. So a release that the safety rules stopped, or
// one that could not bring usage down, does not start again at every
// refresh: the next waits until usage has dropped and risen again. Figures
// without a usage (inconsistent ones) start nothing.
//
// A release runs off the main thread; the clock stops meanwhile and runs
// again, with a refresh at once, when it has finished.
class MemoryMonitor : public QObject
{
    Q_OBJECT
public:
    using Reader = std::function<std::optional<ORMemory>()>;
    using Release = std::function<MemoryRelease::Result()>;

    static constexpr std::chrono::milliseconds kInterval{30000};

    // The process's own, made on first use (a QCoreApplication must exist).
    static MemoryMonitor &shareInstance();

    explicit MemoryMonitor(QObject *parent = nullptr);
    ~MemoryMonitor() override;

    // What tests change: the interval, what reads and what releases.
    void setInterval(std::chrono::milliseconds interval);
    void setReader(Reader reader);
    void setRelease(Release release);

    // Reads "automemory" again and starts or stops the clock to match.
    void preferencesChanged();
    // Keeps the clock going while viewer lives.
    void watch(QObject *viewer);
    bool isRunning() const;

    // Reads the figures now, tells them and releases automatically when due.
    void refreshMemUsage();
    // Starts a release; false while one runs.
    bool freeMemory();
    bool isReleasing() const { return m_releasing; }
    const std::optional<ORMemory> &memory() const { return m_memory; }

    // Milliseconds from nowMs to the next mark of interval (1 to interval).
    static qint64 firstRefreshDelay(qint64 nowMs, qint64 intervalMs);

signals:
    void memoryRefreshed(const ORMemory &memory);
    void releaseStarted();
    // The change of free memory (negative when others took memory meanwhile).
    void releaseFinished(qint64 released);

private:
    void updateClock();
    void scheduleNextMark();
    void finishRelease(const MemoryRelease::Result &result);

    QTimer *m_timer = nullptr;
    std::chrono::milliseconds m_interval = kInterval;
    Reader m_reader;
    Release m_release;
    QSet<QObject *> m_viewers;
    std::optional<ORMemory> m_memory;
    bool m_automatic = false;
    bool m_running = false;
    bool m_releasing = false;
    bool m_armed = true;
};

}  // namespace sw
