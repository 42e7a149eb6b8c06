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

// What PackageKit told about the packages that ship an application.
struct Known
{
    QStringList apps;  // their ids, by name
    QHash<QString, PackageFiles> files;  // by id: theirs and their dependencies'
    QHash<QString, QList<PackagedApp::Entry>> entries;
    QHash<QString, PackageKitClient::Details> details;
    QHash<QString, QStringList> dependencies;
};

// The desktop entries to ask about, as the system names them. PackageKit
// refuses a whole search for one odd character, and a desktop-file id has none.
QStringList entryPaths()
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.+@-]*\\.desktop$"));
    const QString folder = QStringLiteral("/usr/share/applications");
    QStringList paths;
    const QDir dir(ORLayout::rootPath(folder.mid(1)));
    for (const QString &name : dir.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name))
        if (plain.match(name).hasMatch())
            paths.append(folder + QLatin1Char('/') + name);
    return paths;
}

bool findOwners(PackageKitClient &client, const QStringList &paths, Known &known)
{
    const std::optional<QStringList> owners = client.owners(paths);
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

bool findDependencies(PackageKitClient &client, JobControl &job, Known &known)
{
    QStringList unknown;
    QSet<QString> seen;
    for (const QString &id : std::as_const(known.apps)) {
        const std::optional<QStringList> needed = client.dependencies(id);
        if (!needed)
            return false;
        job.addItems();
        known.dependencies.insert(id, *needed);
        for (const QString &dependency : *needed)
            if (!known.files.contains(dependency) && !seen.contains(dependency)) {
                seen.insert(dependency);
                unknown.append(dependency);
            }
    }
    const std::optional<QHash<QString, QStringList>> lists = client.files(unknown);
    if (!lists)
        return false;
    for (const QString &dependency : std::as_const(unknown))
        known.files.insert(dependency, PackageFiles::of(lists->value(dependency)));
    return true;
}

bool ask(PackageKitClient &client, JobControl &job, Known &known)
{
    if (!findOwners(client, entryPaths(), known))
        return false;
    const std::optional<QHash<QString, PackageKitClient::Details>> details = client.details(known.apps);
    if (!details)
        return false;
    known.details = *details;
    return findDependencies(client, job, known);
}

InstalledApps appsOf(const Known &known)
{
    InstalledApps apps;
    for (const QString &id : known.apps) {
        const PackageFiles &files = known.files[id];
        QSet<QString> dataNames = files.shareNames;
        for (const QString &dependency : known.dependencies[id])
            dataNames.unite(known.files.value(dependency).shareNames);
        const PackageKitClient::Details details = known.details.value(id);
        InstalledApp app = PackagedApp::make(InstalledApp::Kind::Package,
                                             {PackageKitClient::nameOf(id), details.size, false, dataNames}, files,
                                             known.entries[id]);
        app.packageId = id;
        app.summary = details.summary;
        apps.append(app);
    }
    return apps;
}

}  // namespace

std::optional<InstalledApps> PackageKitAppSource::find(JobControl &job)
{
    std::optional<PackageKitClient> client = PackageKitClient::open(&job);
    if (!client)
        return std::nullopt;
    Known known;
    if (!ask(*client, job, known)) {
        if (job.isCancelled())
            return InstalledApps();
        qCInfo(lcUninst).noquote() << "PackageKit did not answer, dpkg's database is read instead:" << client->problem();
        return std::nullopt;
    }
    return appsOf(known);
}

}  // namespace sw
