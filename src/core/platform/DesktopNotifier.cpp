// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/DesktopNotifier.h"

#include "core/platform/ORLayout.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

Q_LOGGING_CATEGORY(lcNotifier, "sweepwright.notifications")

namespace sw {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// The action a click on the notification's body invokes.
const QString kDefaultAction = QStringLiteral("default");

QDBusConnection busOfTheSession()
{
    const QString address = qEnvironmentVariable("SWEEPWRIGHT_NOTIFICATIONS_BUS");
    if (address.isEmpty())
        return QDBusConnection::sessionBus();
    const QString name = QStringLiteral("sweepwright-notifications ") + address;
    QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (!bus.isConnected())
        QDBusConnection::disconnectFromBus(name);
    return bus;
}

}  // namespace

DesktopNotifier::DesktopNotifier(QObject *parent) : QObject(parent)
{
}

bool DesktopNotifier::connectBus()
{
    if (!m_looked) {
        m_looked = true;
        QDBusConnection bus = busOfTheSession();
        if (!bus.isConnected())
            return false;
        m_connection = bus.name();
        // Only the service's own signals: another program cannot click for the user.
        bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(uint, QString)));
        bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                    SLOT(notificationClosed(uint, uint)));
    }
    return !m_connection.isEmpty() && QDBusConnection(m_connection).isConnected();
}

bool DesktopNotifier::hasService()
{
    if (!connectBus())
        return false;
    const QDBusConnectionInterface *daemon = QDBusConnection(m_connection).interface();
    return daemon && daemon->isServiceRegistered(kService).value();
}

void DesktopNotifier::notify(const QString &summary, const QString &body, const QVariant &context)
{
    if (!connectBus())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QString appId = QString::fromLatin1(kAppId);
    QStringList actions;
    if (!context.isNull())
        actions << kDefaultAction << tr("Show");
    call << QString::fromLatin1(kAppName) << uint(0) << appId << summary << body << actions
         << QVariantMap{{QStringLiteral("desktop-entry"), appId}} << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection(m_connection).asyncCall(call), this);
    ++m_unanswered;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, context](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        --m_unanswered;
        const QDBusPendingReply<uint> reply = *done;
        // No service on the bus is no error of ours: the user just sees nothing.
        if (reply.isError())
            qCDebug(lcNotifier) << "Notification not shown:" << reply.error().message();
        else if (!context.isNull())
            m_shown.insert(reply.value(), context);
        emit answered();
    });
}

bool DesktopNotifier::waitForAnswers(int msecs)
{
    if (m_unanswered == 0)
        return true;
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    connect(this, &DesktopNotifier::answered, &loop, [this, &loop] {
        if (m_unanswered == 0)
            loop.quit();
    });
    loop.exec();
    return m_unanswered == 0;
}

void DesktopNotifier::actionInvoked(uint id, const QString &action)
{
    if (action != kDefaultAction || !m_shown.contains(id))
        return;
    // Some services leave the notification open after a click; it has done its job.
    emit activated(m_shown.take(id));
}

void DesktopNotifier::notificationClosed(uint id, uint)
{
    m_shown.remove(id);
}

}  // namespace sw
