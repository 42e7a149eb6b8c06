// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/AppNotifications.h"
#include "gui/shell/FamilyItemList.h"
#include "gui/uninst/AppItemModel.h"
#include "gui/uninst/ORUninstResultItemObjectDelegate.h"

// The item list of the uninstaller's result page: the bundle and leftovers of
// the application chosen on the left, filled through "appget". The page
// searches and sorts the applications, so the list has no tools of its own.
class ORUninstResultItemObject
    : public sw::FamilyItemList<&ORUninstResultItemObjectDelegate::updateAppGroupCheckStatus,
                                sw::AppItemModel>
{
    Q_OBJECT
public:
    explicit ORUninstResultItemObject(QWidget *parent = nullptr)
        : FamilyItemList(sw::appnote::kShowGroup, parent)
    {
        setItemToolsShown(false);
    }
};
