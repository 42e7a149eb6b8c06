#include "AppGroupModel.h"

#include "ItemListModel.h"

#include <QCoreApplication>

#include <algorithm>

namespace sw {

void AppGroupModel::sortGroups(QList<ORAppDataGroup *> &groups, int tag)
{
    if (tag == 0) {
        const auto perItem = [](const ORAppDataGroup *g) {
            return g->groupItems.isEmpty() ? quint64(0)
                                           : quint64(g->groupSize) / quint64(g->groupItems.size());
        };
        std::stable_sort(groups.begin(), groups.end(), [&](const ORAppDataGroup *a, const ORAppDataGroup *b) {
            return perItem(a) > perItem(b);
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
    if (group.groupItems.isEmpty())
        return QIcon();
    return ItemListModel::iconForPath(group.groupItems.constFirst().itemPath);
}

QString AppGroupModel::groupExtraText(const ORAppDataGroup &group) const
{
    return QCoreApplication::translate("ORUninstResultViewCter", "%n item(s)", nullptr, int(group.groupItems.size()));
}

}  // namespace sw
