// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/MainQueue.h"

#include "core/foundation/ORNotificationCenter.h"
// The finders' names are constants of their own tools (headers only).

#include <QCoreApplication>
#include <QMutexLocker>
#include <QObject>
#include <QThread>
#include <QTimer>

namespace sw {

namespace {
constexpr int kFrameMs = 16;
}

MainQueue &MainQueue::instance()
{
    static MainQueue queue;
    return queue;
}

QObject *MainQueue::dispatcher()
{
    // Created lazily and handed to the main thread, whichever thread asks first.
    if (!m_dispatcher) {
        m_dispatcher = new QObject;
        if (QCoreApplication *app = QCoreApplication::instance())
            m_dispatcher->moveToThread(app->thread());
    }
    return m_dispatcher;
}

void MainQueue::postNotification(const QString &name, const QVariant &object, Kind kind)
{
    QMutexLocker lock(&m_mutex);
    const bool progress = kind == Kind::Progress;
    if (progress) {
        for (const auto &[pendingName, index] : std::as_const(m_progressIndex)) {
            if (pendingName == name) {
                m_pending[index].object = object;
                return;
            }
        }
        m_progressIndex.append({name, m_pending.size()});
    } else {
        m_progressIndex.clear();
    }
    m_pending.append(Pending{name, object, {}});
    scheduleLocked(!progress);
}

void MainQueue::post(std::function<void()> block)
{
    QMutexLocker lock(&m_mutex);
    m_progressIndex.clear();
    m_pending.append(Pending{QString(), QVariant(), std::move(block)});
    scheduleLocked(true);
}

void MainQueue::scheduleLocked(bool urgent)
{
    if (!QCoreApplication::instance())
        return;  // nothing to deliver to yet; flush() picks it up later
    if (m_scheduled && (m_urgent || !urgent))
        return;
    m_scheduled = true;
    m_urgent = m_urgent || urgent;
    ++m_wakeCount;
    const bool now = urgent;
    QMetaObject::invokeMethod(
        dispatcher(),
        [this, now] {
            qint64 wait = 0;
            {
                QMutexLocker lock(&m_mutex);
                if (!now && m_sinceFlush.isValid())
                    wait = qMax<qint64>(0, kFrameMs - m_sinceFlush.elapsed());
            }
            if (wait == 0)
                flush();
            else
                QTimer::singleShot(int(wait), dispatcher(), [this] { flush(); });
        },
        Qt::QueuedConnection);
}

void MainQueue::flush()
{
    QList<Pending> batch;
    {
        QMutexLocker lock(&m_mutex);
        batch.swap(m_pending);
        m_progressIndex.clear();
        m_scheduled = false;
        m_urgent = false;
        m_sinceFlush.start();
    }
    ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
    for (const Pending &p : std::as_const(batch)) {
        if (p.block)
            p.block();
        else
            center.postNotification(p.name, p.object);
    }
}

}  // namespace sw
