// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in PackageKit on a private bus, for the uninstaller's tests:
// packagekit-standin.py on a PrivateBus, answering from the packages given
// as JSON and logging every call. SWEEPWRIGHT_PACKAGEKIT_BUS names the bus
// while the object lives.

#include "support/PrivateBus.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#ifndef SW_PACKAGEKIT_STANDIN
#error "SW_PACKAGEKIT_STANDIN names packagekit-standin.py"
#endif

namespace swtest {

class PackageKitStandIn : public PrivateBus
{
public:
    // The bus alone: PackageKit is not on it until start().
    PackageKitStandIn() : PrivateBus("SWEEPWRIGHT_PACKAGEKIT_BUS") {}

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
        return startService(QStringLiteral(SW_PACKAGEKIT_STANDIN),
                            {tree().text(QStringLiteral("packages.json"), config)});
    }
};

}  // namespace swtest
