#include "DpkgAppSource.h"

#include "DesktopEntry.h"
#include "DpkgDatabase.h"
#include "JobControl.h"
#include "ORLayout.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace sw {

namespace {

struct ShownEntry
{
    QString path;  // below the layout's root
    DesktopEntry entry;
};

// The shown application entries a package's file list names, in list order.
QList<ShownEntry> shownEntries(const DpkgDatabase::Files &files)
{
    QList<ShownEntry> shown;
    for (const QString &listed : files.desktopEntries) {
        const QString real = ORLayout::rootPath(listed.mid(1));
        std::optional<DesktopEntry> entry = DesktopEntry::load(real);
        if (entry && entry->type() == QLatin1String("Application") && !entry->noDisplay() && !entry->hidden())
            shown.append({real, std::move(*entry)});
    }
    return shown;
}

InstalledApp appOf(const DpkgDatabase &database, const DpkgDatabase::Package &package,
                   const QList<ShownEntry> &entries)
{
    const ShownEntry &first = entries.constFirst();
    InstalledApp app;
    app.kind = InstalledApp::Kind::Debian;
    app.source = InstalledApp::Source::Debian;
    app.name = first.entry.name().isEmpty() ? package.name : first.entry.name();
    app.groupName = app.name;
    app.identifier = package.name;
    app.desktopId = QFileInfo(first.path).completeBaseName();
    const QString program = first.entry.program();
    app.execName = QFileInfo(program).fileName();
    app.ownsProgram = database.shipsProgram(package.name, program);
    for (const ShownEntry &shown : entries)
        app.programs.append(QFileInfo(shown.entry.program()).fileName());
    const QSet<QString> dataNames = database.dataNamesOf(package.name);
    app.dataNames = QStringList(dataNames.cbegin(), dataNames.cend());
    app.dataNames.sort();
    app.bundlePath = first.path;
    app.bundleRoot = QFileInfo(first.path).path();
    app.packageSize = package.installedBytes;
    return app;
}

}  // namespace

InstalledApps DpkgAppSource::find(JobControl &job)
{
    InstalledApps apps;
    const DpkgDatabase database(job);
    for (const DpkgDatabase::Package &package : database.packages()) {
        if (job.isCancelled())
            break;
        // A name apt-get could read as an option is no package of dpkg's.
        static const QRegularExpression valid(QStringLiteral("^[a-z0-9][a-z0-9+.-]+$"));
        if (package.protectedPackage || !valid.match(package.name).hasMatch())
            continue;
        const QList<ShownEntry> entries = shownEntries(database.filesOf(package.name));
        if (!entries.isEmpty())
            apps.append(appOf(database, package, entries));
    }
    return apps;
}

}  // namespace sw
