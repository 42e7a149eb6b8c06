// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/ORBigResultItemObject.h"

#include "core/bigs/BigNotifications.h"
#include "gui/controls/ORItemTableCellView.h"

ORBigResultItemObject::ORBigResultItemObject(QWidget *parent) : FamilyItemList(sw::bignote::kShowGroup, parent)
{
    cellView()->isBigFile = true;
}
