#include "ORJunkResultItemObject.h"

#include "JunkNotifications.h"

ORJunkResultItemObject::ORJunkResultItemObject(QWidget *parent) : FamilyItemList(sw::junknote::kShowGroup, parent)
{
}
