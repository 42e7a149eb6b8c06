// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackageKitClient.h"

#include "core/platform/ORLayout.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <atomic>
#include <limits>

#include <sys/stat.h>

namespace sw {

namespace {

using Result = PackageKitTransaction::Result;

std::atomic<int> g_queryIdleMs{60 * 1000};
// A removal waits for the password prompt, then for the package manager.
std::atomic<int> g_removalIdleMs{15 * 60 * 1000};
// Long lists go in slices, one transaction each.
constexpr qsizetype kSlice = 200;

bool isSystemRoot()
{
    struct stat system;
    struct stat layout;
    return ::stat("/", &system) == 0 && ::stat(QFile::encodeName(ORLayout::root()).constData(), &layout) == 0
           && system.st_dev == layout.st_dev && system.st_ino == layout.st_ino;
}

// The valid ids among the packages, each once, in order.
QStringList idsOf(const QList<PackageKitTransaction::Package> &packages, const QString &except = QString())
{
    QStringList ids;
    QSet<QString> seen{except};
    for (const PackageKitTransaction::Package &package : packages)
        if (PackageKitClient::isPackageId(package.id) && !seen.contains(package.id)) {
            seen.insert(package.id);
            ids.append(package.id);
        }
    return ids;
}

Result succeeded()
{
    Result result;
    result.status = Result::Status::Finished;
    result.exit = packagekit::kExitSuccess;
    return result;
}

}  // namespace

std::optional<PackageKitClient> PackageKitClient::open(const JobControl *job)
{
    const QString address = qEnvironmentVariable("SWEEPWRIGHT_PACKAGEKIT_BUS");
    if (address.isEmpty()) {
        if (!isSystemRoot())
            return std::nullopt;
        const QDBusConnection bus = QDBusConnection::systemBus();
        return bus.isConnected() ? std::optional(PackageKitClient(bus, job)) : std::nullopt;
    }
    const QString name = QStringLiteral("sweepwright-packagekit ") + address;
    const QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (bus.isConnected())
        return PackageKitClient(bus, job);
    QDBusConnection::disconnectFromBus(name);  // so that a later question tries again
    return std::nullopt;
}

std::optional<Result> PackageKitClient::query(const QString &method, const QVariantList &before,
                                              const QStringList &items, const QVariantList &after)
{
    Result all = succeeded();
    for (qsizetype at = 0; at < items.size(); at += kSlice) {
        PackageKitTransaction transaction(m_bus, g_queryIdleMs, m_job);
        const Result one = transaction.run(method, before + QVariantList{items.mid(at, kSlice)} + after);
        if (!one.succeeded()) {
            m_problem = QStringLiteral("%1: %2").arg(method, one.failure());
            return std::nullopt;
        }
        all.packages += one.packages;
        all.details += one.details;
        for (auto it = one.files.cbegin(); it != one.files.cend(); ++it)
            all.files[it.key()] += it.value();
    }
    return all;
}

std::optional<QStringList> PackageKitClient::owners(const QStringList &paths)
{
    const std::optional<Result> found =
        query(QStringLiteral("SearchFiles"), {packagekit::kFilterInstalled}, paths);
    return found ? std::optional(idsOf(found->packages)) : std::nullopt;
}

std::optional<QHash<QString, QStringList>> PackageKitClient::files(const QStringList &ids)
{
    const std::optional<Result> found = query(QStringLiteral("GetFiles"), {}, ids);
    return found ? std::optional(found->files) : std::nullopt;
}

std::optional<QHash<QString, PackageKitClient::Details>> PackageKitClient::details(const QStringList &ids)
{
    const std::optional<Result> found = query(QStringLiteral("GetDetails"), {}, ids);
    if (!found)
        return std::nullopt;
    QHash<QString, Details> details;
    for (const QVariantMap &data : found->details) {
        const QVariant size = data.value(QStringLiteral("size"));
        const bool given = size.metaType() == QMetaType::fromType<qulonglong>()
                           && size.toULongLong() <= quint64(std::numeric_limits<qint64>::max());
        details.insert(
            data.value(QStringLiteral("package-id")).toString(),
            {given ? qint64(size.toULongLong()) : -1, data.value(QStringLiteral("summary")).toString()});
    }
    return details;
}

std::optional<QStringList> PackageKitClient::dependencies(const QStringList &ids)
{
    const std::optional<Result> found =
        query(QStringLiteral("DependsOn"), {packagekit::kFilterInstalled}, ids, {true});
    return found ? std::optional(idsOf(found->packages)) : std::nullopt;
}

std::optional<QStringList> PackageKitClient::dependents(const QString &id)
{
    const std::optional<Result> found =
        query(QStringLiteral("RequiredBy"), {packagekit::kFilterInstalled}, {id}, {true});
    return found ? std::optional(idsOf(found->packages, id)) : std::nullopt;
}

std::optional<bool> PackageKitClient::isInstalled(const QString &id)
{
    const std::optional<Result> found =
        query(QStringLiteral("Resolve"), {packagekit::kFilterInstalled}, {nameOf(id)});
    if (!found)
        return std::nullopt;
    const QStringList installed = idsOf(found->packages);
    return std::any_of(installed.cbegin(), installed.cend(), [&id](const QString &other) {
        return nameOf(other) == nameOf(id) && archOf(other) == archOf(id);
    });
}

Result PackageKitClient::simulateRemoval(const QString &id)
{
    PackageKitTransaction transaction(m_bus, g_queryIdleMs, m_job);
    return transaction.run(QStringLiteral("RemovePackages"), {packagekit::kFlagSimulate, QStringList{id},
                                                              /*allow_deps*/ true, /*autoremove*/ false});
}

// Nothing may be taken along: what the simulation showed is all that goes,
// even when the system changed since.
Result PackageKitClient::remove(const QString &id)
{
    PackageKitTransaction transaction(m_bus, g_removalIdleMs, nullptr);
    return transaction.run(
        QStringLiteral("RemovePackages"),
        {packagekit::kFlagOnlyTrusted, QStringList{id}, /*allow_deps*/ false, /*autoremove*/ false},
        {QStringLiteral("interactive=true")});
}

bool PackageKitClient::isPackageId(const QString &id)
{
    static const QRegularExpression valid(
        QStringLiteral("^[A-Za-z0-9][A-Za-z0-9@._+-]*;[^;/]*;[^;/]*;[^;]*$"));
    return valid.match(id).hasMatch();
}

QString PackageKitClient::nameOf(const QString &id)
{
    return id.section(QLatin1Char(';'), 0, 0);
}

QString PackageKitClient::archOf(const QString &id)
{
    return id.section(QLatin1Char(';'), 2, 2);
}

std::pair<int, int> PackageKitClient::setIdleTimeouts(int queryMs, int removalMs)
{
    return {g_queryIdleMs.exchange(queryMs), g_removalIdleMs.exchange(removalMs)};
}

}  // namespace sw
