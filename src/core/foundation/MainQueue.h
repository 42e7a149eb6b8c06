// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <utility>

class QObject;

namespace sw {

// The one ordered queue from any thread to the main thread.
//
// Progress notifications ("junktitle", "junksize", ...) are coalesced by
// construction: a progress post replaces the pending value of the same name
// unless something else was queued after it, so order is kept and the last
// value of a burst is always delivered. The main thread is woken at most once
// per frame (16 ms) while progress alone is pending; a scan of a million
// entries therefore costs a few hundred wake-ups, whoever listens.
class MainQueue
{
public:
    static MainQueue &instance();

    enum class Kind { Event, Progress };
    // A Progress post replaces the pending value of the same name (see above).
    void postNotification(const QString &name, const QVariant &object, Kind kind = Kind::Event);
    void post(std::function<void()> block);
    // Main thread: deliver everything pending now.
    void flush();

    // Events queued to the main thread so far (for the benchmarks and tests).
    quint64 wakeCount() const { return m_wakeCount.load(); }

private:
    MainQueue() = default;
    struct Pending
    {
        QString name;
        QVariant object;
        std::function<void()> block;
    };
    void scheduleLocked(bool urgent);
    QObject *dispatcher();

    QMutex m_mutex;
    QList<Pending> m_pending;
    // name -> index in m_pending, within the tail run: a handful of names,
    // asked about for every entry a scan looks at, so a list beats hashing.
    QList<std::pair<QString, qsizetype>> m_progressIndex;
    bool m_scheduled = false;
    bool m_urgent = false;
    QElapsedTimer m_sinceFlush;
    std::atomic<quint64> m_wakeCount{0};
    QObject *m_dispatcher = nullptr;
};

}  // namespace sw
