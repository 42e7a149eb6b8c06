// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

namespace sw {

// Desktop notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus, or on the bus that
// SWEEPWRIGHT_NOTIFICATIONS_BUS names). Sending never waits: Notify is
// called asynchronously, so without a bus or without a service nothing
// happens and nothing blocks. A click on a notification of ours (its
// "default" action) comes back as activated() with the context it was sent
// with. The bus is looked up when the first notification goes, so a
// notifier that never sends costs nothing. A program that ends right after
// sending (the command line) waits for the answers with waitForAnswers().
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject *parent = nullptr);

    // Whether the service is on the bus now: one question to the bus, which
    // answers at once (the service itself is not asked).
    bool hasService();
    // Shows summary and body; context is what activated() hands back. A
    // null context offers no click: nobody would be there to answer it.
    void notify(const QString &summary, const QString &body, const QVariant &context);
    // Runs the event loop until every notification sent has its answer, or
    // msecs have passed; false on the time-out.
    bool waitForAnswers(int msecs);

signals:
    void activated(const QVariant &context);
    // A Notify call got its reply (or its error).
    void answered();

private slots:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    // Connects to the bus on first use; false when there is none.
    bool connectBus();

    bool m_looked = false;
    QString m_connection;  // the bus connection's name; empty without one
    QHash<uint, QVariant> m_shown;  // by the service's id
    int m_unanswered = 0;           // Notify calls still waiting for their reply
};

}  // namespace sw
