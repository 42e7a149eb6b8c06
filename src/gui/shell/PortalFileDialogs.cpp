// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/PortalFileDialogs.h"

#include "core/platform/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <algorithm>

namespace sw {

namespace {
const QString kThemeVariable = QStringLiteral("QT_QPA_PLATFORMTHEME");
const QString kPortalTheme = QStringLiteral("xdgdesktopportal");
}  // namespace

QStringList PortalFileDialogs::dataFolders(const QProcessEnvironment &env)
{
    const QString home = env.value(QStringLiteral("XDG_DATA_HOME"),
                                   env.value(QStringLiteral("HOME")) + QStringLiteral("/.local/share"));
    QString dirs = env.value(QStringLiteral("XDG_DATA_DIRS"));
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    return QStringList{home} + dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

// A back end's file (gnome.portal, kde.portal, gtk.portal) is a key file
// whose [portal] group names the interfaces it implements and the desktops
// it serves, each a list separated by ';'.
bool PortalFileDialogs::hasFileChooserFor(const QString &portalsFolder, const QStringList &desktops)
{
    const QStringList files = QDir(portalsFolder).entryList({QStringLiteral("*.portal")}, QDir::Files);
    for (const QString &file : files) {
        const std::optional<QByteArray> text = readRegularFile(portalsFolder + QLatin1Char('/') + file, 64 * 1024);
        if (!text)
            continue;
        QStringList interfaces;
        QStringList useIn;
        bool inPortal = false;
        for (const QByteArray &raw : text->split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1Char('[')))
                inPortal = line == QLatin1String("[portal]");
            else if (inPortal && line.startsWith(QLatin1String("Interfaces=")))
                interfaces = line.mid(11).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            else if (inPortal && line.startsWith(QLatin1String("UseIn=")))
                useIn = line.mid(6).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        }
        if (!interfaces.contains(QLatin1String("org.freedesktop.impl.portal.FileChooser")))
            continue;
        if (useIn.isEmpty()
            || std::any_of(desktops.cbegin(), desktops.cend(),
                           [&](const QString &desktop) { return useIn.contains(desktop, Qt::CaseInsensitive); }))
            return true;
    }
    return false;
}

bool PortalFileDialogs::available(const QProcessEnvironment &env, const QString &pluginsFolder)
{
    if (env.contains(kThemeVariable))
        return false;
    if (!QFileInfo::exists(pluginsFolder + QStringLiteral("/platformthemes/libqxdgdesktopportal.so")))
        return false;
    const QString runtime = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!env.contains(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"))
        && (runtime.isEmpty() || !QFileInfo::exists(runtime + QStringLiteral("/bus"))))
        return false;
    const QStringList desktops =
        env.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    bool service = false;
    bool chooser = false;
    for (const QString &folder : dataFolders(env)) {
        service = service || QFileInfo::exists(folder + QStringLiteral("/dbus-1/services/org.freedesktop.portal.Desktop.service"));
        chooser = chooser || hasFileChooserFor(folder + QStringLiteral("/xdg-desktop-portal/portals"), desktops);
    }
    return service && chooser;
}

void PortalFileDialogs::choose()
{
    if (available(QProcessEnvironment::systemEnvironment(), QLibraryInfo::path(QLibraryInfo::PluginsPath)))
        qputenv(kThemeVariable.toLatin1().constData(), kPortalTheme.toLatin1());
}

}  // namespace sw
