// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/HomeAppSource.h"

#include "core/foundation/JobControl.h"
#include "core/fs/PathInside.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/UninstLog.h"
#include "core/uninst/UserDesktopEntries.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

namespace {

struct Found
{
    QString folder;  // the application's own folder
    QString base;    // the place it lies in
    UserDesktopEntry entry;
};

// The application's own folder for a program, with the place it lies in;
// nullopt when the program is not in a folder of its own below one of them.
std::optional<std::pair<QString, QString>> ownFolder(const QString &program, const QStringList &bases)
{
    if (program.isEmpty())
        return std::nullopt;
    QString folder = QFileInfo(program).path();
    if (const QString name = QFileInfo(folder).fileName(); name == QLatin1String("bin") || name == QLatin1String("sbin"))
        folder = QFileInfo(folder).path();
    if (QFileInfo(folder).fileName() == QLatin1String("usr"))
        folder = QFileInfo(folder).path();
    for (const QString &base : bases)
        if (folder != base && isPathInside(folder, base)) {
            const QFileInfo info(folder);
            if (!info.isDir() || info.isSymLink())
                return std::nullopt;
            return std::make_pair(folder, base);
        }
    return std::nullopt;
}

InstalledApp appOf(const Found &found)
{
    InstalledApp app;
    app.source = InstalledApp::Source::Home;
    app.name = found.entry.entry.name().isEmpty() ? found.entry.id : found.entry.entry.name();
    const QString shown = found.entry.entry.localizedName();
    app.groupName = shown.isEmpty() ? app.name : shown;
    app.icon = found.entry.entry.icon();
    app.identifier = found.entry.id;
    app.desktopId = found.entry.id;
    app.execName = QFileInfo(found.entry.program).fileName();
    app.ownsProgram = true;
    app.programs = {app.execName};
    app.bundlePath = found.folder;
    app.bundleRoot = found.base;
    return app;
}

}  // namespace

InstalledApps HomeAppSource::find(JobControl &job)
{
    QStringList bases;
    for (const char *rel : {".local/opt", "opt", "Applications"})
        bases.append(QDir::cleanPath(ORLayout::homePath(QLatin1String(rel))));
    QList<Found> found;
    for (const UserDesktopEntry &entry : userDesktopEntries()) {
        if (job.isCancelled())
            return {};
        const auto own = ownFolder(entry.program, bases);
        const bool known = own && std::any_of(found.cbegin(), found.cend(),
                                              [&own](const Found &f) { return f.folder == own->first; });
        if (own && !known)
            found.append({own->first, own->second, entry});
    }
    InstalledApps apps;
    for (const Found &one : std::as_const(found)) {
        const bool holdsAnother = std::any_of(found.cbegin(), found.cend(), [&one](const Found &other) {
            return other.folder != one.folder && isPathInside(other.folder, one.folder);
        });
        if (holdsAnother)
            qCInfo(lcUninst) << "Not an application's own folder, it holds another:" << one.folder;
        else
            apps.append(appOf(one));
    }
    return apps;
}

}  // namespace sw
