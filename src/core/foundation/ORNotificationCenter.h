// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>

// The process's notification centre. postNotification() delivers synchronously
// on the calling thread to every observer of the name, in registration order.
// An observer is a QObject; it is forgotten automatically when destroyed.
//
// The "null placeholder" stands for an absent object: notifyOnMainThread()
// posts it when the sender gives no object, and receivers test isNull().
class ORNotificationCenter
{
public:
    using Handler = std::function<void(const QVariant &object)>;

    static ORNotificationCenter &defaultCenter();

    void addObserver(QObject *observer, const QString &name, Handler handler);
    void removeObserver(QObject *observer);
    void removeObserver(QObject *observer, const QString &name);
    void postNotification(const QString &name, const QVariant &object = QVariant());

    static QVariant nullPlaceholder();
    static bool isNull(const QVariant &object);

private:
    ORNotificationCenter() = default;
    struct Entry
    {
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    QMutex m_mutex;
    QList<Entry> m_entries;
    QHash<QObject *, QMetaObject::Connection> m_watches;
};
