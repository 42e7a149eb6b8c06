// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/JunkOwners.h"

#include "core/junk/FreedesktopJunkLocations.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace sw {

namespace {

// Profile lists and browser state are small; anything larger is not one.
// Names read from them are simplified: a line break in one must not break
// the line an item is listed on.
constexpr qint64 kMaxProfileFile = 1024 * 1024;

// Name= of the [Profile…] group of profiles.ini whose Path= is folder.
QString firefoxProfileName(const QString &folder)
{
    const std::optional<QByteArray> ini =
        readRegularFile(ORLayout::homePath(QStringLiteral(".mozilla/firefox/profiles.ini")), kMaxProfileFile);
    if (!ini)
        return QString();
    QString name, path;
    const auto groupEnds = [&] { return !path.isEmpty() && path.section(QLatin1Char('/'), -1) == folder; };
    for (const QByteArray &raw : ini->split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            if (groupEnds())
                return name;
            name.clear();
            path.clear();
        } else if (line.startsWith(QLatin1String("Name="))) {
            name = line.mid(5);
        } else if (line.startsWith(QLatin1String("Path="))) {
            path = line.mid(5);
        }
    }
    return groupEnds() ? name : QString();
}

}  // namespace

QString JunkOwners::flatpakApp(const QString &appId)
{
    for (const QString &installation : FreedesktopJunkLocations::flatpakInstallations()) {
        const QString entryPath = installation + QStringLiteral("/exports/share/applications/") + appId +
                                  QStringLiteral(".desktop");
        if (const std::optional<DesktopEntry> entry = DesktopEntry::load(entryPath)) {
            if (const QString name = entry->localizedValue(QStringLiteral("Name")).simplified(); !name.isEmpty())
                return name;
        }
    }
    return appId.section(QLatin1Char('.'), -1);
}

QString JunkOwners::firefoxProfile(const QString &profileFolder)
{
    QString name = firefoxProfileName(profileFolder).simplified();
    if (name.isEmpty())  // Firefox names a profile's folder SALT.NAME
        name = profileFolder.contains(QLatin1Char('.')) ? profileFolder.section(QLatin1Char('.'), 1)
                                                        : profileFolder;
    return QStringLiteral("Firefox (%1)").arg(name);
}

QString JunkOwners::chromiumProfile(const QString &browserName, const QString &browserFolder,
                                    const QString &profile)
{
    QString name = profile;
    if (const std::optional<QByteArray> state =
            readRegularFile(browserFolder + QStringLiteral("/Local State"), kMaxProfileFile)) {
        const QJsonObject profiles = QJsonDocument::fromJson(*state)
                                         .object()
                                         .value(QStringLiteral("profile"))
                                         .toObject()
                                         .value(QStringLiteral("info_cache"))
                                         .toObject();
        const QString shown =
            profiles.value(profile).toObject().value(QStringLiteral("name")).toString().simplified();
        if (!shown.isEmpty())
            name = shown;
    }
    return QStringLiteral("%1 (%2)").arg(browserName, name);
}

}  // namespace sw
