// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORNotificationCenter.h"

#include <QMutexLocker>

namespace {
struct NullPlaceholder
{
};
}  // namespace
Q_DECLARE_METATYPE(NullPlaceholder)

ORNotificationCenter &ORNotificationCenter::defaultCenter()
{
    static ORNotificationCenter center;
    return center;
}

void ORNotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler)
{
    if (!observer || !handler)
        return;
    QMutexLocker lock(&m_mutex);
    m_entries.append(Entry{observer, name, std::move(handler)});
    if (!m_watches.contains(observer)) {
        m_watches.insert(observer, QObject::connect(observer, &QObject::destroyed, [this, observer] {
                             removeObserver(observer);
                         }));
    }
}

void ORNotificationCenter::removeObserver(QObject *observer)
{
    QMutexLocker lock(&m_mutex);
    m_entries.removeIf([observer](const Entry &e) { return e.observer.isNull() || e.observer == observer; });
    if (const auto it = m_watches.find(observer); it != m_watches.end()) {
        QObject::disconnect(*it);
        m_watches.erase(it);
    }
}

void ORNotificationCenter::removeObserver(QObject *observer, const QString &name)
{
    QMutexLocker lock(&m_mutex);
    m_entries.removeIf([&](const Entry &e) { return e.observer == observer && e.name == name; });
}

void ORNotificationCenter::postNotification(const QString &name, const QVariant &object)
{
    QList<Entry> receivers;
    {
        QMutexLocker lock(&m_mutex);
        for (const Entry &e : std::as_const(m_entries))
            if (e.name == name && !e.observer.isNull())
                receivers.append(e);
    }
    // Handlers run unlocked: they may add or remove observers themselves.
    for (const Entry &e : std::as_const(receivers))
        if (!e.observer.isNull())
            e.handler(object);
}

QVariant ORNotificationCenter::nullPlaceholder()
{
    return QVariant::fromValue(NullPlaceholder());
}

bool ORNotificationCenter::isNull(const QVariant &object)
{
    return !object.isValid() || object.metaType() == QMetaType::fromType<NullPlaceholder>();
}
