// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/junk/ORJunksResultViewCter.h"

#include "core/junk/JunkNotifications.h"
#include "gui/shell/ItemPaneStack.h"

#include <algorithm>

using namespace sw;

ORJunksResultViewCter::ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{RemovalWording::Action::DeleteJunk, false, JunkScanPage, JunkRemovalPage},
                       tr("Categories"),
                       junknote::kShowGroup})
{
    // An empty category shows a note instead of an empty list.
    m_itemStack = new ItemPaneStack(itemPaneLayout(), itemObject(), tr("Nothing to clean in this category."), this);
}

QWidget *ORJunksResultViewCter::itemNoView() const
{
    return m_itemStack->itemNoView();
}

void ORJunksResultViewCter::groupAnnounced(ORJunkDataGroup *group)
{
    ResultPage::groupAnnounced(group);
    m_itemStack->showEmpty(!group || group->groupItems.isEmpty());
}

// What the removal takes: a category whose flag is 0 is left whole.
int JunkResultTraits::selectedCountOf(const ORJunkData &data)
{
    int count = 0;
    for (const ORJunkDataGroup &group : data.junkGroups)
        if (group.isGroupDelFlag != 0)
            count += int(std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                       [](const ORjunkDataItem &item) { return item.isDel && item.isVisible; }));
    return count;
}

void ORJunksResultViewCter::updateJunkGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
