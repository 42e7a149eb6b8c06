// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/bigs/BigItemModel.h"
#include "gui/bigs/ORBigResultItemObjectDelegate.h"
#include "gui/shell/FamilyItemList.h"

// The file list of the large-file result page: the files of one size band
// with their dates and folders, a search field (by path) and a sort pop-up.
// Hovering a row shows its reveal and preview buttons. Filled through "bigget".
class ORBigResultItemObject
    : public sw::FamilyItemList<&ORBigResultItemObjectDelegate::updateBigGroupCheckStatus, sw::BigItemModel>
{
    Q_OBJECT
public:
    explicit ORBigResultItemObject(QWidget *parent = nullptr);
};
