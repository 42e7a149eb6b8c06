// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackagedApp.h"

#include "core/platform/ORLayout.h"

#include <QFileInfo>

namespace sw {

QList<PackagedApp::Entry> PackagedApp::applicationEntries(const PackageFiles &files)
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

InstalledApp PackagedApp::make(InstalledApp::Kind kind, const Package &package, const PackageFiles &files,
                               const QList<Entry> &entries)
{
    const auto shown = std::find_if(entries.cbegin(), entries.cend(), [](const Entry &e) { return e.shown; });
    const Entry &first = shown == entries.cend() ? entries.constFirst() : *shown;
    InstalledApp app;
    app.kind = kind;
    app.source = InstalledApp::Source::Debian;
    app.name = first.entry.name().isEmpty() ? package.name : first.entry.name();
    app.groupName = first.entry.localizedName().isEmpty() ? app.name : first.entry.localizedName();
    app.icon = first.entry.icon();
    app.identifier = package.name;
    app.desktopId = QFileInfo(first.path).completeBaseName();
    const QString program = first.entry.program();
    app.execName = QFileInfo(program).fileName();
    app.ownsProgram = files.shipsProgram(program);
    for (const Entry &entry : entries)
        app.programs.append(QFileInfo(entry.entry.program()).fileName());
    app.programs.removeDuplicates();
    app.shown = shown != entries.cend() && !package.protectedPackage;
    app.dataNames = QStringList(package.dataNames.cbegin(), package.dataNames.cend());
    app.dataNames.sort();
    app.bundlePath = first.path;
    app.bundleRoot = QFileInfo(first.path).path();
    app.packageSize = package.installedBytes;
    return app;
}

}  // namespace sw
