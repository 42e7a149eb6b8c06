// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/uninst/AppItemModel.h"

#include "core/platform/ORLayout.h"
#include "gui/uninst/AppGroupModel.h"

#include <QCoreApplication>
#include <QDir>

namespace sw {

namespace {

constexpr AppItemKind kKinds[] = {AppItemKind::App, AppItemKind::Cache, AppItemKind::Settings, AppItemKind::Data};

// A heading row's place in the listing: below -1, which is no row at all.
qsizetype headingOf(AppItemKind kind)
{
    return -2 - qsizetype(kind);
}

QString homeRelative(const QString &path)
{
    const QString home = QDir::cleanPath(ORLayout::home());
    if (home.size() > 1 && path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

}  // namespace

QString AppItemModel::sectionTitle(AppItemKind kind)
{
    switch (kind) {
    case AppItemKind::App: return QString();
    case AppItemKind::Cache: return QCoreApplication::translate("ORUninstResultViewCter", "Caches");
    case AppItemKind::Settings: return QCoreApplication::translate("ORUninstResultViewCter", "Settings");
    case AppItemKind::Data: return QCoreApplication::translate("ORUninstResultViewCter", "Your data");
    }
    return QString();
}

void AppItemModel::listByKind(const QString &searchText)
{
    // The group's own search first (it marks what is visible), then the order.
    setGroup(group(), searchText);
    if (!group())
        return;
    const QList<qsizetype> found = listed();
    QList<qsizetype> rows;
    for (const AppItemKind kind : kKinds) {
        bool headed = kind == AppItemKind::App;
        for (const qsizetype i : found) {
            if (group()->groupItems.at(i).kind != kind)
                continue;
            if (!headed)
                rows.append(headingOf(kind));
            headed = true;
            rows.append(i);
        }
    }
    setListed(rows);
}

QVariant AppItemModel::data(const QModelIndex &index, int role) const
{
    const qsizetype row = index.row() >= 0 && index.row() < listed().size() ? listed().at(index.row()) : -1;
    if (row < -1) {
        const AppItemKind kind = AppItemKind(-2 - row);
        if (role == SectionRole)
            return true;
        if (role == Qt::DisplayRole || role == NameRole)
            return sectionTitle(kind);
        return QVariant();
    }
    if (group() && row >= 0) {
        const ORAppDataItem &item = group()->groupItems.at(row);
        if (role == Qt::DisplayRole || role == NameRole)
            return item.itemName.isEmpty() ? homeRelative(item.itemPath) : item.itemName;
        // The application itself shows as the application, not as the file it is found by.
        if (role == IconRole && item.kind == AppItemKind::App)
            return AppGroupModel::appIcon(*group());
        if (role == Qt::ToolTipRole && selection::isGroupCheckable(*group())
            && !LeftoversWithTheApp::isItemCheckable(*group(), row))
            return item.itemPath + QLatin1Char('\n')
                   + QCoreApplication::translate("ORUninstResultViewCter",
                                                 "Removed only with the application: tick the application first");
    }
    return GroupItemModel::data(index, role);
}

}  // namespace sw
