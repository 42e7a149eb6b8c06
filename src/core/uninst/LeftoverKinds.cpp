// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/LeftoverKinds.h"

#include "core/fs/PathInside.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/XdgStateHome.h"

#include <QDir>
#include <QList>

namespace sw {

namespace {

struct Row
{
    QString folder;
    AppItemKind kind;
};

QList<Row> freedesktopRows()
{
    return {{ORLayout::cacheHome(), AppItemKind::Cache},
            {ORLayout::configHome(), AppItemKind::Settings},
            {xdgStateHome(), AppItemKind::Settings},
            {ORLayout::dataHome(), AppItemKind::Data},
            {ORLayout::dataHome() + QStringLiteral("/applications"), AppItemKind::Settings}};
}

QList<Row> macRows()
{
    QList<Row> rows;
    for (const QString &library : {ORLayout::homePath(QStringLiteral("Library")), ORLayout::rootPath(QStringLiteral("Library"))})
        rows << Row{library + QStringLiteral("/Caches"), AppItemKind::Cache}
             << Row{library + QStringLiteral("/Application Support/CrashReporter"), AppItemKind::Cache}
             << Row{library + QStringLiteral("/Preferences"), AppItemKind::Settings}
             << Row{library + QStringLiteral("/Saved Application State"), AppItemKind::Settings}
             << Row{library + QStringLiteral("/Application Support"), AppItemKind::Data}
             << Row{library + QStringLiteral("/Containers"), AppItemKind::Data};
    return rows;
}

}  // namespace

AppItemKind LeftoverKinds::kindOf(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (!ORLayout::isMacOS()) {
        const QString varApp = QDir::cleanPath(ORLayout::homePath(QStringLiteral(".var/app")));
        if (clean != varApp && isPathInside(clean, varApp))
            return sandboxKind(clean.mid(varApp.size() + 1).section(QLatin1Char('/'), 1, 1));
    }
    AppItemKind kind = AppItemKind::Data;
    qsizetype deepest = -1;
    for (const Row &row : ORLayout::isMacOS() ? macRows() : freedesktopRows()) {
        const QString folder = QDir::cleanPath(row.folder);
        if (isPathInside(clean, folder) && folder.size() > deepest) {
            deepest = folder.size();
            kind = row.kind;
        }
    }
    return kind;
}

// A Flatpak's sandbox maps XDG_CACHE_HOME, XDG_CONFIG_HOME and XDG_STATE_HOME
// (.local/state) to these folders of HOME/.var/app/ID; its data folder and
// anything else there is the user's.
AppItemKind LeftoverKinds::sandboxKind(const QString &entry)
{
    if (entry == QLatin1String("cache"))
        return AppItemKind::Cache;
    if (entry == QLatin1String("config") || entry == QLatin1String(".local"))
        return AppItemKind::Settings;
    return AppItemKind::Data;
}

}  // namespace sw
