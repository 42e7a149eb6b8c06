// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in settings portal on a private bus, for the colour scheme's
// tests: a dbus-daemon of its own (PrivateBus.h) and
// settings-portal-standin.py on it, which tells the colour scheme it was
// started with and sends a change for every scheme() call. connection() is
// the program's side. Both processes end with the object.

#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QProcess>
#include <QString>

#ifndef SW_SETTINGS_PORTAL_STANDIN
#error "SW_SETTINGS_PORTAL_STANDIN names settings-portal-standin.py"
#endif

namespace swtest {

class SettingsPortalStandIn
{
public:
    // The bus alone: the portal is not on it until start().
    SettingsPortalStandIn() = default;

    ~SettingsPortalStandIn()
    {
        QDBusConnection::disconnectFromBus(connectionName());
        m_portal.kill();
        m_portal.waitForFinished(10000);
    }

    SettingsPortalStandIn(const SettingsPortalStandIn &) = delete;
    SettingsPortalStandIn &operator=(const SettingsPortalStandIn &) = delete;

    bool hasBus() const { return m_bus.hasBus(); }

    QDBusConnection connection() const
    {
        return QDBusConnection::connectToBus(m_bus.address(), connectionName());
    }

    // The portal joins the bus with scheme (0 none, 1 dark, 2 light); true once it owns its name.
    bool start(int scheme)
    {
        m_portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_portal.start(QStringLiteral(SW_SETTINGS_PORTAL_STANDIN),
                       {m_bus.address(), QString::number(scheme)});
        return m_portal.waitForReadyRead(20000) && m_portal.readLine().trimmed() == "ready";
    }

    // The desktop changes to scheme; "other" changes another setting.
    void change(const QByteArray &scheme) { m_portal.write(scheme + '\n'); }

private:
    static QString connectionName() { return QStringLiteral("settings-portal-standin"); }

    PrivateBus m_bus{"SW_TEST_SETTINGS_PORTAL_BUS"};
    QProcess m_portal;
};

} // namespace swtest
