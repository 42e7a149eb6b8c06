#include "AppTicks.h"

#include "ORSelection.h"

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

}  // namespace sw
