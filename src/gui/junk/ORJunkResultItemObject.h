// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/junk/JunkNotifications.h"
#include "gui/junk/JunkItemModel.h"
#include "gui/junk/ORJunkResultItemObjectDelegate.h"
#include "gui/shell/FamilyItemList.h"

// The item list of the junk result page: the items of one category with a
// search field and a sort pop-up. Filled through the "getjunks" notification.
class ORJunkResultItemObject
    : public sw::FamilyItemList<&ORJunkResultItemObjectDelegate::updateJunkGroupCheckStatus, sw::JunkItemModel>
{
    Q_OBJECT
public:
    explicit ORJunkResultItemObject(QWidget *parent = nullptr) : FamilyItemList(sw::junknote::kShowGroup, parent) {}
};
