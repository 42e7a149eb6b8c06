// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>

#include <atomic>

namespace sw {

// What a running scan or removal shares with whoever started it: a cancel
// request one way, progress the other. Every member is safe to call from
// any thread; the engine writes, the runner (a page's job, the CLI) reads.
//
// The engine checks isCancelled() between items (a file looked at, an item
// removed), never in the middle of one, so a cancelled removal stops after
// the item it is on and its report tells exactly what went.
//
// One job per run: a caller nobody watches makes a local one, so a cancel
// or a count of one run never reaches another.
class JobControl
{
public:
    struct Progress
    {
        qint64 items = 0;     // items looked at (scan) or removed (removal)
        qint64 bytes = 0;     // size found so far (scan) or removed so far (removal)
        QString currentPath;  // the item being looked at or removed
    };

    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    void addItems(qint64 n = 1) { m_items.fetch_add(n, std::memory_order_relaxed); }
    void addBytes(qint64 n) { m_bytes.fetch_add(n, std::memory_order_relaxed); }
    void setBytes(qint64 n) { m_bytes.store(n, std::memory_order_relaxed); }
    void setCurrentPath(const QString &path)
    {
        QMutexLocker lock(&m_mutex);
        m_path = path;
    }

    Progress progress() const
    {
        Progress p;
        p.items = m_items.load(std::memory_order_relaxed);
        p.bytes = m_bytes.load(std::memory_order_relaxed);
        QMutexLocker lock(&m_mutex);
        p.currentPath = m_path;
        return p;
    }

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<qint64> m_items{0};
    std::atomic<qint64> m_bytes{0};
    mutable QMutex m_mutex;
    QString m_path;
};

}  // namespace sw
