// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/extensions/ExtNotifications.h"
#include "gui/controls/ORItemTableCellView.h"
#include "gui/extensions/ExtItemModel.h"
#include "gui/extensions/ORGroupItemObjectDelegate.h"
#include "gui/shell/FamilyItemList.h"

// The item list of the extensions page: the add-ons of the chosen category,
// filled through "getextensions". Categories are short: no search or sort.
class ORGroupItemObject
    : public sw::FamilyItemList<&ORGroupItemObjectDelegate::updateGroupCheckStatus, sw::ExtItemModel>
{
    Q_OBJECT
public:
    explicit ORGroupItemObject(QWidget *parent = nullptr) : FamilyItemList(sw::extnote::kShowGroup, parent)
    {
        setItemToolsShown(false);
        cellView()->isPathHidden = true;  // an add-on is known by its name; the open button shows where it is
    }
};
