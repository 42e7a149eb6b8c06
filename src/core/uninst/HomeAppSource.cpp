#include "HomeAppSource.h"

#include "JobControl.h"
#include "ORLayout.h"
#include "UserDesktopEntries.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

InstalledApps HomeAppSource::find(JobControl &job)
{
    const QStringList bases{QDir::cleanPath(ORLayout::homePath(QStringLiteral(".local/opt"))),
                            QDir::cleanPath(ORLayout::homePath(QStringLiteral("opt"))),
                            QDir::cleanPath(ORLayout::homePath(QStringLiteral("Applications")))};
    InstalledApps apps;
    QStringList taken;
    for (const UserDesktopEntry &entry : userDesktopEntries()) {
        if (job.isCancelled())
            break;
        for (const QString &base : bases) {
            if (!entry.program.startsWith(base + QLatin1Char('/')))
                continue;
            const QString below = entry.program.mid(base.size() + 1);
            const qsizetype slash = below.indexOf(QLatin1Char('/'));
            if (slash <= 0)
                break;
            const QString folder = base + QLatin1Char('/') + below.left(slash);
            const QFileInfo info(folder);
            if (taken.contains(folder) || !info.isDir() || info.isSymLink())
                break;
            taken.append(folder);
            InstalledApp app;
            app.name = entry.entry.name().isEmpty() ? entry.id : entry.entry.name();
            app.groupName = app.name;
            app.identifier = entry.id;
            app.execName = QFileInfo(entry.program).fileName();
            app.bundlePath = folder;
            app.bundleRoot = base;
            apps.append(app);
            break;
        }
    }
    return apps;
}

}  // namespace sw
