// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/AppImageSource.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/UserDesktopEntries.h"

#include <QFileInfo>

namespace sw {

InstalledApps AppImageSource::find(JobControl &job)
{
    const QList<UserDesktopEntry> entries = userDesktopEntries();
    InstalledApps apps;
    for (const QString &rel : {QStringLiteral("Applications"), QStringLiteral("AppImages"), QStringLiteral(".local/bin")}) {
        const QString folder = ORLayout::homePath(rel);
        for (const QString &name : ORUtility::contentsOfFolder(folder)) {
            if (job.isCancelled())
                return apps;
            const QString path = folder + QLatin1Char('/') + name;
            const QFileInfo file(path);
            if (!name.endsWith(QLatin1String(".appimage"), Qt::CaseInsensitive) || !file.isFile() || file.isSymLink())
                continue;
            InstalledApp app;
            app.source = InstalledApp::Source::AppImage;
            app.name = name.chopped(9);
            app.execName = name;
            app.ownsProgram = true;
            app.programs = {name};
            app.bundlePath = path;
            app.bundleRoot = folder;
            app.groupName = app.name;
            for (const UserDesktopEntry &entry : entries) {
                if (entry.program == path && !entry.entry.name().isEmpty()) {
                    app.name = entry.entry.name();
                    app.groupName = entry.entry.localizedName();
                    app.identifier = entry.id;
                    app.desktopId = entry.id;
                    app.icon = entry.entry.icon();
                    break;
                }
            }
            apps.append(app);
        }
    }
    return apps;
}

}  // namespace sw
