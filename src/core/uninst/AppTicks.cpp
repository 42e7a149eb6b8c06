// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/AppTicks.h"

#include "core/foundation/ORSelection.h"
#include "core/platform/ORLayout.h"

#include <algorithm>

namespace sw {

void AppTicks::markApplication(ORAppDataGroup &group, bool marked, bool withData)
{
    if (group.groupItems.isEmpty()) {
        selection::setGroupMarked(group, marked);
        return;
    }
    for (ORAppDataItem &item : group.groupItems)
        item.isDel = marked && (withData || tickedWithApplication(item.kind));
    group.isGroupDelFlag = selection::checkItemSelectStatus(group);
    group.groupSelectedSize = selection::markedSize(group);
}

bool AppTicks::isItemTickable(const ORAppDataGroup &group, qsizetype index)
{
    if (!selection::isGroupCheckable(group) || index < 0 || index >= group.groupItems.size())
        return false;
    if (ORLayout::isMacOS() || group.groupItems.at(index).kind == AppItemKind::App)
        return true;
    const auto isApp = [](const ORAppDataItem &item) { return item.kind == AppItemKind::App; };
    const auto app = std::find_if(group.groupItems.cbegin(), group.groupItems.cend(), isApp);
    return app == group.groupItems.cend() || app->isDel;
}

bool AppTicks::toggleItem(ORAppDataGroup &group, qsizetype index)
{
    if (!isItemTickable(group, index))
        return false;
    const bool marked = !group.groupItems.at(index).isDel;
    if (!marked && group.groupItems.at(index).kind == AppItemKind::App && !ORLayout::isMacOS())
        for (ORAppDataItem &item : group.groupItems)
            item.isDel = false;
    selection::setItemMarked(group, index, marked);
    return true;
}

}  // namespace sw
