// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/DpkgAppSource.h"

#include "core/foundation/JobControl.h"
#include "core/uninst/DpkgDatabase.h"
#include "core/uninst/PackagedApp.h"

#include <QRegularExpression>

namespace sw {

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
        const PackageFiles &files = database.filesOf(package.name);
        const QList<PackagedApp::Entry> entries = PackagedApp::applicationEntries(files);
        if (!entries.isEmpty())
            apps.append(PackagedApp::make(InstalledApp::Kind::Debian,
                                          {package.name, package.installedBytes, package.protectedPackage,
                                           database.dataNamesOf(package.name)},
                                          files, entries));
    }
    return apps;
}

}  // namespace sw
