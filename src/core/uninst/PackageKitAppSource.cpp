// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackageKitAppSource.h"

#include "core/foundation/JobControl.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/PackageKitClient.h"
#include "core/uninst/PackagedApp.h"
#include "core/uninst/UninstLog.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace sw {

namespace {

const QString kApplications = QStringLiteral("/usr/share/applications");

// What PackageKit told about the packages that ship an application.
struct Known
{
    QStringList apps;                    // their ids, in order
    QHash<QString, PackageFiles> files;  // by id: theirs and what they need
    QHash<QString, QList<PackagedApp::Entry>> entries;
    QHash<QString, PackageKitClient::Details> details;
    QStringList needed;  // what they need, directly or not, together
};

// The desktop entries to ask about, as the system names them. PackageKit
// refuses a whole search for one odd character, and a desktop-file id has none.
QStringList entryPaths()
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.+@-]*\\.desktop$"));
    QStringList paths;
    const QDir dir(ORLayout::rootPath(kApplications.mid(1)));
    for (const QString &name : dir.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name))
        if (plain.match(name).hasMatch())
            paths.append(kApplications + QLatin1Char('/') + name);
    return paths;
}

// The owners of the entries, and of the folder: PackageKit's apt backend
// reads the files of one search as one basic regular expression joined by
// "|", a plain character there, so it finds nothing for two files or more;
// dpkg lists the folder for every package that ships into it. What owns
// the folder and no entry drops out with its file list.
std::optional<QStringList> entryOwners(PackageKitClient &client, const QStringList &paths)
{
    std::optional<QStringList> owners = client.owners(paths);
    const std::optional<QStringList> ofFolder = owners ? client.owners({kApplications}) : std::nullopt;
    if (!ofFolder)
        return std::nullopt;
    for (const QString &id : *ofFolder)
        if (!owners->contains(id))
            owners->append(id);
    return owners;
}

bool findOwners(PackageKitClient &client, Known &known)
{
    const QStringList paths = entryPaths();
    const std::optional<QStringList> owners = paths.isEmpty() ? QStringList() : entryOwners(client, paths);
    const std::optional<QHash<QString, QStringList>> lists = owners ? client.files(*owners) : std::nullopt;
    if (!lists)
        return false;
    for (const QString &id : *owners) {
        const PackageFiles files = PackageFiles::of(lists->value(id));
        const QList<PackagedApp::Entry> entries = PackagedApp::applicationEntries(files);
        if (entries.isEmpty())
            continue;
        known.apps.append(id);
        known.files.insert(id, files);
        known.entries.insert(id, entries);
    }
    std::sort(known.apps.begin(), known.apps.end());
    return true;
}

bool findNeeded(PackageKitClient &client, Known &known)
{
    const std::optional<QStringList> needed = client.dependencies(known.apps);
    if (!needed)
        return false;
    known.needed = *needed;
    QStringList unknown;
    for (const QString &id : *needed)
        if (!known.files.contains(id))
            unknown.append(id);
    const std::optional<QHash<QString, QStringList>> lists = client.files(unknown);
    if (!lists)
        return false;
    for (const QString &id : std::as_const(unknown))
        known.files.insert(id, PackageFiles::of(lists->value(id)));
    return true;
}

bool ask(PackageKitClient &client, Known &known)
{
    if (!findOwners(client, known))
        return false;
    const std::optional<QHash<QString, PackageKitClient::Details>> details = client.details(known.apps);
    if (!details)
        return false;
    known.details = *details;
    return findNeeded(client, known);
}

InstalledApps appsOf(const Known &known)
{
    InstalledApps apps;
    for (const QString &id : known.apps) {
        const PackageFiles files = known.files.value(id);
        const PackageKitClient::Details details = known.details.value(id);
        InstalledApp app =
            PackagedApp::make(InstalledApp::Kind::Package,
                              {PackageKitClient::nameOf(id), details.size, false, files.shareNames}, files,
                              known.entries.value(id));
        app.packageId = id;
        app.summary = details.summary;
        apps.append(app);
    }
    return apps;
}

// The data folders each application shares through what it needs. Of the
// folders named like one of these applications, only the applications that
// need the package shipping it reach it (RequiredBy, one per such package:
// few); every other folder of what they need is reached by all of them, which
// holds back a leftover of another source's application named like it as
// reaching it through one of them would.
bool addSharedData(PackageKitClient &client, const Known &known, InstalledApps &apps)
{
    QSet<QString> names;
    for (const InstalledApp &app : std::as_const(apps))
        names.unite({app.name, app.identifier, app.execName});
    QSet<QString> common;
    QHash<QString, QSet<QString>> reached;  // by application id
    for (const QString &id : known.needed) {
        const QSet<QString> shared = known.files.value(id).shareNames;
        common.unite(shared - names);
        const QSet<QString> named = shared & names;
        const std::optional<QStringList> dependents = named.isEmpty() ? QStringList() : client.dependents(id);
        if (!dependents)
            return false;
        for (const QString &dependent : *dependents)
            reached[dependent].unite(named);
    }
    for (InstalledApp &app : apps) {
        QSet<QString> all = common + reached.value(app.packageId);
        all.unite(QSet<QString>(app.dataNames.cbegin(), app.dataNames.cend()));
        app.dataNames = QStringList(all.cbegin(), all.cend());
        app.dataNames.sort();
    }
    return true;
}

}  // namespace

std::optional<InstalledApps> PackageKitAppSource::find(JobControl &job)
{
    std::optional<PackageKitClient> client = PackageKitClient::open(&job);
    if (!client)
        return std::nullopt;
    Known known;
    InstalledApps apps;
    if (ask(*client, known)) {
        apps = appsOf(known);
        if (addSharedData(*client, known, apps))
            return apps;
    }
    if (job.isCancelled())
        return InstalledApps();
    qCInfo(lcUninst).noquote() << "PackageKit did not answer, dpkg's database is read instead:"
                               << client->problem();
    return std::nullopt;
}

}  // namespace sw
