#include "core/uninst/DpkgAppSource.h"

#include "core/foundation/JobControl.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/DpkgDatabase.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace sw {

namespace {

struct Entry
{
    QString path;  // below the layout's root
    DesktopEntry entry;
    bool shown = false;
};

// The application entries a package's file list names, in list order.
QList<Entry> applicationEntries(const DpkgDatabase::Files &files)
{
    QList<Entry> entries;
    for (const QString &listed : files.desktopEntries) {
        const QString real = ORLayout::rootPath(listed.mid(1));
        std::optional<DesktopEntry> entry = DesktopEntry::load(real);
        if (entry && entry->type() == QLatin1String("Application"))
            entries.append({real, *entry, !entry->noDisplay() && !entry->hidden()});
    }
    return entries;
}

// The first shown entry names the application; every entry's program is its.
InstalledApp appOf(const DpkgDatabase &database, const DpkgDatabase::Package &package, const QList<Entry> &entries)
{
    const auto shown = std::find_if(entries.cbegin(), entries.cend(), [](const Entry &e) { return e.shown; });
    const Entry &first = shown == entries.cend() ? entries.constFirst() : *shown;
    InstalledApp app;
    app.kind = InstalledApp::Kind::Debian;
    app.source = InstalledApp::Source::Debian;
    app.name = first.entry.name().isEmpty() ? package.name : first.entry.name();
    app.groupName = first.entry.localizedName().isEmpty() ? app.name : first.entry.localizedName();
    app.icon = first.entry.icon();
    app.identifier = package.name;
    app.desktopId = QFileInfo(first.path).completeBaseName();
    const QString program = first.entry.program();
    app.execName = QFileInfo(program).fileName();
    app.ownsProgram = database.shipsProgram(package.name, program);
    for (const Entry &entry : entries)
        app.programs.append(QFileInfo(entry.entry.program()).fileName());
    app.programs.removeDuplicates();
    app.shown = shown != entries.cend() && !package.protectedPackage;
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
        if (!valid.match(package.name).hasMatch())
            continue;
        const QList<Entry> entries = applicationEntries(database.filesOf(package.name));
        if (!entries.isEmpty())
            apps.append(appOf(database, package, entries));
    }
    return apps;
}

}  // namespace sw
