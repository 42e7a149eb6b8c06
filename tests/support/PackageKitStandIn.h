// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in PackageKit on a private bus, for the uninstaller's tests: a
// dbus-daemon of its own (PrivateBus.h) and packagekit-standin.py on it,
// which answers from the packages given as JSON and logs every call.
// SWEEPWRIGHT_PACKAGEKIT_BUS names the bus while the object lives. Both
// processes end with it.

#include "support/FixtureTree.h"
#include "support/PkexecStandIn.h"
#include "support/PrivateBus.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

#ifndef SW_PACKAGEKIT_STANDIN
#error "SW_PACKAGEKIT_STANDIN names packagekit-standin.py"
#endif

namespace swtest {

class PackageKitStandIn
{
public:
    // The bus alone: PackageKit is not on it until start().
    PackageKitStandIn() : m_address(m_bus.address())
    {
        m_env = std::make_unique<EnvOverride>("SWEEPWRIGHT_PACKAGEKIT_BUS", m_address.toUtf8());
    }

    ~PackageKitStandIn()
    {
        m_service.kill();
        m_service.waitForFinished(10000);
    }

    PackageKitStandIn(const PackageKitStandIn &) = delete;
    PackageKitStandIn &operator=(const PackageKitStandIn &) = delete;

    bool hasBus() const { return !m_address.isEmpty(); }

    struct Package
    {
        QString id;
        QStringList files;
        qint64 size = 0;
        QString summary;
        QStringList depends;  // ids
        QStringList takes;    // ids its removal would take along
        QString removal;      // ok, refuse, fail or stay
    };

    // The configuration start() takes: the installed packages, and the
    // methods that never finish (stall) or make PackageKit leave (vanish);
    // with oneFilePerSearch a search for several files finds nothing.
    static QByteArray config(const QList<Package> &packages, const QString &stall = {},
                             const QString &vanish = {}, bool oneFilePerSearch = false)
    {
        QJsonObject installed;
        for (const Package &p : packages)
            installed.insert(p.id,
                             QJsonObject{{QStringLiteral("files"), QJsonArray::fromStringList(p.files)},
                                         {QStringLiteral("size"), p.size},
                                         {QStringLiteral("summary"), p.summary},
                                         {QStringLiteral("depends"), QJsonArray::fromStringList(p.depends)},
                                         {QStringLiteral("takes"), QJsonArray::fromStringList(p.takes)},
                                         {QStringLiteral("removal"), p.removal}});
        return QJsonDocument(QJsonObject{{QStringLiteral("packages"), installed},
                                         {QStringLiteral("stall"), stall},
                                         {QStringLiteral("vanish"), vanish},
                                         {QStringLiteral("oneFilePerSearch"), oneFilePerSearch}})
            .toJson();
    }

    // PackageKit joins the bus, knowing the packages of config (see
    // packagekit-standin.py); true once it owns its name.
    bool start(const QByteArray &config)
    {
        const QString file = m_tree.text(QStringLiteral("packages.json"), config);
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_service.start(QStringLiteral(SW_PACKAGEKIT_STANDIN),
                        {m_address, file, m_tree.path(QStringLiteral("calls.log"))});
        return m_service.waitForReadyRead(20000) && m_service.readLine().trimmed() == "ready";
    }

    // One line per call: the method and its arguments.
    QStringList calls() const
    {
        QFile log(m_tree.path(QStringLiteral("calls.log")));
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
    FixtureTree m_tree;
    PrivateBus m_bus;
    QProcess m_service;
    QString m_address;
    std::unique_ptr<EnvOverride> m_env;
};

}  // namespace swtest
