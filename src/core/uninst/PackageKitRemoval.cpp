// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackageKitRemoval.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/STPrivilegedTask.h"
#include "core/uninst/PackageKitClient.h"
#include "core/uninst/UninstLog.h"

#include <QCoreApplication>

namespace sw {

namespace {

using Outcome = PackageCommands::Outcome;
using Result = PackageKitTransaction::Result;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PackageKitRemoval)
};

Outcome failed(const QString &reason)
{
    return {Outcome::Kind::Failed, reason};
}

Outcome cancelled()
{
    return {Outcome::Kind::Cancelled, Text::tr("cancelled; left in place")};
}

// The refusal the simulation calls for, if any.
std::optional<Outcome> judge(const QString &packageId, const Result &simulation)
{
    bool removesIt = false;
    QStringList others;
    for (const PackageKitTransaction::Package &package : simulation.packages) {
        if (package.id == packageId)
            removesIt = true;
        else if (const QString name = PackageKitClient::nameOf(package.id); !others.contains(name))
            others.append(name);
    }
    return PackageCommands::refusal(removesIt, others, QStringLiteral("PackageKit"));
}

bool wasRefused(const Result &removal)
{
    return removal.errorCode == packagekit::kErrorNotAuthorized
           || removal.errorCode == packagekit::kErrorTransactionCancelled
           || (removal.status == Result::Status::Finished && removal.exit == packagekit::kExitCancelled);
}

}  // namespace

Outcome PackageKitRemoval::remove(const QString &packageId, const JobControl &job)
{
    std::optional<PackageKitClient> client = PackageKitClient::open(&job);
    if (!client)
        return failed(Text::tr("PackageKit is not running; left in place"));
    const Result simulation = client->simulateRemoval(packageId);
    if (simulation.status == Result::Status::Cancelled)
        return cancelled();
    if (!simulation.succeeded())
        return failed(
            Text::tr("PackageKit could not plan the removal: %1; left in place").arg(simulation.failure()));
    if (const std::optional<Outcome> refused = judge(packageId, simulation))
        return *refused;
    if (job.isCancelled())
        return cancelled();
    const Result removal = client->remove(packageId);
    if (removal.succeeded()) {
        qCInfo(lcUninst).noquote() << "Removed package" << packageId << "through PackageKit";
        return {Outcome::Kind::Removed, {}};
    }
    if (wasRefused(removal))
        return {Outcome::Kind::Cancelled,
                Text::tr("%1; left in place")
                    .arg(STPrivilegedTask::statusText(STPrivilegedTask::errAuthorizationCanceled))};
    return failed(Text::tr("PackageKit could not remove it: %1; left in place").arg(removal.failure()));
}

bool PackageKitRemoval::isInstalled(const QString &packageId)
{
    std::optional<PackageKitClient> client = PackageKitClient::open(nullptr);
    return !client || client->isInstalled(packageId).value_or(true);
}

}  // namespace sw
