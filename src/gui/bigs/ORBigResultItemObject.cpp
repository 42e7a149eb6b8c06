#include "ORBigResultItemObject.h"

#include "BigNotifications.h"
#include "ORItemTableCellView.h"

ORBigResultItemObject::ORBigResultItemObject(QWidget *parent) : FamilyItemList(sw::bignote::kShowGroup, parent)
{
    cellView()->isBigFile = true;
}
