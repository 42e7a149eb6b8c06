// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/PackageKitTransaction.h"

#include <QDBusConnection>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace sw {

class JobControl;

// The questions the uninstaller puts to PackageKit about installed
// packages, and the removal of one, each a transaction (or, for long lists,
// one per slice of the list). PackageKit manages the running system, so it
// is asked only when the layout's root is the system's own; a bus that
// $SWEEPWRIGHT_PACKAGEKIT_BUS names (a D-Bus address) is asked whatever the
// root, which is how the tests reach a stand-in.
//
// Blocks: call it on a worker thread. A query answers nullopt when
// PackageKit could not answer it (see problem()).
class PackageKitClient
{
public:
    struct Details
    {
        qint64 size = -1;  // installed size in bytes, -1 when not given
        QString summary;
    };

    // nullopt when there is no bus to ask; whether PackageKit is on it shows
    // with the first question. job may be null: nothing cancels the queries.
    static std::optional<PackageKitClient> open(const JobControl *job);

    // The installed packages that own any of the files (absolute paths).
    std::optional<QStringList> owners(const QStringList &paths);
    // Each package's file list, by id.
    std::optional<QHash<QString, QStringList>> files(const QStringList &ids);
    std::optional<QHash<QString, Details>> details(const QStringList &ids);
    // The installed packages the packages need, directly or not (together).
    std::optional<QStringList> dependencies(const QStringList &ids);
    // The installed packages that need the package, directly or not.
    std::optional<QStringList> dependents(const QString &id);
    // Whether a package of that name and architecture is installed now.
    std::optional<bool> isInstalled(const QString &id);
    // RemovePackages: simulated (with whatever it needs taken along), or for
    // real (nothing taken along), with PackageKit's own authorisation.
    PackageKitTransaction::Result simulateRemoval(const QString &id);
    PackageKitTransaction::Result remove(const QString &id);

    // Why the last query answered nullopt.
    QString problem() const { return m_problem; }

    // "name;version;arch;data" with a name no option or path could be made of.
    static bool isPackageId(const QString &id);
    static QString nameOf(const QString &id);
    static QString archOf(const QString &id);

    // --- used only by the tests ---------------------------------------------
    // How long a query, and a removal, may stay silent before it is given
    // up; returns the previous values.
    static std::pair<int, int> setIdleTimeouts(int queryMs, int removalMs);

private:
    PackageKitClient(const QDBusConnection &bus, const JobControl *job) : m_bus(bus), m_job(job) {}
    // The method for each slice of items, placed between before and after
    // in its arguments; the results gathered, nullopt when one failed.
    std::optional<PackageKitTransaction::Result> query(const QString &method, const QVariantList &before,
                                                       const QStringList &items,
                                                       const QVariantList &after = {});

    QDBusConnection m_bus;
    const JobControl *m_job;
    QString m_problem;
};

}  // namespace sw
