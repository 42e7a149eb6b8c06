// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in for the desktop's notification service on a private bus, for
// the notifier's tests: notifications-standin.py on a PrivateBus, which
// logs every notification it is asked to show and clicks one when told to.
// SWEEPWRIGHT_NOTIFICATIONS_BUS names the bus while the object lives.

#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtTest>

#ifndef SW_NOTIFICATIONS_STANDIN
#error "SW_NOTIFICATIONS_STANDIN names notifications-standin.py"
#endif

namespace swtest {

class NotificationsStandIn : public PrivateBus
{
public:
    // The bus alone: the service is not on it until start().
    NotificationsStandIn() : PrivateBus("SWEEPWRIGHT_NOTIFICATIONS_BUS") {}

    // The service joins the bus; silent, it never answers a Notify (nor
    // shows it). True once it owns its name.
    bool start(bool silent = false)
    {
        return startService(QStringLiteral(SW_NOTIFICATIONS_STANDIN),
                            {silent ? QStringLiteral("silent") : QStringLiteral("answer")});
    }

    // One Notify as the service received it.
    struct Notification
    {
        uint id = 0;
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    // The notifications asked for so far, in order.
    QList<Notification> shown() const
    {
        QList<Notification> all;
        for (const QString &line : calls(QStringLiteral("Notify"))) {
            const QJsonObject call = QJsonDocument::fromJson(line.section(QLatin1Char(' '), 1).toUtf8()).object();
            all.append({uint(call.value(QLatin1String("id")).toInteger()),
                        call.value(QLatin1String("app_name")).toString(),
                        uint(call.value(QLatin1String("replaces_id")).toInteger()),
                        call.value(QLatin1String("app_icon")).toString(),
                        call.value(QLatin1String("summary")).toString(),
                        call.value(QLatin1String("body")).toString(),
                        call.value(QLatin1String("actions")).toVariant().toStringList(),
                        call.value(QLatin1String("hints")).toObject().toVariantMap(),
                        call.value(QLatin1String("expire_timeout")).toInt()});
        }
        return all;
    }

    // The summaries shown before the one that reads marker, once that one
    // is there: a notification sent after a job shows that the job's own,
    // had it sent one, came first (they share one connection, in order).
    QStringList summariesBefore(const QString &marker) const
    {
        QStringList summaries;
        if (!QTest::qWaitFor([&] {
                summaries.clear();
                for (const Notification &n : shown())
                    summaries.append(n.summary);
                return summaries.contains(marker);
            }))
            return {QStringLiteral("<no %1>").arg(marker)};
        return summaries.mid(0, summaries.indexOf(marker));
    }

    // The user clicks notification id (action "default": its body); the
    // service sends ActionInvoked, then NotificationClosed.
    bool click(uint id, const QString &action = QStringLiteral("default")) const
    {
        QDBusConnection user = QDBusConnection::connectToBus(address(), QStringLiteral("standin-user"));
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.sweepwright.StandIn"), QStringLiteral("Click"));
        call << id << action;
        const bool clicked = user.call(call).type() == QDBusMessage::ReplyMessage;
        QDBusConnection::disconnectFromBus(QStringLiteral("standin-user"));
        return clicked;
    }
};

}  // namespace swtest
