#include "ORJunksResultViewCter.h"

#include "ItemPaneStack.h"
#include "JunkNotifications.h"
#include "ORLayout.h"

#include <algorithm>

using namespace sw;

ORJunksResultViewCter::ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{tr("Junk Clean"), tr("Do you want to delete the selected junk files?"), junknote::kRemove,
                        JunkScanPage, JunkRemovalPage},
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

// Junk is deleted, not moved to the Trash: on a desktop where everything
// else goes to the Trash the sheet says so, with what it takes.
QString ORJunksResultViewCter::removalSummary() const
{
    const auto data = groupModel()->result();
    if (!data || !ORLayout::isFreedesktop())
        return QString();
    int count = 0;
    for (const ORJunkDataGroup &group : data->junkGroups)
        if (group.isGroupDelFlag != 0)
            count += int(std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                       [](const ORjunkDataItem &item) { return item.isDel && item.isVisible; }));
    const QString size = ORUtility::sizeFormatWithNumber(JunkOverlap::selectedSize(*data));
    return count == 1 ? tr("1 item, %1, will be deleted permanently.").arg(size)
                      : tr("%1 items, %2, will be deleted permanently.").arg(count).arg(size);
}

void ORJunksResultViewCter::updateJunkGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
