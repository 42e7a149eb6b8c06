// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/extensions/ORExtensionResultViewCter.h"

#include "core/extensions/ExtNotifications.h"
#include "gui/shell/ItemPaneStack.h"

using namespace sw;

ORExtensionResultViewCter::ORExtensionResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{RemovalWording::Action::RemoveExtensions, false, ExtensionsPage,
                        ExtensionsRemovalPage},
                       tr("Extensions"),
                       extnote::kShowGroup})
{
    // Each category is ticked on its own: there is no select-all.
    autoSelectButton()->hide();
    // An empty category shows a note instead of an empty list.
    m_itemStack = new ItemPaneStack(itemPaneLayout(), itemObject(), tr("Nothing of this kind is installed."), this);
    setReadingOrder({gTableView(), itemObject()->itemTableView(), startOverBut(), delBut()});
}

QWidget *ORExtensionResultViewCter::itemNoView() const
{
    return m_itemStack->itemNoView();
}

void ORExtensionResultViewCter::groupAnnounced(ORExtGroup *group)
{
    ResultPage::groupAnnounced(group);
    m_itemStack->showEmpty(!group || group->groupItems.isEmpty());
}

void ORExtensionResultViewCter::updateGroupCheckStatus(int groupRow, int)
{
    ResultPage::updateGroupCheckStatus(groupRow);
}
