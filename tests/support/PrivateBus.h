// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A private D-Bus bus for a test and the stand-in service it starts on it:
// a dbus-daemon of its own (from a temporary configuration), named by an
// environment variable while the object lives, and a python3-dbus script
// that owns a service's name there and logs every call it answers, one line
// each: the method, then its arguments. Both processes end with the object.

#include "support/FixtureTree.h"
#include "support/PkexecStandIn.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

namespace swtest {

class PrivateBus
{
public:
    // The bus alone, its address in the environment variable variable; no
    // service is on it until startService().
    explicit PrivateBus(const char *variable)
    {
        const QString config =
            m_tree.text(QStringLiteral("bus.conf"),
                        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                        "<busconfig><type>session</type><listen>unix:path="
                            + QFile::encodeName(m_tree.path(QStringLiteral("bus")))
                            + "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
                              "send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                              "<allow own=\"*\"/></policy></busconfig>\n");
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                     QStringLiteral("--print-address")});
        if (m_bus.waitForReadyRead(10000))
            m_address = QString::fromUtf8(m_bus.readLine().trimmed());
        m_env = std::make_unique<EnvOverride>(variable, m_address.toUtf8());
    }

    ~PrivateBus()
    {
        for (QProcess *process : {&m_service, &m_bus}) {
            process->kill();
            process->waitForFinished(10000);
        }
    }

    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool hasBus() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    const FixtureTree &tree() const { return m_tree; }

    // Runs script ADDRESS ARGUMENTS... LOG; true once it said "ready" (it
    // owns its name then).
    bool startService(const QString &script, const QStringList &arguments)
    {
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_service.start(script, QStringList{m_address} + arguments + QStringList{logPath()});
        return m_service.waitForReadyRead(20000) && m_service.readLine().trimmed() == "ready";
    }

    // One line per call: the method and its arguments.
    QStringList calls() const
    {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The calls of one method.
    QStringList calls(const QString &method) const
    {
        return calls().filter(QRegularExpression(QLatin1Char('^') + method + QLatin1String("\\b")));
    }

    // The same, once there are at least count of them, or after ten seconds:
    // for a call sent without waiting for the answer.
    QStringList callsOnceThere(const QString &method, qsizetype count) const
    {
        QElapsedTimer clock;
        clock.start();
        while (calls(method).size() < count && clock.elapsed() < 10000)
            QThread::msleep(20);
        return calls(method);
    }

private:
    QString logPath() const { return m_tree.path(QStringLiteral("calls.log")); }

    FixtureTree m_tree;
    QProcess m_bus;
    QProcess m_service;
    QString m_address;
    std::unique_ptr<EnvOverride> m_env;
};

}  // namespace swtest
