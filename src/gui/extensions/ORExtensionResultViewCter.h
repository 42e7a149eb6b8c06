// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/extensions/ORExtDataCollection.h"
#include "gui/extensions/ExtGroupModel.h"
#include "gui/extensions/ORGroupItemObject.h"
#include "gui/shell/ResultPage.h"

namespace sw {
class ItemPaneStack;
}

using ExtResultTraits = sw::ResultFamily<sw::ExtGroupModel, ORGroupItemObject, ORExtDataCollection,
                                         &ORExtDataCollection::tempExtData, &ORExtData::extSelectedSize,
                                         &ORExtData::extTotalSize>;

// Page 30, the extensions page: the add-on categories on the left, the
// chosen one's title, what removing does and its add-ons on the right (or a
// note when it has none), the selected and total sizes, and the buttons that
// start over or remove what is ticked after a confirmation sheet.
class ORExtensionResultViewCter : public sw::ResultPage<ExtResultTraits>, public ORGroupItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORExtensionResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void updateGroupCheckStatus(int groupRow, int itemRow) override;

    ORTableView *groupTableView() const { return gTableView(); }
    QWidget *itemNoView() const;
    QLabel *junkGroupField() const { return groupTitleField(); }
    QLabel *junkGroupInfoField() const { return groupInfoField(); }

protected:
    void groupAnnounced(ORExtGroup *group) override;

private:
    sw::ItemPaneStack *m_itemStack = nullptr;
};
