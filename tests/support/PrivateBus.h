// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A D-Bus daemon of a test's own, from a temporary configuration that lets
// anyone own any name: the stand-ins of desktop services join it instead of
// the session's bus. It ends with the object.

#include "support/FixtureTree.h"

#include <QProcess>
#include <QString>

namespace swtest {

class PrivateBus
{
public:
    PrivateBus()
    {
        const QString config =
            m_tree.text(QStringLiteral("bus.conf"),
                        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                        "<busconfig><type>session</type><listen>unix:path=" +
                            QFile::encodeName(m_tree.path(QStringLiteral("bus"))) +
                            "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
                            "send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                            "<allow own=\"*\"/></policy></busconfig>\n");
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        if (m_daemon.waitForReadyRead(10000))
            m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
    }

    ~PrivateBus()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(10000);
    }

    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool isUp() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }

private:
    FixtureTree m_tree;
    QProcess m_daemon;
    QString m_address;
};

} // namespace swtest
