#pragma once

#include "FamilyItemList.h"
#include "JunkItemModel.h"
#include "JunkNotifications.h"
#include "ORJunkResultItemObjectDelegate.h"

// The item list of the junk result page: the items of one category with a
// search field and a sort pop-up. Filled through the "getjunks" notification.
class ORJunkResultItemObject
    : public sw::FamilyItemList<&ORJunkResultItemObjectDelegate::updateJunkGroupCheckStatus, sw::JunkItemModel>
{
    Q_OBJECT
public:
    explicit ORJunkResultItemObject(QWidget *parent = nullptr) : FamilyItemList(sw::junknote::kShowGroup, parent) {}
};
