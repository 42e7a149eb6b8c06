// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/uninst/AppGroupModel.h"

#include "core/platform/ORLayout.h"
#include "core/uninst/FlatpakAppSource.h"
#include "gui/preview/FileIcon.h"
#include "gui/shell/ItemListModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace sw {

namespace {

// The icons of the layout's own places join the theme's search paths once,
// so a root or home given on the command line shows the icons it holds:
// the user's (XDG_DATA_HOME/icons), the Flatpak installations' exports and
// the system's below the root. Main thread only, as every QIcon.
void addLayoutIconPaths()
{
    static bool added = false;
    if (added)
        return;
    added = true;
    FileIcon::ensureIconTheme();
    QStringList themes = QIcon::themeSearchPaths();
    QStringList pixmaps = QIcon::fallbackSearchPaths();
    QStringList shares{ORLayout::dataHome(), ORLayout::rootPath(QStringLiteral("usr/local/share")),
                       ORLayout::rootPath(QStringLiteral("usr/share"))};
    for (const FlatpakAppSource::Installation &installation : FlatpakAppSource::installations())
        shares.append(installation.path + QStringLiteral("/exports/share"));
    for (const QString &share : std::as_const(shares)) {
        const QString icons = QDir::cleanPath(share + QStringLiteral("/icons"));
        if (!themes.contains(icons))
            themes.append(icons);
        pixmaps.append(QDir::cleanPath(share + QStringLiteral("/pixmaps")));
    }
    QIcon::setThemeSearchPaths(themes);
    QIcon::setFallbackSearchPaths(pixmaps);
}

}  // namespace

QVariant AppGroupModel::data(const QModelIndex &index, int role) const
{
    const ORAppDataGroup *g = group(index.row());
    if (g && role == BadgeRole)
        return sourceBadge(g->appSource);
    if (g && role == Qt::ToolTipRole)
        return g->appIdentifier.isEmpty()
                   ? QStringLiteral("%1 (%2)").arg(g->groupName, sourceBadge(g->appSource))
                   : QStringLiteral("%1 (%2: %3)").arg(g->groupName, sourceBadge(g->appSource), g->appIdentifier);
    return GroupListModel::data(index, role);
}

void AppGroupModel::sortGroups(QList<ORAppDataGroup *> &groups, int tag)
{
    if (tag == 0) {
        std::stable_sort(groups.begin(), groups.end(), [](const ORAppDataGroup *a, const ORAppDataGroup *b) {
            return a->groupSize > b->groupSize;
        });
    } else if (tag == 1) {
        const auto key = [](const ORAppDataGroup *g) {
            return g->groupName.section(QLatin1Char('/'), -1).toLower();
        };
        std::stable_sort(groups.begin(), groups.end(),
                         [&](const ORAppDataGroup *a, const ORAppDataGroup *b) { return key(a) < key(b); });
    }
}

QIcon AppGroupModel::appIcon(const ORAppDataGroup &group)
{
    if (QDir::isAbsolutePath(group.appIcon)) {
        if (QFileInfo(group.appIcon).isFile())
            return QIcon(group.appIcon);
    } else if (!group.appIcon.isEmpty()) {
        addLayoutIconPaths();
        const QIcon themed = QIcon::fromTheme(group.appIcon);
        if (!themed.isNull() && !themed.pixmap(QSize(32, 32)).isNull())
            return themed;
    }
    if (group.groupItems.isEmpty())
        return QIcon();
    return ItemListModel::iconForPath(group.groupItems.constFirst().itemPath);
}

QString AppGroupModel::sourceBadge(AppSource source)
{
    switch (source) {
    case AppSource::MacBundle: return QCoreApplication::translate("ORUninstResultViewCter", "Application");
    case AppSource::AppImage: return QCoreApplication::translate("ORUninstResultViewCter", "AppImage");
    case AppSource::Home: return QCoreApplication::translate("ORUninstResultViewCter", "Home");
    case AppSource::Flatpak: return QCoreApplication::translate("ORUninstResultViewCter", "Flatpak");
    case AppSource::Debian: return QCoreApplication::translate("ORUninstResultViewCter", "Package");
    }
    return QString();
}

QString AppGroupModel::groupExtraText(const ORAppDataGroup &group) const
{
    return QCoreApplication::translate("ORUninstResultViewCter", "%n item(s)", nullptr, int(group.groupItems.size()));
}

}  // namespace sw
