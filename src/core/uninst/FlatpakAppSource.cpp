// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/FlatpakAppSource.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace sw {

namespace {

// The installations one configuration file names: [Installation "NAME"]
// groups with a Path key.
void readInstallations(const QString &confPath, QList<FlatpakAppSource::Installation> &out)
{
    const std::optional<QByteArray> text = readRegularFile(confPath, 1024 * 1024);
    if (!text)
        return;
    static const QRegularExpression group(QStringLiteral(R"re(^\[Installation\s+"([^"]+)"\]\s*$)re"));
    QString name;
    for (const QByteArray &raw : text->split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const QRegularExpressionMatch match = group.match(line);
            name = match.hasMatch() ? match.captured(1) : QString();
        } else if (!name.isEmpty() && line.startsWith(QLatin1String("Path="))) {
            const QString path = line.mid(5).trimmed();
            if (QDir::isAbsolutePath(path))
                out.append({ORLayout::rootPath(path.mid(1)), QStringLiteral("--installation=") + name});
        }
    }
}

// The application's own icon file among those it exports (the desktop finds
// them through the installation's exports folder), else the name as given.
QString exportedIcon(const QString &active, const QString &icon)
{
    if (icon.isEmpty() || icon.contains(QLatin1Char('/')))
        return icon;
    const QString hicolor = active + QStringLiteral("/export/share/icons/hicolor/");
    for (const char *size : {"scalable", "512x512", "256x256", "128x128", "96x96", "64x64", "48x48", "32x32"})
        for (const char *suffix : {".svg", ".png"}) {
            const QString path = hicolor + QLatin1String(size) + QStringLiteral("/apps/") + icon + QLatin1String(suffix);
            if (isRegularFile(path))
                return path;
        }
    return icon;
}

}  // namespace

QList<FlatpakAppSource::Installation> FlatpakAppSource::installations()
{
    QList<Installation> found{{ORLayout::homePath(QStringLiteral(".local/share/flatpak")), QStringLiteral("--user")},
                              {ORLayout::rootPath(QStringLiteral("var/lib/flatpak")), QStringLiteral("--system")}};
    const QString confs = ORLayout::rootPath(QStringLiteral("etc/flatpak/installations.d"));
    QStringList names = ORUtility::contentsOfFolder(confs);
    names.sort();
    for (const QString &name : std::as_const(names))
        if (name.endsWith(QLatin1String(".conf")))
            readInstallations(confs + QLatin1Char('/') + name, found);
    return found;
}

InstalledApps FlatpakAppSource::find(JobControl &job)
{
    InstalledApps apps;
    for (const Installation &installation : installations()) {
        const QString appFolder = installation.path + QStringLiteral("/app");
        for (const QString &id : ORUtility::contentsOfFolder(appFolder)) {
            if (job.isCancelled())
                return apps;
            const QString deployed = appFolder + QLatin1Char('/') + id;
            const QString active = deployed + QStringLiteral("/current/active");
            static const QRegularExpression validId(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.-]*$"));
            if (!validId.match(id).hasMatch() || !QFileInfo(active).isDir())
                continue;
            const QString entryPath = active + QStringLiteral("/export/share/applications/") + id + QStringLiteral(".desktop");
            const auto entry = DesktopEntry::load(entryPath);
            InstalledApp app;
            app.kind = InstalledApp::Kind::Flatpak;
            app.source = InstalledApp::Source::Flatpak;
            app.name = entry && !entry->name().isEmpty() ? entry->name() : id;
            app.groupName = entry && !entry->localizedName().isEmpty() ? entry->localizedName() : app.name;
            app.icon = exportedIcon(active, entry ? entry->icon() : QString());
            app.identifier = id;
            app.desktopId = id;
            app.bundlePath = deployed;
            app.bundleRoot = appFolder;
            app.installation = installation.option;
            apps.append(app);
        }
    }
    return apps;
}

}  // namespace sw
